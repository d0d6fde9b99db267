#include "prueba_comun.h"

#include "ui/utilidades_ventana.h"
#include "util/instancia_unica.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <pwd.h>
#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kModoInstancia = "--instancia";

// Run as a separate process: "primera" and then "activado" for each request,
// until it is killed; or "segunda" and the outcome of the request, and exit.
int EjecutarInstancia(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TInstanciaUnica instancia(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!instancia.EsPrimera()) {
        const QString fichero = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
        std::printf(instancia.ActivarAnterior(fichero) ? "segunda avisada\n" : "segunda sin aviso\n");
        return 3;
    }
    QObject::connect(&instancia, &TInstanciaUnica::Activar, &instancia, [] {
        std::printf("activado\n");
        std::fflush(stdout);
    });
    std::printf("primera\n");
    std::fflush(stdout);
    return app.exec();
}

// Sets an environment variable (a null value unsets it) until the end of
// the scope.
class VariableDeEntorno {
public:
    VariableDeEntorno(const char* nombre, const QByteArray& valor)
        : nombre_(nombre), habia_(qEnvironmentVariableIsSet(nombre)), antes_(qgetenv(nombre)) {
        Fijar(valor.isNull() ? std::nullopt : std::optional(valor));
    }
    ~VariableDeEntorno() { Fijar(habia_ ? std::optional(antes_) : std::nullopt); }
    VariableDeEntorno(const VariableDeEntorno&) = delete;
    VariableDeEntorno& operator=(const VariableDeEntorno&) = delete;

private:
    void Fijar(const std::optional<QByteArray>& valor) const {
        if (valor)
            qputenv(nombre_, *valor);
        else
            qunsetenv(nombre_);
    }
    const char* nombre_;
    bool habia_;
    QByteArray antes_;
};

bool EsperarLinea(QProcess& proceso, const QByteArray& linea) {
    QByteArray leido;
    QDeadlineTimer limite(10000);
    while (!limite.hasExpired()) {
        if (proceso.canReadLine() || proceso.waitForReadyRead(200)) {
            leido = proceso.readLine().trimmed();
            if (leido == linea)
                return true;
            qWarning() << "linea inesperada" << leido;
            return false;
        }
        if (proceso.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

// waitForFinished() answers false for a process that already ended while
// the test was handling events.
bool Terminado(QProcess& proceso) {
    return proceso.state() == QProcess::NotRunning || proceso.waitForFinished(10000);
}

}  // namespace

class TestInstanciaUnica : public QObject {
    Q_OBJECT
private:
    QTemporaryDir carpeta_;
    QString nombre_ = QStringLiteral("Zelvar Zuzidaduve prueba");

    void Arrancar(QProcess& proceso, const QString& carpeta = {}, const QStringList& mas = {}) {
        proceso.start(QCoreApplication::applicationFilePath(),
                      QStringList{QString::fromLatin1(kModoInstancia), nombre_,
                                  carpeta.isEmpty() ? carpeta_.path() : carpeta} +
                          mas);
        QVERIFY(proceso.waitForStarted());
    }

private slots:
    void initTestCase() { QVERIFY(carpeta_.isValid()); }

    void segundaInstanciaActivaLaPrimera() {
        QProcess primera;
        Arrancar(primera);
        QVERIFY(EsperarLinea(primera, "primera"));

        TInstanciaUnica aqui(nombre_, carpeta_.path());
        QVERIFY(!aqui.EsPrimera());
        QVERIFY(aqui.ActivarAnterior());
        QVERIFY(EsperarLinea(primera, "activado"));

        QProcess segunda;
        Arrancar(segunda);
        QVERIFY(Terminado(segunda));
        QCOMPARE(segunda.exitCode(), 3);
        QCOMPARE(segunda.readAllStandardOutput().trimmed(), QByteArray("segunda avisada"));
        QVERIFY(EsperarLinea(primera, "activado"));

        // Killed without any chance to clean up: the kernel frees the lock,
        // and the socket name it leaves behind does not stop the next start.
        primera.kill();
        QVERIFY(Terminado(primera));
        TInstanciaUnica nueva(nombre_, carpeta_.path());
        QVERIFY(nueva.EsPrimera());
        QVERIFY(nueva.Activa());
        QSignalSpy activaciones(&nueva, &TInstanciaUnica::Activar);
        QProcess otra;
        Arrancar(otra);
        QVERIFY(activaciones.wait(10000));
        QVERIFY(Terminado(otra));
        QCOMPARE(otra.readAllStandardOutput().trimmed(), QByteArray("segunda avisada"));
    }

    // A later start with a file hands over its absolute path (a name with
    // spaces and accents, relative to where that start ran), then asks the
    // first to come to the front.
    void segundaInstanciaPasaUnFichero() {
        TInstanciaUnica primera(nombre_, carpeta_.path());
        QVERIFY(primera.EsPrimera());
        QSignalSpy ficheros(&primera, &TInstanciaUnica::AbrirFichero);
        QSignalSpy activaciones(&primera, &TInstanciaUnica::Activar);
        QProcess segunda;
        segunda.setWorkingDirectory(carpeta_.path());
        Arrancar(segunda, {}, {QStringLiteral("mi préstamo.zzc")});
        QVERIFY2(activaciones.wait(10000), segunda.readAllStandardOutput() + segunda.readAllStandardError());
        QVERIFY(Terminado(segunda));
        QCOMPARE(segunda.readAllStandardOutput().trimmed(), QByteArray("segunda avisada"));
        QCOMPARE(ficheros.size(), 1);
        QCOMPARE(ficheros[0][0].toString(), QDir(carpeta_.path()).filePath(QStringLiteral("mi préstamo.zzc")));
    }

    // A first instance that is stopped takes the request (the kernel queues
    // it) but never answers: the later start must not end as if it had.
    void primeraDetenidaNoResponde() {
        QProcess primera;
        Arrancar(primera);
        QVERIFY(EsperarLinea(primera, "primera"));
        QCOMPARE(::kill(pid_t(primera.processId()), SIGSTOP), 0);
        QProcess segunda;
        Arrancar(segunda);
        const bool terminada = Terminado(segunda);
        ::kill(pid_t(primera.processId()), SIGCONT);
        QVERIFY(terminada);
        QCOMPARE(segunda.readAllStandardOutput().trimmed(), QByteArray("segunda sin aviso"));
        primera.kill();
        QVERIFY(Terminado(primera));
    }

    void mismaCarpetaDelUsuario() {
        const QString nombre = QStringLiteral("zz prueba %1").arg(QCoreApplication::applicationPid());
        auto primera = std::make_unique<TInstanciaUnica>(nombre);
        QVERIFY(primera->EsPrimera());
        const QString usuario = QString::fromLocal8Bit(qgetenv("USER"));
        if (!usuario.isEmpty())
            QVERIFY(primera->RutaBloqueo().contains(usuario));
        TInstanciaUnica segunda(nombre);
        QVERIFY(!segunda.EsPrimera());
        primera.reset();
        TInstanciaUnica tercera(nombre);
        QVERIFY(tercera.EsPrimera());
    }

    void sinGuardaElProgramaArranca() {
        TInstanciaUnica instancia(nombre_, QStringLiteral("/no/existe/zz"));
        QVERIFY(instancia.EsPrimera());
        QVERIFY(!instancia.Activa());
        QVERIFY(!instancia.ActivarAnterior());
    }

    // A folder others may write into is no place for the lock: whoever
    // created it there first would keep every start from opening.
    void carpetaCompartidaNoSirve() {
        QTemporaryDir compartida;
        QVERIFY(QFile::setPermissions(compartida.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                             | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
        TInstanciaUnica instancia(nombre_, compartida.path());
        QVERIFY(instancia.EsPrimera());
        QVERIFY(!instancia.Activa());
        QVERIFY(!QFile::exists(instancia.RutaBloqueo()));
    }

    // With no runtime folder of the user's own, the guard makes a private
    // folder of its own in the user's cache folder: in the temporary folder,
    // which everyone writes into, another user could have made it first and
    // so switched the guard off.
    void sinCarpetaDeEjecucionUsaUnaPrivada() {
        QTemporaryDir temporal, cache;
        QVERIFY(QFile::setPermissions(temporal.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                           | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
        // What another user could leave where Qt would make its runtime folder.
        const passwd* usuario = ::getpwuid(::geteuid());
        QVERIFY(usuario);
        QFile ocupado(QDir(temporal.path()).filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(usuario->pw_name)));
        QVERIFY(ocupado.open(QIODevice::WriteOnly));
        ocupado.close();
        // And the folder the guard would make in the temporary folder, made
        // first by another user.
        const QByteArray ajena = QFile::encodeName(
            QDir(temporal.path()).filePath(QStringLiteral("zz_prueba-%1").arg(::geteuid())));
        QCOMPARE(::mkdir(ajena.constData(), 0777), 0);
        if (::geteuid() == 0)
            QCOMPARE(::chown(ajena.constData(), 65534, 65534), 0);

        QString carpeta;
        {
            const VariableDeEntorno runtime("XDG_RUNTIME_DIR", {});
            const VariableDeEntorno tmpdir("TMPDIR", QFile::encodeName(temporal.path()));
            const VariableDeEntorno cacheUsuario("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
            TInstanciaUnica instancia(QStringLiteral("zz prueba"));
            QVERIFY(instancia.Activa());
            QVERIFY(!TInstanciaUnica(QStringLiteral("zz prueba")).EsPrimera());
            carpeta = QFileInfo(instancia.RutaBloqueo()).absolutePath();
        }

        QVERIFY(carpeta.startsWith(cache.path() + QLatin1Char('/')));
        struct stat datos {};
        QCOMPARE(::lstat(QFile::encodeName(carpeta).constData(), &datos), 0);
        QVERIFY(S_ISDIR(datos.st_mode));
        QCOMPARE(datos.st_uid, ::geteuid());
        QCOMPARE(datos.st_mode & 0777, 0700u);
    }

    // Something at the lock's place that is not a regular file of the user's
    // is not another instance: the program starts, without a guard.
    void cerrojoAjenoNoImpideArrancar_data() {
        QTest::addColumn<QString>("clase");
        QTest::newRow("FIFO") << QStringLiteral("fifo");
        QTest::newRow("fichero de otro usuario") << QStringLiteral("ajeno");
    }
    void cerrojoAjenoNoImpideArrancar() {
        QFETCH(QString, clase);
        QTemporaryDir carpeta;
        const QByteArray bloqueo = QFile::encodeName(TInstanciaUnica(nombre_, carpeta.path()).RutaBloqueo());
        QVERIFY(QFile::remove(QString::fromLocal8Bit(bloqueo)));
        if (clase == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(bloqueo.constData(), 0600), 0);
        } else {
            if (::geteuid() != 0)
                QSKIP("only root can give a file to another user");
            QFile f(QString::fromLocal8Bit(bloqueo));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            QCOMPARE(::chown(bloqueo.constData(), 65534, 65534), 0);
        }
        // Held as another user's instance would hold it.
        const int fd = ::open(bloqueo.constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        TInstanciaUnica instancia(nombre_, carpeta.path());
        ::close(fd);
        QVERIFY(instancia.EsPrimera());
        QVERIFY(!instancia.Activa());
    }

    // A folder where the socket goes: the first instance listens elsewhere
    // and a second start still reaches it.
    void socketOcupadoPorUnaCarpeta() {
        QTemporaryDir carpeta;
        const QString socket = TInstanciaUnica(nombre_, carpeta.path()).NombreSocket();
        QVERIFY(QDir().mkdir(socket));
        QProcess primera;
        Arrancar(primera, carpeta.path());
        QVERIFY(EsperarLinea(primera, "primera"));
        QProcess segunda;
        Arrancar(segunda, carpeta.path());
        QVERIFY(Terminado(segunda));
        QCOMPARE(segunda.readAllStandardOutput().trimmed(), QByteArray("segunda avisada"));
        QVERIFY(EsperarLinea(primera, "activado"));
        primera.kill();
        QVERIFY(Terminado(primera));
    }

    void traerAlFrenteRestaura() {
        QWidget ventana;
        ventana.showMinimized();
        QVERIFY(ventana.isMinimized());
        TraerAlFrente(&ventana);
        QVERIFY(!ventana.isMinimized());
        QVERIFY(ventana.isVisible());
    }
};

int main(int argc, char** argv) {
    if (argc >= 4 && qstrcmp(argv[1], kModoInstancia) == 0)
        return EjecutarInstancia(argc, argv);
    QApplication app(argc, argv);
    PrepararEntornoPruebas(app);
    TestInstanciaUnica prueba;
    return QTest::qExec(&prueba, argc, argv);
}
#include "test_instancia_unica.moc"
