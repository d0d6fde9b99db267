#include "widgets/grid/cell_text_fit.h"

#include <QFontMetrics>
#include <QList>

namespace {

bool LineFits(QStringView line, const QFontMetrics& fm, int cellWidth) {
    return line.isEmpty() || fm.horizontalAdvance(line.toString()) <= cellWidth - 2 * kCellTextMargin;
}

}  // namespace

bool IsFigureLine(QStringView line) {
    bool digit = false;
    for (QChar ch : line) {
        if (ch.isLetter())
            return false;
        digit = digit || ch.isDigit();
    }
    return digit;
}

QString FittedCellLine(QStringView line, const QFontMetrics& fm, int cellWidth) {
    if (LineFits(line, fm, cellWidth) || !IsFigureLine(line))
        return line.toString();
    return QStringLiteral("\u2026");
}

bool CellTextCut(const QString& text, const QFontMetrics& fm, int cellWidth) {
    for (QStringView line : QStringView(text).split(QLatin1Char('\r'))) {
        if (line.startsWith(QLatin1Char('\n')))
            line = line.mid(1);
        if (!LineFits(line, fm, cellWidth))
            return true;
    }
    return false;
}
