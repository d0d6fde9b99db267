#include "schedules/vista_resumen_anual.h"

#include "schedules/desarrollo_comun.h"
#include "widgets/grid/attribute_grid.h"

#include <QFontMetrics>

namespace {

// The year and the count in the table's colours for the period and its date;
// the amounts like the table's amounts.
TColor Fondo(int c) { return c < 2 ? kFondoOscuro : kFondoClaro; }
TColor Letra(int c) { return c < 2 ? clBlack : clNavy; }

void Ensanchar(TAttributeGrid& grid) {
    // The grid draws a text 2 pixels in from either edge of its cell.
    constexpr int kHolgura = 2 * 2 + 1;
    for (int c = 0; c < grid.ColCount(); ++c) {
        int necesario = 0;
        for (int r = 0; r < grid.RowCount(); ++r)
            necesario = std::max(necesario,
                                 QFontMetrics(grid.CellFont(c, r).QtFont()).horizontalAdvance(grid.Cells(c, r)));
        if (grid.ColWidths(c) < necesario + kHolgura)
            grid.SetColWidths(c, necesario + kHolgura);
    }
}

}  // namespace

void EscribirResumenAnual(TAttributeGrid& grid, const TablaTextos& tabla) {
    const int columnas = int(tabla.titulos.size());
    const int total = int(tabla.filas.size());
    grid.SetColCount(columnas);
    grid.SetRowCount(total + 1);
    for (int c = 0; c < columnas; ++c) {
        grid.SetCells(c, 0, tabla.titulos[c]);
        grid.ColorCol(c, Fondo(c));
        grid.FontCol(c).SetColor(Letra(c));
    }
    for (int r = 0; r < total; ++r)
        for (int c = 0; c < columnas && c < tabla.filas[std::size_t(r)].size(); ++c)
            grid.SetCells(c, r + 1, tabla.filas[std::size_t(r)][c]);
    // The total line stands out in bold.
    for (int c = 0; total > 0 && c < columnas; ++c) {
        TGridFont& fuente = grid.FontCell(c, total);
        fuente.SetColor(Letra(c));
        fuente.SetStyle(fsBold);
    }
    Ensanchar(grid);
}
