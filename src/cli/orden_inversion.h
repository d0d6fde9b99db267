#pragma once
// `zuzidaduve inversion`: the investments page without its window.
#include "cli/argumentos_orden.h"
#include "cli/informe_orden.h"

OpcionesAdmitidas OpcionesInversion();

// Throws EUsoOrden for an unreadable option and ECalculoRechazado when the
// page would refuse the calculation or its table.
InformeOrden OrdenInversion(const TArgumentosOrden& argumentos);
