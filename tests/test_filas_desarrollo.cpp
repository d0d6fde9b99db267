#include "prueba_nucleo.h"

#include "finance/calculo_depreciacion.h"
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

    // Part years and double declining changing to linear, against tables
    // worked out apart in 40-digit decimals (tools/oraculo_depreciacion.py):
    // a start after January adds a calendar year, and every table ends at
    // the final value to the cent.
    void depreciacionPorAniosNaturales_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<double>("inicial");
        QTest::addColumn<double>("residual");
        QTest::addColumn<int>("vida");
        QTest::addColumn<QDate>("inicio");
        QTest::addColumn<QStringList>("filas");
        QTest::newRow("lineal, 12000 a 2000 en 4 años desde el 15/07/2024")
            << 8 << 12000.0 << 2000.0 << 4 << QDate(2024, 7, 15)
            << QStringList{"1|15/07/2024|12.000,00|1.250,00|10.750,00|1.250,00",
                   "2|01/01/2025|10.750,00|2.500,00|8.250,00|3.750,00",
                   "3|01/01/2026|8.250,00|2.500,00|5.750,00|6.250,00",
                   "4|01/01/2027|5.750,00|2.500,00|3.250,00|8.750,00",
                   "5|01/01/2028|3.250,00|1.250,00|2.000,00|10.000,00"};
        QTest::newRow("lineal, 1000 a 0 en 3 años desde el 31/12/2024")
            << 8 << 1000.0 << 0.0 << 3 << QDate(2024, 12, 31)
            << QStringList{"1|31/12/2024|1.000,00|27,78|972,22|27,78",
                   "2|01/01/2025|972,22|333,33|638,89|361,11",
                   "3|01/01/2026|638,89|333,33|305,56|694,44",
                   "4|01/01/2027|305,56|305,56|0,00|1.000,00"};
        QTest::newRow("dígitos, 10000 a 1000 en 5 años desde el 01/07/2024")
            << 9 << 10000.0 << 1000.0 << 5 << QDate(2024, 7, 1)
            << QStringList{"1|01/07/2024|10.000,00|1.500,00|8.500,00|1.500,00",
                   "2|01/01/2025|8.500,00|2.700,00|5.800,00|4.200,00",
                   "3|01/01/2026|5.800,00|2.100,00|3.700,00|6.300,00",
                   "4|01/01/2027|3.700,00|1.500,00|2.200,00|7.800,00",
                   "5|01/01/2028|2.200,00|900,00|1.300,00|8.700,00",
                   "6|01/01/2029|1.300,00|300,00|1.000,00|9.000,00"};
        QTest::newRow("dígitos, 7777,77 a 123,45 en 7 años desde el 10/03/2023")
            << 9 << 7777.77 << 123.45 << 7 << QDate(2023, 3, 10)
            << QStringList{"1|10/03/2023|7.777,77|1.594,65|6.183,12|1.594,65",
                   "2|01/01/2024|6.183,12|1.685,77|4.497,35|3.280,42",
                   "3|01/01/2025|4.497,35|1.412,40|3.084,94|4.692,83",
                   "4|01/01/2026|3.084,94|1.139,04|1.945,91|5.831,86",
                   "5|01/01/2027|1.945,91|865,67|1.080,24|6.697,53",
                   "6|01/01/2028|1.080,24|592,30|487,94|7.289,83",
                   "7|01/01/2029|487,94|318,93|169,01|7.608,76",
                   "8|01/01/2030|169,01|45,56|123,45|7.654,32"};
        QTest::newRow("doble, 10000 a 0 en 4 años desde el 01/04/2024")
            << 10 << 10000.0 << 0.0 << 4 << QDate(2024, 4, 1)
            << QStringList{"1|01/04/2024|10.000,00|3.750,00|6.250,00|3.750,00",
                   "2|01/01/2025|6.250,00|3.125,00|3.125,00|6.875,00",
                   "3|01/01/2026|3.125,00|1.562,50|1.562,50|8.437,50",
                   "4|01/01/2027|1.562,50|781,25|781,25|9.218,75",
                   "5|01/01/2028|781,25|156,25|625,00|9.375,00"};
        QTest::newRow("doble con paso a lineal, 10000 a 0 en 5 años desde el 01/01/2024")
            << 11 << 10000.0 << 0.0 << 5 << QDate(2024, 1, 1)
            << QStringList{"1|01/01/2024|10.000,00|4.000,00|6.000,00|4.000,00",
                   "2|01/01/2025|6.000,00|2.400,00|3.600,00|6.400,00",
                   "3|01/01/2026|3.600,00|1.440,00|2.160,00|7.840,00",
                   "4|01/01/2027|2.160,00|1.080,00|1.080,00|8.920,00",
                   "5|01/01/2028|1.080,00|1.080,00|0,00|10.000,00"};
        QTest::newRow("doble con paso a lineal, 10000 a 1000 en 5 años desde el 01/01/2024")
            << 11 << 10000.0 << 1000.0 << 5 << QDate(2024, 1, 1)
            << QStringList{"1|01/01/2024|10.000,00|4.000,00|6.000,00|4.000,00",
                   "2|01/01/2025|6.000,00|2.400,00|3.600,00|6.400,00",
                   "3|01/01/2026|3.600,00|1.440,00|2.160,00|7.840,00",
                   "4|01/01/2027|2.160,00|864,00|1.296,00|8.704,00",
                   "5|01/01/2028|1.296,00|296,00|1.000,00|9.000,00"};
        QTest::newRow("doble con paso a lineal, 23456,78 a 456,78 en 8 años desde el 05/10/2024")
            << 11 << 23456.78 << 456.78 << 8 << QDate(2024, 10, 5)
            << QStringList{"1|05/10/2024|23.456,78|1.466,05|21.990,73|1.466,05",
                   "2|01/01/2025|21.990,73|5.497,68|16.493,05|6.963,73",
                   "3|01/01/2026|16.493,05|4.123,26|12.369,79|11.086,99",
                   "4|01/01/2027|12.369,79|3.092,45|9.277,34|14.179,44",
                   "5|01/01/2028|9.277,34|2.319,33|6.958,00|16.498,78",
                   "6|01/01/2029|6.958,00|1.817,40|5.140,60|18.316,18",
                   "7|01/01/2030|5.140,60|1.703,21|3.437,39|20.019,39",
                   "8|01/01/2031|3.437,39|1.703,21|1.734,19|21.722,59",
                   "9|01/01/2032|1.734,19|1.277,41|456,78|23.000,00"};
        QTest::newRow("doble con paso a lineal, 3000 a 0 en 2 años desde el 01/05/2024")
            << 11 << 3000.0 << 0.0 << 2 << QDate(2024, 5, 1)
            << QStringList{"1|01/05/2024|3.000,00|2.000,00|1.000,00|2.000,00",
                   "2|01/01/2025|1.000,00|1.000,00|0,00|3.000,00",
                   "3|01/01/2026|0,00|0,00|0,00|3.000,00"};
    }
    void depreciacionPorAniosNaturales() {
        QFETCH(int, metodo);
        QFETCH(double, inicial);
        QFETCH(double, residual);
        QFETCH(int, vida);
        QFETCH(QDate, inicio);
        QFETCH(QStringList, filas);
        const auto calculo = finance::CodigoCalculo(metodo);
        finance::EntradaDepreciacion entrada;
        entrada.valorInicial = TextoImporte(inicial);
        entrada.valorFinal = TextoImporte(residual);
        entrada.aniosUtil = QString::number(vida);
        entrada.aniosCalculo = QStringLiteral("2");
        entrada.mesInicio = inicio.month();
        const finance::EstadoDepreciacion e = finance::ResolverDepreciacion(calculo, entrada).estado;
        DatosFilasDepreciacion datos;
        datos.ValorInicial = e.ValorInicial;
        datos.ValorFinal = e.ValorFinal;
        datos.AniosUtil = e.AniosUtil;
        datos.AniosCalculo = e.AniosCalculo;
        datos.DepVidaUtil = e.DepVidaUtil;
        datos.CalculoActual = calculo;
        datos.primeraFecha = inicio;
        datos.mesInicio = e.MesInicio;
        QStringList obtenidas;
        for (const auto& f : FilasDepreciacion(datos))
            obtenidas << Texto(f);
        QCOMPARE(obtenidas, filas);
        // The calculation's two years are the table's first two rows.
        QCOMPARE(TextoImporte(e.DepCalculada), filas[1].split(u'|')[5]);
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
