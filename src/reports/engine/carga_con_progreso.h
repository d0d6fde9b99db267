#pragma once
// Loading a report file with a progress window that the person can cancel,
// so that a large file never leaves the program without an answer.
#include "reports/engine/fichero_informe.h"

class QWidget;

// As CargarInforme; the window appears when loading takes more than a
// moment. Cancelling leaves `destino` as it was and returns false with an
// empty reason.
bool CargarInformeConProgreso(const QString& ruta, InformePreparado& destino, QString* motivo, QWidget* padre);
