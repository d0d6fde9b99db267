#include "schedules/desarrollo_retirada.h"

#include "finance/todas_las_filas.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/graficos_tabla.h"
#include "ui/panel_resultado.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>

namespace {

ValorCelda CeldaRetirada(const trRetirada& f, int c) {
    switch (c) {
    case 0: return CeldaEntero(f.numero);
    case 1: return CeldaFecha(f.fecha);
    case 2: return CeldaImporte(f.retirada);
    case 3: return CeldaImporte(f.interes);
    case 4: return CeldaImporte(f.capital);
    default: return {};
    }
}

void EscribirTabla(const DatosFilasRetirada& datos, TAttributeGrid& grid) {
    std::vector<trRetirada> filas = FilasRetirada(datos);
    const std::vector<ColumnaDesarrollo> columnas{{QStringLiteral("Nº"), kFondoClaro, clBlack},
                                                  {QStringLiteral("Fecha"), kFondoOscuro, clMaroon},
                                                  {QStringLiteral("Retirada"), kFondoClaro, clNavy},
                                                  {QStringLiteral("Interés"), kFondoClaro, clNavy},
                                                  {QStringLiteral("Capital"), kFondoOscuro, clRed}};
    PrepararRejilla(grid, columnas, int(filas.size()));
    EnsancharColumnas(grid, 2, 50);
    MostrarFilas(grid, std::move(filas), CeldaRetirada);
}

}  // namespace

std::vector<trRetirada> FilasRetirada(const DatosFilasRetirada& datos) {
    return TodasLasFilas<trRetirada>(TFilasRetirada(datos));
}

void DesarrollarRetirada(const EntradaDesarrolloRetirada& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasRetirada& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha);
    EscribirTabla(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = ClaseDesarrollo::Retirada;
    ventana.FijarTitulo(QStringLiteral("Retiradas, tabla de desarrollo"));
    ventana.LblDato1->setText(QStringLiteral("Retirada"));
    ventana.PnlDato1->setText(TextoImporte(d.Retirada));
    ventana.PnlDato2->setText(entrada.textoInteres + QStringLiteral(" %"));
    ventana.PnlDato3->setText(entrada.textoNumCuotas);
    ventana.LblDato4->setText(QStringLiteral("Cap. Inicial"));
    ventana.PnlDato4->setText(TextoImporte(d.Capital));
    ventana.LblDato5->setText(QStringLiteral("Total retirado"));
    ventana.LblDato5->show();
    ventana.PnlDato5->show();
    ventana.PnlDato5->setText(TextoImporte(entrada.totalRetirado));
    DarSitioARotulos(ventana);
    EnsancharPanelesInformacion(ventana);
    EnsancharParaColumnas(ventana);
    // No yearly summary: each row already shows the capital left, and the
    // years of a withdrawal plan add nothing the table does not say.
    ventana.FijarGraficos([d] { return GraficosRetirada(FilasRetirada(d)); });
    ventana.ActualizarEstado();
}
