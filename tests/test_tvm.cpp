#include "prueba_nucleo.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include "finance/tvm.h"

using namespace finance;

using Llamada = std::function<long double()>;
Q_DECLARE_METATYPE(Llamada)
Q_DECLARE_METATYPE(finance::PaymentTiming)

namespace {

constexpr PaymentTiming kFinal = PaymentTiming::EndOfPeriod;
constexpr PaymentTiming kInicio = PaymentTiming::StartOfPeriod;
const long double kNaN = std::numeric_limits<long double>::quiet_NaN();
const long double kInf = std::numeric_limits<long double>::infinity();

// What a call ended in: the kind of exception (with the function name for a
// refused argument) or the class of its result.
QString Desenlace(const Llamada& llamada) {
    try {
        const long double r = llamada();
        if (std::isnan(r))
            return "nan";
        if (std::isinf(r))
            return r > 0 ? "+inf" : "-inf";
        return "finito";
    } catch (const EInvalidArgument& e) {
        return QString("EInvalidArgument:") + e.what();
    } catch (const EZeroDivide&) {
        return "EZeroDivide";
    } catch (const EOverflow&) {
        return "EOverflow";
    } catch (const EInvalidOp&) {
        return "EInvalidOp";
    }
}

// Relative agreement, or absolute where the expected value is exactly zero.
bool Coincide(long double obtenido, long double esperado, long double tolerancia) {
    const long double diferencia = std::fabs(obtenido - esperado);
    if (esperado == 0)
        return diferencia <= tolerancia;
    return diferencia <= tolerancia * std::fabs(esperado);
}

QString Texto(long double x) {
    return QString::number(static_cast<double>(x), 'g', 17);
}

// Runs a call that should give a value; an exception fails only this row.
#define ZZ_VALOR(destino, llamada)                                                      \
    do {                                                                                \
        try {                                                                           \
            destino = (llamada);                                                        \
        } catch (const std::exception& e) {                                             \
            QFAIL(qPrintable(QString("excepción inesperada: ") + QString::fromUtf8(e.what()))); \
        }                                                                               \
    } while (false)

// One line of the reference tables, called through the matching function.
long double LlamarOraculo(const QStringList& c) {
    auto numero = [&](int i) { return static_cast<long double>(c.value(i).toDouble()); };
    auto entero = [&](int i) { return c.value(i).toInt(); };
    const QString& f = c[0];
    const long double rate = numero(1), pv = numero(4), fv = numero(5), pmt = numero(6);
    const int nper = entero(2), per = entero(3), life = entero(10);
    const auto timing = static_cast<PaymentTiming>(entero(7));
    if (f == "PMT")
        return Payment(rate, nper, pv, fv, timing);
    if (f == "PV")
        return PresentValue(rate, nper, pmt, fv, timing);
    if (f == "FV")
        return FutureValue(rate, nper, pmt, pv, timing);
    if (f == "RATE")
        return InterestRate(nper, pmt, pv, fv, timing);
    if (f == "NPER")
        return NumberOfPeriods(rate, pmt, pv, fv, timing);
    if (f == "PPMT")
        return PeriodPayment(rate, per, nper, pv, fv, timing);
    if (f == "IPMT")
        return InterestPayment(rate, per, nper, pv, fv, timing);
    if (f == "SYD")
        return SumOfYearsDepreciation(numero(8), numero(9), life, per);
    if (f == "DDB")
        return DecliningBalanceDepreciation(numero(8), numero(9), life, per);
    throw std::runtime_error("función desconocida: " + f.toStdString());
}

void AnadirOraculos(const QString& nombre) {
    QFile fichero(QStringLiteral(ZZ_TEST_DATA_DIR "/oracles/") + nombre);
    if (!fichero.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTest::newRow(qPrintable(nombre + " no se puede leer")) << QStringList() << 0.0;
        return;
    }
    QTextStream entrada(&fichero);
    entrada.readLine();
    for (int linea = 2; !entrada.atEnd(); ++linea) {
        const QStringList campos = entrada.readLine().split(',');
        if (campos.size() < 12)
            continue;
        QTest::addRow("%s:%d %s", qPrintable(nombre), linea, qPrintable(campos[0]))
            << campos << campos[11].toDouble();
    }
}

}  // namespace

class TestTvm : public PruebaNucleo {
    Q_OBJECT
private slots:
    // The worked examples: amounts to the cent, rates to the digits shown.
    void ejemplos_data() {
        QTest::addColumn<Llamada>("llamada");
        QTest::addColumn<double>("esperado");
        QTest::addColumn<double>("margen");
        const double centimo = 0.005;
        QTest::newRow("cuota final") << Llamada([] { return Payment(0.01, 12, 1000, 0, kFinal); }) << -88.85 << centimo;
        QTest::newRow("cuota inicio") << Llamada([] { return Payment(0.01, 12, 1000, 0, kInicio); }) << -87.97 << centimo;
        QTest::newRow("cuota sin interés final") << Llamada([] { return Payment(0, 12, 1200, 0, kFinal); }) << -100.0 << 1e-12;
        QTest::newRow("cuota sin interés inicio") << Llamada([] { return Payment(0, 12, 1200, 0, kInicio); }) << -100.0 << 1e-12;
        QTest::newRow("valor final inicio") << Llamada([] { return FutureValue(0.005, 12, -100, 0, kInicio); }) << 1239.72 << centimo;
        QTest::newRow("valor final con capital") << Llamada([] { return FutureValue(0.005, 12, -100, -1000, kFinal); }) << 2295.23 << centimo;
        QTest::newRow("tipo de un préstamo") << Llamada([] { return InterestRate(12, 88.85, -1000, 0, kFinal); }) << 0.0100022 << 5e-8;
        QTest::newRow("tipo anual") << Llamada([] { return 1200 * InterestRate(12, 88.85, -1000, 0, kFinal); }) << 12.0026 << 5e-5;
        QTest::newRow("tipo inicio") << Llamada([] { return InterestRate(120, 100, 1000, -20000, kInicio); }) << 0.0062388 << 5e-8;
        QTest::newRow("renta perpetua final") << Llamada([] { return InterestRate(INT_MAX, -100, 1000, 0, kFinal); }) << 0.1 << 1e-12;
        QTest::newRow("renta perpetua inicio") << Llamada([] { return InterestRate(INT_MAX, -100, 1000, 0, kInicio); }) << 1.0 / 9 << 1e-12;
        QTest::newRow("número de cuotas") << Llamada([] { return NumberOfPeriods(0.01, 88.85, -1000, 0, kFinal); }) << 11.99983 << 5e-6;
        QTest::newRow("cuotas enteras") << Llamada([] { return CeilToInt(NumberOfPeriods(0.01, 88.85, -1000, 0, kFinal)); }) << 12.0 << 0.0;
        QTest::newRow("techo exacto") << Llamada([] { return CeilToInt(12.0); }) << 12.0 << 0.0;
        QTest::newRow("techo por poco") << Llamada([] { return CeilToInt(12.0001); }) << 13.0 << 0.0;
        QTest::newRow("techo negativo") << Llamada([] { return CeilToInt(-2.5); }) << -2.0 << 0.0;
        QTest::newRow("techo máximo") << Llamada([] { return CeilToInt(2147483647.0L); }) << 2147483647.0 << 0.0;
        QTest::newRow("techo mínimo") << Llamada([] { return CeilToInt(-2147483648.5L); }) << -2147483648.0 << 0.0;
        const double acelerada[] = {3000, 2400, 1800, 1200, 600, 0};
        const double doble[] = {4000, 2400, 1440, 864, 296, 0};
        for (int anio = 1; anio <= 6; ++anio) {
            QTest::addRow("acelerada año %d", anio)
                << Llamada([=] { return SumOfYearsDepreciation(10000, 1000, 5, anio); }) << acelerada[anio - 1] << 1e-9;
            QTest::addRow("doble año %d", anio)
                << Llamada([=] { return DecliningBalanceDepreciation(10000, 1000, 5, anio); }) << doble[anio - 1] << 1e-9;
        }
        QTest::newRow("doble dos años, primero") << Llamada([] { return DecliningBalanceDepreciation(10000, 1000, 2, 1); }) << 9000.0 << 1e-9;
        QTest::newRow("doble dos años, segundo") << Llamada([] { return DecliningBalanceDepreciation(10000, 1000, 2, 2); }) << 0.0 << 0.0;
        QTest::newRow("doble sin tope") << Llamada([] { return DecliningBalanceDepreciation(10000, 0, 5, 5); }) << 518.4 << 1e-9;
        // A life whose sum of digits does not fit 32 bits still gives the right share.
        QTest::newRow("acelerada vida larga, primer año")
            << Llamada([] { return SumOfYearsDepreciation(10000, 0, 50000, 1); }) << 20000.0 / 50001.0 << 1e-12;
        QTest::newRow("acelerada vida larga, último año")
            << Llamada([] { return SumOfYearsDepreciation(10000, 0, 50000, 50000); }) << 20000.0 / (50000.0 * 50001.0) << 1e-12;
    }
    void ejemplos() {
        QFETCH(Llamada, llamada);
        QFETCH(double, esperado);
        QFETCH(double, margen);
        long double obtenido = 0;
        ZZ_VALOR(obtenido, llamada());
        QVERIFY2(std::fabs(obtenido - esperado) <= margen * std::max(1.0, std::fabs(esperado)),
                 qPrintable("obtenido " + Texto(obtenido)));
    }

    // Reference values from two independent tools, to 1e-9.
    void oraculos_data() {
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<double>("esperado");
        AnadirOraculos("tvm_public.csv");
        AnadirOraculos("type1_public.csv");
    }
    void oraculos() {
        QFETCH(QStringList, campos);
        QFETCH(double, esperado);
        QVERIFY2(!campos.isEmpty(), "fichero de referencia ausente");
        long double obtenido = 0;
        ZZ_VALOR(obtenido, LlamarOraculo(campos));
        QVERIFY2(Coincide(obtenido, esperado, 1e-9), qPrintable("obtenido " + Texto(obtenido)));
    }

    // Each function undoes the others: from the payment of a cash flow, the
    // present value, future value, rate and number of periods come back.
    void inversas_data() {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("pv");
        QTest::addColumn<double>("fv");
        QTest::addColumn<PaymentTiming>("timing");
        QTest::newRow("préstamo") << 0.01 << 12 << 1000.0 << 0.0 << kFinal;
        QTest::newRow("préstamo inicio") << 0.004 << 360 << 150000.0 << 0.0 << kInicio;
        QTest::newRow("préstamo con residual") << 0.0075 << 60 << 20000.0 << -5000.0 << kFinal;
        QTest::newRow("ahorro con capital inicial") << 0.003 << 120 << -1000.0 << 30000.0 << kFinal;
        QTest::newRow("ahorro inicio con capital") << 0.003 << 120 << -1000.0 << 30000.0 << kInicio;
        QTest::newRow("ahorro desde cero inicio") << 0.002 << 48 << 0.0 << 10000.0 << kInicio;
        QTest::newRow("ahorro desde cero final") << 0.002 << 48 << 0.0 << 10000.0 << kFinal;
        QTest::newRow("tipo negativo") << -0.002 << 24 << 5000.0 << 0.0 << kFinal;
        QTest::newRow("tipo alto") << 0.05 << 120 << 1000.0 << 0.0 << kFinal;
    }
    void inversas() {
        QFETCH(double, rate);
        QFETCH(int, n);
        QFETCH(double, pv);
        QFETCH(double, fv);
        QFETCH(PaymentTiming, timing);
        long double pmt = 0, valorActual = 0, valorFinal = 0, tipo = 0, periodos = 0;
        ZZ_VALOR(pmt, Payment(rate, n, pv, fv, timing));
        ZZ_VALOR(valorActual, PresentValue(rate, n, pmt, fv, timing));
        ZZ_VALOR(valorFinal, FutureValue(rate, n, pmt, pv, timing));
        ZZ_VALOR(tipo, InterestRate(n, pmt, pv, fv, timing));
        ZZ_VALOR(periodos, NumberOfPeriods(rate, pmt, pv, fv, timing));
        QVERIFY2(Coincide(valorActual, pv, 1e-12), "PresentValue");
        QVERIFY2(std::fabs(valorFinal - fv) <= 1e-9 * (std::fabs(fv) + std::fabs(pv)), "FutureValue");
        QVERIFY2(Coincide(tipo, rate, 1e-9), "InterestRate");
        QVERIFY2(Coincide(periodos, n, 1e-9), "NumberOfPeriods");
    }

    // Saving from nothing with end-of-period payments is answered, as a
    // spreadsheet's RATE does; with a single period there is nothing to solve.
    void tipoAhorroDesdeCero() {
        long double tipo = 0, valorFinal = 0;
        ZZ_VALOR(tipo, InterestRate(120, 100, 0, -20000, kFinal));
        QVERIFY(tipo > 0);
        ZZ_VALOR(valorFinal, FutureValue(tipo, 120, 100, 0, kFinal));
        QVERIFY(Coincide(valorFinal, -20000, 1e-12));
        QCOMPARE(Desenlace([] { return InterestRate(1, 100, 0, -120, kFinal); }),
                 QString("EInvalidArgument:InterestRate"));
    }

    // A schedule: every instalment splits into principal and interest that add
    // up to the payment, the principal parts repay the capital down to the
    // final value as it stands after the last instalment (one period before
    // the end with start-of-period payments), and a start-of-period first
    // instalment is all principal.
    void cuadro_data() {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("pv");
        QTest::addColumn<double>("fv");
        QTest::addColumn<PaymentTiming>("timing");
        QTest::newRow("final") << 0.01 << 12 << 1000.0 << 0.0 << kFinal;
        QTest::newRow("inicio") << 0.01 << 12 << 1000.0 << 0.0 << kInicio;
        QTest::newRow("inicio, treinta años") << 0.005 << 360 << 100000.0 << 0.0 << kInicio;
        QTest::newRow("inicio con residual") << 0.02 << 24 << 5000.0 << -1000.0 << kInicio;
        QTest::newRow("inicio sin interés") << 0.0 << 12 << 1200.0 << 0.0 << kInicio;
        QTest::newRow("una cuota inicio") << 0.01 << 1 << 1000.0 << 0.0 << kInicio;
    }
    void cuadro() {
        QFETCH(double, rate);
        QFETCH(int, n);
        QFETCH(double, pv);
        QFETCH(double, fv);
        QFETCH(PaymentTiming, timing);
        long double cuota = 0, amortizado = 0, primerInteres = 0;
        ZZ_VALOR(cuota, Payment(rate, n, pv, fv, timing));
        for (int p = 1; p <= n; ++p) {
            long double principal = 0, interes = 0;
            ZZ_VALOR(principal, PeriodPayment(rate, p, n, pv, fv, timing));
            ZZ_VALOR(interes, InterestPayment(rate, p, n, pv, fv, timing));
            QVERIFY2(Coincide(principal + interes, cuota, 1e-12), qPrintable(QString("periodo %1").arg(p)));
            amortizado += principal;
            if (p == 1)
                primerInteres = interes;
        }
        const long double pendiente = timing == kInicio ? fv / (1 + rate) : fv;
        QVERIFY2(Coincide(amortizado, -(pv + pendiente), 1e-12), qPrintable("amortizado " + Texto(amortizado)));
        if (timing == kInicio)
            QCOMPARE(static_cast<double>(primerInteres), 0.0);
        else
            QVERIFY(Coincide(primerInteres, -pv * rate, 1e-12));
    }

    // Tiny non-zero rates stay exact (values from a 50-digit computation):
    // a loan of 100.000 at 6e-5 a month is repaid in 360 periods, not 364.
    void tiposPequenos_data() {
        QTest::addColumn<double>("tasa");
        QTest::addColumn<int>("n");
        QTest::addColumn<PaymentTiming>("timing");
        QTest::addColumn<double>("pago");
        QTest::addColumn<double>("futuro");
        QTest::newRow("6e-5 final") << 6e-5 << 360 << kFinal << -280.79691061982092759 << 36390.511004815882803;
        QTest::newRow("6e-5 inicio") << 6e-5 << 600 << kInicio << -169.67948491884161976 << 61094.877052687405909;
        QTest::newRow("1e-6") << 1e-6 << 360 << kFinal << -277.82791966664201205 << 36006.462771200828431;
        QTest::newRow("-1e-5") << -1e-5 << 120 << kFinal << -832.82926666021979079 << 11992.862807578733541;
        QTest::newRow("1e-9 inicio") << 1e-9 << 240 << kInicio << -416.66671645833528350 << 24000.002892000230396;
    }
    void tiposPequenos() {
        QFETCH(double, tasa);
        QFETCH(int, n);
        QFETCH(PaymentTiming, timing);
        QFETCH(double, pago);
        QFETCH(double, futuro);
        long double obtenido = 0, periodos = 0, acumulado = 0;
        ZZ_VALOR(obtenido, Payment(tasa, n, 100000, 0, timing));
        QVERIFY2(Coincide(obtenido, pago, 1e-12), qPrintable(Texto(obtenido)));
        ZZ_VALOR(periodos, NumberOfPeriods(tasa, pago, 100000, 0, timing));
        QVERIFY2(Coincide(periodos, n, 1e-9), qPrintable(Texto(periodos)));
        ZZ_VALOR(acumulado, FutureValue(tasa, n, -100, 0, timing));
        QVERIFY2(Coincide(acumulado, futuro, 1e-12), qPrintable(Texto(acumulado)));
    }

    // Where (1 + rate)^n passes 1e16 a payment becomes a perpetuity, a present
    // value its inverse, and a future value is refused; both sides of the
    // bound agree.
    void limiteDelFactor_data() {
        QTest::addColumn<PaymentTiming>("timing");
        QTest::newRow("final") << kFinal;
        QTest::newRow("inicio") << kInicio;
    }
    void limiteDelFactor() {
        QFETCH(PaymentTiming, timing);
        QVERIFY(std::pow(1.01L, 3702) < 1e16L && std::pow(1.01L, 3703) > 1e16L);
        long double antes = 0, despues = 0, actualAntes = 0, actualDespues = 0;
        ZZ_VALOR(antes, Payment(0.01, 3702, 1000, 0, timing));
        ZZ_VALOR(despues, Payment(0.01, 3703, 1000, 0, timing));
        ZZ_VALOR(actualAntes, PresentValue(0.01, 3702, despues, 0, timing));
        ZZ_VALOR(actualDespues, PresentValue(0.01, 3703, despues, 0, timing));
        QVERIFY2(Coincide(despues, antes, 1e-14), qPrintable(Texto(antes) + " " + Texto(despues)));
        QVERIFY(Coincide(actualAntes, 1000, 1e-14));
        QVERIFY(Coincide(actualDespues, 1000, 1e-14));
        QCOMPARE(Desenlace([=] { return FutureValue(0.01, 3702, -10, 0, timing); }), QString("finito"));
        QCOMPARE(Desenlace([=] { return FutureValue(0.01, 3703, -10, 0, timing); }),
                 QString("EInvalidArgument:FutureValue"));
    }

    // Any argument ends in a result or in one of the math errors, quickly,
    // and the arithmetic faults surface where the calculation meets them.
    void entradaMala_data() {
        QTest::addColumn<Llamada>("llamada");
        QTest::addColumn<QString>("desenlace");
        const QString pmt = "EInvalidArgument:Payment";
        QTest::newRow("tipo NaN") << Llamada([] { return Payment(kNaN, 12, 1000, 0, kFinal); }) << pmt;
        QTest::newRow("tipo -1") << Llamada([] { return Payment(-1, 12, 1000, 0, kFinal); }) << pmt;
        QTest::newRow("tipo -inf") << Llamada([] { return Payment(-kInf, 12, 1000, 0, kFinal); }) << pmt;
        QTest::newRow("tipo +inf") << Llamada([] { return Payment(kInf, 12, 1000, 0, kFinal); }) << "EInvalidOp";
        QTest::newRow("tipo 1e308") << Llamada([] { return Payment(1e308, 12, 1000, 0, kFinal); }) << "finito";
        QTest::newRow("tipo 1e308, 360 cuotas") << Llamada([] { return Payment(1e308, 360, 1000, 0, kFinal); }) << "EOverflow";
        QTest::newRow("sin cuotas") << Llamada([] { return Payment(0.01, 0, 1000, 0, kFinal); }) << "EZeroDivide";
        QTest::newRow("sin cuotas ni importes") << Llamada([] { return Payment(0.01, 0, 0, 0, kFinal); }) << "EInvalidOp";
        QTest::newRow("sin cuotas ni interés") << Llamada([] { return Payment(0, 0, 1000, 0, kInicio); }) << "EZeroDivide";
        QTest::newRow("cuotas -1") << Llamada([] { return Payment(0.01, -1, 1000, 0, kFinal); }) << "finito";
        QTest::newRow("cuotas INT_MAX") << Llamada([] { return Payment(0.01, INT_MAX, 1000, 0, kFinal); }) << "EOverflow";
        QTest::newRow("cuotas INT_MIN") << Llamada([] { return Payment(0.01, INT_MIN, 1000, 0, kFinal); }) << "EOverflow";
        QTest::newRow("tipo pequeño, INT_MAX") << Llamada([] { return Payment(3e-5, INT_MAX, 1000, 0, kFinal); }) << "EOverflow";
        QTest::newRow("tipo negativo, INT_MAX") << Llamada([] { return Payment(-0.5, INT_MAX, 1000, 0, kFinal); }) << "finito";
        QTest::newRow("tipo negativo, INT_MIN") << Llamada([] { return Payment(-0.5, INT_MIN, 1000, 0, kFinal); }) << "EZeroDivide";
        QTest::newRow("capital NaN") << Llamada([] { return Payment(0.01, 12, kNaN, 0, kFinal); }) << "nan";
        QTest::newRow("capital inf") << Llamada([] { return Payment(0.01, 12, kInf, 0, kFinal); }) << "-inf";
        QTest::newRow("capital inf, final -inf") << Llamada([] { return Payment(0.01, 12, kInf, -kInf, kFinal); }) << "EInvalidOp";
        QTest::newRow("capital 1e308") << Llamada([] { return Payment(0.01, 12, 1e308, -1e308, kFinal); }) << "finito";
        QTest::newRow("capital máximo") << Llamada([] { return Payment(0.01, 12, LDBL_MAX, 0, kFinal); }) << "EOverflow";

        QTest::newRow("PV tipo NaN") << Llamada([] { return PresentValue(kNaN, 12, -100, 0, kFinal); }) << "EInvalidArgument:PresentValue";
        QTest::newRow("PV sin cuotas") << Llamada([] { return PresentValue(0.01, 0, -100, 500, kFinal); }) << "finito";
        QTest::newRow("PV INT_MAX") << Llamada([] { return PresentValue(0.01, INT_MAX, -100, 0, kFinal); }) << "EOverflow";
        QTest::newRow("PV factor nulo") << Llamada([] { return PresentValue(-0.99, 100000, -100, 0, kFinal); }) << "EZeroDivide";
        QTest::newRow("PV cuota inf") << Llamada([] { return PresentValue(0.01, 12, kInf, 0, kFinal); }) << "-inf";

        QTest::newRow("FV tipo -1") << Llamada([] { return FutureValue(-1, 12, -100, 0, kFinal); }) << "EInvalidArgument:FutureValue";
        QTest::newRow("FV INT_MAX") << Llamada([] { return FutureValue(0.01, INT_MAX, -100, 0, kFinal); }) << "EOverflow";
        QTest::newRow("FV INT_MIN") << Llamada([] { return FutureValue(0.01, INT_MIN, -100, 0, kFinal); }) << "EOverflow";
        QTest::newRow("FV cuota NaN") << Llamada([] { return FutureValue(0.01, 12, kNaN, 0, kFinal); }) << "nan";

        const QString rate = "EInvalidArgument:InterestRate";
        QTest::newRow("RATE sin cuotas") << Llamada([] { return InterestRate(0, -100, 1000, 0, kFinal); }) << rate;
        QTest::newRow("RATE cuotas -1") << Llamada([] { return InterestRate(-1, -100, 1000, 0, kFinal); }) << rate;
        QTest::newRow("RATE INT_MIN") << Llamada([] { return InterestRate(INT_MIN, -100, 1000, 0, kFinal); }) << rate;
        QTest::newRow("RATE todo cero, INT_MAX") << Llamada([] { return InterestRate(INT_MAX, 0, 0, 1000, kFinal); }) << rate;
        QTest::newRow("RATE todo cero inicio") << Llamada([] { return InterestRate(12, 0, 0, 0, kInicio); }) << rate;
        QTest::newRow("RATE cuota NaN") << Llamada([] { return InterestRate(12, kNaN, 1000, 0, kFinal); }) << rate;
        QTest::newRow("RATE cuota NaN sin capital") << Llamada([] { return InterestRate(12, kNaN, 0, 1000, kFinal); }) << rate;
        QTest::newRow("RATE capital inf") << Llamada([] { return InterestRate(12, -100, kInf, 0, kFinal); }) << "EZeroDivide";
        QTest::newRow("RATE 1e308") << Llamada([] { return InterestRate(360, -1e308, 1e308, 1e308, kFinal); }) << "finito";

        const QString nper = "EInvalidArgument:NumberOfPeriods";
        QTest::newRow("NPER tipo NaN") << Llamada([] { return NumberOfPeriods(kNaN, -100, 1000, 0, kFinal); }) << nper;
        QTest::newRow("NPER la cuota paga el interés justo") << Llamada([] { return NumberOfPeriods(0.01, -10, 1000, 0, kFinal); }) << nper;
        QTest::newRow("NPER la cuota no cubre el interés") << Llamada([] { return NumberOfPeriods(0.01, -5, 1000, 0, kFinal); }) << nper;
        QTest::newRow("NPER capital inf") << Llamada([] { return NumberOfPeriods(0.01, -100, kInf, 0, kFinal); }) << "EInvalidOp";
        QTest::newRow("NPER capital inf, tipo pequeño") << Llamada([] { return NumberOfPeriods(3e-5, -100, kInf, 0, kFinal); }) << "EInvalidOp";
        QTest::newRow("NPER cuota inf") << Llamada([] { return NumberOfPeriods(0.01, -kInf, 1000, 0, kFinal); }) << "finito";
        QTest::newRow("NPER tipo 1e308") << Llamada([] { return NumberOfPeriods(1e308, -100, 1000, 0, kFinal); }) << nper;

        const QString ppmt = "EInvalidArgument:PeriodPayment", ipmt = "EInvalidArgument:InterestPayment";
        for (int periodo : {0, -1, 13, INT_MIN, INT_MAX}) {
            QTest::addRow("PPMT periodo %d", periodo)
                << Llamada([=] { return PeriodPayment(0.01, periodo, 12, 1000, 0, kFinal); }) << ppmt;
            QTest::addRow("IPMT periodo %d", periodo)
                << Llamada([=] { return InterestPayment(0.01, periodo, 12, 1000, 0, kInicio); }) << ipmt;
        }
        QTest::newRow("PPMT sin cuotas") << Llamada([] { return PeriodPayment(0.01, 1, 0, 1000, 0, kFinal); }) << ppmt;
        QTest::newRow("IPMT tipo NaN") << Llamada([] { return InterestPayment(kNaN, 1, 12, 1000, 0, kFinal); }) << ipmt;
        QTest::newRow("IPMT último de INT_MAX") << Llamada([] { return InterestPayment(0.01, INT_MAX, INT_MAX, 1000, 0, kFinal); }) << "EOverflow";
        QTest::newRow("PPMT primero de INT_MAX sin interés") << Llamada([] { return PeriodPayment(0, 1, INT_MAX, 1000, 0, kInicio); }) << "finito";

        QTest::newRow("SYD vida INT_MAX") << Llamada([] { return SumOfYearsDepreciation(1000, 0, INT_MAX, 1); }) << "finito";
        QTest::newRow("SYD vida INT_MIN") << Llamada([] { return SumOfYearsDepreciation(1000, 0, INT_MIN, 1); }) << "finito";
        QTest::newRow("SYD periodo INT_MIN") << Llamada([] { return SumOfYearsDepreciation(1000, 0, 5, INT_MIN); }) << "finito";
        QTest::newRow("SYD coste NaN") << Llamada([] { return SumOfYearsDepreciation(kNaN, 0, 5, 1); }) << "nan";
        QTest::newRow("DDB INT_MAX") << Llamada([] { return DecliningBalanceDepreciation(1000, 0, INT_MAX, INT_MAX); }) << "finito";
        QTest::newRow("DDB vida 0") << Llamada([] { return DecliningBalanceDepreciation(1000, 0, 0, 1); }) << "finito";
        QTest::newRow("DDB coste inf") << Llamada([] { return DecliningBalanceDepreciation(kInf, 0, 5, 1); }) << "+inf";
        QTest::newRow("DDB dos años, extremos inf") << Llamada([] { return DecliningBalanceDepreciation(kInf, -kInf, 2, 1); }) << "+inf";

        for (long double x : {kNaN, kInf, -kInf, 1e308L, -1e308L, 2147483647.5L, 2147483648.0L, -2147483649.0L})
            QTest::addRow("CeilToInt %s", qPrintable(Texto(x))) << Llamada([=] { return CeilToInt(x); }) << "EInvalidOp";
    }
    void entradaMala() {
        QFETCH(Llamada, llamada);
        QFETCH(QString, desenlace);
        QElapsedTimer reloj;
        reloj.start();
        QCOMPARE(Desenlace(llamada), desenlace);
        QVERIFY2(reloj.elapsed() < 500, qPrintable(QString("%1 ms").arg(reloj.elapsed())));
    }

    // Out-of-range years depreciate nothing rather than fail.
    void depreciacionFueraDeVida_data() {
        QTest::addColumn<int>("vida");
        QTest::addColumn<int>("anio");
        QTest::newRow("año 0") << 5 << 0;
        QTest::newRow("año pasada la vida") << 5 << 6;
        QTest::newRow("vida 0") << 0 << 1;
        QTest::newRow("vida negativa") << -3 << 1;
        QTest::newRow("año INT_MIN") << 5 << INT_MIN;
        QTest::newRow("año INT_MAX") << 5 << INT_MAX;
    }
    void depreciacionFueraDeVida() {
        QFETCH(int, vida);
        QFETCH(int, anio);
        QCOMPARE(static_cast<double>(SumOfYearsDepreciation(10000, 1000, vida, anio)), 0.0);
        QCOMPARE(static_cast<double>(DecliningBalanceDepreciation(10000, 1000, vida, anio)), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestTvm)
#include "test_tvm.moc"
