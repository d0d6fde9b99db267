#include "finance/tablas_fiscales.h"

namespace finance {

// The table of article 12.1.a of Ley 27/2014, de 27 de noviembre, del
// Impuesto sobre Sociedades (in force from 2015), for the kinds most people
// depreciate.
const QList<TablaFiscal>& TablasFiscales() {
    static const QList<TablaFiscal> tablas = {
        {QStringLiteral("edificios-industriales"), QStringLiteral("Edificios industriales"), 3, 68},
        {QStringLiteral("edificios-comerciales"),
         QStringLiteral("Edificios comerciales, administrativos, de servicios y viviendas"), 2, 100},
        {QStringLiteral("almacenes"), QStringLiteral("Almacenes y depósitos"), 7, 30},
        {QStringLiteral("instalaciones"), QStringLiteral("Instalaciones"), 10, 20},
        {QStringLiteral("maquinaria"), QStringLiteral("Maquinaria"), 12, 18},
        {QStringLiteral("equipos-medicos"), QStringLiteral("Equipos médicos y asimilados"), 15, 14},
        {QStringLiteral("mobiliario"), QStringLiteral("Mobiliario"), 10, 20},
        {QStringLiteral("utiles-herramientas"), QStringLiteral("Útiles y herramientas"), 25, 8},
        {QStringLiteral("moldes"), QStringLiteral("Moldes, matrices y modelos"), 33, 6},
        {QStringLiteral("otros-enseres"), QStringLiteral("Otros enseres"), 15, 14},
        {QStringLiteral("equipos-electronicos"), QStringLiteral("Equipos electrónicos"), 20, 10},
        {QStringLiteral("equipos-informaticos"), QStringLiteral("Equipos para procesos de información"), 25, 8},
        {QStringLiteral("programas-informaticos"), QStringLiteral("Sistemas y programas informáticos"), 33, 6},
        {QStringLiteral("vehiculos"), QStringLiteral("Elementos de transporte externo (vehículos)"), 16, 14},
        {QStringLiteral("autocamiones"), QStringLiteral("Autocamiones"), 20, 10},
    };
    return tablas;
}

std::optional<TablaFiscal> BuscarTablaFiscal(const QString& clave) {
    for (const TablaFiscal& t : TablasFiscales())
        if (t.clave == clave)
            return t;
    return std::nullopt;
}

int VidaMinima(const TablaFiscal& tabla) { return (100 + tabla.coeficiente - 1) / tabla.coeficiente; }

std::optional<QString> AvisoVidaFiscal(const TablaFiscal& tabla, int vida) {
    if (vida < VidaMinima(tabla))
        return QStringLiteral("La vida útil de %1 años es menor que la mínima de la tabla fiscal para «%2»: "
                              "%3 años (coeficiente máximo del %4 %).")
            .arg(vida)
            .arg(tabla.nombre)
            .arg(VidaMinima(tabla))
            .arg(tabla.coeficiente);
    if (vida > tabla.periodoMaximo)
        return QStringLiteral("La vida útil de %1 años es mayor que el periodo máximo de la tabla fiscal para «%2»: "
                              "%3 años.")
            .arg(vida)
            .arg(tabla.nombre)
            .arg(tabla.periodoMaximo);
    return std::nullopt;
}

}  // namespace finance
