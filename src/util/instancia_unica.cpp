#include "util/instancia_unica.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kPeticionActivar = QByteArrayLiteral("activar\n");
// Sent before the request to come to the front: a file for the first
// instance to open, its absolute path in UTF-8 as Base64 on one line.
const QByteArray kPeticionAbrir = QByteArrayLiteral("abrir ");
// No request line is longer; a connection that sends more is dropped.
constexpr qsizetype kMaximoPeticion = 16384;
// The first instance's answer once it has come to the front.
const QByteArray kRespuestaActivada = QByteArrayLiteral("activada\n");
// Written into the lock file by a first instance that could not listen on
// any socket: nobody can ask it to come to the front.
const QByteArray kSinServidor = QByteArrayLiteral("-\n");
constexpr int kIntentosConexion = 20;
constexpr int kEsperaConexionMs = 100;
constexpr qint64 kMaximoContenidoBloqueo = 4096;
// How long a later start waits for the first instance to answer; the kernel
// takes the request even from a stopped process, so only the answer shows
// that it is alive.
constexpr int kEsperaRespuestaMs = 3000;

QString Usuario() {
    const uid_t uid = ::getuid();
    const passwd* datos = ::getpwuid(uid);
    const QString nombre = datos ? QString::fromLocal8Bit(datos->pw_name) : QString();
    return nombre.isEmpty() ? QString::number(uid) : nombre;
}

// Letters, digits, "-", "_" and "." only, so that the name is a plain file name.
QString NombreDeFichero(const QString& texto) {
    QString resultado;
    for (const QChar c : texto) {
        const bool seguro = (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('-')
                            || c == QLatin1Char('_') || c == QLatin1Char('.');
        resultado += seguro ? c : QLatin1Char('_');
    }
    return resultado;
}

int AbrirSinSeguirEnlaces(const QString& ruta, int modo) {
    int fd;
    do
        fd = ::open(QFile::encodeName(ruta).constData(), modo | O_CLOEXEC | O_NOFOLLOW, 0600);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool EsDelUsuario(const struct stat& datos) { return datos.st_uid == ::geteuid(); }

// A real folder (not a link) of this user that no one else may enter or write.
bool EsCarpetaPrivada(const QString& ruta) {
    struct stat datos {};
    return ::lstat(QFile::encodeName(ruta).constData(), &datos) == 0 && S_ISDIR(datos.st_mode)
           && EsDelUsuario(datos) && (datos.st_mode & 077) == 0;
}

// A folder of the program's own inside `base`, made with mode 0700; one of
// the user's own that has wider rights is narrowed. One that belongs to
// someone else is left alone, and then it is no place for the guard.
QString CarpetaPropia(const QString& base, const QString& nombre) {
    const QString ruta = QDir(base).filePath(NombreDeFichero(nombre));
    ::mkdir(QFile::encodeName(ruta).constData(), 0700);
    const int fd = AbrirSinSeguirEnlaces(ruta, O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        struct stat datos {};
        if (::fstat(fd, &datos) == 0 && EsDelUsuario(datos) && (datos.st_mode & 077) != 0)
            ::fchmod(fd, 0700);
        ::close(fd);
    }
    return ruta;
}

// The runtime folder when it is private; otherwise a folder of the program's
// own in the user's cache folder, which no other user can have made first
// (in the shared temporary folder anyone could, and so switch the guard
// off). The host's name keeps apart machines that share the home folder.
// The temporary folder serves only when there is no usable cache folder.
QString CarpetaDelUsuario(const QString& nombre) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && EsCarpetaPrivada(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache)) {
        const QString propia = CarpetaPropia(cache, nombre + QLatin1Char('-') + QSysInfo::machineHostName());
        if (EsCarpetaPrivada(propia))
            return propia;
    }
    return CarpetaPropia(QDir::tempPath(), nombre + QLatin1Char('-') + QString::number(::geteuid()));
}

// The lock file, opened only when it is a regular file of this user: anything
// else there (a FIFO, a device, someone else's file) is not our lock.
int AbrirBloqueo(const QString& ruta, int modo) {
    const int fd = AbrirSinSeguirEnlaces(ruta, modo | O_NONBLOCK);
    if (fd < 0)
        return fd;
    struct stat datos {};
    if (::fstat(fd, &datos) != 0 || !S_ISREG(datos.st_mode) || !EsDelUsuario(datos)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// What the first instance wrote into the lock file: a socket name, the mark
// that it has none, or nothing yet while it is still starting.
QByteArray LeerBloqueo(const QString& ruta) {
    const int fd = AbrirBloqueo(ruta, O_RDONLY);
    if (fd < 0)
        return {};
    QByteArray contenido(kMaximoContenidoBloqueo, Qt::Uninitialized);
    ssize_t leidos;
    do
        leidos = ::pread(fd, contenido.data(), contenido.size(), 0);
    while (leidos < 0 && errno == EINTR);
    ::close(fd);
    contenido.resize(leidos > 0 ? leidos : 0);
    return contenido.endsWith('\n') ? contenido : QByteArray();
}

void EscribirBloqueo(int fd, const QByteArray& contenido) {
    if (::ftruncate(fd, 0) != 0)
        return;
    qsizetype escritos = 0;
    while (escritos < contenido.size()) {
        const ssize_t n = ::pwrite(fd, contenido.constData() + escritos, contenido.size() - escritos, escritos);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        escritos += n;
    }
}

}  // namespace

TInstanciaUnica::TInstanciaUnica(const QString& nombre, QObject* parent) : QObject(parent) {
    Crear(nombre, CarpetaDelUsuario(nombre));
}

TInstanciaUnica::TInstanciaUnica(const QString& nombre, const QString& carpeta, QObject* parent)
    : QObject(parent) {
    Crear(nombre, carpeta);
}

TInstanciaUnica::~TInstanciaUnica() {
    delete servidor_;  // closing removes the socket name
    if (descriptor_ >= 0) {
        ::flock(descriptor_, LOCK_UN);
        ::close(descriptor_);
    }
}

void TInstanciaUnica::Crear(const QString& nombre, const QString& carpeta) {
    carpeta_ = QDir(carpeta).absolutePath();
    const QString base = QDir(carpeta_).filePath(NombreDeFichero(nombre + QLatin1Char('-') + Usuario()));
    rutaBloqueo_ = base + QStringLiteral(".lock");
    nombreSocket_ = base + QStringLiteral(".socket");
    if (!EsCarpetaPrivada(carpeta_))
        return;  // no guard: the program runs normally
    const int fd = AbrirBloqueo(rutaBloqueo_, O_RDWR | O_CREAT);
    if (fd < 0)
        return;
    int resultado;
    do
        resultado = ::flock(fd, LOCK_EX | LOCK_NB);
    while (resultado != 0 && errno == EINTR);
    if (resultado != 0) {
        // A holder that cannot be reached does not keep this start from
        // running: it would only end with no window.
        yaExiste_ = errno == EWOULDBLOCK && LeerBloqueo(rutaBloqueo_) != kSinServidor;
        ::close(fd);
        return;
    }
    descriptor_ = fd;
    EscribirBloqueo(fd, {});  // whatever a killed holder left there is stale
    Escuchar(base);
}

// Only the holder of the lock gets here, so socket names left by an instance
// that was killed can be removed safely. When the usual name is taken by
// something that is not a socket (a folder, say), a second name with the
// process id serves; the lock file tells later starts which one listens.
void TInstanciaUnica::Escuchar(const QString& base) {
    servidor_ = new QLocalServer(this);
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString alternativo = base + QLatin1Char('-') + QString::number(::getpid()) + QStringLiteral(".socket");
    for (const QString& candidato : {nombreSocket_, alternativo}) {
        QLocalServer::removeServer(candidato);
        if (servidor_->listen(candidato)) {
            nombreSocket_ = candidato;
            EscribirBloqueo(descriptor_, QFile::encodeName(candidato) + '\n');
            connect(servidor_, &QLocalServer::newConnection, this, &TInstanciaUnica::AtenderConexion);
            return;
        }
    }
    delete servidor_;
    servidor_ = nullptr;
    EscribirBloqueo(descriptor_, kSinServidor);
}

void TInstanciaUnica::AtenderConexion() {
    while (QLocalSocket* conexion = servidor_->nextPendingConnection()) {
        connect(conexion, &QLocalSocket::disconnected, conexion, &QObject::deleteLater);
        connect(conexion, &QLocalSocket::readyRead, this, [this, conexion] {
            QByteArray recibido = conexion->property("recibido").toByteArray() + conexion->readAll();
            qsizetype fin;
            while ((fin = recibido.indexOf('\n')) >= 0) {
                const QByteArray linea = recibido.left(fin + 1);
                recibido.remove(0, fin + 1);
                AtenderPeticion(conexion, linea);
            }
            if (recibido.size() > kMaximoPeticion) {
                conexion->abort();
                return;
            }
            conexion->setProperty("recibido", recibido);
        });
    }
}

void TInstanciaUnica::AtenderPeticion(QLocalSocket* conexion, const QByteArray& linea) {
    if (linea.startsWith(kPeticionAbrir)) {
        const QByteArray base64 = linea.mid(kPeticionAbrir.size()).trimmed();
        const auto ruta = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
        if (ruta && !ruta.decoded.isEmpty())
            emit AbrirFichero(QString::fromUtf8(ruta.decoded));
    } else if (linea == kPeticionActivar) {
        emit Activar();
        conexion->write(kRespuestaActivada);
        conexion->flush();
    }
}

// The socket the first instance listens on, as its lock file names it; empty
// while it has not said yet, or when it names a place outside our folder.
QString TInstanciaUnica::SocketDeLaPrimera() const {
    const QByteArray contenido = LeerBloqueo(rutaBloqueo_);
    if (contenido.isEmpty() || contenido == kSinServidor)
        return {};
    const QString ruta = QFile::decodeName(contenido.chopped(1));
    return QFileInfo(ruta).absolutePath() == carpeta_ ? ruta : QString();
}

bool TInstanciaUnica::ActivarAnterior(const QString& fichero) {
    if (!yaExiste_)
        return false;
    // The first instance names its socket right after taking the lock; a
    // start at the same moment may have to wait for it briefly.
    QLocalSocket conexion;
    for (int intento = 0; intento < kIntentosConexion; ++intento) {
        const QString socket = SocketDeLaPrimera();
        if (!socket.isEmpty()) {
            conexion.connectToServer(socket);
            if (conexion.waitForConnected(kEsperaConexionMs))
                break;
            conexion.abort();
        }
        QThread::msleep(kEsperaConexionMs);
    }
    if (conexion.state() != QLocalSocket::ConnectedState)
        return false;
    if (!fichero.isEmpty())
        conexion.write(kPeticionAbrir + QFileInfo(fichero).absoluteFilePath().toUtf8().toBase64() + '\n');
    conexion.write(kPeticionActivar);
    QByteArray respuesta;
    QDeadlineTimer limite(kEsperaRespuestaMs);
    if (conexion.waitForBytesWritten(kEsperaRespuestaMs))
        while (!respuesta.contains(kRespuestaActivada) && conexion.waitForReadyRead(int(limite.remainingTime())))
            respuesta += conexion.read(kRespuestaActivada.size());
    conexion.disconnectFromServer();
    if (conexion.state() != QLocalSocket::UnconnectedState)
        conexion.waitForDisconnected(1000);
    return respuesta.contains(kRespuestaActivada);
}
