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

struct Tramo {
    int indice;
    int pos;
    int tam;
};

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

int TCustomGrid::FixedWidth() const {
    int w = 0;
    for (int c = 0; c < fixedCols_; ++c)
        w += ColWidths(c) + gridLineWidth_;
    return w;
}

int TCustomGrid::FixedHeight() const {
    int h = 0;
    for (int r = 0; r < fixedRows_; ++r)
        h += RowHeights(r) + gridLineWidth_;
    return h;
}

int TCustomGrid::MaxTopRow() const {
    const int disponible = viewport()->height() - FixedHeight();
    int h = 0;
    for (int r = rowCount_ - 1; r >= fixedRows_; --r) {
        h += RowHeights(r) + gridLineWidth_;
        if (h > disponible)
            return qMin(r + 1, rowCount_ - 1);
    }
    return fixedRows_;
}

int TCustomGrid::MaxLeftCol() const {
    const int disponible = viewport()->width() - FixedWidth();
    int w = 0;
    for (int c = colCount_ - 1; c >= fixedCols_; --c) {
        w += ColWidths(c) + gridLineWidth_;
        if (w > disponible)
            return qMin(c + 1, colCount_ - 1);
    }
    return fixedCols_;
}

int TCustomGrid::LastFullRow(int top) const {
    const int alto = viewport()->height();
    int y = FixedHeight();
    int r = top;
    while (r < rowCount_) {
        y += RowHeights(r) + gridLineWidth_;
        if (y > alto)
            break;
        ++r;
    }
    return qMax(top, r - 1);
}

int TCustomGrid::LastFullCol(int left) const {
    const int ancho = viewport()->width();
    int x = FixedWidth();
    int c = left;
    while (c < colCount_) {
        x += ColWidths(c) + gridLineWidth_;
        if (x > ancho)
            break;
        ++c;
    }
    return qMax(left, c - 1);
}

int TCustomGrid::VisibleRowCount() const {
    return LastFullRow(topRow_) - topRow_ + 1;
}

int TCustomGrid::VisibleColCount() const {
    return LastFullCol(leftCol_) - leftCol_ + 1;
}

int TCustomGrid::ColumnaEnX(int x) const {
    if (x < 0)
        return -1;
    int pos = 0;
    for (int c = 0; c < fixedCols_; ++c) {
        pos += ColWidths(c) + gridLineWidth_;
        if (x < pos)
            return c;
    }
    const int ancho = viewport()->width();
    for (int c = leftCol_; c < colCount_ && pos <= ancho; ++c) {
        pos += ColWidths(c) + gridLineWidth_;
        if (x < pos)
            return c;
    }
    return -1;
}

int TCustomGrid::FilaEnY(int y) const {
    if (y < 0)
        return -1;
    int pos = 0;
    for (int r = 0; r < fixedRows_; ++r) {
        pos += RowHeights(r) + gridLineWidth_;
        if (y < pos)
            return r;
    }
    const int alto = viewport()->height();
    for (int r = topRow_; r < rowCount_ && pos <= alto; ++r) {
        pos += RowHeights(r) + gridLineWidth_;
        if (y < pos)
            return r;
    }
    return -1;
}

int TCustomGrid::XDeColumna(int c) const {
    if (c < 0 || c >= colCount_)
        return -1;
    int x = 0;
    if (c < fixedCols_) {
        for (int i = 0; i < c; ++i)
            x += ColWidths(i) + gridLineWidth_;
        return x;
    }
    if (c < leftCol_)
        return -1;
    x = FixedWidth();
    const int ancho = viewport()->width();
    for (int i = leftCol_; i < c; ++i) {
        x += ColWidths(i) + gridLineWidth_;
        if (x > ancho)
            return -1;
    }
    return x;
}

int TCustomGrid::YDeFila(int r) const {
    if (r < 0 || r >= rowCount_)
        return -1;
    int y = 0;
    if (r < fixedRows_) {
        for (int i = 0; i < r; ++i)
            y += RowHeights(i) + gridLineWidth_;
        return y;
    }
    if (r < topRow_)
        return -1;
    y = FixedHeight();
    const int alto = viewport()->height();
    if (rowHeights_.empty()) {
        // Uniform rows: no walk, so that far rows cost as little as near ones.
        const qint64 desde = y + qint64(r - topRow_) * (defaultRowHeight_ + gridLineWidth_);
        return desde > alto ? -1 : int(desde);
    }
    for (int i = topRow_; i < r; ++i) {
        y += RowHeights(i) + gridLineWidth_;
        if (y > alto)
            return -1;
    }
    return y;
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = ColumnaEnX(x);
    row = FilaEnY(y);
    if (col < 0 || row < 0)
        col = row = -1;
}

QRect TCustomGrid::CellRect(int c, int r) const {
    const int x = XDeColumna(c);
    const int y = YDeFila(r);
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
    v->setRange(0, qMax(0, MaxTopRow() - fixedRows_));
    v->setPageStep(qMax(1, VisibleRowCount()));
    v->setValue(topRow_ - fixedRows_);
    h->setRange(0, qMax(0, MaxLeftCol() - fixedCols_));
    h->setPageStep(qMax(1, VisibleColCount()));
    h->setValue(leftCol_ - fixedCols_);
    actualizandoBarras_ = antes;
}

void TCustomGrid::SetTopRow(int value) {
    value = qBound(fixedRows_, value, qMax(fixedRows_, MaxTopRow()));
    if (value == topRow_)
        return;
    topRow_ = value;
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
    TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int value) {
    value = qBound(fixedCols_, value, qMax(fixedCols_, MaxLeftCol()));
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
        if (r < topRow_) {
            SetTopRow(r);
        } else if (r > LastFullRow(topRow_)) {
            // The highest top that still shows r whole.
            const int disponible = viewport()->height() - FixedHeight();
            int top = r;
            int h = RowHeights(r) + gridLineWidth_;
            while (top - 1 >= fixedRows_ && h + RowHeights(top - 1) + gridLineWidth_ <= disponible) {
                --top;
                h += RowHeights(top) + gridLineWidth_;
            }
            SetTopRow(top);
        }
    }
    if (c >= fixedCols_ && !HasOption(goRowSelect)) {
        if (c < leftCol_) {
            SetLeftCol(c);
        } else if (c > LastFullCol(leftCol_)) {
            const int disponible = viewport()->width() - FixedWidth();
            int left = c;
            int w = ColWidths(c) + gridLineWidth_;
            while (left - 1 >= fixedCols_ && w + ColWidths(left - 1) + gridLineWidth_ <= disponible) {
                --left;
                w += ColWidths(left) + gridLineWidth_;
            }
            SetLeftCol(left);
        }
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
    topRow_ = qMin(topRow_, qMax(fixedRows_, MaxTopRow()));
    leftCol_ = qMin(leftCol_, qMax(fixedCols_, MaxLeftCol()));
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
    const int ancho = viewport()->width();
    const int alto = viewport()->height();
    std::vector<Tramo> cols;
    std::vector<Tramo> filas;
    int x = 0;
    for (int c = 0; c < fixedCols_; ++c) {
        cols.push_back({c, x, ColWidths(c)});
        x += ColWidths(c) + gridLineWidth_;
    }
    for (int c = leftCol_; c < colCount_ && x < ancho; ++c) {
        cols.push_back({c, x, ColWidths(c)});
        x += ColWidths(c) + gridLineWidth_;
    }
    int y = 0;
    for (int r = 0; r < fixedRows_; ++r) {
        filas.push_back({r, y, RowHeights(r)});
        y += RowHeights(r) + gridLineWidth_;
    }
    for (int r = topRow_; r < rowCount_ && y < alto; ++r) {
        filas.push_back({r, y, RowHeights(r)});
        y += RowHeights(r) + gridLineWidth_;
    }

    const TGridRect seleccion = Selection();
    const bool enfoque = focusInside_ || hasFocus();
    const bool resaltaFoco = HasOption(goRowSelect) || HasOption(goDrawFocusSelected);
    for (const Tramo& f : filas) {
        if (f.pos > region.bottom() || f.pos + f.tam < region.top())
            continue;
        for (const Tramo& k : cols) {
            const QRect rect(k.pos, f.pos, k.tam, f.tam);
            if (!rect.intersects(region) || rect.isEmpty())
                continue;
            TGridDrawState estado = 0;
            const bool fija = k.indice < fixedCols_ || f.indice < fixedRows_;
            if (fija)
                estado |= gdFixed;
            else if (seleccion.Contains(k.indice, f.indice))
                estado |= gdSelected;
            if (enfoque && k.indice == col_ && f.indice == row_)
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
            DrawCell(k.indice, f.indice, rect, estado, painter);
        }
    }

    // Lines in the gaps to the right of each column and below each row.
    if (gridLineWidth_ > 0) {
        const int finX = cols.empty() ? 0 : cols.back().pos + cols.back().tam + gridLineWidth_;
        const int finY = filas.empty() ? 0 : filas.back().pos + filas.back().tam + gridLineWidth_;
        const int fijasY = FixedHeight();
        const int fijasX = FixedWidth();
        for (const Tramo& k : cols) {
            const bool fija = k.indice < fixedCols_;
            const QRect arriba(k.pos + k.tam, 0, gridLineWidth_, qMin(fijasY, finY));
            const QRect abajo(k.pos + k.tam, fijasY, gridLineWidth_, qMax(0, finY - fijasY));
            if (HasOption(goFixedVertLine))
                painter.fillRect(arriba, ColorLineasFijas);
            if (HasOption(fija ? goFixedVertLine : goVertLine))
                painter.fillRect(abajo, fija ? ColorLineasFijas : ColorLineas);
        }
        for (const Tramo& f : filas) {
            const bool fija = f.indice < fixedRows_;
            const QRect izquierda(0, f.pos + f.tam, qMin(fijasX, finX), gridLineWidth_);
            const QRect derecha(fijasX, f.pos + f.tam, qMax(0, finX - fijasX), gridLineWidth_);
            if (HasOption(goFixedHorzLine))
                painter.fillRect(izquierda, ColorLineasFijas);
            if (HasOption(fija ? goFixedHorzLine : goHorzLine))
                painter.fillRect(derecha, fija ? ColorLineasFijas : ColorLineas);
        }
    }

    if (enfoque && defaultDrawing_ && !(editor_ && editor_->isVisible())) {
        QRect foco = CellRect(col_, row_);
        if (HasOption(goRowSelect) && !foco.isEmpty() && !cols.empty()) {
            foco.setLeft(fixedCols_ > 0 ? FixedWidth() : 0);
            foco.setRight(cols.back().pos + cols.back().tam - 1);
        }
        if (!foco.isEmpty()) {
            QPen pluma(Qt::DotLine);
            pluma.setColor(ColorToQColor(clWindowText));
            painter.setPen(pluma);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(foco.adjusted(0, 0, -1, -1));
        }
    }
}
