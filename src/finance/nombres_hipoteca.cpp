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

bool EsTAEVariable(const CondicionesPrestamo& c) { return c.tipoInteres != TipoInteres::Fijo; }

QString NombreTAE(const CondicionesPrestamo& c) {
    return EsTAEVariable(c) ? QStringLiteral("TAE variable") : QStringLiteral("TAE");
}

}  // namespace finance
