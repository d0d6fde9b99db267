#include "finance/centimos.h"

#include "finance/excepciones_matematicas.h"
#include "util/textos_numericos.h"

namespace finance {

long long CentimosDeImporte(double importe) {
    if (!ImporteMostrable(importe))
        throw EOverflow("CentimosDeImporte");
    char cifras[kMaxCifrasCentimos];
    const Centimos c = RedondearCentimos(importe, cifras);
    long long n = 0;
    for (std::size_t i = 0; i < c.largo; ++i)
        n = n * 10 + (cifras[i] - '0');
    return c.negativo ? -n : n;
}

double RedondeadoAlCentimo(double importe) {
    return ImporteMostrable(importe) ? EurosDe(CentimosDeImporte(importe)) : importe;
}

}  // namespace finance
