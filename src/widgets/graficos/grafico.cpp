#include "widgets/graficos/grafico.h"


#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGuiApplication>
#include <QLineSeries>
#include <QScreen>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// More bars than this would be too thin to tell apart beside the table;
// more years are added together in groups.
constexpr int kMaximoBarras = 40;
// Above this many bars the axis names spans of bars, not each bar.
constexpr int kMaximoTextosBarras = 12;

QColor ColorSerie(int i) { return QColor::fromRgb(QRgb(kColoresSerie[i % kNumColoresSerie])); }

int AnchoPantalla() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    return pantalla ? std::max(pantalla->size().width(), 320) : 1920;
}

// An axis whose marks are round values written with the program's
// separators: QValueAxis formats with printf, which knows no grouping and no
// decimal comma.
QCategoryAxis* EjeConMarcas(double minimo, double maximo, const QString& titulo) {
    auto* eje = new QCategoryAxis;
    eje->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QList<double> marcas = MarcasEje(minimo, maximo);
    const double paso = marcas.size() > 1 ? marcas[1] - marcas[0] : 1;
    for (double marca : marcas)
        eje->append(TextoMarca(marca, paso), marca);
    eje->setRange(marcas.front(), marcas.back());
    eje->setStartValue(marcas.front());
    eje->setTitleText(titulo);
    return eje;
}

// The x axis of lines: whole numbers (years, instalments) at round steps.
// They need no thousands separator, so the plain printf format serves.
QValueAxis* EjeHorizontal(double minimo, double maximo, const QString& titulo) {
    auto* eje = new QValueAxis;
    const QList<double> marcas = MarcasEje(minimo, maximo, 6);
    const double paso = std::max(1.0, marcas.size() > 1 ? marcas[1] - marcas[0] : 1);
    eje->setRange(minimo, maximo > minimo ? maximo : minimo + 1);
    eje->setTickType(QValueAxis::TicksDynamic);
    eje->setTickAnchor(std::ceil(minimo / paso) * paso);
    eje->setTickInterval(paso);
    eje->setLabelFormat(QStringLiteral("%.0f"));
    eje->setTitleText(titulo);
    return eje;
}

// The axis under many bars: a text for each bar would not fit, so the bars
// are told in spans of several years ("2025–2031"), each text centred under
// its span, with a line between spans.
QCategoryAxis* EjeDeTramos(const QStringList& categorias, const QString& titulo) {
    constexpr int kTramos = 4;
    const qsizetype total = categorias.size();
    auto* eje = new QCategoryAxis;
    eje->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    eje->setStartValue(-0.5);
    // Spans of nearly equal size (differing by one bar at most), so that
    // the last one has room for its text too.
    for (qsizetype j = 0; j < kTramos; ++j) {
        const qsizetype desde = total * j / kTramos, hasta = total * (j + 1) / kTramos - 1;
        eje->append(TextoTramo(categorias, desde, hasta), double(hasta) + 0.5);
    }
    eje->setRange(-0.5, double(total) - 0.5);
    eje->setTitleText(titulo);
    return eje;
}

void Limites(const QList<QPointF>& puntos, double& menor, double& mayor, bool enX) {
    for (const QPointF& p : puntos) {
        menor = std::min(menor, enX ? p.x() : p.y());
        mayor = std::max(mayor, enX ? p.x() : p.y());
    }
}

}  // namespace

TGrafico::TGrafico(const DatosGrafico& datos, QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(300, 200);
    FijarDatos(datos);
}

void TGrafico::FijarDatos(const DatosGrafico& datos) {
    datos_ = datos;
    dibujados_ = 0;
    auto* grafico = new QChart;
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->setTitle(datos.titulo);
    grafico->legend()->setVisible(true);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    // Room goes to the plot: the view is small beside the table's panels.
    grafico->setMargins(QMargins(4, 4, 4, 4));
    grafico->setBackgroundRoundness(0);
    QChart* anterior = chart();
    setChart(grafico);
    delete anterior;
    if (datos.forma == FormaGrafico::Lineas)
        DibujarLineas();
    else
        DibujarBarras();
    setAccessibleName(datos.titulo);
    setAccessibleDescription(DescripcionGrafico(datos));
}

void TGrafico::DibujarLineas() {
    double xMenor = std::numeric_limits<double>::max(), xMayor = std::numeric_limits<double>::lowest();
    double yMenor = 0, yMayor = 0;  // amounts are read from zero up
    const Qt::PenStyle trazos[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    QList<QLineSeries*> lineas;
    for (int i = 0; i < datos_.series.size(); ++i) {
        const SerieGrafico& serie = datos_.series[i];
        auto* linea = new QLineSeries;
        linea->setName(serie.nombre);
        const QList<QPointF> puntos = DiezmarPuntos(serie.puntos, AnchoPantalla());
        dibujados_ += puntos.size();
        linea->replace(puntos);
        QPen pluma(ColorSerie(i), 2.5, trazos[i % 4]);
        linea->setPen(pluma);
        Limites(serie.puntos, xMenor, xMayor, true);
        Limites(serie.puntos, yMenor, yMayor, false);
        chart()->addSeries(linea);
        lineas << linea;
    }
    if (xMenor > xMayor)
        xMenor = xMayor = 0;
    QValueAxis* ejeX = EjeHorizontal(xMenor, xMayor, datos_.tituloEjeX);
    QCategoryAxis* ejeY = EjeConMarcas(yMenor, yMayor, datos_.tituloEjeY);
    chart()->addAxis(ejeX, Qt::AlignBottom);
    chart()->addAxis(ejeY, Qt::AlignLeft);
    for (QLineSeries* linea : lineas) {
        linea->attachAxis(ejeX);
        linea->attachAxis(ejeY);
    }
}

void TGrafico::DibujarBarras() {
    const DatosGrafico datos = AgruparBarras(datos_, kMaximoBarras);
    auto* barras = new QStackedBarSeries;
    barras->setBarWidth(0.8);
    QList<double> alturas(datos.categorias.size(), 0.0);
    for (int i = 0; i < datos.series.size(); ++i) {
        auto* conjunto = new QBarSet(datos.series[i].nombre);
        conjunto->setColor(ColorSerie(i));
        conjunto->setBorderColor(ColorSerie(i).darker(150));
        for (qsizetype k = 0; k < datos.series[i].puntos.size(); ++k) {
            const double y = datos.series[i].puntos[k].y();
            conjunto->append(y);
            if (k < alturas.size())
                alturas[k] += y;
        }
        dibujados_ += conjunto->count();
        barras->append(conjunto);
    }
    chart()->addSeries(barras);
    QAbstractAxis* ejeX = nullptr;
    if (datos.categorias.size() > kMaximoTextosBarras) {
        ejeX = EjeDeTramos(datos.categorias, datos.tituloEjeX);
    } else {
        auto* categorias = new QBarCategoryAxis;
        categorias->append(datos.categorias);
        categorias->setTitleText(datos.tituloEjeX);
        ejeX = categorias;
    }
    const double alto = alturas.isEmpty() ? 1 : *std::max_element(alturas.begin(), alturas.end());
    QCategoryAxis* ejeY = EjeConMarcas(0, alto, datos.tituloEjeY);
    chart()->addAxis(ejeX, Qt::AlignBottom);
    chart()->addAxis(ejeY, Qt::AlignLeft);
    barras->attachAxis(ejeX);
    barras->attachAxis(ejeY);
}

GraficoLineas::GraficoLineas(const QString& titulo, const QString& tituloEjeX, const QString& tituloEjeY,
                             const QList<SerieGrafico>& series, QWidget* parent)
    : TGrafico(
          [&] {
              DatosGrafico datos;
              datos.titulo = titulo;
              datos.tituloEjeX = tituloEjeX;
              datos.tituloEjeY = tituloEjeY;
              datos.series = series;
              return datos;
          }(),
          parent) {}
