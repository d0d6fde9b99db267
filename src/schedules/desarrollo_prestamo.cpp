#include "schedules/desarrollo_prestamo.h"

#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/textos_resumen_anual.h"
#include "util/textos_celda.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>

namespace {

ValorCelda CeldaPrestamo(const trPrestamo& f, int c) {
    switch (c) {
    case 0: return CeldaEntero(f.numero);
    case 1: return CeldaFecha(f.fecha);
    case 2: return CeldaImporte(f.cuota);
    case 3: return CeldaImporte(f.capital);
    case 4: return CeldaImporte(f.interes);
    case 5: return CeldaImporte(f.amortizado);
    case 6: return CeldaImporte(f.pendiente);
    case 7: return CeldaImporte(f.pagado);
    case 8: return CeldaImporte(f.intereses);
    default: return {};
    }
}

}  // namespace

void EscribirTablaPrestamo(const DatosFilasPrestamo& datos, TAttributeGrid& grid) {
    std::vector<trPrestamo> filas = FilasPrestamo(datos);
    PrepararRejilla(grid,
                    {{QStringLiteral("Nº"), kFondoClaro, clBlack},
                     {QStringLiteral("Fecha"), kFondoOscuro, clMaroon},
                     {QStringLiteral("Cuota"), kFondoClaro, clNavy},
                     {QStringLiteral("Capital"), kFondoClaro, clNavy},
                     {QStringLiteral("Interés"), kFondoClaro, clNavy},
                     {QStringLiteral("Amortizado"), kFondoOscuro, clBlack},
                     {QStringLiteral("Pendiente"), kFondoOscuro, clBlack},
                     {QStringLiteral("Pagado"), kFondoClaro, clRed},
                     {QStringLiteral("Intereses"), kFondoClaro, clRed}},
                    int(filas.size()));
    MostrarFilas(grid, std::move(filas), CeldaPrestamo);
}

void DesarrollarPrestamo(const EntradaDesarrolloPrestamo& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasPrestamo& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha);
    EscribirTablaPrestamo(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = ClaseDesarrollo::Prestamo;
    ventana.PnlInfoDesarrollo->setText(QStringLiteral(" Préstamos, tabla de desarrollo"));
    ventana.PnlDato1->setText(TextoImporte(d.Cuota));
    ventana.PnlDato2->setText(entrada.textoInteres + QStringLiteral(" %"));
    ventana.PnlDato3->setText(entrada.textoNumCuotas);
    ventana.PnlDato4->setText(TextoImporte(d.Capital));
    ventana.LblDato5->hide();
    ventana.PnlDato5->hide();
    EnsancharPanelesInformacion(ventana);
    ventana.FijarResumenAnual([d] { return TextosResumenAnual(ResumenAnualPrestamo(d)); });
    ventana.ActualizarEstado();
}
