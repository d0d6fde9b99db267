// The base grid: reading and writing its properties in a window layout.
#include "widgets/grid/custom_grid.h"

#include "widgets/grid/grid_colors.h"
#include "widgets/grid/grid_names.h"
#include "widgets/grid/layout_filer.h"
#include "widgets/grid/layout_reader.h"

// ---- layout ----

void TCustomGrid::LoadLayout(const TLayoutDocument& layout) {
    TLayoutFiler filer;
    DefineProperties(filer);
    for (const auto& p : layout.properties) {
        if (const auto* entrada = filer.Find(p.name))
            TLayoutFiler::Read(*entrada, p.value);
        else if (!ReadPublished(p))
            throw ELayoutError(p.line, p.column, QStringLiteral("propiedad desconocida '%1'").arg(p.name));
    }
    Loaded();
}

void TCustomGrid::LoadLayoutFile(const QString& path) {
    LoadLayout(ReadLayoutFile(path));
}

TLayoutDocument TCustomGrid::SaveLayout(const QString& name) const {
    TLayoutDocument doc;
    doc.objectName = name;
    doc.className = QLatin1String(metaObject()->className());
    WritePublished(doc);
    TLayoutFiler filer;
    const_cast<TCustomGrid*>(this)->DefineProperties(filer);
    for (const auto& e : filer.Entries())
        if (e.hasData && e.writer)
            doc.properties.push_back({e.name, e.writer(), 0, 0});
    return doc;
}

void TCustomGrid::Loaded() {}

void TCustomGrid::DefineProperties(TLayoutFiler& filer) {
    auto leerTamanos = [this](const TLayoutValue& v, bool columnas) {
        TLayoutListCursor cursor(v);
        for (int i = 0; !cursor.AtEnd(); ++i) {
            const int tam = cursor.ReadInteger();
            if (columnas)
                SetColWidths(i, tam);
            else
                SetRowHeights(i, tam);
        }
    };
    auto escribirTamanos = [this](bool columnas) {
        std::vector<TLayoutValue> v;
        const int n = columnas ? colCount_ : rowCount_;
        for (int i = 0; i < n; ++i)
            v.push_back(TLayoutValue::Int(columnas ? ColWidths(i) : RowHeights(i)));
        return TLayoutValue::ListOf(std::move(v));
    };
    filer.DefineProperty(
        QStringLiteral("ColWidths"), [=](const TLayoutValue& v) { leerTamanos(v, true); },
        [=] { return escribirTamanos(true); }, !colWidths_.empty());
    filer.DefineProperty(
        QStringLiteral("RowHeights"), [=](const TLayoutValue& v) { leerTamanos(v, false); },
        [=] { return escribirTamanos(false); }, !rowHeights_.empty());
}

bool TCustomGrid::ReadPublished(const TLayoutProperty& p) {
    const QString& n = p.name;
    const TLayoutValue& v = p.value;
    auto entero = [&] { return v.AsInteger(); };
    try {
        if (n == QLatin1String("ColCount")) SetColCount(entero());
        else if (n == QLatin1String("RowCount")) SetRowCount(entero());
        else if (n == QLatin1String("FixedCols")) SetFixedCols(entero());
        else if (n == QLatin1String("FixedRows")) SetFixedRows(entero());
        else if (n == QLatin1String("DefaultColWidth")) SetDefaultColWidth(entero());
        else if (n == QLatin1String("DefaultRowHeight")) SetDefaultRowHeight(entero());
        else if (n == QLatin1String("GridLineWidth")) SetGridLineWidth(entero());
        else if (n == QLatin1String("Color")) SetColor(ColorFromValue(v));
        else if (n == QLatin1String("FixedColor")) SetFixedColor(ColorFromValue(v));
        else if (n == QLatin1String("Options")) SetOptions(OptionsFromValue(v));
        else if (n == QLatin1String("DefaultDrawing")) SetDefaultDrawing(v.AsBoolean());
        else if (n == QLatin1String("ScrollBars"))
            SetScrollBars(TScrollStyle(EnumFromValue(
                v, {QStringLiteral("ssNone"), QStringLiteral("ssHorizontal"), QStringLiteral("ssVertical"),
                    QStringLiteral("ssBoth")})));
        else if (n == QLatin1String("Font.Color")) font_.SetColor(ColorFromValue(v));
        else if (n == QLatin1String("Font.Height")) font_.SetHeight(entero());
        else if (n == QLatin1String("Font.Name")) font_.SetName(v.AsString());
        else if (n == QLatin1String("Font.Pitch")) font_.SetPitch(entero());
        else if (n == QLatin1String("Font.Style")) font_.SetStyle(FontStyleFromValue(v));
        else return false;
    } catch (const EGridError& e) {
        throw v.Error(QString::fromUtf8(e.what()));
    }
    return true;
}

void TCustomGrid::WritePublished(TLayoutDocument& doc) const {
    auto poner = [&](const char* nombre, TLayoutValue v) { doc.properties.push_back({QLatin1String(nombre), v, 0, 0}); };
    poner("ColCount", TLayoutValue::Int(colCount_));
    poner("RowCount", TLayoutValue::Int(rowCount_));
    poner("FixedCols", TLayoutValue::Int(fixedCols_));
    poner("FixedRows", TLayoutValue::Int(fixedRows_));
    if (defaultColWidth_ != 64) poner("DefaultColWidth", TLayoutValue::Int(defaultColWidth_));
    if (defaultRowHeight_ != 24) poner("DefaultRowHeight", TLayoutValue::Int(defaultRowHeight_));
    if (gridLineWidth_ != 1) poner("GridLineWidth", TLayoutValue::Int(gridLineWidth_));
    if (Color() != clWindow) poner("Color", ColorToValue(Color()));
    if (fixedColor_ != clBtnFace) poner("FixedColor", ColorToValue(fixedColor_));
    if (options_ != DefaultGridOptions) poner("Options", TLayoutValue::SetOf(OptionNames(options_)));
    if (!defaultDrawing_) poner("DefaultDrawing", TLayoutValue::Ident(QStringLiteral("False")));
    static const char* barras[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
    if (scrollBars_ != ssBoth) poner("ScrollBars", TLayoutValue::Ident(QLatin1String(barras[scrollBars_])));
    if (font_.Color() != TGridFont::DefaultColor) poner("Font.Color", ColorToValue(font_.Color()));
    if (font_.Height() != TGridFont::DefaultHeight) poner("Font.Height", TLayoutValue::Int(font_.Height()));
    if (font_.Name() != TGridFont::DefaultName) poner("Font.Name", TLayoutValue::Str(font_.Name()));
    if (font_.Pitch() != 0) poner("Font.Pitch", TLayoutValue::Int(font_.Pitch()));
    if (font_.Style() != 0) poner("Font.Style", TLayoutValue::SetOf(FontStyleNames(font_.Style())));
}
