#pragma once
// The loan conditions on the command line: how often the instalments are
// paid, the opening fee, the initial costs, any number of early repayments
// and rate revisions, the repayment system, a grace period, a variable or
// mixed rate and the yearly insurance and maintenance.
#include "cli/argumentos_orden.h"
#include "finance/condiciones_prestamo.h"

// Adds the condition options to what the loan sub-command accepts.
OpcionesAdmitidas ConOpcionesCondiciones(OpcionesAdmitidas propias);

// The conditions as typed, numbers read as the dialog's boxes read them. A
// value that does not read throws EUsoOrden naming the option and the text;
// an option that needs another choice (--diferencial without a variable or
// mixed rate, --crecimiento without a growing instalment) is bad usage too;
// whether the conditions can be met is the calculation's to say.
finance::CondicionesPrestamo CondicionesOpcion(const TArgumentosOrden& argumentos);

// The system's name on the command line: "frances", "aleman", ...
QString ClaveSistema(finance::SistemaAmortizacion sistema);
