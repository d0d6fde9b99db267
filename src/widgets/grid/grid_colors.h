#pragma once
// Turns a TColor into a colour the painter understands.
#include "widgets/grid/grid_types.h"

#include <QColor>

// Explicit colours map their red, green and blue bytes; system colours map to
// this program's fixed palette (the classic desktop colours), so that a grid
// looks the same on every desktop theme. An unknown system index gives black.
QColor ColorToQColor(TColor color);
