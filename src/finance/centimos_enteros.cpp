#include "finance/centimos_enteros.h"

#include "finance/excepciones_matematicas.h"
#include "util/textos_numericos.h"

#include <cmath>

namespace finance {
namespace {

// The percentage is read as a decimal with this many decimals.
constexpr long double kEscalaDecimal = 1e12L;
// Beyond this many cents a product of cents and rate is exact only in the
// integer path (the long double keeps 64 bits of mantissa).
constexpr long double kMaxCentimosRapidos = 1e12L;
// The largest number of cents the program handles (a 1e15 amount is 1e17
// cents); beyond it an interest is refused rather than wrapped.
constexpr long double kMaxCentimos = 9e18L;

CentimosEnteros RedondearMitadArriba(long double x) {
    if (!(std::fabs(x) < kMaxCentimos))
        throw EOverflow("Desbordamiento en coma flotante");
    // The conversion truncates, which for a positive amount is the floor.
    const auto r = static_cast<CentimosEnteros>(std::fabs(x) + 0.5L);
    return x < 0 ? -r : r;
}

}  // namespace

CentimosEnteros ACentimos(long double euros) { return RedondearMitadArriba(euros * 100); }

long double CentimosComoSeMuestra(double importe) {
    char cifras[kMaxCifrasCentimos];
    const Centimos c = RedondearCentimos(importe, cifras);
    long double n = 0;
    for (std::size_t i = 0; i < c.largo; ++i)
        n = n * 10 + (cifras[i] - '0');
    return c.negativo ? -n : n;
}

CentimosEnteros CentimosDeImporte(double importe) {
    if (!ImporteMostrable(importe))
        throw EOverflow("CentimosDeImporte");
    return static_cast<CentimosEnteros>(CentimosComoSeMuestra(importe));
}

double RedondeadoAlCentimo(double importe) {
    return ImporteMostrable(importe) ? static_cast<double>(CentimosDeImporte(importe)) / 100.0 : importe;
}

CentimosEnteros RestarCentimos(CentimosEnteros a, CentimosEnteros b) {
    CentimosEnteros r = 0;
    if (__builtin_sub_overflow(a, b, &r))
        throw EOverflow("Desbordamiento en coma flotante");
    return r;
}

TasaPeriodo::TasaPeriodo(double interesAnual, int periodosPorAnio)
    : tasa_(static_cast<long double>(interesAnual) / (100 * periodosPorAnio)) {
    const long double escalado = static_cast<long double>(interesAnual) * kEscalaDecimal;
    // Up to 1e6 % a year keeps numerador_ times any balance inside 128 bits.
    if (std::fabs(escalado) <= 1e6L * kEscalaDecimal && periodosPorAnio > 0) {
        decimal_ = true;
        numerador_ = static_cast<std::int64_t>(std::llround(escalado));
        denominador_ = static_cast<std::int64_t>(100 * kEscalaDecimal) * periodosPorAnio;
        tasa_ = static_cast<long double>(numerador_) / static_cast<long double>(denominador_);
    }
}

CentimosEnteros TasaPeriodo::Interes(CentimosEnteros pendiente) const {
    const long double x = static_cast<long double>(pendiente) * tasa_;
    const long double absoluto = std::fabs(x);
    const bool dudoso = absoluto > kMaxCentimosRapidos ||
                        std::fabs(absoluto - static_cast<long double>(static_cast<CentimosEnteros>(absoluto)) - 0.5L) <
                            1e-6L;
    if (!decimal_ || !dudoso)
        return RedondearMitadArriba(x);
    // Exact: |pendiente| * numerador_ / denominador_, halves away from zero.
    const bool negativo = (pendiente < 0) != (numerador_ < 0);
    const unsigned __int128 n = static_cast<unsigned __int128>(pendiente < 0 ? -static_cast<__int128>(pendiente)
                                                                             : static_cast<__int128>(pendiente)) *
                                static_cast<unsigned __int128>(numerador_ < 0 ? -numerador_ : numerador_);
    const unsigned __int128 d = static_cast<unsigned __int128>(denominador_);
    const unsigned __int128 q = (2 * n + d) / (2 * d);
    if (q > static_cast<unsigned __int128>(kMaxCentimos))
        throw EOverflow("Desbordamiento en coma flotante");
    const auto r = static_cast<CentimosEnteros>(q);
    return negativo ? -r : r;
}

}  // namespace finance
