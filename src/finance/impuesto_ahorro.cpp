#include "finance/impuesto_ahorro.h"

#include "finance/centimos_enteros.h"

#include <limits>

namespace finance {
namespace {

struct TramoAhorro {
    CentimosEnteros hasta;  // upper end of the bracket, in cents
    int tipo;               // whole percentage charged on the part of the base inside it
};

// Personal income tax on savings income (base liquidable del ahorro) for
// 2025: the state and regional scales of articles 66 and 76 of Ley 35/2006
// added together, as amended by Ley 7/2024.
constexpr TramoAhorro kTramosAhorro2025[] = {
    {600000, 19},
    {5000000, 21},
    {20000000, 23},
    {30000000, 27},
    {std::numeric_limits<CentimosEnteros>::max(), 30},
};

}  // namespace

// Worked out in hundredths of a cent, which whole percentages of whole cents
// give exactly, and rounded half up once at the end.
double ImpuestoTramosAhorro(double base) {
    if (!(base > 0))
        return 0;
    const CentimosEnteros centimos = CentimosDeImporte(base);
    CentimosEnteros centesimas = 0;
    CentimosEnteros desde = 0;
    for (const TramoAhorro& tramo : kTramosAhorro2025) {
        if (centimos <= desde)
            break;
        centesimas += ((centimos < tramo.hasta ? centimos : tramo.hasta) - desde) * tramo.tipo;
        desde = tramo.hasta;
    }
    return static_cast<double>(AEuros((centesimas + 50) / 100));
}

double ImpuestoSobreGanancia(const CondicionesInversion& c, double ganancia) {
    if (ganancia <= 0)
        return 0;
    switch (c.retencion) {
    case TipoRetencion::Tramos: return ImpuestoTramosAhorro(ganancia);
    case TipoRetencion::Fija:
        return RedondeadoAlCentimo(static_cast<double>(static_cast<long double>(ganancia) * c.retencionFija / 100));
    case TipoRetencion::Ninguna: break;
    }
    return 0;
}

}  // namespace finance
