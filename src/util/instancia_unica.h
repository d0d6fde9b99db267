#pragma once
// Keeps the program to one running instance per user.
//
// The first instance holds an exclusive flock on a file in the user's runtime
// folder (QStandardPaths::RuntimeLocation, or the temporary folder); the
// kernel releases it however the process ends, so after a crash or kill -9 the
// next start is a first instance again. The first instance also listens on a
// local socket beside the lock file; a later start connects to it and asks it
// to come to the front. Both names carry the program name and the user.
//
// Use at start-up, before any window is shown:
//
//     TInstanciaUnica instancia(TextoNombrePrograma());
//     if (!instancia.EsPrimera()) {
//         instancia.ActivarAnterior();
//         return 0;                          // no window
//     }
//     TFormCalculosFinancieros ventana;
//     QObject::connect(&instancia, &TInstanciaUnica::Activar, &ventana,
//                      [&ventana] { TInstanciaUnica::TraerAlFrente(&ventana); });
//
// When the guard cannot be set up (the folder is not writable, the lock file
// belongs to someone else), EsPrimera() is true and the program runs normally.
#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

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

    // Asks the first instance to come to the front; true when the request was
    // delivered. Only meaningful when !EsPrimera().
    bool ActivarAnterior();

    // Brings a window to the front: restored if minimised, raised, activated.
    static void TraerAlFrente(QWidget* ventana);

    QString RutaBloqueo() const { return rutaBloqueo_; }
    QString NombreSocket() const { return nombreSocket_; }

signals:
    // Another start asked this (first) instance to come to the front.
    void Activar();

private:
    void Crear(const QString& nombre, const QString& carpeta);
    void Escuchar();
    void AtenderConexion();

    bool yaExiste_ = false;
    int descriptor_ = -1;
    QString rutaBloqueo_;
    QString nombreSocket_;
    QLocalServer* servidor_ = nullptr;
};
