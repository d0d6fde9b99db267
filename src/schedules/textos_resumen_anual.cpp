#include "schedules/textos_resumen_anual.h"

#include "finance/nombres_hipoteca.h"
#include "util/textos_numericos.h"

namespace {

// Where the yearly costs go in a loan's summary: before "Pendiente".
constexpr qsizetype kColumnaCostes = 5;

QString Anio(int anio) { return anio > 0 ? TextoEntero(anio) : QStringLiteral("Total"); }

QStringList Textos(const AnioPrestamo& a) {
    return {Anio(a.anio),         TextoEntero(a.cuotas),    TextoImporte(a.pagado),
            TextoImporte(a.capital), TextoImporte(a.interes), TextoImporte(a.pendiente)};
}

QStringList Textos(const AnioInversion& a) {
    QStringList textos{Anio(a.anio), TextoEntero(a.cuotas), TextoImporte(a.aportado), TextoImporte(a.intereses),
                       TextoImporte(a.capital)};
    if (a.valorReal)
        textos << TextoImporte(*a.valorReal);
    return textos;
}

template <typename Anio>
TablaTextos Tabla(QStringList titulos, const ResumenAnual<Anio>& resumen) {
    TablaTextos tabla{std::move(titulos), {}};
    tabla.filas.reserve(resumen.anios.size() + 1);
    for (const Anio& a : resumen.anios)
        tabla.filas.push_back(Textos(a));
    tabla.filas.push_back(Textos(resumen.total));
    return tabla;
}

}  // namespace

TablaTextos TextosResumenAnual(const ResumenPrestamo& resumen) {
    TablaTextos tabla = Tabla({QStringLiteral("Año"), QStringLiteral("Cuotas"), QStringLiteral("Pagado"),
                               QStringLiteral("Capital"), QStringLiteral("Interés"), QStringLiteral("Pendiente")},
                              resumen);
    // Insurance and maintenance, paid besides the instalments, show only on
    // a loan that has them, before the capital pending.
    if (resumen.total.costes != 0) {
        tabla.titulos.insert(kColumnaCostes, finance::TituloCostesAnuales());
        for (std::size_t i = 0; i < tabla.filas.size(); ++i) {
            const AnioPrestamo& a = i < resumen.anios.size() ? resumen.anios[i] : resumen.total;
            tabla.filas[i].insert(kColumnaCostes, TextoImporte(a.costes));
        }
    }
    return tabla;
}

TablaTextos TextosResumenAnual(const ResumenInversion& resumen) {
    QStringList titulos{QStringLiteral("Año"), QStringLiteral("Cuotas"), QStringLiteral("Aportado"),
                        QStringLiteral("Intereses"), QStringLiteral("Capital")};
    if (resumen.total.valorReal)
        titulos << QStringLiteral("Valor real");
    return Tabla(titulos, resumen);
}
