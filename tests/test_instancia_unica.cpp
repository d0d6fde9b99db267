#include "prueba_comun.h"

#include "util/instancia_unica.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

const char* const kModoInstancia = "--instancia";

// Run as a separate process: "primera" and then "activado" for each request,
// until it is killed; or "segunda" and the outcome of the request, and exit.
int EjecutarInstancia(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TInstanciaUnica instancia(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!instancia.EsPrimera()) {
        std::printf(instancia.ActivarAnterior() ? "segunda avisada\n" : "segunda sin aviso\n");
        return 3;
    }
    QObject::connect(&instancia, &TInstanciaUnica::Activar, [] {
        std::printf("activado\n");
        std::fflush(stdout);
    });
    std::printf("primera\n");
    std::fflush(stdout);
    return app.exec();
}

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

    void Arrancar(QProcess& proceso) {
        proceso.start(QCoreApplication::applicationFilePath(),
                      {QString::fromLatin1(kModoInstancia), nombre_, carpeta_.path()});
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

    void traerAlFrenteRestaura() {
        QWidget ventana;
        ventana.showMinimized();
        QVERIFY(ventana.isMinimized());
        TInstanciaUnica::TraerAlFrente(&ventana);
        QVERIFY(!ventana.isMinimized());
        QVERIFY(ventana.isVisible());
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], kModoInstancia) == 0)
        return EjecutarInstancia(argc, argv);
    QApplication app(argc, argv);
    PrepararEntornoPruebas(app);
    TestInstanciaUnica prueba;
    return QTest::qExec(&prueba, argc, argv);
}
#include "test_instancia_unica.moc"
