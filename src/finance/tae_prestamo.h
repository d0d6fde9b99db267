#pragma once
// The annual percentage rate (TAE) of a loan: the annual equivalent of the
// internal rate of return of the contract's cash flows, the capital received
// less the opening fee and the initial costs against the level instalments.
// Early repayments and revisions to come do not change it.
#include "finance/condiciones_prestamo.h"
#include "finance/tvm.h"

namespace finance {

// In percent, unrounded. 0 when there is no loan to speak of (no capital or
// no instalments). Throws ECondicionesPrestamo when the fee and costs take
// the whole capital, and the time-value-of-money exceptions when no rate fits.
double TaePrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                   const CondicionesPrestamo& condiciones);

}  // namespace finance
