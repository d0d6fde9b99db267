#pragma once
// The grid of the yearly summary in the schedule window: the titles, a row
// per year and the total line in bold, coloured like the table's grid.
#include "util/tabla_textos.h"

class TAttributeGrid;

// Writes the summary into the grid (set up from the table's layout) and
// widens each column to its widest text.
void EscribirResumenAnual(TAttributeGrid& grid, const TablaTextos& tabla);
