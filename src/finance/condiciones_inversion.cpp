#include "finance/condiciones_inversion.h"

namespace finance {
namespace {

bool PorcentajeDeCambio(double porcentaje) { return porcentaje > -100 && porcentaje <= 100; }

}  // namespace

std::optional<QString> MotivoCondicionesInversion(const CondicionesInversion& c) {
    if (!PorcentajeDeCambio(c.crecimiento))
        return QStringLiteral("El crecimiento de la cuota debe ser mayor que -100 y no pasar de 100.");
    if (c.inflacion && !PorcentajeDeCambio(*c.inflacion))
        return QStringLiteral("La inflación debe ser mayor que -100 y no pasar de 100.");
    if (c.retencion == TipoRetencion::Fija && !(c.retencionFija >= 0 && c.retencionFija <= 100))
        return QStringLiteral("La retención debe estar entre 0 y 100.");
    return std::nullopt;
}

}  // namespace finance
