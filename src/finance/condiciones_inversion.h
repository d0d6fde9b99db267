#pragma once
// The conditions of a savings plan beyond its five figures: contributions
// that grow every year, the inflation that turns the capital into today's
// money, and the tax on the gain at the end. Defaults are a plain plan.
#include <QString>
#include <optional>

namespace finance {

enum class TipoRetencion {
    Ninguna,
    Tramos,  // the Spanish brackets of savings income (impuesto_ahorro.h)
    Fija,    // one flat percentage of the gain
};

struct CondicionesInversion {
    double crecimiento = 0;            // % the contribution grows every 12 contributions
    std::optional<double> inflacion;   // yearly %, when real values are wanted
    TipoRetencion retencion = TipoRetencion::Ninguna;
    double retencionFija = 0;          // % of the gain, for TipoRetencion::Fija

    bool HayCondiciones() const {
        return crecimiento != 0 || inflacion.has_value() || retencion != TipoRetencion::Ninguna;
    }
    bool operator==(const CondicionesInversion&) const = default;
};

// Why the conditions are refused: a growth or an inflation of -100 % or less
// (money would vanish) or beyond 100 %, or a flat tax outside 0 to 100 %.
// Nothing when they are fine.
std::optional<QString> MotivoCondicionesInversion(const CondicionesInversion& condiciones);

}  // namespace finance
