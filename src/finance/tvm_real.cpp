#include "finance/tvm_real.h"

namespace finance::tvm_detalle {

namespace {

[[noreturn]] void DivisionPorCero() { throw EZeroDivide("División por cero en coma flotante"); }
[[noreturn]] void Desbordamiento() { throw EOverflow("Desbordamiento en coma flotante"); }
[[noreturn]] void OperacionNoValida() { throw EInvalidOp("Operación de coma flotante no válida"); }

}  // namespace

void RevisarNoFinito(long double r, long double a, long double b, Operacion op) {
    if (std::isnan(r)) {
        if (!std::isnan(a) && !std::isnan(b))
            OperacionNoValida();
        return;
    }
    if (std::isfinite(a) && std::isfinite(b)) {
        if (op == Operacion::Division && b == 0)
            DivisionPorCero();
        Desbordamiento();
    }
}

Real Ln(Real x) {
    if (x.v <= 0) {
        if (x.v == 0)
            DivisionPorCero();
        OperacionNoValida();
    }
    if (!std::isfinite(x.v))
        return x;
    return Real(LnPositivo(x.v));
}

Real Exp(Real x) {
    long double r = std::exp(x.v);
    if (std::isinf(r) && std::isfinite(x.v))
        Desbordamiento();
    return Real(r);
}

Real ExpMenosUno(Real x) {
    long double r = std::expm1(x.v);
    if (std::isinf(r) && std::isfinite(x.v))
        Desbordamiento();
    return Real(r);
}

}  // namespace finance::tvm_detalle
