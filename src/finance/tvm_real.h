#pragma once
// Real: an 80-bit long double whose arithmetic raises the math-error
// exceptions the way a processor with unmasked floating-point exceptions
// would. A finite non-zero value divided by zero raises EZeroDivide; finite
// operands that give an infinite result raise EOverflow; operands that are
// not NaN but give NaN (0/0, inf - inf, 0 * inf, the logarithm of a negative
// number) raise EInvalidOp. Underflow and rounding pass silently, and NaN or
// infinite operands carry on as IEEE arithmetic says. Only a result that is
// not finite is examined, so the usual path costs one test per operation.
#include <cmath>
#include <compare>

#include "finance/excepciones_matematicas.h"

namespace finance::tvm_detalle {

enum class Operacion { Otra, Division };

// Decides which fault, if any, produced the non-finite result r from a and b.
void RevisarNoFinito(long double r, long double a, long double b, Operacion op);

class Real {
public:
    constexpr Real(long double valor = 0) : v(valor) {}

    friend constexpr auto operator<=>(Real, Real) = default;

    friend Real operator-(Real a) { return Real(-a.v); }
    friend Real operator+(Real a, Real b) { return Revisado(a.v + b.v, a, b, Operacion::Otra); }
    friend Real operator-(Real a, Real b) { return Revisado(a.v - b.v, a, b, Operacion::Otra); }
    friend Real operator*(Real a, Real b) { return Revisado(a.v * b.v, a, b, Operacion::Otra); }
    friend Real operator/(Real a, Real b) { return Revisado(a.v / b.v, a, b, Operacion::Division); }

    long double v;

private:
    static Real Revisado(long double r, Real a, Real b, Operacion op) {
        if (!std::isfinite(r)) [[unlikely]]
            RevisarNoFinito(r, a.v, b.v, op);
        return Real(r);
    }
};

inline Real Abs(Real x) { return Real(std::fabs(x.v)); }

// Natural logarithm: zero raises EZeroDivide, a negative number EInvalidOp.
Real Ln(Real x);
// e^x; a finite x whose power is infinite raises EOverflow.
Real Exp(Real x);
// e^x - 1, accurate near zero; overflow as in Exp.
Real ExpMenosUno(Real x);
// ln(1 + x) for 0 <= x < 0.25, accurate near zero; never faults there. On
// x86 the processor's own log2(1 + x) instruction times ln 2 does it in a
// fraction of the library's time.
inline Real LnUnoMasPequeno(Real x) {
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fyl2xp1" : "=t"(r) : "0"(x.v), "u"(0.693147180559945309417232121458176568L) : "st(1)");
    return Real(r);
#else
    return Real(std::log1p(x.v));
#endif
}

// ln x for a positive finite x.
inline long double LnPositivo(long double x) {
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fyl2x" : "=t"(r) : "0"(x), "u"(0.693147180559945309417232121458176568L) : "st(1)");
    return r;
#else
    return std::log(x);
#endif
}

}  // namespace finance::tvm_detalle
