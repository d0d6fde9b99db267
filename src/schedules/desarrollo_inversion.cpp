#include "schedules/desarrollo_inversion.h"

#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/graficos_tabla.h"
#include "schedules/textos_resumen_anual.h"
#include "util/textos_celda.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>

namespace {

ValorCelda CeldaInversion(const trInversion& f, int c) {
    switch (c) {
    case 0: return CeldaEntero(f.numero);
    case 1: return CeldaFecha(f.fecha);
    case 2: return CeldaImporte(f.cuota);
    case 3: return CeldaImporte(f.invertido);
    case 4: return CeldaImporte(f.acumulado);
    case 5: return CeldaImporte(f.beneficio);
    case 6: return f.valorReal ? CeldaImporte(*f.valorReal) : ValorCelda{};
    default: return {};
    }
}

void EscribirTabla(const DatosFilasInversion& datos, TAttributeGrid& grid) {
    std::vector<trInversion> filas = FilasInversion(datos);
    std::vector<ColumnaDesarrollo> columnas{{QStringLiteral("Nº"), kFondoClaro, clBlack},
                                       {QStringLiteral("Fecha"), kFondoOscuro, clMaroon},
                                       {QStringLiteral("Cuota"), kFondoClaro, clNavy},
                                       {QStringLiteral("Invertido"), kFondoClaro, clNavy},
                                       {QStringLiteral("Acumulado"), kFondoOscuro, clRed},
                                       {QStringLiteral("Beneficio"), kFondoOscuro, clRed}};
    // With inflation, the capital of each row in today's money.
    if (datos.condiciones.inflacion)
        columnas.push_back({QStringLiteral("Valor real"), kFondoClaro, clNavy});
    PrepararRejilla(grid, columnas, int(filas.size()));
    // The four amount columns are wider than in a loan table.
    EnsancharColumnas(grid, 2, 50);
    MostrarFilas(grid, std::move(filas), CeldaInversion);
}

}  // namespace

TablaTextos CifrasInversion(const finance::EstadoInversion& estado) {
    const finance::PanelesInversion p = finance::TextosPanelesInversion(estado);
    TablaTextos cifras;
    const std::pair<QString, QString> opcionales[] = {{QStringLiteral("Capital final real"), p.capitalReal},
                                                      {QStringLiteral("Ganancia real"), p.gananciaReal},
                                                      {QStringLiteral("Impuesto"), p.impuesto},
                                                      {QStringLiteral("Capital final neto"), p.capitalNeto}};
    QStringList valores;
    for (const auto& [titulo, texto] : opcionales) {
        if (texto.isEmpty())
            continue;
        cifras.titulos << titulo;
        valores << texto;
    }
    if (!valores.isEmpty())
        cifras.filas.push_back(valores);
    return cifras;
}

void DesarrollarInversion(const EntradaDesarrolloInversion& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasInversion& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha);
    EscribirTabla(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = ClaseDesarrollo::Inversion;
    ventana.FijarTitulo(QStringLiteral("Inversiones, tabla de desarrollo"));
    ventana.PnlDato1->setText(TextoImporte(d.Cuota));
    ventana.PnlDato2->setText(entrada.textoInteres + QStringLiteral(" %"));
    ventana.PnlDato3->setText(entrada.textoNumCuotas);
    ventana.LblDato4->setText(QStringLiteral("Cap. Inicial"));
    ventana.PnlDato4->setText(TextoImporte(d.CapInicial));
    ventana.PnlDato4->move(ventana.PnlDato4->x() + 25, ventana.PnlDato4->y());
    ventana.LblDato5->setText(QStringLiteral("Cap. Final"));
    ventana.LblDato5->show();
    ventana.PnlDato5->show();
    ventana.PnlDato5->setText(TextoImporte(d.Capital));
    EnsancharPanelesInformacion(ventana);
    EnsancharParaColumnas(ventana);
    ventana.FijarResumenAnual([d] { return TextosResumenAnual(ResumenAnualInversion(d)); });
    ventana.FijarGraficos([d] { return GraficosInversion(FilasInversion(d)); });
    ventana.ActualizarEstado();
}
