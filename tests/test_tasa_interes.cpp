// InterestRate checked against a root worked out independently: the
// polynomial pv·u^n + payment·(1 + u + … + u^(n-1))·(u or 1) + fv = 0 in
// 113-bit floats, solved by bisection with a final Newton polish.
#include "prueba_nucleo.h"

#include <cmath>
#include <random>

#include "finance/tvm.h"
#include "util/textos_numericos.h"

using namespace finance;

Q_DECLARE_METATYPE(finance::PaymentTiming)

namespace {

constexpr PaymentTiming kFinal = PaymentTiming::EndOfPeriod;
constexpr PaymentTiming kInicio = PaymentTiming::StartOfPeriod;

using Cuadruple = __float128;

struct ValorPolinomio {
    Cuadruple g;
    Cuadruple dg;
};

ValorPolinomio Polinomio(int n, Cuadruple payment, Cuadruple pv, Cuadruple fv, bool inicio, Cuadruple u) {
    Cuadruple potencia = 1, dpotencia = 0, suma = 0, dsuma = 0;
    for (int k = 0; k < n; ++k) {
        suma += potencia;
        dsuma += dpotencia;
        dpotencia = dpotencia * u + potencia;
        potencia *= u;
    }
    const Cuadruple w = inicio ? u : Cuadruple(1);
    const Cuadruple dw = inicio ? 1 : 0;
    return {pv * potencia + payment * suma * w + fv, pv * dpotencia + payment * (dsuma * w + suma * dw)};
}

// The rate u - 1 of the only sign change on (1e-6, 1e6], or NaN.
double TasaReferencia(int n, double payment, double pv, double fv, PaymentTiming timing) {
    const bool inicio = timing == kInicio;
    auto g = [&](Cuadruple u) { return Polinomio(n, payment, pv, fv, inicio, u); };
    Cuadruple lo = Cuadruple(1e-6), hi = 2;
    const bool negativoAbajo = g(lo).g < 0;
    while ((g(hi).g < 0) == negativoAbajo) {
        lo = hi;
        hi *= 2;
        if (hi > Cuadruple(1e6))
            return NAN;
    }
    while (hi - lo > Cuadruple(1e-13) * hi) {
        const Cuadruple medio = (lo + hi) / 2;
        ((g(medio).g < 0) == negativoAbajo ? lo : hi) = medio;
    }
    Cuadruple u = (lo + hi) / 2;
    for (int i = 0; i < 4; ++i) {
        const ValorPolinomio v = g(u);
        u -= v.g / v.dg;
    }
    return double(u - 1);
}

// Relative agreement, with rates below 1e-6 a period compared absolutely.
bool CoincideConReferencia(long double tasa, double referencia) {
    return std::fabs(double(tasa) - referencia) <= 1e-12 * std::max(std::fabs(referencia), 1e-6);
}

QString Caso(int n, double cuota, double pv, double fv, PaymentTiming timing) {
    return QStringLiteral("n %1, cuota %2, pv %3, fv %4, %5")
        .arg(n)
        .arg(cuota, 0, 'g', 17)
        .arg(pv, 0, 'g', 17)
        .arg(fv, 0, 'g', 17)
        .arg(timing == kInicio ? "inicio" : "final");
}

}  // namespace

class TestTasaInteres : public PruebaNucleo {
    Q_OBJECT
private slots:
    // Savings plans with the annual rate a person expects to read, and the
    // plans where the solver used to stop at once or take a perpetuity for
    // the answer: a final capital of the initial one plus n + 1 or n
    // instalments, and final capitals far beyond the instalments.
    void bordes_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("cuota");
        QTest::addColumn<double>("inicial");
        QTest::addColumn<double>("final");
        QTest::addColumn<PaymentTiming>("timing");
        QTest::addColumn<QString>("anual");
        QTest::newRow("n + 1 cuotas, inicio") << 12 << 100.0 << 0.0 << 1300.0 << kInicio << "14,70";
        QTest::newRow("n + 1 cuotas, final") << 12 << 100.0 << 0.0 << 1300.0 << kFinal << "17,32";
        QTest::newRow("n + 1 cuotas con inicial") << 12 << 100.0 << 500.0 << 1800.0 << kInicio << "8,43";
        QTest::newRow("n + 1 cuotas de 250, final") << 24 << 250.0 << 0.0 << 6250.0 << kFinal << "4,24";
        QTest::newRow("n cuotas, inicio") << 12 << 100.0 << 0.0 << 1200.0 << kInicio << "0,00";
        QTest::newRow("n cuotas, final") << 24 << 250.0 << 0.0 << 6000.0 << kFinal << "0,00";
        QTest::newRow("n cuotas con inicial") << 12 << 100.0 << 500.0 << 1700.0 << kInicio << "0,00";
        QTest::newRow("n cuotas de céntimos") << 12 << 0.1 << 0.0 << 1.2 << kInicio << "0,00";
        QTest::newRow("final 2e14, inicio") << 12 << 100.0 << 0.0 << 2e14 << kInicio << "11408,03";
        QTest::newRow("final 2e14, final") << 12 << 100.0 << 0.0 << 2e14 << kFinal << "14442,47";
        QTest::newRow("final 1e15 con céntimos") << 12 << 0.01 << 0.0 << 1e15 << kInicio << "30019,75";
        QTest::newRow("final 6,6e12 en 12 cuotas") << 12 << 100.0 << 0.0 << 6.6e12 << kInicio << "8260,21";
        QTest::newRow("final 2,5e14 en 360 cuotas, inicio") << 360 << 100.0 << 0.0 << 2.5e14 << kInicio << "89,44";
        QTest::newRow("final 2,5e14 en 360 cuotas, final") << 360 << 100.0 << 0.0 << 2.5e14 << kFinal << "89,71";
        QTest::newRow("final 2,5e14 con inicial") << 360 << 100.0 << 1000.0 << 2.5e14 << kFinal << "87,66";
        QTest::newRow("una cuota al inicio") << 1 << 100.0 << 0.0 << 110.0 << kInicio << "120,00";
        QTest::newRow("ejemplo de siempre") << 120 << 100.0 << 1000.0 << 20000.0 << kInicio << "7,49";
    }
    void bordes() {
        QFETCH(int, n);
        QFETCH(double, cuota);
        QFETCH(double, inicial);
        QFETCH(double, final);
        QFETCH(PaymentTiming, timing);
        QFETCH(QString, anual);
        long double tasa = 0;
        try {
            tasa = InterestRate(n, cuota, inicial, -final, timing);
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
        const double referencia = TasaReferencia(n, cuota, inicial, -final, timing);
        QVERIFY2(CoincideConReferencia(tasa, referencia),
                 qPrintable(QStringLiteral("%1 frente a %2").arg(double(tasa), 0, 'g', 17).arg(referencia, 0, 'g', 17)));
        QCOMPARE(TextoDosDecimales(double(tasa * 1200)), anual);
    }

    // Realistic plans and loans, their amounts rounded to the cent as a
    // person types them: savings with and without an initial capital and
    // loans, both timings, up to 40 years and 30 % a year.
    void barrido() {
        std::mt19937_64 azar(20261210);
        std::uniform_real_distribution<double> u(0, 1);
        auto centimos = [](long double x) { return std::round(double(x) * 100) / 100; };
        for (int i = 0; i < 1200; ++i) {
            const int n = 1 + int(u(azar) * 480);
            const double anual = std::round(u(azar) * 3000) / 100;
            const PaymentTiming timing = u(azar) < 0.5 ? kInicio : kFinal;
            double cuota = centimos(10 + u(azar) * 4990);
            double pv = 0, fv = 0;
            if (i % 3 == 2) {
                pv = -centimos(1000 + u(azar) * 999000);
                cuota = centimos(-Payment(anual / 1200, n, -pv, 0, timing));
                if (!(cuota * n > -pv))
                    continue;
            } else {
                pv = i % 3 == 0 ? 0 : centimos(u(azar) * 100000);
                fv = -centimos(-FutureValue(anual / 1200, n, cuota, pv, timing));
                if (!(cuota * n + pv < -fv) || (timing == kFinal && pv == 0 && n == 1))
                    continue;
            }
            const double referencia = TasaReferencia(n, cuota, pv, fv, timing);
            long double tasa = NAN;
            try {
                tasa = InterestRate(n, cuota, pv, fv, timing);
            } catch (const std::exception&) {
            }
            QVERIFY2(CoincideConReferencia(tasa, referencia),
                     qPrintable(Caso(n, cuota, pv, fv, timing) +
                                QStringLiteral(": %1 frente a %2").arg(double(tasa), 0, 'g', 17).arg(referencia, 0, 'g', 17)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTasaInteres)
#include "test_tasa_interes.moc"
