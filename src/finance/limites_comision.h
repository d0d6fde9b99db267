#pragma once
// The most a lender may charge for an early repayment of a home loan to a
// person, by the kind of rate and the loan's age. One table, so that the
// schedule, the warnings and any window that explains them agree.
#include "finance/condiciones_prestamo.h"

namespace finance {

// The legal maximum, as a percentage of the amount repaid, for a repayment
// made `meses` months after the signing. `mesesTramoFijo` is the length of
// a mixed loan's fixed stretch in months (ignored for other kinds).
double ComisionMaximaAmortizacion(TipoInteres tipo, int meses, int mesesTramoFijo = 0);

// Months from the signing to instalment `cuota` of a loan paying every
// `mesesPorCuota` months: a period after the signing for each instalment,
// one fewer when the instalments fall at the start of each period.
int MesesHastaCuota(int cuota, int mesesPorCuota, bool alInicio);

}  // namespace finance
