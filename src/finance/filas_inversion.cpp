#include "finance/filas_inversion.h"

#include "finance/centimos_enteros.h"
#include "finance/todas_las_filas.h"

#include "util/fechas.h"

#include <QString>
#include <cmath>

TFilasInversion::TFilasInversion(const DatosFilasInversion& datos)
    : d_(datos),
      tasa_(static_cast<long double>(datos.Interes) / 1200),
      cuota_(finance::RedondeadoAlCentimo(datos.Cuota)) {}

int TFilasInversion::Cantidad() const { return d_.NumCuotas > 0 ? d_.NumCuotas : 0; }

namespace {

[[noreturn]] void CapitalIncalculable(int cuota) {
    throw EDesarrolloInversion(
        QStringLiteral("No se puede desarrollar la inversión: a partir de la cuota %1 el capital acumulado "
                       "es demasiado grande para calcularlo.\rReduzca el número de cuotas o el interés.")
            .arg(cuota)
            .toStdString());
}

}  // namespace

bool TFilasInversion::Siguiente(trInversion& fila) {
    if (actual_ >= Cantidad())
        return false;
    const int i = ++actual_;
    fila.numero = i;
    fila.fecha = SumarMeses(i - 1, d_.primeraFecha);
    fila.cuota = cuota_;
    try {
        fila.acumulado = finance::RedondeadoAlCentimo(
            static_cast<double>(-finance::FutureValue(tasa_, i, cuota_, d_.CapInicial, d_.timing)));
    } catch (const EMathError&) {
        CapitalIncalculable(i);
    }
    fila.invertido = finance::RedondeadoAlCentimo(static_cast<double>(i) * cuota_ + d_.CapInicial);
    fila.beneficio = fila.acumulado - fila.invertido;
    if (!std::isfinite(fila.acumulado) || !std::isfinite(fila.beneficio))
        CapitalIncalculable(i);
    return true;
}

std::vector<trInversion> FilasInversion(const DatosFilasInversion& datos) {
    return TodasLasFilas<trInversion>(TFilasInversion(datos));
}
