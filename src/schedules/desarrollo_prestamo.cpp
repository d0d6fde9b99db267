#include "schedules/desarrollo_prestamo.h"

#include "app/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/textos_celda.h"
#include "schedules/textos_resumen_anual.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>

namespace {

void EscribirTabla(const DatosFilasPrestamo& datos, TAttributeGrid& grid) {
    TFilasPrestamo filas(datos);
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
                    filas.Cantidad());
    const TTextosCelda t;
    TEscrituraTabla tabla(grid);
    // Every row has the same instalment.
    const QString cuota = t.Importe(datos.Cuota);
    trPrestamo f;
    while (filas.Siguiente(f)) {
        tabla.Fila(f.numero,
                   {TextoEntero(f.numero), t.Fecha(f.fecha), cuota, t.Importe(f.capital),
                    t.Importe(f.interes), t.Importe(f.amortizado), t.Importe(f.pendiente),
                    t.Importe(f.pagado), t.Importe(f.intereses)});
    }
    tabla.AjustarAnchos();
}

}  // namespace

void DesarrollarPrestamo(const EntradaDesarrolloPrestamo& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasPrestamo& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha);
    EscribirTabla(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = 0;
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
