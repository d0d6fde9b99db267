#include "widgets/grid/custom_grid.h"

#include "widgets/grid/grid_colors.h"
#include "widgets/grid/grid_names.h"
#include "widgets/grid/inplace_edit.h"
#include "widgets/grid/layout_filer.h"
#include "widgets/grid/layout_reader.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

const QColor ColorLineas(192, 192, 192);
const QColor ColorLineasFijas(128, 128, 128);

}  // namespace

TCustomGrid::TCustomGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    brush_.SetColor(clWindow);
    font_.OnChange = [this] { InvalidateGrid(); };
    brush_.OnChange = [this] { InvalidateGrid(); };
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    UpdateScrollBars();
}

TCustomGrid::~TCustomGrid() = default;

// ---- counts and sizes ----

void TCustomGrid::SetColCount(int value) {
    value = qMax(1, value);
    if (value == colCount_)
        return;
    const int antes = colCount_;
    if (fixedCols_ >= value)
        fixedCols_ = value - 1;
    colCount_ = value;
    if (int(colWidths_.size()) > value)
        colWidths_.resize(size_t(value));
    SizeChanged(antes, rowCount_);
    // The current cell and the anchor must stay inside, whatever SelectCell says.
    col_ = qMin(col_, value - 1);
    anchorCol_ = qMin(anchorCol_, value - 1);
    leftCol_ = qBound(fixedCols_, leftCol_, qMax(fixedCols_, value - 1));
    UpdateScrollBars();
    InvalidateGrid();
}

void TCustomGrid::SetRowCount(int value) {
    value = qMax(1, value);
    if (value == rowCount_)
        return;
    const int antes = rowCount_;
    if (fixedRows_ >= value)
        fixedRows_ = value - 1;
    rowCount_ = value;
    if (int(rowHeights_.size()) > value)
        rowHeights_.resize(size_t(value));
    SizeChanged(colCount_, antes);
    row_ = qMin(row_, value - 1);
    anchorRow_ = qMin(anchorRow_, value - 1);
    topRow_ = qBound(fixedRows_, topRow_, qMax(fixedRows_, value - 1));
    UpdateScrollBars();
    InvalidateGrid();
}

void TCustomGrid::SetFixedCols(int value) {
    if (value < 0 || value >= colCount_)
        throw EGridError("Las columnas fijas deben ser menos que las columnas");
    fixedCols_ = value;
    leftCol_ = qMax(leftCol_, value);
    col_ = anchorCol_ = qMax(col_, value);
    UpdateScrollBars();
    InvalidateGrid();
}

void TCustomGrid::SetFixedRows(int value) {
    if (value < 0 || value >= rowCount_)
        throw EGridError("Las filas fijas deben ser menos que las filas");
    fixedRows_ = value;
    topRow_ = qMax(topRow_, value);
    row_ = anchorRow_ = qMax(row_, value);
    UpdateScrollBars();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultColWidth(int value) {
    defaultColWidth_ = qMax(0, value);
    colWidths_.clear();
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    defaultRowHeight_ = qMax(0, value);
    rowHeights_.clear();
    RowHeightsChanged();
}

int TCustomGrid::ColWidths(int c) const {
    return c >= 0 && c < int(colWidths_.size()) ? colWidths_[size_t(c)] : defaultColWidth_;
}

int TCustomGrid::RowHeights(int r) const {
    return r >= 0 && r < int(rowHeights_.size()) ? rowHeights_[size_t(r)] : defaultRowHeight_;
}

void TCustomGrid::SetColWidths(int c, int value) {
    if (c < 0 || c >= colCount_)
        return;
    value = qMax(0, value);
    if (value == ColWidths(c))
        return;
    if (c >= int(colWidths_.size()))
        colWidths_.resize(size_t(c) + 1, defaultColWidth_);
    colWidths_[size_t(c)] = value;
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int r, int value) {
    if (r < 0 || r >= rowCount_)
        return;
    value = qMax(0, value);
    if (value == RowHeights(r))
        return;
    if (r >= int(rowHeights_.size()))
        rowHeights_.resize(size_t(r) + 1, defaultRowHeight_);
    rowHeights_[size_t(r)] = value;
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int value) {
    gridLineWidth_ = qBound(0, value, 16);
    UpdateScrollBars();
    InvalidateGrid();
}

void TCustomGrid::SetColor(TColor value) {
    brush_.SetColor(value);
}

void TCustomGrid::SetFixedColor(TColor value) {
    fixedColor_ = value;
    InvalidateGrid();
}

void TCustomGrid::SetOptions(TGridOptions value) {
    if (value == options_)
        return;
    options_ = value;
    if (HasOption(goRowSelect))
        options_ &= ~goAlwaysShowEditor;
    if (HasOption(goRowSelect) || !HasOption(goEditing))
        HideEditor();
    MoveCurrent(col_, row_, true, false);
    InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
    scrollBars_ = value;
    const bool h = value == ssHorizontal || value == ssBoth;
    const bool v = value == ssVertical || value == ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TCustomGrid::SetDefaultDrawing(bool value) {
    defaultDrawing_ = value;
    InvalidateGrid();
}

bool TCustomGrid::TabStops(int c) const {
    if (c < 0 || c >= colCount_)
        return false;
    return c >= int(tabStops_.size()) || tabStops_[size_t(c)];
}

void TCustomGrid::SetTabStops(int c, bool value) {
    if (c < 0 || c >= colCount_)
        return;
    if (c >= int(tabStops_.size()))
        tabStops_.resize(size_t(c) + 1, true);
    tabStops_[size_t(c)] = value;
}

// ---- current cell and selection ----

void TCustomGrid::SetCol(int value) {
    FocusCell(value, row_, true);
}

void TCustomGrid::SetRow(int value) {
    FocusCell(col_, value, true);
}

void TCustomGrid::FocusCell(int c, int r, bool moveAnchor) {
    MoveCurrent(c, r, moveAnchor, true);
}

TGridRect TCustomGrid::Selection() const {
    TGridRect s{qMin(col_, anchorCol_), qMin(row_, anchorRow_), qMax(col_, anchorCol_), qMax(row_, anchorRow_)};
    if (HasOption(goRowSelect)) {
        s.Left = fixedCols_;
        s.Right = colCount_ - 1;
    }
    return s;
}

void TCustomGrid::SetSelection(const TGridRect& value) {
    anchorCol_ = qBound(fixedCols_, value.Left, colCount_ - 1);
    anchorRow_ = qBound(fixedRows_, value.Top, rowCount_ - 1);
    MoveCurrent(value.Right, value.Bottom, false, true);
}

void TCustomGrid::MoveCurrent(int c, int r, bool moveAnchor, bool show) {
    c = qBound(fixedCols_, c, colCount_ - 1);
    r = qBound(fixedRows_, r, rowCount_ - 1);
    if (!HasOption(goRangeSelect))
        moveAnchor = true;
    const bool cambia = c != col_ || r != row_;
    if (cambia && !SelectCell(c, r))
        return;
    if (cambia && editorMode_ && editor_ && editor_->isVisible()) {
        SetEditText(col_, row_, editor_->text());
        if (!HasOption(goAlwaysShowEditor))
            HideEditor();
    }
    col_ = c;
    row_ = r;
    if (moveAnchor) {
        anchorCol_ = c;
        anchorRow_ = r;
    }
    if (show)
        ScrollInView(c, r);
    if (cambia && editorMode_)
        ShowEditor();
    viewport()->update();
}

bool TCustomGrid::SelectCell(int c, int r) {
    return !OnSelectCell || OnSelectCell(*this, c, r);
}

// ---- geometry ----

TGridAxis TCustomGrid::Columnas() const {
    return TGridAxis(colWidths_, defaultColWidth_, gridLineWidth_, colCount_, fixedCols_, leftCol_,
                     viewport()->width());
}

TGridAxis TCustomGrid::Filas() const {
    return TGridAxis(rowHeights_, defaultRowHeight_, gridLineWidth_, rowCount_, fixedRows_, topRow_,
                     viewport()->height());
}

int TCustomGrid::VisibleRowCount() const {
    return Filas().LastFull(topRow_) - topRow_ + 1;
}

int TCustomGrid::VisibleColCount() const {
    return Columnas().LastFull(leftCol_) - leftCol_ + 1;
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = Columnas().LineAt(x);
    row = Filas().LineAt(y);
    if (col < 0 || row < 0)
        col = row = -1;
}

QRect TCustomGrid::CellRect(int c, int r) const {
    const int x = Columnas().StartOf(c);
    const int y = Filas().StartOf(r);
    if (x < 0 || y < 0)
        return QRect();
    return QRect(x, y, ColWidths(c), RowHeights(r));
}

// ---- scrolling ----

void TCustomGrid::UpdateScrollBars() {
    // The scroll bars' own signals stay on: the scroll area shows or hides
    // them on a range change. Their value changes are not scrolls of ours.
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    const bool antes = std::exchange(actualizandoBarras_, true);
    v->setRange(0, qMax(0, Filas().MaxFirst() - fixedRows_));
    v->setPageStep(qMax(1, VisibleRowCount()));
    v->setValue(topRow_ - fixedRows_);
    h->setRange(0, qMax(0, Columnas().MaxFirst() - fixedCols_));
    h->setPageStep(qMax(1, VisibleColCount()));
    h->setValue(leftCol_ - fixedCols_);
    actualizandoBarras_ = antes;
}

void TCustomGrid::SetTopRow(int value) {
    value = qBound(fixedRows_, value, qMax(fixedRows_, Filas().MaxFirst()));
    if (value == topRow_)
        return;
    topRow_ = value;
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
    TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int value) {
    value = qBound(fixedCols_, value, qMax(fixedCols_, Columnas().MaxFirst()));
    if (value == leftCol_)
        return;
    leftCol_ = value;
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
    TopLeftChanged();
}

void TCustomGrid::ScrollInView(int c, int r) {
    if (r >= fixedRows_) {
        const TGridAxis filas = Filas();
        if (r < topRow_)
            SetTopRow(r);
        else if (r > filas.LastFull(topRow_))
            SetTopRow(filas.FirstShowing(r));
    }
    if (c >= fixedCols_ && !HasOption(goRowSelect)) {
        const TGridAxis columnas = Columnas();
        if (c < leftCol_)
            SetLeftCol(c);
        else if (c > columnas.LastFull(leftCol_))
            SetLeftCol(columnas.FirstShowing(c));
    }
}

void TCustomGrid::scrollContentsBy(int, int) {
    if (actualizandoBarras_)
        return;
    const int top = fixedRows_ + verticalScrollBar()->value();
    const int left = fixedCols_ + horizontalScrollBar()->value();
    if (top == topRow_ && left == leftCol_)
        return;
    topRow_ = qBound(fixedRows_, top, rowCount_ - 1);
    leftCol_ = qBound(fixedCols_, left, colCount_ - 1);
    PlaceEditor();
    viewport()->update();
    TopLeftChanged();
}

void TCustomGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    topRow_ = qMin(topRow_, qMax(fixedRows_, Filas().MaxFirst()));
    leftCol_ = qMin(leftCol_, qMax(fixedCols_, Columnas().MaxFirst()));
    UpdateScrollBars();
    PlaceEditor();
}

// ---- moves ----

void TCustomGrid::MoveAdjust(int& pos, int from, int to) const {
    if (pos == from)
        pos = to;
    else if (from < to && pos > from && pos <= to)
        --pos;
    else if (from > to && pos >= to && pos < from)
        ++pos;
}

void TCustomGrid::MoveColumn(int from, int to) {
    if (from < 0 || from >= colCount_ || to < 0 || to >= colCount_)
        throw EGridError("Índice de columna fuera de la rejilla");
    if (from == to)
        return;
    HideEditor();
    if (!colWidths_.empty()) {
        colWidths_.resize(size_t(colCount_), defaultColWidth_);
        const int w = colWidths_[size_t(from)];
        colWidths_.erase(colWidths_.begin() + from);
        colWidths_.insert(colWidths_.begin() + to, w);
    }
    MoveAdjust(col_, from, to);
    MoveAdjust(anchorCol_, from, to);
    ColumnMoved(from, to);
    InvalidateGrid();
}

void TCustomGrid::MoveRow(int from, int to) {
    if (from < 0 || from >= rowCount_ || to < 0 || to >= rowCount_)
        throw EGridError("Índice de fila fuera de la rejilla");
    if (from == to)
        return;
    HideEditor();
    if (!rowHeights_.empty() && (from < int(rowHeights_.size()) || to < int(rowHeights_.size()))) {
        rowHeights_.resize(size_t(qMax(from, to)) + 1, defaultRowHeight_);
        const int h = rowHeights_[size_t(from)];
        rowHeights_.erase(rowHeights_.begin() + from);
        rowHeights_.insert(rowHeights_.begin() + to, h);
    }
    MoveAdjust(row_, from, to);
    MoveAdjust(anchorRow_, from, to);
    RowMoved(from, to);
    InvalidateGrid();
}

void TCustomGrid::DeleteColumn(int c) {
    MoveColumn(c, colCount_ - 1);
    SetColCount(colCount_ - 1);
}

void TCustomGrid::DeleteRow(int r) {
    MoveRow(r, rowCount_ - 1);
    SetRowCount(rowCount_ - 1);
}

// ---- hooks ----

void TCustomGrid::DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) {
    if (OnDrawCell)
        OnDrawCell(*this, c, r, rect, state, painter);
}

void TCustomGrid::ColumnMoved(int from, int to) {
    if (OnColumnMoved)
        OnColumnMoved(*this, from, to);
}

void TCustomGrid::RowMoved(int from, int to) {
    if (OnRowMoved)
        OnRowMoved(*this, from, to);
}

void TCustomGrid::ColWidthsChanged() {
    UpdateScrollBars();
    PlaceEditor();
    InvalidateGrid();
}

void TCustomGrid::RowHeightsChanged() {
    UpdateScrollBars();
    PlaceEditor();
    InvalidateGrid();
}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::TopLeftChanged() {
    if (OnTopLeftChanged)
        OnTopLeftChanged(*this);
}

void TCustomGrid::Click() {
    if (OnClick)
        OnClick(*this);
}

void TCustomGrid::MouseMove(QMouseEvent*) {}

// ---- painting ----

void TCustomGrid::InvalidateCell(int c, int r) {
    if (!viewport()->isVisible())
        return;
    const QRect rect = CellRect(c, r);
    if (!rect.isEmpty())
        viewport()->update(rect.adjusted(0, 0, gridLineWidth_, gridLineWidth_));
}

void TCustomGrid::InvalidateGrid() {
    viewport()->update();
}

void TCustomGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    PaintGrid(painter, event->rect());
}

void TCustomGrid::PaintGrid(QPainter& painter, const QRect& region) {
    painter.fillRect(region, ColorToQColor(Color()));
    const std::vector<TGridSpan> cols = Columnas().Spans();
    const std::vector<TGridSpan> filas = Filas().Spans();
    const bool enfoque = focusInside_ || hasFocus();
    PaintCells(painter, region, cols, filas, enfoque);
    PaintGridLines(painter, cols, filas);
    if (enfoque && defaultDrawing_ && !(editor_ && editor_->isVisible()))
        PaintFocus(painter, cols);
}

// Every cell that meets the region, on its background when the grid draws
// by default, then through DrawCell.
void TCustomGrid::PaintCells(QPainter& painter, const QRect& region, const std::vector<TGridSpan>& cols,
                             const std::vector<TGridSpan>& filas, bool enfoque) {
    const TGridRect seleccion = Selection();
    const bool resaltaFoco = HasOption(goRowSelect) || HasOption(goDrawFocusSelected);
    for (const TGridSpan& f : filas) {
        if (f.pos > region.bottom() || f.pos + f.size < region.top())
            continue;
        for (const TGridSpan& k : cols) {
            const QRect rect(k.pos, f.pos, k.size, f.size);
            if (!rect.intersects(region) || rect.isEmpty())
                continue;
            TGridDrawState estado = 0;
            const bool fija = k.index < fixedCols_ || f.index < fixedRows_;
            if (fija)
                estado |= gdFixed;
            else if (seleccion.Contains(k.index, f.index))
                estado |= gdSelected;
            if (enfoque && k.index == col_ && f.index == row_)
                estado |= gdFocused;
            if (defaultDrawing_) {
                TColor fondo = fija ? fixedColor_ : Color();
                TColor texto = font_.Color();
                if ((estado & gdSelected) && (!(estado & gdFocused) || resaltaFoco)) {
                    fondo = clHighlight;
                    texto = clHighlightText;
                }
                painter.fillRect(rect, ColorToQColor(fondo));
                painter.setFont(font_.QtFont());
                painter.setPen(ColorToQColor(texto));
            }
            DrawCell(k.index, f.index, rect, estado, painter);
        }
    }
}

// Lines in the gaps to the right of each column and below each row.
void TCustomGrid::PaintGridLines(QPainter& painter, const std::vector<TGridSpan>& cols,
                                 const std::vector<TGridSpan>& filas) {
    if (gridLineWidth_ <= 0)
        return;
    const int finX = cols.empty() ? 0 : cols.back().pos + cols.back().size + gridLineWidth_;
    const int finY = filas.empty() ? 0 : filas.back().pos + filas.back().size + gridLineWidth_;
    const int fijasY = Filas().FixedLength();
    const int fijasX = Columnas().FixedLength();
    for (const TGridSpan& k : cols) {
        const bool fija = k.index < fixedCols_;
        const QRect arriba(k.pos + k.size, 0, gridLineWidth_, qMin(fijasY, finY));
        const QRect abajo(k.pos + k.size, fijasY, gridLineWidth_, qMax(0, finY - fijasY));
        if (HasOption(goFixedVertLine))
            painter.fillRect(arriba, ColorLineasFijas);
        if (HasOption(fija ? goFixedVertLine : goVertLine))
            painter.fillRect(abajo, fija ? ColorLineasFijas : ColorLineas);
    }
    for (const TGridSpan& f : filas) {
        const bool fija = f.index < fixedRows_;
        const QRect izquierda(0, f.pos + f.size, qMin(fijasX, finX), gridLineWidth_);
        const QRect derecha(fijasX, f.pos + f.size, qMax(0, finX - fijasX), gridLineWidth_);
        if (HasOption(goFixedHorzLine))
            painter.fillRect(izquierda, ColorLineasFijas);
        if (HasOption(fija ? goFixedHorzLine : goHorzLine))
            painter.fillRect(derecha, fija ? ColorLineasFijas : ColorLineas);
    }
}

// A dotted frame round the current cell, or across the shown row with row selection.
void TCustomGrid::PaintFocus(QPainter& painter, const std::vector<TGridSpan>& cols) {
    QRect foco = CellRect(col_, row_);
    if (HasOption(goRowSelect) && !foco.isEmpty() && !cols.empty()) {
        foco.setLeft(fixedCols_ > 0 ? Columnas().FixedLength() : 0);
        foco.setRight(cols.back().pos + cols.back().size - 1);
    }
    if (foco.isEmpty())
        return;
    QPen pluma(Qt::DotLine);
    pluma.setColor(ColorToQColor(clWindowText));
    painter.setPen(pluma);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(foco.adjusted(0, 0, -1, -1));
}
