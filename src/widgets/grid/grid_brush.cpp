#include "widgets/grid/grid_brush.h"

#include "widgets/grid/grid_colors.h"

void TGridBrush::SetColor(TColor value) {
    const int estilo = style_ == bsClear ? int(bsSolid) : style_;
    if (value == color_ && estilo == style_)
        return;
    color_ = value;
    style_ = estilo;
    Changed();
}

void TGridBrush::SetStyle(int value) {
    if (value == style_)
        return;
    style_ = value;
    Changed();
}

void TGridBrush::Assign(const TGridBrush& other) {
    if (other.color_ == color_ && other.style_ == style_)
        return;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

void TGridBrush::Changed() {
    modified_ = true;
    if (OnChange)
        OnChange();
}

QBrush TGridBrush::QtBrush() const {
    const QColor color = ColorToQColor(color_);
    switch (style_) {
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    default: return QBrush(color);
    }
}
