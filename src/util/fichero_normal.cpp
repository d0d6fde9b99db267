#include "util/fichero_normal.h"

#include "util/motivo_sistema.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Rechazar(QString* motivo, const QString& texto) {
    if (motivo)
        *motivo = texto;
    return false;
}

}  // namespace

bool AbrirFicheroNormal(const QString& ruta, QFile& fichero, qint64& tamano, QString* motivo) {
    // Without O_NONBLOCK, opening a pipe that nobody writes waits for ever.
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Rechazar(motivo, MotivoSistema(errno, false));
    struct stat datos {};
    if (::fstat(fd, &datos) != 0 || !S_ISREG(datos.st_mode)) {
        const bool carpeta = S_ISDIR(datos.st_mode);
        ::close(fd);
        return Rechazar(motivo, carpeta ? QStringLiteral("el nombre es el de una carpeta")
                                        : QStringLiteral("no es un fichero normal (es una tubería o un dispositivo)"));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!fichero.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Rechazar(motivo, QStringLiteral("no se puede leer el fichero"));
    }
    tamano = qint64(datos.st_size);
    return true;
}

bool LeerFicheroNormal(const QString& ruta, qint64 maximo, QByteArray& contenido, QString* motivo) {
    QFile fichero;
    qint64 tamano = 0;
    if (!AbrirFicheroNormal(ruta, fichero, tamano, motivo))
        return false;
    if (tamano > maximo)
        return Rechazar(motivo, QStringLiteral("el fichero es demasiado grande (más de %1 KB)").arg(maximo / 1024));
    // The file may grow while it is read: never more than the limit is taken.
    contenido = fichero.read(maximo + 1);
    if (fichero.error() != QFileDevice::NoError)
        return Rechazar(motivo, QStringLiteral("no se puede leer el fichero"));
    if (contenido.size() > maximo)
        return Rechazar(motivo, QStringLiteral("el fichero es demasiado grande (más de %1 KB)").arg(maximo / 1024));
    return true;
}
