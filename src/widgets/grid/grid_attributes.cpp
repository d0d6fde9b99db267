#include "widgets/grid/grid_attributes.h"

namespace {

const QString TextoVacio;

// The first present entry of a lookup chain, else the default.
template <class T, class... P>
T Primero(T porDefecto, P... punteros) {
    for (const auto* p : {punteros...})
        if (p)
            return *p;
    return porDefecto;
}

}  // namespace

TGridAttributes::TGridAttributes(const TGridGeometry& geometry, const TGridFont& gridFont,
                                 const TGridBrush& gridBrush)
    : geometry_(geometry), gridFont_(gridFont), gridBrush_(gridBrush) {
    FixedBrush.SetColor(clBtnFace);
    FixedBrush.OnChange = [this] {
        if (OnRepaint)
            OnRepaint();
    };
}

bool TGridAttributes::IsFixedCell(int c, int r) const {
    return c < geometry_.FixedCols() || r < geometry_.FixedRows();
}

TGridAlign TGridAttributes::CellAlign(int c, int r) const {
    quint8 valor = Alignment;
    if (const quint8* p = AlignCellList.At(c, r))
        valor = *p;
    else if (IsFixedCell(c, r))
        valor = Primero<quint8>(Alignment, FixedAlignColList.At(c), FixedAlignRowList.At(r));
    else
        valor = Primero<quint8>(Alignment, AlignColList.At(c), AlignRowList.At(r));
    return valor <= alCenter ? TGridAlign(valor) : alLeft;
}

bool TGridAttributes::CellEditable(int c, int r) const {
    return Primero<bool>(Editable, EditCellList.At(c, r), EditColList.At(c), EditRowList.At(r));
}

const TGridFont& TGridAttributes::CellFont(int c, int r) const {
    const TGridFont* f = FontCellList.At(c, r);
    if (!f)
        f = IsFixedCell(c, r) ? FontFixedColList.At(c) : FontColList.At(c);
    if (!f)
        f = IsFixedCell(c, r) ? FontFixedRowList.At(r) : FontRowList.At(r);
    return f ? *f : gridFont_;
}

const TGridBrush& TGridAttributes::CellBrush(int c, int r) const {
    const bool fija = IsFixedCell(c, r);
    const TGridBrush* b = BrushCellList.At(c, r);
    if (!b)
        b = fija ? BrushFixedColList.At(c) : BrushColList.At(c);
    if (!b)
        b = fija ? BrushFixedRowList.At(r) : BrushRowList.At(r);
    if (b)
        return *b;
    return fija ? FixedBrush : gridBrush_;
}

TColor TGridAttributes::CellSelectedColor(int c, int r) const {
    return Primero<TColor>(SelectedCellColor, SelectedColorCellList.At(c, r), SelectedColorColList.At(c),
                           SelectedColorRowList.At(r));
}

TColor TGridAttributes::CellSelectedFontColor(int c, int r) const {
    return Primero<TColor>(SelectedFontColor, SelectedFontColorCellList.At(c, r), SelectedFontColorColList.At(c),
                           SelectedFontColorRowList.At(r));
}

const QString& TGridAttributes::HintCell(int c, int r) const {
    const QString* h = HintCellList.At(c, r);
    return h ? *h : TextoVacio;
}

std::unique_ptr<TGridFont> TGridAttributes::NewFont() const {
    auto f = std::make_unique<TGridFont>();
    f->OnChange = [this] {
        if (OnRepaint)
            OnRepaint();
    };
    return f;
}

std::unique_ptr<TGridBrush> TGridAttributes::NewBrush() const {
    auto b = std::make_unique<TGridBrush>();
    b->OnChange = [this] {
        if (OnRepaint)
            OnRepaint();
    };
    return b;
}

TGridFont& TGridAttributes::CrearFuente(std::unique_ptr<TGridFont>& slot) {
    if (!slot) {
        auto f = std::make_unique<TGridFont>();
        f->Assign(gridFont_);
        f->OnChange = [this] {
            if (OnRepaint)
                OnRepaint();
        };
        slot = std::move(f);
    }
    return *slot;
}

TGridBrush& TGridAttributes::CrearBrocha(std::unique_ptr<TGridBrush>& slot) {
    if (!slot) {
        auto b = std::make_unique<TGridBrush>();
        b->Assign(gridBrush_);
        b->OnChange = [this] {
            if (OnRepaint)
                OnRepaint();
        };
        slot = std::move(b);
    }
    return *slot;
}

TGridFont& TGridAttributes::FontCell(int c, int r) {
    if (c < 0)
        throw EListError(c);
    return CrearFuente(FontCellList.Slot(c, r));
}

TGridFont& TGridAttributes::FontCol(int c) {
    return CrearFuente(FontColList.Slot(c));
}

TGridFont& TGridAttributes::FontFixedCol(int c) {
    return CrearFuente(FontFixedColList.Slot(c));
}

TGridFont& TGridAttributes::FontRow(int r) {
    return CrearFuente(FontRowList.Slot(r));
}

TGridFont& TGridAttributes::FontFixedRow(int r) {
    return CrearFuente(FontFixedRowList.Slot(r));
}

TGridBrush& TGridAttributes::BrushCell(int c, int r) {
    if (c < 0)
        throw EListError(c);
    return CrearBrocha(BrushCellList.Slot(c, r));
}

TGridBrush& TGridAttributes::BrushCol(int c) {
    return CrearBrocha(BrushColList.Slot(c));
}

TGridBrush& TGridAttributes::BrushFixedCol(int c) {
    return CrearBrocha(BrushFixedColList.Slot(c));
}

TGridBrush& TGridAttributes::BrushRow(int r) {
    return CrearBrocha(BrushRowList.Slot(r));
}

TGridBrush& TGridAttributes::BrushFixedRow(int r) {
    return CrearBrocha(BrushFixedRowList.Slot(r));
}

void TGridAttributes::ColorCol(int c, TColor color) {
    BrushCol(c).SetColor(color);
}

void TGridAttributes::ColumnMoved(int from, int to) {
    if (from == to)
        return;
    AlignColList.Move(from, to);
    FixedAlignColList.Move(from, to);
    AlignCellList.MoveColumn(from, to);
    EditColList.Move(from, to);
    EditCellList.MoveColumn(from, to);
    SelectedColorColList.Move(from, to);
    SelectedColorCellList.MoveColumn(from, to);
    SelectedFontColorColList.Move(from, to);
    SelectedFontColorCellList.MoveColumn(from, to);
    FontColList.Move(from, to);
    FontFixedColList.Move(from, to);
    FontCellList.MoveColumn(from, to);
    BrushColList.Move(from, to);
    BrushFixedColList.Move(from, to);
    BrushCellList.MoveColumn(from, to);
    HintCellList.MoveColumn(from, to);
}

void TGridAttributes::RowMoved(int from, int to) {
    if (from == to)
        return;
    AlignRowList.Move(from, to);
    FixedAlignRowList.Move(from, to);
    EditRowList.Move(from, to);
    SelectedColorRowList.Move(from, to);
    SelectedFontColorRowList.Move(from, to);
    FontRowList.Move(from, to);
    FontFixedRowList.Move(from, to);
    BrushRowList.Move(from, to);
    BrushFixedRowList.Move(from, to);
    AlignCellList.MoveRow(from, to);
    EditCellList.MoveRow(from, to);
    SelectedColorCellList.MoveRow(from, to);
    SelectedFontColorCellList.MoveRow(from, to);
    FontCellList.MoveRow(from, to);
    BrushCellList.MoveRow(from, to);
    HintCellList.MoveRow(from, to);
}

void TGridAttributes::InsertColumn(int index) {
    AlignColList.InsertAbsent(index);
    FixedAlignColList.InsertAbsent(index);
    AlignCellList.InsertColumn(index);
    EditColList.InsertAbsent(index);
    EditCellList.InsertColumn(index);
    SelectedColorColList.InsertAbsent(index);
    SelectedColorCellList.InsertColumn(index);
    SelectedFontColorColList.InsertAbsent(index);
    SelectedFontColorCellList.InsertColumn(index);
    FontColList.InsertAbsent(index);
    FontFixedColList.InsertAbsent(index);
    FontCellList.InsertColumn(index);
    BrushColList.InsertAbsent(index);
    BrushFixedColList.InsertAbsent(index);
    BrushCellList.InsertColumn(index);
    HintCellList.InsertColumn(index);
}

void TGridAttributes::InsertRow(int index) {
    AlignRowList.InsertAbsent(index);
    FixedAlignRowList.InsertAbsent(index);
    EditRowList.InsertAbsent(index);
    SelectedColorRowList.InsertAbsent(index);
    SelectedFontColorRowList.InsertAbsent(index);
    FontRowList.InsertAbsent(index);
    FontFixedRowList.InsertAbsent(index);
    BrushRowList.InsertAbsent(index);
    BrushFixedRowList.InsertAbsent(index);
    AlignCellList.InsertRow(index);
    EditCellList.InsertRow(index);
    SelectedColorCellList.InsertRow(index);
    SelectedFontColorCellList.InsertRow(index);
    FontCellList.InsertRow(index);
    BrushCellList.InsertRow(index);
    HintCellList.InsertRow(index);
}
