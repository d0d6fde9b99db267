#pragma once
// What a chart shows, apart from how it is drawn: its titles and its series
// of points. The window draws it with Qt Charts, the report with its own
// painter; both take their axis marks and their thinning of long series from
// here, so that the screen and the paper agree.
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <iterator>

struct SerieGrafico {
    QString nombre;          // the legend's text
    QList<QPointF> puntos;   // in increasing x
};

enum class FormaGrafico : unsigned char {
    Lineas,          // each series a line over a continuous x axis
    BarrasApiladas,  // one bar per x value, the series stacked on it
};

struct DatosGrafico {
    QString titulo;
    QString tituloEjeX;
    QString tituloEjeY;
    FormaGrafico forma = FormaGrafico::Lineas;
    QList<SerieGrafico> series;
    // Bars: the text under each bar (as many as points in each series).
    QStringList categorias;
};

// Thins a line to what `columnas` columns of pixels can show: the x range is
// cut into that many equal slices, and each slice keeps only its lowest and
// highest point, in their x order (and the first and last point of the line
// stay). Every rise and fall a pixel column can show survives, so the drawn
// line looks the same as the whole one, with at most 2 points per column
// however long the table is. A line no longer than that comes back whole.
QList<QPointF> DiezmarPuntos(const QList<QPointF>& puntos, int columnas);

// Bars: when there are more categories than `maximo`, adds neighbouring
// bars in groups of equal size (the last may be shorter) so that at most
// `maximo` remain; a group's text is "first–last". Sums keep their meaning
// (what was paid in those years).
DatosGrafico AgruparBarras(const DatosGrafico& datos, int maximo);

// The text of the bars from `desde` to `hasta`: the first year of the first
// and the last year of the last ("2026–2049"). A bar of a group is itself
// named "first–last", which the span does not repeat.
QString TextoTramo(const QStringList& categorias, qsizetype desde, qsizetype hasta);

// Round marks for an axis from `minimo` to `maximo`: about `cuantas` values
// that are 1, 2 or 5 times a power of ten apart, covering the range.
QList<double> MarcasEje(double minimo, double maximo, int cuantas = 5);

// The text of an axis mark with the program's separators: grouped whole
// numbers (150.000) when the step between marks is whole, else two decimals.
QString TextoMarca(double valor, double paso);

// The chart told in words for a screen reader: its title, its axes and, for
// each series, its name, its number of points and its first and last values.
QString DescripcionGrafico(const DatosGrafico& datos);

// The colours of the series, 0xRRGGBB, in order: their lightness differs
// enough (dark blue, orange, light blue, near black) that they stay apart
// printed in grey or seen without colour; lines add a dash pattern of their
// own as well.
inline constexpr unsigned kColoresSerie[] = {0x0b2e59, 0xf0a830, 0x5aa9e6, 0x333333};
inline constexpr int kNumColoresSerie = int(std::size(kColoresSerie));
