#pragma once
// A loan's (or a savings plan's) conditions as a JSON object of a calculation document: every
// field, with the enumerations by name. Reading checks each value and then
// the conditions as a whole (ValidarCondiciones); faults throw
// json::EDocumentoDanado.
#include "finance/condiciones_inversion.h"
#include "finance/condiciones_prestamo.h"

#include <QJsonObject>

namespace finance {

QJsonObject CondicionesAJson(const CondicionesPrestamo& condiciones);
CondicionesPrestamo CondicionesDeJson(const QJsonObject& objeto);

// A savings plan's conditions; an empty object (an older file) reads as a
// plain plan, and what MotivoCondicionesInversion refuses throws.
QJsonObject CondicionesInversionAJson(const CondicionesInversion& condiciones);
CondicionesInversion CondicionesInversionDeJson(const QJsonObject& objeto);

}  // namespace finance
