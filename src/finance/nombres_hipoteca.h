#pragma once
// The names the program shows for a mortgage's choices (repayment system,
// grace period, kind of rate) and the name of its TAE.
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

// The mortgage's choices in a few words for a heading ("sistema alemán,
// carencia parcial de 12 cuotas, interés mixto, seguro"); empty for a loan
// without any. `conSistema` names the level-instalment system too, where
// the heading must always say which system it is.
QString DescripcionHipoteca(const CondicionesPrestamo& condiciones, bool conSistema = false);

// The yearly summary's column of insurance and maintenance.
QString TituloCostesAnuales();

// A variable or mixed rate's TAE rests on the index staying as it is, and
// the law has it called "TAE variable"; a fixed rate's is the "TAE".
bool EsTAEVariable(const CondicionesPrestamo& condiciones);
QString NombreTAE(const CondicionesPrestamo& condiciones);

}  // namespace finance
