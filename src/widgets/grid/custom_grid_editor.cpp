// The base grid: the in-place editor.
#include "widgets/grid/custom_grid.h"

#include "widgets/grid/inplace_edit.h"

#include <QKeyEvent>

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
