#pragma once
// Builds a depreciation's development table into the schedule window: one
// row per year of useful life by the chosen method, and the information
// panel with both values and both counts of years.
#include "finance/filas_depreciacion.h"

class TFormDesarrolloCalculos;

struct EntradaDesarrolloDepreciacion {
    DatosFilasDepreciacion datos;
};

// Throws EDesarrolloExcesivo, before writing anything, when the useful life
// has more years than a table may have or its dates would pass 31/12/9999.
void DesarrollarDepreciacion(const EntradaDesarrolloDepreciacion& entrada, TFormDesarrolloCalculos& ventana);
