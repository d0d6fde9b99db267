#pragma once
// One direction of the grid, columns across or rows down: the line sizes,
// the fixed lines at the start, the first scrolled line shown after them and
// the viewport's length in that direction. Columns and rows are found and
// placed by the same walks; every line is followed by a grid line.
#include <cstddef>
#include <vector>

// A line as painted: its index, start and size along the axis.
struct TGridSpan {
    int index;
    int pos;
    int size;
};

class TGridAxis {
public:
    // sizes holds the explicit sizes (lines past its end have defaultSize);
    // it must outlive the axis, which is made for one question at a time.
    TGridAxis(const std::vector<int>& sizes, int defaultSize, int lineWidth, int count, int fixed, int first,
              int length);

    int Size(int i) const {
        return i >= 0 && i < int(sizes_.size()) ? sizes_[std::size_t(i)] : defaultSize_;
    }
    // The length of the fixed lines with their grid lines.
    int FixedLength() const;
    // The line at a position, or -1 before the grid or past the last line shown.
    int LineAt(int pos) const;
    // Where a line starts, or -1 when it is scrolled away or starts past the viewport.
    int StartOf(int i) const;
    // The line whose far edge is within margin of a position, or -1; the
    // walk starts at the line before the position and stops at a gap.
    int EdgeNear(int pos, int margin) const;
    // The largest first line that leaves no empty space at the end, when the
    // lines are long enough to need scrolling.
    int MaxFirst() const;
    // The last line shown whole when first is the first scrolled line.
    int LastFull(int first) const;
    // The first scrolled line that shows line i whole as the last one.
    int FirstShowing(int i) const;
    // The lines a paint meets: the fixed ones, then the scrolled ones that
    // start inside the viewport.
    std::vector<TGridSpan> Spans() const;

private:
    int Step(int i) const { return Size(i) + lineWidth_; }

    const std::vector<int>& sizes_;
    int defaultSize_;
    int lineWidth_;
    int count_;
    int fixed_;
    int first_;
    int length_;
};
