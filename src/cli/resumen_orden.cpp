#include "cli/resumen_orden.h"

#include "cli/valores_json.h"
#include "finance/nombres_hipoteca.h"
#include "util/textos_celda.h"
#include "util/textos_numericos.h"

#include <memory>

namespace {

// The year's cell: the year, or "Total" (JSON "total") on the total row.
// Where the yearly costs go in a loan's summary: before "Pendiente".
constexpr qsizetype kColumnaCostes = 5;

QString TextoAnio(int anio) { return anio == 0 ? QStringLiteral("Total") : TextoEntero(anio); }
QString JsonAnio(int anio) { return anio == 0 ? JsonTexto(QStringLiteral("total")) : JsonEntero(anio); }

// Passes over the years of the summary `calcular` gives, then its total; the
// summary is worked out afresh at the start of each pass.
template <typename Calcular, typename Fila>
std::function<SiguienteFila()> RecorridoResumen(Calcular calcular, Fila fila) {
    return [calcular, fila] {
        auto resumen = std::make_shared<decltype(calcular())>(calcular());
        auto siguiente = std::make_shared<std::size_t>(0);
        return SiguienteFila([resumen, siguiente, fila](FilaOrden& salida) {
            const std::size_t i = (*siguiente)++;
            if (i > resumen->anios.size())
                return false;
            salida = fila(i < resumen->anios.size() ? resumen->anios[i] : resumen->total);
            return true;
        });
    };
}

// `costes`: the loan has insurance or maintenance, shown before "Pendiente".
FilaOrden FilaPrestamo(const AnioPrestamo& a, bool costes) {
    const TTextosCelda t;
    FilaOrden fila{{TextoAnio(a.anio), TextoEntero(a.cuotas), t.Importe(a.pagado), t.Importe(a.capital),
                    t.Importe(a.interes), t.Importe(a.pendiente)},
                   {JsonAnio(a.anio), JsonEntero(a.cuotas), JsonImporte(a.pagado), JsonImporte(a.capital),
                    JsonImporte(a.interes), JsonImporte(a.pendiente)}};
    if (costes) {
        fila.textos.insert(kColumnaCostes, t.Importe(a.costes));
        fila.json.insert(kColumnaCostes, JsonImporte(a.costes));
    }
    return fila;
}

FilaOrden FilaInversion(const AnioInversion& a) {
    const TTextosCelda t;
    FilaOrden fila{{TextoAnio(a.anio), TextoEntero(a.cuotas), t.Importe(a.aportado), t.Importe(a.intereses),
                    t.Importe(a.capital)},
                   {JsonAnio(a.anio), JsonEntero(a.cuotas), JsonImporte(a.aportado), JsonImporte(a.intereses),
                    JsonImporte(a.capital)}};
    if (a.valorReal) {
        fila.textos << t.Importe(*a.valorReal);
        fila.json << JsonImporte(*a.valorReal);
    }
    return fila;
}

}  // namespace

TablaOrden ResumenOrdenPrestamo(const DatosFilasPrestamo& datos) {
    const bool costes = datos.condiciones.seguroAnual != 0 || datos.condiciones.mantenimientoAnual != 0;
    TablaOrden tabla{QStringLiteral("Resumen anual"),
                     {QStringLiteral("Año"), QStringLiteral("Cuotas"), QStringLiteral("Pagado"),
                      QStringLiteral("Capital"), QStringLiteral("Intereses"), QStringLiteral("Pendiente")},
                     {QStringLiteral("anio"), QStringLiteral("cuotas"), QStringLiteral("pagado"),
                      QStringLiteral("capital"), QStringLiteral("intereses"), QStringLiteral("pendiente")},
                     RecorridoResumen([datos] { return ResumenAnualPrestamo(datos); },
                                      [costes](const AnioPrestamo& a) { return FilaPrestamo(a, costes); })};
    if (costes) {
        tabla.titulos.insert(kColumnaCostes, finance::TituloCostesAnuales());
        tabla.claves.insert(kColumnaCostes, QStringLiteral("seguro_mantenimiento"));
    }
    return tabla;
}

TablaOrden ResumenOrdenInversion(const DatosFilasInversion& datos) {
    QStringList titulos{QStringLiteral("Año"), QStringLiteral("Cuotas"), QStringLiteral("Aportado"),
                        QStringLiteral("Intereses"), QStringLiteral("Capital")};
    QStringList claves{QStringLiteral("anio"), QStringLiteral("cuotas"), QStringLiteral("aportado"),
                       QStringLiteral("intereses"), QStringLiteral("capital")};
    if (datos.condiciones.inflacion) {
        titulos << QStringLiteral("Valor real");
        claves << QStringLiteral("valor_real");
    }
    return {QStringLiteral("Resumen anual"), titulos, claves,
            RecorridoResumen([datos] { return ResumenAnualInversion(datos); }, FilaInversion)};
}
