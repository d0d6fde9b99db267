#include "schedules/copia_tabla.h"

#include "widgets/grid/string_grid.h"

#include <QClipboard>
#include <QGuiApplication>

QStringList TextosFila(const TStringGrid& grid, int fila) {
    QStringList textos;
    textos.reserve(grid.ColCount());
    for (int c = 0; c < grid.ColCount(); ++c)
        textos << grid.Cells(c, fila);
    return textos;
}

QString TextoCopia(const TStringGrid& grid, int primera, int ultima) {
    QString texto = TextosFila(grid, 0).join(u'\t') + u'\n';
    for (int fila = primera; fila <= ultima; ++fila)
        texto += TextosFila(grid, fila).join(u'\t') + u'\n';
    return texto;
}

void SeleccionarTodo(TStringGrid& grid) {
    if (grid.RowCount() <= grid.FixedRows())
        return;
    // The anchor goes to the last row and the current row to the first, so
    // that the view stays at the top of the table.
    grid.SetSelection({grid.ColCount() - 1, grid.RowCount() - 1, grid.FixedCols(), grid.FixedRows()});
}

void CopiarSeleccion(const TStringGrid& grid) {
    if (grid.RowCount() <= grid.FixedRows())
        return;
    const auto s = grid.Selection();
    QGuiApplication::clipboard()->setText(TextoCopia(grid, s.Top, s.Bottom));
}
