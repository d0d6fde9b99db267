// A loan schedule in whole cents, as a bank books it, against schedules
// worked out independently with 40-digit decimals: the table, the yearly
// summary and the results panel must all say the same amounts.
#include "prueba_nucleo.h"

#include "filas_en_centimos.h"
#include "finance/calculo_prestamo.h"
#include "finance/centimos_enteros.h"
#include "finance/resumen_anual.h"
#include "finance/simulacion_prestamo.h"
#include "util/textos_numericos.h"

using namespace finance;

namespace {

const PaymentTiming kFinal = PaymentTiming::EndOfPeriod;
const PaymentTiming kInicio = PaymentTiming::StartOfPeriod;

// Instalment, principal, interest, early repayment and pending, as shown.
QString Importes(const trPrestamo& f) {
    return QStringList{TextoImporte(f.cuota), TextoImporte(f.capital), TextoImporte(f.interes),
                       TextoImporte(f.amortAnticipada), TextoImporte(f.pendiente)}
        .join('|');
}

CondicionesPrestamo TrimestralConCambios() {
    CondicionesPrestamo c;
    c.periodicidad = Periodicidad::Trimestral;
    c.amortizaciones = {{30, 1500, ReduccionAmortizacion::Cuota, 1}, {10, 500, ReduccionAmortizacion::Plazo, 0}};
    c.revisiones = {{20, 9}, {5, 3}};
    return c;
}

CondicionesPrestamo Amortizacion(int cuota, double importe) {
    CondicionesPrestamo c;
    c.amortizaciones = {{cuota, importe, ReduccionAmortizacion::Cuota, 0}};
    return c;
}

CondicionesPrestamo Revision(int cuota, double interes) {
    CondicionesPrestamo c;
    c.revisiones = {{cuota, interes}};
    return c;
}

}  // namespace

Q_DECLARE_METATYPE(CondicionesPrestamo)

class TestPrestamoCentimos : public PruebaNucleo {
    Q_OBJECT
private slots:
    // The instalment is solved as the window solves it; the rows, the
    // summary and the panels are then checked against the decimal schedule.
    void cuadro_data() {
        QTest::addColumn<QStringList>("campos");  // capital, interest, instalments
        QTest::addColumn<int>("timing");
        QTest::addColumn<CondicionesPrestamo>("condiciones");
        QTest::addColumn<int>("filas");
        QTest::addColumn<QString>("cuota");
        QTest::addColumn<QString>("fila3");
        QTest::addColumn<QString>("ultima");
        QTest::addColumn<QString>("pagado");
        QTest::addColumn<QString>("intereses");
        const CondicionesPrestamo sin;
        QTest::newRow("ejemplo de la guía")
            << QStringList{"150000", "3,25", "6"} << int(kFinal) << sin << 6 << "25.237,51"
            << "25.237,51|24.965,94|271,57|0,00|75.304,29" << "25.237,54|25.169,37|68,17|0,00|0,00"
            << "151.425,09" << "1.425,09";
        QTest::newRow("sin interés")
            << QStringList{"1200", "0", "12"} << int(kFinal) << sin << 12 << "100,00"
            << "100,00|100,00|0,00|0,00|900,00" << "100,00|100,00|0,00|0,00|0,00" << "1.200,00" << "0,00";
        QTest::newRow("1.200 cuotas al 3 %")
            << QStringList{"100000", "3", "1200"} << int(kFinal) << sin << 1200 << "263,15"
            << "263,15|13,22|249,93|0,00|99.960,45" << "268,61|267,94|0,67|0,00|0,00" << "315.785,46"
            << "215.785,46";
        QTest::newRow("1.200 cuotas al 0,0001 %")
            << QStringList{"100000", "0,0001", "1200"} << int(kFinal) << sin << 1200 << "83,34"
            << "83,34|83,33|0,01|0,00|99.750,01" << "80,15|80,15|0,00|0,00|0,00" << "100.004,81" << "4,81";
        QTest::newRow("al inicio del periodo")
            << QStringList{"1000", "12", "12"} << int(kInicio) << sin << 12 << "87,97"
            << "87,97|79,64|8,33|0,00|753,54" << "87,96|87,09|0,87|0,00|0,00" << "1.055,63" << "55,63";
        QTest::newRow("trimestral con amortización y revisiones")
            << QStringList{"20000", "5", "40"} << int(kInicio) << TrimestralConCambios() << 39 << "630,55"
            << "630,55|393,29|237,26|0,00|18.587,73" << "482,06|471,45|10,61|0,00|0,00" << "24.886,43"
            << "4.886,43";
        QTest::newRow("un billón al 7,5 % en 480 cuotas")
            << QStringList{"1000000000000", "7,5", "480"} << int(kFinal) << sin << 480 << "6.580.707.277,89"
            << "6.580.707.277,89|334.854.037,12|6.245.853.240,77|0,00|999.001.664.486,61"
            << "6.580.707.281,72|6.539.833.323,45|40.873.958,27|0,00|0,00" << "3.158.739.493.391,03"
            << "2.158.739.493.391,03";
        // At 100 % over 50 years the level instalment is the interest to a
        // hair; rounded to the cent it repays nothing until the last one.
        // A change that leaves the loan as it was must not change its total.
        QTest::newRow("casi perpetuo")
            << QStringList{"100000", "100", "600"} << int(kFinal) << sin << 600 << "8.333,33"
            << "8.333,33|0,00|8.333,33|0,00|100.000,00" << "108.333,33|100.000,00|8.333,33|0,00|0,00"
            << "5.099.998,00" << "4.999.998,00";
        QTest::newRow("casi perpetuo con la revisión al mismo interés")
            << QStringList{"100000", "100", "600"} << int(kFinal) << Revision(2, 100) << 600 << "8.333,33"
            << "8.333,33|0,00|8.333,33|0,00|100.000,00" << "108.333,33|100.000,00|8.333,33|0,00|0,00"
            << "5.099.998,00" << "4.999.998,00";
        QTest::newRow("casi perpetuo con un céntimo amortizado")
            << QStringList{"100000", "100", "600"} << int(kFinal) << Amortizacion(1, 0.01) << 600 << "8.333,33"
            << "8.333,33|0,00|8.333,33|0,00|99.999,99" << "108.333,32|99.999,99|8.333,33|0,00|0,00"
            << "5.099.998,00" << "4.999.998,00";
    }

    void cuadro() {
        QFETCH(QStringList, campos);
        QFETCH(int, timing);
        QFETCH(CondicionesPrestamo, condiciones);
        QFETCH(int, filas);
        QFETCH(QString, cuota);
        QFETCH(QString, fila3);
        QFETCH(QString, ultima);
        QFETCH(QString, pagado);
        QFETCH(QString, intereses);
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota,
                                        {campos[0], campos[1], campos[2], "", PaymentTiming(timing), condiciones});
        QVERIFY(!r.aviso);
        const EstadoPrestamo& e = r.estado;
        const DatosFilasPrestamo datos{e.Capital, e.Interes, e.NumCuotas, e.Cuota, PaymentTiming(timing),
                                       QDate(2024, 7, 31), condiciones};
        const auto tabla = FilasPrestamo(datos);
        QCOMPARE(int(tabla.size()), filas);
        ComprobarFilasEnCentimos(tabla, e.Capital);
        QCOMPARE(Importes(tabla[2]), fila3);
        QCOMPARE(Importes(tabla.back()), ultima);
        QCOMPARE(TextoImporte(tabla.back().pagado), pagado);
        QCOMPARE(TextoImporte(tabla.back().intereses), intereses);

        // The panels show the rounded level instalment and the table's sums.
        const PanelesPrestamo p = TextosPanelesPrestamo(e);
        QCOMPARE(p.cuota, cuota);
        QCOMPARE(p.pagado, pagado);
        QCOMPARE(p.intereses, intereses);

        // The yearly summary adds up to the table, and repays the capital.
        const ResumenPrestamo resumen = ResumenAnualPrestamo(datos);
        QCOMPARE(TextoImporte(resumen.total.pagado), pagado);
        QCOMPARE(TextoImporte(resumen.total.interes), intereses);
        QCOMPARE(TextoImporte(resumen.total.capital), TextoImporte(tabla.back().amortizado));
        QCOMPARE(resumen.total.pendiente, 0.0);
        QCOMPARE(resumen.total.cuotas, filas);
    }

    // At 1e14 a double no longer holds every cent, so the schedule itself is
    // checked: its instalments and interests add up exactly, its balance
    // falls by exactly the capital repaid and ends at 0,00.
    void cienBillonesAlCentimo() {
        TSimulacionPrestamo s(1e14, 3.25, 360, kFinal, {});
        PasoPrestamo paso;
        CentimosEnteros pendiente = ACentimos(1e14L), pagado = 0, intereses = 0;
        int filas = 0;
        std::vector<PasoPrestamo> pasos;
        while (s.Siguiente(paso)) {
            ++filas;
            QCOMPARE(ACentimos(paso.cuota), ACentimos(paso.capital) + ACentimos(paso.interes));
            pendiente -= ACentimos(paso.capital);
            QCOMPARE(ACentimos(paso.pendiente), pendiente);
            pagado += ACentimos(paso.cuota);
            intereses += ACentimos(paso.interes);
            pasos.push_back(paso);
        }
        QCOMPARE(filas, 360);
        QCOMPARE(pendiente, CentimosEnteros(0));
        QCOMPARE(ACentimos(pasos[0].cuota), CentimosEnteros(43520631907238));
        QCOMPARE(ACentimos(pasos[2].interes), CentimosEnteros(26994177397331));
        QCOMPARE(ACentimos(pasos.back().cuota), CentimosEnteros(43520631907257));
        QCOMPARE(pagado, CentimosEnteros(15667427486605699));
        QCOMPARE(intereses, CentimosEnteros(5667427486605699));
    }

    // Solving the number of instalments: the last one pays only what is
    // left, and an instalment that is the rounded level one of a whole
    // number of instalments gives exactly that number.
    void numeroDeCuotas_data() {
        QTest::addColumn<QStringList>("campos");  // capital, interest, instalment
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("ultima");
        QTest::addColumn<QString>("pagado");
        QTest::addColumn<QString>("intereses");
        QTest::newRow("sin interés") << QStringList{"1000", "0", "300"} << "4" << "100,00|100,00|0,00|0,00|0,00"
                                     << "1.000,00" << "0,00";
        QTest::newRow("la última más pequeña")
            << QStringList{"10000", "5", "500"} << "21" << "463,19|461,27|1,92|0,00|0,00" << "10.463,19" << "463,19";
        QTest::newRow("exactamente tres")
            << QStringList{"30604", "24", "10612,08"} << "3" << "10.612,08|10.404,00|208,08|0,00|0,00" << "31.836,24"
            << "1.232,24";
        QTest::newRow("la cuota redondeada de doce")
            << QStringList{"10000", "6", "860,66"} << "12" << "860,70|856,42|4,28|0,00|0,00" << "10.327,96"
            << "327,96";
    }

    void numeroDeCuotas() {
        QFETCH(QStringList, campos);
        QFETCH(QString, numero);
        QFETCH(QString, ultima);
        QFETCH(QString, pagado);
        QFETCH(QString, intereses);
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoNumCuotas, {campos[0], campos[1], "", campos[2]});
        QVERIFY(!r.aviso);
        QCOMPARE(r.textoEscrito, numero);
        const EstadoPrestamo& e = r.estado;
        const auto tabla = FilasPrestamo({e.Capital, e.Interes, e.NumCuotas, e.Cuota, kFinal, QDate(2024, 1, 31)});
        QCOMPARE(QString::number(tabla.size()), numero);
        ComprobarFilasEnCentimos(tabla, e.Capital);
        for (std::size_t i = 0; i + 1 < tabla.size(); ++i)
            QCOMPARE(TextoImporte(tabla[i].cuota), TextoImporte(e.Cuota));
        QCOMPARE(Importes(tabla.back()), ultima);
        const PanelesPrestamo p = TextosPanelesPrestamo(e);
        QCOMPARE(p.pagado, pagado);
        QCOMPARE(p.intereses, intereses);
        QCOMPARE(TextoImporte(tabla.back().pagado), pagado);
    }

    // Interest rounded half up: a balance whose interest falls on half a
    // cent, with a rate a binary double does not hold exactly.
    void interesAMedioCentimo_data() {
        QTest::addColumn<double>("interes");
        QTest::addColumn<qlonglong>("pendiente");
        QTest::addColumn<qlonglong>("esperado");
        QTest::newRow("1 % sobre 6 €") << 1.0 << 600LL << 1LL;     // 0,5 céntimos
        QTest::newRow("0,3 % sobre 20 €") << 0.3 << 2000LL << 1LL;  // 0,5 céntimos
        QTest::newRow("0,7 % sobre 60 €") << 0.7 << 6000LL << 4LL;  // 3,5 céntimos
        QTest::newRow("3,25 % sobre 1e15 €") << 3.25 << 100000000000000000LL << 270833333333333LL;
        QTest::newRow("negativo") << 1.0 << -600LL << -1LL;
    }

    void interesAMedioCentimo() {
        QFETCH(double, interes);
        QFETCH(qlonglong, pendiente);
        QFETCH(qlonglong, esperado);
        QCOMPARE(qlonglong(TasaPeriodo(interes, 12).Interes(pendiente)), esperado);
    }
};

QTEST_GUILESS_MAIN(TestPrestamoCentimos)
#include "test_prestamo_centimos.moc"
