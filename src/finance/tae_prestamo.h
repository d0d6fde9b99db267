#pragma once
// The annual percentage rate (TAE) of a loan: the annual equivalent of the
// internal rate of return of the contract's cash flows, the capital received
// less the opening fee and the initial costs against the level instalments.
// Early repayments and revisions to come do not change it. A loan with
// another repayment system, a grace period, a variable or mixed rate or
// yearly costs is worked out from the flows of its schedule, the costs paid
// with each instalment and the index assumed to stay where it is.
#include "finance/condiciones_prestamo.h"
#include "finance/tvm.h"

namespace finance {

// In percent, unrounded. 0 when there is no loan to speak of (no capital or
// no instalments). Throws ECondicionesPrestamo when the fee and costs take
// the whole capital, and the time-value-of-money exceptions when no rate fits.
// For a mixed rate the variable part is taken at no less than the fixed rate.
double TaePrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                   const CondicionesPrestamo& condiciones);

// The same rate worked out from what the schedule really pays once the
// typed revisions and early repayments (with their fees) apply: a person who
// types the rates to come wants to see what they cost. Throws what
// TaePrestamo and the simulation of the schedule throw, and
// EInvalidArgument when no rate fits the flows.
double TaeConRevisiones(double capital, double interes, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& condiciones);

// True when the rate is variable or mixed: its TAE depends on an index that
// will change, and is named "TAE variable".
bool EsTaeVariable(const CondicionesPrestamo& condiciones);
// "TAE variable" or "TAE".
QString NombreTae(const CondicionesPrestamo& condiciones);

}  // namespace finance
