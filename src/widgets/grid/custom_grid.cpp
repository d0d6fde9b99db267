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

// How near a title border the mouse must be to size a column or row.
constexpr int MargenBorde = 3;

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

// ---- keyboard ----

void TCustomGrid::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    KeyDown(event);
    if (event->isAccepted())
        return;
    const QString texto = event->text();
    if (!texto.isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (QChar ch : texto)
            CharMessage(ch);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TCustomGrid::KeyFromEditor(QKeyEvent* event) {
    event->ignore();
    KeyDown(event);
    event->accept();
}

void TCustomGrid::KeyDown(QKeyEvent* event) {
    Navegar(event);
}

void TCustomGrid::Navegar(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool filas = HasOption(goRowSelect);
    int c = col_;
    int r = row_;
    switch (event->key()) {
    case Qt::Key_Up: --r; break;
    case Qt::Key_Down: ++r; break;
    case Qt::Key_Left:
        if (filas) {
            SetLeftCol(leftCol_ - 1);
            event->accept();
            return;
        }
        --c;
        break;
    case Qt::Key_Right:
        if (filas) {
            SetLeftCol(leftCol_ + 1);
            event->accept();
            return;
        }
        ++c;
        break;
    case Qt::Key_PageUp: {
        const int paso = VisibleRowCount();
        SetTopRow(topRow_ - paso);
        r -= paso;
        break;
    }
    case Qt::Key_PageDown: {
        const int paso = VisibleRowCount();
        SetTopRow(topRow_ + paso);
        r += paso;
        break;
    }
    case Qt::Key_Home:
        if (ctrl || filas)
            r = fixedRows_;
        if (ctrl || !filas)
            c = fixedCols_;
        break;
    case Qt::Key_End:
        if (ctrl || filas)
            r = rowCount_ - 1;
        if (ctrl || !filas)
            c = colCount_ - 1;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (!HasOption(goTabs) || filas)
            return;
        const bool atras = shift || event->key() == Qt::Key_Backtab;
        c += atras ? -1 : 1;
        if (c >= colCount_) {
            c = fixedCols_;
            ++r;
        } else if (c < fixedCols_) {
            c = colCount_ - 1;
            --r;
        }
        if (r < fixedRows_ || r >= rowCount_)
            r = row_, c = col_;
        FocusCell(c, r, true);
        event->accept();
        return;
    }
    case Qt::Key_F2:
        if (HasOption(goEditing) && !filas)
            SetEditorMode(true);
        event->accept();
        return;
    default:
        return;
    }
    const bool amplia = shift && HasOption(goRangeSelect) && !editorMode_ && event->key() != Qt::Key_Tab;
    FocusCell(c, r, !amplia);
    event->accept();
}

void TCustomGrid::CharMessage(QChar ch) {
    KeyPress(ch);
}

void TCustomGrid::KeyPress(QChar& ch) {
    if (OnKeyPress)
        OnKeyPress(*this, ch);
    if (ch.isNull())
        return;
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
        if (HasOption(goEditing) && !HasOption(goRowSelect))
            SetEditorMode(!editorMode_ || HasOption(goAlwaysShowEditor));
    } else if (HasOption(goEditing) && !HasOption(goRowSelect) && !editorMode_ &&
               (ch.unicode() >= 32 || ch.unicode() == 8)) {
        ShowEditorChar(ch);
    }
}

// ---- mouse ----

bool TCustomGrid::BordeColumna(int x, int y, int& c) const {
    if (y < 0 || y >= FixedHeight())
        return false;
    for (int k = qMax(0, ColumnaEnX(x - MargenBorde)); k >= 0 && k < colCount_; ++k) {
        const int izquierda = XDeColumna(k);
        if (izquierda < 0 || izquierda > x + MargenBorde)
            break;
        const int borde = izquierda + ColWidths(k);
        if (qAbs(x - borde) <= MargenBorde) {
            c = k;
            return true;
        }
    }
    return false;
}

bool TCustomGrid::BordeFila(int x, int y, int& r) const {
    if (x < 0 || x >= FixedWidth())
        return false;
    for (int k = qMax(0, FilaEnY(y - MargenBorde)); k >= 0 && k < rowCount_; ++k) {
        const int arriba = YDeFila(k);
        if (arriba < 0 || arriba > y + MargenBorde)
            break;
        const int borde = arriba + RowHeights(k);
        if (qAbs(y - borde) <= MargenBorde) {
            r = k;
            return true;
        }
    }
    return false;
}

void TCustomGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (!hasFocus() && !(editor_ && editor_->hasFocus()))
        setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    int c = -1, r = -1;
    arrastre_ = Arrastre::Ninguno;
    if (HasOption(goColSizing) && BordeColumna(p.x(), p.y(), c)) {
        arrastre_ = Arrastre::AnchoColumna;
        arrastreIndice_ = c;
        arrastreOrigen_ = XDeColumna(c);
        return;
    }
    if (HasOption(goRowSizing) && BordeFila(p.x(), p.y(), r)) {
        arrastre_ = Arrastre::AltoFila;
        arrastreIndice_ = r;
        arrastreOrigen_ = YDeFila(r);
        return;
    }
    MouseToCell(p.x(), p.y(), c, r);
    if (c < 0)
        return;
    if (r < fixedRows_ && c >= fixedCols_ && HasOption(goColMoving)) {
        arrastre_ = Arrastre::MoverColumna;
        arrastreIndice_ = c;
        return;
    }
    if (c < fixedCols_ && r >= fixedRows_ && HasOption(goRowMoving)) {
        arrastre_ = Arrastre::MoverFila;
        arrastreIndice_ = r;
        return;
    }
    if (c < fixedCols_ || r < fixedRows_)
        return;
    const bool amplia = (event->modifiers() & Qt::ShiftModifier) && HasOption(goRangeSelect);
    FocusCell(c, r, !amplia);
    arrastre_ = Arrastre::Seleccion;
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    int c = -1, r = -1;
    switch (arrastre_) {
    case Arrastre::AnchoColumna: SetColWidths(arrastreIndice_, p.x() - arrastreOrigen_); break;
    case Arrastre::AltoFila: SetRowHeights(arrastreIndice_, p.y() - arrastreOrigen_); break;
    case Arrastre::Seleccion:
        MouseToCell(p.x(), p.y(), c, r);
        if (c >= fixedCols_ && r >= fixedRows_ && HasOption(goRangeSelect))
            FocusCell(c, r, false);
        break;
    default: {
        const bool borde = (HasOption(goColSizing) && BordeColumna(p.x(), p.y(), c));
        const bool bordeFila = (HasOption(goRowSizing) && BordeFila(p.x(), p.y(), r));
        viewport()->setCursor(borde ? Qt::SplitHCursor : bordeFila ? Qt::SplitVCursor : Qt::ArrowCursor);
        break;
    }
    }
    MouseMove(event);
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const Arrastre arrastre = std::exchange(arrastre_, Arrastre::Ninguno);
    if (arrastre == Arrastre::MoverColumna) {
        const int destino = ColumnaEnX(p.x());
        if (destino >= fixedCols_ && destino != arrastreIndice_)
            MoveColumn(arrastreIndice_, destino);
    } else if (arrastre == Arrastre::MoverFila) {
        const int destino = FilaEnY(p.y());
        if (destino >= fixedRows_ && destino != arrastreIndice_)
            MoveRow(arrastreIndice_, destino);
    } else if (arrastre == Arrastre::Seleccion) {
        Click();
    }
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (HasOption(goEditing) && !HasOption(goRowSelect) && arrastre_ == Arrastre::Seleccion)
        SetEditorMode(true);
}

// ---- focus ----

void TCustomGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    FocusArrived(event->reason());
}

void TCustomGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    FocusLeft(event->reason());
}

bool TCustomGrid::focusNextPrevChild(bool next) {
    // Tab moves between cells when the grid has the tabs option.
    if (HasOption(goTabs) && !HasOption(goRowSelect))
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TCustomGrid::FocusArrived(Qt::FocusReason) {
    if (!focusInside_) {
        focusInside_ = true;
        DoEnter();
    }
    viewport()->update();
}

void TCustomGrid::FocusLeft(Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    QWidget* ahora = QApplication::focusWidget();
    if (ahora && (ahora == this || isAncestorOf(ahora)))
        return;
    if (!focusInside_)
        return;
    focusInside_ = false;
    DoExit();
    viewport()->update();
}

void TCustomGrid::DoEnter() {}

void TCustomGrid::DoExit() {
    if (!HasOption(goAlwaysShowEditor))
        HideEditor();
}

// ---- editor ----

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(*this);
}

bool TCustomGrid::CanEditShow() {
    const bool activa = focusInside_ || hasFocus() || (editor_ && editor_->hasFocus());
    return HasOption(goEditing) && !HasOption(goRowSelect) && editorMode_ &&
           (HasOption(goAlwaysShowEditor) || activa);
}

QString TCustomGrid::GetEditText(int, int) const {
    return QString();
}

void TCustomGrid::SetEditText(int, int, const QString&) {}

void TCustomGrid::SetEditorMode(bool value) {
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor() {
    editorMode_ = true;
    if (!editor_)
        editor_ = CreateEditor();
    if (!CanEditShow()) {
        if (editor_->isVisible()) {
            if (editor_->hasFocus())
                setFocus();
            editor_->hide();
        }
        editorMode_ = false;
        return;
    }
    const bool yaVisible = editor_->isVisible() && editor_->property("zzCol").toInt() == col_ &&
                           editor_->property("zzRow").toInt() == row_;
    if (!yaVisible) {
        editor_->setProperty("zzCol", col_);
        editor_->setProperty("zzRow", row_);
        editor_->setText(GetEditText(col_, row_));
        editor_->selectAll();
    }
    PlaceEditor();
    editor_->show();
    if (focusInside_ || hasFocus())
        editor_->setFocus();
}

void TCustomGrid::ShowEditorChar(QChar ch) {
    ShowEditor();
    if (!editorMode_ || !editor_ || !editor_->isVisible())
        return;
    if (ch.unicode() == 8)
        editor_->setText(QString());
    else
        editor_->setText(QString(ch));
    editor_->deselect();
    editor_->setCursorPosition(int(editor_->text().size()));
}

void TCustomGrid::HideEditor() {
    editorMode_ = false;
    if (!editor_ || !editor_->isVisible())
        return;
    const int c = editor_->property("zzCol").toInt();
    const int r = editor_->property("zzRow").toInt();
    SetEditText(c, r, editor_->text());
    if (editor_->hasFocus())
        setFocus();
    editor_->hide();
    InvalidateCell(c, r);
}

void TCustomGrid::PlaceEditor() {
    if (!editor_ || !editor_->isVisible())
        return;
    const QRect rect = CellRect(col_, row_);
    if (rect.isEmpty())
        editor_->move(-10000, -10000);
    else
        editor_->setGeometry(rect);
}

void TCustomGrid::EditorKey(int key) {
    if (key == Qt::Key_Escape) {
        if (editor_)
            editor_->setText(GetEditText(col_, row_));
        HideEditor();
        return;
    }
    QChar enter(QLatin1Char('\r'));
    KeyPress(enter);
    if (editor_ && editor_->isVisible()) {
        SetEditText(col_, row_, editor_->text());
        editor_->selectAll();
    }
}

// ---- layout ----

void TCustomGrid::LoadLayout(const TLayoutDocument& layout) {
    struct Carga {
        bool& f;
        explicit Carga(bool& b) : f(b) { f = true; }
        ~Carga() { f = false; }
    };
    {
        Carga carga(loading_);
        TLayoutFiler filer;
        DefineProperties(filer);
        for (const auto& p : layout.properties) {
            if (const auto* entrada = filer.Find(p.name))
                TLayoutFiler::Read(*entrada, p.value);
            else if (!ReadPublished(p))
                throw ELayoutError(p.line, p.column, QStringLiteral("propiedad desconocida '%1'").arg(p.name));
        }
    }
    Loaded();
}

void TCustomGrid::LoadLayoutFile(const QString& path) {
    LoadLayout(ReadLayoutFile(path));
}

TLayoutDocument TCustomGrid::SaveLayout(const QString& name) const {
    TLayoutDocument doc;
    doc.objectName = name;
    doc.className = QLatin1String(metaObject()->className());
    WritePublished(doc);
    TLayoutFiler filer;
    const_cast<TCustomGrid*>(this)->DefineProperties(filer);
    for (const auto& e : filer.Entries())
        if (e.hasData && e.writer)
            doc.properties.push_back({e.name, e.writer(), 0, 0});
    return doc;
}

void TCustomGrid::Loaded() {}

void TCustomGrid::DefineProperties(TLayoutFiler& filer) {
    auto leerTamanos = [this](const TLayoutValue& v, bool columnas) {
        TLayoutListCursor cursor(v);
        for (int i = 0; !cursor.AtEnd(); ++i) {
            const int tam = cursor.ReadInteger();
            if (columnas)
                SetColWidths(i, tam);
            else
                SetRowHeights(i, tam);
        }
    };
    auto escribirTamanos = [this](bool columnas) {
        std::vector<TLayoutValue> v;
        const int n = columnas ? colCount_ : rowCount_;
        for (int i = 0; i < n; ++i)
            v.push_back(TLayoutValue::Int(columnas ? ColWidths(i) : RowHeights(i)));
        return TLayoutValue::ListOf(std::move(v));
    };
    filer.DefineProperty(
        QStringLiteral("ColWidths"), [=](const TLayoutValue& v) { leerTamanos(v, true); },
        [=] { return escribirTamanos(true); }, !colWidths_.empty());
    filer.DefineProperty(
        QStringLiteral("RowHeights"), [=](const TLayoutValue& v) { leerTamanos(v, false); },
        [=] { return escribirTamanos(false); }, !rowHeights_.empty());
}

bool TCustomGrid::ReadPublished(const TLayoutProperty& p) {
    const QString& n = p.name;
    const TLayoutValue& v = p.value;
    auto entero = [&] { return v.AsInteger(); };
    try {
        if (n == QLatin1String("ColCount")) SetColCount(entero());
        else if (n == QLatin1String("RowCount")) SetRowCount(entero());
        else if (n == QLatin1String("FixedCols")) SetFixedCols(entero());
        else if (n == QLatin1String("FixedRows")) SetFixedRows(entero());
        else if (n == QLatin1String("DefaultColWidth")) SetDefaultColWidth(entero());
        else if (n == QLatin1String("DefaultRowHeight")) SetDefaultRowHeight(entero());
        else if (n == QLatin1String("GridLineWidth")) SetGridLineWidth(entero());
        else if (n == QLatin1String("Color")) SetColor(ColorFromValue(v));
        else if (n == QLatin1String("FixedColor")) SetFixedColor(ColorFromValue(v));
        else if (n == QLatin1String("Options")) SetOptions(OptionsFromValue(v));
        else if (n == QLatin1String("DefaultDrawing")) SetDefaultDrawing(v.AsBoolean());
        else if (n == QLatin1String("ScrollBars"))
            SetScrollBars(TScrollStyle(EnumFromValue(
                v, {QStringLiteral("ssNone"), QStringLiteral("ssHorizontal"), QStringLiteral("ssVertical"),
                    QStringLiteral("ssBoth")})));
        else if (n == QLatin1String("Font.Color")) font_.SetColor(ColorFromValue(v));
        else if (n == QLatin1String("Font.Height")) font_.SetHeight(entero());
        else if (n == QLatin1String("Font.Name")) font_.SetName(v.AsString());
        else if (n == QLatin1String("Font.Pitch")) font_.SetPitch(entero());
        else if (n == QLatin1String("Font.Style")) font_.SetStyle(FontStyleFromValue(v));
        else return false;
    } catch (const EGridError& e) {
        throw v.Error(QString::fromUtf8(e.what()));
    }
    return true;
}

void TCustomGrid::WritePublished(TLayoutDocument& doc) const {
    auto poner = [&](const char* nombre, TLayoutValue v) { doc.properties.push_back({QLatin1String(nombre), v, 0, 0}); };
    poner("ColCount", TLayoutValue::Int(colCount_));
    poner("RowCount", TLayoutValue::Int(rowCount_));
    poner("FixedCols", TLayoutValue::Int(fixedCols_));
    poner("FixedRows", TLayoutValue::Int(fixedRows_));
    if (defaultColWidth_ != 64) poner("DefaultColWidth", TLayoutValue::Int(defaultColWidth_));
    if (defaultRowHeight_ != 24) poner("DefaultRowHeight", TLayoutValue::Int(defaultRowHeight_));
    if (gridLineWidth_ != 1) poner("GridLineWidth", TLayoutValue::Int(gridLineWidth_));
    if (Color() != clWindow) poner("Color", ColorToValue(Color()));
    if (fixedColor_ != clBtnFace) poner("FixedColor", ColorToValue(fixedColor_));
    if (options_ != DefaultGridOptions) poner("Options", TLayoutValue::SetOf(OptionNames(options_)));
    if (!defaultDrawing_) poner("DefaultDrawing", TLayoutValue::Ident(QStringLiteral("False")));
    static const char* barras[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
    if (scrollBars_ != ssBoth) poner("ScrollBars", TLayoutValue::Ident(QLatin1String(barras[scrollBars_])));
    if (font_.Color() != TGridFont::DefaultColor) poner("Font.Color", ColorToValue(font_.Color()));
    if (font_.Height() != TGridFont::DefaultHeight) poner("Font.Height", TLayoutValue::Int(font_.Height()));
    if (font_.Name() != TGridFont::DefaultName) poner("Font.Name", TLayoutValue::Str(font_.Name()));
    if (font_.Pitch() != 0) poner("Font.Pitch", TLayoutValue::Int(font_.Pitch()));
    if (font_.Style() != 0) poner("Font.Style", TLayoutValue::SetOf(FontStyleNames(font_.Style())));
}
