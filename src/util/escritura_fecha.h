#pragma once
// Typing in a date field: what a typed "/" does to the field's text.
#include <QString>
#include <optional>

// A date field's text with the position of its cursor.
struct TextoConCursor {
    QString texto;
    int cursor = 0;

    bool operator==(const TextoConCursor&) const = default;
};

// A "/" typed in a date field ("dd/mm/yyyy", ten characters, blanks for empty
// positions) ends the day or month being written: the digits typed in that
// part before the cursor are completed with a leading zero ("1" gives "01"),
// whatever followed them in the part is dropped, and the cursor moves to the
// start of the next part. So 1/1/2030 typed into an empty field gives
// 01/01/2030. No value when there is nothing to end: the cursor in the year,
// or no digit typed yet in the part.
std::optional<TextoConCursor> CerrarParteFecha(const QString& texto, int cursor);
