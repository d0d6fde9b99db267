#include "widgets/grid/cell_editor.h"

#include "widgets/grid/attribute_grid.h"

TCellEditor::TCellEditor(TAttributeGrid& grid) : TInplaceEdit(grid), attributeGrid_(grid) {}

void TCellEditor::SetAlignment(TGridAlign value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    const Qt::Alignment h = value == alRight ? Qt::AlignRight : value == alCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(h | Qt::AlignVCenter);
    selectAll();
}

bool TCellEditor::KeyPress(int& key) {
    if (EditorCol == -1 || EditorRow == -1)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        attributeGrid_.PostEndEdit(EditorCol, EditorRow);
    } else if (key == Qt::Key_Escape) {
        setText(SavedText);
        attributeGrid_.PostCancelEdit(EditorCol, EditorRow);
        key = Qt::Key_Return;
    }
    return true;
}
