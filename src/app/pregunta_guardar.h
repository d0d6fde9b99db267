#pragma once
// The question before work with unsaved changes is left (closing, opening
// another file, starting a new one): save it, leave it unsaved, or stay.
#include <QString>

class QWidget;

enum class RespuestaGuardar { Guardar, NoGuardar, Cancelar };

// "¿Desea guardar los cambios de «nombre»?" with Guardar, No guardar and
// Cancelar (Guardar the default, Escape cancels); shown through the modal
// door, so that a closed or unanswered dialog counts as Cancelar.
RespuestaGuardar PreguntarGuardar(QWidget* padre, const QString& nombre);
