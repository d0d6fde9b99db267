#pragma once
// Sparse attribute lists: a list grows on demand, an entry is absent or holds
// its own value (std::optional for plain values, std::unique_ptr for fonts and
// brushes). Reads outside the list are absent; writes extend it.
#include "util/excepcion.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// Writing at a negative index is a caller error.
class EListError : public Exception {
public:
    explicit EListError(int indice)
        : Exception("List index out of bounds (" + std::to_string(indice) + ")") {}
};

template <class Entry>
class SparseList {
public:
    int Count() const { return int(items_.size()); }

    // The entry's value, or nullptr when absent; never allocates.
    auto At(int i) const -> decltype(&*std::declval<const Entry&>()) {
        if (i < 0 || i >= Count() || !items_[size_t(i)])
            return nullptr;
        return &*items_[size_t(i)];
    }

    // Replaces the entry at i and gives the old one back.
    Entry Put(int i, Entry value) {
        Extend(i);
        return std::exchange(items_[size_t(i)], std::move(value));
    }

    // The slot at i, extending the list first.
    Entry& Slot(int i) {
        Extend(i);
        return items_[size_t(i)];
    }

    // Moves the entry at a to b; the entries between shift by one.
    void Move(int a, int b) {
        Extend(a);
        Entry taken = std::move(items_[size_t(a)]);
        items_.erase(items_.begin() + a);
        if (Count() < b)
            items_.resize(size_t(b));
        items_.insert(items_.begin() + b, std::move(taken));
    }

    // Inserts an absent entry at i; a list not reaching i stays unchanged.
    void InsertAbsent(int i) {
        if (i >= 0 && i <= Count())
            items_.insert(items_.begin() + i, Entry());
    }

    void Clear() { items_.clear(); }

private:
    void Extend(int i) {
        if (i < 0)
            throw EListError(i);
        if (i >= Count())
            items_.resize(size_t(i) + 1);
    }

    std::vector<Entry> items_;
};

// A two-level list: columns, then rows within a column.
template <class Entry>
class CellList {
public:
    using Inner = SparseList<Entry>;

    int ColumnCount() const { return outer_.Count(); }
    const Inner* Column(int c) const { return outer_.At(c); }

    auto At(int c, int r) const -> decltype(std::declval<const Inner&>().At(0)) {
        const Inner* inner = outer_.At(c);
        return inner ? inner->At(r) : nullptr;
    }

    Entry Put(int c, int r, Entry value) {
        if (r < 0)
            throw EListError(r);
        return InnerFor(c).Put(r, std::move(value));
    }

    Entry& Slot(int c, int r) {
        if (r < 0)
            throw EListError(r);
        return InnerFor(c).Slot(r);
    }

    void MoveColumn(int a, int b) { outer_.Move(a, b); }
    void InsertColumn(int i) { outer_.InsertAbsent(i); }

    // Every column, last to first, gets an inner list and moves its row.
    void MoveRow(int a, int b) {
        for (int c = outer_.Count() - 1; c >= 0; --c)
            InnerFor(c).Move(a, b);
    }

    // An absent entry at row i in every present inner list long enough.
    void InsertRow(int i) {
        for (int c = 0; c < outer_.Count(); ++c)
            if (auto& inner = outer_.Slot(c))
                inner->InsertAbsent(i);
    }

    void Clear() { outer_.Clear(); }

private:
    Inner& InnerFor(int c) {
        auto& inner = outer_.Slot(c);
        if (!inner)
            inner = std::make_unique<Inner>();
        return *inner;
    }

    SparseList<std::unique_ptr<Inner>> outer_;
};
