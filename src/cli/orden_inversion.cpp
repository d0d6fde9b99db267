#include "cli/orden_inversion.h"

#include "cli/lectura_opciones.h"
#include "cli/partes_informe.h"
#include "cli/resumen_orden.h"
#include "cli/valores_json.h"
#include "finance/calculo_inversion.h"

namespace {

// The unknowns in the order of the page's list; the calculation numbers them
// from 4.
const QStringList kIncognitas = {QStringLiteral("cuota"), QStringLiteral("interes"), QStringLiteral("cuotas"),
                                 QStringLiteral("capital")};
constexpr finance::CodigoCalculo kPrimerCalculo = finance::CodigoCalculo::InversionCuota;

QList<DatoResultado> Resultado(const finance::EstadoInversion& e) {
    return {DatoImporte(QStringLiteral("Cuota"), QStringLiteral("cuota"), e.Cuota),
            DatoTasa(QStringLiteral("Interés"), QStringLiteral("interes"), e.Interes),
            DatoEntero(QStringLiteral("Nº Cuotas"), QStringLiteral("cuotas"), e.NumCuotas),
            DatoImporte(QStringLiteral("Cap. Inicial"), QStringLiteral("capital_inicial"), e.CapInicial),
            DatoImporte(QStringLiteral("Capital Invertido"), QStringLiteral("capital_invertido"), e.Invertido),
            DatoImporte(QStringLiteral("Capital Final"), QStringLiteral("capital_final"), e.Capital),
            DatoImporte(QStringLiteral("Beneficio"), QStringLiteral("beneficio"), e.Beneficio),
            DatoImporte(QStringLiteral("% Beneficio"), QStringLiteral("porcentaje_beneficio"), e.Porcentaje)};
}

TablaOrden Tabla(const DatosFilasInversion& datos) {
    auto json = [](const trInversion& f) {
        return QStringList{JsonEntero(f.numero),      JsonFecha(f.fecha),         JsonImporte(f.cuota),
                           JsonImporte(f.invertido),  JsonImporte(f.acumulado),   JsonImporte(f.beneficio)};
    };
    return {QStringLiteral("Inversiones, tabla de desarrollo"), TitulosTablaInversion(),
            {QStringLiteral("n"), QStringLiteral("fecha"), QStringLiteral("cuota"), QStringLiteral("invertido"),
             QStringLiteral("acumulado"), QStringLiteral("beneficio")},
            RecorridoFilas<TFilasInversion, trInversion>(datos, json)};
}

}  // namespace

OpcionesAdmitidas OpcionesInversion() {
    return ConOpcionesComunes(
        {{QStringLiteral("--calcular"), QStringLiteral("--cuota"), QStringLiteral("--interes"),
          QStringLiteral("--cuotas"), QStringLiteral("--capital"), QStringLiteral("--capital-inicial"),
          QStringLiteral("--primera-cuota")},
         {QStringLiteral("--inicio-periodo"), QStringLiteral("--final-periodo"), QStringLiteral("--resumen-anual")},
         {}});
}

InformeOrden OrdenInversion(const TArgumentosOrden& a) {
    const OpcionesComunes comunes = LeerOpcionesComunes(a);
    const finance::CodigoCalculo calculo = finance::CalculoDeLaLista(
        kPrimerCalculo, int(kIncognitas.indexOf(a.Eleccion(QStringLiteral("--calcular"), kIncognitas, kIncognitas[0]))));
    const finance::EntradaInversion entrada{
        TextoImporteOpcion(a, QStringLiteral("--cuota")),   TextoImporteOpcion(a, QStringLiteral("--interes")),
        TextoCantidadOpcion(a, QStringLiteral("--cuotas")), TextoImporteOpcion(a, QStringLiteral("--capital")),
        TextoImporteOpcion(a, QStringLiteral("--capital-inicial")),
        MomentoOpcion(a, finance::PaymentTiming::StartOfPeriod)};
    const QDate primera = FechaOpcion(a, QStringLiteral("--primera-cuota"));

    const finance::ResultadoInversion r = finance::ResolverInversion(calculo, entrada);
    RechazarSiAviso(r.aviso);
    const finance::EstadoInversion& e = r.estado;
    InformeOrden informe{QStringLiteral("Inversión"), Resultado(e), std::nullopt, std::nullopt, {}};
    const DatosFilasInversion datos{e.Capital, e.CapInicial, e.Interes, e.NumCuotas, e.Cuota, entrada.timing, primera};
    AnadirTablasMensuales(informe, comunes, datos, Tabla, ResumenOrdenInversion);
    return informe;
}
