#pragma once
// The counts of a grid, as the attribute model and the stream writers see them.
class TGridGeometry {
public:
    virtual ~TGridGeometry() = default;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual int FixedCols() const = 0;
    virtual int FixedRows() const = 0;
};
