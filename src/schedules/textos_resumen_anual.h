#pragma once
// The yearly summary of a loan or a savings plan as the texts the window and
// the report show: the year, the count of instalments and the amounts as the
// table writes them, and a last line "Total".
#include "finance/resumen_anual.h"
#include "util/tabla_textos.h"

TablaTextos TextosResumenAnual(const ResumenPrestamo& resumen);
TablaTextos TextosResumenAnual(const ResumenInversion& resumen);
