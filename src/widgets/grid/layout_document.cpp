#include "widgets/grid/layout_document.h"

namespace {

std::string TextoError(int line, int column, const QString& message) {
    return QStringLiteral("Disposición no válida (línea %1, columna %2): %3")
        .arg(line)
        .arg(column)
        .arg(message)
        .toStdString();
}

}  // namespace

ELayoutError::ELayoutError(int line, int column, const QString& message)
    : Exception(TextoError(line, column, message)), line_(line), column_(column) {}

const char* LayoutKindName(TLayoutValue::Kind kind) {
    switch (kind) {
    case TLayoutValue::Kind::Integer: return "un entero";
    case TLayoutValue::Kind::String: return "un texto";
    case TLayoutValue::Kind::Identifier: return "un nombre";
    case TLayoutValue::Kind::Set: return "un conjunto";
    case TLayoutValue::Kind::List: return "una lista";
    case TLayoutValue::Kind::Binary: return "un bloque binario";
    }
    return "un valor";
}

TLayoutValue TLayoutValue::Int(qint32 v) {
    TLayoutValue r;
    r.kind = Kind::Integer;
    r.integer = v;
    return r;
}

TLayoutValue TLayoutValue::Str(const QString& v) {
    TLayoutValue r;
    r.kind = Kind::String;
    r.text = v;
    return r;
}

TLayoutValue TLayoutValue::Ident(const QString& v) {
    TLayoutValue r;
    r.kind = Kind::Identifier;
    r.text = v;
    return r;
}

TLayoutValue TLayoutValue::SetOf(const QStringList& v) {
    TLayoutValue r;
    r.kind = Kind::Set;
    r.names = v;
    return r;
}

TLayoutValue TLayoutValue::ListOf(std::vector<TLayoutValue> v) {
    TLayoutValue r;
    r.kind = Kind::List;
    r.items = std::move(v);
    return r;
}

TLayoutValue TLayoutValue::Bin(const QByteArray& v) {
    TLayoutValue r;
    r.kind = Kind::Binary;
    r.bytes = v;
    return r;
}

ELayoutError TLayoutValue::Error(const QString& message) const {
    return ELayoutError(line, column, message);
}

qint32 TLayoutValue::AsInteger() const {
    if (kind != Kind::Integer)
        throw Error(QStringLiteral("se esperaba un entero y hay %1").arg(QLatin1String(LayoutKindName(kind))));
    return integer;
}

const QString& TLayoutValue::AsString() const {
    if (kind != Kind::String)
        throw Error(QStringLiteral("se esperaba un texto y hay %1").arg(QLatin1String(LayoutKindName(kind))));
    return text;
}

const QString& TLayoutValue::AsIdentifier() const {
    if (kind != Kind::Identifier)
        throw Error(QStringLiteral("se esperaba un nombre y hay %1").arg(QLatin1String(LayoutKindName(kind))));
    return text;
}

bool TLayoutValue::AsBoolean() const {
    const QString& nombre = AsIdentifier();
    if (nombre.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (nombre.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    throw Error(QStringLiteral("se esperaba True o False y hay '%1'").arg(nombre));
}

const TLayoutProperty* TLayoutDocument::Find(const QString& name) const {
    for (const auto& p : properties)
        if (p.name == name)
            return &p;
    return nullptr;
}

TLayoutListCursor::TLayoutListCursor(const TLayoutValue& list) : list_(list) {
    if (list.kind != TLayoutValue::Kind::List)
        throw list.Error(QStringLiteral("se esperaba una lista y hay %1").arg(QLatin1String(LayoutKindName(list.kind))));
}

const TLayoutValue& TLayoutListCursor::Next(TLayoutValue::Kind kind) {
    if (AtEnd())
        throw ELayoutError(list_.endLine, list_.endColumn,
                           QStringLiteral("la lista termina a mitad de un elemento; falta %1")
                               .arg(QLatin1String(LayoutKindName(kind))));
    return list_.items[pos_++];
}

qint32 TLayoutListCursor::ReadInteger() {
    return Next(TLayoutValue::Kind::Integer).AsInteger();
}

QString TLayoutListCursor::ReadString() {
    return Next(TLayoutValue::Kind::String).AsString();
}
