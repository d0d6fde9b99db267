#include "util/textos_numericos.h"

#include "util/ajustes_regionales.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// The first six digits past the cents at or above 499999: the value is no
// more than a millionth of a cent below the half cent.
constexpr char kCasiMedioCentimo[] = "499999";
constexpr std::size_t kCifrasDelEmpate = sizeof kCasiMedioCentimo - 1;

// Adds one to the last of the n digits, carrying; returns the new count
// (one more when every digit was 9).
std::size_t SumarUno(char* cifras, std::size_t n) {
    for (std::size_t i = n; i-- > 0;) {
        if (cifras[i] != '9') {
            ++cifras[i];
            return n;
        }
        cifras[i] = '0';
    }
    std::memmove(cifras + 1, cifras, n);
    cifras[0] = '1';
    return n + 1;
}

// The text of the rounded value, grouped by three when `agrupar`.
QString Componer(double valor, bool agrupar) {
    if (!std::isfinite(valor))
        return QString();
    char cifras[kMaxCifrasCentimos];
    const Centimos c = RedondearCentimos(valor, cifras);
    const char16_t miles = Ajustes().separadorMiles.unicode();
    char16_t salida[2 * kMaxCifrasCentimos];
    std::size_t k = 0;
    if (c.negativo)
        salida[k++] = u'-';
    const std::size_t entera = c.largo - 2;
    for (std::size_t i = 0; i < entera; ++i) {
        if (agrupar && i > 0 && (entera - i) % 3 == 0)
            salida[k++] = miles;
        salida[k++] = char16_t(cifras[i]);
    }
    salida[k++] = Ajustes().separadorDecimal.unicode();
    salida[k++] = char16_t(cifras[entera]);
    salida[k++] = char16_t(cifras[entera + 1]);
    return QString(reinterpret_cast<const QChar*>(salida), qsizetype(k));
}

}  // namespace

bool ImporteMostrable(double valor) { return std::isfinite(valor) && std::fabs(valor) <= kImporteMaximo; }

Centimos RedondearCentimos(double valor, char (&cifras)[kMaxCifrasCentimos]) {
    // Below a tenth of a cent nothing shows, and the digits of the tiniest
    // doubles run to hundreds of places.
    if (std::fabs(valor) < 0.001) {
        std::fill_n(cifras, 3, '0');
        return {3, false};
    }
    char texto[kMaxCifrasCentimos];
    const char* fin = std::to_chars(texto, texto + sizeof texto, std::fabs(valor), std::chars_format::fixed).ptr;
    const char* punto = std::find(static_cast<const char*>(texto), fin, '.');
    std::size_t n = std::size_t(punto - texto);
    std::memcpy(cifras, texto, n);
    char fraccion[2 + kCifrasDelEmpate];
    std::fill(std::begin(fraccion), std::end(fraccion), '0');
    for (std::size_t i = 0; i < sizeof fraccion && punto != fin && punto + 1 + i < fin; ++i)
        fraccion[i] = punto[1 + i];
    cifras[n++] = fraccion[0];
    cifras[n++] = fraccion[1];
    if (std::memcmp(fraccion + 2, kCasiMedioCentimo, kCifrasDelEmpate) >= 0)
        n = SumarUno(cifras, n);
    const bool cero = std::all_of(cifras, cifras + n, [](char c) { return c == '0'; });
    return {n, std::signbit(valor) && !cero};
}

QString TextoDosDecimales(double valor) { return Componer(valor, false); }

QString TextoImporte(double valor) { return Componer(valor, true); }

QString TextoEntero(long long valor) { return QString::number(valor); }

QString CifrasAgrupadas(const QString& cifras, QChar miles) {
    QString salida;
    for (qsizetype i = 0; i < cifras.size(); ++i) {
        if (i > 0 && (cifras.size() - i) % 3 == 0)
            salida += miles;
        salida += cifras[i];
    }
    return salida;
}

QString TextoEnteroAgrupado(long long n) {
    const QString cifras = CifrasAgrupadas(QString::number(n < 0 ? -n : n), Ajustes().separadorMiles);
    return n < 0 ? QLatin1Char('-') + cifras : cifras;
}
