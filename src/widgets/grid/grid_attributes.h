#pragma once
// The attribute layer of the attribute grid: alignment, editability, font,
// brush, selection colours and hint of each cell, given per cell, per column,
// per row and (alignment, font, brush) per heading cell of a column or row,
// with grid-wide defaults. Needs no window, so it is tested and fuzzed alone.
#include "widgets/grid/grid_brush.h"
#include "widgets/grid/grid_font.h"
#include "widgets/grid/grid_geometry.h"
#include "widgets/grid/grid_types.h"
#include "widgets/grid/sparse_list.h"

#include <QString>
#include <functional>
#include <optional>

class TLayoutFiler;

using TByteList = SparseList<std::optional<quint8>>;
using TByteCellList = CellList<std::optional<quint8>>;
using TBoolList = SparseList<std::optional<bool>>;
using TBoolCellList = CellList<std::optional<bool>>;
using TColorList = SparseList<std::optional<TColor>>;
using TColorCellList = CellList<std::optional<TColor>>;
using TTextCellList = CellList<std::optional<QString>>;
using TFontList = SparseList<std::unique_ptr<TGridFont>>;
using TFontCellList = CellList<std::unique_ptr<TGridFont>>;
using TBrushList = SparseList<std::unique_ptr<TGridBrush>>;
using TBrushCellList = CellList<std::unique_ptr<TGridBrush>>;

// Which stream properties were read, and so are written back.
struct TStreamFlags {
    bool AlignCell = false, AlignCol = false, FixedAlignCol = false, AlignRow = false, FixedAlignRow = false;
    bool EditCell = false, EditCol = false, EditRow = false;
    bool HintCell = false, Cells = false;
    bool FontCell = false, FontCol = false, FontFixedCol = false, FontRow = false, FontFixedRow = false;
    bool BrushCell = false, BrushCol = false, BrushFixedCol = false, BrushRow = false, BrushFixedRow = false;
    bool SelectedColorCell = false, SelectedColorCol = false, SelectedColorRow = false;
};

class TGridAttributes {
public:
    // The geometry gives the fixed lines; gridFont and gridBrush are the
    // grid's own font and brush, the last resort of ordinary cells.
    TGridAttributes(const TGridGeometry& geometry, const TGridFont& gridFont, const TGridBrush& gridBrush);
    TGridAttributes(const TGridAttributes&) = delete;
    TGridAttributes& operator=(const TGridAttributes&) = delete;

    // Called whenever a font or brush of the grid changes.
    std::function<void()> OnRepaint;

    quint8 Alignment = alLeft;
    bool Editable = true;
    TColor SelectedCellColor = clActiveCaption;
    TColor SelectedFontColor = clWhite;
    TGridBrush FixedBrush;

    TByteList AlignColList, AlignRowList, FixedAlignColList, FixedAlignRowList;
    TByteCellList AlignCellList;
    TBoolList EditColList, EditRowList;
    TBoolCellList EditCellList;
    TColorList SelectedColorColList, SelectedColorRowList;
    TColorCellList SelectedColorCellList;
    TColorList SelectedFontColorColList, SelectedFontColorRowList;
    TColorCellList SelectedFontColorCellList;
    TTextCellList HintCellList;
    TFontList FontColList, FontRowList, FontFixedColList, FontFixedRowList;
    TFontCellList FontCellList;
    TBrushList BrushColList, BrushRowList, BrushFixedColList, BrushFixedRowList;
    TBrushCellList BrushCellList;
    // Cell texts read from a layout, until the grid has taken them.
    TTextCellList LoadedCells;
    TStreamFlags Flags;

    // Effective attributes of cell (c, r); they never fail nor allocate.
    bool IsFixedCell(int c, int r) const;
    TGridAlign CellAlign(int c, int r) const;
    bool CellEditable(int c, int r) const;
    const TGridFont& CellFont(int c, int r) const;
    const TGridBrush& CellBrush(int c, int r) const;
    TColor CellColor(int c, int r) const { return CellBrush(c, r).Color(); }
    TColor CellSelectedColor(int c, int r) const;
    TColor CellSelectedFontColor(int c, int r) const;
    const QString& HintCell(int c, int r) const;

    // The explicit font or brush, created from the grid's on first use.
    TGridFont& FontCell(int c, int r);
    TGridFont& FontCol(int c);
    TGridFont& FontFixedCol(int c);
    TGridFont& FontRow(int r);
    TGridFont& FontFixedRow(int r);
    TGridBrush& BrushCell(int c, int r);
    TGridBrush& BrushCol(int c);
    TGridBrush& BrushFixedCol(int c);
    TGridBrush& BrushRow(int r);
    TGridBrush& BrushFixedRow(int r);
    void ColorCol(int c, TColor color);

    // Attributes follow moved and inserted lines.
    void ColumnMoved(int from, int to);
    void RowMoved(int from, int to);
    void InsertColumn(int index);
    void InsertRow(int index);

    // New fonts and brushes as a layout describes them, connected to the repaint.
    std::unique_ptr<TGridFont> NewFont() const;
    std::unique_ptr<TGridBrush> NewBrush() const;

    // The 28 stream properties, in their order. cellText gives the grid's
    // current texts for writing Cells.
    void DefineProperties(TLayoutFiler& filer, std::function<QString(int, int)> cellText);

private:
    TGridFont& CrearFuente(std::unique_ptr<TGridFont>& slot);
    TGridBrush& CrearBrocha(std::unique_ptr<TGridBrush>& slot);

    const TGridGeometry& geometry_;
    const TGridFont& gridFont_;
    const TGridBrush& gridBrush_;
};
