#include "widgets/grid/grid_axis.h"

#include <QtGlobal>

TGridAxis::TGridAxis(const std::vector<int>& sizes, int defaultSize, int lineWidth, int count, int fixed, int first,
                     int length)
    : sizes_(sizes),
      defaultSize_(defaultSize),
      lineWidth_(lineWidth),
      count_(count),
      fixed_(fixed),
      first_(first),
      length_(length) {}

int TGridAxis::FixedLength() const {
    int l = 0;
    for (int i = 0; i < fixed_; ++i)
        l += Step(i);
    return l;
}

int TGridAxis::LineAt(int pos) const {
    if (pos < 0)
        return -1;
    int fin = 0;
    for (int i = 0; i < fixed_; ++i) {
        fin += Step(i);
        if (pos < fin)
            return i;
    }
    for (int i = first_; i < count_ && fin <= length_; ++i) {
        fin += Step(i);
        if (pos < fin)
            return i;
    }
    return -1;
}

int TGridAxis::StartOf(int i) const {
    if (i < 0 || i >= count_)
        return -1;
    int pos = 0;
    if (i < fixed_) {
        for (int k = 0; k < i; ++k)
            pos += Step(k);
        return pos;
    }
    if (i < first_)
        return -1;
    pos = FixedLength();
    if (sizes_.empty()) {
        // Uniform lines: no walk, so that far lines cost as little as near ones.
        const qint64 desde = pos + qint64(i - first_) * (defaultSize_ + lineWidth_);
        return desde > length_ ? -1 : int(desde);
    }
    for (int k = first_; k < i; ++k) {
        pos += Step(k);
        if (pos > length_)
            return -1;
    }
    return pos;
}

int TGridAxis::EdgeNear(int pos, int margin) const {
    for (int i = qMax(0, LineAt(pos - margin)); i >= 0 && i < count_; ++i) {
        const int inicio = StartOf(i);
        if (inicio < 0 || inicio > pos + margin)
            break;
        if (qAbs(pos - (inicio + Size(i))) <= margin)
            return i;
    }
    return -1;
}

int TGridAxis::MaxFirst() const {
    const int disponible = length_ - FixedLength();
    int l = 0;
    for (int i = count_ - 1; i >= fixed_; --i) {
        l += Step(i);
        if (l > disponible)
            return qMin(i + 1, count_ - 1);
    }
    return fixed_;
}

int TGridAxis::LastFull(int first) const {
    int fin = FixedLength();
    int i = first;
    while (i < count_) {
        fin += Step(i);
        if (fin > length_)
            break;
        ++i;
    }
    return qMax(first, i - 1);
}

int TGridAxis::FirstShowing(int i) const {
    const int disponible = length_ - FixedLength();
    int first = i;
    int l = Step(i);
    while (first - 1 >= fixed_ && l + Step(first - 1) <= disponible) {
        --first;
        l += Step(first);
    }
    return first;
}

std::vector<TGridSpan> TGridAxis::Spans() const {
    std::vector<TGridSpan> spans;
    int pos = 0;
    for (int i = 0; i < fixed_; ++i) {
        spans.push_back({i, pos, Size(i)});
        pos += Step(i);
    }
    for (int i = first_; i < count_ && pos < length_; ++i) {
        spans.push_back({i, pos, Size(i)});
        pos += Step(i);
    }
    return spans;
}
