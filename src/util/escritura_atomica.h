#pragma once
// Writing a file that the program produces (a report, a CSV table, a PDF)
// so that nothing already there is ruined: the bytes go to a temporary file
// beside the destination, which is renamed over the name only once it is
// complete and on disk. The rename replaces the name itself, so a symbolic
// link planted under that name is replaced, never written through. Failures
// carry the reason in Spanish, whatever language the system speaks.
#include "util/motivo_sistema.h"

#include <QByteArray>
#include <QString>

class TEscrituraAtomica {
public:
    explicit TEscrituraAtomica(const QString& ruta) : ruta_(ruta) {}
    ~TEscrituraAtomica();
    TEscrituraAtomica(const TEscrituraAtomica&) = delete;
    TEscrituraAtomica& operator=(const TEscrituraAtomica&) = delete;

    // Creates the temporary file. Temporary files of the same name left by
    // a save that was killed half-way are removed first.
    bool Abrir(QString* motivo);
    bool Escribir(const char* datos, qint64 bytes, QString* motivo);
    // Puts the file in place of the old one; until then the old one stays
    // as it was, and a failure or the destructor removes the temporary file.
    bool Confirmar(QString* motivo);

private:
    bool Vaciar(QString* motivo);
    bool Fallo(int error, QString* motivo);
    void Cerrar();

    QString ruta_;
    QByteArray temporal_;  // its path, in the file system's encoding
    QByteArray pendiente_;
    int fd_ = -1;
    // A second descriptor of the temporary file that holds its lock until
    // the rename is done, so that another save of the same name never takes
    // it for an abandoned one.
    int candado_ = -1;
};
