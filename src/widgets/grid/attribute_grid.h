#pragma once
// The attribute grid: the string grid with per-cell, per-column and per-row
// alignment, editability, fonts, brushes, selection colours and hints, its
// own cell drawing, cell hints, the layout properties of its attributes, and
// editing with before, after and cancel notifications and next-cell moves.
#include "widgets/grid/grid_attributes.h"
#include "widgets/grid/string_grid.h"

class TCellEditor;

class TAttributeGrid : public TStringGrid {
    Q_OBJECT
    friend class TCellEditor;

public:
    using TCellEvent = std::function<void(TAttributeGrid&, int, int)>;
    using TCompareFunction = std::function<t_relation(TAttributeGrid&, int, int, int)>;
    using TNotifyEvent = std::function<void(TAttributeGrid&)>;

    explicit TAttributeGrid(QWidget* parent = nullptr);
    ~TAttributeGrid() override;

    // The attribute lists and defaults.
    TGridAttributes& Attributes() { return attrs_; }
    const TGridAttributes& Attributes() const { return attrs_; }

    TGridAlign Alignment() const { return TGridAlign(attrs_.Alignment); }
    void SetAlignment(TGridAlign value);
    bool Editable() const { return attrs_.Editable; }
    void SetEditable(bool value) { attrs_.Editable = value; }
    void SetFixedColor(TColor value) override;
    TColor SelectedCellColor() const { return attrs_.SelectedCellColor; }
    void SetSelectedCellColor(TColor value);
    TColor SelectedFontColor() const { return attrs_.SelectedFontColor; }
    void SetSelectedFontColor(TColor value);
    TGridBrush& FixedBrush() { return attrs_.FixedBrush; }

    bool ShowCellHints = true;
    bool DrawSelection = true;
    bool AutoEditNextCell = false;
    T_nextcell NextCellEdit = nc_rightdown;
    T_nextcell NextCellTab = nc_rightdown;
    t_lastcell AfterLastCellEdit = lc_newcolrow;
    t_lastcell AfterLastCellTab = lc_first;

    TCellEvent OnBeforeEdit;
    TCellEvent OnAfterEdit;
    TCellEvent OnCancelEdit;
    TCompareFunction OnCompareCol;
    TCompareFunction OnCompareRow;
    TNotifyEvent OnColWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;

    // Effective attributes.
    bool IsFixedCell(int c, int r) const { return attrs_.IsFixedCell(c, r); }
    TGridAlign CellAlign(int c, int r) const { return attrs_.CellAlign(c, r); }
    bool CellEditable(int c, int r) const { return attrs_.CellEditable(c, r); }
    const TGridFont& CellFont(int c, int r) const { return attrs_.CellFont(c, r); }
    const TGridBrush& CellBrush(int c, int r) const { return attrs_.CellBrush(c, r); }
    TColor CellColor(int c, int r) const { return attrs_.CellColor(c, r); }
    TColor CellSelectedColor(int c, int r) const { return attrs_.CellSelectedColor(c, r); }
    TColor CellSelectedFontColor(int c, int r) const { return attrs_.CellSelectedFontColor(c, r); }
    const QString& HintCell(int c, int r) const { return attrs_.HintCell(c, r); }

    // Fonts and brushes created on first use; changing them repaints.
    TGridFont& FontCell(int c, int r) { return attrs_.FontCell(c, r); }
    TGridFont& FontCol(int c) { return attrs_.FontCol(c); }
    TGridFont& FontFixedCol(int c) { return attrs_.FontFixedCol(c); }
    TGridFont& FontRow(int r) { return attrs_.FontRow(r); }
    TGridFont& FontFixedRow(int r) { return attrs_.FontFixedRow(r); }
    TGridBrush& BrushCell(int c, int r) { return attrs_.BrushCell(c, r); }
    TGridBrush& BrushCol(int c) { return attrs_.BrushCol(c); }
    TGridBrush& BrushFixedCol(int c) { return attrs_.BrushFixedCol(c); }
    TGridBrush& BrushRow(int r) { return attrs_.BrushRow(r); }
    TGridBrush& BrushFixedRow(int r) { return attrs_.BrushFixedRow(r); }
    void ColorCol(int c, TColor color) { attrs_.ColorCol(c, color); }

    // An empty line at index, the texts and attributes from there on shifted.
    void InsertColumn(int index);
    void InsertRow(int index);

    // Compare two rows of one column, or two columns of one row, by their texts.
    t_relation DefaultCompareCol(int colrow, int compare1, int compare2);
    t_relation DefaultCompareRow(int colrow, int compare1, int compare2);

    // The next cell in a traversal order, or (-1, -1).
    void NextCell(T_nextcell direction, t_lastcell rule, int& c, int& r);
    // The next editable cell by NextCellEdit and AfterLastCellEdit, or (-1, -1).
    void NextEditableCell(int& c, int& r);

    bool InEdit() const { return inEdit_; }
    bool ReshowEditor() const { return reshowEditor_; }
    QPoint LastHintCell() const { return lastHintCell_; }
    // Where a cell's hint shows: the cell's left edge, 6 pixels below it (screen).
    QPoint HintPosition(int c, int r) const;
    // The hint a cell shows: its HintCell text, preceded by the whole cell
    // text when the cell is too narrow to show it.
    QString CellHintText(int c, int r) const;

protected:
    void DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) override;
    void ColumnMoved(int from, int to) override;
    void RowMoved(int from, int to) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    TInplaceEdit* CreateEditor() override;
    bool CanEditShow() override;
    void KeyDown(QKeyEvent* event) override;
    void CharMessage(QChar ch) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseMove(QMouseEvent* event) override;
    void DefineProperties(TLayoutFiler& filer) override;
    bool ReadPublished(const TLayoutProperty& property) override;
    void WritePublished(TLayoutDocument& layout) const override;
    void Loaded() override;
    bool viewportEvent(QEvent* event) override;

private:
    TCellEditor* Editor() const;
    void CancelEditNotice(int c, int r);
    void AfterEditNotice(int c, int r);
    void BeforeEditNotice(int c, int r);
    void EndEditNotice(int c, int r);
    void ReshowEditorNotice();
    void PostAfterEdit(int c, int r);
    void PostEndEdit(int c, int r);
    void PostCancelEdit(int c, int r);
    void NextCellStep(T_nextcell direction, t_lastcell rule, int& c, int& r, bool& inserted);
    void MoveToCell(int c, int r);
    t_relation CompareTexts(const QString& a, const QString& b) const;

    TGridAttributes attrs_;
    bool inEdit_ = false;
    bool reshowEditor_ = false;
    int savedSelStart_ = 0;
    int savedSelLength_ = 0;
    QPoint lastHintCell_{-1, -1};
};
