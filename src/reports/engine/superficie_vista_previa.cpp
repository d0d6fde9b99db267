#include "reports/engine/superficie_vista_previa.h"

#include "reports/engine/pintor_pagina.h"

#include <QElapsedTimer>
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
    continuar_.setSingleShot(true);
    continuar_.setInterval(0);
    connect(&continuar_, &QTimer::timeout, this, &TSuperficieVistaPrevia::ContinuarDibujo);
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
    const double anchoPagina = MmPagina().width() * mm, altoPagina = MmPagina().height() * mm;
    const double relacion = std::min(viewport()->width() / anchoPagina, viewport()->height() / altoPagina);
    FijarZoom(static_cast<int>(std::lround(ZoomDeRelacion(relacion) * 0.95)));
}

void TSuperficieVistaPrevia::ZoomAjustarAncho() {
    const double anchoPagina = MmPagina().width() * logicalDpiX() / 25.4;
    FijarZoom(static_cast<int>(std::lround(ZoomDeRelacion(viewport()->width() / anchoPagina) * 0.90)));
}

void TSuperficieVistaPrevia::PaginasCambiadas() {
    OlvidarDibujo();
    if (pagina_ > NumeroPaginas())
        pagina_ = std::max(1, NumeroPaginas());
    ActualizarBarras();
    viewport()->update();
}

double TSuperficieVistaPrevia::PixelesPorMm() const { return logicalDpiX() / 25.4 * zoom_ / 100.0; }

QSizeF TSuperficieVistaPrevia::MmPagina() const {
    if (informe_ && pagina_ <= NumeroPaginas())
        return informe_->paginas.Tamano(static_cast<std::size_t>(pagina_ - 1));
    return QSizeF(210, 297);
}

QSize TSuperficieVistaPrevia::TamanoPagina() const {
    const QSizeF mm = MmPagina();
    const float ancho = float(mm.width()), alto = float(mm.height());
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

QPoint TSuperficieVistaPrevia::OrigenPagina() const {
    const int izquierda = std::max(kBorde, (viewport()->width() - TamanoPagina().width()) / 2);
    return QPoint(izquierda - horizontalScrollBar()->value(), kBorde - verticalScrollBar()->value());
}

void TSuperficieVistaPrevia::OlvidarDibujo() {
    continuar_.stop();
    dibujo_ = Dibujo();
}

// Starts the drawing again when the view changed since it began.
void TSuperficieVistaPrevia::PrepararDibujo() {
    const QPoint desplazamiento(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const qreal proporcion = viewport()->devicePixelRatioF();
    if (dibujo_.valido && dibujo_.pagina == pagina_ && dibujo_.zoom == zoom_ &&
        dibujo_.desplazamiento == desplazamiento && dibujo_.tamano == viewport()->size() &&
        dibujo_.proporcion == proporcion)
        return;
    OlvidarDibujo();
    dibujo_.valido = true;
    dibujo_.pagina = pagina_;
    dibujo_.zoom = zoom_;
    dibujo_.desplazamiento = desplazamiento;
    dibujo_.tamano = viewport()->size();
    dibujo_.proporcion = proporcion;
    dibujo_.primitivas = informe_->paginas[static_cast<std::size_t>(pagina_ - 1)];
    dibujo_.imagen = QImage(viewport()->size() * proporcion, QImage::Format_ARGB32_Premultiplied);
    dibujo_.imagen.setDevicePixelRatio(proporcion);
    // Fonts are sized by the device's dots per inch: the same as the screen's.
    dibujo_.imagen.setDotsPerMeterX(int(std::lround(viewport()->logicalDpiX() / 0.0254)));
    dibujo_.imagen.setDotsPerMeterY(int(std::lround(viewport()->logicalDpiY() / 0.0254)));
    dibujo_.imagen.fill(Qt::transparent);
    QPainter painter(&dibujo_.imagen);
    painter.fillRect(QRect(OrigenPagina() + QPoint(3, 3), TamanoPagina()), QColor(64, 64, 64));
}

// Draws for a slice of time; what is left waits for the next slice, after
// the window has answered the events that came meanwhile.
void TSuperficieVistaPrevia::DibujarTramo(int milisegundos) {
    if (!dibujo_.valido || dibujo_.completo)
        return;
    QElapsedTimer reloj;
    reloj.start();
    QPainter painter(&dibujo_.imagen);
    dibujo_.siguiente = PintarPaginaPorPartes(painter, *informe_, dibujo_.primitivas, PixelesPorMm(), OrigenPagina(),
                                              dibujo_.siguiente, [&] { return reloj.elapsed() < milisegundos; });
    dibujo_.completo = dibujo_.siguiente == dibujo_.primitivas.primitivas.size();
    if (!dibujo_.completo)
        continuar_.start();
}

void TSuperficieVistaPrevia::ContinuarDibujo() {
    DibujarTramo(kTramoMs);
    if (dibujo_.completo)
        viewport()->update();
}

void TSuperficieVistaPrevia::paintEvent(QPaintEvent*) {
    if (!informe_ || NumeroPaginas() == 0)
        return;
    PrepararDibujo();
    if (dibujo_.siguiente == 0 && !continuar_.isActive())
        DibujarTramo(kPrimerTramoMs);
    QPainter painter(viewport());
    if (PaginaDibujada()) {
        painter.drawImage(QPoint(0, 0), dibujo_.imagen);
        return;
    }
    const QRect hoja(OrigenPagina(), TamanoPagina());
    painter.fillRect(hoja.translated(3, 3), QColor(64, 64, 64));
    painter.fillRect(hoja, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(hoja & viewport()->rect(), Qt::AlignCenter, QStringLiteral("Dibujando la página..."));
}
