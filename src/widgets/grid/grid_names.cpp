#include "widgets/grid/grid_names.h"

#include "widgets/grid/grid_font.h"

namespace {

const QStringList& NombresOpciones() {
    static const QStringList nombres = {
        QStringLiteral("goFixedVertLine"), QStringLiteral("goFixedHorzLine"), QStringLiteral("goVertLine"),
        QStringLiteral("goHorzLine"),      QStringLiteral("goRangeSelect"),   QStringLiteral("goDrawFocusSelected"),
        QStringLiteral("goRowSizing"),     QStringLiteral("goColSizing"),     QStringLiteral("goRowMoving"),
        QStringLiteral("goColMoving"),     QStringLiteral("goEditing"),       QStringLiteral("goTabs"),
        QStringLiteral("goRowSelect"),     QStringLiteral("goAlwaysShowEditor"), QStringLiteral("goThumbTracking")};
    return nombres;
}

const QStringList& NombresEstilo() {
    static const QStringList nombres = {QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
                                        QStringLiteral("fsUnderline"), QStringLiteral("fsStrikeOut")};
    return nombres;
}

struct ColorConNombre {
    const char* nombre;
    TColor color;
};

constexpr ColorConNombre Colores[] = {
    {"clBlack", clBlack},       {"clMaroon", clMaroon},     {"clNavy", clNavy},
    {"clRed", clRed},           {"clWhite", clWhite},       {"clWindow", clWindow},
    {"clWindowText", clWindowText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},   {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clActiveCaption", clActiveCaption},
};

quint32 BitsDeConjunto(const TLayoutValue& value, const QStringList& nombres) {
    if (value.kind != TLayoutValue::Kind::Set)
        throw value.Error(QStringLiteral("se esperaba un conjunto entre corchetes"));
    quint32 bits = 0;
    for (const QString& n : value.names) {
        const int i = nombres.indexOf(n);
        if (i < 0)
            throw value.Error(QStringLiteral("valor desconocido '%1'").arg(n));
        bits |= 1u << i;
    }
    return bits;
}

QStringList NombresDeBits(quint32 bits, const QStringList& nombres) {
    QStringList r;
    for (int i = 0; i < nombres.size(); ++i)
        if (bits & (1u << i))
            r << nombres[i];
    return r;
}

}  // namespace

QStringList OptionNames(TGridOptions options) {
    return NombresDeBits(options, NombresOpciones());
}

TGridOptions OptionsFromValue(const TLayoutValue& value) {
    return BitsDeConjunto(value, NombresOpciones());
}

QStringList FontStyleNames(quint8 style) {
    return NombresDeBits(style, NombresEstilo());
}

quint8 FontStyleFromValue(const TLayoutValue& value) {
    return quint8(BitsDeConjunto(value, NombresEstilo()));
}

TColor ColorFromValue(const TLayoutValue& value) {
    if (value.kind == TLayoutValue::Kind::Identifier) {
        for (const auto& c : Colores)
            if (value.text == QLatin1String(c.nombre))
                return c.color;
        throw value.Error(QStringLiteral("color desconocido '%1'").arg(value.text));
    }
    return TColor(quint32(value.AsInteger()));
}

TLayoutValue ColorToValue(TColor color) {
    for (const auto& c : Colores)
        if (c.color == color)
            return TLayoutValue::Ident(QLatin1String(c.nombre));
    return TLayoutValue::Int(qint32(color));
}

int EnumFromValue(const TLayoutValue& value, const QStringList& names) {
    const int i = names.indexOf(value.AsIdentifier());
    if (i < 0)
        throw value.Error(QStringLiteral("valor desconocido '%1'").arg(value.text));
    return i;
}

const QStringList& AlignChoices() {
    static const QStringList l = {QStringLiteral("Default"), QStringLiteral("Right"), QStringLiteral("Left"),
                                  QStringLiteral("Center")};
    return l;
}

const QStringList& EditChoices() {
    static const QStringList l = {QStringLiteral("Default"), QStringLiteral("Read only"), QStringLiteral("Editable")};
    return l;
}

const QStringList& FixedScopeChoices() {
    static const QStringList l = {QStringLiteral("Cell"), QStringLiteral("Column"), QStringLiteral("Fixed Column"),
                                  QStringLiteral("Row"), QStringLiteral("Fixed Row")};
    return l;
}

const QStringList& ScopeChoices() {
    static const QStringList l = {QStringLiteral("Cell"), QStringLiteral("Column"), QStringLiteral("Row")};
    return l;
}

const QStringList& CustomChoices() {
    static const QStringList l = {QStringLiteral("Default"), QStringLiteral("Custom")};
    return l;
}
