#pragma once
// Selecting and copying a table's rows, read through the grid's own cell
// texts so that what leaves the window is exactly what it shows.
#include <QString>
#include <QStringList>

class TStringGrid;

// The texts of one grid row, every column.
QStringList TextosFila(const TStringGrid& grid, int fila);

// The column titles (row 0) and then rows primera to ultima, one line each,
// fields separated by tabs and every line ended by a line break: what a
// spreadsheet pastes cell by cell.
QString TextoCopia(const TStringGrid& grid, int primera, int ultima);

// Selects every row below the titles, leaving the first one current.
void SeleccionarTodo(TStringGrid& grid);

// Puts the selected rows, titles first, on the clipboard.
void CopiarSeleccion(const TStringGrid& grid);
