// Report files from outside: only regular files are read, never blocking and
// never holding more than the file's size; sizes and counts are capped; and
// saving and loading failures give Spanish reasons, leaving the old file and
// the shown pages as they were.
#include "prueba_comun.h"

#include "reports/engine/fichero_informe.h"
#include "reports/engine/fichero_sistema.h"

#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `prueba` in a child process that is killed after `segundos` and may
// take only 256 MB more address space than it starts with, so that a reader
// which blocks or reads without end fails the test instead of hanging it or
// exhausting the machine. True when the child ran to the end and `prueba`
// held.
bool EnProcesoLimitado(const std::function<bool()>& prueba, unsigned segundos = 10) {
    long paginas = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld", &paginas) != 1)
            paginas = 0;
        std::fclose(f);
    }
    const rlim_t limite = rlim_t(paginas) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(256) << 20);
    const pid_t hijo = fork();
    if (hijo == 0) {
        const rlimit memoria{limite, limite};
        setrlimit(RLIMIT_AS, &memoria);
        alarm(segundos);
        _exit(prueba() ? 0 : 1);
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

InformePreparado UnaPagina() {
    InformePreparado informe;
    informe.titulo = QStringLiteral("Informe");
    PaginaPreparada pagina;
    Primitiva texto;
    texto.tipo = Primitiva::Texto;
    texto.texto = QStringLiteral("Página: 1");
    texto.ancho = 40;
    texto.alto = 4;
    informe.estilos.push_back(EstiloTexto());
    pagina.primitivas.push_back(texto);
    informe.paginas.push_back(pagina);
    return informe;
}

void Escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(datos), datos.size());
}

}  // namespace

class TestFicheroInforme : public QObject {
    Q_OBJECT
private slots:
    // A pipe that nobody writes and an endless device are refused at once,
    // without blocking or reading.
    void soloFicherosNormales_data() {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("motivo");
        const QString especial = QStringLiteral("no es un fichero normal (es una tubería o un dispositivo)");
        QTest::newRow("tubería") << QString() << especial;
        QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << especial;
        QTest::newRow("carpeta") << QStringLiteral("/tmp") << QStringLiteral("el nombre es el de una carpeta");
        QTest::newRow("no existe") << QStringLiteral("/no/existe.zrp") << QStringLiteral("el fichero no existe");
    }
    void soloFicherosNormales() {
        QFETCH(QString, ruta);
        QFETCH(QString, motivo);
        QTemporaryDir carpeta;
        if (ruta.isEmpty()) {
            ruta = carpeta.filePath(QStringLiteral("tuberia.zrp"));
            QCOMPARE(mkfifo(QFile::encodeName(ruta).constData(), 0600), 0);
        }
        QVERIFY(EnProcesoLimitado([&] {
            InformePreparado destino = UnaPagina();
            QString obtenido;
            return !CargarInforme(ruta, destino, &obtenido) && obtenido == motivo && destino.paginas.size() == 1;
        }));
    }

    // A file above the limit is refused before anything is read; a sparse
    // file makes one without using the disk.
    void ficheroDemasiadoGrande() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("enorme.zrp"));
        Escribir(ruta, EscribirInforme(UnaPagina()));
        QVERIFY(QFile::resize(ruta, kMaximoFicheroInforme + 1));
        QVERIFY(EnProcesoLimitado([&] {
            InformePreparado destino;
            QString motivo;
            return !CargarInforme(ruta, destino, &motivo) &&
                   motivo == QStringLiteral("el fichero es demasiado grande para mostrarlo (más de 256 MB)");
        }));
    }

    void cancelarLaCarga() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("informe.zrp"));
        QVERIFY(GuardarInforme(UnaPagina(), ruta));
        InformePreparado destino;
        QString motivo = QStringLiteral("sin tocar");
        int llamadas = 0;
        QVERIFY(!CargarInforme(ruta, destino, &motivo, [&](qint64, qint64 total) {
            ++llamadas;
            return total <= 0;
        }));
        QVERIFY(motivo.isEmpty());
        QCOMPARE(llamadas, 1);
        QVERIFY(destino.paginas.empty());
        QVERIFY(CargarInforme(ruta, destino, &motivo, [](qint64, qint64) { return true; }));
        QCOMPARE(destino.paginas.size(), std::size_t(1));
    }

    // Saving fails with a reason in Spanish and leaves what was there.
    void erroresAlGuardar_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("carpeta que no existe") << QStringLiteral("no/existe.zrp") << QStringLiteral("la carpeta no existe");
        QTest::newRow("nombre de una carpeta") << QStringLiteral("sub") << QStringLiteral("el nombre es el de una carpeta");
    }
    void erroresAlGuardar() {
        QFETCH(QString, nombre);
        QFETCH(QString, motivo);
        QTemporaryDir carpeta;
        QVERIFY(QDir(carpeta.path()).mkdir(QStringLiteral("sub")));
        QString obtenido;
        QVERIFY(!GuardarInforme(UnaPagina(), carpeta.filePath(nombre), &obtenido));
        QCOMPARE(obtenido, motivo);
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("sub")});
    }

    // A disk that fills up while writing (a file size limit stands in for
    // it): the reason is given, the old file is intact and no temporary
    // file is left behind.
    void discoLlenoConservaElFichero() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("informe.zrp"));
        const QByteArray antes = EscribirInforme(UnaPagina());
        Escribir(ruta, antes);
        InformePreparado grande;
        PaginaPreparada pagina = UnaPagina().paginas[0];
        pagina.primitivas.front().texto = QString(2000, QLatin1Char('x'));
        grande.estilos.push_back(EstiloTexto());
        for (int i = 0; i < 1000; ++i)
            grande.paginas.push_back(pagina);
        QVERIFY(EnProcesoLimitado([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit tamano{64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &tamano);
            QString motivo;
            return !GuardarInforme(grande, ruta, &motivo) &&
                   motivo == QStringLiteral("el fichero es más grande de lo que admite el disco");
        }));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), antes);
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // The reasons the system gives, as the person reads them: never English
    // and never "unknown".
    void motivosEnEspanol_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("escribiendo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("disco lleno") << ENOSPC << true << QStringLiteral("no queda espacio en el disco");
        QTest::newRow("solo lectura") << EROFS << true << QStringLiteral("la carpeta es de solo lectura");
        QTest::newRow("sin permiso para escribir")
            << EACCES << true << QStringLiteral("no tiene permiso para escribir en esa carpeta");
        QTest::newRow("sin permiso para leer") << EACCES << false << QStringLiteral("no tiene permiso para leer el fichero");
        QTest::newRow("otro") << EXDEV << true << QStringLiteral("el sistema ha devuelto el error número %1").arg(EXDEV);
    }
    void motivosEnEspanol() {
        QFETCH(int, error);
        QFETCH(bool, escribiendo);
        QFETCH(QString, motivo);
        QCOMPARE(MotivoSistema(error, escribiendo), motivo);
    }

    // Without permission on the folder (not testable as root, who has every
    // permission).
    void carpetaSinPermiso() {
        if (geteuid() == 0)
            QSKIP("root writes in any folder");
        QTemporaryDir carpeta;
        QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::ExeOwner));
        QString motivo;
        QVERIFY(!GuardarInforme(UnaPagina(), carpeta.filePath(QStringLiteral("a.zrp")), &motivo));
        QCOMPARE(motivo, QStringLiteral("no tiene permiso para escribir en esa carpeta"));
        QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

ZZ_TEST_MAIN(TestFicheroInforme)
#include "test_fichero_informe.moc"
