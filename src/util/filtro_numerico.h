#pragma once
// The rule of numeric edit boxes, apart from any widget: what a typed key or a
// pasted text turns the box's text into, or why it is refused.
//
// A box always holds the start of a number it can read: an optional minus
// sign where allowed, digits optionally grouped by the regional thousands
// separator (one to three digits, then groups of exactly three), and, where
// decimals are allowed, the regional decimal separator and digits. A typed
// thousands separator groups thousands; it never becomes the decimal
// separator, so that "150.000" typed with Spanish settings is a hundred and
// fifty thousand, as it is when pasted. The decimal key of the numeric keypad
// types the regional decimal separator whatever its label, as desktop habit
// has it. A box with decimals holds what a double keeps exactly to the cent:
// at most 15 significant digits when the number has decimals, and whole
// amounts up to kImporteMaximo.
#include <QChar>
#include <QString>

// Tag of a numeric edit box: D + 10 × S, D = 1 when decimals are allowed and
// S = 1 when a minus sign is allowed (0, 1, 10 or 11).
int TagNumerico(bool decimales, bool signo);

struct SeparadoresNumericos {
    QChar decimal = QLatin1Char(',');
    QChar miles = QLatin1Char('.');
};

// How far a text is from a number the box can read.
enum class EstadoTextoNumerico {
    Completo,    // reads as it is (the empty text too: an empty box counts as 0)
    Incompleto,  // the start of a number: a thousands group still short of three digits
    Invalido,    // no number starts like this, or one beyond what the box holds
};

struct ComprobacionNumerica {
    EstadoTextoNumerico estado = EstadoTextoNumerico::Completo;
    QString motivo;  // Spanish reason, for Incompleto and Invalido
};

// Checks the whole text of a box with the given tag.
ComprobacionNumerica ComprobarTextoNumerico(const QString& texto, int tag, SeparadoresNumericos separadores);

// The outcome of an edit: the box's new text, or the reason it is
// refused (the box then keeps its text).
struct EdicionNumerica {
    QString texto;      // the whole text after the edit
    QString insertado;  // what goes in place of the selection
    QString motivo;
    bool Admitida() const { return motivo.isEmpty(); }
};

// Where a typed character comes from: the numeric keypad's decimal key types
// the decimal separator.
enum class OrigenTecla { Principal, TecladoNumerico };

// Typing one printable character over the selection [inicio, fin) of
// `texto` (an empty selection is the caret).
EdicionNumerica TeclearNumero(const QString& texto, int inicio, int fin, QChar caracter, OrigenTecla origen,
                              int tag, SeparadoresNumericos separadores);

// Pasting (or dropping) a text over the selection. The text is taken as a
// person means it: blanks around it ignored, in a box with decimals a euro
// sign before or after it and a percent sign after it dropped, and blanks
// between thousands groups ("1 000,50") read as the thousands separator.
EdicionNumerica PegarNumero(const QString& texto, int inicio, int fin, const QString& pegado, int tag,
                            SeparadoresNumericos separadores);
