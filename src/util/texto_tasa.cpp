#include "util/texto_tasa.h"

#include "util/ajustes_regionales.h"
#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>

namespace {

// Rates below a ten-billionth of a percent are said as such, not spelled.
constexpr int kMaxDecimales = 10;
// The smallest positive double has 324 decimals.
constexpr int kMaxDecimalesCampo = 330;

// The decimals that give two significant digits; panels stop at
// kMaxDecimales and say "menos de" beyond, an edit box takes all it needs.
QString TextoDiminuto(double valor, int maxDecimales) {
    const double magnitud = std::abs(valor);
    const int decimales = std::min(maxDecimales, 1 - int(std::floor(std::log10(magnitud))));
    QString texto = QString::number(magnitud, 'f', decimales);
    const QChar separador = Ajustes().separadorDecimal;
    if (texto.toDouble() == 0)
        return QStringLiteral("menos de 0%1%2").arg(separador).arg(QStringLiteral("1"), decimales, QLatin1Char('0'));
    texto.replace(QLatin1Char('.'), separador);
    return valor < 0 ? QLatin1Char('-') + texto : texto;
}

}  // namespace

bool TasaDiminuta(double valor) {
    if (valor == 0 || !std::isfinite(valor))
        return false;
    char cifras[kMaxCifrasCentimos];
    const Centimos c = RedondearCentimos(valor, cifras);
    return std::all_of(cifras, cifras + c.largo, [](char cifra) { return cifra == '0'; });
}

QString TextoTasa(double valor) {
    return TasaDiminuta(valor) ? TextoDiminuto(valor, kMaxDecimales) : TextoImporte(valor);
}

QString TextoTasaCampo(double valor) {
    return TasaDiminuta(valor) ? TextoDiminuto(valor, kMaxDecimalesCampo) : TextoDosDecimales(valor);
}
