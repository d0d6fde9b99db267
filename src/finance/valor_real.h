#pragma once
// Money of a later date in today's money.
namespace finance {

// `nominal` euros of `meses` months from now in today's money, with prices
// rising `inflacion` percent a year: nominal / (1 + inflacion)^(meses / 12),
// rounded to the cent.
double ValorReal(double nominal, double inflacion, int meses);

}  // namespace finance
