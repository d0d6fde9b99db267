#include "cli/lectura_opciones.h"

#include "util/fechas.h"
#include "util/textos_numericos.h"

namespace {

const QString kInicio = QStringLiteral("--inicio-periodo");
const QString kFinal = QStringLiteral("--final-periodo");

template <typename Lectura>
QString TextoComprobado(const TArgumentosOrden& argumentos, const QString& opcion, Lectura leer) {
    const QString texto = argumentos.Valor(opcion);
    if (argumentos.Tiene(opcion))
        NombrandoOpcion(opcion, [&] { leer(texto); });
    return texto;
}

}  // namespace

OpcionesAdmitidas ConOpcionesComunes(OpcionesAdmitidas propias) {
    propias.conValor << QStringLiteral("--formato") << QStringLiteral("--salida");
    propias.banderas << QStringLiteral("--tabla");
    return propias;
}

OpcionesComunes LeerOpcionesComunes(const TArgumentosOrden& argumentos) {
    OpcionesComunes comunes;
    // --salida is another name for --formato.
    const QString formato = QStringLiteral("--formato"), salida = QStringLiteral("--salida");
    argumentos.Excluyentes(formato, salida);
    comunes.formato = argumentos.Eleccion(argumentos.Tiene(salida) ? salida : formato,
                                          {QStringLiteral("texto"), QStringLiteral("csv"), QStringLiteral("json")},
                                          QStringLiteral("texto"));
    comunes.tabla = argumentos.Tiene(QStringLiteral("--tabla"));
    comunes.resumenAnual = argumentos.Tiene(QStringLiteral("--resumen-anual"));
    return comunes;
}

QString TextoImporteOpcion(const TArgumentosOrden& argumentos, const QString& opcion) {
    return TextoComprobado(argumentos, opcion, [](const QString& t) { LeerImporte(t); });
}

QString TextoCantidadOpcion(const TArgumentosOrden& argumentos, const QString& opcion) {
    return TextoComprobado(argumentos, opcion, [](const QString& t) { LeerCantidad(t); });
}

QDate FechaOpcion(const TArgumentosOrden& argumentos, const QString& opcion) {
    if (!argumentos.Tiene(opcion))
        return QDate::currentDate();
    // A blank date box means today, as on the page.
    return NombrandoOpcion(opcion, [&] { return LeerFecha(argumentos.Valor(opcion)).value_or(QDate::currentDate()); });
}

finance::PaymentTiming MomentoOpcion(const TArgumentosOrden& argumentos, finance::PaymentTiming porDefecto) {
    argumentos.Excluyentes(kInicio, kFinal);
    if (argumentos.Tiene(kInicio))
        return finance::PaymentTiming::StartOfPeriod;
    if (argumentos.Tiene(kFinal))
        return finance::PaymentTiming::EndOfPeriod;
    return porDefecto;
}
