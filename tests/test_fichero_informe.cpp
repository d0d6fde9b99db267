// Report files from outside: only regular files are read, never blocking and
// never holding more than the file's size; sizes and counts are capped; and
// saving and loading failures give Spanish reasons, leaving the old file and
// the shown pages as they were.
#include "prueba_comun.h"

#include "reports/engine/fichero_informe.h"
#include "reports/engine/fichero_sistema.h"
#include "reports/engine/impresion_informe.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `prueba` in a child process that is killed after `segundos` and may
// take only `megasDeMas` MB more address space than it starts with, so that a reader
// which blocks or reads without end fails the test instead of hanging it or
// exhausting the machine. Gives the child's exit status, the value of
// `prueba`, or -1 when it was killed.
int CodigoEnProcesoLimitado(const std::function<int()>& prueba, unsigned segundos = 10, rlim_t megasDeMas = 256) {
    long paginas = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld", &paginas) != 1)
            paginas = 0;
        std::fclose(f);
    }
    const rlim_t limite = rlim_t(paginas) * rlim_t(sysconf(_SC_PAGESIZE)) + (megasDeMas << 20);
    const pid_t hijo = fork();
    if (hijo == 0) {
        const rlimit memoria{limite, limite};
        setrlimit(RLIMIT_AS, &memoria);
        alarm(segundos);
        _exit(prueba());
    }
    int estado = 0;
    waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

bool EnProcesoLimitado(const std::function<bool()>& prueba, unsigned segundos = 10) {
    return CodigoEnProcesoLimitado([&] { return prueba() ? 0 : 1; }, segundos) == 0;
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

// Many pages of long texts: a file of some hundreds of kilobytes.
InformePreparado InformeGrande(int paginas) {
    InformePreparado grande;
    PaginaPreparada pagina = UnaPagina().paginas[0];
    pagina.primitivas.front().texto = QString(2000, QLatin1Char('x'));
    grande.estilos.push_back(EstiloTexto());
    for (int i = 0; i < paginas; ++i)
        grande.paginas.push_back(pagina);
    return grande;
}

void Escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(datos), datos.size());
}

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

QStringList Contenido(const QString& carpeta) {
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Makes the folder a disk of 64 KB of its own for this process alone: a
// tmpfs in a mount namespace of its own. False where the system refuses.
bool MontarDiscoPequeno(const QString& carpeta) {
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", QFile::encodeName(carpeta).constData(), "tmpfs", 0, "size=64k") == 0;
}

constexpr int kSinDiscoPequeno = 77;

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
        const InformePreparado grande = InformeGrande(1000);
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

    // A PDF printed over an older one on a disk that fills up: the reason
    // is told and the old file stays whole, with no temporary file left.
    // The full disk is a small tmpfs where the system lets the test mount
    // one (skipped otherwise), and a file size limit, which fails the
    // writes the same way, everywhere.
    void pdfDiscoLlenoConservaElAnterior_data() {
        QTest::addColumn<bool>("tmpfs");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("límite de tamaño") << false << QStringLiteral("el fichero es más grande de lo que admite el disco");
        QTest::newRow("disco lleno") << true << QStringLiteral("no queda espacio en el disco");
    }
    void pdfDiscoLlenoConservaElAnterior() {
        QFETCH(bool, tmpfs);
        QFETCH(QString, motivo);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("old.pdf"));
        const QByteArray antes("%PDF-1.4\nun informe anterior\n%%EOF\n");
        const InformePreparado grande = InformeGrande(300);
        const int codigo = CodigoEnProcesoLimitado(
            [&] {
                if (tmpfs && !MontarDiscoPequeno(carpeta.path()))
                    return kSinDiscoPequeno;
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit tamano{64 * 1024, 64 * 1024};
                if (!tmpfs)
                    setrlimit(RLIMIT_FSIZE, &tamano);
                Escribir(ruta, antes);
                QPrinter impresora(QPrinter::HighResolution);
                impresora.setOutputFormat(QPrinter::PdfFormat);
                impresora.setOutputFileName(ruta);
                QString fallo;
                const bool impreso = ImprimirPaginas(grande, impresora, nullptr, &fallo);
                const QString esperado =
                    QStringLiteral("no se puede escribir el fichero PDF «%1» (%2)").arg(ruta, motivo);
                const bool bien = !impreso && fallo == esperado && Leer(ruta) == antes &&
                                  Contenido(carpeta.path()) == QStringList{QStringLiteral("old.pdf")};
                if (!bien)
                    qWarning() << "impreso:" << impreso << fallo << "anterior intacto:" << (Leer(ruta) == antes)
                               << Contenido(carpeta.path());
                return bien ? 0 : 1;
            },
            // Printing 300 pages takes more than a reader may, the more so
            // under the address sanitizer, which keeps freed memory aside.
            120, 4096);
        if (codigo == kSinDiscoPequeno)
            QSKIP("this system does not let the test mount a small tmpfs");
        QCOMPARE(codigo, 0);
    }

    // A save killed half-way (its writer never tidies up) leaves a hidden
    // temporary file; the next save of that name removes it, but never the
    // one of a save still running, nor those of other names.
    void temporalesAbandonados() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("informe.zrp"));
        Escribir(carpeta.filePath(QStringLiteral(".otro.zrp.a1b2c3")), "de otro nombre");
        Escribir(carpeta.filePath(QStringLiteral(".informe.zrp.notas")), "no es un temporal");
        TEscrituraAtomica enCurso(ruta);
        QVERIFY(enCurso.Abrir(nullptr));
        const pid_t hijo = fork();
        if (hijo == 0) {
            auto* abandonado = new TEscrituraAtomica(ruta);
            _exit(abandonado->Abrir(nullptr) && abandonado->Escribir("medio", 5, nullptr) ? 0 : 1);
        }
        int estado = 0;
        waitpid(hijo, &estado, 0);
        QVERIFY(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
        QCOMPARE(Contenido(carpeta.path()).size(), 4);
        QVERIFY(GuardarInforme(UnaPagina(), ruta));
        const QStringList quedan = Contenido(carpeta.path());
        QCOMPARE(quedan.size(), 4);
        QVERIFY(quedan.contains(QStringLiteral("informe.zrp")));
        QVERIFY(quedan.contains(QStringLiteral(".otro.zrp.a1b2c3")));
        QVERIFY(quedan.contains(QStringLiteral(".informe.zrp.notas")));
        QVERIFY(enCurso.Escribir("fin", 3, nullptr) && enCurso.Confirmar(nullptr));
        QCOMPARE(Leer(ruta), QByteArray("fin"));
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
