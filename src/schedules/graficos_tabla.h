#pragma once
// The charts of a development table, built from the very rows the grid
// shows: a loan's pending capital over time and, per year, the capital and
// the interest paid; a savings plan's contributions against its value; an
// asset's book value per year.
#include "finance/filas_depreciacion.h"
#include "finance/filas_inversion.h"
#include "finance/filas_prestamo.h"
#include "finance/retirada_capital.h"
#include "finance/resumen_anual.h"
#include "util/datos_grafico.h"

#include <QDate>
#include <vector>

// A date as a year with its fraction (1 July 2024 is about 2024,5): the x of
// a row on a time axis.
double AnioDecimal(const QDate& fecha);

// Pending capital at each instalment, then a bar per calendar year with the
// capital repaid and the interest paid, stacked.
QList<DatosGrafico> GraficosPrestamo(const std::vector<trPrestamo>& filas, const ResumenPrestamo& resumen);
// Money put in so far and the value reached, at each contribution.
QList<DatosGrafico> GraficosInversion(const std::vector<trInversion>& filas);
// The capital left after each withdrawal.
QList<DatosGrafico> GraficosRetirada(const std::vector<trRetirada>& filas);
// The value at the end of each year.
QList<DatosGrafico> GraficosDepreciacion(const std::vector<trDepreciacion>& filas);
