// The base grid: keyboard navigation, mouse selection and sizing, focus.
#include "widgets/grid/custom_grid.h"

#include "widgets/grid/inplace_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

// How near a title border the mouse must be to size a column or row.
constexpr int MargenBorde = 3;

}  // namespace

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
    if (y < 0 || y >= Filas().FixedLength())
        return false;
    c = Columnas().EdgeNear(x, MargenBorde);
    return c >= 0;
}

bool TCustomGrid::BordeFila(int x, int y, int& r) const {
    if (x < 0 || x >= Columnas().FixedLength())
        return false;
    r = Filas().EdgeNear(y, MargenBorde);
    return r >= 0;
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
        arrastreOrigen_ = Columnas().StartOf(c);
        return;
    }
    if (HasOption(goRowSizing) && BordeFila(p.x(), p.y(), r)) {
        arrastre_ = Arrastre::AltoFila;
        arrastreIndice_ = r;
        arrastreOrigen_ = Filas().StartOf(r);
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
        const int destino = Columnas().LineAt(p.x());
        if (destino >= fixedCols_ && destino != arrastreIndice_)
            MoveColumn(arrastreIndice_, destino);
    } else if (arrastre == Arrastre::MoverFila) {
        const int destino = Filas().LineAt(p.y());
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
