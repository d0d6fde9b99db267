#include "util/texto_tasa.h"

#include "util/ajustes_regionales.h"
#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>

namespace {

// A rate below a ten-billionth of a percent is the rounding noise of the
// solver around zero, not a rate anyone pays: it shows as 0,00.
constexpr double kTasaMinima = 1e-10;

}  // namespace

bool TasaDiminuta(double valor) {
    if (!std::isfinite(valor) || std::abs(valor) < kTasaMinima)
        return false;
    char cifras[kMaxCifrasCentimos];
    const Centimos c = RedondearCentimos(valor, cifras);
    return std::all_of(cifras, cifras + c.largo, [](char cifra) { return cifra == '0'; });
}

namespace {

// The decimals that give two significant digits.
QString TextoDiminuto(double valor) {
    const double magnitud = std::abs(valor);
    const int decimales = 1 - int(std::floor(std::log10(magnitud)));
    QString texto = QString::number(magnitud, 'f', decimales);
    texto.replace(QLatin1Char('.'), Ajustes().separadorDecimal);
    return valor < 0 ? QLatin1Char('-') + texto : texto;
}

}  // namespace

QString TextoTasa(double valor) {
    return TasaDiminuta(valor) ? TextoDiminuto(valor) : TextoImporte(valor);
}

QString TextoTasaCampo(double valor) {
    return TasaDiminuta(valor) ? TextoDiminuto(valor) : TextoDosDecimales(valor);
}
