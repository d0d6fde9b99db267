#include "widgets/grid/grid_colors.h"

#include <array>

namespace {

// The classic desktop's system colours, by index.
constexpr std::array<QRgb, 31> ColoresSistema = {
    qRgb(200, 200, 200),  // scroll bar
    qRgb(0, 0, 0),        // desktop
    qRgb(51, 94, 168),    // active caption
    qRgb(191, 205, 219),  // inactive caption
    qRgb(240, 240, 240),  // menu
    qRgb(255, 255, 255),  // window
    qRgb(100, 100, 100),  // window frame
    qRgb(0, 0, 0),        // menu text
    qRgb(0, 0, 0),        // window text
    qRgb(255, 255, 255),  // caption text
    qRgb(180, 180, 180),  // active border
    qRgb(244, 247, 252),  // inactive border
    qRgb(171, 171, 171),  // application workspace
    qRgb(0, 120, 215),    // highlight
    qRgb(255, 255, 255),  // highlight text
    qRgb(240, 240, 240),  // button face
    qRgb(160, 160, 160),  // button shadow
    qRgb(109, 109, 109),  // grey text
    qRgb(0, 0, 0),        // button text
    qRgb(0, 0, 0),        // inactive caption text
    qRgb(255, 255, 255),  // button highlight
    qRgb(105, 105, 105),  // 3D dark shadow
    qRgb(227, 227, 227),  // 3D light
    qRgb(0, 0, 0),        // tooltip text
    qRgb(255, 255, 225),  // tooltip background
    qRgb(0, 0, 0),        // unused
    qRgb(0, 102, 204),    // hot light
    qRgb(185, 209, 234),  // active caption gradient
    qRgb(215, 228, 242),  // inactive caption gradient
    qRgb(51, 153, 255),   // menu highlight
    qRgb(240, 240, 240),  // menu bar
};

}  // namespace

QColor ColorToQColor(TColor color) {
    if (color & clSystemColor) {
        const quint32 indice = color & 0x00FFFFFFu;
        if (indice < ColoresSistema.size())
            return QColor(ColoresSistema[indice]);
        return QColor(Qt::black);
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
