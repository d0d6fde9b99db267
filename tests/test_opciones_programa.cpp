// The options the program answers before any window: what each prints, where,
// and with which exit status, and which arguments it leaves to the rest of
// the program.
#include <QtTest>

#include "util/identidad.h"
#include "app/opciones_programa.h"

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {
const std::optional<int> kSigue = std::nullopt;
}

class TestOpcionesPrograma : public QObject {
    Q_OBJECT
private slots:
    void atiendeSusOpciones_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<std::optional<int>>("esperado");
        QTest::addColumn<QString>("salidaEsperada");
        QTest::addColumn<QString>("erroresEsperados");
        const QString version = QStringLiteral("Zelvar Zuzidaduve ") + TextoVersion() + QLatin1Char('\n');
        const QString desconocida = QStringLiteral("zuzidaduve: opción desconocida \"--verbose\"\n\n") + TextoUso();
        QTest::newRow("version") << QStringList{"--version"} << std::optional(0) << version << QString();
        QTest::newRow("ayuda") << QStringList{"--help"} << std::optional(0) << TextoUso() << QString();
        QTest::newRow("la primera de las dos") << QStringList{"--help", "--version"} << std::optional(0) << TextoUso()
                                               << QString();
        QTest::newRow("desconocida") << QStringList{"--verbose"} << std::optional(2) << QString() << desconocida;
        QTest::newRow("desconocida antes de version")
            << QStringList{"--verbose", "--version"} << std::optional(2) << QString() << desconocida;
        QTest::newRow("sin argumentos") << QStringList{} << kSigue << QString() << QString();
        QTest::newRow("dos guiones solos") << QStringList{"--"} << kSigue << QString() << QString();
        // A sub-command reads its own options, --help included.
        QTest::newRow("prestamo") << QStringList{"prestamo", "--capital", "1.000,50"} << kSigue << QString()
                                  << QString();
        QTest::newRow("inversion con ayuda") << QStringList{"inversion", "--help"} << kSigue << QString() << QString();
        QTest::newRow("depreciacion") << QStringList{"depreciacion", "--metodo", "lineal"} << kSigue << QString()
                                      << QString();
        // Qt's own options, with one dash or two, still reach Qt.
        QTest::newRow("plataforma de Qt") << QStringList{"--platform", "offscreen"} << kSigue << QString()
                                          << QString();
        QTest::newRow("estilo de Qt") << QStringList{"--style=fusion"} << kSigue << QString() << QString();
        QTest::newRow("un guion") << QStringList{"-platform", "xcb"} << kSigue << QString() << QString();
    }
    void atiendeSusOpciones() {
        QFETCH(QStringList, argumentos);
        QFETCH(std::optional<int>, esperado);
        QFETCH(QString, salidaEsperada);
        QFETCH(QString, erroresEsperados);
        QString salida, errores;
        QTextStream flujoSalida(&salida), flujoErrores(&errores);
        const std::optional<int> resultado =
            AtenderOpcionesPrograma(QStringList{"/usr/bin/zuzidaduve"} + argumentos, flujoSalida, flujoErrores);
        flujoSalida.flush();
        flujoErrores.flush();
        QCOMPARE(resultado, esperado);
        QCOMPARE(salida, salidaEsperada);
        QCOMPARE(errores, erroresEsperados);
    }

    // The usage names every option and sub-command that the program takes.
    void usoNombraCadaOpcionYOrden() {
        const QString uso = TextoUso();
        for (const char* palabra : {"--version", "--help", "zuzidaduve prestamo ", "zuzidaduve inversion ",
                                    "zuzidaduve depreciacion ", "zuzidaduve comparar ", "--oferta",
                                    "--formato|--salida texto|csv|json"})
            QVERIFY2(uso.contains(QLatin1String(palabra)), palabra);
    }
};

QTEST_GUILESS_MAIN(TestOpcionesPrograma)
#include "test_opciones_programa.moc"
