#include "finance/limites_comision.h"

namespace finance {
namespace {

// Ley 5/2019, de 15 de marzo, reguladora de los contratos de crédito
// inmobiliario, artículo 23 (reembolso anticipado):
// - variable rate: the contract may take 0,25 % during the first 3 years or
//   0,15 % during the first 5, and nothing afterwards. The program cannot
//   know which of the two a contract chose, so at each date it takes the
//   higher of the two: 0,25 % up to the third year, 0,15 % in the fourth and
//   fifth. A commission either choice allows is never reported as over the
//   law, and a repayment with no commission agreed is costed at the most the
//   law could charge;
// - fixed rate: 2 % during the first 10 years, 1,5 % from then on;
// - mixed rate: the fixed rule while the fixed stretch lasts, the variable
//   one (counted from the signing) once it has ended.
struct Tramo {
    int hastaMeses;     // the cap holds up to and including this month
    double porcentaje;
};

constexpr Tramo kVariable[] = {{3 * 12, 0.25}, {5 * 12, 0.15}};
constexpr double kVariableDespues = 0;
constexpr Tramo kFijo[] = {{10 * 12, 2.0}};
constexpr double kFijoDespues = 1.5;

template <std::size_t N>
double Buscar(const Tramo (&tramos)[N], double despues, int meses) {
    for (const Tramo& t : tramos)
        if (meses <= t.hastaMeses)
            return t.porcentaje;
    return despues;
}

}  // namespace

double ComisionMaximaAmortizacion(TipoInteres tipo, int meses, int mesesTramoFijo) {
    const bool fijo = tipo == TipoInteres::Fijo || (tipo == TipoInteres::Mixto && meses <= mesesTramoFijo);
    return fijo ? Buscar(kFijo, kFijoDespues, meses) : Buscar(kVariable, kVariableDespues, meses);
}

int MesesHastaCuota(int cuota, int mesesPorCuota, bool alInicio) {
    return (alInicio ? cuota - 1 : cuota) * mesesPorCuota;
}

}  // namespace finance
