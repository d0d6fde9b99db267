#pragma once
// `zuzidaduve depreciacion`: the depreciation page without its window.
#include "cli/argumentos_orden.h"
#include "cli/informe_orden.h"

OpcionesAdmitidas OpcionesDepreciacion();

// Throws EUsoOrden for an unreadable option or a missing --metodo, and
// ECalculoRechazado when the page would refuse the calculation or its table.
InformeOrden OrdenDepreciacion(const TArgumentosOrden& argumentos);
