#pragma once
// A brush owned by a grid: a colour and a fill style, with a change
// notification and a mark that records any change ever made.
#include "widgets/grid/grid_types.h"

#include <QBrush>
#include <functional>

// 0 solid, 1 clear, then the hatches.
enum TBrushStyle : quint8 {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7
};

class TGridBrush {
public:
    TGridBrush() = default;
    virtual ~TGridBrush() = default;
    TGridBrush(const TGridBrush&) = delete;
    TGridBrush& operator=(const TGridBrush&) = delete;

    TColor Color() const { return color_; }
    int Style() const { return style_; }

    // A new colour makes a clear brush solid.
    void SetColor(TColor value);
    void SetStyle(int value);
    void Assign(const TGridBrush& other);

    bool Modified() const { return modified_; }

    // The Qt brush for painting; Qt::NoBrush for a clear brush.
    QBrush QtBrush() const;

    std::function<void()> OnChange;

protected:
    virtual void Changed();

private:
    TColor color_ = clWhite;
    int style_ = bsSolid;
    bool modified_ = false;
};
