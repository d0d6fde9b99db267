#include "prueba_nucleo.h"

#include "finance/calculo_depreciacion.h"
#include "finance/tvm.h"
#include "util/excepcion.h"
#include "util/textos_numericos.h"

#include <QElapsedTimer>

using namespace finance;

Q_DECLARE_METATYPE(finance::EntradaDepreciacion)

namespace {

constexpr int Lineal = 8;
constexpr int Acelerada = 9;
constexpr int Doble = 10;

EntradaDepreciacion Entrada(const char* inicial, const char* final_, const char* util, const char* calculo) {
    return {QString::fromUtf8(inicial), QString::fromUtf8(final_), QString::fromUtf8(util),
            QString::fromUtf8(calculo)};
}

QStringList Textos(const PanelesDepreciacion& p) {
    return {p.depreciacionVidaUtil, p.valorFinalUtil, p.depreciacionCalculada, p.valorFinalCalculado};
}

}  // namespace

class TestCalculoDepreciacion : public PruebaNucleo {
    Q_OBJECT
private slots:
    // The four panels: depreciation over the life and the value left, then
    // over the years to calculate and the value left after them.
    void resultados_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<EntradaDepreciacion>("entrada");
        QTest::addColumn<QStringList>("paneles");
        const auto vida = [](const char* calculada, const char* queda) {
            return QStringList{"9.000,00", "1.000,00", calculada, queda};
        };
        QTest::newRow("lineal, 3 años") << Lineal << Entrada("10000", "1000", "5", "3") << vida("5.400,00", "4.600,00");
        QTest::newRow("acelerada, 3 años") << Acelerada << Entrada("10000", "1000", "5", "3")
                                           << vida("7.200,00", "2.800,00");
        QTest::newRow("doble, 3 años") << Doble << Entrada("10000", "1000", "5", "3") << vida("7.840,00", "2.160,00");
        QTest::newRow("lineal, más años que vida") << Lineal << Entrada("10000", "1000", "5", "8")
                                                   << vida("9.000,00", "1.000,00");
        QTest::newRow("acelerada, más años que vida") << Acelerada << Entrada("10000", "1000", "5", "8")
                                                      << vida("9.000,00", "1.000,00");
        QTest::newRow("doble, último año limitado") << Doble << Entrada("10000", "1000", "5", "8")
                                                    << vida("9.000,00", "1.000,00");
        // Double declining need not reach the final value: the life lines
        // say what its years depreciate, as its table does.
        QTest::newRow("doble sin valor residual")
            << Doble << Entrada("10000", "0", "5", "5")
            << QStringList{"9.222,40", "777,60", "9.222,40", "777,60"};
        QTest::newRow("doble sin valor residual, menos años")
            << Doble << Entrada("10000", "0", "5", "2")
            << QStringList{"9.222,40", "777,60", "6.400,00", "3.600,00"};
        QTest::newRow("doble con vida de dos años") << Doble << Entrada("10000", "1000", "2", "1")
                                                    << QStringList{"9.000,00", "1.000,00", "9.000,00", "1.000,00"};
        for (int metodo : {Lineal, Acelerada, Doble})
            QTest::addRow("sin depreciación, método %d", metodo)
                << metodo << Entrada("10000", "10000", "5", "3")
                << QStringList{"0,00", "10.000,00", "0,00", "10.000,00"};
        QTest::newRow("otro cálculo") << 4 << Entrada("10000", "1000", "5", "3") << vida("0,00", "10.000,00");
        QTest::newRow("acelerada, años a calcular máximos")
            << Acelerada << Entrada("10000", "1000", "5", "2147483647") << vida("9.000,00", "1.000,00");
        QTest::newRow("doble, años a calcular máximos")
            << Doble << Entrada("10000", "1000", "5", "2147483647") << vida("9.000,00", "1.000,00");
        QTest::newRow("lineal, vida máxima")
            << Lineal << Entrada("10000", "1000", "2147483647", "2147483647") << vida("9.000,00", "1.000,00");
        QTest::newRow("acelerada, vida máxima")
            << Acelerada << Entrada("10000", "1000", "2147483647", "2147483647") << vida("9.000,00", "1.000,00");
        // (1 - 2/L)^L tends to e^-2: 10000 e^-2 = 1353,35 is left.
        QTest::newRow("doble, vida máxima")
            << Doble << Entrada("10000", "1000", "2147483647", "2147483647")
            << QStringList{"8.646,65", "1.353,35", "8.646,65", "1.353,35"};
        QTest::newRow("importes grandes")
            << Acelerada << Entrada("1e15", "0", "5", "3")
            << QStringList{"1.000.000.000.000.000,00", "0,00", "800.000.000.000.000,00", "200.000.000.000.000,00"};
    }
    void resultados() {
        QFETCH(int, calculo);
        QFETCH(EntradaDepreciacion, entrada);
        QFETCH(QStringList, paneles);
        QElapsedTimer reloj;
        reloj.start();
        const ResultadoDepreciacion r = ResolverDepreciacion(CodigoCalculo(calculo), entrada);
        QVERIFY2(reloj.elapsed() < 2000, "the calculation must return at once");
        QVERIFY(!r.aviso);
        QVERIFY(!r.estado.CalculoFallido);
        QVERIFY(!r.conservarPaneles);
        QCOMPARE(Textos(TextosPanelesDepreciacion(r.estado)), paneles);
    }

    // A long life is not summed year by year; the result must still equal
    // the sum of the yearly amounts.
    void vidaLargaIgualQueSumarCadaAnio_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<int>("anios");
        for (int anios : {400000, 1000000, 3000000}) {
            QTest::addRow("acelerada, %d años", anios) << Acelerada << anios;
            QTest::addRow("doble, %d años", anios) << Doble << anios;
        }
    }
    void vidaLargaIgualQueSumarCadaAnio() {
        QFETCH(int, calculo);
        QFETCH(int, anios);
        const double inicial = 123456789.0, residual = 50000000.0;
        const int vida = 1000000;
        long double suma = 0;
        for (int anio = 1; anio <= std::min(anios, vida); ++anio)
            suma += calculo == Acelerada ? SumOfYearsDepreciation(inicial, residual, vida, anio)
                                         : DecliningBalanceDepreciation(inicial, residual, vida, anio);
        const EntradaDepreciacion entrada{TextoDosDecimales(inicial), TextoDosDecimales(residual),
                                          QString::number(vida), QString::number(anios)};
        const ResultadoDepreciacion r = ResolverDepreciacion(CodigoCalculo(calculo), entrada);
        QVERIFY(!r.aviso);
        QVERIFY2(qAbs(r.estado.DepCalculada - static_cast<double>(suma)) < 0.001,
                 qPrintable(QStringLiteral("%1 / %2").arg(r.estado.DepCalculada, 0, 'f', 4)
                                .arg(static_cast<double>(suma), 0, 'f', 4)));
    }

    // Refused data: the warning, the failure flag, and the panels left as
    // they were.
    void avisos_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<EntradaDepreciacion>("entrada");
        QTest::addColumn<QString>("texto");
        const QString vida = QStringLiteral("El número de años de vida útil debe ser mayor que cero.");
        const QString anios = QStringLiteral("El número de años a calcular debe ser mayor que cero.");
        QTest::newRow("final mayor que inicial") << Lineal << Entrada("1000", "1000,01", "0", "0")
                                                 << "El valor final debe ser menor o igual que el valor inicial.";
        QTest::newRow("sin vida útil") << Acelerada << Entrada("10000", "1000", "0", "0") << vida;
        QTest::newRow("sin años a calcular") << Doble << Entrada("10000", "1000", "5", "0") << anios;
        QTest::newRow("formulario vacío") << Lineal << Entrada("", "", "", "") << vida;
        // Pasted negative counts are refused like zero.
        QTest::newRow("vida útil negativa") << Lineal << Entrada("10000", "1000", "-5", "-10") << vida;
        QTest::newRow("años a calcular negativos") << Lineal << Entrada("10000", "1000", "5", "-3") << anios;
        QTest::newRow("depreciación que no se puede mostrar entera")
            << Lineal << Entrada("1e15", "-1e15", "5", "3")
            << "No se ha podido calcular la depreciación con estos datos.";
    }
    void avisos() {
        QFETCH(int, calculo);
        QFETCH(EntradaDepreciacion, entrada);
        QFETCH(QString, texto);
        const ResultadoDepreciacion r = ResolverDepreciacion(CodigoCalculo(calculo), entrada);
        QVERIFY(r.aviso);
        QCOMPARE(r.aviso->titulo, QStringLiteral("Cálculo de la depreciación"));
        QCOMPARE(r.aviso->texto, texto);
        QVERIFY(r.estado.CalculoFallido);
        QVERIFY(r.conservarPaneles);
        QCOMPARE(r.estado.DepCalculada, 0.0);
        QVERIFY(std::isfinite(r.estado.DepVidaUtil));
    }

    void camposVaciosValenCero() {
        const ResultadoDepreciacion r = ResolverDepreciacion(CodigoCalculo(Lineal), Entrada("", "", "", ""));
        QCOMPARE(r.camposConCero,
                 (QList<CampoDepreciacion>{CampoDepreciacion::ValorInicial, CampoDepreciacion::ValorFinal,
                                           CampoDepreciacion::AniosUtil, CampoDepreciacion::AniosCalculo}));
        QVERIFY(ResolverDepreciacion(CodigoCalculo(Lineal), Entrada("1", "0", "1", "1")).camposConCero.isEmpty());
    }

    void textoNoNumerico_data() {
        QTest::addColumn<EntradaDepreciacion>("entrada");
        QTest::newRow("valor inicial mal agrupado") << Entrada("10.00", "1000", "5", "3");
        QTest::newRow("valor inicial que no se puede mostrar") << Entrada("1e16", "1000", "5", "3");
        QTest::newRow("valor final") << Entrada("10000", ",", "5", "3");
        QTest::newRow("años con decimales") << Entrada("10000", "1000", "5,5", "3");
        QTest::newRow("años demasiados") << Entrada("10000", "1000", "5", "2147483648");
    }
    void textoNoNumerico() {
        QFETCH(EntradaDepreciacion, entrada);
        for (int calculo : {Lineal, Acelerada, Doble})
            QVERIFY_THROWS_EXCEPTION(EConvertError, ResolverDepreciacion(CodigoCalculo(calculo), entrada));
    }
};

QTEST_GUILESS_MAIN(TestCalculoDepreciacion)
#include "test_calculo_depreciacion.moc"
