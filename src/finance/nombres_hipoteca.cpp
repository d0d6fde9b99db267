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

QString DescripcionHipoteca(const CondicionesPrestamo& c, bool conSistema) {
    QStringList partes;
    if (conSistema || c.sistema != SistemaAmortizacion::Frances)
        partes << QStringLiteral("sistema ") + NombreSistema(c.sistema).toLower();
    if (c.carencia != TipoCarencia::Ninguna)
        partes << QStringLiteral("carencia %1 de %2 cuotas")
                      .arg(NombresCarencia().value(int(c.carencia)).toLower())
                      .arg(c.cuotasCarencia);
    if (c.tipoInteres != TipoInteres::Fijo)
        partes << QStringLiteral("interés ") + NombresTipoInteres().value(int(c.tipoInteres)).toLower();
    if (c.seguroAnual != 0)
        partes << QStringLiteral("seguro");
    if (c.mantenimientoAnual != 0)
        partes << QStringLiteral("mantenimiento");
    return partes.join(QStringLiteral(", "));
}

QString TituloCostesAnuales() { return QStringLiteral("Seguro y mant."); }

bool EsTAEVariable(const CondicionesPrestamo& c) { return c.tipoInteres != TipoInteres::Fijo; }

QString NombreTAE(const CondicionesPrestamo& c) {
    return EsTAEVariable(c) ? QStringLiteral("TAE variable") : QStringLiteral("TAE");
}

}  // namespace finance
