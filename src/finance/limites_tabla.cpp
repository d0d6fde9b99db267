#include "finance/limites_tabla.h"

#include "util/fechas.h"
#include "util/textos_numericos.h"

#include <limits>

void ComprobarTamanoDesarrollo(long long periodos, const QString& consejo) {
    if (periodos <= kMaxFilasDesarrollo)
        return;
    const QString texto = QStringLiteral("La tabla de desarrollo tendría %1 filas y no puede tener más de %2.\r%3")
                              .arg(TextoEnteroAgrupado(periodos), TextoEnteroAgrupado(kMaxFilasDesarrollo), consejo);
    throw EDesarrolloExcesivo(texto.toStdString());
}

void ComprobarFechasDesarrollo(int periodos, const QDate& primera, FechaDePeriodo fecha, const QString& consejo) {
    if (periodos <= 0 || !primera.isValid() || fecha(periodos - 1, primera).isValid())
        return;
    // Dates only move forward with the period, so the last one that fits is
    // found by halving: period `cabe` has a date, period `noCabe` none.
    int cabe = 0, noCabe = periodos - 1;
    while (noCabe - cabe > 1) {
        const int medio = cabe + (noCabe - cabe) / 2;
        (fecha(medio, primera).isValid() ? cabe : noCabe) = medio;
    }
    const QString texto = QStringLiteral("Las fechas de la tabla de desarrollo pasarían del %1, la última fecha que se "
                                         "puede mostrar: empezando el %2, la última fila posible es la %3.\r%4")
                              .arg(TextoFecha(QDate(9999, 12, 31)), TextoFecha(primera), TextoEnteroAgrupado(cabe + 1), consejo);
    throw EDesarrolloExcesivo(texto.toStdString());
}

void ComprobarDesarrolloMensual(int cuotas, const QDate& primera, int mesesPorCuota) {
    ComprobarTamanoDesarrollo(cuotas, QStringLiteral("Reduzca el número de cuotas."));
    // Row k + 1 falls k periods after the first; a count of months beyond int
    // is past any date.
    const auto fecha = [mesesPorCuota](int k, const QDate& desde) {
        const long long meses = static_cast<long long>(k) * mesesPorCuota;
        return meses > std::numeric_limits<int>::max() ? QDate() : SumarMeses(static_cast<int>(meses), desde);
    };
    ComprobarFechasDesarrollo(cuotas, primera, fecha,
                              QStringLiteral("Reduzca el número de cuotas o elija una primera fecha anterior."));
}

void ComprobarDesarrolloAnual(int anios, const QDate& primera) {
    ComprobarTamanoDesarrollo(anios, QStringLiteral("Reduzca los años de vida útil."));
    ComprobarFechasDesarrollo(anios, primera, SumarAnios,
                              QStringLiteral("Reduzca los años de vida útil o elija una fecha inicial anterior."));
}
