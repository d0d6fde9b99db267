#include "finance/tasa_interes.h"

#include "finance/tvm_real.h"

#include <cmath>
#include <limits>

namespace finance::tvm_detalle {

namespace {

constexpr long double kInfinito = std::numeric_limits<long double>::infinity();
// Done once the equation balances to this relative error; one more Newton
// step then brings the root to the precision of the arithmetic.
constexpr long double kResiduo = 1e-14L;
// Beyond |t| = ln(LDBL_MAX) no rate can be written as a long double.
constexpr long double kTMaximo = 11400;
constexpr int kIteracionesMaximas = 200;

// The flow with u = e^t: -C + P·(e^t + … + e^((n-1)t)) + L·e^(nt) = 0.
struct Flujo {
    int n;
    long double P;
    long double C;  // -first > 0
    long double L;  // last ≥ 0
};

// X = e^s + … + e^((n-1)s) and its derivative Y = e^s + 2e^(2s) + … for s ≤ 0,
// through expm1 so that nothing cancels near 0. Only Y's closed form loses
// digits when (n - 1)·s is tiny, and there its short series is exact enough.
struct Sumas {
    long double x;
    long double y;
};

Sumas SumasDe(int n, long double s) {
    const long double m = n - 1.0L;
    const long double s1 = m * (m + 1) / 2;  // 1 + 2 + … + m
    if (std::fabs(m * s) < 1e-4L) {
        const long double s2 = s1 * (2 * m + 1) / 3;  // 1² + 2² + … + m²
        const long double s3 = s1 * s1;               // 1³ + 2³ + … + m³
        const long double y = s1 + s * s2 + s * s * s3 / 2;
        if (s == 0)
            return {m, y};
        const long double a = std::expm1(s);
        return {(1 + a) * std::expm1(m * s) / a, y};
    }
    const long double a = std::expm1(s);
    const long double b = std::expm1(m * s);
    return {(1 + a) * b / a, (1 + a) / a * (m * (1 + b) - b / a)};
}

// F(t) = ln(left side / C) and F'(t). Where the left side is not positive
// the point lies before the root and F is not defined.
struct Punto {
    bool definido = false;
    long double f = 0;
    long double df = 0;
};

// For t > 0 the left side is e^(nt)·(L + P·X(-t)): written so, it never
// overflows, however far the root lies.
Punto Evaluar(const Flujo& c, long double t) {
    Punto p;
    if (t <= 0) {
        const Sumas s = SumasDe(c.n, t);
        const long double en = std::exp(c.n * t);
        const long double h = c.P * s.x + c.L * en;
        if (!(h > 0))
            return p;
        p.f = Ln(Real(h) / Real(c.C)).v;
        p.df = (c.P * s.y + c.n * c.L * en) / h;
    } else {
        const Sumas s = SumasDe(c.n, -t);
        const long double g = c.L + c.P * s.x;
        if (!(g > 0))
            return p;
        p.f = c.n * t + Ln(Real(g) / Real(c.C)).v;
        p.df = c.n - c.P * s.y / g;
    }
    p.definido = true;
    return p;
}

// The midpoint of the bracket, or a widening step away from its only known end.
long double Biseccion(long double lo, long double hi) {
    if (std::isfinite(lo) && std::isfinite(hi))
        return lo + (hi - lo) / 2;
    if (std::isfinite(lo))
        return lo + std::fmax(1, 2 * std::fabs(lo));
    return hi - std::fmax(1, 2 * std::fabs(hi));
}

long double NewtonDentro(const Punto& p, long double t, long double lo, long double hi) {
    if (!p.definido || !(p.df > 0))
        return Biseccion(lo, hi);
    const long double siguiente = t - p.f / p.df;
    return siguiente > lo && siguiente < hi ? siguiente : Biseccion(lo, hi);
}

// Newton's method on F, started at t = 0 (rate 0) and kept inside the
// bracket of points known to lie on either side of the root. Convergence is
// judged by the remaining error of the equation, never by a short step, so
// that no point where the method stalls can pass for the answer.
long double ResolverT(const Flujo& c) {
    long double t = 0, lo = -kInfinito, hi = kInfinito;
    for (int i = 0; i < kIteracionesMaximas && std::fabs(t) <= kTMaximo; ++i) {
        const Punto p = Evaluar(c, t);
        if (p.definido && std::fabs(p.f) <= kResiduo) {
            const long double pulido = t - p.f / p.df;
            return pulido >= lo && pulido <= hi ? pulido : t;
        }
        if (p.definido && p.f > 0)
            hi = t;
        else
            lo = t;
        const long double siguiente = NewtonDentro(p, t, lo, hi);
        // The bracket has shrunk to neighbouring numbers: the root is here.
        if (siguiente == lo || siguiente == hi)
            return p.definido ? t : hi;
        t = siguiente;
    }
    throw EInvalidArgument("InterestRate");
}

}  // namespace

long double TasaDelFlujo(int n, long double P, long double first, long double last, bool reverse) {
    if (!std::isfinite(P) || !std::isfinite(last) || std::isnan(first))
        throw EInvalidArgument("InterestRate");
    const long double t = ResolverT({n, P, -first, last});
    const long double tasa = ExpMenosUno(reverse ? Real(t) : Real(-t)).v;
    return tasa == 0 ? 0 : tasa;  // never -0
}

}  // namespace finance::tvm_detalle
