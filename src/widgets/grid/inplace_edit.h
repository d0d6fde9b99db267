#pragma once
// The grid's in-place editor: a single-line edit box laid over the current
// cell. It hands navigation keys, Enter and Escape back to its grid.
#include <QLineEdit>

class TCustomGrid;

class TInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(TCustomGrid& grid);
    TCustomGrid& Grid() const { return grid_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Enter and Escape before the grid sees them; a derived editor may
    // change the key or discard it by returning false.
    virtual bool KeyPress(int& key);

private:
    bool PasaAlGrid(const QKeyEvent& event) const;

    TCustomGrid& grid_;
};
