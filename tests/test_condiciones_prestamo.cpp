#include "finance/calculo_prestamo.h"
#include "finance/condiciones_prestamo.h"
#include "finance/tae_prestamo.h"
#include "finance/filas_prestamo.h"
#include "filas_en_centimos.h"
#include "util/ajustes_regionales.h"
#include "util/fechas.h"
#include "util/textos_numericos.h"

#include <QtTest>

using namespace finance;

namespace {

using Quad = __float128;
const PaymentTiming kFinal = PaymentTiming::EndOfPeriod;
const PaymentTiming kInicio = PaymentTiming::StartOfPeriod;

QString Fecha(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

// Instalment, principal, interest, early repayment and pending, as shown.
QString Importes(const trPrestamo& f) {
    return QStringList{TextoImporte(f.cuota), TextoImporte(f.capital), TextoImporte(f.interes),
                       TextoImporte(f.amortAnticipada), TextoImporte(f.pendiente)}
        .join('|');
}

double Absoluto(Quad x) { return static_cast<double>(x < 0 ? -x : x); }

Quad Potencia(Quad base, int n) {
    Quad r = 1;
    for (int i = 0; i < n; ++i)
        r *= base;
    return r;
}

// The period rate at which n instalments are worth what was received, by
// bisection in quadruple precision.
Quad TirPorBiseccion(Quad recibido, Quad cuota, int n, bool inicio) {
    auto valor = [&](Quad i) {
        Quad v = 0, factor = inicio ? Quad(1) + i : Quad(1);
        for (int t = 1; t <= n; ++t) {
            factor /= 1 + i;
            v += cuota * factor;
        }
        return v;
    };
    Quad bajo = -0.5, alto = 1;
    for (int paso = 0; paso < 200; ++paso) {
        const Quad medio = (bajo + alto) / 2;
        (valor(medio) > recibido ? bajo : alto) = medio;
    }
    return (bajo + alto) / 2;
}

Quad CuotaNivelada(Quad capital, Quad tasa, int n, bool inicio) {
    if (tasa == 0)
        return capital / n;
    const Quad cuota = capital * tasa / (1 - 1 / Potencia(1 + tasa, n));
    return inicio ? cuota / (1 + tasa) : cuota;
}

DatosFilasPrestamo Prestamo(double capital, double interes, int n, PaymentTiming timing,
                            CondicionesPrestamo condiciones = {}) {
    const int periodos = PeriodosPorAnio(condiciones.periodicidad);
    const double cuota = static_cast<double>(
        CuotaNivelada(capital, Quad(interes) / (100 * periodos), n, timing == kInicio));
    return {capital, interes, n, cuota, timing, QDate(2024, 1, 31), condiciones};
}

CondicionesPrestamo ConAmortizaciones(std::vector<AmortizacionAnticipada> amortizaciones) {
    CondicionesPrestamo c;
    c.amortizaciones = std::move(amortizaciones);
    return c;
}

CondicionesPrestamo ConRevisiones(std::vector<RevisionInteres> revisiones) {
    CondicionesPrestamo c;
    c.revisiones = std::move(revisiones);
    return c;
}

CondicionesPrestamo ConPeriodicidad(Periodicidad p, double comision = 0, double gastos = 0) {
    CondicionesPrestamo c;
    c.periodicidad = p;
    c.comisionApertura = comision;
    c.gastosIniciales = gastos;
    return c;
}

}  // namespace

Q_DECLARE_METATYPE(DatosFilasPrestamo)
Q_DECLARE_METATYPE(CondicionesPrestamo)

class TestCondicionesPrestamo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // Without conditions the table is payable in whole cents, its instalment
    // the one the calculation left (a larger one typed by the person pays
    // the mortgage off two instalments early).
    void sinCondicionesEnCentimos_data() {
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::addColumn<int>("filas");
        const QDate finDeMes(2024, 1, 31);
        QTest::newRow("al final") << DatosFilasPrestamo{1000, 12, 12, 88.84878867834168, kFinal, finDeMes} << 12;
        QTest::newRow("al inicio") << DatosFilasPrestamo{1000, 12, 12, 87.9690977013284, kInicio, finDeMes} << 12;
        QTest::newRow("sin interés") << DatosFilasPrestamo{1200, 0, 12, 100, kFinal, QDate(2024, 2, 29)} << 12;
        QTest::newRow("cuota del usuario") << DatosFilasPrestamo{10000, 6, 13, 860.66, kFinal, finDeMes} << 13;
        QTest::newRow("hipoteca") << DatosFilasPrestamo{250000, 3.75, 360, 1157.79, kInicio, QDate(2023, 8, 30)}
                                  << 358;
    }

    void sinCondicionesEnCentimos() {
        QFETCH(DatosFilasPrestamo, datos);
        QFETCH(int, filas);
        const auto tabla = FilasPrestamo(datos);
        QCOMPARE(int(tabla.size()), filas);
        ComprobarFilasEnCentimos(tabla, datos.Capital);
        for (std::size_t i = 0; i < tabla.size(); ++i) {
            QCOMPARE(tabla[i].numero, int(i) + 1);
            QCOMPARE(tabla[i].fecha, SumarMeses(int(i), datos.primeraFecha));
        }
        QVERIFY(FilasPrestamo({1000, 12, 0, 0, kFinal, QDate(2024, 1, 31)}).empty());
    }

    // At each frequency: the instalment against a quadruple-precision level
    // payment, the dates stepping from the first one, the table closing at
    // zero, and the interest solved back from the instalment.
    void periodicidad_data() {
        QTest::addColumn<Periodicidad>("periodicidad");
        QTest::addColumn<int>("timing");
        QTest::addColumn<QString>("cuota");
        QTest::addColumn<QStringList>("fechas");
        QTest::newRow("trimestral desde el 31 de enero")
            << Periodicidad::Trimestral << int(kFinal) << "1.365,10"
            << QStringList{"31/01/2024", "30/04/2024", "31/07/2024", "31/10/2024", "31/01/2025", "30/04/2025",
                           "31/07/2025", "31/10/2025"};
        QTest::newRow("bimestral al inicio")
            << Periodicidad::Bimestral << int(kInicio) << "1.308,71"
            << QStringList{"31/01/2024", "31/03/2024", "31/05/2024", "31/07/2024", "30/09/2024", "30/11/2024",
                           "31/01/2025", "31/03/2025"};
        QTest::newRow("anual") << Periodicidad::Anual << int(kFinal) << "1.740,15"
                               << QStringList{"31/01/2024", "31/01/2025", "31/01/2026", "31/01/2027",
                                              "31/01/2028", "31/01/2029", "31/01/2030", "31/01/2031"};
    }

    void periodicidad() {
        QFETCH(Periodicidad, periodicidad);
        QFETCH(int, timing);
        QFETCH(QString, cuota);
        QFETCH(QStringList, fechas);
        const CondicionesPrestamo c = ConPeriodicidad(periodicidad);
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"10000", "8", "8", "", PaymentTiming(timing), c});
        QVERIFY(!r.aviso);
        const Quad esperada = CuotaNivelada(10000, Quad(8) / (100 * PeriodosPorAnio(periodicidad)), 8,
                                            timing == int(kInicio));
        QVERIFY(Absoluto(r.estado.Cuota - esperada) < 1e-9);
        QCOMPARE(TextoImporte(r.estado.Cuota), cuota);

        const auto filas = FilasPrestamo(Prestamo(10000, 8, 8, PaymentTiming(timing), c));
        QStringList vistas;
        for (const auto& f : filas)
            vistas << Fecha(f.fecha);
        QCOMPARE(vistas, fechas);
        QVERIFY(qAbs(filas.back().pendiente) < 1e-9);

        const auto interes = ResolverPrestamo(CodigoCalculo::PrestamoInteres, {"10000", "", "8", r.textoEscrito, PaymentTiming(timing), c});
        QCOMPARE(interes.textoEscrito, "8,00");
        const auto numero = ResolverPrestamo(CodigoCalculo::PrestamoNumCuotas, {"10000", "8", "", r.textoEscrito, PaymentTiming(timing), c});
        QCOMPARE(numero.textoEscrito, "8");
    }

    // The TAE against an internal rate of return found by bisection in
    // quadruple precision.
    void tae_data() {
        QTest::addColumn<CondicionesPrestamo>("condiciones");
        QTest::addColumn<int>("timing");
        QTest::addColumn<double>("interes");
        QTest::addColumn<QString>("texto");
        QTest::newRow("sin gastos") << ConPeriodicidad(Periodicidad::Mensual) << int(kFinal) << 6.0 << "6,17";
        QTest::newRow("comisión y gastos")
            << ConPeriodicidad(Periodicidad::Mensual, 1, 300) << int(kFinal) << 6.0 << "14,61";
        QTest::newRow("al inicio con comisión")
            << ConPeriodicidad(Periodicidad::Mensual, 2, 0) << int(kInicio) << 6.0 << "11,03";
        QTest::newRow("trimestral con gastos")
            << ConPeriodicidad(Periodicidad::Trimestral, 0, 150) << int(kFinal) << 6.0 << "7,16";
        QTest::newRow("sin interés con comisión")
            << ConPeriodicidad(Periodicidad::Mensual, 1.5, 0) << int(kFinal) << 0.0 << "2,84";
    }

    void tae() {
        QFETCH(CondicionesPrestamo, condiciones);
        QFETCH(int, timing);
        QFETCH(double, interes);
        QFETCH(QString, texto);
        const int periodos = PeriodosPorAnio(condiciones.periodicidad);
        const bool inicio = timing == int(kInicio);
        const int n = 12;
        const Quad cuota = CuotaNivelada(10000, Quad(interes) / (100 * periodos), n, inicio);
        const Quad recibido = Quad(10000) - Quad(10000) * condiciones.comisionApertura / 100 -
                              condiciones.gastosIniciales;
        const Quad esperada = (Potencia(1 + TirPorBiseccion(recibido, cuota, n, inicio), periodos) - 1) * 100;
        const double tae = TaePrestamo(10000, interes, n, PaymentTiming(timing), condiciones);
        QVERIFY2(Absoluto(tae - esperada) < 1e-8, qPrintable(QString::number(tae, 'g', 17)));
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota, {"10000", QString::number(interes), "12", "", PaymentTiming(timing),
                                            condiciones});
        QCOMPARE(TextosPanelesPrestamo(r.estado).tae, texto);
    }

    // Rows as the table shows them, checked against a schedule in whole cents
    // worked out independently with 40-digit decimals; the whole table
    // repays the capital to the cent.
    void cambios_data() {
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::addColumn<int>("filas");
        QTest::addColumn<QStringList>("vistas");  // "row:instalment|principal|interest|early|pending"
        const auto plazo = ReduccionAmortizacion::Plazo;
        const auto cuota = ReduccionAmortizacion::Cuota;
        QTest::newRow("plazo") << Prestamo(10000, 6, 120, kFinal, ConAmortizaciones({{24, 2000, plazo, 0}})) << 93
                               << QStringList{"24:111,02|68,44|42,58|2.000,00|6.448,14",
                                              "25:111,02|78,78|32,24|0,00|6.369,36",
                                              "93:87,01|86,58|0,43|0,00|0,00"};
        QTest::newRow("cuota") << Prestamo(10000, 6, 120, kFinal, ConAmortizaciones({{24, 2000, cuota, 0}})) << 120
                               << QStringList{"25:84,74|52,50|32,24|0,00|6.395,64",
                                              "120:84,51|84,09|0,42|0,00|0,00"};
        QTest::newRow("dos en la misma cuota")
            << Prestamo(10000, 6, 120, kFinal, ConAmortizaciones({{24, 1000, plazo, 0}, {24, 1000, cuota, 0}}))
            << 106
            << QStringList{"24:111,02|68,44|42,58|2.000,00|6.448,14", "25:96,05|63,81|32,24|0,00|6.384,33",
                           "106:95,90|95,42|0,48|0,00|0,00"};
        // The pending capital shown, typed back, pays the loan off.
        QTest::newRow("todo el capital pendiente")
            << Prestamo(1000, 12, 12, kFinal, ConAmortizaciones({{3, 761.08, plazo, 0}})) << 3
            << QStringList{"3:88,85|80,43|8,42|761,08|0,00"};
        QTest::newRow("revisión al 0 %") << Prestamo(1000, 12, 12, kFinal, ConRevisiones({{7, 0}})) << 12
                                         << QStringList{"6:88,85|82,87|5,98|0,00|514,92",
                                                        "7:85,82|85,82|0,00|0,00|429,10",
                                                        "12:85,82|85,82|0,00|0,00|0,00"};
        QTest::newRow("revisión desde la primera, al inicio")
            << Prestamo(1000, 12, 12, kInicio, ConRevisiones({{1, 6}})) << 12
            << QStringList{"1:85,64|85,64|0,00|0,00|914,36", "2:85,64|81,07|4,57|0,00|833,29",
                           "12:85,62|85,19|0,43|0,00|0,00"};
        CondicionesPrestamo mezcla = ConAmortizaciones({{30, 1500, cuota, 1}, {10, 500, plazo, 0}});
        mezcla.periodicidad = Periodicidad::Trimestral;
        mezcla.revisiones = {{20, 9}, {5, 3}};
        QTest::newRow("trimestral con todo") << Prestamo(20000, 5, 40, kInicio, mezcla) << 39
                                             << QStringList{"39:482,06|471,45|10,61|0,00|0,00"};
    }

    void cambios() {
        QFETCH(DatosFilasPrestamo, datos);
        QFETCH(int, filas);
        QFETCH(QStringList, vistas);
        const auto tabla = FilasPrestamo(datos);
        QCOMPARE(int(tabla.size()), filas);
        for (const QString& vista : vistas) {
            const trPrestamo& f = tabla[vista.section(':', 0, 0).toInt() - 1];
            QCOMPARE(Importes(f), vista.section(':', 1));
        }
        ComprobarFilasEnCentimos(tabla, datos.Capital);
        // The calculation's totals are the table's.
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota, {QString::number(datos.Capital), QString::number(datos.Interes),
                                            QString::number(datos.NumCuotas), "", datos.timing, datos.condiciones});
        QVERIFY(!r.aviso);
        QCOMPARE(r.estado.TotalPagado, tabla.back().pagado);
        QCOMPARE(r.estado.TotalIntereses, tabla.back().intereses);
    }

    void comisionDeLaAmortizacion() {
        const auto tabla = FilasPrestamo(
            Prestamo(10000, 6, 120, kFinal, ConAmortizaciones({{24, 2000, ReduccionAmortizacion::Plazo, 1.5}})));
        QCOMPARE(tabla[23].comision, 30.0);
        QCOMPARE(tabla[22].comision, 0.0);
    }

    // Conditions that cannot be met are refused with a message that says
    // why, and nothing is left behind as a result.
    void rechazos_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<CondicionesPrestamo>("condiciones");
        QTest::addColumn<QString>("mensaje");
        const QStringList mil{"1000", "12", "12", ""};
        const auto plazo = ReduccionAmortizacion::Plazo;
        QTest::newRow("en la última cuota")
            << 0 << mil << ConAmortizaciones({{12, 10, plazo, 0}})
            << "Con la cuota 12 el préstamo queda pagado: no admite una amortización anticipada.";
        QTest::newRow("más que el capital pendiente")
            << 0 << mil << ConAmortizaciones({{3, 800, plazo, 0}})
            << "La amortización anticipada de la cuota 3 (800,00) supera el capital pendiente tras esa cuota "
               "(761,08).";
        QTest::newRow("después de pagarlo todo")
            << 0 << mil << ConAmortizaciones({{3, 761.08, plazo, 0}, {3, 5, plazo, 0}})
            << "Con la cuota 3 el préstamo queda pagado: no admite una amortización anticipada.";
        QTest::newRow("más allá de la última cuota")
            << 0 << mil << ConAmortizaciones({{13, 10, plazo, 0}})
            << "La amortización anticipada de la cuota 13 queda después de la última cuota del préstamo (12).";
        QTest::newRow("revisión tras acortar el plazo")
            << 0 << mil
            << [] {
                   CondicionesPrestamo c;
                   c.amortizaciones = {{2, 700, ReduccionAmortizacion::Plazo, 0}};
                   c.revisiones = {{11, 5}};
                   return c;
               }()
            << "La revisión del interés de la cuota 11 queda después de la última cuota del préstamo (4).";
        QTest::newRow("dos revisiones en la misma cuota")
            << 0 << mil << ConRevisiones({{4, 5}, {4, 7}})
            << "Hay dos revisiones del interés en la cuota 4: deje solo una.";
        QTest::newRow("cuota cero") << 0 << mil << ConRevisiones({{0, 5}})
                                    << "La cuota de una revisión del interés debe ser 1 o mayor.";
        QTest::newRow("interés negativo") << 3 << QStringList{"", "12", "12", "100"} << ConRevisiones({{4, -1}})
                                          << "El interés de la revisión de la cuota 4 debe estar entre 0 y 1000.";
        QTest::newRow("importe cero") << 0 << mil << ConAmortizaciones({{4, 0, plazo, 0}})
                                      << "El importe de la amortización anticipada de la cuota 4 debe ser mayor "
                                         "que cero.";
        QTest::newRow("comisión de más") << 0 << mil << ConAmortizaciones({{4, 10, plazo, 120}})
                                         << "La comisión de la amortización anticipada de la cuota 4 debe ser un "
                                            "porcentaje de 0 a 100.";
        QTest::newRow("apertura del 100 %") << 1 << QStringList{"1000", "", "12", "100"}
                                            << ConPeriodicidad(Periodicidad::Mensual, 100)
                                            << "La comisión de apertura debe ser un porcentaje desde 0 hasta menos "
                                               "de 100.";
        QTest::newRow("gastos negativos") << 0 << mil << ConPeriodicidad(Periodicidad::Anual, 0, -1)
                                          << "Los gastos iniciales no pueden ser negativos.";
        QTest::newRow("gastos que se llevan el capital")
            << 2 << QStringList{"1000", "12", "", "100"} << ConPeriodicidad(Periodicidad::Mensual, 10, 900)
            << "La comisión de apertura y los gastos iniciales no pueden llegar al capital del préstamo.";
    }

    void rechazos() {
        QFETCH(int, codigo);
        QFETCH(QStringList, campos);
        QFETCH(CondicionesPrestamo, condiciones);
        QFETCH(QString, mensaje);
        const auto r = ResolverPrestamo(CalculoDeLaLista(CodigoCalculo::PrestamoCuota, codigo),
                                        {campos[0], campos[1], campos[2], campos[3], kFinal, condiciones});
        QVERIFY(r.estado.CalculoFallido);
        QVERIFY(r.aviso);
        QCOMPARE(r.aviso->texto, mensaje);
        QCOMPARE(r.estado.TotalPagado, 0.0);
        QCOMPARE(r.estado.CosteTotal, 0.0);
        QVERIFY(!r.estado.TAE);
        QVERIFY(!r.estado.TAEConRevisiones);
    }

    // What the schedule really comes to: the instalments it has, what the
    // loan costs beyond its capital (from the table's rows and the fees),
    // and, with typed revisions, the TAE of the flows the table pays,
    // checked against a bisection in quadruple precision.
    void cifrasDelContrato_data() {
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::addColumn<int>("cuotasPagadas");
        QTest::addColumn<QString>("tae");
        QTest::addColumn<QString>("taeConRevisiones");  // empty: none shown
        const auto plazo = ReduccionAmortizacion::Plazo;
        QTest::newRow("sin condiciones") << Prestamo(10000, 6, 12, kFinal) << 12 << "6,17" << "";
        QTest::newRow("revisión desde la primera cuota")
            << Prestamo(10000, 6, 12, kFinal, ConRevisiones({{1, 9}})) << 12 << "6,17" << "9,38";
        QTest::newRow("amortización que acorta el plazo")
            << Prestamo(150000, 3.5, 300, kFinal, ConAmortizaciones({{12, 10000, plazo, 0}})) << 271 << "3,56"
            << "";
        CondicionesPrestamo todo = ConAmortizaciones({{24, 2000, plazo, 1.5}});
        todo.comisionApertura = 1;
        todo.gastosIniciales = 300;
        todo.revisiones = {{36, 4}};
        QTest::newRow("comisiones, gastos y revisión a la baja")
            << Prestamo(10000, 6, 120, kFinal, todo) << 93 << "7,13" << "6,88";
        QTest::newRow("al inicio con revisión") << Prestamo(1000, 12, 12, kInicio, ConRevisiones({{7, 0}})) << 12
                                                << "12,68" << "8,55";
    }

    void cifrasDelContrato() {
        QFETCH(DatosFilasPrestamo, datos);
        QFETCH(int, cuotasPagadas);
        QFETCH(QString, tae);
        QFETCH(QString, taeConRevisiones);
        const CondicionesPrestamo& c = datos.condiciones;
        const auto r = ResolverPrestamo(CodigoCalculo::PrestamoCuota,
                                        {TextoDosDecimales(datos.Capital), TextoDosDecimales(datos.Interes),
                                         QString::number(datos.NumCuotas), "", datos.timing, c});
        QVERIFY(!r.aviso);
        const auto tabla = FilasPrestamo(datos);
        QCOMPARE(r.estado.NumCuotas, datos.NumCuotas);
        QCOMPARE(r.estado.CuotasPagadas, cuotasPagadas);
        QCOMPARE(int(tabla.size()), cuotasPagadas);

        Quad pagos = 0, comisiones = 0;
        std::vector<Quad> flujos(tabla.size() + 1, 0);  // paid at each period from the signing
        for (const trPrestamo& f : tabla) {
            pagos += Quad(f.cuota) + f.amortAnticipada;
            comisiones += f.comision;
            flujos[std::size_t(datos.timing == kInicio ? f.numero - 1 : f.numero)] +=
                Quad(f.cuota) + f.amortAnticipada + f.comision;
        }
        const Quad gastos = Quad(datos.Capital) * c.comisionApertura / 100 + c.gastosIniciales;
        QVERIFY2(Absoluto(r.estado.CosteTotal - (pagos - datos.Capital + gastos + comisiones)) < 1e-6,
                 qPrintable(QString::number(r.estado.CosteTotal, 'g', 17)));

        const PanelesPrestamo paneles = TextosPanelesPrestamo(r.estado);
        QCOMPARE(paneles.tae, tae);
        QCOMPARE(paneles.taeConRevisiones, taeConRevisiones);
        if (taeConRevisiones.isEmpty())
            return;
        const Quad recibido = Quad(datos.Capital) - gastos;
        auto saldo = [&](Quad i) {
            Quad v = 0, factor = 1;
            for (const Quad& f : flujos) {
                v += f * factor;
                factor /= 1 + i;
            }
            return recibido - v;
        };
        Quad bajo = -0.5, alto = 1;
        for (int paso = 0; paso < 200; ++paso) {
            const Quad medio = (bajo + alto) / 2;
            (saldo(medio) < 0 ? bajo : alto) = medio;
        }
        const int periodos = PeriodosPorAnio(c.periodicidad);
        const Quad esperada = (Potencia(1 + (bajo + alto) / 2, periodos) - 1) * 100;
        QVERIFY2(Absoluto(*r.estado.TAEConRevisiones - esperada) < 1e-8,
                 qPrintable(QString::number(*r.estado.TAEConRevisiones, 'g', 17)));
    }

    // A term shortened by an early repayment shows both counts.
    void cuotasDeUnPlazoAcortado() {
        EstadoPrestamo e;
        e.NumCuotas = 300;
        e.CuotasPagadas = 271;
        QCOMPARE(TextosPanelesPrestamo(e).numCuotas, QStringLiteral("271 de 300"));
        e.CuotasPagadas = 300;
        QCOMPARE(TextosPanelesPrestamo(e).numCuotas, QStringLiteral("300"));
    }
};

QTEST_GUILESS_MAIN(TestCondicionesPrestamo)
#include "test_condiciones_prestamo.moc"
