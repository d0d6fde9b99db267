#pragma once
// A window layout in memory: the object's name and class and its property
// values, each a name with one value of the kinds below.
#include "util/excepcion.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A layout that cannot be read: names the line and column where it went wrong.
class ELayoutError : public Exception {
public:
    ELayoutError(int line, int column, const QString& message);
    int Line() const { return line_; }
    int Column() const { return column_; }

private:
    int line_;
    int column_;
};

struct TLayoutValue {
    enum class Kind { Integer, String, Identifier, Set, List, Binary };

    Kind kind = Kind::Integer;
    qint32 integer = 0;
    QString text;                      // a string, or an identifier's name
    QStringList names;                 // the members of a set
    std::vector<TLayoutValue> items;   // the values of a list
    QByteArray bytes;                  // a binary block
    int line = 0;                      // where the value starts, 1-based
    int column = 0;
    int endLine = 0;                   // where a list ends
    int endColumn = 0;

    static TLayoutValue Int(qint32 v);
    static TLayoutValue Str(const QString& v);
    static TLayoutValue Ident(const QString& v);
    static TLayoutValue SetOf(const QStringList& v);
    static TLayoutValue ListOf(std::vector<TLayoutValue> v);
    static TLayoutValue Bin(const QByteArray& v);

    // The value as one kind, or ELayoutError naming its position.
    qint32 AsInteger() const;
    const QString& AsString() const;
    const QString& AsIdentifier() const;
    bool AsBoolean() const;
    ELayoutError Error(const QString& message) const;
};

const char* LayoutKindName(TLayoutValue::Kind kind);

struct TLayoutProperty {
    QString name;
    TLayoutValue value;
    int line = 0;
    int column = 0;
};

class TLayoutDocument {
public:
    QString objectName;
    QString className;
    std::vector<TLayoutProperty> properties;

    const TLayoutProperty* Find(const QString& name) const;
};

// Walks the values of a list item by item; running out of values or meeting
// a value of another kind is an ELayoutError at that place.
class TLayoutListCursor {
public:
    explicit TLayoutListCursor(const TLayoutValue& list);
    bool AtEnd() const { return pos_ >= list_.items.size(); }
    qint32 ReadInteger();
    QString ReadString();

private:
    const TLayoutValue& Next(TLayoutValue::Kind kind);
    const TLayoutValue& list_;
    size_t pos_ = 0;
};
