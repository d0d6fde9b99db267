#include "finance/filas_prestamo.h"

#include "finance/todas_las_filas.h"

#include "util/fechas.h"

#include <limits>

namespace {

using finance::PeriodosPorAnio;

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
      tasa_(static_cast<long double>(datos.Interes) / (100 * PeriodosPorAnio(datos.condiciones.periodicidad))),
      mesesPorCuota_(finance::MesesPorPeriodo(datos.condiciones.periodicidad)),
      pendiente_(datos.Capital) {
    if (d_.condiciones.HayCambios())
        cambios_.emplace(d_.Capital, d_.Interes, d_.NumCuotas, d_.timing, d_.condiciones);
    cantidad_ = cambios_ ? cambios_->Cantidad() : (d_.NumCuotas > 0 ? d_.NumCuotas : 0);
}

int TFilasPrestamo::Cantidad() const { return cantidad_; }

bool TFilasPrestamo::Siguiente(trPrestamo& fila) {
    if (actual_ >= Cantidad())
        return false;
    const int i = ++actual_;
    fila.numero = i;
    fila.fecha = FechaDeCuota(d_.primeraFecha, i, mesesPorCuota_);
    if (cambios_) {
        finance::PasoPrestamo paso;
        cambios_->Siguiente(paso);
        fila.cuota = static_cast<double>(paso.cuota);
        fila.capital = static_cast<double>(paso.capital);
        fila.interes = static_cast<double>(paso.interes);
        fila.amortAnticipada = static_cast<double>(paso.amortAnticipada);
        fila.comision = static_cast<double>(paso.comision);
        Acumular(fila, fila.capital + fila.amortAnticipada);
        // The simulation's own balance, so that paying everything shows 0.
        fila.pendiente = static_cast<double>(paso.pendiente);
        return true;
    }
    fila.cuota = d_.Cuota;
    fila.amortAnticipada = fila.comision = 0;
    fila.capital = static_cast<double>(-finance::PeriodPayment(tasa_, i, d_.NumCuotas, d_.Capital, 0, d_.timing));
    fila.interes = static_cast<double>(-finance::InterestPayment(tasa_, i, d_.NumCuotas, d_.Capital, 0, d_.timing));
    Acumular(fila, fila.capital);
    return true;
}

void TFilasPrestamo::Acumular(trPrestamo& fila, double amortizado) {
    amortizado_ += amortizado;
    pendiente_ -= amortizado;
    pagado_ += fila.cuota + fila.amortAnticipada;
    intereses_ += fila.interes;
    fila.amortizado = amortizado_;
    fila.pendiente = pendiente_;
    fila.pagado = pagado_;
    fila.intereses = intereses_;
}

std::vector<trPrestamo> FilasPrestamo(const DatosFilasPrestamo& datos) {
    return TodasLasFilas<trPrestamo>(TFilasPrestamo(datos));
}
