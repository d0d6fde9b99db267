#include "prueba_nucleo.h"

#include "finance/filas_depreciacion.h"
#include "finance/filas_inversion.h"
#include "finance/filas_prestamo.h"
#include "util/textos_numericos.h"

using finance::PaymentTiming;

namespace {

QString Fecha(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

// A row as the grid shows it: amounts in "%.2n", joined by '|'.
QString Texto(const trPrestamo& f) {
    return QStringList{QString::number(f.numero), Fecha(f.fecha), TextoImporte(f.cuota), TextoImporte(f.capital),
                       TextoImporte(f.interes), TextoImporte(f.amortizado), TextoImporte(f.pendiente),
                       TextoImporte(f.pagado), TextoImporte(f.intereses)}
        .join('|');
}

QString Texto(const trInversion& f) {
    return QStringList{QString::number(f.numero), Fecha(f.fecha), TextoImporte(f.cuota), TextoImporte(f.invertido),
                       TextoImporte(f.acumulado), TextoImporte(f.beneficio)}
        .join('|');
}

QString Texto(const trDepreciacion& f) {
    return QStringList{QString::number(f.anio), Fecha(f.fecha), TextoImporte(f.valorInicial),
                       TextoImporte(f.depPeriodo), TextoImporte(f.valorFinal), TextoImporte(f.depAcumulada)}
        .join('|');
}

DatosFilasPrestamo PrestamoDeMil(PaymentTiming timing, double cuota) {
    return {1000, 12, 12, cuota, timing, QDate(2024, 1, 31)};
}

DatosFilasDepreciacion DepreciacionDeDiezMil(int metodo, int aniosCalculo) {
    return {10000, 1000, 5, aniosCalculo, 9000, finance::CodigoCalculo(metodo), QDate(2024, 1, 1)};
}

}  // namespace

class TestFilasDesarrollo : public PruebaNucleo {
    Q_OBJECT
private slots:
    void prestamoAlFinal() {
        const auto filas = FilasPrestamo(PrestamoDeMil(PaymentTiming::EndOfPeriod, 88.84878867834168));
        QCOMPARE(int(filas.size()), 12);
        QCOMPARE(Texto(filas[0]), "1|31/01/2024|88,85|78,85|10,00|78,85|921,15|88,85|10,00");
        QCOMPARE(Texto(filas[1]), "2|29/02/2024|88,85|79,64|9,21|158,49|841,51|177,70|19,21");
        QCOMPARE(Fecha(filas[2].fecha), "31/03/2024");
        QCOMPARE(Fecha(filas[3].fecha), "30/04/2024");
        QCOMPARE(Texto(filas[11]), "12|31/12/2024|88,84|87,96|0,88|1.000,00|0,00|1.066,19|66,19");
    }

    // Paid at the start of each period, the first instalment carries no
    // interest and the capital is paid off by the last row.
    void prestamoAlInicio() {
        const auto filas = FilasPrestamo(PrestamoDeMil(PaymentTiming::StartOfPeriod, 87.96909770132840));
        QCOMPARE(Texto(filas[0]).section('|', 2, 4), "87,97|87,97|0,00");
        double principal = 0;
        for (const auto& f : filas)
            principal += f.capital;
        QVERIFY(qAbs(principal - 1000) < 1e-9);
        QCOMPARE(TextoImporte(filas.back().pendiente), "0,00");
    }

    void prestamoSinInteres() {
        const auto filas = FilasPrestamo({1200, 0, 12, 100, PaymentTiming::EndOfPeriod, QDate(2024, 1, 15)});
        for (const auto& f : filas) {
            QCOMPARE(TextoImporte(f.interes), "0,00");
            QCOMPARE(TextoImporte(f.capital), "100,00");
        }
    }

    void sinFilas() {
        QVERIFY(FilasPrestamo({1000, 12, 0, 0, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1), {}}).empty());
        QVERIFY(FilasPrestamo({1000, 12, -5, 0, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1), {}}).empty());
        QVERIFY(FilasInversion({0, 0, 6, 0, 100, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1), {}}).empty());
        QVERIFY(
            FilasDepreciacion({10000, 1000, 0, 3, 9000, finance::CodigoCalculo::DepreciacionLineal, QDate(2024, 1, 1)})
                .empty());
    }

    void inversion_data() {
        QTest::addColumn<int>("timing");
        QTest::addColumn<double>("interes");
        QTest::addColumn<QString>("fila1");
        QTest::addColumn<QString>("fila3");
        QTest::addColumn<QString>("fila120");
        QTest::newRow("al inicio") << int(PaymentTiming::StartOfPeriod) << 6.0
                                   << "1|15/01/2024|100,00|1.100,00|1.105,50|5,50"
                                   << "3|15/03/2024|100,00|1.300,00|1.318,09|18,09"
                                   << "120|15/12/2033|100,00|13.000,00|18.289,27|5.289,27";
        QTest::newRow("al final") << int(PaymentTiming::EndOfPeriod) << 6.0
                                  << "1|15/01/2024|100,00|1.100,00|1.105,00|5,00"
                                  << "3|15/03/2024|100,00|1.300,00|1.316,58|16,58"
                                  << "120|15/12/2033|100,00|13.000,00|18.207,33|5.207,33";
        QTest::newRow("sin interés") << int(PaymentTiming::EndOfPeriod) << 0.0
                                     << "1|15/01/2024|100,00|1.100,00|1.100,00|0,00"
                                     << "3|15/03/2024|100,00|1.300,00|1.300,00|0,00"
                                     << "120|15/12/2033|100,00|13.000,00|13.000,00|0,00";
    }
    void inversion() {
        QFETCH(int, timing);
        QFETCH(double, interes);
        const auto filas =
            FilasInversion({0, 1000, interes, 120, 100, PaymentTiming(timing), QDate(2024, 1, 15), {}});
        QCOMPARE(int(filas.size()), 120);
        QTEST(Texto(filas[0]), "fila1");
        QTEST(Texto(filas[2]), "fila3");
        QTEST(Texto(filas[119]), "fila120");
    }

    // A solved contribution has more decimals than money has: the table pays
    // it in whole cents, so that the money put in is what the cuota column
    // adds up to, and the capital is what those cents reach.
    void inversionConCuotaCalculada() {
        const auto filas = FilasInversion(
            {10000, 0, 6, 12, 806.63114136398669, PaymentTiming::StartOfPeriod, QDate(2024, 1, 15), {}});
        QCOMPARE(Texto(filas[0]), QStringLiteral("1|15/01/2024|806,63|806,63|810,66|4,03"));
        QCOMPARE(Texto(filas[11]), QStringLiteral("12|15/12/2024|806,63|9.679,56|9.999,99|320,43"));
    }

    // A capital too large to compute stops the table with a Spanish message
    // naming the contribution where it happened.
    void inversionDesbordada() {
        TFilasInversion filas({0, 0, 12, 4000, 100, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1), {}});
        trInversion fila;
        int hechas = 0;
        try {
            while (filas.Siguiente(fila))
                ++hechas;
            QFAIL("se esperaba que el desarrollo se detuviera");
        } catch (const EDesarrolloInversion& e) {
            QCOMPARE(hechas, 3702);
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("a partir de la cuota 3703")));
        }
    }

    void depreciacion_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("aniosCalculo");
        QTest::addColumn<QStringList>("filas");
        const QStringList lineal{"1|01/01/2024|10.000,00|1.800,00|8.200,00|1.800,00",
                                 "2|01/01/2025|8.200,00|1.800,00|6.400,00|3.600,00",
                                 "3|01/01/2026|6.400,00|1.800,00|4.600,00|5.400,00",
                                 "4|01/01/2027|4.600,00|1.800,00|2.800,00|7.200,00",
                                 "5|01/01/2028|2.800,00|1.800,00|1.000,00|9.000,00"};
        QTest::newRow("lineal") << 8 << 3 << lineal;
        QTest::newRow("lineal con más años a calcular que de vida") << 8 << 8 << lineal;
        QTest::newRow("acelerada") << 9 << 3
                                   << QStringList{"1|01/01/2024|10.000,00|3.000,00|7.000,00|3.000,00",
                                                  "2|01/01/2025|7.000,00|2.400,00|4.600,00|5.400,00",
                                                  "3|01/01/2026|4.600,00|1.800,00|2.800,00|7.200,00",
                                                  "4|01/01/2027|2.800,00|1.200,00|1.600,00|8.400,00",
                                                  "5|01/01/2028|1.600,00|600,00|1.000,00|9.000,00"};
        QTest::newRow("doble") << 10 << 3
                               << QStringList{"1|01/01/2024|10.000,00|4.000,00|6.000,00|4.000,00",
                                              "2|01/01/2025|6.000,00|2.400,00|3.600,00|6.400,00",
                                              "3|01/01/2026|3.600,00|1.440,00|2.160,00|7.840,00",
                                              "4|01/01/2027|2.160,00|864,00|1.296,00|8.704,00",
                                              "5|01/01/2028|1.296,00|296,00|1.000,00|9.000,00"};
    }
    void depreciacion() {
        QFETCH(int, metodo);
        QFETCH(int, aniosCalculo);
        QFETCH(QStringList, filas);
        QStringList obtenidas;
        for (const auto& f : FilasDepreciacion(DepreciacionDeDiezMil(metodo, aniosCalculo)))
            obtenidas << Texto(f);
        QCOMPARE(obtenidas, filas);
    }

    void depreciacionDesdeUnVeintinueveDeFebrero() {
        auto datos = DepreciacionDeDiezMil(8, 5);
        datos.primeraFecha = QDate(2024, 2, 29);
        const auto filas = FilasDepreciacion(datos);
        QCOMPARE(Fecha(filas[1].fecha), "28/02/2025");
        QCOMPARE(Fecha(filas[4].fecha), "29/02/2028");
    }
};

QTEST_GUILESS_MAIN(TestFilasDesarrollo)
#include "test_filas_desarrollo.moc"
