#pragma once
// The loans page's unknowns for a loan whose instalments no single formula
// gives: another repayment system, a grace period, a variable or mixed
// rate. "Cuota" is then the first instalment the repayment system sets
// (the first after the grace period); the others are found numerically from
// it with the schedule itself. What cannot be solved is refused with a
// Spanish message (ECondicionesPrestamo).
#include "finance/condiciones_prestamo.h"
#include "finance/tvm.h"

namespace finance {

// The first instalment after the grace period, in euros to the cent, of the
// contract's schedule (without early repayments or typed revisions).
long double PrimeraCuotaDelSistema(double capital, double interes, int numCuotas, PaymentTiming timing,
                                   const CondicionesPrestamo& condiciones);

// The capital that a first instalment `cuota` repays, to the cent.
double CapitalDeLaCuota(double cuota, double interes, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& condiciones);

// The annual rate (percent) at which `capital` has first instalment `cuota`.
double InteresDeLaCuota(double capital, double cuota, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& condiciones);

// The fewest instalments whose first one is no more than `cuota`.
int CuotasDeLaCuota(double capital, double interes, double cuota, PaymentTiming timing,
                    const CondicionesPrestamo& condiciones);

}  // namespace finance
