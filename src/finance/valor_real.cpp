#include "finance/valor_real.h"

#include "finance/centimos_enteros.h"

#include <cmath>

namespace finance {

double ValorReal(double nominal, double inflacion, int meses) {
    const long double deflactor = std::pow(1 + static_cast<long double>(inflacion) / 100, meses / 12.0L);
    return RedondeadoAlCentimo(static_cast<double>(nominal / deflactor));
}

}  // namespace finance
