#include "reports/engine/fichero_sistema.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kBloque = 1 << 18;

bool Rechazar(QString* motivo, const QString& texto) {
    if (motivo)
        *motivo = texto;
    return false;
}

mode_t PermisosNuevos() {
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
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

TEscrituraAtomica::~TEscrituraAtomica() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporal_.isEmpty())
        ::unlink(temporal_.constData());
}

bool TEscrituraAtomica::Fallo(int error, QString* motivo) {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporal_.isEmpty())
        ::unlink(temporal_.constData());
    temporal_.clear();
    return Rechazar(motivo, MotivoSistema(error, true));
}

bool TEscrituraAtomica::Abrir(QString* motivo) {
    const QFileInfo destino(ruta_);
    if (destino.isDir())
        return Rechazar(motivo, MotivoSistema(EISDIR, true));
    if (!destino.absoluteDir().exists())
        return Rechazar(motivo, MotivoSistema(ENOENT, true));
    QByteArray plantilla = QFile::encodeName(destino.absoluteDir().filePath(
        QLatin1Char('.') + destino.fileName() + QStringLiteral(".XXXXXX")));
    fd_ = ::mkstemp(plantilla.data());
    if (fd_ < 0)
        return Fallo(errno, motivo);
    temporal_ = plantilla;
    struct stat anterior {};
    const mode_t permisos = ::stat(QFile::encodeName(ruta_).constData(), &anterior) == 0 ? (anterior.st_mode & 07777)
                                                                                         : PermisosNuevos();
    if (::fchmod(fd_, permisos) != 0)
        return Fallo(errno, motivo);
    return true;
}

bool TEscrituraAtomica::Vaciar(QString* motivo) {
    const char* p = pendiente_.constData();
    qsizetype quedan = pendiente_.size();
    while (quedan > 0) {
        const ssize_t escritos = ::write(fd_, p, std::size_t(quedan));
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            return Fallo(escritos < 0 ? errno : ENOSPC, motivo);
        p += escritos;
        quedan -= escritos;
    }
    pendiente_.clear();
    return true;
}

bool TEscrituraAtomica::Escribir(const char* datos, qint64 bytes, QString* motivo) {
    if (fd_ < 0)
        return Rechazar(motivo, MotivoSistema(EBADF, true));
    pendiente_.append(datos, qsizetype(bytes));
    return pendiente_.size() < kBloque || Vaciar(motivo);
}

bool TEscrituraAtomica::Confirmar(QString* motivo) {
    if (fd_ < 0)
        return Rechazar(motivo, MotivoSistema(EBADF, true));
    if (!Vaciar(motivo))
        return false;
    if (::fsync(fd_) != 0)
        return Fallo(errno, motivo);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return Fallo(errno, motivo);
    if (::rename(temporal_.constData(), QFile::encodeName(ruta_).constData()) != 0)
        return Fallo(errno, motivo);
    temporal_.clear();
    return true;
}
