#include "widgets/grid/grid_font.h"

#include <cmath>

const QString TGridFont::DefaultName = QStringLiteral("Arial");

void TGridFont::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Changed();
}

void TGridFont::SetHeight(int value) {
    if (value == height_)
        return;
    height_ = value;
    Changed();
}

void TGridFont::SetName(const QString& value) {
    if (value == name_)
        return;
    name_ = value;
    Changed();
}

void TGridFont::SetPitch(int value) {
    if (value == pitch_)
        return;
    pitch_ = value;
    Changed();
}

void TGridFont::SetStyle(quint8 value) {
    if (value == style_)
        return;
    style_ = value;
    Changed();
}

bool TGridFont::SameAs(const TGridFont& other) const {
    return color_ == other.color_ && height_ == other.height_ && name_ == other.name_ &&
           pitch_ == other.pitch_ && style_ == other.style_;
}

void TGridFont::Assign(const TGridFont& other) {
    if (SameAs(other))
        return;
    color_ = other.color_;
    height_ = other.height_;
    name_ = other.name_;
    pitch_ = other.pitch_;
    style_ = other.style_;
    Changed();
}

void TGridFont::Changed() {
    modified_ = true;
    qtFont_.reset();
    if (OnChange)
        OnChange();
}

const QFont& TGridFont::QtFont() const {
    if (!qtFont_) {
        QFont f(name_);
        // A positive height includes the internal leading, about a sixth of the cell.
        const int pixeles = height_ < 0 ? -height_ : int(std::lround(height_ * 0.85));
        f.setPixelSize(qMax(1, pixeles));
        f.setBold(style_ & fsBold);
        f.setItalic(style_ & fsItalic);
        f.setUnderline(style_ & fsUnderline);
        f.setStrikeOut(style_ & fsStrikeOut);
        if (pitch_ == 2)
            f.setFixedPitch(true);
        qtFont_ = f;
    }
    return *qtFont_;
}
