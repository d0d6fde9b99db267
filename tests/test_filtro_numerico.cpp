// The rule of numeric boxes: what typed keys and pasted texts make of the
// box's text, with Spanish separators unless a case says otherwise.
#include "prueba_nucleo.h"

#include "util/filtro_numerico.h"
#include "util/textos_numericos.h"

namespace {

constexpr int kImporte = 1;     // decimals, no sign: every box of the window
constexpr int kEntero = 0;      // whole counts
constexpr int kConSigno = 11;   // decimals and a minus sign

const SeparadoresNumericos kEspanol{QLatin1Char(','), QLatin1Char('.')};
const SeparadoresNumericos kIngles{QLatin1Char('.'), QLatin1Char(',')};

// Types the text key by key into an empty box; an empty result with the
// reason when a key is refused.
EdicionNumerica TeclearTodo(const QString& texto, int tag) {
    EdicionNumerica edicion;
    for (const QChar c : texto) {
        edicion = TeclearNumero(edicion.texto, int(edicion.texto.size()), int(edicion.texto.size()), c,
                                OrigenTecla::Principal, tag, kEspanol);
        if (!edicion.Admitida())
            return edicion;
    }
    return edicion;
}

// An admitted edit gives `resultado`; a refused one (`motivo` not empty)
// keeps `texto` and gives a reason that contains `motivo`. Both come from
// the current row.
void ComprobarEdicion(const EdicionNumerica& edicion, const QString& texto) {
    QFETCH(QString, resultado);
    QFETCH(QString, motivo);
    if (motivo.isEmpty()) {
        QVERIFY2(edicion.Admitida(), qPrintable(edicion.motivo));
        QCOMPARE(edicion.texto, resultado);
    } else {
        QVERIFY2(edicion.motivo.contains(motivo), qPrintable(edicion.motivo));
        QCOMPARE(edicion.texto, texto);
    }
}

}  // namespace

class TestFiltroNumerico : public PruebaNucleo {
    Q_OBJECT
private slots:
    // A typed key over the selection [inicio, fin). "motivo" is a piece of
    // the reason a refused key gives (empty: admitted).
    void tecleo_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("ingles");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("fin");
        QTest::addColumn<QChar>("caracter");
        QTest::addColumn<bool>("tecladoNumerico");
        QTest::addColumn<QString>("resultado");
        QTest::addColumn<QString>("motivo");
        const QChar punto = QLatin1Char('.'), coma = QLatin1Char(',');
        const QString grupos = QStringLiteral("grupos de tres cifras");
        QTest::newRow("el punto agrupa miles") << kImporte << false << "150" << 3 << 3 << punto << false << "150." << "";
        QTest::newRow("grupo completo") << kImporte << false << "150.00" << 6 << 6 << QChar('0') << false << "150.000" << "";
        QTest::newRow("cuarta cifra del grupo") << kImporte << false << "150.000" << 7 << 7 << QChar('0') << false << "" << grupos;
        QTest::newRow("cuarta cifra del primer grupo") << kImporte << false << "150.000" << 0 << 0 << QChar('1') << false << "" << grupos;
        QTest::newRow("punto tras un grupo corto") << kImporte << false << "1.00" << 4 << 4 << punto << false << "" << grupos;
        QTest::newRow("punto al principio") << kImporte << false << "" << 0 << 0 << punto << false << "" << grupos;
        QTest::newRow("punto tras cuatro cifras") << kImporte << false << "1000" << 4 << 4 << punto << false << "" << grupos;
        QTest::newRow("punto que parte las cifras en tres") << kImporte << false << "150000" << 3 << 3 << punto << false << "150.000" << "";
        QTest::newRow("coma tras un grupo corto") << kImporte << false << "1.00" << 4 << 4 << coma << false << "" << grupos;
        QTest::newRow("coma tras un grupo completo") << kImporte << false << "1.000" << 5 << 5 << coma << false << "1.000," << "";
        QTest::newRow("punto en los decimales") << kImporte << false << "1,5" << 3 << 3 << punto << false << "" << "separa los miles";
        QTest::newRow("segunda coma") << kImporte << false << "1,5" << 1 << 1 << coma << false << "" << "ya tiene";
        QTest::newRow("coma sobre la coma seleccionada") << kImporte << false << "1,5" << 1 << 2 << coma << false << "1,5" << "";
        QTest::newRow("tecla decimal del teclado numérico") << kImporte << false << "12" << 2 << 2 << punto << true << "12," << "";
        QTest::newRow("teclado numérico en un entero") << kEntero << false << "12" << 2 << 2 << punto << true << "" << "enteros";
        QTest::newRow("coma en un entero") << kEntero << false << "12" << 2 << 2 << coma << false << "" << "enteros";
        QTest::newRow("el punto agrupa un entero") << kEntero << false << "1" << 1 << 1 << punto << false << "1." << "";
        QTest::newRow("signo sin permiso") << kImporte << false << "" << 0 << 0 << QChar('-') << false << "" << "negativos";
        QTest::newRow("signo al principio") << kConSigno << false << "5" << 0 << 0 << QChar('-') << false << "-5" << "";
        QTest::newRow("signo en medio") << kConSigno << false << "5" << 1 << 1 << QChar('-') << false << "" << "principio";
        QTest::newRow("cifra ante el signo") << kConSigno << false << "-5" << 0 << 0 << QChar('3') << false << "" << "principio";
        QTest::newRow("cifra sobre todo seleccionado") << kConSigno << false << "-12" << 0 << 3 << QChar('7') << false << "7" << "";
        QTest::newRow("letra") << kImporte << false << "1" << 1 << 1 << QChar('a') << false << "" << "«a» no vale";
        QTest::newRow("más") << kConSigno << false << "" << 0 << 0 << QChar('+') << false << "" << "«+» no vale";
        QTest::newRow("blanco") << kImporte << false << "1" << 1 << 1 << QChar(' ') << false << "" << "no vale";
        // The largest amounts: whole up to 10^15, with decimals up to 15 digits.
        QTest::newRow("diez elevado a quince") << kImporte << false << "100000000000000" << 15 << 15 << QChar('0') << false << "1000000000000000" << "";
        QTest::newRow("más de diez elevado a quince") << kImporte << false << "999999999999999" << 15 << 15 << QChar('9') << false << "" << "1.000.000.000.000.000";
        QTest::newRow("céntimos en diez elevado a quince") << kImporte << false << "1000000000000000,0" << 18 << 18 << QChar('1') << false << "" << "1.000.000.000.000.000";
        QTest::newRow("ceros tras diez elevado a quince") << kImporte << false << "1000000000000000,0" << 18 << 18 << QChar('0') << false << "1000000000000000,00" << "";
        QTest::newRow("quince cifras con céntimos") << kImporte << false << "9999999999999,9" << 15 << 15 << QChar('9') << false << "9999999999999,99" << "";
        QTest::newRow("dieciséis cifras con céntimos") << kImporte << false << "99999999999999,9" << 16 << 16 << QChar('9') << false << "" << "9.999.999.999.999,99";
        QTest::newRow("cifra entera ante los céntimos") << kImporte << false << "9999999999999,99" << 0 << 0 << QChar('9') << false << "" << "15 cifras";
        QTest::newRow("mayor entero") << kEntero << false << "214748364" << 9 << 9 << QChar('7') << false << "2147483647" << "";
        QTest::newRow("más que el mayor entero") << kEntero << false << "214748364" << 9 << 9 << QChar('8') << false << "" << "2.147.483.647";
        // With English settings the comma groups and the point is the decimal separator.
        QTest::newRow("inglés: la coma agrupa") << kImporte << true << "5" << 1 << 1 << coma << false << "5," << "";
        QTest::newRow("inglés: coma en los decimales") << kImporte << true << "1.000" << 5 << 5 << coma << false << "" << "«,» separa los miles";
        QTest::newRow("inglés: teclado numérico") << kImporte << true << "5" << 1 << 1 << coma << true << "5." << "";
    }
    void tecleo() {
        QFETCH(int, tag);
        QFETCH(bool, ingles);
        QFETCH(QString, texto);
        QFETCH(int, inicio);
        QFETCH(int, fin);
        QFETCH(QChar, caracter);
        QFETCH(bool, tecladoNumerico);
        const EdicionNumerica edicion =
            TeclearNumero(texto, inicio, fin, caracter,
                          tecladoNumerico ? OrigenTecla::TecladoNumerico : OrigenTecla::Principal, tag,
                          ingles ? kIngles : kEspanol);
        ComprobarEdicion(edicion, texto);
    }

    // A pasted text over the selection [inicio, fin).
    void pegado_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("fin");
        QTest::addColumn<QString>("pegado");
        QTest::addColumn<QString>("resultado");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("negativo") << kImporte << "" << 0 << 0 << "-500" << "" << "negativos";
        QTest::newRow("negativo donde se admite") << kConSigno << "" << 0 << 0 << "-500" << "-500" << "";
        QTest::newRow("por ciento detrás") << kImporte << "" << 0 << 0 << "3,5 %" << "3,5" << "";
        QTest::newRow("euro detrás") << kImporte << "" << 0 << 0 << "1000 €" << "1000" << "";
        QTest::newRow("euro delante y miles") << kImporte << "" << 0 << 0 << " € 1.000,50 " << "1.000,50" << "";
        QTest::newRow("miles con blancos") << kImporte << "" << 0 << 0 << "1 000,50" << "1.000,50" << "";
        QTest::newRow("miles sin acabar") << kImporte << "" << 0 << 0 << "1.00" << "" << "grupos de tres";
        QTest::newRow("forma inglesa") << kImporte << "" << 0 << 0 << "1,000.50" << "" << "separa los miles";
        QTest::newRow("demasiadas cifras") << kImporte << "" << 0 << 0 << "99999999999999,99" << "" << "1.000.000.000.000.000";
        QTest::newRow("sobre la selección") << kImporte << "1234" << 1 << 3 << "55" << "1554" << "";
        QTest::newRow("por ciento en un entero") << kEntero << "" << 0 << 0 << "12 %" << "" << "«%» no vale";
        QTest::newRow("letras") << kImporte << "" << 0 << 0 << "x-1" << "" << "«x» no vale";
    }
    void pegado() {
        QFETCH(int, tag);
        QFETCH(QString, texto);
        QFETCH(int, inicio);
        QFETCH(int, fin);
        QFETCH(QString, pegado);
        const EdicionNumerica edicion = PegarNumero(texto, inicio, fin, pegado, tag, kEspanol);
        ComprobarEdicion(edicion, texto);
    }

    // Typing a number key by key and pasting it whole end the same, and what
    // a box ends with is read as the number it shows: a typed point never
    // shrinks an amount a thousand times.
    void tecleadoYPegadoCoinciden_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mostrado");  // as a result shows it; empty: refused both ways
        QTest::newRow("miles") << "150.000" << "150.000,00";
        QTest::newRow("miles y céntimos") << "1.000,50" << "1.000,50";
        QTest::newRow("sin agrupar") << "5000" << "5.000,00";
        QTest::newRow("millones") << "12.345.678,9" << "12.345.678,90";
        QTest::newRow("diez elevado a quince") << "1.000.000.000.000.000,00" << "1.000.000.000.000.000,00";
        QTest::newRow("el mayor con céntimos") << "9.999.999.999.999,99" << "9.999.999.999.999,99";
        QTest::newRow("céntimos que no caben") << "99999999999999,99" << "";
        QTest::newRow("mal agrupado") << "1.0000" << "";
        QTest::newRow("decimal inglés") << "3.5" << "";
    }
    void tecleadoYPegadoCoinciden() {
        QFETCH(QString, texto);
        QFETCH(QString, mostrado);
        const EdicionNumerica tecleado = TeclearTodo(texto, kImporte);
        const EdicionNumerica pegado = PegarNumero(QString(), 0, 0, texto, kImporte, kEspanol);
        const bool completo = ComprobarTextoNumerico(tecleado.texto, kImporte, kEspanol).estado ==
                              EstadoTextoNumerico::Completo;
        if (mostrado.isEmpty()) {
            QVERIFY(!pegado.Admitida());
            QVERIFY2(!tecleado.Admitida() || !completo, qPrintable(tecleado.texto));
            return;
        }
        QVERIFY2(tecleado.Admitida(), qPrintable(tecleado.motivo));
        QVERIFY2(pegado.Admitida(), qPrintable(pegado.motivo));
        QCOMPARE(tecleado.texto, texto);
        QCOMPARE(pegado.texto, texto);
        QVERIFY(completo);
        QCOMPARE(TextoImporte(LeerImporte(texto)), mostrado);
    }
};

QTEST_GUILESS_MAIN(TestFiltroNumerico)
#include "test_filtro_numerico.moc"
