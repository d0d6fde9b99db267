#pragma once
// `zuzidaduve comparar`: two to four loan offers side by side, each given
// as the options of `prestamo` in one quoted text.
#include "cli/argumentos_orden.h"
#include "cli/informe_orden.h"

OpcionesAdmitidas OpcionesComparar();

// Throws EUsoOrden for a count of offers outside 2–4 or an offer whose
// options do not read (the message names the offer), and ECalculoRechazado
// when the loans page would refuse an offer.
InformeOrden OrdenComparar(const TArgumentosOrden& argumentos);
