#include "reports/engine/pintor_pagina.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

constexpr double kMmPorPunto = 25.4 / 72.0;

// The page is drawn in hundredths of a millimetre. A font's size becomes
// whole logical units when it is loaded; in millimetres that would print an
// 8-point text at 8.5 points and a 6-point one at 5.7, here it is off by a
// hundredth of a millimetre at most.
constexpr double kUnidadesPorMm = 100;

// A font whose height is measured in the painter's logical units.
QFont FuenteEnUnidades(const EstiloTexto& estilo, const QPainter& painter) {
    QFont fuente(estilo.familia);
    fuente.setBold(estilo.negrita);
    fuente.setItalic(estilo.cursiva);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    fuente.setPointSizeF(estilo.puntos * kMmPorPunto * kUnidadesPorMm * 72.0 / dpi);
    return fuente;
}

QRectF Caja(const Primitiva& p) {
    return {p.x * kUnidadesPorMm, p.y * kUnidadesPorMm, p.ancho * kUnidadesPorMm, p.alto * kUnidadesPorMm};
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
    painter.scale(pixelesPorMm / kUnidadesPorMm, pixelesPorMm / kUnidadesPorMm);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(0, 0, pagina.anchoMm * kUnidadesPorMm, pagina.altoMm * kUnidadesPorMm), Qt::white);

    std::vector<QFont> fuentes;
    fuentes.reserve(informe.estilos.size());
    for (const EstiloTexto& estilo : informe.estilos)
        fuentes.push_back(FuenteEnUnidades(estilo, painter));

    for (const Primitiva& p : pagina.primitivas) {
        switch (p.tipo) {
        case Primitiva::Rectangulo:
            painter.fillRect(Caja(p), QColor::fromRgba(p.color));
            break;
        case Primitiva::Linea: {
            QPen pluma(QColor::fromRgba(p.color));
            pluma.setWidthF(p.grosor * kUnidadesPorMm);
            pluma.setCapStyle(Qt::FlatCap);
            painter.setPen(pluma);
            const QRectF recorrido = Caja(p);
            painter.drawLine(recorrido.topLeft(), recorrido.bottomRight());
            break;
        }
        case Primitiva::Texto: {
            if (p.estilo >= fuentes.size())
                break;
            const EstiloTexto& estilo = informe.estilos[p.estilo];
            painter.setFont(fuentes[p.estilo]);
            painter.setPen(QColor::fromRgba(estilo.color));
            painter.drawText(Caja(p), int(Alineacion(p.alineacion)) | Qt::TextSingleLine, p.texto);
            break;
        }
        }
    }
    painter.restore();
}
