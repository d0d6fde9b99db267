#pragma once
// Builds a savings plan's development table into the schedule window: one
// row per monthly contribution, and the information panel with the plan's
// figures, both capitals included.
#include "finance/calculo_inversion.h"
#include "finance/filas_inversion.h"
#include "util/tabla_textos.h"

#include <QString>

class TFormDesarrolloCalculos;

struct EntradaDesarrolloInversion {
    DatosFilasInversion datos;
    QString textoInteres;    // the interest box
    QString textoNumCuotas;  // the box of the number of contributions
};

// The figures the report prints after the rows for a plan with inflation or
// a tax on the gain (real and net capital); empty for a plain plan.
TablaTextos CifrasInversion(const finance::EstadoInversion& estado);

// Throws EDesarrolloExcesivo, before writing anything, when the plan has
// more contributions than a table may have or its dates would pass
// 31/12/9999, and EDesarrolloInversion when a row's capital grows beyond
// what can be computed.
void DesarrollarInversion(const EntradaDesarrolloInversion& entrada, TFormDesarrolloCalculos& ventana);
