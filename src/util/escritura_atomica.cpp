#include "util/escritura_atomica.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kBloque = 1 << 18;
// mkstemp's "XXXXXX" becomes this many characters.
constexpr int kLetrasTemporal = 6;

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

// The permissions of the file being replaced, so that a saved file keeps
// them; a new name, or a link that is being replaced, gets the usual ones.
mode_t PermisosPara(const QByteArray& ruta) {
    struct stat anterior {};
    if (::lstat(ruta.constData(), &anterior) == 0 && S_ISREG(anterior.st_mode))
        return anterior.st_mode & 07777;
    return PermisosNuevos();
}

// Removes `ruta` when it is a regular file of this user that no running
// save holds locked: one whose writer was killed before it could tidy up.
void BorrarSiAbandonado(const QByteArray& ruta) {
    const int fd = ::open(ruta.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat abierto {}, ahora {};
    if (::fstat(fd, &abierto) == 0 && S_ISREG(abierto.st_mode) && abierto.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(ruta.constData(), &ahora) == 0 &&
        ahora.st_ino == abierto.st_ino && ahora.st_dev == abierto.st_dev)
        ::unlink(ruta.constData());
    ::close(fd);
}

// Temporary files are named ".NAME.XXXXXX" beside NAME.
void BorrarTemporalesAbandonados(const QDir& carpeta, const QString& nombre) {
    const QString prefijo = QLatin1Char('.') + nombre + QLatin1Char('.');
    const QStringList ocultos = carpeta.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& candidato : ocultos)
        if (candidato.size() == prefijo.size() + kLetrasTemporal && candidato.startsWith(prefijo))
            BorrarSiAbandonado(QFile::encodeName(carpeta.filePath(candidato)));
}

}  // namespace

TEscrituraAtomica::~TEscrituraAtomica() {
    Cerrar();
    if (!temporal_.isEmpty())
        ::unlink(temporal_.constData());
}

void TEscrituraAtomica::Cerrar() {
    for (int* fd : {&fd_, &candado_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool TEscrituraAtomica::Fallo(int error, QString* motivo) {
    Cerrar();
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
    BorrarTemporalesAbandonados(destino.absoluteDir(), destino.fileName());
    QByteArray plantilla = QFile::encodeName(destino.absoluteDir().filePath(
        QLatin1Char('.') + destino.fileName() + QLatin1Char('.') + QString(kLetrasTemporal, QLatin1Char('X'))));
    fd_ = ::mkostemp(plantilla.data(), O_CLOEXEC);
    if (fd_ < 0)
        return Fallo(errno, motivo);
    temporal_ = plantilla;
    candado_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (candado_ < 0 || ::flock(candado_, LOCK_EX | LOCK_NB) != 0)
        return Fallo(errno, motivo);
    if (::fchmod(fd_, PermisosPara(QFile::encodeName(ruta_))) != 0)
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
    Cerrar();
    return true;
}
