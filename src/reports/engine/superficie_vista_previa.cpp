#include "reports/engine/superficie_vista_previa.h"

#include "reports/engine/pintor_pagina.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kBorde = 10;  // grey margin around the sheet, in pixels
}

TSuperficieVistaPrevia::TSuperficieVistaPrevia(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(10);
    verticalScrollBar()->setSingleStep(10);
}

void TSuperficieVistaPrevia::FijarInforme(const InformePreparado* informe) {
    informe_ = informe;
    pagina_ = 1;
    PaginasCambiadas();
}

int TSuperficieVistaPrevia::NumeroPaginas() const {
    return informe_ ? static_cast<int>(informe_->paginas.size()) : 0;
}

void TSuperficieVistaPrevia::FijarPagina(int pagina) {
    if (pagina < 1 || pagina > NumeroPaginas() || pagina == pagina_)
        return;
    pagina_ = pagina;
    ActualizarBarras();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void TSuperficieVistaPrevia::FijarZoom(int zoom) {
    zoom_ = std::clamp(zoom, kZoomMinimo, kZoomMaximo);
    ActualizarBarras();
    viewport()->update();
}

double TSuperficieVistaPrevia::ZoomDeRelacion(double relacion) const { return relacion * 100.0; }

void TSuperficieVistaPrevia::ZoomAjustarPagina() {
    const double mm = logicalDpiX() / 25.4;
    const double anchoPagina = 210 * mm, altoPagina = 297 * mm;
    const double relacion = std::min(viewport()->width() / anchoPagina, viewport()->height() / altoPagina);
    FijarZoom(static_cast<int>(std::lround(ZoomDeRelacion(relacion) * 0.95)));
}

void TSuperficieVistaPrevia::ZoomAjustarAncho() {
    const double anchoPagina = 210 * logicalDpiX() / 25.4;
    FijarZoom(static_cast<int>(std::lround(ZoomDeRelacion(viewport()->width() / anchoPagina) * 0.90)));
}

void TSuperficieVistaPrevia::PaginasCambiadas() {
    if (pagina_ > NumeroPaginas())
        pagina_ = std::max(1, NumeroPaginas());
    ActualizarBarras();
    viewport()->update();
}

double TSuperficieVistaPrevia::PixelesPorMm() const { return logicalDpiX() / 25.4 * zoom_ / 100.0; }

QSize TSuperficieVistaPrevia::TamanoPagina() const {
    float ancho = 210, alto = 297;
    if (informe_ && pagina_ <= NumeroPaginas()) {
        const auto& p = informe_->paginas[static_cast<std::size_t>(pagina_ - 1)];
        ancho = p.anchoMm;
        alto = p.altoMm;
    }
    return QSize(static_cast<int>(std::ceil(ancho * PixelesPorMm())), static_cast<int>(std::ceil(alto * PixelesPorMm())));
}

void TSuperficieVistaPrevia::ActualizarBarras() {
    const QSize pagina = TamanoPagina() + QSize(2 * kBorde, 2 * kBorde);
    horizontalScrollBar()->setRange(0, std::max(0, pagina.width() - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, pagina.height() - viewport()->height()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
}

void TSuperficieVistaPrevia::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ActualizarBarras();
}

void TSuperficieVistaPrevia::paintEvent(QPaintEvent*) {
    if (!informe_ || NumeroPaginas() == 0)
        return;
    QPainter painter(viewport());
    const QSize tamano = TamanoPagina();
    const int izquierda = std::max(kBorde, (viewport()->width() - tamano.width()) / 2);
    const QPoint origen(izquierda - horizontalScrollBar()->value(), kBorde - verticalScrollBar()->value());
    painter.fillRect(QRect(origen + QPoint(3, 3), tamano), QColor(64, 64, 64));
    PintarPagina(painter, *informe_, pagina_ - 1, PixelesPorMm(), origen);
}
