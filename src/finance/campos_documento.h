#pragma once
// The texts of the window's boxes as a calculation document keeps them:
// numbers in the locale-free form ("1234.5"), dates as "yyyy-MM-dd", so that
// a file written with one regional setting reads with another. A text that
// is neither stays as typed, among the document's literal texts.
#include "finance/documento_calculo.h"

namespace finance {

// Puts a box's text into `textos` under `nombre`; `fecha` for a date box.
void GuardarTextoCampo(TextosDocumento& textos, const QString& nombre, const QString& texto, bool fecha);

// The text to show in the box `nombre`, in the regional form; empty when the
// document does not have it.
QString TextoCampo(const TextosDocumento& textos, const QString& nombre, bool fecha);

// True for what the locale-free form allows: nothing, a number or a date.
bool EsTextoSinRegion(const QString& texto);

}  // namespace finance
