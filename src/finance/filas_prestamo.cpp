#include "finance/filas_prestamo.h"

#include "finance/todas_las_filas.h"

#include "util/fechas.h"

#include <limits>

namespace {

// Every date is counted from the first one, so a month-end clamp never
// carries over; a count of months beyond int gives no date at all.
QDate FechaDeCuota(const QDate& primera, int numero, int mesesPorCuota) {
    const long long meses = static_cast<long long>(numero - 1) * mesesPorCuota;
    if (meses > std::numeric_limits<int>::max())
        return QDate();
    return SumarMeses(static_cast<int>(meses), primera);
}

}  // namespace

TFilasPrestamo::TFilasPrestamo(const DatosFilasPrestamo& datos)
    : d_(datos),
      mesesPorCuota_(finance::MesesPorPeriodo(datos.condiciones.periodicidad)),
      simulacion_(d_.Capital, d_.Interes, d_.NumCuotas, d_.timing, d_.condiciones, d_.Cuota),
      cantidad_(simulacion_.Cantidad()) {}

int TFilasPrestamo::Cantidad() const { return cantidad_; }

bool TFilasPrestamo::Siguiente(trPrestamo& fila) {
    finance::PasoPrestamo paso;
    if (actual_ >= Cantidad() || !simulacion_.Siguiente(paso))
        return false;
    const int i = ++actual_;
    fila.numero = i;
    fila.fecha = FechaDeCuota(d_.primeraFecha, i, mesesPorCuota_);
    fila.cuota = static_cast<double>(paso.cuota);
    fila.capital = static_cast<double>(paso.capital);
    fila.interes = static_cast<double>(paso.interes);
    fila.amortAnticipada = static_cast<double>(paso.amortAnticipada);
    fila.comision = static_cast<double>(paso.comision);
    fila.pendiente = static_cast<double>(paso.pendiente);
    fila.interesAnual = paso.interesAnual;
    fila.carencia = paso.carencia;
    fila.costes = static_cast<double>(paso.costes);
    sumas_.Anadir(paso);
    fila.amortizado = static_cast<double>(sumas_.amortizado / 100);
    fila.pagado = static_cast<double>(sumas_.pagado / 100);
    fila.intereses = static_cast<double>(sumas_.intereses / 100);
    return true;
}

std::vector<trPrestamo> FilasPrestamo(const DatosFilasPrestamo& datos) {
    return TodasLasFilas<trPrestamo>(TFilasPrestamo(datos));
}
