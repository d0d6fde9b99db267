#pragma once
// The file system side of report files: reading only regular files, opened
// so that a pipe or a device can never block the program; writing through a
// temporary file in the same folder that replaces the old file only once it
// is complete; and the reasons for failures, in Spanish.
#include "util/motivo_sistema.h"

#include <QFile>
#include <QString>

// Opens `ruta` for reading when it is a regular file, and gives its size.
bool AbrirFicheroNormal(const QString& ruta, QFile& fichero, qint64& tamano, QString* motivo);

class TEscrituraAtomica {
public:
    explicit TEscrituraAtomica(const QString& ruta) : ruta_(ruta) {}
    ~TEscrituraAtomica();
    TEscrituraAtomica(const TEscrituraAtomica&) = delete;
    TEscrituraAtomica& operator=(const TEscrituraAtomica&) = delete;

    bool Abrir(QString* motivo);
    bool Escribir(const char* datos, qint64 bytes, QString* motivo);
    // Puts the file in place of the old one; until then the old one stays
    // as it was, and a failure or the destructor removes the temporary file.
    bool Confirmar(QString* motivo);

private:
    bool Vaciar(QString* motivo);
    bool Fallo(int error, QString* motivo);

    QString ruta_;
    QByteArray temporal_;  // its path, in the file system's encoding
    QByteArray pendiente_;
    int fd_ = -1;
};
