#pragma once
// Money in whole cents, as a bank books it: amounts become integer cents and
// the interest of a period is rounded half up (away from zero) to the cent,
// so that a schedule built from them is payable to the cent and adds up
// exactly at any size the program accepts (1e15 is 1e17 cents, well inside
// 64 bits).
#include <cstdint>

namespace finance {

using CentimosEnteros = std::int64_t;

// The nearest whole number of cents to an amount in euros, halves away from
// zero. Throws EOverflow when the amount does not fit in 64-bit cents.
CentimosEnteros ACentimos(long double euros);

inline long double AEuros(CentimosEnteros c) { return static_cast<long double>(c) / 100; }

// The cents of a finite amount as the program's texts round it: halves
// away from zero, a value within a millionth of a cent of a half cent
// counting as the half cent (see RedondearCentimos). Held in a long double,
// whose 64-bit mantissa holds every cent of any amount the program shows.
long double CentimosComoSeMuestra(double importe);

// The same as a whole number; throws EOverflow for a value that is not
// finite or beyond kImporteMaximo, where no amount is held to the cent.
CentimosEnteros CentimosDeImporte(double importe);

// An amount rounded to the cent as it is shown; an amount beyond
// kImporteMaximo, which no double holds to the cent, is left as it is.
double RedondeadoAlCentimo(double importe);

// a - b; throws EOverflow rather than wrap around.
CentimosEnteros RestarCentimos(CentimosEnteros a, CentimosEnteros b);

// An annual nominal percentage applied once per period (12 periods a year
// for monthly instalments).
class TasaPeriodo {
public:
    TasaPeriodo(double interesAnual, int periodosPorAnio);

    // The rate of one period as a fraction (0.01 is 1 %).
    long double Tasa() const { return tasa_; }
    // The interest of one period on `pendiente` cents, rounded half up to
    // the cent. A typed rate is a decimal (3,1 % is not exactly a binary
    // fraction), so a result that falls on half a cent is settled with the
    // decimal rate in integers rather than by the binary one's last bit.
    CentimosEnteros Interes(CentimosEnteros pendiente) const;

private:
    long double tasa_;
    // The rate as an exact decimal fraction, numerador_ / denominador_,
    // when the percentage has at most twelve decimals and fits.
    bool decimal_ = false;
    std::int64_t numerador_ = 0;
    std::int64_t denominador_ = 1;
};

}  // namespace finance
