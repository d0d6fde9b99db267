#pragma once
// The character rule of numeric edit boxes, apart from any widget.
#include <QChar>
#include <QString>
#include <optional>

// Tag of a numeric edit box: D + 10 × S, D = 1 when decimals are allowed and
// S = 1 when a minus sign is allowed (0, 1, 10 or 11).
int TagNumerico(bool decimales, bool signo);

// What a typed character becomes in a numeric edit box whose whole text is
// `texto`, with the selection (or caret) starting at `cursor`: the character
// to insert ("." becomes the regional decimal separator), or none when it is
// rejected. Control characters (below 32, and DEL) pass unchanged.
std::optional<QChar> FiltrarCaracterNumerico(QChar caracter, const QString& texto, int cursor, int tag,
                                             QChar separadorDecimal);
