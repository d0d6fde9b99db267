#include "util/instancia_unica.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kPeticionActivar = QByteArrayLiteral("activar\n");
constexpr int kIntentosConexion = 20;
constexpr int kEsperaConexionMs = 100;

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

QString CarpetaDelUsuario() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

int AbrirBloqueo(const QString& ruta) {
    int fd;
    do
        fd = ::open(QFile::encodeName(ruta).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

TInstanciaUnica::TInstanciaUnica(const QString& nombre, QObject* parent) : QObject(parent) {
    Crear(nombre, CarpetaDelUsuario());
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
    const QString base = QDir(carpeta).filePath(NombreDeFichero(nombre + QLatin1Char('-') + Usuario()));
    rutaBloqueo_ = base + QStringLiteral(".lock");
    nombreSocket_ = base + QStringLiteral(".socket");
    const int fd = AbrirBloqueo(rutaBloqueo_);
    if (fd < 0)
        return;  // no guard: the program runs normally
    int resultado;
    do
        resultado = ::flock(fd, LOCK_EX | LOCK_NB);
    while (resultado != 0 && errno == EINTR);
    if (resultado != 0) {
        yaExiste_ = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    descriptor_ = fd;
    Escuchar();
}

// Only the holder of the lock gets here, so a socket name left by an instance
// that was killed can be removed safely.
void TInstanciaUnica::Escuchar() {
    servidor_ = new QLocalServer(this);
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(nombreSocket_);
    if (!servidor_->listen(nombreSocket_)) {
        delete servidor_;
        servidor_ = nullptr;
        return;
    }
    connect(servidor_, &QLocalServer::newConnection, this, &TInstanciaUnica::AtenderConexion);
}

void TInstanciaUnica::AtenderConexion() {
    while (QLocalSocket* conexion = servidor_->nextPendingConnection()) {
        connect(conexion, &QLocalSocket::disconnected, conexion, &QObject::deleteLater);
        connect(conexion, &QLocalSocket::readyRead, this, [this, conexion] {
            const QByteArray recibido = conexion->property("recibido").toByteArray() + conexion->readAll();
            conexion->setProperty("recibido", recibido.right(kPeticionActivar.size()));
            if (recibido.endsWith(kPeticionActivar)) {
                conexion->setProperty("recibido", QByteArray());
                emit Activar();
            }
        });
    }
}

bool TInstanciaUnica::ActivarAnterior() {
    if (!yaExiste_)
        return false;
    // The first instance listens right after taking the lock; a start at the
    // same moment may have to wait for it briefly.
    QLocalSocket conexion;
    for (int intento = 0; intento < kIntentosConexion; ++intento) {
        conexion.connectToServer(nombreSocket_);
        if (conexion.waitForConnected(kEsperaConexionMs))
            break;
        conexion.abort();
        QThread::msleep(kEsperaConexionMs);
    }
    if (conexion.state() != QLocalSocket::ConnectedState)
        return false;
    conexion.write(kPeticionActivar);
    const bool enviado = conexion.waitForBytesWritten(1000);
    conexion.disconnectFromServer();
    if (conexion.state() != QLocalSocket::UnconnectedState)
        conexion.waitForDisconnected(1000);
    return enviado;
}

void TInstanciaUnica::TraerAlFrente(QWidget* ventana) {
    if (!ventana)
        return;
    if (ventana->isMinimized())
        ventana->setWindowState((ventana->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}
