#include "schedules/desarrollo_prestamo.h"

#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/textos_resumen_anual.h"
#include "util/textos_celda.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>
#include <algorithm>
#include <memory>

namespace {

// The fields a loan row can show, in the order of the plain table; the
// early repayment and its fee come last because they show only when used.
enum Campo { kNumero, kFecha, kCuota, kCapital, kInteres, kAmortizado, kPendiente, kPagado, kIntereses,
             kAmortAnticipada, kComision };

ValorCelda CeldaPrestamo(const trPrestamo& f, int campo) {
    switch (campo) {
    case kNumero: return CeldaEntero(f.numero);
    case kFecha: return CeldaFecha(f.fecha);
    case kCuota: return CeldaImporte(f.cuota);
    case kCapital: return CeldaImporte(f.capital);
    case kInteres: return CeldaImporte(f.interes);
    case kAmortizado: return CeldaImporte(f.amortizado);
    case kPendiente: return CeldaImporte(f.pendiente);
    case kPagado: return CeldaImporte(f.pagado);
    case kIntereses: return CeldaImporte(f.intereses);
    case kAmortAnticipada: return CeldaImporte(f.amortAnticipada);
    case kComision: return CeldaImporte(f.comision);
    default: return {};
    }
}

struct ColumnaPrestamo {
    Campo campo;
    ColumnaDesarrollo aspecto;
};

// The table's columns: the plain nine, with the early repayment (and its
// fee, when one has a fee) after the instalment's split, where a reader
// looks for what else was paid with it.
std::vector<ColumnaPrestamo> ColumnasPrestamo(const finance::CondicionesPrestamo& condiciones) {
    std::vector<ColumnaPrestamo> columnas{{kNumero, {QStringLiteral("Nº"), kFondoClaro, clBlack}},
                                          {kFecha, {QStringLiteral("Fecha"), kFondoOscuro, clMaroon}},
                                          {kCuota, {QStringLiteral("Cuota"), kFondoClaro, clNavy}},
                                          {kCapital, {QStringLiteral("Capital"), kFondoClaro, clNavy}},
                                          {kInteres, {QStringLiteral("Interés"), kFondoClaro, clNavy}}};
    const auto& amortizaciones = condiciones.amortizaciones;
    if (!amortizaciones.empty())
        columnas.push_back({kAmortAnticipada, {QStringLiteral("Amort. anticipada"), kFondoClaro, clNavy}});
    if (std::any_of(amortizaciones.begin(), amortizaciones.end(), [](const auto& a) { return a.comision != 0; }))
        columnas.push_back({kComision, {QStringLiteral("Comisión"), kFondoClaro, clNavy}});
    columnas.insert(columnas.end(), {{kAmortizado, {QStringLiteral("Amortizado"), kFondoOscuro, clBlack}},
                                     {kPendiente, {QStringLiteral("Pendiente"), kFondoOscuro, clBlack}},
                                     {kPagado, {QStringLiteral("Pagado"), kFondoClaro, clRed}},
                                     {kIntereses, {QStringLiteral("Intereses"), kFondoClaro, clRed}}});
    return columnas;
}

}  // namespace

void EscribirTablaPrestamo(const DatosFilasPrestamo& datos, TAttributeGrid& grid) {
    auto filas = std::make_shared<const std::vector<trPrestamo>>(FilasPrestamo(datos));
    const std::vector<ColumnaPrestamo> columnas = ColumnasPrestamo(datos.condiciones);
    std::vector<ColumnaDesarrollo> aspectos;
    std::vector<Campo> campos;
    for (const ColumnaPrestamo& c : columnas) {
        aspectos.push_back(c.aspecto);
        campos.push_back(c.campo);
    }
    PrepararRejilla(grid, aspectos, int(filas->size()));
    MostrarFilas(grid, int(filas->size()), [filas, campos](int c, int i) {
        return CeldaPrestamo((*filas)[std::size_t(i)], campos[std::size_t(c)]);
    });
}

void DesarrollarPrestamo(const EntradaDesarrolloPrestamo& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasPrestamo& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha, finance::MesesPorPeriodo(d.condiciones.periodicidad));
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
