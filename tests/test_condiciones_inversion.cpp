// The savings plan options: contributions that grow every year, values in
// today's money, the tax on the gain, and the level withdrawal a capital
// sustains. The expected figures come from tools/oraculo_ahorro.py, which
// works them out on its own with 40-digit decimals.
#include "prueba_nucleo.h"

#include "finance/calculo_inversion.h"
#include "finance/filas_inversion.h"
#include "finance/impuesto_ahorro.h"
#include "finance/retirada_capital.h"
#include "finance/todas_las_filas.h"
#include "finance/valor_real.h"

using namespace finance;

Q_DECLARE_METATYPE(finance::EntradaInversion)
Q_DECLARE_METATYPE(finance::PaymentTiming)

namespace {

constexpr auto Inicio = PaymentTiming::StartOfPeriod;
constexpr auto Final = PaymentTiming::EndOfPeriod;

EntradaInversion Creciente(const char* cuota, const char* interes, const char* num, const char* capital,
                           const char* inicial, double crecimiento, PaymentTiming timing) {
    EntradaInversion e;
    e.cuota = QString::fromUtf8(cuota);
    e.interes = QString::fromUtf8(interes);
    e.numCuotas = QString::fromUtf8(num);
    e.capital = QString::fromUtf8(capital);
    e.capInicial = QString::fromUtf8(inicial);
    e.timing = timing;
    e.condiciones.crecimiento = crecimiento;
    return e;
}

ResultadoInversion Resolver(CodigoCalculo calculo, const EntradaInversion& entrada) {
    const ResultadoInversion r = ResolverInversion(calculo, entrada);
    if (r.aviso)
        qWarning("%s", qPrintable(r.aviso->texto));
    return r;
}

std::vector<trInversion> Filas(const EstadoInversion& e, PaymentTiming timing) {
    return FilasInversion(DatosFilasDeInversion(e, timing, QDate(2025, 1, 1)));
}

}  // namespace

class TestCondicionesInversion : public PruebaNucleo {
    Q_OBJECT
private slots:
    // Every unknown with a growing contribution: the figures the results
    // show (the final capital is what the contributions reach, as for a
    // level plan), and the table's last row reaching the same final capital,
    // its money put in adding up to the invested capital.
    void crecimiento_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::addColumn<QString>("cuota");
        QTest::addColumn<int>("cuotas");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("invertido");
        QTest::newRow("capital, al inicio") << 7 << Creciente("100", "5", "24", "", "", 10, Inicio) << "100,00" << 24
                                            << "2.652,39" << "2.520,00";
        QTest::newRow("capital, al final, con inicial")
            << 7 << Creciente("250", "3", "120", "", "1000", 2, Final) << "250,00" << 120 << "39.415,79"
            << "33.849,04";
        QTest::newRow("capital sin interés") << 7 << Creciente("50", "0", "36", "", "", 5, Inicio) << "50,00" << 36
                                             << "1.891,56" << "1.891,56";
        QTest::newRow("capital, cuota que decrece")
            << 7 << Creciente("200", "4,5", "60", "", "500", -3, Inicio) << "200,00" << 60 << "13.355,17"
            << "11.801,24";
        QTest::newRow("capital a 30 años") << 7 << Creciente("100", "7", "360", "", "", 3, Final) << "100,00" << 360
                                           << "166.716,42" << "57.090,60";
        QTest::newRow("primera cuota") << 4 << Creciente("", "5", "24", "3000", "", 10, Inicio) << "113,11" << 24
                                       << "3.000,10" << "2.850,36";
        QTest::newRow("primera cuota con inicial")
            << 4 << Creciente("", "3", "120", "50000", "1000", 2, Final) << "319,51" << 120 << "50.000,02"
            << "42.982,60";
        QTest::newRow("primera cuota sin interés") << 4 << Creciente("", "0", "36", "2000", "", 5, Inicio)
                                                   << "52,87" << 36 << "2.000,04" << "2.000,04";
        QTest::newRow("número de cuotas") << 6 << Creciente("100", "5", "", "3000", "", 10, Inicio) << "100,00"
                                          << 27 << "3.051,71" << "2.883,00";
        QTest::newRow("número de cuotas con inicial")
            << 6 << Creciente("250", "3", "", "50000", "1000", 2, Final) << "250,00" << 146 << "50.334,76"
            << "41.870,24";
        QTest::newRow("número de cuotas, cuota que decrece")
            << 6 << Creciente("100", "2", "", "1500", "", -5, Inicio) << "100,00" << 15 << "1.505,11"
            << "1.485,00";
    }
    void crecimiento() {
        QFETCH(int, calculo);
        QFETCH(EntradaInversion, entrada);
        const ResultadoInversion r = Resolver(static_cast<CodigoCalculo>(calculo), entrada);
        QVERIFY(!r.aviso);
        const PanelesInversion p = TextosPanelesInversion(r.estado);
        QTEST(p.cuota, "cuota");
        QTEST(r.estado.NumCuotas, "cuotas");
        QTEST(p.invertido, "invertido");
        QTEST(p.capital, "capital");
        const std::vector<trInversion> filas = Filas(r.estado, entrada.timing);
        QCOMPARE(filas.back().invertido, r.estado.Invertido);
        QCOMPARE(filas.back().acumulado, r.estado.Capital);
        // A solved count is the first whose row reaches the typed final capital.
        if (calculo == 6)
            QVERIFY(filas[filas.size() - 2].acumulado < entrada.capital.toDouble());
    }

    // The contribution grows at row 13, 25, ... and stays level in between.
    void crecimiento_por_anios() {
        const ResultadoInversion r = Resolver(CodigoCalculo::InversionCapital,
                                              Creciente("100", "5", "26", "", "", 10, Inicio));
        const std::vector<trInversion> filas = Filas(r.estado, Inicio);
        QCOMPARE(filas[11].cuota, 100.0);
        QCOMPARE(filas[12].cuota, 110.0);
        QCOMPARE(filas[23].cuota, 110.0);
        QCOMPARE(filas[24].cuota, 121.0);
    }

    // The interest a growing plan needs; the typed final capital stays.
    void crecimiento_interes_data() {
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::addColumn<double>("interes");
        QTest::newRow("al inicio") << Creciente("100", "", "24", "2700", "", 10, Inicio) << 6.723608117956;
        QTest::newRow("al final con inicial") << Creciente("250", "", "120", "40000", "1000", 2, Final)
                                              << 3.282228940452;
    }
    void crecimiento_interes() {
        QFETCH(EntradaInversion, entrada);
        QFETCH(double, interes);
        const ResultadoInversion r = Resolver(CodigoCalculo::InversionInteres, entrada);
        QVERIFY(!r.aviso);
        QVERIFY2(std::fabs(r.estado.Interes - interes) < 1e-9, qPrintable(QString::number(r.estado.Interes, 'g', 15)));
        QCOMPARE(r.estado.Capital, entrada.capital.toDouble());
    }

    // Growing contributions that add up to more than the final capital need
    // a negative rate, which a savings plan refuses as the level one does.
    void crecimiento_rechazos_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::newRow("suma de cuotas mayor que el capital")
            << 5 << Creciente("100", "", "24", "2500", "", 10, Inicio);
        QTest::newRow("crecimiento de -100 %") << 7 << Creciente("100", "5", "24", "", "", -100, Inicio);
        QTest::newRow("crecimiento de más de 100 %") << 7 << Creciente("100", "5", "24", "", "", 100.5, Inicio);
        QTest::newRow("cuota que decrece sin llegar nunca")
            << 6 << Creciente("100", "0", "", "5000", "", -50, Inicio);
        QTest::newRow("demasiadas cuotas para crecer") << 7 << Creciente("100", "1", "12001", "", "", 1, Inicio);
    }
    void crecimiento_rechazos() {
        QFETCH(int, calculo);
        QFETCH(EntradaInversion, entrada);
        const ResultadoInversion r = ResolverInversion(static_cast<CodigoCalculo>(calculo), entrada);
        QVERIFY(r.aviso);
        QVERIFY(r.estado.CalculoFallido);
    }

    // Values in today's money: each row deflated by its own months, and the
    // final capital by the plan's.
    void valor_real_data() {
        QTest::addColumn<double>("nominal");
        QTest::addColumn<double>("inflacion");
        QTest::addColumn<int>("meses");
        QTest::addColumn<double>("real");
        QTest::newRow("dos años") << 2652.39 << 3.0 << 24 << 2500.13;
        QTest::newRow("siete meses") << 10000.0 << 2.5 << 7 << 9856.99;
        QTest::newRow("un mes") << 100.42 << 3.0 << 1 << 100.17;
        QTest::newRow("deflación") << 5000.0 << -1.0 << 12 << 5050.51;
        QTest::newRow("sin inflación") << 1234.56 << 0.0 << 30 << 1234.56;
    }
    void valor_real() {
        QFETCH(double, nominal);
        QFETCH(double, inflacion);
        QFETCH(int, meses);
        QTEST(ValorReal(nominal, inflacion, meses), "real");
    }

    void valor_real_en_resultados_y_filas() {
        EntradaInversion entrada = Creciente("100", "5", "24", "", "", 10, Inicio);
        entrada.condiciones.inflacion = 3;
        const ResultadoInversion r = Resolver(CodigoCalculo::InversionCapital, entrada);
        const PanelesInversion p = TextosPanelesInversion(r.estado);
        QCOMPARE(p.capitalReal, QStringLiteral("2.500,13"));
        QCOMPARE(p.gananciaReal, QStringLiteral("-19,87"));
        const std::vector<trInversion> filas = Filas(r.estado, Inicio);
        QCOMPARE(filas.front().valorReal, std::optional<double>(100.17));
        QCOMPARE(filas.back().valorReal, std::optional<double>(r.estado.CapitalReal));
        // Without inflation the rows carry no real value, and the panels stay empty.
        entrada.condiciones.inflacion.reset();
        const ResultadoInversion sin = Resolver(CodigoCalculo::InversionCapital, entrada);
        QVERIFY(!Filas(sin.estado, Inicio).front().valorReal);
        QVERIFY(TextosPanelesInversion(sin.estado).capitalReal.isEmpty());
    }

    // The brackets of savings income on each side of every boundary: a cent
    // either side changes the tax by less than half a cent, a euro by the
    // rate of the bracket it falls in.
    void tramos_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("impuesto");
        const struct {
            double base, impuesto;
        } casos[] = {{5999, 1139.81},           {5999.99, 1140},     {6000, 1140},          {6000.01, 1140},
                     {6001, 1140.21},           {49999, 10379.79},   {49999.99, 10380},     {50000, 10380},
                     {50000.01, 10380},         {50001, 10380.23},   {199999, 44879.77},    {199999.99, 44880},
                     {200000, 44880},           {200000.01, 44880},  {200001, 44880.27},    {299999, 71879.73},
                     {299999.99, 71880},        {300000, 71880},     {300000.01, 71880},    {300001, 71880.30},
                     {1000000, 281880},         {0.01, 0},           {0.03, 0.01},          {26.32, 5},
                     {132.39, 25.15},           {0, 0},              {-500, 0}};
        for (const auto& c : casos)
            QTest::newRow(qPrintable(QString::number(c.base, 'f', 2))) << c.base << c.impuesto;
    }
    void tramos() {
        QFETCH(double, base);
        QTEST(ImpuestoTramosAhorro(base), "impuesto");
    }

    // The tax comes off the gain at the end, by brackets or at a flat rate;
    // a plan that loses pays none.
    void impuesto_en_resultados_data() {
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::addColumn<int>("retencion");
        QTest::addColumn<double>("fija");
        QTest::addColumn<QString>("impuesto");
        QTest::addColumn<QString>("neto");
        QTest::newRow("tramos") << Creciente("100", "5", "24", "", "", 10, Inicio)
                                << int(TipoRetencion::Tramos) << 0.0 << "25,15" << "2.627,24";
        QTest::newRow("fija del 15 %") << Creciente("100", "5", "24", "", "", 10, Inicio)
                                       << int(TipoRetencion::Fija) << 15.0 << "19,86" << "2.632,53";
        QTest::newRow("sin ganancia") << Creciente("100", "0", "24", "", "", 0, Inicio)
                                      << int(TipoRetencion::Tramos) << 0.0 << "0,00" << "2.400,00";
    }
    void impuesto_en_resultados() {
        QFETCH(EntradaInversion, entrada);
        QFETCH(int, retencion);
        QFETCH(double, fija);
        entrada.condiciones.retencion = static_cast<TipoRetencion>(retencion);
        entrada.condiciones.retencionFija = fija;
        const PanelesInversion p = TextosPanelesInversion(Resolver(CodigoCalculo::InversionCapital, entrada).estado);
        QTEST(p.impuesto, "impuesto");
        QTEST(p.capitalNeto, "neto");
    }

    void retencion_fija_fuera_de_rango() {
        EntradaInversion entrada = Creciente("100", "5", "24", "", "", 0, Inicio);
        entrada.condiciones.retencion = TipoRetencion::Fija;
        entrada.condiciones.retencionFija = 101;
        QVERIFY(ResolverInversion(CodigoCalculo::InversionCapital, entrada).aviso);
    }

    // The level withdrawal, the last one that leaves the capital at 0, the
    // total taken and the first row.
    void retirada_data() {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("interes");
        QTest::addColumn<int>("meses");
        QTest::addColumn<PaymentTiming>("timing");
        QTest::addColumn<double>("retirada");
        QTest::addColumn<double>("ultima");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("interesPrimera");
        QTest::newRow("un año, al final") << "100000" << "3" << 12 << Final << 8469.37 << 8469.37 << 101632.44
                                          << 250.00;
        QTest::newRow("un año, al inicio") << "100000" << "3" << 12 << Inicio << 8448.25 << 8448.25 << 101379.00
                                           << 228.88;
        QTest::newRow("25 años") << "250000" << "4" << 300 << Final << 1319.59 << 1320.65 << 395878.06 << 833.33;
        QTest::newRow("sin interés") << "12000" << "0" << 7 << Final << 1714.29 << 1714.26 << 12000.00 << 0.0;
        QTest::newRow("20 años, al inicio") << "50000" << "2,5" << 240 << Inicio << 264.40 << 264.57 << 63456.17
                                            << 103.62;
    }
    void retirada() {
        QFETCH(QString, capital);
        QFETCH(QString, interes);
        QFETCH(int, meses);
        QFETCH(PaymentTiming, timing);
        EntradaRetirada entrada;
        entrada.capital = capital;
        entrada.interes = interes;
        entrada.numCuotas = QString::number(meses);
        entrada.timing = timing;
        const ResultadoRetirada r = ResolverRetirada(entrada);
        QVERIFY(!r.aviso);
        QTEST(r.estado.Retirada, "retirada");
        QTEST(r.estado.UltimaRetirada, "ultima");
        QTEST(r.estado.TotalRetirado, "total");
        const std::vector<trRetirada> filas =
            TodasLasFilas<trRetirada>(TFilasRetirada(DatosFilasDeRetirada(r.estado, timing, QDate(2025, 1, 1))));
        QCOMPARE(int(filas.size()), meses);
        QTEST(filas.front().interes, "interesPrimera");
        QCOMPARE(filas.back().capital, 0.0);
        QCOMPARE(filas.back().fecha, QDate(2025, 1, 1).addMonths(meses - 1));
    }

    void retirada_rechazos_data() {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("interes");
        QTest::addColumn<QString>("meses");
        QTest::newRow("sin capital") << "" << "3" << "12";
        QTest::newRow("sin meses") << "1000" << "3" << "0";
        QTest::newRow("interés negativo") << "1000" << "-1" << "12";
        QTest::newRow("capital negativo") << "-1000" << "3" << "12";
    }
    void retirada_rechazos() {
        QFETCH(QString, capital);
        QFETCH(QString, interes);
        QFETCH(QString, meses);
        EntradaRetirada entrada;
        entrada.capital = capital;
        entrada.interes = interes;
        entrada.numCuotas = meses;
        const ResultadoRetirada r = ResolverRetirada(entrada);
        QVERIFY(r.aviso);
        QVERIFY(r.estado.CalculoFallido);
    }
};

QTEST_GUILESS_MAIN(TestCondicionesInversion)
#include "test_condiciones_inversion.moc"
