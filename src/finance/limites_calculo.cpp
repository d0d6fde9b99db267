#include "finance/limites_calculo.h"

#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace finance {
namespace {

// The natural logarithm of the largest long double the time-value functions
// may reach, a little under the largest one so that rounding near it cannot
// overflow.
const long double kLnMaximo = std::log(std::numeric_limits<long double>::max()) - 1;

bool DentroDelLimite(double valor) { return std::isfinite(valor) && std::fabs(valor) < kImporteMaximo; }

// "El capital debe ser menor que 1.000.000.000.000.000,00."
QString FueraDelLimite(const NombreDato& dato, double valor) {
    return valor < 0 ? QStringLiteral("%1 debe ser mayor que %2.").arg(dato.nombre, TextoImporte(-kImporteMaximo))
                     : QStringLiteral("%1 debe ser menor que %2.").arg(dato.nombre, TextoImporte(kImporteMaximo));
}

}  // namespace

std::optional<QString> MotivoImporte(const NombreDato& dato, double valor) {
    if (valor < 0)
        return QStringLiteral("%1 no puede ser %2.")
            .arg(dato.nombre, dato.femenino ? QStringLiteral("negativa") : QStringLiteral("negativo"));
    if (!DentroDelLimite(valor))
        return FueraDelLimite(dato, valor);
    return std::nullopt;
}

std::optional<QString> MotivoInteres(double interes) {
    if (interes >= 0 && interes <= kInteresMaximo)
        return std::nullopt;
    return QStringLiteral("El interés debe estar entre 0 y %1.").arg(kInteresMaximo);
}

std::optional<QString> MotivoNumeroCuotas(int numero, long double tasa, double interes) {
    if (numero < 0)
        return QStringLiteral("El número de cuotas no puede ser negativo.");
    if (!(tasa > 0))
        return std::nullopt;
    // The compound factor (1 + tasa)^n, and the annuity factor, about 1/tasa
    // times as large, must both stay within a long double.
    const long double maximo = std::floor((kLnMaximo - std::max(0.0L, -std::log(tasa))) / std::log1p(tasa));
    if (numero <= maximo)
        return std::nullopt;
    return QStringLiteral("Con un interés del %1 % el número de cuotas no puede pasar de %2.")
        .arg(TextoImporte(interes), TextoEnteroAgrupado(static_cast<long long>(maximo)));
}

bool EjecutarDentroDelLimite(const std::function<void()>& paso, std::initializer_list<ResultadoNombrado> resultados,
                             std::optional<QString>& motivo) {
    try {
        paso();
    } catch (const std::exception&) {
        return false;  // the caller warns: the step has no result
    }
    bool admitidos = true;
    for (const ResultadoNombrado& r : resultados) {
        if (DentroDelLimite(*r.valor))
            continue;
        if (admitidos && std::isfinite(*r.valor))
            motivo = FueraDelLimite(r.dato, *r.valor);
        *r.valor = 0;
        admitidos = false;
    }
    return admitidos;
}

AvisoCalculo AvisoNoCalculado(const QString& titulo, const QString& que, const std::optional<QString>& motivo) {
    const QString texto = QStringLiteral("No se ha podido calcular %1 con estos datos.").arg(que);
    return {titulo, motivo ? texto + u'\r' + *motivo : texto};
}

}  // namespace finance
