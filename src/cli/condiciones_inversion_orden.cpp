#include "cli/condiciones_inversion_orden.h"

#include "cli/lectura_opciones.h"
#include "util/textos_numericos.h"

namespace {

const QString kCrecimiento = QStringLiteral("--crecimiento");
const QString kInflacion = QStringLiteral("--inflacion");
const QString kRetencion = QStringLiteral("--retencion");

double PorcentajeOpcion(const TArgumentosOrden& a, const QString& opcion) {
    return NombrandoOpcion(opcion, [&] { return LeerImporte(a.Valor(opcion)); });
}

}  // namespace

OpcionesAdmitidas ConOpcionesCondicionesInversion(OpcionesAdmitidas propias) {
    propias.conValor << kCrecimiento << kInflacion << kRetencion;
    propias.banderas << kRetencion;
    return propias;
}

finance::CondicionesInversion CondicionesInversionOpcion(const TArgumentosOrden& a) {
    finance::CondicionesInversion c;
    if (a.Tiene(kCrecimiento))
        c.crecimiento = PorcentajeOpcion(a, kCrecimiento);
    if (a.Tiene(kInflacion))
        c.inflacion = PorcentajeOpcion(a, kInflacion);
    if (a.Tiene(kRetencion)) {
        // Bare, it is the brackets of savings income; with a value, that flat percentage.
        c.retencion = a.Valor(kRetencion).isEmpty() ? finance::TipoRetencion::Tramos : finance::TipoRetencion::Fija;
        if (c.retencion == finance::TipoRetencion::Fija)
            c.retencionFija = PorcentajeOpcion(a, kRetencion);
    }
    return c;
}
