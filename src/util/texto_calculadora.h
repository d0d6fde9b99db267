#pragma once
// The calculator's number text: what its display shows and what the
// calculator button writes back into an edit box.
#include <QString>

// Up to 15 significant digits with the regional decimal separator, no
// grouping, trailing zeros and a trailing separator dropped. Fixed notation
// for 0 and for magnitudes from 0.0001 up to below 10^15 (after rounding to 15
// digits); scientific otherwise, as 1E20 or -1,5E-7. Zero of either sign
// gives "0". Infinity and NaN give an empty text: callers refuse them first.
QString TextoCalculadora(double valor);
