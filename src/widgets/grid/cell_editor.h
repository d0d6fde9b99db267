#pragma once
// The attribute grid's in-place editor: it remembers the cell it edits and
// the text the cell had when editing began, takes the cell's alignment, and
// tells its grid about Enter and Escape.
#include "widgets/grid/grid_types.h"
#include "widgets/grid/inplace_edit.h"

class TAttributeGrid;

class TCellEditor : public TInplaceEdit {
    Q_OBJECT
public:
    explicit TCellEditor(TAttributeGrid& grid);

    TGridAlign Alignment() const { return alignment_; }
    // A different alignment takes effect at once and selects all the text.
    void SetAlignment(TGridAlign value);

    int EditorCol = -1;
    int EditorRow = -1;
    bool EditStarted = false;
    QString SavedText;

    void Bind(int c, int r) {
        EditorCol = c;
        EditorRow = r;
    }

protected:
    // Enter posts the end notification; Escape puts the saved text back,
    // posts the cancel notification and then acts as Enter. A key reaching
    // an editor bound to no cell is discarded.
    bool KeyPress(int& key) override;

private:
    TAttributeGrid& attributeGrid_;
    TGridAlign alignment_ = alLeft;
};
