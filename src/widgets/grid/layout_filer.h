#pragma once
// The extra properties an object adds to its layout: each has a name, a
// value kind, a reader, a writer and whether there is anything to write.
#include "widgets/grid/layout_document.h"

#include <functional>
#include <vector>

class TLayoutFiler {
public:
    using Reader = std::function<void(const TLayoutValue&)>;
    using Writer = std::function<TLayoutValue()>;

    struct Entry {
        QString name;
        TLayoutValue::Kind kind;
        Reader reader;
        Writer writer;   // empty for a property that is only read
        bool hasData;
    };

    // A list property (values in parentheses).
    void DefineProperty(const QString& name, Reader reader, Writer writer, bool hasData);
    // A binary property (a block of bytes).
    void DefineBinaryProperty(const QString& name, Reader reader, Writer writer, bool hasData);

    const std::vector<Entry>& Entries() const { return entries_; }
    const Entry* Find(const QString& name) const;

    // Reads one property through its entry, after checking the value's kind.
    static void Read(const Entry& entry, const TLayoutValue& value);

private:
    std::vector<Entry> entries_;
};
