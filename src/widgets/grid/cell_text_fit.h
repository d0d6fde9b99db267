#pragma once
// Fitting a cell's text to its width. A figure that does not fit is never
// drawn in part, since its visible digits would read as another figure: the
// cell shows an ellipsis instead, and its hint gives the whole text.
#include <QString>
#include <QStringView>

class QFontMetrics;

// Pixels kept clear between a cell's text and either edge of the cell.
inline constexpr int kCellTextMargin = 2;

// A line of digits with their signs, separators and units, and no letters:
// an amount, a count, a percentage or a date.
bool IsFigureLine(QStringView line);

// Whether a line of the given width fits a cell of the given width.
inline bool CellLineFits(int lineWidth, int cellWidth) { return lineWidth <= cellWidth - 2 * kCellTextMargin; }

// What a cell shows in place of a figure too wide for it.
inline const QString CellEllipsis = QStringLiteral("\u2026");

// Whether some line of a cell text (lines end at CR or CR LF) is wider than a
// cell of the given width shows.
bool CellTextCut(const QString& text, const QFontMetrics& fm, int cellWidth);
