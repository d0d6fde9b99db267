#pragma once
// The yearly summary of a loan or a savings plan as a report table: one row
// a calendar year, then a total row.
#include "cli/informe_orden.h"
#include "finance/resumen_anual.h"

TablaOrden ResumenOrdenPrestamo(const DatosFilasPrestamo& datos);
TablaOrden ResumenOrdenInversion(const DatosFilasInversion& datos);
