#include "prueba_nucleo.h"

#include "finance/calculo_prestamo.h"
#include "util/excepcion.h"

using finance::CampoPrestamo;
using finance::CodigoCalculo;
using finance::EntradaPrestamo;
using finance::PaymentTiming;
using finance::ResolverPrestamo;

Q_DECLARE_METATYPE(CampoPrestamo)

namespace {
const PaymentTiming kFinal = PaymentTiming::EndOfPeriod;
const PaymentTiming kInicio = PaymentTiming::StartOfPeriod;
}  // namespace

class TestCalculoPrestamo : public PruebaNucleo {
    Q_OBJECT
private slots:
    // Each row: the unknown, the four field texts and the timing; then what is
    // written back (field and text), the seven panels joined by '|', the
    // warning's title and first line, and where the focus goes.
    void calculos_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<int>("timing");
        QTest::addColumn<CampoPrestamo>("campoEscrito");
        QTest::addColumn<QString>("textoEscrito");
        QTest::addColumn<QString>("paneles");
        QTest::addColumn<QString>("avisoTitulo");
        QTest::addColumn<QString>("avisoPrimeraLinea");
        QTest::addColumn<CampoPrestamo>("foco");

        const QString sinAviso;
        const QString tituloCuota = "Cálculo de la cuota de un préstamo";
        const QString tituloInteres = "Cálculo del interés de un préstamo";
        const QString tituloNumero = "Cálculo de número de cuotas de un préstamo";

        QTest::newRow("cuota al final")
            << 0 << QStringList{"10000", "6", "12", ""} << int(kFinal) << CampoPrestamo::Cuota << "860,66"
            << "10.000,00|6,00|12|860,66|10.327,96|327,96|3,18" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("cuota al inicio")
            << 0 << QStringList{"10000", "6", "12", ""} << int(kInicio) << CampoPrestamo::Cuota << "856,38"
            << "10.000,00|6,00|12|856,38|10.276,59|276,59|2,69" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("cuota sin interés al final")
            << 0 << QStringList{"1200", "", "12", ""} << int(kFinal) << CampoPrestamo::Cuota << "100,00"
            << "1.200,00|0,00|12|100,00|1.200,00|0,00|0,00" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("cuota sin interés al inicio")
            << 0 << QStringList{"1200", "0", "12", ""} << int(kInicio) << CampoPrestamo::Cuota << "100,00"
            << "1.200,00|0,00|12|100,00|1.200,00|0,00|0,00" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("cuota sin número de cuotas")
            << 0 << QStringList{"10000", "6", "0", "860,66"} << int(kFinal) << CampoPrestamo::Ninguno << ""
            << "10.000,00|6,00|0|860,66|0,00|0,00|0,00" << tituloCuota
            << "El número de cuotas debe ser mayor que cero." << CampoPrestamo::Ninguno;
        // A total beyond 1.000.000.000.000.000 cannot be shown whole: refused.
        QTest::newRow("grandes cantidades")
            << 0 << QStringList{"999999999999999", "6", "100000", ""} << int(kFinal) << CampoPrestamo::Cuota
            << "0,00" << "999.999.999.999.999,00|6,00|100000|0,00|0,00|0,00|0,00" << tituloCuota
            << "No se ha podido calcular la cuota con estos datos." << CampoPrestamo::Ninguno;
        QTest::newRow("capital que no se puede mostrar entero")
            << 3 << QStringList{"", "0", "2000000", "999999999"} << int(kFinal) << CampoPrestamo::Capital
            << "0,00" << "0,00|0,00|2000000|999.999.999,00|0,00|0,00|0,00" << "Cálculo del capital de un préstamo"
            << "No se ha podido calcular el capital con estos datos." << CampoPrestamo::Ninguno;
        QTest::newRow("cuota de importes pegados")
            << 0 << QStringList{QStringLiteral("10.000,00 €"), " 6 ", "12", ""} << int(kFinal) << CampoPrestamo::Cuota
            << "860,66" << "10.000,00|6,00|12|860,66|10.327,96|327,96|3,18" << sinAviso << sinAviso
            << CampoPrestamo::Ninguno;
        // So many instalments that the compound interest cannot be worked
        // out: refused naming the most there may be at that rate.
        QTest::newRow("número de cuotas máximo")
            << 0 << QStringList{"999999999999999", "6", "2147483647", ""} << int(kFinal) << CampoPrestamo::Ninguno
            << "" << "999.999.999.999.999,00|6,00|2147483647|0,00|0,00|0,00|0,00" << tituloCuota
            << "Con un interés del 6,00 % el número de cuotas no puede pasar de 2.275.715."
            << CampoPrestamo::NumCuotas;

        QTest::newRow("interés")
            << 1 << QStringList{"10000", "", "12", "860,66"} << int(kFinal) << CampoPrestamo::Interes << "6,00"
            << "10.000,00|6,00|12|860,66|10.327,92|327,92|3,18" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("interés con el producto igual al capital")
            << 1 << QStringList{"10000", "5", "10", "1000"} << int(kFinal) << CampoPrestamo::Ninguno << ""
            << "10.000,00|5,00|10|1.000,00|0,00|0,00|0,00" << tituloInteres
            << "El producto de la cuota por el número de cuotas" << CampoPrestamo::Ninguno;

        QTest::newRow("número de cuotas con la cuota redondeada")
            << 2 << QStringList{"10000", "6", "", "860,66"} << int(kFinal) << CampoPrestamo::NumCuotas << "12"
            << "10.000,00|6,00|12|860,66|10.327,96|327,96|3,18" << sinAviso << sinAviso
            << CampoPrestamo::Ninguno;
        QTest::newRow("número de cuotas exacto")
            << 2 << QStringList{"10000", "6", "", "900"} << int(kFinal) << CampoPrestamo::NumCuotas << "12"
            << "10.000,00|6,00|12|900,00|10.314,78|314,78|3,05" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("número de cuotas con cuota insuficiente")
            << 2 << QStringList{"10000", "6", "7", "50"} << int(kFinal) << CampoPrestamo::NumCuotas << "7"
            << "10.000,00|6,00|7|50,00|0,00|0,00|0,00" << tituloNumero
            << "Debe aumentar el importe de la cuota para" << CampoPrestamo::Cuota;
        QTest::newRow("número de cuotas sin capital")
            << 2 << QStringList{"0", "6", "7", "100"} << int(kFinal) << CampoPrestamo::NumCuotas << "0"
            << "0,00|6,00|0|100,00|0,00|0,00|0,00" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("número de cuotas sin capital ni cuota")
            << 2 << QStringList{"0", "6", "7", "0"} << int(kFinal) << CampoPrestamo::NumCuotas << "7"
            << "0,00|6,00|7|0,00|0,00|0,00|0,00" << sinAviso << sinAviso << CampoPrestamo::Ninguno;

        QTest::newRow("capital")
            << 3 << QStringList{"", "6", "12", "860,66"} << int(kFinal) << CampoPrestamo::Capital << "9999,95"
            << "9.999,95|6,00|12|860,66|10.327,91|327,96|3,18" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
        QTest::newRow("código sin cálculo")
            << 7 << QStringList{"1", "2", "3", "4"} << int(kFinal) << CampoPrestamo::Ninguno << ""
            << "1,00|2,00|3|4,00|0,00|0,00|0,00" << sinAviso << sinAviso << CampoPrestamo::Ninguno;
    }

    void calculos() {
        QFETCH(int, codigo);
        QFETCH(QStringList, campos);
        QFETCH(int, timing);
        QFETCH(CampoPrestamo, campoEscrito);
        QFETCH(QString, textoEscrito);
        QFETCH(QString, paneles);
        QFETCH(QString, avisoTitulo);
        QFETCH(QString, avisoPrimeraLinea);
        QFETCH(CampoPrestamo, foco);

        const EntradaPrestamo entrada{campos[0], campos[1], campos[2], campos[3], PaymentTiming(timing)};
        const auto r = ResolverPrestamo(CodigoCalculo(codigo), entrada);
        const auto p = finance::TextosPanelesPrestamo(r.estado);
        QCOMPARE(QStringList({p.capital, p.interes, p.numCuotas, p.cuota, p.pagado, p.intereses, p.porcentaje})
                     .join('|'),
                 paneles);
        QCOMPARE(r.campoEscrito, campoEscrito);
        QCOMPARE(r.textoEscrito, textoEscrito);
        QCOMPARE(r.aviso.has_value(), !avisoTitulo.isEmpty());
        QCOMPARE(r.estado.CalculoFallido, r.aviso.has_value());
        if (r.aviso) {
            QCOMPARE(r.aviso->titulo, avisoTitulo);
            QCOMPARE(r.aviso->texto.split('\r').first(), avisoPrimeraLinea);
        }
        QCOMPARE(r.foco, foco);
    }

    // Totals too large to be shown whole make a failed calculation with a
    // warning that names the result beyond the limit, never a cut or
    // infinite number in a panel; an amount far beyond it is refused as it is
    // read.
    void cuotaFueraDeRango() {
        QVERIFY_THROWS_EXCEPTION(EConvertError,
                                 ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"1e308", "6", "1200", ""}));
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"9e14", "6", "1200", ""});
        QVERIFY(r.estado.CalculoFallido);
        QVERIFY(r.aviso);
        QCOMPARE(r.aviso->texto, QStringLiteral("No se ha podido calcular la cuota con estos datos.\r"
                                                "El total pagado debe ser menor que 1.000.000.000.000.000,00."));
        const auto p = finance::TextosPanelesPrestamo(r.estado);
        for (const QString& texto : {p.pagado, p.intereses, p.porcentaje})
            QCOMPARE(texto, QStringLiteral("0,00"));
    }

    // What the person types is checked before anything is worked out: one
    // range for every amount (0 up to below the program's limit) and every
    // rate (0 to 1000, as a revision's), the unknown's box left out since it
    // only holds the last result. Each refusal says which limit was passed
    // and puts the focus on that box.
    void entradasFueraDeRango_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<CampoPrestamo>("foco");
        const QString limite = QStringLiteral("1.000.000.000.000.000,00.");
        QTest::newRow("capital negativo") << 0 << QStringList{"-1000", "12", "12", ""}
                                          << "El capital no puede ser negativo." << CampoPrestamo::Capital;
        QTest::newRow("capital en el límite") << 0 << QStringList{"1000000000000000", "0", "1", ""}
                                              << "El capital debe ser menor que " + limite << CampoPrestamo::Capital;
        QTest::newRow("interés negativo") << 0 << QStringList{"1000", "-5", "12", ""}
                                          << "El interés debe estar entre 0 y 1000." << CampoPrestamo::Interes;
        QTest::newRow("interés de 5.000 %") << 3 << QStringList{"", "5.000", "12", "100"}
                                            << "El interés debe estar entre 0 y 1000." << CampoPrestamo::Interes;
        QTest::newRow("cuotas negativas") << 3 << QStringList{"", "5", "-12", "100"}
                                          << "El número de cuotas no puede ser negativo." << CampoPrestamo::NumCuotas;
        QTest::newRow("mil millones de cuotas")
            << 0 << QStringList{"150.000", "3,5", "1000000000", ""}
            << "Con un interés del 3,50 % el número de cuotas no puede pasar de 3.896.993." << CampoPrestamo::NumCuotas;
        QTest::newRow("cuota negativa") << 2 << QStringList{"1000", "5", "", "-100"}
                                        << "La cuota no puede ser negativa." << CampoPrestamo::Cuota;
        QTest::newRow("cuota en el límite") << 1 << QStringList{"1000", "", "2", "1e15"}
                                            << "La cuota debe ser menor que " + limite << CampoPrestamo::Cuota;
    }
    void entradasFueraDeRango() {
        QFETCH(int, codigo);
        QFETCH(QStringList, campos);
        const auto r = ResolverPrestamo(CodigoCalculo(codigo), {campos[0], campos[1], campos[2], campos[3]});
        QVERIFY(r.estado.CalculoFallido);
        QVERIFY(r.aviso);
        QTEST(r.aviso->texto, "aviso");
        QTEST(r.foco, "foco");
        QCOMPARE(r.campoEscrito, CampoPrestamo::Ninguno);
        QCOMPARE(r.estado.TotalPagado, 0.0);
    }

    // Figures at the edge of each range are still worked out, and the
    // unknown's box is not checked: it holds the last result.
    void entradasEnElBorde() {
        QVERIFY(!ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"999999999999999", "0", "1", ""}).aviso);
        QVERIFY(!ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"1000", "1000", "12", ""}).aviso);
        QVERIFY(!ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"150.000", "3,5", "3896993", "-5"}).aviso);
        QVERIFY(!ResolverPrestamo(CodigoCalculo::PrestamoInteres, {"1000", "-5", "12", "100"}).aviso);
    }

    void interesExactoNoSeRedondeaEnElEstado() {
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoInteres, {"10000", "", "12", "860,66", kFinal});
        QVERIFY(qAbs(r.estado.Interes - 5.9991) < 0.0001);
    }

    void camposVaciosPasanACero() {
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"", "6", "", ""});
        QCOMPARE(r.camposConCero,
                 (QList<CampoPrestamo>{CampoPrestamo::Capital, CampoPrestamo::NumCuotas, CampoPrestamo::Cuota}));
    }

    void textoQueNoEsNumero() {
        try {
            ResolverPrestamo(CodigoCalculo::PrestamoCuota, {",5x", "6", "12", ""});
            QFAIL("se esperaba un error de conversión");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("\",5x\" no es un número válido"));
        }
        QVERIFY_THROWS_EXCEPTION(EConvertError,
                                 ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"100", "6", "12,5", ""}));
        QVERIFY_THROWS_EXCEPTION(EConvertError, ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"100", ",", "12", ""}));
    }
};

QTEST_GUILESS_MAIN(TestCalculoPrestamo)
#include "test_calculo_prestamo.moc"
