#pragma once
// Where a schedule report reads its rows: the cells of the schedule window's
// grid, row 0 holding the column titles. Tests give their own rows.
#include <QString>

class FuenteFilas {
public:
    virtual ~FuenteFilas() = default;
    virtual QString Celda(int columna, int fila) const = 0;
};
