#include "widgets/grid/string_grid.h"

#include <QPainter>

TStringGrid::TStringGrid(QWidget* parent) : TCustomGrid(parent) {}

void TStringGrid::SetCells(int c, int r, const QString& text) {
    if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount())
        return;
    cells_.SetText(c, r, text, RowCount());
    InvalidateCell(c, r);
}

QString TStringGrid::Cells(int c, int r) const {
    if (!source_ || !cells_.IsEmpty(c, r) || c < 0 || r < 0 || c >= ColCount() || r >= RowCount())
        return cells_.Text(c, r);
    return source_(c, r);
}

void TStringGrid::SetTextSource(TextSource source) {
    source_ = std::move(source);
    InvalidateGrid();
}

void TStringGrid::ClearAllTexts() {
    cells_.Clear();
    source_ = nullptr;
}

void TStringGrid::DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) {
    if (DefaultDrawing()) {
        const QString texto = Cells(c, r);
        if (!texto.isEmpty()) {
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
            painter.drawText(rect.left() + 2, rect.top() + 2 + painter.fontMetrics().ascent(), texto);
            painter.restore();
        }
    }
    TCustomGrid::DrawCell(c, r, rect, state, painter);
}

void TStringGrid::ColumnMoved(int from, int to) {
    cells_.MoveColumn(from, to);
    TCustomGrid::ColumnMoved(from, to);
}

void TStringGrid::RowMoved(int from, int to) {
    cells_.MoveRow(from, to);
    TCustomGrid::RowMoved(from, to);
}

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
    if (ColCount() < oldColCount || RowCount() < oldRowCount)
        cells_.Truncate(ColCount(), RowCount());
    TCustomGrid::SizeChanged(oldColCount, oldRowCount);
}

QString TStringGrid::GetEditText(int c, int r) const {
    return Cells(c, r);
}

void TStringGrid::SetEditText(int c, int r, const QString& value) {
    SetCells(c, r, value);
}
