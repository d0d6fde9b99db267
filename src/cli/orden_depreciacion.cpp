#include "cli/orden_depreciacion.h"

#include "cli/lectura_opciones.h"
#include "cli/partes_informe.h"
#include "cli/valores_json.h"
#include "finance/calculo_depreciacion.h"
#include "finance/textos_tabla.h"
#include "finance/limites_tabla.h"

namespace {

const QString kMetodo = QStringLiteral("--metodo");
// The methods in the order of the page's list; the calculation numbers them from 8.
const QStringList kMetodos = {QStringLiteral("lineal"), QStringLiteral("digitos"), QStringLiteral("doble")};
constexpr finance::CodigoCalculo kPrimerCalculo = finance::CodigoCalculo::DepreciacionLineal;

QList<DatoResultado> Resultado(const finance::EstadoDepreciacion& e) {
    return {DatoImporte(QStringLiteral("Depreciación total durante los años de vida útil"),
                        QStringLiteral("depreciacion_vida_util"), e.DepVidaUtil),
            DatoImporte(QStringLiteral("Valor al final de los años de vida útil"),
                        QStringLiteral("valor_final_vida_util"), e.ValorInicial - e.DepVidaUtil),
            DatoImporte(QStringLiteral("Depreciación total durante los años calculados"),
                        QStringLiteral("depreciacion_calculada"), e.DepCalculada),
            DatoImporte(QStringLiteral("Valor al final de los años calculados"),
                        QStringLiteral("valor_final_calculado"), e.ValorInicial - e.DepCalculada)};
}

TablaOrden Tabla(const DatosFilasDepreciacion& datos) {
    ComprobarDesarrolloAnual(datos.AniosUtil, datos.primeraFecha);
    auto json = [](const trDepreciacion& f) {
        return QStringList{JsonEntero(f.anio),           JsonFecha(f.fecha),         JsonImporte(f.valorInicial),
                           JsonImporte(f.depPeriodo),    JsonImporte(f.valorFinal),  JsonImporte(f.depAcumulada)};
    };
    return {TituloTablaDepreciacion(datos.CalculoActual), TitulosTablaDepreciacion(),
            {QStringLiteral("anio"), QStringLiteral("fecha"), QStringLiteral("valor_inicial"),
             QStringLiteral("dep_periodo"), QStringLiteral("valor_final"), QStringLiteral("dep_acumulada")},
            RecorridoFilas<TFilasDepreciacion, trDepreciacion>(datos, json)};
}

}  // namespace

OpcionesAdmitidas OpcionesDepreciacion() {
    return ConOpcionesComunes({{kMetodo, QStringLiteral("--valor-inicial"), QStringLiteral("--valor-final"),
                                QStringLiteral("--vida-util"), QStringLiteral("--anios"), QStringLiteral("--fecha")},
                               {}, {}});
}

InformeOrden OrdenDepreciacion(const TArgumentosOrden& a) {
    const OpcionesComunes comunes = LeerOpcionesComunes(a);
    if (!a.Tiene(kMetodo))
        throw EUsoOrden(QStringLiteral("%1: falta la opción (%2)").arg(kMetodo, kMetodos.join(QStringLiteral(", "))));
    const finance::CodigoCalculo calculo =
        finance::CalculoDeLaLista(kPrimerCalculo, int(kMetodos.indexOf(a.Eleccion(kMetodo, kMetodos, kMetodos[0]))));
    const finance::EntradaDepreciacion entrada{
        TextoImporteOpcion(a, QStringLiteral("--valor-inicial")), TextoImporteOpcion(a, QStringLiteral("--valor-final")),
        TextoCantidadOpcion(a, QStringLiteral("--vida-util")), TextoCantidadOpcion(a, QStringLiteral("--anios"))};
    const QDate primera = FechaOpcion(a, QStringLiteral("--fecha"));

    const finance::ResultadoDepreciacion r = finance::ResolverDepreciacion(calculo, entrada);
    RechazarSiAviso(r.aviso);
    const finance::EstadoDepreciacion& e = r.estado;
    InformeOrden informe{QStringLiteral("Depreciación"), Resultado(e), std::nullopt, std::nullopt, {}};
    if (comunes.tabla)
        informe.tabla = Tabla(
            {e.ValorInicial, e.ValorFinal, e.AniosUtil, e.AniosCalculo, e.DepVidaUtil, calculo, primera});
    return informe;
}
