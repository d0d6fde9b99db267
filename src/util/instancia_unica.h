#pragma once
// Keeps the program to one running instance per user.
//
// The first instance holds an exclusive flock on a file in a folder that only
// the user can enter: the runtime folder when it is the user's with mode
// 0700, otherwise a folder of the program's own in the user's cache folder
// (the temporary folder only when that cannot be had), made with mode 0700
// and checked to be the user's. The kernel releases the
// lock however the process ends, so after a crash or kill -9 the next start
// is a first instance again. The first instance also listens on a local
// socket in the same folder and writes its name into the lock file; a later
// start reads it, connects, asks the first to come to the front, and waits a
// few seconds for its answer.
//
// Use at start-up, before any window is shown:
//
//     TInstanciaUnica instancia(TextoNombrePrograma());
//     if (!instancia.EsPrimera()) {
//         if (instancia.ActivarAnterior())
//             return 0;                      // no window
//         ...                                // the first one does not answer
//     }
//     TFormCalculosFinancieros ventana;
//     QObject::connect(&instancia, &TInstanciaUnica::Activar, &ventana,
//                      [&ventana] { /* bring the window in use to the front */ });
//
// When the guard cannot be set up (no private folder, a lock that is not a
// regular file of the user's) or the instance holding it cannot be reached,
// EsPrimera() is true and the program runs normally.
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class TInstanciaUnica : public QObject {
    Q_OBJECT
public:
    // The guard under `nombre` in the user's runtime folder.
    explicit TInstanciaUnica(const QString& nombre, QObject* parent = nullptr);
    // The same in a given folder (tests).
    TInstanciaUnica(const QString& nombre, const QString& carpeta, QObject* parent = nullptr);
    ~TInstanciaUnica() override;
    TInstanciaUnica(const TInstanciaUnica&) = delete;
    TInstanciaUnica& operator=(const TInstanciaUnica&) = delete;

    // False when another instance of this user runs.
    bool EsPrimera() const { return !yaExiste_; }
    // True when this instance holds the lock (false also when the guard could
    // not be set up).
    bool Activa() const { return descriptor_ >= 0; }

    // Asks the first instance to come to the front; true when it answered
    // that it did. False when it could not be reached or did not answer in
    // time (stopped, or too busy). Only meaningful when !EsPrimera().
    // With a file, the first instance is asked to open it first.
    bool ActivarAnterior(const QString& fichero = QString());

    QString RutaBloqueo() const { return rutaBloqueo_; }
    QString NombreSocket() const { return nombreSocket_; }

signals:
    // Another start asked this (first) instance to come to the front.
    void Activar();
    // Another start asked this instance to open a file (an absolute path);
    // Activar follows.
    void AbrirFichero(const QString& ruta);

private:
    void Crear(const QString& nombre, const QString& carpeta);
    void Escuchar(const QString& base);
    void AtenderConexion();
    void AtenderPeticion(QLocalSocket* conexion, const QByteArray& linea);
    QString SocketDeLaPrimera() const;

    bool yaExiste_ = false;
    int descriptor_ = -1;
    QString carpeta_;
    QString rutaBloqueo_;
    QString nombreSocket_;
    QLocalServer* servidor_ = nullptr;
};
