#pragma once
// The savings plan conditions on the command line: a contribution that
// grows every year, the inflation for values in today's money, and the tax
// on the gain (the Spanish brackets, or a flat percentage).
#include "cli/argumentos_orden.h"
#include "finance/condiciones_inversion.h"

OpcionesAdmitidas ConOpcionesCondicionesInversion(OpcionesAdmitidas propias);

// The conditions as typed; a value that does not read throws EUsoOrden
// naming the option. Whether they can be met is the calculation's to say.
finance::CondicionesInversion CondicionesInversionOpcion(const TArgumentosOrden& argumentos);
