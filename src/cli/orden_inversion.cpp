#include "cli/orden_inversion.h"

#include "cli/condiciones_inversion_orden.h"
#include "cli/lectura_opciones.h"
#include "cli/partes_informe.h"
#include "cli/resumen_orden.h"
#include "cli/valores_json.h"
#include "finance/calculo_inversion.h"
#include "finance/retirada_capital.h"

namespace {

// The unknowns in the order of the page's list; the calculation numbers them
// from 4. The withdrawal comes after them and has a calculation of its own.
const QStringList kIncognitas = {QStringLiteral("cuota"), QStringLiteral("interes"), QStringLiteral("cuotas"),
                                 QStringLiteral("capital"), QStringLiteral("retirada")};
const QString kRetirada = QStringLiteral("retirada");
constexpr finance::CodigoCalculo kPrimerCalculo = finance::CodigoCalculo::InversionCuota;

QList<DatoResultado> Resultado(const finance::EstadoInversion& e) {
    QList<DatoResultado> datos{
        DatoImporte(QStringLiteral("Cuota"), QStringLiteral("cuota"), e.Cuota),
        DatoTasa(QStringLiteral("Interés"), QStringLiteral("interes"), e.Interes),
        DatoEntero(QStringLiteral("Nº Cuotas"), QStringLiteral("cuotas"), e.NumCuotas),
        DatoImporte(QStringLiteral("Cap. Inicial"), QStringLiteral("capital_inicial"), e.CapInicial),
        DatoImporte(QStringLiteral("Capital Invertido"), QStringLiteral("capital_invertido"), e.Invertido),
        DatoImporte(QStringLiteral("Capital Final"), QStringLiteral("capital_final"), e.Capital),
        DatoImporte(QStringLiteral("Beneficio"), QStringLiteral("beneficio"), e.Beneficio),
        DatoImporte(QStringLiteral("% Beneficio"), QStringLiteral("porcentaje_beneficio"), e.Porcentaje)};
    if (e.condiciones.crecimiento != 0)
        datos << DatoTasa(QStringLiteral("Crecimiento anual"), QStringLiteral("crecimiento"), e.condiciones.crecimiento);
    if (e.condiciones.inflacion) {
        datos << DatoTasa(QStringLiteral("Inflación"), QStringLiteral("inflacion"), *e.condiciones.inflacion)
              << DatoImporte(QStringLiteral("Capital final real"), QStringLiteral("valor_real"), e.CapitalReal)
              << DatoImporte(QStringLiteral("Ganancia real"), QStringLiteral("ganancia_real"), e.GananciaReal);
    }
    if (e.condiciones.retencion != finance::TipoRetencion::Ninguna) {
        datos << DatoImporte(QStringLiteral("Impuesto"), QStringLiteral("impuesto"), e.Impuesto)
              << DatoImporte(QStringLiteral("Capital final neto"), QStringLiteral("capital_final_neto"),
                             e.CapitalNeto);
    }
    return datos;
}

TablaOrden Tabla(const DatosFilasInversion& datos) {
    const bool conValorReal = datos.condiciones.inflacion.has_value();
    auto json = [](const trInversion& f) {
        QStringList valores{JsonEntero(f.numero),     JsonFecha(f.fecha),       JsonImporte(f.cuota),
                            JsonImporte(f.invertido), JsonImporte(f.acumulado), JsonImporte(f.beneficio)};
        if (f.valorReal)
            valores << JsonImporte(*f.valorReal);
        return valores;
    };
    QStringList claves{QStringLiteral("n"),         QStringLiteral("fecha"),     QStringLiteral("cuota"),
                       QStringLiteral("invertido"), QStringLiteral("acumulado"), QStringLiteral("beneficio")};
    if (conValorReal)
        claves << QStringLiteral("valor_real");
    return {QStringLiteral("Inversiones, tabla de desarrollo"), TitulosTablaInversion(conValorReal), claves,
            RecorridoFilas<TFilasInversion, trInversion>(datos, json)};
}

QList<DatoResultado> ResultadoRetirada(const finance::EstadoRetirada& e) {
    return {DatoImporte(QStringLiteral("Retirada"), QStringLiteral("retirada"), e.Retirada),
            DatoImporte(QStringLiteral("Última retirada"), QStringLiteral("ultima_retirada"), e.UltimaRetirada),
            DatoTasa(QStringLiteral("Interés"), QStringLiteral("interes"), e.Interes),
            DatoEntero(QStringLiteral("Nº Cuotas"), QStringLiteral("cuotas"), e.NumCuotas),
            DatoImporte(QStringLiteral("Cap. Inicial"), QStringLiteral("capital_inicial"), e.Capital),
            DatoImporte(QStringLiteral("Total retirado"), QStringLiteral("total_retirado"), e.TotalRetirado),
            DatoImporte(QStringLiteral("Intereses"), QStringLiteral("intereses"), e.Intereses)};
}

TablaOrden TablaRetirada(const DatosFilasRetirada& datos) {
    auto json = [](const trRetirada& f) {
        return QStringList{JsonEntero(f.numero), JsonFecha(f.fecha), JsonImporte(f.retirada), JsonImporte(f.interes),
                           JsonImporte(f.capital)};
    };
    return {QStringLiteral("Retiradas, tabla de desarrollo"), TitulosTablaRetirada(),
            {QStringLiteral("n"), QStringLiteral("fecha"), QStringLiteral("retirada"), QStringLiteral("interes"),
             QStringLiteral("capital")},
            RecorridoFilas<TFilasRetirada, trRetirada>(datos, json)};
}

// The capital comes from --capital-inicial: what the person has at the start.
// Growth, inflation and tax belong to saving, not to spending the capital.
InformeOrden OrdenRetirada(const TArgumentosOrden& a, const OpcionesComunes& comunes,
                           finance::PaymentTiming timing) {
    for (const QString& opcion : {QStringLiteral("--crecimiento"), QStringLiteral("--inflacion"),
                                  QStringLiteral("--retencion"), QStringLiteral("--resumen-anual")}) {
        if (a.Tiene(opcion))
            throw EUsoOrden(QStringLiteral("%1 no se aplica a --calcular retirada").arg(opcion));
    }
    finance::EntradaRetirada entrada;
    entrada.capital = TextoImporteOpcion(a, QStringLiteral("--capital-inicial"));
    entrada.interes = TextoImporteOpcion(a, QStringLiteral("--interes"));
    entrada.numCuotas = TextoCantidadOpcion(a, QStringLiteral("--cuotas"));
    entrada.timing = timing;
    const QDate primera = FechaOpcion(a, QStringLiteral("--primera-cuota"));
    const finance::ResultadoRetirada r = finance::ResolverRetirada(entrada);
    RechazarSiAviso(r.aviso);
    const finance::EstadoRetirada& e = r.estado;
    InformeOrden informe{QStringLiteral("Retiradas"), ResultadoRetirada(e), std::nullopt, std::nullopt, {}};
    const DatosFilasRetirada datos = finance::DatosFilasDeRetirada(e, timing, primera);
    if (comunes.tabla) {
        ComprobarDesarrolloMensual(datos.NumCuotas, datos.primeraFecha, 1);
        informe.tabla = TablaRetirada(datos);
    }
    return informe;
}

}  // namespace

OpcionesAdmitidas OpcionesInversion() {
    return ConOpcionesCondicionesInversion(ConOpcionesComunes(
        {{QStringLiteral("--calcular"), QStringLiteral("--cuota"), QStringLiteral("--interes"),
          QStringLiteral("--cuotas"), QStringLiteral("--capital"), QStringLiteral("--capital-inicial"),
          QStringLiteral("--primera-cuota")},
         {QStringLiteral("--inicio-periodo"), QStringLiteral("--final-periodo"), QStringLiteral("--resumen-anual")},
         {}}));
}

InformeOrden OrdenInversion(const TArgumentosOrden& a) {
    const OpcionesComunes comunes = LeerOpcionesComunes(a);
    const QString incognita = a.Eleccion(QStringLiteral("--calcular"), kIncognitas, kIncognitas[0]);
    const finance::PaymentTiming timing = MomentoOpcion(a, finance::PaymentTiming::StartOfPeriod);
    if (incognita == kRetirada)
        return OrdenRetirada(a, comunes, timing);
    const finance::CodigoCalculo calculo =
        finance::CalculoDeLaLista(kPrimerCalculo, int(kIncognitas.indexOf(incognita)));
    finance::EntradaInversion entrada;
    entrada.cuota = TextoImporteOpcion(a, QStringLiteral("--cuota"));
    entrada.interes = TextoImporteOpcion(a, QStringLiteral("--interes"));
    entrada.numCuotas = TextoCantidadOpcion(a, QStringLiteral("--cuotas"));
    entrada.capital = TextoImporteOpcion(a, QStringLiteral("--capital"));
    entrada.capInicial = TextoImporteOpcion(a, QStringLiteral("--capital-inicial"));
    entrada.timing = timing;
    entrada.condiciones = CondicionesInversionOpcion(a);
    const QDate primera = FechaOpcion(a, QStringLiteral("--primera-cuota"));

    const finance::ResultadoInversion r = finance::ResolverInversion(calculo, entrada);
    RechazarSiAviso(r.aviso);
    const finance::EstadoInversion& e = r.estado;
    InformeOrden informe{QStringLiteral("Inversión"), Resultado(e), std::nullopt, std::nullopt, {}};
    AnadirTablasMensuales(informe, comunes, DatosFilasDeInversion(e, entrada.timing, primera), Tabla,
                          ResumenOrdenInversion);
    return informe;
}
