#pragma once
// The file system side of report files: reading only regular files, opened
// so that a pipe or a device can never block the program. Writing and the
// Spanish reasons for failures are util's safe writer.
#include "util/escritura_atomica.h"

#include <QFile>
#include <QString>

// Opens `ruta` for reading when it is a regular file, and gives its size.
bool AbrirFicheroNormal(const QString& ruta, QFile& fichero, qint64& tamano, QString* motivo);
