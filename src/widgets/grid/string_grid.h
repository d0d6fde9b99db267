#pragma once
// The string grid: the base grid with a text in every cell, drawn at the
// cell's top left, and edited in place when the options allow it.
#include "widgets/grid/cell_store.h"
#include "widgets/grid/custom_grid.h"

class TStringGrid : public TCustomGrid {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    QString Cells(int c, int r) const { return cells_.Text(c, r); }
    // Writes outside the grid are ignored.
    void SetCells(int c, int r, const QString& text);

protected:
    void DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) override;
    // Moves the cell texts with the column or row, then the base notification.
    void ColumnMoved(int from, int to) override;
    void RowMoved(int from, int to) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    QString GetEditText(int c, int r) const override;
    void SetEditText(int c, int r, const QString& value) override;

    // Clears every text of one column or row.
    void ClearColumnTexts(int c) { cells_.ClearColumn(c); }
    void ClearRowTexts(int r) { cells_.ClearRow(r); }
    void ClearAllTexts() { cells_.Clear(); }

private:
    CellStore cells_;
};
