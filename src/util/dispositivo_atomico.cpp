#include "util/dispositivo_atomico.h"

bool TDispositivoAtomico::Abrir(QString* motivo) {
    return escritura_.Abrir(motivo) && open(QIODevice::WriteOnly);
}

qint64 TDispositivoAtomico::writeData(const char* datos, qint64 bytes) {
    if (!fallo_.isEmpty())
        return -1;
    if (escritura_.Escribir(datos, bytes, &fallo_))
        return bytes;
    setErrorString(fallo_);
    return -1;
}

bool TDispositivoAtomico::Confirmar(QString* motivo) {
    close();
    if (!fallo_.isEmpty()) {
        if (motivo)
            *motivo = fallo_;
        return false;
    }
    return escritura_.Confirmar(motivo);
}
