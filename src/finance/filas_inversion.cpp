#include "finance/filas_inversion.h"

#include "finance/centimos_enteros.h"
#include "finance/todas_las_filas.h"
#include "finance/valor_real.h"

#include "util/fechas.h"

#include <QString>
#include <cmath>

TFilasInversion::TFilasInversion(const DatosFilasInversion& datos)
    : d_(datos),
      tasa_(static_cast<long double>(datos.Interes) / 1200),
      cuota_(finance::RedondeadoAlCentimo(datos.Cuota)),
      creciente_(tasa_, cuota_, datos.condiciones.crecimiento, datos.CapInicial, datos.timing) {}

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
    try {
        if (d_.condiciones.crecimiento != 0)
            FilaCreciente(fila);
        else
            FilaConstante(fila);
    } catch (const EMathError&) {
        CapitalIncalculable(i);
    }
    fila.beneficio = fila.acumulado - fila.invertido;
    if (d_.condiciones.inflacion)
        fila.valorReal = finance::ValorReal(fila.acumulado, *d_.condiciones.inflacion, i);
    if (!std::isfinite(fila.acumulado) || !std::isfinite(fila.beneficio))
        CapitalIncalculable(i);
    return true;
}

void TFilasInversion::FilaConstante(trInversion& fila) const {
    fila.cuota = cuota_;
    fila.acumulado = finance::RedondeadoAlCentimo(
        static_cast<double>(-finance::FutureValue(tasa_, actual_, cuota_, d_.CapInicial, d_.timing)));
    fila.invertido = finance::RedondeadoAlCentimo(static_cast<double>(actual_) * cuota_ + d_.CapInicial);
}

void TFilasInversion::FilaCreciente(trInversion& fila) {
    creciente_.Avanzar();
    fila.cuota = creciente_.Aportacion();
    fila.acumulado = finance::RedondeadoAlCentimo(static_cast<double>(creciente_.Saldo()));
    fila.invertido = finance::RedondeadoAlCentimo(static_cast<double>(creciente_.Aportado() + d_.CapInicial));
}

std::vector<trInversion> FilasInversion(const DatosFilasInversion& datos) {
    return TodasLasFilas<trInversion>(TFilasInversion(datos));
}
