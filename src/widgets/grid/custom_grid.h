#pragma once
// The base grid: rows and columns of owner-drawn cells on a scroll area, with
// fixed rows and columns that stay in place while the rest scrolls, the
// current cell and a row or range selection, keyboard and mouse navigation,
// column and row sizing and moving, and an in-place editor slot. It stores no
// texts; derived grids draw the cells.
#include "widgets/grid/grid_axis.h"
#include "widgets/grid/grid_brush.h"
#include "widgets/grid/grid_font.h"
#include "widgets/grid/grid_geometry.h"
#include "widgets/grid/grid_types.h"
#include "util/excepcion.h"

#include <QAbstractScrollArea>
#include <functional>
#include <vector>

class TInplaceEdit;
class TLayoutFiler;
class TLayoutDocument;
struct TLayoutProperty;

// A size or count that the grid cannot take (fixed lines not fewer than the lines).
class EGridError : public Exception {
public:
    using Exception::Exception;
};

class TCustomGrid : public QAbstractScrollArea, public TGridGeometry {
    Q_OBJECT
    friend class TInplaceEdit;

public:
    explicit TCustomGrid(QWidget* parent = nullptr);
    ~TCustomGrid() override;

    // Counts. A count below 1 becomes 1; fixed lines shrink to stay below
    // the count. Fixed lines must be fewer than the lines (EGridError).
    int ColCount() const override { return colCount_; }
    int RowCount() const override { return rowCount_; }
    int FixedCols() const override { return fixedCols_; }
    int FixedRows() const override { return fixedRows_; }
    void SetColCount(int value);
    void SetRowCount(int value);
    void SetFixedCols(int value);
    void SetFixedRows(int value);

    // Sizes. Setting a default size gives every line that size.
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultColWidth(int value);
    void SetDefaultRowHeight(int value);
    int ColWidths(int c) const;
    int RowHeights(int r) const;
    void SetColWidths(int c, int value);
    void SetRowHeights(int r, int value);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);

    // Appearance. The grid's own brush has the grid's Color.
    TColor Color() const { return brush_.Color(); }
    virtual void SetColor(TColor value);
    TColor FixedColor() const { return fixedColor_; }
    virtual void SetFixedColor(TColor value);
    TGridFont& Font() { return font_; }
    const TGridFont& Font() const { return font_; }
    TGridBrush& Brush() { return brush_; }
    const TGridBrush& Brush() const { return brush_; }
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    bool HasOption(TGridOption o) const { return options_ & o; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    bool TabStops(int c) const;
    void SetTabStops(int c, bool value);

    // The current cell and the selection. Moving the current cell asks
    // SelectCell first and scrolls it into view.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int value);
    void SetRow(int value);
    void FocusCell(int c, int r, bool moveAnchor);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);

    // Scrolling: the first visible non-fixed row and column.
    int TopRow() const { return topRow_; }
    int LeftCol() const { return leftCol_; }
    void SetTopRow(int value);
    void SetLeftCol(int value);
    int VisibleRowCount() const;
    int VisibleColCount() const;

    // Geometry in viewport coordinates: the cell under a point ((-1, -1) when
    // none) and a cell's rectangle (empty when the cell is not visible).
    void MouseToCell(int x, int y, int& col, int& row) const;
    QRect CellRect(int c, int r) const;

    // Row and column moves and deletes; the hooks below follow every move.
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);
    void DeleteColumn(int c);
    void DeleteRow(int r);

    // The in-place editor.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool value);
    void ShowEditor();
    void HideEditor();
    void ShowEditorChar(QChar ch);
    TInplaceEdit* InplaceEditor() const { return editor_; }

    // Paints the cells that meet the region (viewport coordinates).
    void PaintGrid(QPainter& painter, const QRect& region);
    void InvalidateCell(int c, int r);
    void InvalidateGrid();

    // Layout streaming: published properties by name, the extra properties
    // through DefineProperties, then Loaded.
    void LoadLayout(const TLayoutDocument& layout);
    // Reads a layout file (":/layouts/GridDesarrollo.zly") and loads it.
    void LoadLayoutFile(const QString& path);
    TLayoutDocument SaveLayout(const QString& name) const;

    // Events, raised only when assigned.
    std::function<void(TCustomGrid&, int, int, const QRect&, TGridDrawState, QPainter&)> OnDrawCell;
    std::function<bool(TCustomGrid&, int, int)> OnSelectCell;
    std::function<void(TCustomGrid&, QChar&)> OnKeyPress;
    std::function<void(TCustomGrid&)> OnClick;
    std::function<void(TCustomGrid&)> OnTopLeftChanged;
    std::function<void(TCustomGrid&, int, int)> OnColumnMoved;
    std::function<void(TCustomGrid&, int, int)> OnRowMoved;

    // Called by the in-place editor.
    void EditorKey(int key);
    void KeyFromEditor(QKeyEvent* event);
    void FocusArrived(Qt::FocusReason reason);
    void FocusLeft(Qt::FocusReason reason);

protected:
    // Draws one cell; the base raises OnDrawCell.
    virtual void DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter);
    // Whether a cell may become current; the base asks OnSelectCell.
    virtual bool SelectCell(int c, int r);
    virtual void ColumnMoved(int from, int to);
    virtual void RowMoved(int from, int to);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    virtual void TopLeftChanged();
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual QString GetEditText(int c, int r) const;
    virtual void SetEditText(int c, int r, const QString& value);
    virtual void KeyDown(QKeyEvent* event);
    virtual void CharMessage(QChar ch);
    virtual void KeyPress(QChar& ch);
    virtual void Click();
    virtual void DoEnter();
    virtual void DoExit();
    virtual void MouseMove(QMouseEvent* event);
    virtual void DefineProperties(TLayoutFiler& filer);
    virtual bool ReadPublished(const TLayoutProperty& property);
    virtual void WritePublished(TLayoutDocument& layout) const;
    virtual void Loaded();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    void SetEditorModeFlag(bool value) { editorMode_ = value; }

private:
    enum class Arrastre { Ninguno, Seleccion, AnchoColumna, AltoFila, MoverColumna, MoverFila };

    // The two axes as they are now, to place and find lines.
    TGridAxis Columnas() const;
    TGridAxis Filas() const;
    void UpdateScrollBars();
    void ScrollInView(int c, int r);
    void MoveCurrent(int c, int r, bool moveAnchor, bool show);
    void MoveAdjust(int& pos, int from, int to) const;
    bool BordeColumna(int x, int y, int& c) const;
    bool BordeFila(int x, int y, int& r) const;
    void PlaceEditor();
    void Navegar(QKeyEvent* event);
    // The steps of PaintGrid over the lines it meets.
    void PaintCells(QPainter& painter, const QRect& region, const std::vector<TGridSpan>& cols,
                    const std::vector<TGridSpan>& filas, bool enfoque);
    void PaintGridLines(QPainter& painter, const std::vector<TGridSpan>& cols, const std::vector<TGridSpan>& filas);
    void PaintFocus(QPainter& painter, const std::vector<TGridSpan>& cols);

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    // Empty while every line has the default size, so that uniform grids
    // of a million rows keep no per-row data.
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<bool> tabStops_;
    TColor fixedColor_ = clBtnFace;
    TGridFont font_;
    TGridBrush brush_;
    TGridOptions options_ = DefaultGridOptions;
    TScrollStyle scrollBars_ = ssBoth;
    bool defaultDrawing_ = true;
    int col_ = 1;
    int row_ = 1;
    int anchorCol_ = 1;
    int anchorRow_ = 1;
    int topRow_ = 1;
    int leftCol_ = 1;
    TInplaceEdit* editor_ = nullptr;
    bool editorMode_ = false;
    bool focusInside_ = false;
    bool actualizandoBarras_ = false;
    Arrastre arrastre_ = Arrastre::Ninguno;
    int arrastreIndice_ = -1;
    int arrastreOrigen_ = 0;
};
