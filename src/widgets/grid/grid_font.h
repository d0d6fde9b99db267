#pragma once
// A font owned by a grid: typeface, height, pitch, style bits and colour,
// with a change notification and a mark that records any change ever made.
#include "widgets/grid/grid_types.h"

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

enum TFontStyleBit : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TGridFont {
public:
    // The default font every new font starts with: Arial, 12 pixels
    // (9 points), window text colour, default pitch, no style.
    static const QString DefaultName;
    static constexpr int DefaultHeight = -12;
    static constexpr TColor DefaultColor = clWindowText;

    TGridFont() = default;
    virtual ~TGridFont() = default;
    TGridFont(const TGridFont&) = delete;
    TGridFont& operator=(const TGridFont&) = delete;

    TColor Color() const { return color_; }
    // Negative: character height in pixels; positive: cell height in pixels.
    int Height() const { return height_; }
    const QString& Name() const { return name_; }
    // 0 default, 1 variable, 2 fixed.
    int Pitch() const { return pitch_; }
    // fsBold, fsItalic, fsUnderline, fsStrikeOut.
    quint8 Style() const { return style_; }

    // Each setter that changes the value raises Changed.
    void SetColor(TColor value);
    void SetHeight(int value);
    void SetName(const QString& value);
    void SetPitch(int value);
    void SetStyle(quint8 value);
    // Copies every field of another font; one notification when anything differs.
    void Assign(const TGridFont& other);
    bool SameAs(const TGridFont& other) const;

    bool Modified() const { return modified_; }

    // The Qt font for painting; built on first use after a change.
    const QFont& QtFont() const;

    // Raised after every change.
    std::function<void()> OnChange;

protected:
    virtual void Changed();

private:
    TColor color_ = DefaultColor;
    int height_ = DefaultHeight;
    QString name_ = DefaultName;
    int pitch_ = 0;
    quint8 style_ = 0;
    bool modified_ = false;
    mutable std::optional<QFont> qtFont_;
};
