#include "schedules/graficos_tabla.h"

#include "util/textos_numericos.h"

namespace {

const QString kEjeTiempo = QStringLiteral("Año");
const QString kEjeImporte = QStringLiteral("Importe (€)");

DatosGrafico Lineas(const QString& titulo) {
    DatosGrafico datos;
    datos.titulo = titulo;
    datos.tituloEjeX = kEjeTiempo;
    datos.tituloEjeY = kEjeImporte;
    datos.forma = FormaGrafico::Lineas;
    return datos;
}

DatosGrafico Barras(const QString& titulo) {
    DatosGrafico datos = Lineas(titulo);
    datos.forma = FormaGrafico::BarrasApiladas;
    return datos;
}

// One series per member of the row: each row gives the point (its date,
// that member).
template <typename Fila>
SerieGrafico SerieEnElTiempo(const QString& nombre, const std::vector<Fila>& filas, double Fila::*miembro) {
    SerieGrafico serie{nombre, {}};
    serie.puntos.reserve(qsizetype(filas.size()));
    for (const Fila& fila : filas)
        serie.puntos.append(QPointF(AnioDecimal(fila.fecha), fila.*miembro));
    return serie;
}

}  // namespace

double AnioDecimal(const QDate& fecha) {
    return fecha.year() + double(fecha.dayOfYear() - 1) / fecha.daysInYear();
}

QList<DatosGrafico> GraficosPrestamo(const std::vector<trPrestamo>& filas, const ResumenPrestamo& resumen) {
    DatosGrafico pendiente = Lineas(QStringLiteral("Capital pendiente"));
    pendiente.series << SerieEnElTiempo(QStringLiteral("Capital pendiente"), filas, &trPrestamo::pendiente);

    DatosGrafico anual = Barras(QStringLiteral("Capital e intereses pagados por año"));
    SerieGrafico capital{QStringLiteral("Capital amortizado"), {}}, intereses{QStringLiteral("Intereses"), {}};
    for (const AnioPrestamo& anio : resumen.anios) {
        const double x = double(anual.categorias.size());
        anual.categorias << TextoEntero(anio.anio);
        capital.puntos << QPointF(x, anio.capital);
        intereses.puntos << QPointF(x, anio.interes);
    }
    anual.series << capital << intereses;
    return {pendiente, anual};
}

QList<DatosGrafico> GraficosInversion(const std::vector<trInversion>& filas) {
    DatosGrafico datos = Lineas(QStringLiteral("Aportaciones y valor acumulado"));
    datos.series << SerieEnElTiempo(QStringLiteral("Aportado"), filas, &trInversion::invertido)
                 << SerieEnElTiempo(QStringLiteral("Valor acumulado"), filas, &trInversion::acumulado);
    return {datos};
}

QList<DatosGrafico> GraficosRetirada(const std::vector<trRetirada>& filas) {
    DatosGrafico datos = Lineas(QStringLiteral("Capital restante"));
    datos.series << SerieEnElTiempo(QStringLiteral("Capital restante"), filas, &trRetirada::capital);
    return {datos};
}

QList<DatosGrafico> GraficosDepreciacion(const std::vector<trDepreciacion>& filas) {
    DatosGrafico datos = Barras(QStringLiteral("Valor contable al final de cada año"));
    // The bars are named as the table's rows: the year of useful life.
    datos.tituloEjeX = QStringLiteral("Año de vida útil");
    SerieGrafico valor{QStringLiteral("Valor contable"), {}};
    for (const trDepreciacion& fila : filas) {
        valor.puntos << QPointF(double(datos.categorias.size()), fila.valorFinal);
        datos.categorias << TextoEntero(fila.anio);
    }
    datos.series << valor;
    return {datos};
}
