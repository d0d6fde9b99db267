#pragma once
// A write-only device over the safe writer, for writers that want a
// QIODevice (the PDF writer): what they write goes to the temporary file, and
// the file takes its name only when Confirmar() succeeds. The first failure
// is kept, with its Spanish reason, and every later write fails.
#include "util/escritura_atomica.h"

#include <QIODevice>

class TDispositivoAtomico : public QIODevice {
public:
    explicit TDispositivoAtomico(const QString& ruta) : escritura_(ruta) {}

    // Opens the temporary file and the device.
    bool Abrir(QString* motivo);
    // Puts the file in place, unless a write failed before.
    bool Confirmar(QString* motivo);
    // True once a write has failed: the writer may stop early.
    bool Fallido() const { return !fallo_.isEmpty(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* datos, qint64 bytes) override;

private:
    TEscrituraAtomica escritura_;
    QString fallo_;  // the reason of the first failed write
};
