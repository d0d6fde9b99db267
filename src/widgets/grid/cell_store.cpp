#include "widgets/grid/cell_store.h"

#include <algorithm>
#include <cstdlib>

char* CellText::Bloque() const {
    char* p;
    std::memcpy(&p, raw_ + 8, sizeof p);
    return p;
}

void CellText::Free() {
    if (raw_[0] == EnMonton)
        std::free(Bloque());
}

QString CellText::Text() const {
    if (raw_[0] == 0)
        return QString();
    if (raw_[0] != EnMonton)
        return QString::fromUtf8(reinterpret_cast<const char*>(raw_ + 1), raw_[0]);
    const char* p = Bloque();
    quint32 n;
    std::memcpy(&n, p, sizeof n);
    return QString::fromUtf8(p + sizeof n, qsizetype(n));
}

void CellText::SetText(const QString& text) {
    Clear();
    const qsizetype n = text.size();
    if (n == 0)
        return;
    // Short plain ASCII texts, such as amounts, go straight in without a
    // conversion buffer.
    if (n <= MaxDentro) {
        const QChar* d = text.constData();
        bool ascii = true;
        for (qsizetype i = 0; i < n && ascii; ++i)
            ascii = d[i].unicode() < 0x80 && d[i].unicode() != 0;
        if (ascii) {
            raw_[0] = static_cast<unsigned char>(n);
            for (qsizetype i = 0; i < n; ++i)
                raw_[1 + i] = static_cast<unsigned char>(d[i].unicode());
            return;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= MaxDentro) {
        raw_[0] = static_cast<unsigned char>(utf8.size());
        std::memcpy(raw_ + 1, utf8.constData(), size_t(utf8.size()));
        return;
    }
    const quint32 largo = quint32(utf8.size());
    char* p = static_cast<char*>(std::malloc(sizeof largo + largo));
    if (!p)
        throw std::bad_alloc();
    std::memcpy(p, &largo, sizeof largo);
    std::memcpy(p + sizeof largo, utf8.constData(), largo);
    raw_[0] = EnMonton;
    std::memcpy(raw_ + 8, &p, sizeof p);
}

QString CellStore::Text(int c, int r) const {
    if (c < 0 || r < 0 || c >= int(cols_.size()) || r >= int(cols_[size_t(c)].size()))
        return QString();
    return cols_[size_t(c)][size_t(r)].Text();
}

bool CellStore::IsEmpty(int c, int r) const {
    if (c < 0 || r < 0 || c >= int(cols_.size()) || r >= int(cols_[size_t(c)].size()))
        return true;
    return cols_[size_t(c)][size_t(r)].IsEmpty();
}

void CellStore::SetText(int c, int r, const QString& text, int limitRows) {
    if (c < 0 || r < 0)
        return;
    if (c >= int(cols_.size())) {
        if (text.isEmpty())
            return;
        cols_.resize(size_t(c) + 1);
    }
    auto& col = cols_[size_t(c)];
    if (r >= int(col.size())) {
        if (text.isEmpty())
            return;
        // Grow by half again, never beyond the grid's rows, and reserve
        // exactly, so that a full column ends with no spare capacity.
        const size_t actual = col.size();
        size_t nuevo = std::max(size_t(r) + 1, actual + actual / 2 + 16);
        nuevo = std::min(nuevo, size_t(std::max(limitRows, r + 1)));
        if (nuevo > col.capacity()) {
            std::vector<CellText> mayor;
            mayor.reserve(nuevo);
            for (auto& t : col)
                mayor.push_back(std::move(t));
            col.swap(mayor);
        }
        col.resize(nuevo);
    }
    col[size_t(r)].SetText(text);
}

void CellStore::MoveColumn(int a, int b) {
    if (a < 0 || b < 0 || a == b)
        return;
    const int n = int(cols_.size());
    if (a >= n && b >= n)
        return;
    cols_.resize(size_t(std::max({n, a + 1, b + 1})));
    if (a < b)
        std::rotate(cols_.begin() + a, cols_.begin() + a + 1, cols_.begin() + b + 1);
    else
        std::rotate(cols_.begin() + b, cols_.begin() + a, cols_.begin() + a + 1);
}

void CellStore::MoveRow(int a, int b) {
    if (a < 0 || b < 0 || a == b)
        return;
    for (auto& col : cols_) {
        const int n = int(col.size());
        if (a >= n && b >= n)
            continue;
        if (std::max(a, b) >= n)
            col.resize(size_t(std::max(a, b)) + 1);
        if (a < b)
            std::rotate(col.begin() + a, col.begin() + a + 1, col.begin() + b + 1);
        else
            std::rotate(col.begin() + b, col.begin() + a, col.begin() + a + 1);
    }
}

void CellStore::Truncate(int colCount, int rowCount) {
    if (int(cols_.size()) > colCount)
        cols_.resize(size_t(std::max(0, colCount)));
    for (auto& col : cols_)
        if (int(col.size()) > rowCount) {
            col.resize(size_t(std::max(0, rowCount)));
            col.shrink_to_fit();
        }
}

void CellStore::ClearColumn(int c) {
    if (c >= 0 && c < int(cols_.size()))
        cols_[size_t(c)].clear();
}

void CellStore::ClearRow(int r) {
    for (auto& col : cols_)
        if (r >= 0 && r < int(col.size()))
            col[size_t(r)].Clear();
}
