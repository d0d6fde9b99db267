#pragma once
// Number texts with the user's decimal and thousands separators.
#include <QString>

// "%.2f": two decimals, no grouping (values written back into edit boxes).
QString TextoDosDecimales(double valor);

// "%.2n": two decimals with thousands grouped by three (result panels,
// schedule cells): 1.000,00 and 10.327,97 with Spanish settings.
QString TextoImporte(double valor);

// Plain integer text ("%d").
QString TextoEntero(long long valor);

// Reads a number: optional sign, digits with the regional decimal separator,
// optional exponent, surrounding blanks ignored, no grouping. Anything else
// throws EConvertError with a Spanish message naming the text.
double LeerNumero(const QString& texto);

// Reads a whole number that fits in 32 bits (optional sign, digits, blanks
// around). Anything else throws EConvertError.
int LeerEntero(const QString& texto);
