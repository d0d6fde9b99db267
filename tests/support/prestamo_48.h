#pragma once
// A small loan whose table the chart tests draw: 10.000 at 6 % over 48
// monthly instalments from 15/07/2024, five calendar years.
#include "finance/filas_prestamo.h"

inline DatosFilasPrestamo Prestamo48() {
    DatosFilasPrestamo d;
    d.Capital = 10000;
    d.Interes = 6;
    d.NumCuotas = 48;
    d.Cuota = 234.85;
    d.timing = finance::PaymentTiming::EndOfPeriod;
    d.primeraFecha = QDate(2024, 7, 15);
    return d;
}
