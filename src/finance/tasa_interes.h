#pragma once
// The root finder behind InterestRate. The cash flow comes normalised:
//     first + P·(u + u² + … + u^(n-1)) + last·u^n = 0,   first < 0, last ≥ 0,
// with u = 1 / (1 + rate), or u = 1 + rate when `reverse` is set. Such a
// polynomial changes sign once at most (Descartes' rule), so it has one
// positive root at most; its left side is below -first before the root and
// above it after. That lets a bracket back up Newton's method wherever the
// method strays.
namespace finance::tvm_detalle {

// The periodic rate of the flow. Throws EInvalidArgument("InterestRate") when
// the flow has no root that a rate can express; an infinite first surfaces
// as EZeroDivide and a rate beyond the extended range as EOverflow.
long double TasaDelFlujo(int n, long double P, long double first, long double last, bool reverse);

}  // namespace finance::tvm_detalle
