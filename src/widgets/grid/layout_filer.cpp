#include "widgets/grid/layout_filer.h"

void TLayoutFiler::DefineProperty(const QString& name, Reader reader, Writer writer, bool hasData) {
    entries_.push_back({name, TLayoutValue::Kind::List, std::move(reader), std::move(writer), hasData});
}

void TLayoutFiler::DefineBinaryProperty(const QString& name, Reader reader, Writer writer, bool hasData) {
    entries_.push_back({name, TLayoutValue::Kind::Binary, std::move(reader), std::move(writer), hasData});
}

const TLayoutFiler::Entry* TLayoutFiler::Find(const QString& name) const {
    for (const auto& e : entries_)
        if (e.name == name)
            return &e;
    return nullptr;
}

void TLayoutFiler::Read(const Entry& entry, const TLayoutValue& value) {
    if (value.kind != entry.kind)
        throw value.Error(QStringLiteral("%1 debe ser %2 y es %3")
                              .arg(entry.name, QLatin1String(LayoutKindName(entry.kind)),
                                   QLatin1String(LayoutKindName(value.kind))));
    entry.reader(value);
}
