#pragma once
// The tax on the gain of a savings plan when it is cashed in.
#include "finance/condiciones_inversion.h"

namespace finance {

// The tax the Spanish brackets of savings income charge on `base` euros,
// rounded to the cent; nothing on a base of 0 or less.
double ImpuestoTramosAhorro(double base);

// The tax on `ganancia` under the plan's conditions: the brackets, a flat
// percentage, or none. A loss pays nothing.
double ImpuestoSobreGanancia(const CondicionesInversion& condiciones, double ganancia);

}  // namespace finance
