// Mortgages beyond the plain fixed-rate level-instalment loan: the German,
// American and growing-instalment systems, grace periods, variable and mixed
// rates, yearly costs and the legal caps on early-repayment commissions.
// The rows and TAEs expected were worked out independently with 40-digit
// decimals by tools/prestamo_referencia.py, which follows the bank's rules
// rather than this program's code.
#include "prueba_nucleo.h"

#include "filas_en_centimos.h"
#include "finance/calculo_prestamo.h"
#include "finance/filas_prestamo.h"
#include "finance/limites_comision.h"
#include "finance/simulacion_prestamo.h"
#include "finance/tae_prestamo.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

using namespace finance;

namespace {

const PaymentTiming kFinal = PaymentTiming::EndOfPeriod;

DatosFilasPrestamo Prestamo(double capital, double interes, int cuotas, const CondicionesPrestamo& c) {
    DatosFilasPrestamo d;
    d.Capital = capital;
    d.Interes = interes;
    d.NumCuotas = cuotas;
    d.primeraFecha = QDate(2027, 1, 31);
    d.condiciones = c;
    return d;
}

CondicionesPrestamo Sistema(SistemaAmortizacion s, double crecimiento = 0) {
    CondicionesPrestamo c;
    c.sistema = s;
    c.crecimiento = crecimiento;
    return c;
}

CondicionesPrestamo ConCarencia(CondicionesPrestamo c, TipoCarencia tipo, int cuotas) {
    c.carencia = tipo;
    c.cuotasCarencia = cuotas;
    return c;
}

CondicionesPrestamo Variable(double indice, double diferencial, int revisionMeses = 12) {
    CondicionesPrestamo c;
    c.tipoInteres = TipoInteres::Variable;
    c.indice = indice;
    c.diferencial = diferencial;
    c.revisionMeses = revisionMeses;
    return c;
}

CondicionesPrestamo Mixto(int tramoFijo, double indice, double diferencial) {
    CondicionesPrestamo c = Variable(indice, diferencial);
    c.tipoInteres = TipoInteres::Mixto;
    c.tramoFijo = tramoFijo;
    return c;
}

// "row:instalment|principal|interest|pending|rate", then "|carencia" for a
// grace-period row.
QString Vista(const trPrestamo& f) {
    QString texto = QStringList{TextoImporte(f.cuota), TextoImporte(f.capital), TextoImporte(f.interes),
                                TextoImporte(f.pendiente), QString::number(f.interesAnual)}
                        .join('|');
    return f.carencia ? texto + QStringLiteral("|carencia") : texto;
}

ResultadoPrestamo Resolver(CodigoCalculo codigo, const DatosFilasPrestamo& d, const QString& cuota = QString()) {
    return ResolverPrestamo(codigo, {TextoDosDecimales(d.Capital), TextoTasaCampo(d.Interes),
                                     QString::number(d.NumCuotas), cuota, d.timing, d.condiciones});
}

}  // namespace

Q_DECLARE_METATYPE(CondicionesPrestamo)
Q_DECLARE_METATYPE(DatosFilasPrestamo)

class TestSistemasPrestamo : public PruebaNucleo {
    Q_OBJECT
private slots:
    // Every system, grace kind and kind of rate against the decimal
    // schedule; the table is payable in cents, and the results panel's
    // first instalment is the first one the system sets.
    void cuadro_data() {
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::addColumn<int>("filas");
        QTest::addColumn<QStringList>("vistas");
        QTest::newRow("alemán") << Prestamo(10000, 6, 12, Sistema(SistemaAmortizacion::Aleman)) << 12
                                << QStringList{"1:883,33|833,33|50,00|9.166,67|6", "2:879,16|833,33|45,83|8.333,34|6",
                                               "12:837,54|833,37|4,17|0,00|6"};
        QTest::newRow("americano") << Prestamo(10000, 6, 12, Sistema(SistemaAmortizacion::Americano)) << 12
                                   << QStringList{"1:50,00|0,00|50,00|10.000,00|6", "11:50,00|0,00|50,00|10.000,00|6",
                                                  "12:10.050,00|10.000,00|50,00|0,00|6"};
        QTest::newRow("creciente") << Prestamo(100000, 3, 60, Sistema(SistemaAmortizacion::Creciente, 2)) << 60
                                   << QStringList{"1:1.728,47|1.478,47|250,00|98.521,53|3",
                                                  "12:1.728,47|1.519,64|208,83|82.012,36|3",
                                                  "13:1.763,04|1.558,01|205,03|80.454,35|3",
                                                  "60:1.870,71|1.866,04|4,67|0,00|3"};
        QTest::newRow("carencia parcial")
            << Prestamo(10000, 6, 24, ConCarencia({}, TipoCarencia::Parcial, 6)) << 24
            << QStringList{"6:50,00|0,00|50,00|10.000,00|6|carencia", "7:582,32|532,32|50,00|9.467,68|6",
                           "24:582,28|579,38|2,90|0,00|6"};
        QTest::newRow("carencia total")
            << Prestamo(10000, 6, 24, ConCarencia({}, TipoCarencia::Total, 6)) << 24
            << QStringList{"1:0,00|-50,00|50,00|10.050,00|6|carencia", "6:0,00|-51,26|51,26|10.303,77|6|carencia",
                           "7:600,01|548,49|51,52|9.755,28|6", "24:599,96|596,98|2,98|0,00|6"};
        QTest::newRow("alemán con carencia total")
            << Prestamo(12000, 5, 24, ConCarencia(Sistema(SistemaAmortizacion::Aleman), TipoCarencia::Total, 4))
            << 24
            << QStringList{"4:0,00|-50,63|50,63|12.201,26|5|carencia", "5:660,90|610,06|50,84|11.591,20|5",
                           "24:612,66|610,12|2,54|0,00|5"};
        QTest::newRow("variable") << Prestamo(100000, 3, 120, Variable(3.5, 1)) << 120
                                  << QStringList{"12:965,61|735,54|230,07|91.293,62|3",
                                                 "13:1.029,57|687,22|342,35|90.606,40|4.5",
                                                 "120:1.029,62|1.025,77|3,85|0,00|4.5"};
        CondicionesPrestamo escenario = Variable(3.5, 1, 6);
        escenario.indicesDesde = {{37, 2}};
        QTest::newRow("variable semestral con escenario")
            << Prestamo(100000, 3, 120, escenario) << 120
            << QStringList{"7:1.032,98|674,18|358,80|95.005,24|4.5", "36:1.032,99|751,49|281,50|74.314,60|4.5",
                           "37:981,94|796,15|185,79|73.518,45|3", "120:981,94|979,49|2,45|0,00|3"};
        QTest::newRow("variable sin interés negativo")
            << Prestamo(50000, 2, 60, Variable(-2, 0.5)) << 60
            << QStringList{"12:876,39|807,72|68,67|40.395,59|2", "13:841,57|841,57|0,00|39.554,02|0",
                           "60:841,57|841,57|0,00|0,00|0"};
        // Revised every 6 months, paid every 3: every second instalment.
        CondicionesPrestamo trimestral = ConCarencia(Variable(2, 1, 6), TipoCarencia::Parcial, 2);
        trimestral.periodicidad = Periodicidad::Trimestral;
        QTest::newRow("variable trimestral, revisión semestral")
            << Prestamo(20000, 4, 40, trimestral) << 40
            << QStringList{"2:200,00|0,00|200,00|20.000,00|4|carencia", "3:606,83|456,83|150,00|19.543,17|3",
                           "40:606,84|602,32|4,52|0,00|3"};
        QTest::newRow("mixto con carencia total")
            << Prestamo(150000, 2.5, 300, ConCarencia(Mixto(60, 3, 0.8), TipoCarencia::Total, 12)) << 300
            << QStringList{"12:0,00|-319,74|319,74|153.793,28|2.5|carencia", "13:710,67|390,27|320,40|153.403,01|2.5",
                           "60:710,67|430,37|280,30|134.113,34|2.5", "61:798,64|373,95|424,69|133.739,39|3.8",
                           "300:798,67|796,15|2,52|0,00|3.8"};
    }

    void cuadro() {
        QFETCH(DatosFilasPrestamo, datos);
        QFETCH(int, filas);
        QFETCH(QStringList, vistas);
        const auto tabla = FilasPrestamo(datos);
        QCOMPARE(int(tabla.size()), filas);
        QCOMPARE(TFilasPrestamo(datos).Cantidad(), filas);
        for (const QString& vista : vistas) {
            const trPrestamo& f = tabla[vista.section(':', 0, 0).toInt() - 1];
            QCOMPARE(Vista(f), vista.section(':', 1));
        }
        ComprobarFilasEnCentimos(tabla, datos.Capital);

        const auto r = Resolver(CodigoCalculo::PrestamoCuota, datos);
        QVERIFY2(!r.aviso, r.aviso ? qPrintable(r.aviso->texto) : "");
        const auto primera = std::find_if(tabla.begin(), tabla.end(), [](const trPrestamo& f) { return !f.carencia; });
        QCOMPARE(r.estado.Cuota, primera->cuota);
        QCOMPARE(r.estado.TotalPagado, tabla.back().pagado);
        QCOMPARE(r.estado.TotalIntereses, tabla.back().intereses);
        double maxima = 0;
        for (const trPrestamo& f : tabla)
            maxima = std::max(maxima, f.cuota);
        QCOMPARE(r.estado.CuotaMaxima, maxima);
    }

    // Every system with every grace kind and kind of rate, paid at the start
    // or the end of each period, with early repayments inside and after the
    // grace period: the table is payable in cents, its length is known before
    // it is built, and the calculation's totals are the table's.
    void combinaciones() {
        const SistemaAmortizacion sistemas[] = {SistemaAmortizacion::Frances, SistemaAmortizacion::Aleman,
                                                SistemaAmortizacion::Americano, SistemaAmortizacion::Creciente};
        const CondicionesPrestamo tipos[] = {CondicionesPrestamo{}, Variable(4, 1, 6), Mixto(30, 1, 0.5)};
        for (SistemaAmortizacion sistema : sistemas)
            for (TipoCarencia carencia : {TipoCarencia::Ninguna, TipoCarencia::Parcial, TipoCarencia::Total})
                for (const CondicionesPrestamo& tipo : tipos)
                    for (PaymentTiming timing : {kFinal, PaymentTiming::StartOfPeriod})
                        for (ReduccionAmortizacion reduce : {ReduccionAmortizacion::Plazo, ReduccionAmortizacion::Cuota}) {
                            CondicionesPrestamo c = tipo;
                            c.sistema = sistema;
                            c.crecimiento = sistema == SistemaAmortizacion::Creciente ? 3 : 0;
                            c.carencia = carencia;
                            c.cuotasCarencia = carencia == TipoCarencia::Ninguna ? 0 : 6;
                            c.amortizaciones = {{3, 1000, reduce, 0}, {20, 5000, reduce, 1}};
                            auto datos = Prestamo(50000, 3, 120, c);
                            datos.timing = timing;
                            const QByteArray caso = QByteArray::number(int(sistema)) + '/' +
                                                    QByteArray::number(int(carencia)) + '/' +
                                                    QByteArray::number(int(tipo.tipoInteres)) + '/' +
                                                    QByteArray::number(int(timing)) + '/' + QByteArray::number(int(reduce));
                            const auto tabla = FilasPrestamo(datos);
                            QVERIFY2(int(tabla.size()) == TFilasPrestamo(datos).Cantidad(), caso.constData());
                            ComprobarFilasEnCentimos(tabla, datos.Capital);
                            const auto r = Resolver(CodigoCalculo::PrestamoCuota, datos);
                            QVERIFY2(!r.aviso, caso.constData());
                            QVERIFY2(r.estado.TotalPagado == tabla.back().pagado, caso.constData());
                            QVERIFY2(r.estado.TAE.has_value(), caso.constData());
                        }
    }

    // Solving back from the first instalment gives the figures it came from.
    // With these conditions "Cuota" is the first instalment after the grace
    // period.
    void incognitas_data() {
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::newRow("alemán") << Prestamo(10000, 6, 12, Sistema(SistemaAmortizacion::Aleman));
        QTest::newRow("creciente") << Prestamo(100000, 3, 60, Sistema(SistemaAmortizacion::Creciente, 2));
        QTest::newRow("carencia total") << Prestamo(10000, 6, 24, ConCarencia({}, TipoCarencia::Total, 6));
        QTest::newRow("mixto con carencia")
            << Prestamo(150000, 2.5, 300, ConCarencia(Mixto(60, 3, 0.8), TipoCarencia::Parcial, 12));
    }

    void incognitas() {
        QFETCH(DatosFilasPrestamo, datos);
        const auto cuota = Resolver(CodigoCalculo::PrestamoCuota, datos);
        QVERIFY(!cuota.aviso);
        const QString texto = cuota.textoEscrito;

        auto capital = datos;
        capital.Capital = 0;
        const auto rc = Resolver(CodigoCalculo::PrestamoCapital, capital, texto);
        QVERIFY2(!rc.aviso, rc.aviso ? qPrintable(rc.aviso->texto) : "");
        // An instalment to the cent fixes the capital only to within its
        // cent: the capital found has that same first instalment.
        capital.Capital = rc.estado.Capital;
        QCOMPARE(Resolver(CodigoCalculo::PrestamoCuota, capital).textoEscrito, texto);
        QVERIFY2(std::fabs(rc.estado.Capital - datos.Capital) < 1, qPrintable(rc.textoEscrito));

        auto interes = datos;
        interes.Interes = 0;
        const auto ri = Resolver(CodigoCalculo::PrestamoInteres, interes, texto);
        QVERIFY2(!ri.aviso, ri.aviso ? qPrintable(ri.aviso->texto) : "");
        QVERIFY2(std::fabs(ri.estado.Interes - datos.Interes) < 1e-3, qPrintable(ri.textoEscrito));

        auto numero = datos;
        numero.NumCuotas = 0;
        const auto rn = Resolver(CodigoCalculo::PrestamoNumCuotas, numero, texto);
        QVERIFY2(!rn.aviso, rn.aviso ? qPrintable(rn.aviso->texto) : "");
        QCOMPARE(rn.estado.NumCuotas, datos.NumCuotas);
    }

    // Unknowns that no figure answers are refused with the reason, and leave
    // no result behind.
    void incognitasRechazadas_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::addColumn<QString>("cuota");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("cuotas de un americano")
            << int(CodigoCalculo::PrestamoNumCuotas) << Prestamo(10000, 6, 0, Sistema(SistemaAmortizacion::Americano))
            << "50" << "En el sistema americano la cuota solo paga los intereses:\rel número de cuotas no se puede calcular.";
        QTest::newRow("capital de un americano sin interés")
            << int(CodigoCalculo::PrestamoCapital) << Prestamo(0, 0, 12, Sistema(SistemaAmortizacion::Americano))
            << "50" << "Con estas condiciones la cuota no depende del capital: no se puede calcular.";
        QTest::newRow("interés con una cuota que no llega al capital")
            << int(CodigoCalculo::PrestamoInteres) << Prestamo(12000, 0, 12, Sistema(SistemaAmortizacion::Aleman))
            << "900" << "Con esa cuota no se devuelve el capital ni sin intereses:\raumente la cuota o el número de cuotas.";
        QTest::newRow("más cuotas que la tabla más larga")
            << int(CodigoCalculo::PrestamoCuota) << Prestamo(10000, 0, 2000000, Sistema(SistemaAmortizacion::Aleman))
            << "" << "Con estas condiciones el número de cuotas no puede pasar de 1.048.576.";
        QTest::newRow("cuotas con una cuota que no cubre los intereses")
            << int(CodigoCalculo::PrestamoNumCuotas) << Prestamo(10000, 6, 0, ConCarencia({}, TipoCarencia::Parcial, 3))
            << "40" << "Debe aumentar el importe de la cuota para\rpoder amortizar el préstamo solicitado.";
    }

    void incognitasRechazadas() {
        QFETCH(int, codigo);
        QFETCH(DatosFilasPrestamo, datos);
        QFETCH(QString, cuota);
        QFETCH(QString, mensaje);
        const auto r = Resolver(CodigoCalculo(codigo), datos, cuota);
        QVERIFY(r.aviso);
        QVERIFY(r.estado.CalculoFallido);
        QCOMPARE(r.aviso->texto, mensaje);
        QCOMPARE(r.estado.TotalPagado, 0.0);
        QCOMPARE(r.campoEscrito, CampoPrestamo::Ninguno);
    }

    // The TAE from the flows of the schedule with the index where it is and
    // the costs paid with each instalment; a mixed loan's variable part at
    // no less than its fixed rate.
    void tae_data() {
        QTest::addColumn<DatosFilasPrestamo>("datos");
        QTest::addColumn<double>("esperada");
        QTest::addColumn<QString>("nombre");
        CondicionesPrestamo variable = Variable(3.5, 1);
        variable.seguroAnual = 200;
        variable.mantenimientoAnual = 100;
        variable.gastosIniciales = 1000;
        variable.indicesDesde = {{40, 0.5}};  // a scenario: not in the TAE
        QTest::newRow("variable con costes") << Prestamo(100000, 3, 120, variable) << 5.043058553772123385
                                             << "TAE variable";
        QTest::newRow("mixto con el variable por debajo del fijo")
            << Prestamo(100000, 3, 120, Mixto(36, 2, 0.5)) << 3.041606329534795982 << "TAE variable";
        CondicionesPrestamo mixto = Mixto(36, 2.5, 1.5);
        mixto.seguroAnual = 240;
        QTest::newRow("mixto con el variable por encima") << Prestamo(100000, 3, 120, mixto) << 3.966357919461887291
                                                          << "TAE variable";
        CondicionesPrestamo aleman = Sistema(SistemaAmortizacion::Aleman);
        aleman.seguroAnual = 120;
        QTest::newRow("alemán con seguro") << Prestamo(10000, 6, 12, aleman) << 8.502465346485259877 << "TAE";
        QTest::newRow("creciente con carencia parcial")
            << Prestamo(100000, 3, 60, ConCarencia(Sistema(SistemaAmortizacion::Creciente, 2), TipoCarencia::Parcial, 6))
            << 3.041600356445300921 << "TAE";
    }

    void tae() {
        QFETCH(DatosFilasPrestamo, datos);
        QFETCH(double, esperada);
        QFETCH(QString, nombre);
        const double tae = TaePrestamo(datos.Capital, datos.Interes, datos.NumCuotas, kFinal, datos.condiciones);
        QVERIFY2(std::fabs(tae - esperada) < 1e-8, qPrintable(QString::number(tae, 'g', 17)));
        QCOMPARE(NombreTae(datos.condiciones), nombre);
        const auto r = Resolver(CodigoCalculo::PrestamoCuota, datos);
        QVERIFY(!r.aviso);
        QCOMPARE(r.estado.TAE.value_or(0), tae);
    }

    // Insurance and maintenance count in the total cost, not in the instalment.
    void costesEnElCosteTotal() {
        CondicionesPrestamo c;
        c.seguroAnual = 300;
        c.mantenimientoAnual = 60;
        const auto datos = Prestamo(10000, 6, 24, c);
        const auto conCostes = Resolver(CodigoCalculo::PrestamoCuota, datos);
        const auto sinCostes = Resolver(CodigoCalculo::PrestamoCuota, Prestamo(10000, 6, 24, {}));
        QVERIFY(!conCostes.aviso);
        QCOMPARE(TextoImporte(conCostes.estado.Cuota), TextoImporte(sinCostes.estado.Cuota));
        QCOMPARE(conCostes.estado.CosteTotal, conCostes.estado.TotalIntereses + 24 * 30.0);
    }

    // The legal maximum by kind of rate and month, at the edges of each stretch.
    void comisionMaxima_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("meses");
        QTest::addColumn<double>("maxima");
        QTest::newRow("fijo, mes 120") << int(TipoInteres::Fijo) << 120 << 2.0;
        QTest::newRow("fijo, mes 121") << int(TipoInteres::Fijo) << 121 << 1.5;
        QTest::newRow("variable, mes 36") << int(TipoInteres::Variable) << 36 << 0.25;
        QTest::newRow("variable, mes 37") << int(TipoInteres::Variable) << 37 << 0.15;
        QTest::newRow("variable, mes 60") << int(TipoInteres::Variable) << 60 << 0.15;
        QTest::newRow("variable, mes 61") << int(TipoInteres::Variable) << 61 << 0.0;
        QTest::newRow("mixto en el tramo fijo") << int(TipoInteres::Mixto) << 84 << 2.0;
        QTest::newRow("mixto tras el tramo fijo, antes de 5 años") << int(TipoInteres::Mixto) << 30 << 0.25;
        QTest::newRow("mixto tras el tramo fijo") << int(TipoInteres::Mixto) << 85 << 0.0;
    }

    void comisionMaxima() {
        QFETCH(int, tipo);
        QFETCH(int, meses);
        QFETCH(double, maxima);
        // The mixed loans here are fixed for 84 months, except the one asked
        // about month 30, fixed for 24.
        const int tramo = meses == 30 ? 24 : 84;
        QCOMPARE(ComisionMaximaAmortizacion(TipoInteres(tipo), meses, tramo), maxima);
    }

    // A commission above the cap is computed with the cap and named in a
    // warning; none agreed means the cap; one within it stays as agreed.
    void comisionLimitada_data() {
        QTest::addColumn<CondicionesPrestamo>("condiciones");
        QTest::addColumn<int>("cuota");
        QTest::addColumn<double>("comision");
        QTest::addColumn<bool>("legal");
        QTest::addColumn<double>("cobrada");  // on 1.000,00
        QTest::addColumn<bool>("aviso");
        QTest::newRow("fijo, 3 % en la cuota 120") << CondicionesPrestamo{} << 120 << 3.0 << false << 20.0 << true;
        QTest::newRow("fijo, 3 % en la cuota 121") << CondicionesPrestamo{} << 121 << 3.0 << false << 15.0 << true;
        QTest::newRow("fijo, 1 % dentro del máximo") << CondicionesPrestamo{} << 24 << 1.0 << false << 10.0 << false;
        QTest::newRow("fijo, sin pactar") << CondicionesPrestamo{} << 24 << 0.0 << true << 20.0 << false;
        QTest::newRow("variable, 0,25 % en la cuota 36") << Variable(3, 1) << 36 << 0.25 << false << 2.5 << false;
        QTest::newRow("variable, 0,25 % en la cuota 37") << Variable(3, 1) << 37 << 0.25 << false << 1.5 << true;
        QTest::newRow("variable, 1 % en la cuota 60") << Variable(3, 1) << 60 << 1.0 << false << 1.5 << true;
        QTest::newRow("variable, 1 % en la cuota 61") << Variable(3, 1) << 61 << 1.0 << false << 0.0 << true;
        QTest::newRow("mixto, sin pactar en el tramo fijo") << Mixto(84, 3, 1) << 84 << 0.0 << true << 20.0 << false;
        QTest::newRow("mixto, sin pactar tras el tramo fijo") << Mixto(36, 3, 1) << 48 << 0.0 << true << 1.5 << false;
    }

    void comisionLimitada() {
        QFETCH(CondicionesPrestamo, condiciones);
        QFETCH(int, cuota);
        QFETCH(double, comision);
        QFETCH(bool, legal);
        QFETCH(double, cobrada);
        QFETCH(bool, aviso);
        AmortizacionAnticipada a;
        a.cuota = cuota;
        a.importe = 1000;
        a.comision = comision;
        a.comisionLegal = legal;
        condiciones.amortizaciones = {a};
        const auto datos = Prestamo(100000, 3, 240, condiciones);
        const auto tabla = FilasPrestamo(datos);
        QCOMPARE(tabla[std::size_t(cuota - 1)].comision, cobrada);
        const auto r = Resolver(CodigoCalculo::PrestamoCuota, datos);
        QVERIFY(!r.aviso);
        QCOMPARE(r.estado.Avisos.size(), aviso ? 1 : 0);
        if (aviso)
            QVERIFY2(r.estado.Avisos[0].contains(QStringLiteral("supera el máximo legal")), qPrintable(r.estado.Avisos[0]));
    }

    // Nonsense in the new conditions is refused with a message that says what.
    void rechazos_data() {
        QTest::addColumn<CondicionesPrestamo>("condiciones");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("crecimiento sin sistema creciente")
            << Sistema(SistemaAmortizacion::Frances, 2)
            << "El crecimiento anual de la cuota solo se aplica al sistema creciente.";
        QTest::newRow("crecimiento fuera de rango")
            << Sistema(SistemaAmortizacion::Creciente, 80)
            << "El crecimiento anual de la cuota debe ser un porcentaje mayor que 0 y no mayor que 50.";
        QTest::newRow("carencia tan larga como el préstamo")
            << ConCarencia({}, TipoCarencia::Total, 24) << "La carencia (24 cuotas) debe ser más corta que el préstamo (24 cuotas).";
        QTest::newRow("carencia sin cuotas")
            << ConCarencia({}, TipoCarencia::Parcial, 0) << "Indique cuántas cuotas dura la carencia: al menos 1.";
        QTest::newRow("revisión cada 3 meses") << Variable(3, 1, 3)
                                               << "La revisión del interés variable debe ser cada 6 o cada 12 meses.";
        QTest::newRow("tramo fijo tan largo como el préstamo")
            << Mixto(24, 3, 1) << "El tramo fijo (24 cuotas) debe ser más corto que el préstamo (24 cuotas).";
        QTest::newRow("mixto sin tramo fijo") << Mixto(0, 3, 1)
                                              << "Un interés mixto necesita un tramo fijo de al menos 1 cuota.";
        QTest::newRow("índice fuera de rango") << Variable(150, 1) << "El índice debe estar entre -10 y 100.";
        QTest::newRow("diferencial muy negativo") << Variable(3, -20) << "El diferencial debe estar entre -10 y 100.";
        QTest::newRow("diferencial con interés fijo")
            << [] { CondicionesPrestamo c; c.diferencial = 1; return c; }()
            << "El índice y el diferencial solo se aplican a un interés variable o mixto.";
        CondicionesPrestamo seguro;
        seguro.seguroAnual = -10;
        QTest::newRow("seguro negativo") << seguro << "El seguro anual debe ser un importe de 0 o mayor.";
        CondicionesPrestamo escenario = Variable(3, 1);
        escenario.indicesDesde = {{30, 2}};
        QTest::newRow("índice después del final")
            << escenario << "El índice desde la cuota 30 queda después de la última cuota del préstamo (24).";
    }

    void rechazos() {
        QFETCH(CondicionesPrestamo, condiciones);
        QFETCH(QString, mensaje);
        const auto r = Resolver(CodigoCalculo::PrestamoCuota, Prestamo(10000, 6, 24, condiciones));
        QVERIFY(r.aviso);
        QVERIFY(r.estado.CalculoFallido);
        QCOMPARE(r.aviso->texto, mensaje);
        QVERIFY_THROWS_EXCEPTION(ECondicionesPrestamo, FilasPrestamo(Prestamo(10000, 6, 24, condiciones)));
    }
};

QTEST_GUILESS_MAIN(TestSistemasPrestamo)
#include "test_sistemas_prestamo.moc"
