#include "prueba_nucleo.h"

#include "finance/calculo_depreciacion.h"
#include "finance/tablas_fiscales.h"
#include "finance/tvm.h"
#include "util/excepcion.h"
#include "util/textos_numericos.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

using namespace finance;

Q_DECLARE_METATYPE(finance::EntradaDepreciacion)

namespace {

constexpr int Lineal = 8;
constexpr int Acelerada = 9;
constexpr int Doble = 10;
constexpr int DobleLineal = 11;

EntradaDepreciacion Entrada(const char* inicial, const char* final_, const char* util, const char* calculo) {
    return {QString::fromUtf8(inicial), QString::fromUtf8(final_), QString::fromUtf8(util),
            QString::fromUtf8(calculo)};
}

EntradaDepreciacion EntradaDesde(int mes, const char* inicial, const char* final_, const char* util,
                                 const char* calculo) {
    EntradaDepreciacion e = Entrada(inicial, final_, util, calculo);
    e.mesInicio = mes;
    return e;
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
        QTest::newRow("doble con paso a lineal, 4 años")
            << DobleLineal << Entrada("10000", "0", "5", "4") << QStringList{"10.000,00", "0,00", "8.920,00", "1.080,00"};
        QTest::newRow("doble con paso a lineal, sin depreciación")
            << DobleLineal << Entrada("10000", "10000", "5", "3")
            << QStringList{"0,00", "10.000,00", "0,00", "10.000,00"};
        // Half the life on the doubled rate leaves 10000 e^-1; the straight
        // line takes half of that over the next quarter of the life.
        QTest::newRow("doble con paso a lineal, vida máxima")
            << DobleLineal << Entrada("10000", "0", "2147483644", "1610612733")
            << QStringList{"10.000,00", "0,00", "8.160,60", "1.839,40"};
        // Started in July, the years to calculate are calendar years: the
        // first holds half a year of life and the last one the other half.
        QTest::newRow("lineal desde julio, 1 año")
            << Lineal << EntradaDesde(7, "10000", "1000", "5", "1") << vida("900,00", "9.100,00");
        QTest::newRow("lineal desde julio, toda la vida")
            << Lineal << EntradaDesde(7, "10000", "1000", "5", "5") << vida("8.100,00", "1.900,00");
        QTest::newRow("lineal desde julio, un año más que la vida")
            << Lineal << EntradaDesde(7, "10000", "1000", "5", "6") << vida("9.000,00", "1.000,00");
        QTest::newRow("acelerada desde diciembre, vida máxima")
            << Acelerada << EntradaDesde(12, "10000", "1000", "2147483647", "2147483647")
            << vida("9.000,00", "1.000,00");
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
    // The switch to the straight line found by halving must be the year a
    // plain year-by-year run finds, whatever the life.
    void dobleLinealIgualQueAnioAAnio_data() {
        QTest::addColumn<double>("residual");
        QTest::addColumn<int>("vida");
        for (double residual : {0.0, 1000.0, 9000.0})
            for (int vida : {3, 7, 40, 1000, 200001})
                QTest::addRow("residual %.0f, %d años", residual, vida) << residual << vida;
    }
    void dobleLinealIgualQueAnioAAnio() {
        QFETCH(double, residual);
        QFETCH(int, vida);
        const long double coste = 10000;
        long double libro = coste;
        QList<long double> acumulada{0};
        for (int anio = 1; anio <= vida; ++anio) {
            const long double cargo =
                std::min(std::max(libro * 2 / vida, (libro - residual) / (vida - anio + 1)), libro - residual);
            libro -= cargo;
            acumulada << coste - libro;
        }
        for (int anios : {1, vida / 3, vida / 2, vida / 2 + 1, vida - 1, vida}) {
            EntradaDepreciacion entrada = Entrada("10000", "", "", "");
            entrada.valorFinal = TextoDosDecimales(residual);
            entrada.aniosUtil = QString::number(vida);
            entrada.aniosCalculo = QString::number(anios);
            const ResultadoDepreciacion r = ResolverDepreciacion(CodigoCalculo(DobleLineal), entrada);
            QVERIFY(!r.aviso);
            QVERIFY2(std::abs(r.estado.DepCalculada - double(acumulada[anios])) < 1e-6,
                     qPrintable(QStringLiteral("%1 años: %2 / %3").arg(anios).arg(r.estado.DepCalculada)
                                    .arg(double(acumulada[anios]))));
        }
    }

    // The tax table's limits: the shortest life is 100 / coefficient rounded
    // up, and only a life outside [shortest, maximum period] is warned of.
    void tablaFiscal_data() {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<int>("minima");
        QTest::addColumn<int>("vida");
        QTest::addColumn<QString>("aviso");
        const QString corta = QStringLiteral("menor que la mínima");
        const QString larga = QStringLiteral("mayor que el periodo máximo");
        QTest::newRow("maquinaria, una menos que la mínima") << "maquinaria" << 9 << 8 << corta;
        QTest::newRow("maquinaria, la mínima") << "maquinaria" << 9 << 9 << QString();
        QTest::newRow("maquinaria, el periodo máximo") << "maquinaria" << 9 << 18 << QString();
        QTest::newRow("maquinaria, uno más que el máximo") << "maquinaria" << 9 << 19 << larga;
        QTest::newRow("programas, 100/33 redondeado arriba") << "programas-informaticos" << 4 << 3 << corta;
        QTest::newRow("equipos informáticos, exacta") << "equipos-informaticos" << 4 << 4 << QString();
        QTest::newRow("edificios industriales") << "edificios-industriales" << 34 << 68 << QString();
        QTest::newRow("edificios comerciales") << "edificios-comerciales" << 50 << 101 << larga;
        QTest::newRow("vehículos") << "vehiculos" << 7 << 6 << corta;
    }
    void tablaFiscal() {
        QFETCH(QString, clave);
        QFETCH(int, minima);
        QFETCH(int, vida);
        QFETCH(QString, aviso);
        const auto tabla = BuscarTablaFiscal(clave);
        QVERIFY(tabla);
        QCOMPARE(VidaMinima(*tabla), minima);
        const auto obtenido = AvisoVidaFiscal(*tabla, vida);
        QCOMPARE(obtenido.has_value(), !aviso.isEmpty());
        if (obtenido)
            QVERIFY2(obtenido->contains(aviso), qPrintable(*obtenido));
        QVERIFY(!BuscarTablaFiscal(QStringLiteral("barcos")));
    }

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
