#pragma once
// Amounts in whole cents, rounded as the program shows them: halves away
// from zero, a value within a millionth of a cent of a half cent counting as
// the half cent.
namespace finance {

// The cents of an amount; throws EOverflow for a value that is not finite or
// beyond kImporteMaximo, where no amount is held to the cent.
long long CentimosDeImporte(double importe);

inline double EurosDe(long long centimos) { return static_cast<double>(centimos) / 100.0; }

// The amount rounded to the cent; an amount beyond kImporteMaximo, which no
// double holds to the cent, is left as it is.
double RedondeadoAlCentimo(double importe);

}  // namespace finance
