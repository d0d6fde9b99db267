#pragma once
// The mortgage the schedule benchmarks time: fixed for 5 years, then
// Euríbor + 0,9 % revised every year, the Euríbor moving between 2,5 % and
// 3,5 % each year, after a year of total grace, so that every revision
// changes the instalment.
#include "finance/filas_prestamo.h"

inline void HacerHipotecaMixta(DatosFilasPrestamo& d) {
    finance::CondicionesPrestamo& c = d.condiciones;
    c.tipoInteres = finance::TipoInteres::Mixto;
    c.tramoFijo = 60;
    c.diferencial = 0.9;
    c.indice = 3;
    c.revisionMeses = 12;
    c.carencia = finance::TipoCarencia::Total;
    c.cuotasCarencia = 12;
    for (int anio = 6; anio * 12 < d.NumCuotas; ++anio)
        c.indicesDesde.push_back({anio * 12 + 1, anio % 2 ? 2.5 : 3.5});
}
