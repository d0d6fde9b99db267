#include "finance/nombres_hipoteca.h"

namespace finance {

QStringList NombresSistema() {
    return {QStringLiteral("Francés"), QStringLiteral("Alemán"), QStringLiteral("Americano"),
            QStringLiteral("Creciente")};
}

QStringList NombresCarencia() {
    return {QStringLiteral("Sin carencia"), QStringLiteral("Parcial"), QStringLiteral("Total")};
}

QStringList NombresTipoInteres() {
    return {QStringLiteral("Fijo"), QStringLiteral("Variable"), QStringLiteral("Mixto")};
}

QString NombreSistema(SistemaAmortizacion sistema) { return NombresSistema().value(int(sistema)); }

bool UsaOpcionesHipoteca(const CondicionesPrestamo& c) {
    return c.sistema != SistemaAmortizacion::Frances || (c.carencia != TipoCarencia::Ninguna && c.cuotasCarencia > 0) ||
           c.tipoInteres != TipoInteres::Fijo || c.seguroAnual != 0 || c.mantenimientoAnual != 0;
}

bool EsTAEVariable(const CondicionesPrestamo& c) { return c.tipoInteres != TipoInteres::Fijo; }

QString NombreTAE(const CondicionesPrestamo& c) {
    return EsTAEVariable(c) ? QStringLiteral("TAE variable") : QStringLiteral("TAE");
}

}  // namespace finance
