#include "cli/orden_prestamo.h"

#include "cli/condiciones_orden.h"
#include "cli/lectura_opciones.h"
#include "cli/partes_informe.h"
#include "cli/resumen_orden.h"
#include "cli/valores_json.h"
#include "finance/calculo_prestamo.h"
#include "finance/nombres_hipoteca.h"

namespace {

// The unknowns in the order of the page's list, whose first one it starts with.
const QStringList kIncognitas = {QStringLiteral("cuota"), QStringLiteral("interes"), QStringLiteral("cuotas"),
                                 QStringLiteral("capital")};

// The contract's figures; the instalments really paid when early
// repayments shorten the term, and the TAE of the typed revisions when
// there are some. A mortgage's choices add its repayment system and its
// highest instalment, and a variable or mixed rate names its TAE so.
QList<DatoResultado> Resultado(const finance::EstadoPrestamo& e, const finance::CondicionesPrestamo& condiciones) {
    const bool hipoteca = condiciones.HayOpcionesHipoteca();
    QList<DatoResultado> datos;
    if (hipoteca)
        datos << DatoResultado{QStringLiteral("Sistema"), finance::NombreSistema(condiciones.sistema),
                               QStringLiteral("sistema"), JsonTexto(ClaveSistema(condiciones.sistema))};
    datos << DatoImporte(QStringLiteral("Cuota"), QStringLiteral("cuota"), e.Cuota);
    if (hipoteca)
        datos << DatoImporte(QStringLiteral("Cuota máxima"), QStringLiteral("cuota_maxima"), e.CuotaMaxima);
    datos << DatoTasa(QStringLiteral("Interés"), QStringLiteral("interes"), e.Interes)
          << DatoEntero(QStringLiteral("Nº Cuotas"), QStringLiteral("cuotas"), e.NumCuotas);
    if (e.CuotasPagadas != e.NumCuotas)
        datos << DatoEntero(QStringLiteral("Cuotas pagadas"), QStringLiteral("cuotas_pagadas"), e.CuotasPagadas);
    datos << DatoImporte(QStringLiteral("Capital"), QStringLiteral("capital"), e.Capital)
          << DatoImporte(QStringLiteral("Total pagado"), QStringLiteral("total_pagado"), e.TotalPagado)
          << DatoImporte(QStringLiteral("Total intereses"), QStringLiteral("total_intereses"), e.TotalIntereses)
          << DatoImporte(QStringLiteral("% Intereses"), QStringLiteral("porcentaje_intereses"), e.Porcentaje)
          << DatoImporte(QStringLiteral("Coste total"), QStringLiteral("coste_total"), e.CosteTotal)
          << DatoTasa(finance::NombreTAE(condiciones), QStringLiteral("tae"), e.TAE);
    if (!condiciones.revisiones.empty())
        datos << DatoTasa(QStringLiteral("TAE con las revisiones indicadas"), QStringLiteral("tae_con_revisiones"),
                          e.TAEConRevisiones);
    return datos;
}

TablaOrden Tabla(const DatosFilasPrestamo& datos) {
    const ColumnasOpcionalesPrestamo opcionales = ColumnasOpcionalesDe(datos.condiciones);
    auto json = [opcionales](const trPrestamo& f) {
        return ConColumnasOpcionales({JsonEntero(f.numero), JsonFecha(f.fecha), JsonImporte(f.cuota),
                                      JsonImporte(f.capital), JsonImporte(f.interes), JsonImporte(f.amortizado),
                                      JsonImporte(f.pendiente), JsonImporte(f.pagado), JsonImporte(f.intereses)},
                                     opcionales,
                                     {JsonImporte(f.interesAnual),
                                      JsonTexto(f.carencia ? QStringLiteral("carencia") : QStringLiteral("cuota")),
                                      JsonImporte(f.amortAnticipada), JsonImporte(f.comision)});
    };
    auto textos = [opcionales](const TTextosCelda& t, const trPrestamo& f) {
        return TextosFilaTabla(t, f, opcionales);
    };
    return {QStringLiteral("Préstamos, tabla de desarrollo"), TitulosTablaPrestamo(opcionales),
            ConColumnasOpcionales({QStringLiteral("n"), QStringLiteral("fecha"), QStringLiteral("cuota"),
                                   QStringLiteral("capital"), QStringLiteral("interes"), QStringLiteral("amortizado"),
                                   QStringLiteral("pendiente"), QStringLiteral("pagado"), QStringLiteral("intereses")},
                                  opcionales,
                                  {QStringLiteral("interes_anual"), QStringLiteral("tipo_fila"),
                                   QStringLiteral("amortizacion_anticipada"), QStringLiteral("comision")}),
            RecorridoFilas<TFilasPrestamo, trPrestamo>(datos, json, textos)};
}

}  // namespace

OpcionesAdmitidas OpcionesPrestamo() {
    return ConOpcionesComunes(ConOpcionesCondiciones(
        {{QStringLiteral("--calcular"), QStringLiteral("--capital"), QStringLiteral("--interes"),
          QStringLiteral("--cuotas"), QStringLiteral("--cuota"), QStringLiteral("--primer-pago")},
         {QStringLiteral("--inicio-periodo"), QStringLiteral("--final-periodo"), QStringLiteral("--resumen-anual")},
         {}}));
}

finance::EntradaPrestamo EntradaPrestamoOpciones(const TArgumentosOrden& a) {
    return {TextoImporteOpcion(a, QStringLiteral("--capital")), TextoImporteOpcion(a, QStringLiteral("--interes")),
            TextoCantidadOpcion(a, QStringLiteral("--cuotas")), TextoImporteOpcion(a, QStringLiteral("--cuota")),
            MomentoOpcion(a, finance::PaymentTiming::EndOfPeriod), CondicionesOpcion(a)};
}

InformeOrden OrdenPrestamo(const TArgumentosOrden& a) {
    const OpcionesComunes comunes = LeerOpcionesComunes(a);
    const finance::CodigoCalculo calculo = finance::CalculoDeLaLista(
        finance::CodigoCalculo::PrestamoCuota,
        int(kIncognitas.indexOf(a.Eleccion(QStringLiteral("--calcular"), kIncognitas, kIncognitas[0]))));
    const finance::EntradaPrestamo entrada = EntradaPrestamoOpciones(a);
    const QDate primera = FechaOpcion(a, QStringLiteral("--primer-pago"));

    const finance::ResultadoPrestamo r = finance::ResolverPrestamo(calculo, entrada);
    RechazarSiAviso(r.aviso);
    const finance::EstadoPrestamo& e = r.estado;
    InformeOrden informe{QStringLiteral("Préstamo"), Resultado(e, entrada.condiciones), std::nullopt, std::nullopt,
                         e.Avisos};
    const DatosFilasPrestamo datos{e.Capital, e.Interes, e.NumCuotas, e.Cuota,
                                   entrada.timing, primera, entrada.condiciones};
    AnadirTablasMensuales(informe, comunes, datos, Tabla, ResumenOrdenPrestamo);
    return informe;
}
