#include "widgets/grid/cell_text_fit.h"

#include <QFontMetrics>
#include <QList>

bool IsFigureLine(QStringView line) {
    bool digit = false;
    for (QChar ch : line) {
        if (ch.isLetter())
            return false;
        digit = digit || ch.isDigit();
    }
    return digit;
}

bool CellTextCut(const QString& text, const QFontMetrics& fm, int cellWidth) {
    for (QStringView line : QStringView(text).split(QLatin1Char('\r'))) {
        if (line.startsWith(QLatin1Char('\n')))
            line = line.mid(1);
        if (!line.isEmpty() && !CellLineFits(fm.horizontalAdvance(line.toString()), cellWidth))
            return true;
    }
    return false;
}
