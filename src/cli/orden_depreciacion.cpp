#include "cli/orden_depreciacion.h"

#include "cli/lectura_opciones.h"
#include "cli/partes_informe.h"
#include "cli/valores_json.h"
#include "finance/anios_naturales.h"
#include "finance/calculo_depreciacion.h"
#include "finance/tablas_fiscales.h"
#include "finance/textos_tabla.h"
#include "finance/limites_tabla.h"

namespace {

const QString kMetodo = QStringLiteral("--metodo");
const QString kVidaUtil = QStringLiteral("--vida-util");
const QString kFecha = QStringLiteral("--fecha");
const QString kTablaFiscal = QStringLiteral("--tabla-fiscal");
// The methods in the order of the page's list; the calculation numbers them from 8.
const QStringList kMetodos = {QStringLiteral("lineal"), QStringLiteral("digitos"), QStringLiteral("doble"),
                              QStringLiteral("doble-lineal")};
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

std::optional<finance::TablaFiscal> TablaFiscalOpcion(const TArgumentosOrden& a) {
    if (!a.Tiene(kTablaFiscal))
        return std::nullopt;
    const QString clave = a.Valor(kTablaFiscal);
    const auto tabla = finance::BuscarTablaFiscal(clave);
    if (!tabla) {
        QStringList claves;
        for (const finance::TablaFiscal& t : finance::TablasFiscales())
            claves << t.clave;
        throw EUsoOrden(QStringLiteral("%1: «%2» no es un tipo de bien de la tabla fiscal (%3)")
                            .arg(kTablaFiscal, clave, claves.join(QStringLiteral(", "))));
    }
    return tabla;
}

// The kind of asset chosen, its limits and, when the life is outside them,
// the warning, after the four figures.
void AnadirTablaFiscal(QList<DatoResultado>& resultado, const finance::TablaFiscal& t, int vida) {
    // The texts stay short, as the readable output aligns them with the
    // figures; JSON carries the whole warning.
    resultado << DatoResultado{QStringLiteral("Tabla fiscal"), t.clave, QStringLiteral("tabla_fiscal"),
                               JsonTexto(t.clave)}
              << DatoEntero(QStringLiteral("Coeficiente lineal máximo (%)"), QStringLiteral("coeficiente_maximo"),
                            t.coeficiente)
              << DatoEntero(QStringLiteral("Vida útil mínima"), QStringLiteral("vida_minima"),
                            finance::VidaMinima(t))
              << DatoEntero(QStringLiteral("Periodo máximo"), QStringLiteral("periodo_maximo"), t.periodoMaximo);
    if (const auto aviso = finance::AvisoVidaFiscal(t, vida)) {
        const QString breve = vida < finance::VidaMinima(t) ? QStringLiteral("menor que la mínima")
                                                            : QStringLiteral("mayor que el periodo máximo");
        resultado << DatoResultado{QStringLiteral("Vida útil de la tabla fiscal"), breve,
                                   QStringLiteral("aviso_fiscal"), JsonTexto(*aviso)};
    }
}

TablaOrden Tabla(const DatosFilasDepreciacion& datos) {
    ComprobarDesarrolloAnual(finance::AniosNaturales(datos.AniosUtil, datos.mesInicio), datos.primeraFecha);
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
    return ConOpcionesComunes({{kMetodo, QStringLiteral("--valor-inicial"), QStringLiteral("--valor-final"), kVidaUtil,
                                QStringLiteral("--anios"), kFecha, kTablaFiscal},
                               {}, {}});
}

InformeOrden OrdenDepreciacion(const TArgumentosOrden& a) {
    const OpcionesComunes comunes = LeerOpcionesComunes(a);
    if (!a.Tiene(kMetodo))
        throw EUsoOrden(QStringLiteral("%1: falta la opción (%2)").arg(kMetodo, kMetodos.join(QStringLiteral(", "))));
    const finance::CodigoCalculo calculo =
        finance::CalculoDeLaLista(kPrimerCalculo, int(kMetodos.indexOf(a.Eleccion(kMetodo, kMetodos, kMetodos[0]))));
    const std::optional<finance::TablaFiscal> fiscal = TablaFiscalOpcion(a);
    finance::EntradaDepreciacion entrada;
    entrada.valorInicial = TextoImporteOpcion(a, QStringLiteral("--valor-inicial"));
    entrada.valorFinal = TextoImporteOpcion(a, QStringLiteral("--valor-final"));
    // A kind of asset from the tax table with no life given takes the
    // shortest life the table allows.
    entrada.aniosUtil = fiscal && !a.Tiene(kVidaUtil) ? QString::number(finance::VidaMinima(*fiscal))
                                                      : TextoCantidadOpcion(a, kVidaUtil);
    entrada.aniosCalculo = TextoCantidadOpcion(a, QStringLiteral("--anios"));
    const QDate primera = FechaOpcion(a, kFecha);
    // A start date given starts the asset in its month; left out, the
    // years are whole years from today, as they always were.
    if (a.Tiene(kFecha))
        entrada.mesInicio = primera.month();

    const finance::ResultadoDepreciacion r = finance::ResolverDepreciacion(calculo, entrada);
    RechazarSiAviso(r.aviso);
    const finance::EstadoDepreciacion& e = r.estado;
    InformeOrden informe{QStringLiteral("Depreciación"), Resultado(e), std::nullopt, std::nullopt, {}};
    if (fiscal)
        AnadirTablaFiscal(informe.resultado, *fiscal, e.AniosUtil);
    if (comunes.tabla)
        informe.tabla = Tabla({e.ValorInicial, e.ValorFinal, e.AniosUtil, e.AniosCalculo, e.DepVidaUtil, calculo,
                               primera, e.MesInicio});
    return informe;
}
