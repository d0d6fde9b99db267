#include "finance/filas_prestamo.h"

#include "finance/todas_las_filas.h"

#include "util/fechas.h"

TFilasPrestamo::TFilasPrestamo(const DatosFilasPrestamo& datos)
    : d_(datos), tasa_(static_cast<long double>(datos.Interes) / 1200), pendiente_(datos.Capital) {}

int TFilasPrestamo::Cantidad() const { return d_.NumCuotas > 0 ? d_.NumCuotas : 0; }

bool TFilasPrestamo::Siguiente(trPrestamo& fila) {
    if (actual_ >= Cantidad())
        return false;
    const int i = ++actual_;
    fila.numero = i;
    fila.fecha = SumarMeses(i - 1, d_.primeraFecha);
    fila.cuota = d_.Cuota;
    fila.capital = static_cast<double>(-finance::PeriodPayment(tasa_, i, d_.NumCuotas, d_.Capital, 0, d_.timing));
    fila.interes = static_cast<double>(-finance::InterestPayment(tasa_, i, d_.NumCuotas, d_.Capital, 0, d_.timing));
    amortizado_ += fila.capital;
    pendiente_ -= fila.capital;
    pagado_ += d_.Cuota;
    intereses_ += fila.interes;
    fila.amortizado = amortizado_;
    fila.pendiente = pendiente_;
    fila.pagado = pagado_;
    fila.intereses = intereses_;
    return true;
}

std::vector<trPrestamo> FilasPrestamo(const DatosFilasPrestamo& datos) {
    return TodasLasFilas<trPrestamo>(TFilasPrestamo(datos));
}
