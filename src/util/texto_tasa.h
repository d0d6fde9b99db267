#pragma once
// The text of an interest rate or a TAE, in percent. With two decimals, as
// every amount, except a rate so small that two decimals would show it as
// 0,00: that one gets the decimals it needs to show two significant digits
// (0,0017), so a positive rate never reads as no interest at all. Below a
// ten-billionth of a percent a rate is rounding noise and shows as 0,00.
#include <QString>

QString TextoTasa(double valor);

// True for a rate of at least a ten-billionth of a percent that would show
// as 0,00 with two decimals.
bool TasaDiminuta(double valor);

// The same text without grouping, to be written back into an edit box.
QString TextoTasaCampo(double valor);
