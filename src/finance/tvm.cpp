#include "finance/tvm.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "finance/tasa_interes.h"
#include "finance/tvm_real.h"

namespace finance {

namespace {

using tvm_detalle::Abs;
using tvm_detalle::Exp;
using tvm_detalle::ExpMenosUno;
using tvm_detalle::Ln;
using tvm_detalle::Real;

// Below this rate the annuity factor and the number of periods are worked
// out through expm1 and log1p, which keep their precision near zero.
constexpr long double kTasaPequena = 6.1e-5L;
// Above this compound factor a payment is a perpetuity and a future value is
// refused.
constexpr long double kFactorMaximo = 1e16L;

// The helpers below are forced inline: a call passes each long double through
// memory, which costs more than the arithmetic of the short ones.

struct Anualidad {
    Real factor;
    Real compound;
};

[[gnu::always_inline]] inline void ExigirTipo(Real rate, const char* funcion) {
    if (!(rate > -1))
        throw EInvalidArgument(funcion);
}

// 1 + rate for start-of-period payments, 1 otherwise.
Real AjusteInicio(Real rate, PaymentTiming timing) {
    return timing == PaymentTiming::StartOfPeriod ? 1 + rate : Real(1);
}

[[gnu::always_inline]] inline Real LnOnePlus(Real x) {
    if (x >= 0 && x < 0.25L)
        return tvm_detalle::LnUnoMasPequeno(x);
    return Ln(1 + x);
}

// The number of periods in double precision, several times faster than the
// 80-bit path and good to about 1e-13 relative in the cases it takes: values
// well inside double's range that do not cancel one another. Anything else
// gives NaN and goes through the 80-bit path, which also raises the faults;
// so does a result within rounding reach of a whole number, since callers
// round it up to whole instalments (some after taking off 1e-9).
double PeriodosEnDoble(long double tasa, long double pago, long double actual, long double final,
                       PaymentTiming timing) {
    constexpr double kNoFiable = std::numeric_limits<double>::quiet_NaN();
    constexpr double kLimite = 1e100;
    constexpr double kCancelacion = 0.01;  // a sum below this share of its terms has lost digits
    const double rate = static_cast<double>(tasa), payment = static_cast<double>(pago);
    const double pv = static_cast<double>(actual), fv = static_cast<double>(final);
    if (!(rate > -0.5 && rate < 1e6 && rate != 0 && std::fabs(payment) < kLimite && std::fabs(pv) < kLimite &&
          std::fabs(fv) < kLimite))
        return kNoFiable;
    const double cuota = timing == PaymentTiming::StartOfPeriod ? payment * (1 + rate) : payment;
    const double interes = pv * rate;
    const double t = interes + cuota;
    const double saldo = pv + fv;
    if (!(std::fabs(t) > kCancelacion * (std::fabs(interes) + std::fabs(cuota)) &&
          std::fabs(saldo) > kCancelacion * (std::fabs(pv) + std::fabs(fv))))
        return kNoFiable;
    // Near -1 the logarithm of 1 + q magnifies q's rounding.
    const double q = -saldo * rate / t;
    if (!(q > -0.5))
        return kNoFiable;
    const double periodos = (q < 0.5 ? std::log1p(q) : std::log(1 + q)) / std::log1p(rate);
    if (std::fabs(periodos - std::nearbyint(periodos)) <= 1e-8 + 1e-12 * std::fabs(periodos))
        return kNoFiable;
    return periodos;
}

// x^n for n > 0 by square and multiply over the bits of n, lowest first; a
// base is squared only while higher bits remain. No fault is raised.
[[gnu::always_inline]] inline long double PotenciaSinControl(long double x, unsigned int n) {
    long double producto = 1;
    for (;;) {
        if (n & 1u)
            producto *= x;
        n >>= 1;
        if (n == 0)
            return producto;
        x *= x;
    }
}

// For i < 0 the reciprocal of the power of |i| (|INT_MIN| taken in unsigned
// arithmetic). With a finite x the loop can overflow but never give NaN, and
// once a step has overflowed the product ends infinite, so one test after the
// loop finds the overflow without a test on every multiplication.
[[gnu::always_inline]] inline Real IntegerPower(Real x, int i) {
    if (i == 0)
        return 1;
    const unsigned int bits = i < 0 ? 0u - static_cast<unsigned int>(i) : static_cast<unsigned int>(i);
    const long double producto = PotenciaSinControl(x.v, bits);
    if (std::isinf(producto) && std::isfinite(x.v))
        tvm_detalle::RevisarNoFinito(producto, x.v, x.v, tvm_detalle::Operacion::Otra);
    return i < 0 ? 1 / Real(producto) : Real(producto);
}

[[gnu::always_inline]] inline Real CompoundFactor(Real r, int n) {
    return IntegerPower(1 + r, n);
}

[[gnu::always_inline]] inline Anualidad AnnuityFactor(Real r, int n, PaymentTiming timing) {
    if (r == 0)
        return {Real(n), Real(1)};
    Anualidad a;
    if (Abs(r) < kTasaPequena) {
        // Near zero (1 + r)^n - 1 loses its digits; e^(n ln(1 + r)) - 1 taken
        // through expm1 and log1p keeps them, so the factor stays exact to the
        // cent where a two-term series would drift by cents over a long loan.
        const Real exponente = Real(n) * Real(std::log1p(r.v));
        a.compound = Exp(exponente);
        a.factor = ExpMenosUno(exponente) / r;
    } else {
        a.compound = CompoundFactor(r, n);
        a.factor = (a.compound - 1) / r;
    }
    if (timing == PaymentTiming::StartOfPeriod)
        a.factor = a.factor * (1 + r);
    return a;
}

// What the principal and the interest of one period share: the compound
// factor up to the start of the period and the annuity factor of the term.
struct Periodo {
    Real cp;
    Anualidad a;
};

[[gnu::always_inline]] inline Periodo PaymentParts(int period, int n, Real rate, PaymentTiming timing) {
    ExigirTipo(rate, "PaymentParts");
    return {CompoundFactor(rate, period - 1), AnnuityFactor(rate, n, timing)};
}

void ExigirPeriodo(const char* funcion, Real rate, int period, int n) {
    if (!(rate > -1) || period < 1 || period > n)
        throw EInvalidArgument(funcion);
}

// With start-of-period payments the first instalment falls on the day the
// loan starts: it carries no interest and is all principal. From the second
// on, the interest is the rate times the balance left after the instalments
// already paid, which the common formula gives for both timings.
bool PrimeraCuotaSinInteres(int period, PaymentTiming timing) {
    return timing == PaymentTiming::StartOfPeriod && period == 1;
}

}  // namespace

long double Payment(long double rate, int n, long double pv, long double fv, PaymentTiming timing) {
    ExigirTipo(rate, "Payment");
    Anualidad a = AnnuityFactor(rate, n, timing);
    if (a.compound > kFactorMaximo)
        return (-Real(pv) * rate / AjusteInicio(rate, timing)).v;
    return ((-Real(pv) * a.compound - fv) / a.factor).v;
}

long double PresentValue(long double rate, int n, long double payment, long double fv, PaymentTiming timing) {
    ExigirTipo(rate, "PresentValue");
    Anualidad a = AnnuityFactor(rate, n, timing);
    if (a.compound > kFactorMaximo)
        return (-Real(payment) * AjusteInicio(rate, timing) / rate).v;
    return ((-Real(payment) * a.factor - fv) / a.compound).v;
}

long double FutureValue(long double rate, int n, long double payment, long double pv, PaymentTiming timing) {
    ExigirTipo(rate, "FutureValue");
    Anualidad a = AnnuityFactor(rate, n, timing);
    if (a.compound > kFactorMaximo)
        throw EInvalidArgument("FutureValue");
    return (-Real(payment) * a.factor - Real(pv) * a.compound).v;
}

long double InterestRate(int n, long double payment, long double pv, long double fv, PaymentTiming timing) {
    if (n <= 0)
        throw EInvalidArgument("InterestRate");
    // Saving from nothing with end-of-period payments: the first payment is
    // the present value of the same question one period shorter.
    if (timing == PaymentTiming::EndOfPeriod && pv == 0 && payment != 0 && n > 1)
        return InterestRate(n - 1, payment, payment, fv, PaymentTiming::EndOfPeriod);
    Real P = payment;
    Real first = timing == PaymentTiming::EndOfPeriod ? Real(pv) : Real(pv) + payment;
    Real last = timing == PaymentTiming::EndOfPeriod ? Real(fv) + payment : Real(fv);
    bool reverse = false;
    if (first * payment > 0) {
        reverse = true;
        std::swap(first, last);
    }
    if (first > 0) {
        first = -first;
        P = -P;
        last = -last;
    }
    if (first == 0 || last < 0)
        throw EInvalidArgument("InterestRate");
    return tvm_detalle::TasaDelFlujo(n, P.v, first.v, last.v, reverse);
}

long double NumberOfPeriods(long double rate, long double payment, long double pv, long double fv,
                            PaymentTiming timing) {
    const double rapido = PeriodosEnDoble(rate, payment, pv, fv, timing);
    if (!std::isnan(rapido))
        return rapido;
    ExigirTipo(rate, "NumberOfPeriods");
    Real cuota = Real(payment) * AjusteInicio(rate, timing);
    Real t = Real(pv) * rate + cuota;
    if (t == 0)
        throw EInvalidArgument("NumberOfPeriods");
    if (rate == 0)
        return (-(Real(pv) + fv) / t).v;
    Real q = -(Real(pv) + fv) * rate / t;
    if (!(q > -1))
        throw EInvalidArgument("NumberOfPeriods");
    // At tiny rates both logarithms go through log1p: the straight-line
    // shortcut would add periods (364 instead of 360 at 6e-5 a month).
    if (Abs(rate) < kTasaPequena)
        return (Real(std::log1p(q.v)) / Real(std::log1p(Real(rate).v))).v;
    return (LnOnePlus(q) / LnOnePlus(rate)).v;
}

long double PeriodPayment(long double rate, int period, int n, long double pv, long double fv,
                          PaymentTiming timing) {
    ExigirPeriodo("PeriodPayment", rate, period, n);
    const Periodo d = PaymentParts(period, n, rate, timing);
    if (PrimeraCuotaSinInteres(period, timing))
        return ((-Real(pv) * d.a.compound - fv) / d.a.factor).v;
    return ((-Real(fv) - pv) * d.cp / d.a.factor).v;
}

long double InterestPayment(long double rate, int period, int n, long double pv, long double fv,
                            PaymentTiming timing) {
    ExigirPeriodo("InterestPayment", rate, period, n);
    if (PrimeraCuotaSinInteres(period, timing))
        return 0;
    const Periodo d = PaymentParts(period, n, rate, timing);
    return ((Real(fv) * (d.cp - 1) - Real(pv) * (d.a.compound - d.cp)) / d.a.factor).v;
}

long double SumOfYearsDepreciation(long double cost, long double salvage, int life, int period) {
    if (period < 1 || period > life || salvage >= cost)
        return 0;
    // 64-bit integers: life * (life + 1) overflows 32 bits from life 46341 on.
    const std::int64_t restantes = 2 * (std::int64_t{life} - period + 1);
    const std::int64_t suma = std::int64_t{life} * (std::int64_t{life} + 1);
    return ((Real(cost) - salvage) * static_cast<long double>(restantes) / static_cast<long double>(suma)).v;
}

long double DecliningBalanceDepreciation(long double cost, long double salvage, int life, int period) {
    if (period < 1 || period > life || life < 1 || salvage >= cost)
        return 0;
    if (life <= 2)
        return period == 1 ? (Real(cost) - salvage).v : 0;
    Real tasa = Real(2) / life;
    Real v = Real(cost) * IntegerPower(1 - tasa, period - 1);
    Real d = tasa * v;
    if (d > v - salvage)
        d = v - salvage;
    if (d < 0)
        d = 0;
    return d.v;
}

// A ceiling that does not fit a 32-bit integer (or NaN) cannot be returned:
// it raises EInvalidOp, as the processor's conversion to integer does.
int CeilToWholePeriods(long double periodos) {
    constexpr long double kHolgura = 1e-9L;
    return CeilToInt(periodos - kHolgura);
}

int CeilToInt(long double x) {
    const long double entero = std::trunc(x);
    if (!(entero >= INT_MIN && entero <= INT_MAX))
        throw EInvalidOp("Operación de coma flotante no válida");
    int resultado = static_cast<int>(entero);
    if (x - entero > 0) {
        if (resultado == INT_MAX)
            throw EInvalidOp("Operación de coma flotante no válida");
        ++resultado;
    }
    return resultado;
}

}  // namespace finance
