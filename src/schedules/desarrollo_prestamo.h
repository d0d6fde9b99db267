#pragma once
// Builds a loan's development table into the schedule window: one row per
// monthly instalment, and the information panel with the loan's figures.
#include "finance/calculo_prestamo.h"
#include "finance/filas_prestamo.h"
#include "util/tabla_textos.h"

#include <QString>

class TAttributeGrid;
class TFormDesarrolloCalculos;

struct EntradaDesarrolloPrestamo {
    DatosFilasPrestamo datos;
    QString textoInteres;    // the interest box, as typed or as calculated
    QString textoNumCuotas;  // the box of the number of instalments, or "271 de 300" for a shortened term
};

// The cost of a worked-out loan as the report prints it after the rows: its
// total interest, the yearly insurance and maintenance when it has them, its
// total cost, its TAE ("TAE variable" for a variable or mixed rate) and, with
// typed revisions, the TAE they give.
TablaTextos CifrasPrestamo(const finance::EstadoPrestamo& estado, const finance::CondicionesPrestamo& condiciones);

// Throws EDesarrolloExcesivo, before writing anything, when the loan has
// more instalments than a table may have or its dates would pass 31/12/9999.
void DesarrollarPrestamo(const EntradaDesarrolloPrestamo& entrada, TFormDesarrolloCalculos& ventana);

// The table alone, written into the grid without the checks above.
void EscribirTablaPrestamo(const DatosFilasPrestamo& datos, TAttributeGrid& grid);
