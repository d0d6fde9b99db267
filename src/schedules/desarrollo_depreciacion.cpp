#include "schedules/desarrollo_depreciacion.h"
#include "finance/anios_naturales.h"

#include "finance/textos_tabla.h"

#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/graficos_tabla.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>

namespace {

ValorCelda CeldaDepreciacion(const trDepreciacion& f, int c) {
    switch (c) {
    case 0: return CeldaEntero(f.anio);
    case 1: return CeldaFecha(f.fecha);
    case 2: return CeldaImporte(f.valorInicial);
    case 3: return CeldaImporte(f.depPeriodo);
    case 4: return CeldaImporte(f.valorFinal);
    case 5: return CeldaImporte(f.depAcumulada);
    default: return {};
    }
}

void EscribirTabla(const DatosFilasDepreciacion& datos, TAttributeGrid& grid) {
    std::vector<trDepreciacion> filas = FilasDepreciacion(datos);
    PrepararRejilla(grid,
                    {{QStringLiteral("Año"), kFondoClaro, clBlack},
                     {QStringLiteral("Fecha"), kFondoOscuro, clMaroon},
                     {QStringLiteral("Valor Inicial"), kFondoClaro, clNavy},
                     {QStringLiteral("Dep. Periodo"), kFondoClaro, clNavy},
                     {QStringLiteral("Valor Final"), kFondoOscuro, clRed},
                     {QStringLiteral("Dep. Acumulada"), kFondoOscuro, clRed}},
                    int(filas.size()));
    // The four amount columns are wider than in a loan table.
    EnsancharColumnas(grid, 2, 50);
    MostrarFilas(grid, std::move(filas), CeldaDepreciacion);
}

void Mover(QWidget* control, int pixeles) { control->move(control->x() + pixeles, control->y()); }

// Relabels and refills the five pairs, then widens and moves them so that
// the longer captions of a depreciation fit.
void EscribirInformacion(const DatosFilasDepreciacion& d, TFormDesarrolloCalculos& v) {
    v.LblDato1->setText(QStringLiteral("Valor inicial"));
    v.PnlDato1->setText(TextoImporte(d.ValorInicial));
    v.LblDato2->setText(QStringLiteral("Valor final"));
    v.PnlDato2->setText(TextoImporte(d.ValorFinal));
    v.LblDato3->setText(QStringLiteral("Años vida útil"));
    v.PnlDato3->setText(TextoEntero(d.AniosUtil));
    v.LblDato4->show();
    v.LblDato4->setText(QStringLiteral("Años cálculo"));
    v.PnlDato4->show();
    v.PnlDato4->setText(TextoEntero(d.AniosCalculo));
    v.LblDato5->hide();
    v.PnlDato5->hide();

    v.PnlDato2->resize(v.PnlDato1->width(), v.PnlDato2->height());
    v.PnlDato4->resize(v.PnlDato3->width(), v.PnlDato4->height());

    Mover(v.PnlDato1, 35);
    Mover(v.LblDato2, 35);
    Mover(v.PnlDato2, 55);
    Mover(v.LblDato3, 120);
    Mover(v.PnlDato3, 140);
    Mover(v.LblDato4, 140);
    Mover(v.PnlDato4, 175);
}

}  // namespace

void DesarrollarDepreciacion(const EntradaDesarrolloDepreciacion& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasDepreciacion& d = entrada.datos;
    ComprobarDesarrolloAnual(finance::AniosNaturales(d.AniosUtil, d.mesInicio), d.primeraFecha);
    EscribirTabla(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = ClaseDesarrollo::Depreciacion;
    const QString titulo = TituloTablaDepreciacion(d.CalculoActual);
    if (!titulo.isEmpty())
        ventana.FijarTitulo(titulo);
    EscribirInformacion(d, ventana);
    ventana.FijarGraficos([d] { return GraficosDepreciacion(FilasDepreciacion(d)); });
    EnsancharPanelesInformacion(ventana);
    ventana.ActualizarEstado();
}
