#pragma once
// Number texts with the user's decimal and thousands separators, both ways.
#include <QString>

#include <cstddef>

// The largest magnitude of an amount, a percentage or a result: 1e15 shows
// whole as 1.000.000.000.000.000,00; anything beyond it is refused on input
// and a calculation whose result passes it is refused with its warning.
constexpr double kImporteMaximo = 1e15;

// True for a finite value of magnitude up to kImporteMaximo.
bool ImporteMostrable(double valor);

// Room for the cents of any finite double (309 integer digits, a carry and
// two decimals).
constexpr std::size_t kMaxCifrasCentimos = 320;

struct Centimos {
    std::size_t largo = 0;  // digits written: the integer part (at least "0") and two decimals
    bool negativo = false;  // false for a value that rounds to zero: never -0,00
};

// The one rounding of every amount and percentage the program shows: the
// shortest decimal digits that read back as the same double, rounded to
// cents with halves away from zero, as a person rounds money by hand (1,125
// gives 1,13). Sums and differences drift by a few units in the last binary
// place, so a value within a millionth of a cent of a half cent counts as the
// half cent: 170447,56499999983 is 170447,565 and gives 170447,57. Writes the
// digits of |valor| in cents into `cifras`; valor must be finite.
Centimos RedondearCentimos(double valor, char (&cifras)[kMaxCifrasCentimos]);

// "%.2f": two decimals, no grouping (values written back into edit boxes).
QString TextoDosDecimales(double valor);

// "%.2n": two decimals with thousands grouped by three (result panels,
// schedule cells): 1.000,00 and 10.327,97 with Spanish settings.
QString TextoImporte(double valor);

// Plain integer text ("%d").
QString TextoEntero(long long valor);

// Digits grouped by three with the given separator: 1000000 gives 1.000.000.
QString CifrasAgrupadas(const QString& cifras, QChar miles);

// A whole number with its thousands grouped by the regional separator, as
// messages write counts: 1.048.576.
QString TextoEnteroAgrupado(long long valor);

// Reads a number: optional sign, digits with the regional decimal separator,
// optional exponent, surrounding blanks ignored, no grouping. Anything else
// throws EConvertError with a Spanish message naming the text.
double LeerNumero(const QString& texto);

// The text of a number as LeerNumero takes it, in the form free of regional
// settings that files keep ("-1234.5e3"); empty for any other text.
QString FormaSinRegion(const QString& texto);

// Reads a whole number that fits in 32 bits (optional sign, digits, blanks
// around). Anything else throws EConvertError.
int LeerEntero(const QString& texto);

// The text without what a person writes around an amount: the blanks around
// it (no-break spaces included), with `porcentaje` a percent sign after it,
// and with `euro` one euro sign before or after the number.
QString SinAdornosDeImporte(const QString& texto, bool euro, bool porcentaje);

// Reads an amount or a percentage from a field, as a person means it when
// pasting: besides what LeerNumero takes, a euro sign before or after the
// number ("1000 €", "€ 1.000") and thousands grouped by the regional
// separator or by blanks (also no-break spaces) in well-formed groups of
// three ("1.000,50", "1 000,50"). Grouped numbers take no exponent. A text
// still unreadable throws LeerNumero's EConvertError, which shows the right
// way when the text reads with its separators swapped ("3.5" ...; escriba
// 3,5); a magnitude above kImporteMaximo, or one too close to zero for a
// double ("1e-400"), throws EConvertError saying so.
double LeerImporte(const QString& texto);

// Reads a whole count from a field: LeerEntero, plus thousands grouped as in
// LeerImporte ("1.200"), with its messages; one beyond 32 bits is too large.
int LeerCantidad(const QString& texto);
