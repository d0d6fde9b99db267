#include "widgets/grid/inplace_edit.h"

#include "widgets/grid/custom_grid.h"

#include <QKeyEvent>

TInplaceEdit::TInplaceEdit(TCustomGrid& grid) : QLineEdit(grid.viewport()), grid_(grid) {
    setFrame(false);
    hide();
}

bool TInplaceEdit::PasaAlGrid(const QKeyEvent& event) const {
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return !(event.modifiers() & Qt::AltModifier);
    case Qt::Key_Home:
    case Qt::Key_End:
        return ctrl;
    case Qt::Key_Left:
        return cursorPosition() == 0 && !hasSelectedText();
    case Qt::Key_Right:
        return cursorPosition() == text().size() && !hasSelectedText();
    default:
        return false;
    }
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        if (KeyPress(key))
            grid_.EditorKey(key);
        event->accept();
        return;
    }
    if (PasaAlGrid(*event)) {
        grid_.KeyFromEditor(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool TInplaceEdit::KeyPress(int&) {
    return true;
}

void TInplaceEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    grid_.FocusArrived(event->reason());
}

void TInplaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    grid_.FocusLeft(event->reason());
}
