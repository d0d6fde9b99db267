#pragma once
// The names the program shows for a mortgage's choices (repayment system,
// grace period, kind of rate) and what follows from them for the figures
// shown: whether the loan uses any of them, and how its TAE is called.
#include "finance/condiciones_prestamo.h"

#include <QString>
#include <QStringList>

namespace finance {

// "Francés", "Alemán", "Americano", "Creciente" in the order of the enumeration.
QStringList NombresSistema();
// "Sin carencia", "Parcial", "Total" in the order of the enumeration.
QStringList NombresCarencia();
// "Fijo", "Variable", "Mixto" in the order of the enumeration.
QStringList NombresTipoInteres();
QString NombreSistema(SistemaAmortizacion sistema);

// True when the loan uses a repayment system other than the level
// instalment, a grace period, a variable or mixed rate, or yearly costs.
bool UsaOpcionesHipoteca(const CondicionesPrestamo& condiciones);

// A variable or mixed rate's TAE rests on the index staying as it is, and
// the law has it called "TAE variable"; a fixed rate's is the "TAE".
bool EsTAEVariable(const CondicionesPrestamo& condiciones);
QString NombreTAE(const CondicionesPrestamo& condiciones);

}  // namespace finance
