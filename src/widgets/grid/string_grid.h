#pragma once
// The string grid: the base grid with a text in every cell, drawn at the
// cell's top left, and edited in place when the options allow it.
#include "widgets/grid/cell_store.h"
#include "widgets/grid/custom_grid.h"

#include <functional>

class TStringGrid : public TCustomGrid {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    // The cell's own text or, when it has none, the text source's.
    QString Cells(int c, int r) const;
    // Writes outside the grid are ignored.
    void SetCells(int c, int r, const QString& text);

    // Answers the text of any cell inside the grid that has no text of its
    // own, asked each time the cell is drawn or read, so that a long table
    // computed row by row needs no stored text per cell. It answers by the
    // cell's place: moving rows or columns does not move its texts.
    using TextSource = std::function<QString(int c, int r)>;
    void SetTextSource(TextSource source);

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
    // Clears every text, the text source's too.
    void ClearAllTexts();

private:
    CellStore cells_;
    TextSource source_;
};
