#pragma once
// `zuzidaduve prestamo`: the loans page without its window.
#include "cli/argumentos_orden.h"
#include "cli/informe_orden.h"
#include "finance/calculo_prestamo.h"

OpcionesAdmitidas OpcionesPrestamo();

// The loans page's input from the options: --capital, --interes, --cuotas,
// --cuota, the timing and the conditions. Throws EUsoOrden for an
// unreadable value.
finance::EntradaPrestamo EntradaPrestamoOpciones(const TArgumentosOrden& argumentos);

// Throws EUsoOrden for an unreadable option and ECalculoRechazado when the
// page would refuse the calculation or its table.
InformeOrden OrdenPrestamo(const TArgumentosOrden& argumentos);
