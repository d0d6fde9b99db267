#pragma once
// Builds a savings plan's development table into the schedule window: one
// row per monthly contribution, and the information panel with the plan's
// figures, both capitals included.
#include "finance/filas_inversion.h"

#include <QString>

class TFormDesarrolloCalculos;

struct EntradaDesarrolloInversion {
    DatosFilasInversion datos;
    QString textoInteres;    // the interest box
    QString textoNumCuotas;  // the box of the number of contributions
};

// Throws EDesarrolloExcesivo, before writing anything, when the plan has
// more contributions than a table may have or its dates would pass
// 31/12/9999, and EDesarrolloInversion when a row's capital grows beyond
// what can be computed.
void DesarrollarInversion(const EntradaDesarrolloInversion& entrada, TFormDesarrolloCalculos& ventana);
