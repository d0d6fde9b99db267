#include "prueba_nucleo.h"

#include "finance/calculo_inversion.h"
#include "util/excepcion.h"

#include <QRegularExpression>

using namespace finance;

Q_DECLARE_METATYPE(finance::CampoInversion)
Q_DECLARE_METATYPE(finance::EntradaInversion)

namespace {

constexpr auto Inicio = PaymentTiming::StartOfPeriod;
constexpr auto Final = PaymentTiming::EndOfPeriod;

EntradaInversion Entrada(const char* cuota, const char* interes, const char* num, const char* capital,
                         const char* inicial, PaymentTiming timing) {
    EntradaInversion e;
    e.cuota = QString::fromUtf8(cuota);
    e.interes = QString::fromUtf8(interes);
    e.numCuotas = QString::fromUtf8(num);
    e.capital = QString::fromUtf8(capital);
    e.capInicial = QString::fromUtf8(inicial);
    e.timing = timing;
    return e;
}

QStringList Textos(const PanelesInversion& p) {
    return {p.cuota, p.interes, p.numCuotas, p.capital, p.capInicial, p.invertido, p.rendimiento, p.porcentaje};
}

}  // namespace

class TestCalculoInversion : public PruebaNucleo {
    Q_OBJECT
private slots:
    // Each unknown from worked examples: the text written back and the eight
    // panels (instalment, interest, count, final capital, initial capital,
    // invested, profit, profit share).
    void resultados_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::addColumn<CampoInversion>("campo");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QStringList>("paneles");
        QTest::newRow("capital final, aportando al inicio")
            << 7 << Entrada("100", "6", "120", "", "1000", Inicio) << CampoInversion::Capital << "18289,27"
            << QStringList{"100,00", "6,00", "120", "18.289,27", "1.000,00", "13.000,00", "5.289,27", "28,92"};
        QTest::newRow("capital final, aportando al final")
            << 7 << Entrada("100", "6", "120", "0", "1000", Final) << CampoInversion::Capital << "18207,33"
            << QStringList{"100,00", "6,00", "120", "18.207,33", "1.000,00", "13.000,00", "5.207,33", "28,60"};
        QTest::newRow("capital final sin cuotas es el inicial")
            << 7 << Entrada("100", "6", "0", "5", "1000", Inicio) << CampoInversion::Capital << "1000,00"
            << QStringList{"100,00", "6,00", "0", "1.000,00", "1.000,00", "1.000,00", "0,00", "0,00"};
        QTest::newRow("capital final sin interés")
            << 7 << Entrada("100", "0", "120", "", "1000", Final) << CampoInversion::Capital << "13000,00"
            << QStringList{"100,00", "0,00", "120", "13.000,00", "1.000,00", "13.000,00", "0,00", "0,00"};
        QTest::newRow("cuota")
            << 4 << Entrada("", "6", "120", "20000", "1000", Inicio) << CampoInversion::Cuota << "110,39"
            << QStringList{"110,39", "6,00", "120", "20.000,49", "1.000,00", "14.246,80", "5.753,69", "28,77"};
        QTest::newRow("interés")
            << 5 << Entrada("100", "", "120", "20000", "1000", Inicio) << CampoInversion::Interes << "7,49"
            << QStringList{"100,00", "7,49", "120", "20.000,00", "1.000,00", "13.000,00", "7.000,00", "35,00"};
        // A final capital of the initial one plus n + 1 instalments has a
        // rate; plus n instalments it earns 0 %, also with cents.
        QTest::newRow("interés con n + 1 cuotas, inicio")
            << 5 << Entrada("100", "", "12", "1300", "0", Inicio) << CampoInversion::Interes << "14,70"
            << QStringList{"100,00", "14,70", "12", "1.300,00", "0,00", "1.200,00", "100,00", "7,69"};
        QTest::newRow("interés con n + 1 cuotas, final")
            << 5 << Entrada("100", "", "12", "1300", "0", Final) << CampoInversion::Interes << "17,32"
            << QStringList{"100,00", "17,32", "12", "1.300,00", "0,00", "1.200,00", "100,00", "7,69"};
        QTest::newRow("interés con n + 1 cuotas y capital inicial")
            << 5 << Entrada("100", "", "12", "1800", "500", Inicio) << CampoInversion::Interes << "8,43"
            << QStringList{"100,00", "8,43", "12", "1.800,00", "500,00", "1.700,00", "100,00", "5,56"};
        QTest::newRow("interés con n + 1 cuotas de 250")
            << 5 << Entrada("250", "", "24", "6250", "0", Final) << CampoInversion::Interes << "4,24"
            << QStringList{"250,00", "4,24", "24", "6.250,00", "0,00", "6.000,00", "250,00", "4,00"};
        QTest::newRow("interés nulo con n cuotas")
            << 5 << Entrada("100", "", "12", "1700", "500", Inicio) << CampoInversion::Interes << "0,00"
            << QStringList{"100,00", "0,00", "12", "1.700,00", "500,00", "1.700,00", "0,00", "0,00"};
        QTest::newRow("interés nulo con n cuotas de céntimos")
            << 5 << Entrada("0,1", "", "12", "1,2", "0", Final) << CampoInversion::Interes << "0,00"
            << QStringList{"0,10", "0,00", "12", "1,20", "0,00", "1,20", "0,00", "0,00"};
        QTest::newRow("interés con un capital final muy grande")
            << 5 << Entrada("100", "", "360", "250.000.000.000.000", "0", Inicio) << CampoInversion::Interes
            << "89,44"
            << QStringList{"100,00", "89,44", "360", "250.000.000.000.000,00", "0,00", "36.000,00",
                           "249.999.999.964.000,00", "100,00"};
        QTest::newRow("interés de importes pegados")
            << 5 << Entrada(" 100 €", "", "1.200", "€ 1.000.000", "1 000,50", Inicio) << CampoInversion::Interes
            << "3,33"
            << QStringList{"100,00", "3,33", "1200", "1.000.000,00", "1.000,50", "121.000,50", "878.999,50", "87,90"};
        QTest::newRow("número de cuotas, redondeado hacia arriba")
            << 6 << Entrada("100", "6", "", "20000", "1000", Inicio) << CampoInversion::NumCuotas << "129"
            << QStringList{"100,00", "6,00", "129", "20.051,74", "1.000,00", "13.900,00", "6.151,74", "30,68"};
        // A count whose exact answer is whole takes no extra contribution,
        // and a target passed on the way shows what the plan really reaches.
        QTest::newRow("número de cuotas exacto, al final")
            << 6 << Entrada("100", "24", "", "306,04", "0", Final) << CampoInversion::NumCuotas << "3"
            << QStringList{"100,00", "24,00", "3", "306,04", "0,00", "300,00", "6,04", "1,97"};
        QTest::newRow("número de cuotas exacto, al inicio")
            << 6 << Entrada("100", "36", "", "209,09", "0", Inicio) << CampoInversion::NumCuotas << "2"
            << QStringList{"100,00", "36,00", "2", "209,09", "0,00", "200,00", "9,09", "4,35"};
        QTest::newRow("número de cuotas sin interés que pasan del capital final")
            << 6 << Entrada("100", "0", "", "1.250", "0", Inicio) << CampoInversion::NumCuotas << "13"
            << QStringList{"100,00", "0,00", "13", "1.300,00", "0,00", "1.300,00", "0,00", "0,00"};
    }
    void resultados() {
        QFETCH(int, calculo);
        QFETCH(EntradaInversion, entrada);
        QFETCH(CampoInversion, campo);
        QFETCH(QString, escrito);
        QFETCH(QStringList, paneles);
        const ResultadoInversion r = ResolverInversion(CodigoCalculo(calculo), entrada);
        QVERIFY(!r.aviso);
        QVERIFY(!r.estado.CalculoFallido);
        QCOMPARE(r.campoEscrito, campo);
        QCOMPARE(r.textoEscrito, escrito);
        QCOMPARE(Textos(TextosPanelesInversion(r.estado)), paneles);
        QCOMPARE(r.foco, CampoInversion::Ninguno);
    }

    // Refused data: the warning, the failure flag, what is written back (a
    // refused check writes nothing) and where the focus goes.
    void avisos_data() {
        QTest::addColumn<int>("calculo");
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<CampoInversion>("campo");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<CampoInversion>("foco");
        const QString cuota = QStringLiteral("Cálculo de la cuota de una inversión");
        const QString interes = QStringLiteral("Cálculo del interés de una inversión");
        const QString numero = QStringLiteral("Cálculo del número de cuotas de una inversión");
        const QString capital = QStringLiteral("Cálculo del capital final de una inversión");
        const QString menor = QStringLiteral("El capital final debe ser mayor que el capital inicial.");
        const auto nada = CampoInversion::Ninguno;
        QTest::newRow("cuota sin cuotas") << 4 << Entrada("", "6", "0", "20000", "1000", Inicio) << cuota
                                          << "El número de cuotas debe ser mayor que cero." << nada << "" << nada;
        QTest::newRow("cuota con inicial igual al final")
            << 4 << Entrada("", "6", "120", "20000", "20000", Inicio) << cuota << menor << nada << "" << nada;
        QTest::newRow("cuota con inicial que basta por sí solo")
            << 4 << Entrada("", "6", "120", "20000", "15000", Inicio) << cuota
            << "El capital inicial produce por sí solo un capital\rmayor o igual que el capital final. Debe "
               "reducir\rel capital inicial o el número de cuotas."
            << nada << "" << nada;
        QTest::newRow("interés con inicial mayor que el final")
            << 5 << Entrada("100", "6", "120", "20000", "25000", Inicio) << interes << menor << nada << "" << nada;
        QTest::newRow("interés con cuotas que superan el final")
            << 5 << Entrada("200", "6", "120", "20000", "0", Inicio) << interes
            << "El capital final debe ser mayor o igual que la\rsuma total de las cuotas más el capital inicial."
            << nada << "" << nada;
        QTest::newRow("número con inicial igual al final")
            << 6 << Entrada("100", "6", "7", "0", "", Inicio) << numero << menor << nada << "" << nada;
        QTest::newRow("número con cuota cero")
            << 6 << Entrada("0", "6", "7", "20000", "0", Inicio) << numero
            << "Debe aumentar el importe de la cuota para\rpoder alcanzar el capital final indicado."
            << CampoInversion::NumCuotas << "7" << CampoInversion::Cuota;
        // A count that does not fit in 32 bits is refused, not wrapped.
        QTest::newRow("número que no cabe en 32 bits")
            << 6 << Entrada("0,01", "0", "7", "1e14", "0", Inicio) << numero
            << "Debe aumentar el importe de la cuota para\rpoder alcanzar el capital final indicado."
            << CampoInversion::NumCuotas << "7" << CampoInversion::Cuota;
        // Typed figures out of their range are refused before anything is
        // worked out, naming the limit and with the focus on their box.
        QTest::newRow("cuota negativa")
            << 6 << Entrada("-100", "6", "7", "20000", "1000", Inicio) << numero << "La cuota no puede ser negativa."
            << nada << "" << CampoInversion::Cuota;
        QTest::newRow("interés de 5.000 %")
            << 7 << Entrada("100", "5.000", "12", "", "0", Inicio) << capital << "El interés debe estar entre 0 y 1000."
            << nada << "" << CampoInversion::Interes;
        QTest::newRow("número negativo")
            << 4 << Entrada("", "6", "-7", "20000", "0", Inicio) << cuota << "El número de cuotas no puede ser negativo."
            << nada << "" << CampoInversion::NumCuotas;
        QTest::newRow("capital final en el límite")
            << 4 << Entrada("", "6", "12", "1e15", "0", Inicio) << cuota
            << "El capital final debe ser menor que 1.000.000.000.000.000,00." << nada << "" << CampoInversion::Capital;
        QTest::newRow("capital inicial negativo")
            << 5 << Entrada("100", "", "12", "2000", "-1", Inicio) << interes
            << "El capital inicial no puede ser negativo." << nada << "" << CampoInversion::CapInicial;
        // Failures inside the calculation are reported, not shown as results.
        QTest::newRow("interés sin cuotas")
            << 5 << Entrada("100", "6", "0", "20000", "0", Inicio) << interes
            << "No se ha podido calcular el interés con estos datos." << CampoInversion::Interes << "6,00" << nada;
        QTest::newRow("interés que no se puede mostrar entero")
            << 5 << Entrada("0,01", "", "1", "9e14", "0", Inicio) << interes
            << "No se ha podido calcular el interés con estos datos.\r"
               "El interés debe ser menor que 1.000.000.000.000.000,00."
            << CampoInversion::Interes << "0,00" << nada;
        QTest::newRow("capital final que no se puede mostrar entero")
            << 7 << Entrada("6e14", "0", "2", "", "0", Inicio) << capital
            << "No se ha podido calcular el capital final con estos datos.\r"
               "El capital final debe ser menor que 1.000.000.000.000.000,00."
            << CampoInversion::Capital << "0,00" << nada;
        QTest::newRow("capital final más allá del límite de crecimiento")
            << 7 << Entrada("100", "6", "2147483647", "5", "0", Inicio) << capital
            << "Con un interés del 6,00 % el número de cuotas no puede pasar de 2.275.715." << nada << ""
            << CampoInversion::NumCuotas;
        QTest::newRow("número con capitales negativos")
            << 6 << Entrada("0", "0", "7", "-5", "-10", Inicio) << numero << "El capital final no puede ser negativo."
            << nada << "" << CampoInversion::Capital;
    }
    void avisos() {
        QFETCH(int, calculo);
        QFETCH(EntradaInversion, entrada);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        QFETCH(CampoInversion, campo);
        QFETCH(QString, escrito);
        QFETCH(CampoInversion, foco);
        const ResultadoInversion r = ResolverInversion(CodigoCalculo(calculo), entrada);
        QVERIFY(r.aviso);
        QCOMPARE(r.aviso->titulo, titulo);
        QCOMPARE(r.aviso->texto, texto);
        QVERIFY(r.estado.CalculoFallido);
        QCOMPARE(r.campoEscrito, campo);
        QCOMPARE(r.textoEscrito, escrito);
        QCOMPARE(r.foco, foco);
        const EstadoInversion& e = r.estado;
        QCOMPARE(e.Invertido, 0.0);
        QCOMPARE(e.Beneficio, 0.0);
        QCOMPARE(e.Porcentaje, 0.0);
    }

    void capitalSoloInicialQuedaEnElEstado() {
        const ResultadoInversion r =
            ResolverInversion(CodigoCalculo::InversionCuota, Entrada("", "6", "120", "20000", "15000", Inicio));
        QCOMPARE(TextosPanelesInversion(r.estado).cuota, QStringLiteral("0,00"));
        QVERIFY(qAbs(r.estado.CapitalSoloInicial - 27290.95) < 0.005);
    }

    // The panels after a refusal show the values read, the unknown's
    // previous result included, with zero totals.
    void panelesTrasUnAviso() {
        const ResultadoInversion r =
            ResolverInversion(CodigoCalculo::InversionInteres, Entrada("200", "7,49", "120", "20000", "0", Inicio));
        QCOMPARE(Textos(TextosPanelesInversion(r.estado)),
                 (QStringList{"200,00", "7,49", "120", "20.000,00", "0,00", "0,00", "0,00", "0,00"}));
    }

    void camposVaciosValenCero() {
        const ResultadoInversion r =
            ResolverInversion(CodigoCalculo::InversionCapital, Entrada("", "", "", "", "", Inicio));
        QCOMPARE(r.camposConCero,
                 (QList<CampoInversion>{CampoInversion::Cuota, CampoInversion::Interes, CampoInversion::NumCuotas,
                                        CampoInversion::Capital, CampoInversion::CapInicial}));
        QVERIFY(!r.aviso);
        QCOMPARE(r.textoEscrito, QStringLiteral("0,00"));
        QVERIFY(ResolverInversion(CodigoCalculo::InversionCapital, Entrada("1", "1", "1", "1", "1", Inicio))
                    .camposConCero.isEmpty());
    }

    void otroCalculoNoCalculaNada() {
        const ResultadoInversion r =
            ResolverInversion(CodigoCalculo::PrestamoCuota, Entrada("100", "6", "120", "5", "1000", Inicio));
        QVERIFY(!r.aviso);
        QVERIFY(!r.estado.CalculoFallido);
        QCOMPARE(r.campoEscrito, CampoInversion::Ninguno);
        QCOMPARE(Textos(TextosPanelesInversion(r.estado)),
                 (QStringList{"100,00", "6,00", "120", "5,00", "1.000,00", "0,00", "0,00", "0,00"}));
    }

    void textoNoNumerico_data() {
        QTest::addColumn<EntradaInversion>("entrada");
        QTest::newRow("cuota") << Entrada(",", "6", "120", "20000", "1000", Inicio);
        QTest::newRow("interés") << Entrada("100", "6%", "120", "20000", "1000", Inicio);
        QTest::newRow("número con decimales") << Entrada("100", "6", "12,5", "20000", "1000", Inicio);
        QTest::newRow("número demasiado grande") << Entrada("100", "6", "2147483648", "20000", "1000", Inicio);
        QTest::newRow("capital mal agrupado") << Entrada("100", "6", "120", "20.00", "1000", Inicio);
        QTest::newRow("capital que no se puede mostrar") << Entrada("100", "6", "120", "2e15", "1000", Inicio);
        QTest::newRow("capital inicial en blanco") << Entrada("100", "6", "120", "20000", " ", Inicio);
    }
    void textoNoNumerico() {
        QFETCH(EntradaInversion, entrada);
        for (int calculo = 4; calculo <= 7; ++calculo)
            QVERIFY_THROWS_EXCEPTION(EConvertError, ResolverInversion(CodigoCalculo(calculo), entrada));
    }

    // Extreme and pasted values for every unknown give a result or a
    // warning, and every text shown is a plain number.
    void valoresExtremos() {
        // Two decimals, or the digits a tiny rate needs to show non-zero.
        const QRegularExpression numero(QStringLiteral("^-?[0-9.]+(,[0-9]{2}|,0+[1-9][0-9])?$"));
        const char* importes[] = {"0", "0,01", "1e15", "-1e15"};
        const char* intereses[] = {"0", "6", "1e15", "-1200"};
        const char* cuentas[] = {"0", "1", "2147483647", "-2147483648"};
        for (int calculo = 4; calculo <= 7; ++calculo)
            for (auto cuota : importes)
                for (auto interes : intereses)
                    for (auto num : cuentas)
                        for (auto capital : importes)
                            for (auto inicial : {"0", "1e15"})
                                for (auto timing : {Inicio, Final}) {
                                    const ResultadoInversion r = ResolverInversion(
                                        CodigoCalculo(calculo), Entrada(cuota, interes, num, capital, inicial, timing));
                                    const QString caso = QStringList{QString::number(calculo), cuota, interes, num,
                                                                     capital, inicial, QString::number(int(timing))}
                                                             .join(' ');
                                    QVERIFY2(r.aviso.has_value() == r.estado.CalculoFallido, qPrintable(caso));
                                    QStringList textos = Textos(TextosPanelesInversion(r.estado));
                                    if (!r.textoEscrito.isEmpty())
                                        textos << r.textoEscrito;
                                    for (const QString& t : textos)
                                        QVERIFY2(numero.match(t).hasMatch(), qPrintable(caso + " -> " + t));
                                }
    }
};

QTEST_GUILESS_MAIN(TestCalculoInversion)
#include "test_calculo_inversion.moc"
