#include "reports/engine/pintor_pagina.h"

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <optional>

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

// A box given in millimetres, in the painter's units.
QRectF EnUnidades(double x, double y, double ancho, double alto) {
    return {x * kUnidadesPorMm, y * kUnidadesPorMm, ancho * kUnidadesPorMm, alto * kUnidadesPorMm};
}

Qt::Alignment Alineacion(AlineacionTexto a) {
    switch (a) {
    case AlineacionTexto::Centro: return Qt::AlignHCenter | Qt::AlignVCenter;
    case AlineacionTexto::Derecha: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The part of the device the painter can reach, in the painter's units, a
// few pixels wider on every side so that cutting a primitive there never
// changes a pixel that shows.
QRectF AreaVisible(const QPainter& painter) {
    const QPaintDevice* dispositivo = painter.device();
    bool invertible = false;
    const QTransform inversa = painter.deviceTransform().inverted(&invertible);
    if (!dispositivo || !invertible)
        return {};
    // Whether the transform counts a high-density screen's pixels or not, the
    // area is never smaller than what shows.
    const double proporcion = std::max(1.0, dispositivo->devicePixelRatioF());
    constexpr double kHolguraPixeles = 4;
    return inversa.mapRect(QRectF(0, 0, dispositivo->width() * proporcion, dispositivo->height() * proporcion)
                               .adjusted(-kHolguraPixeles, -kHolguraPixeles, kHolguraPixeles, kHolguraPixeles));
}

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it
// is inside.
bool RecortarSegmento(QLineF& linea, const QRectF& area) {
    const double dx = linea.dx(), dy = linea.dy();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {linea.x1() - area.left(), area.right() - linea.x1(), linea.y1() - area.top(),
                         area.bottom() - linea.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF inicio = linea.p1();
    linea = QLineF(inicio + QPointF(dx, dy) * t0, inicio + QPointF(dx, dy) * t1);
    return true;
}

// Draws primitives, each cut to the sheet and to what the device shows, so
// that a primitive many metres long costs no more than one the size of the
// page. Fonts are made once a style is first used.
class Pintor {
public:
    // The painter is already scaled to hundredths of a millimetre.
    Pintor(QPainter& painter, const InformePreparado& informe, const PaginaPreparada& pagina)
        : painter_(painter), informe_(informe),
          recorte_(EnUnidades(0, 0, pagina.anchoMm, pagina.altoMm) & AreaVisible(painter)),
          fuentes_(informe.estilos.size()) {}

    void Pintar(const Primitiva& p) {
        switch (p.tipo) {
        case Primitiva::Rectangulo: Rectangulo(p); break;
        case Primitiva::Linea: Linea(p); break;
        case Primitiva::Texto: Texto(p); break;
        }
    }

private:
    void Rectangulo(const Primitiva& p) {
        const QRectF caja = EnUnidades(p.x, p.y, p.ancho, p.alto).normalized() & recorte_;
        if (!caja.isEmpty())
            painter_.fillRect(caja, QColor::fromRgba(p.color));
    }

    void Linea(const Primitiva& p) {
        // The pen reaches half its width beyond the segment's ends and sides.
        const double media = p.grosor * kUnidadesPorMm / 2;
        const QRectF recorrido = EnUnidades(p.x, p.y, p.ancho, p.alto);
        QLineF linea(recorrido.topLeft(), recorrido.bottomRight());
        if (!RecortarSegmento(linea, recorte_.adjusted(-media, -media, media, media)))
            return;
        QPen pluma(QColor::fromRgba(p.color));
        pluma.setWidthF(p.grosor * kUnidadesPorMm);
        pluma.setCapStyle(Qt::FlatCap);
        painter_.setPen(pluma);
        painter_.drawLine(linea);
    }

    void Texto(const Primitiva& p) {
        // A text is drawn inside its box, so a box out of sight draws nothing.
        const QRectF caja = EnUnidades(p.x, p.y, p.ancho, p.alto);
        if (p.estilo >= fuentes_.size() || !caja.normalized().intersects(recorte_))
            return;
        std::optional<QFont>& fuente = fuentes_[p.estilo];
        if (!fuente)
            fuente = FuenteEnUnidades(informe_.estilos[p.estilo], painter_);
        painter_.setFont(*fuente);
        painter_.setPen(QColor::fromRgba(informe_.estilos[p.estilo].color));
        painter_.drawText(caja, int(Alineacion(p.alineacion)) | Qt::TextSingleLine, p.texto);
    }

    QPainter& painter_;
    const InformePreparado& informe_;
    const QRectF recorte_;
    std::vector<std::optional<QFont>> fuentes_;
};

}  // namespace

std::size_t PintarPaginaPorPartes(QPainter& painter, const InformePreparado& informe, const PaginaPreparada& pagina,
                                  double pixelesPorMm, QPointF origen, std::size_t desde,
                                  const std::function<bool()>& seguir) {
    if (pixelesPorMm <= 0)
        return pagina.primitivas.size();
    painter.save();
    painter.translate(origen);
    painter.scale(pixelesPorMm / kUnidadesPorMm, pixelesPorMm / kUnidadesPorMm);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (desde == 0)
        painter.fillRect(EnUnidades(0, 0, pagina.anchoMm, pagina.altoMm), Qt::white);
    Pintor pintor(painter, informe, pagina);
    std::size_t i = desde;
    for (; i < pagina.primitivas.size(); ++i) {
        if (seguir && i > desde && !seguir())
            break;
        pintor.Pintar(pagina.primitivas[i]);
    }
    painter.restore();
    return i;
}

void PintarPagina(QPainter& painter, const InformePreparado& informe, int indice, double pixelesPorMm,
                  QPointF origen) {
    if (indice < 0 || indice >= static_cast<int>(informe.paginas.size()) || pixelesPorMm <= 0)
        return;
    PintarPaginaPorPartes(painter, informe, informe.paginas[static_cast<std::size_t>(indice)], pixelesPorMm, origen,
                          0, {});
}
