#include "reports/engine/pintor_pagina.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

constexpr double kMmPorPunto = 25.4 / 72.0;

// A font whose height is measured in the painter's logical units, which are
// millimetres once the painter is scaled.
QFont FuenteEnMm(const EstiloTexto& estilo, const QPainter& painter) {
    QFont fuente(estilo.familia);
    fuente.setBold(estilo.negrita);
    fuente.setItalic(estilo.cursiva);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    fuente.setPointSizeF(estilo.puntos * kMmPorPunto * 72.0 / dpi);
    return fuente;
}

Qt::Alignment Alineacion(AlineacionTexto a) {
    switch (a) {
    case AlineacionTexto::Centro: return Qt::AlignHCenter | Qt::AlignVCenter;
    case AlineacionTexto::Derecha: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

void PintarPagina(QPainter& painter, const InformePreparado& informe, int indice, double pixelesPorMm,
                  QPointF origen) {
    if (indice < 0 || indice >= static_cast<int>(informe.paginas.size()) || pixelesPorMm <= 0)
        return;
    const PaginaPreparada pagina = informe.paginas[static_cast<std::size_t>(indice)];
    painter.save();
    painter.translate(origen);
    painter.scale(pixelesPorMm, pixelesPorMm);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(0, 0, pagina.anchoMm, pagina.altoMm), Qt::white);

    std::vector<QFont> fuentes;
    fuentes.reserve(informe.estilos.size());
    for (const EstiloTexto& estilo : informe.estilos)
        fuentes.push_back(FuenteEnMm(estilo, painter));

    for (const Primitiva& p : pagina.primitivas) {
        switch (p.tipo) {
        case Primitiva::Rectangulo:
            painter.fillRect(QRectF(p.x, p.y, p.ancho, p.alto), QColor::fromRgba(p.color));
            break;
        case Primitiva::Linea: {
            QPen pluma(QColor::fromRgba(p.color));
            pluma.setWidthF(p.grosor);
            pluma.setCapStyle(Qt::FlatCap);
            painter.setPen(pluma);
            painter.drawLine(QPointF(p.x, p.y), QPointF(p.x + p.ancho, p.y + p.alto));
            break;
        }
        case Primitiva::Texto: {
            if (p.estilo >= fuentes.size())
                break;
            const EstiloTexto& estilo = informe.estilos[p.estilo];
            painter.setFont(fuentes[p.estilo]);
            painter.setPen(QColor::fromRgba(estilo.color));
            painter.drawText(QRectF(p.x, p.y, p.ancho, p.alto), int(Alineacion(p.alineacion)) | Qt::TextSingleLine,
                             p.texto);
            break;
        }
        }
    }
    painter.restore();
}
