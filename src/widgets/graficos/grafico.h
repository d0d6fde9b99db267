#pragma once
// A chart on screen, drawn with Qt Charts from DatosGrafico: lines over a
// continuous axis, or stacked bars per category. Long lines are thinned to
// the screen's width; axis marks carry the program's number texts; the
// legend names the series; a screen reader gets the chart told in words.
#include "util/datos_grafico.h"

#include <QChartView>

class TGrafico : public QChartView {
    Q_OBJECT
public:
    explicit TGrafico(const DatosGrafico& datos, QWidget* parent = nullptr);

    // Draws other data in place of the current.
    void FijarDatos(const DatosGrafico& datos);
    // The data as given, before any thinning.
    const DatosGrafico& Datos() const { return datos_; }
    // The points the chart holds after thinning, all series together.
    qsizetype PuntosDibujados() const { return dibujados_; }

private:
    void DibujarLineas();
    void DibujarBarras();

    DatosGrafico datos_;
    qsizetype dibujados_ = 0;
};

// Lines of several series over one x axis, e.g. the pending capital of
// several loans over the years.
class GraficoLineas : public TGrafico {
    Q_OBJECT
public:
    GraficoLineas(const QString& titulo, const QString& tituloEjeX, const QString& tituloEjeY,
                  const QList<SerieGrafico>& series, QWidget* parent = nullptr);
};
