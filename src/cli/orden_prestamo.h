#pragma once
// `zuzidaduve prestamo`: the loans page without its window.
#include "cli/argumentos_orden.h"
#include "cli/informe_orden.h"

OpcionesAdmitidas OpcionesPrestamo();

// Throws EUsoOrden for an unreadable option and ECalculoRechazado when the
// page would refuse the calculation or its table.
InformeOrden OrdenPrestamo(const TArgumentosOrden& argumentos);
