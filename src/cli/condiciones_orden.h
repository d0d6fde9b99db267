#pragma once
// The loan conditions on the command line: how often the instalments are
// paid, the opening fee, the initial costs, and any number of early
// repayments and rate revisions.
#include "cli/argumentos_orden.h"
#include "finance/condiciones_prestamo.h"

// Adds the condition options to what the loan sub-command accepts.
OpcionesAdmitidas ConOpcionesCondiciones(OpcionesAdmitidas propias);

// The conditions as typed, numbers read as the dialog's boxes read them. A
// value that does not read throws EUsoOrden naming the option and the text;
// whether the conditions can be met is the calculation's to say.
finance::CondicionesPrestamo CondicionesOpcion(const TArgumentosOrden& argumentos);
