#include "widgets/grid/attribute_grid.h"

#include "widgets/grid/cell_editor.h"
#include "widgets/grid/cell_text_fit.h"
#include "widgets/grid/grid_colors.h"
#include "widgets/grid/grid_names.h"
#include "widgets/grid/layout_filer.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <cstring>

namespace {

const QStringList NombresAlineacion = {QStringLiteral("alRight"), QStringLiteral("alLeft"), QStringLiteral("alCenter")};
const QStringList NombresSiguiente = {QStringLiteral("nc_rightdown"), QStringLiteral("nc_downright"),
                                      QStringLiteral("nc_leftdown"),  QStringLiteral("nc_downleft"),
                                      QStringLiteral("nc_leftup"),    QStringLiteral("nc_upleft"),
                                      QStringLiteral("nc_rightup"),   QStringLiteral("nc_upright")};
const QStringList NombresUltima = {QStringLiteral("lc_newcolrow"), QStringLiteral("lc_stop"), QStringLiteral("lc_first")};

// Where Qt places a tooltip relative to the point it is given.
#ifdef Q_OS_WIN
const QPoint DesplazamientoQt(2, 21);
#else
const QPoint DesplazamientoQt(2, 16);
#endif

}  // namespace

TAttributeGrid::TAttributeGrid(QWidget* parent) : TStringGrid(parent), attrs_(*this, Font(), Brush()) {
    attrs_.OnRepaint = [this] { InvalidateGrid(); };
    attrs_.FixedBrush.SetColor(FixedColor());
    OnCompareCol = [](TAttributeGrid& g, int colrow, int a, int b) { return g.DefaultCompareCol(colrow, a, b); };
    OnCompareRow = [](TAttributeGrid& g, int colrow, int a, int b) { return g.DefaultCompareRow(colrow, a, b); };
}

TAttributeGrid::~TAttributeGrid() {
    attrs_.OnRepaint = nullptr;
}

void TAttributeGrid::SetAlignment(TGridAlign value) {
    attrs_.Alignment = value;
    InvalidateGrid();
}

void TAttributeGrid::SetFixedColor(TColor value) {
    TStringGrid::SetFixedColor(value);
    attrs_.FixedBrush.SetColor(value);
    InvalidateGrid();
}

void TAttributeGrid::SetSelectedCellColor(TColor value) {
    attrs_.SelectedCellColor = value;
    InvalidateGrid();
}

void TAttributeGrid::SetSelectedFontColor(TColor value) {
    attrs_.SelectedFontColor = value;
    InvalidateGrid();
}

// ---- drawing ----

void TAttributeGrid::DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) {
    if (!DefaultDrawing()) {
        TStringGrid::DrawCell(c, r, rect, state, painter);
        return;
    }
    const TGridFont& fuente = attrs_.CellFont(c, r);
    const TGridBrush& brocha = attrs_.CellBrush(c, r);
    QColor fondo = ColorToQColor(brocha.Color());
    QColor tinta = ColorToQColor(fuente.Color());
    bool relleno = brocha.Style() != bsClear;
    const bool resaltaFoco = HasOption(goRowSelect) || HasOption(goDrawFocusSelected);
    if (DrawSelection && (state & gdSelected) && (!(state & gdFocused) || resaltaFoco)) {
        fondo = ColorToQColor(attrs_.CellSelectedColor(c, r));
        tinta = ColorToQColor(attrs_.CellSelectedFontColor(c, r));
        relleno = true;
    }
    if (relleno) {
        if (brocha.Style() == bsSolid || brocha.Style() == bsClear || brocha.Style() > bsDiagCross)
            painter.fillRect(rect, fondo);
        else
            painter.fillRect(rect, QBrush(fondo, brocha.QtBrush().style()));
    }
    painter.setFont(fuente.QtFont());
    painter.setPen(tinta);
    const QFontMetrics fm = painter.fontMetrics();
    const TGridAlign alineacion = attrs_.CellAlign(c, r);

    // Lines end at CR or CR LF; one more CR closes the last line.
    const QString texto = Cells(c, r) + QLatin1Char('\r');
    QStringView resto(texto);
    int y = rect.top() + 2;
    bool recortado = false;
    while (!resto.isEmpty()) {
        const qsizetype fin = resto.indexOf(QLatin1Char('\r'));
        if (fin < 0)
            break;
        QString linea = resto.left(fin).toString();
        int w = linea.isEmpty() ? 0 : fm.horizontalAdvance(linea);
        if (!CellLineFits(w, rect.width()) && IsFigureLine(linea)) {
            linea = CellEllipsis;
            w = fm.horizontalAdvance(linea);
        }
        const int h = fm.height();
        int x;
        switch (alineacion) {
        case alRight: x = rect.right() + 1 - w - 2; break;
        case alCenter: x = rect.left() + (rect.width() - w) / 2; break;
        default: x = rect.left() + 2; break;
        }
        if (!linea.isEmpty()) {
            if (!recortado && (x < rect.left() || x + w > rect.right() + 1 || y + h > rect.bottom() + 1)) {
                painter.save();
                painter.setClipRect(rect, Qt::IntersectClip);
                recortado = true;
            }
            painter.drawText(x, y + fm.ascent(), linea);
        }
        resto = resto.mid(fin + 1);
        if (resto.startsWith(QLatin1Char('\n')))
            resto = resto.mid(1);
        y += h;
        if (y > rect.bottom())
            break;
    }
    if (recortado)
        painter.restore();
    TCustomGrid::DrawCell(c, r, rect, state, painter);
}

// ---- structure ----

void TAttributeGrid::ColumnMoved(int from, int to) {
    if (from == to)
        return;
    attrs_.ColumnMoved(from, to);
    TStringGrid::ColumnMoved(from, to);
}

void TAttributeGrid::RowMoved(int from, int to) {
    if (from == to)
        return;
    attrs_.RowMoved(from, to);
    TStringGrid::RowMoved(from, to);
}

void TAttributeGrid::InsertColumn(int index) {
    index = qBound(FixedCols(), index, ColCount());
    SetColCount(ColCount() + 1);
    attrs_.InsertColumn(index);
    ClearColumnTexts(ColCount() - 1);
    for (int i = ColCount() - 1; i >= index + 1; --i)
        TStringGrid::ColumnMoved(i, i - 1);
    InvalidateGrid();
}

void TAttributeGrid::InsertRow(int index) {
    index = qBound(FixedRows(), index, RowCount());
    SetRowCount(RowCount() + 1);
    attrs_.InsertRow(index);
    ClearRowTexts(RowCount() - 1);
    for (int i = RowCount() - 1; i >= index + 1; --i)
        TStringGrid::RowMoved(i, i - 1);
    InvalidateGrid();
}

void TAttributeGrid::ColWidthsChanged() {
    TStringGrid::ColWidthsChanged();
    if (OnColWidthsChanged)
        OnColWidthsChanged(*this);
}

void TAttributeGrid::RowHeightsChanged() {
    TStringGrid::RowHeightsChanged();
    if (OnRowHeightsChanged)
        OnRowHeightsChanged(*this);
}

// ---- comparing ----

t_relation TAttributeGrid::CompareTexts(const QString& a, const QString& b) const {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    const int orden = std::memcmp(x.constData(), y.constData(), size_t(qMin(x.size(), y.size())));
    if (orden == 0 && x.size() == y.size())
        return rel_equal;
    if (orden > 0 || (orden == 0 && x.size() > y.size()))
        return rel_greater;
    return rel_less;
}

t_relation TAttributeGrid::DefaultCompareCol(int colrow, int compare1, int compare2) {
    return CompareTexts(Cells(colrow, compare1), Cells(colrow, compare2));
}

t_relation TAttributeGrid::DefaultCompareRow(int colrow, int compare1, int compare2) {
    return CompareTexts(Cells(compare1, colrow), Cells(compare2, colrow));
}

// ---- hints ----

QPoint TAttributeGrid::HintPosition(int c, int r) const {
    const QRect rect = CellRect(c, r);
    return viewport()->mapToGlobal(QPoint(rect.left(), rect.bottom() + 1 + 6));
}

bool TAttributeGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && ShowCellHints) {
        const auto* ayuda = static_cast<QHelpEvent*>(event);
        int c = -1, r = -1;
        MouseToCell(ayuda->pos().x(), ayuda->pos().y(), c, r);
        lastHintCell_ = QPoint(c, r);
        const QString texto = c >= 0 ? CellHintText(c, r) : QString();
        if (texto.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(HintPosition(c, r) - DesplazamientoQt, texto, viewport(), CellRect(c, r));
        return true;
    }
    return TStringGrid::viewportEvent(event);
}

QString TAttributeGrid::CellHintText(int c, int r) const {
    const QString& hint = attrs_.HintCell(c, r);
    const QString text = Cells(c, r);
    if (!CellTextCut(text, QFontMetrics(attrs_.CellFont(c, r).QtFont()), ColWidths(c)))
        return hint;
    // A text the cell cannot show whole is given whole in the hint, above the
    // cell's own hint.
    QString whole = text;
    whole.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return hint.isEmpty() ? whole : whole + QLatin1Char('\n') + hint;
}

void TAttributeGrid::MouseMove(QMouseEvent* event) {
    if (lastHintCell_.x() >= 0 && lastHintCell_.y() >= 0) {
        int c = -1, r = -1;
        const QPoint p = event->position().toPoint();
        MouseToCell(p.x(), p.y(), c, r);
        if (QPoint(c, r) != lastHintCell_) {
            QToolTip::hideText();
            lastHintCell_ = QPoint(-1, -1);
        }
    }
    TStringGrid::MouseMove(event);
}

// ---- editing ----

TCellEditor* TAttributeGrid::Editor() const {
    return dynamic_cast<TCellEditor*>(InplaceEditor());
}

TInplaceEdit* TAttributeGrid::CreateEditor() {
    return new TCellEditor(*this);
}

bool TAttributeGrid::CanEditShow() {
    bool resultado = TStringGrid::CanEditShow();
    TCellEditor* editor = Editor();
    if (!editor)
        return resultado;
    const int c = Col();
    const int r = Row();
    if (editor->EditorCol != c || editor->EditorRow != r) {
        if (editor->EditorCol >= 0 && editor->EditorRow >= 0)
            PostAfterEdit(editor->EditorCol, editor->EditorRow);
        editor->EditStarted = false;
    }
    resultado = resultado && attrs_.CellEditable(c, r);
    if (!resultado) {
        editor->Bind(-1, -1);
        return false;
    }
    editor->SetAlignment(attrs_.CellAlign(c, r));
    const TGridFont& fuente = attrs_.CellFont(c, r);
    editor->setFont(fuente.QtFont());
    QPalette paleta = editor->palette();
    paleta.setColor(QPalette::Base, ColorToQColor(attrs_.CellColor(c, r)));
    paleta.setColor(QPalette::Text, ColorToQColor(fuente.Color()));
    editor->setPalette(paleta);
    editor->Bind(c, r);
    if (!editor->EditStarted) {
        BeforeEditNotice(c, r);
        editor->EditStarted = true;
        editor->SavedText = Cells(c, r);
    }
    return true;
}

void TAttributeGrid::PostAfterEdit(int c, int r) {
    QMetaObject::invokeMethod(this, [this, c, r] { AfterEditNotice(c, r); }, Qt::QueuedConnection);
}

void TAttributeGrid::PostEndEdit(int c, int r) {
    QMetaObject::invokeMethod(this, [this, c, r] { EndEditNotice(c, r); }, Qt::QueuedConnection);
}

void TAttributeGrid::PostCancelEdit(int c, int r) {
    QMetaObject::invokeMethod(this, [this, c, r] { CancelEditNotice(c, r); }, Qt::QueuedConnection);
}

void TAttributeGrid::CancelEditNotice(int c, int r) {
    inEdit_ = false;
    if (OnCancelEdit && c >= 0 && r >= 0)
        OnCancelEdit(*this, c, r);
}

void TAttributeGrid::AfterEditNotice(int c, int r) {
    inEdit_ = false;
    if (OnAfterEdit && c >= 0 && r >= 0)
        OnAfterEdit(*this, c, r);
}

void TAttributeGrid::BeforeEditNotice(int c, int r) {
    if (OnBeforeEdit && c >= 0 && r >= 0)
        OnBeforeEdit(*this, c, r);
    inEdit_ = true;
}

void TAttributeGrid::EndEditNotice(int c, int r) {
    AfterEditNotice(c, r);
    if (!AutoEditNextCell || c < 0 || r < 0)
        return;
    int nc = Col();
    int nr = Row();
    NextEditableCell(nc, nr);
    if (nc < 0 || nr < 0)
        return;
    if (TCellEditor* editor = Editor())
        editor->Bind(-1, -1);
    MoveToCell(nc, nr);
    ShowEditor();
    inEdit_ = true;
}

void TAttributeGrid::ReshowEditorNotice() {
    ShowEditor();
    if (TInplaceEdit* editor = InplaceEditor())
        editor->setSelection(savedSelStart_, savedSelLength_);
}

void TAttributeGrid::MoveToCell(int c, int r) {
    FocusCell(c, r, true);
}

void TAttributeGrid::NextCellStep(T_nextcell d, t_lastcell rule, int& c, int& r, bool& inserted) {
    const int fc = FixedCols(), fr = FixedRows(), cc = ColCount(), rc = RowCount();
    bool fin = false;
    switch (d) {
    case nc_rightdown: if (++c >= cc) { c = fc; ++r; } fin = r >= rc; break;
    case nc_downright: if (++r >= rc) { r = fr; ++c; } fin = c >= cc; break;
    case nc_leftdown: if (--c < fc) { c = cc - 1; ++r; } fin = r >= rc; break;
    case nc_downleft: if (++r >= rc) { r = fr; --c; } fin = c < fc; break;
    case nc_leftup: if (--c < fc) { c = cc - 1; --r; } fin = r < fr; break;
    case nc_upleft: if (--r < fr) { r = rc - 1; --c; } fin = c < fc; break;
    case nc_rightup: if (++c >= cc) { c = fc; --r; } fin = r < fr; break;
    case nc_upright: if (--r < fr) { r = rc - 1; ++c; } fin = c >= cc; break;
    }
    if (!fin)
        return;
    c = r = -1;
    if (rule == lc_first) {
        const bool izquierda = d == nc_leftdown || d == nc_downleft || d == nc_leftup || d == nc_upleft;
        const bool abajo = d == nc_leftup || d == nc_upleft || d == nc_rightup || d == nc_upright;
        c = izquierda ? ColCount() - 1 : FixedCols();
        r = abajo ? RowCount() - 1 : FixedRows();
    } else if (rule == lc_newcolrow) {
        inserted = true;
        switch (d) {
        case nc_rightdown: InsertRow(RowCount()); c = FixedCols(); r = RowCount() - 1; break;
        case nc_downright: InsertColumn(ColCount()); c = ColCount() - 1; r = FixedRows(); break;
        case nc_leftdown: InsertRow(RowCount()); c = ColCount() - 1; r = RowCount() - 1; break;
        case nc_downleft: InsertColumn(FixedCols()); c = FixedCols(); r = FixedRows(); break;
        case nc_leftup: InsertRow(FixedRows()); c = ColCount() - 1; r = FixedRows(); break;
        case nc_upleft: InsertColumn(FixedCols()); c = FixedCols(); r = RowCount() - 1; break;
        case nc_rightup: InsertRow(FixedRows()); c = FixedCols(); r = FixedRows(); break;
        case nc_upright: InsertColumn(ColCount()); c = ColCount() - 1; r = RowCount() - 1; break;
        }
    }
}

void TAttributeGrid::NextCell(T_nextcell direction, t_lastcell rule, int& c, int& r) {
    bool inserted = false;
    NextCellStep(direction, rule, c, r, inserted);
}

void TAttributeGrid::NextEditableCell(int& c, int& r) {
    const QPoint inicio(c, r);
    t_lastcell regla = AfterLastCellEdit;
    // Every cell once, and after one inserted line no further insertion, so
    // that a grid without editable cells does not grow without end.
    qint64 pasos = qint64(ColCount()) * RowCount() + 2;
    while (pasos-- > 0) {
        bool insertada = false;
        NextCellStep(NextCellEdit, regla, c, r, insertada);
        if (insertada) {
            regla = lc_stop;
            pasos = qint64(ColCount()) * RowCount() + 2;
        }
        if (QPoint(c, r) == inicio || c < 0 || r < 0 || attrs_.CellEditable(c, r))
            return;
    }
    c = r = -1;
}

void TAttributeGrid::KeyDown(QKeyEvent* event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab || !HasOption(goTabs) || HasOption(goRowSelect) || (event->modifiers() & Qt::AltModifier)) {
        TStringGrid::KeyDown(event);
        return;
    }
    T_nextcell d = NextCellTab;
    if ((event->modifiers() & Qt::ShiftModifier) || event->key() == Qt::Key_Backtab)
        d = T_nextcell(d ^ 4);
    const QPoint inicio(Col(), Row());
    int c = inicio.x(), r = inicio.y();
    t_lastcell regla = AfterLastCellTab;
    qint64 pasos = qint64(ColCount()) * RowCount() + 2;
    while (pasos-- > 0) {
        bool insertada = false;
        NextCellStep(d, regla, c, r, insertada);
        if (insertada) {
            regla = lc_stop;
            pasos = qint64(ColCount()) * RowCount() + 2;
        }
        if (QPoint(c, r) == inicio)
            break;
        if (c < 0 || r < 0) {
            c = inicio.x();
            r = inicio.y();
            break;
        }
        if (TabStops(c))
            break;
    }
    if (pasos < 0) {
        c = inicio.x();
        r = inicio.y();
    }
    MoveToCell(c, r);
    event->accept();
}

void TAttributeGrid::CharMessage(QChar ch) {
    const bool deEdicion = ch.unicode() == 8 || ch.unicode() >= 32;
    if (!HasOption(goEditing) || !deEdicion) {
        TStringGrid::CharMessage(ch);
        return;
    }
    ShowEditorChar(ch);
    if (!EditorMode())
        KeyPress(ch);
}

void TAttributeGrid::DoExit() {
    TInplaceEdit* editor = InplaceEditor();
    if (editor && editor->isVisible()) {
        reshowEditor_ = true;
        savedSelStart_ = editor->hasSelectedText() ? editor->selectionStart() : editor->cursorPosition();
        savedSelLength_ = int(editor->selectedText().size());
        inEdit_ = false;
        HideEditor();
        AfterEditNotice(Col(), Row());
    }
    if (inEdit_) {
        setFocus();
        return;
    }
    TStringGrid::DoExit();
    SetEditorModeFlag(false);
}

void TAttributeGrid::DoEnter() {
    TStringGrid::DoEnter();
    if (reshowEditor_ && HasOption(goAlwaysShowEditor))
        QMetaObject::invokeMethod(this, [this] { ReshowEditorNotice(); }, Qt::QueuedConnection);
}

// ---- layout ----

void TAttributeGrid::DefineProperties(TLayoutFiler& filer) {
    TStringGrid::DefineProperties(filer);
    attrs_.DefineProperties(filer, [this](int c, int r) { return Cells(c, r); });
}

bool TAttributeGrid::ReadPublished(const TLayoutProperty& p) {
    const QString& n = p.name;
    const TLayoutValue& v = p.value;
    if (n == QLatin1String("Alignment")) SetAlignment(TGridAlign(EnumFromValue(v, NombresAlineacion)));
    else if (n == QLatin1String("Editable")) SetEditable(v.AsBoolean());
    else if (n == QLatin1String("ShowCellHints")) ShowCellHints = v.AsBoolean();
    else if (n == QLatin1String("DrawSelection")) DrawSelection = v.AsBoolean();
    else if (n == QLatin1String("AutoEditNextCell")) AutoEditNextCell = v.AsBoolean();
    else if (n == QLatin1String("SelectedCellColor")) SetSelectedCellColor(ColorFromValue(v));
    else if (n == QLatin1String("SelectedFontColor")) SetSelectedFontColor(ColorFromValue(v));
    else if (n == QLatin1String("NextCellEdit")) NextCellEdit = T_nextcell(EnumFromValue(v, NombresSiguiente));
    else if (n == QLatin1String("NextCellTab")) NextCellTab = T_nextcell(EnumFromValue(v, NombresSiguiente));
    else if (n == QLatin1String("AfterLastCellEdit")) AfterLastCellEdit = t_lastcell(EnumFromValue(v, NombresUltima));
    else if (n == QLatin1String("AfterLastCellTab")) AfterLastCellTab = t_lastcell(EnumFromValue(v, NombresUltima));
    else return TStringGrid::ReadPublished(p);
    return true;
}

void TAttributeGrid::WritePublished(TLayoutDocument& doc) const {
    TStringGrid::WritePublished(doc);
    auto poner = [&](const char* nombre, TLayoutValue v) { doc.properties.push_back({QLatin1String(nombre), v, 0, 0}); };
    auto logico = [](bool b) { return TLayoutValue::Ident(b ? QStringLiteral("True") : QStringLiteral("False")); };
    if (attrs_.Alignment != alLeft && attrs_.Alignment <= alCenter)
        poner("Alignment", TLayoutValue::Ident(NombresAlineacion[attrs_.Alignment]));
    if (!attrs_.Editable) poner("Editable", logico(false));
    if (!ShowCellHints) poner("ShowCellHints", logico(false));
    if (!DrawSelection) poner("DrawSelection", logico(false));
    if (AutoEditNextCell) poner("AutoEditNextCell", logico(true));
    if (attrs_.SelectedCellColor != clActiveCaption) poner("SelectedCellColor", ColorToValue(attrs_.SelectedCellColor));
    if (attrs_.SelectedFontColor != clWhite) poner("SelectedFontColor", ColorToValue(attrs_.SelectedFontColor));
    if (NextCellEdit != nc_rightdown) poner("NextCellEdit", TLayoutValue::Ident(NombresSiguiente[NextCellEdit]));
    if (NextCellTab != nc_rightdown) poner("NextCellTab", TLayoutValue::Ident(NombresSiguiente[NextCellTab]));
    if (AfterLastCellEdit != lc_newcolrow)
        poner("AfterLastCellEdit", TLayoutValue::Ident(NombresUltima[AfterLastCellEdit]));
    if (AfterLastCellTab != lc_first) poner("AfterLastCellTab", TLayoutValue::Ident(NombresUltima[AfterLastCellTab]));
}

void TAttributeGrid::Loaded() {
    TStringGrid::Loaded();
    // Every text comes from the layout: cells it does not name end empty.
    ClearAllTexts();
    const int columnas = qMin(ColCount(), attrs_.LoadedCells.ColumnCount());
    for (int c = 0; c < columnas; ++c)
        if (const auto* columna = attrs_.LoadedCells.Column(c))
            for (int r = 0; r < qMin(RowCount(), columna->Count()); ++r)
                if (const QString* t = columna->At(r))
                    SetCells(c, r, *t);
    attrs_.LoadedCells.Clear();
    reshowEditor_ = HasOption(goAlwaysShowEditor);
    HideEditor();
}
