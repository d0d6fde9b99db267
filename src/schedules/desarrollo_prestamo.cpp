#include "schedules/desarrollo_prestamo.h"

#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/graficos_tabla.h"
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

// The columns an early repayment adds: its amount, and its fee when one
// has a fee.
std::vector<std::pair<Campo, QString>> ColumnasAnticipadas(const finance::CondicionesPrestamo& condiciones) {
    const auto& amortizaciones = condiciones.amortizaciones;
    std::vector<std::pair<Campo, QString>> columnas;
    if (!amortizaciones.empty())
        columnas.push_back({kAmortAnticipada, QStringLiteral("Amort. anticipada")});
    if (std::any_of(amortizaciones.begin(), amortizaciones.end(), [](const auto& a) { return a.comision != 0; }))
        columnas.push_back({kComision, QStringLiteral("Comisión")});
    return columnas;
}

}  // namespace

void EscribirTablaPrestamo(const DatosFilasPrestamo& datos, TAttributeGrid& grid) {
    auto filas = std::make_shared<const std::vector<trPrestamo>>(FilasPrestamo(datos));
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
                    int(filas->size()));
    std::vector<Campo> campos{kNumero,     kFecha,     kCuota,  kCapital,  kInteres,
                              kAmortizado, kPendiente, kPagado, kIntereses};
    // What else was paid with an instalment stands after its split; the
    // columns are inserted so that the later ones keep their own look.
    int c = kInteres + 1;
    for (const auto& [campo, titulo] : ColumnasAnticipadas(datos.condiciones)) {
        grid.InsertColumn(c);
        grid.SetCells(c, 0, titulo);
        grid.ColorCol(c, kFondoClaro);
        grid.FontCol(c).SetColor(clNavy);
        grid.Attributes().AlignColList.Put(c, quint8(grid.CellAlign(kInteres, 1)));
        campos.insert(campos.begin() + c++, campo);
    }
    MostrarFilas(grid, int(filas->size()), [filas, campos](int col, int i) {
        return CeldaPrestamo((*filas)[std::size_t(i)], campos[std::size_t(col)]);
    });
}

TablaTextos CifrasPrestamo(const finance::EstadoPrestamo& estado) {
    const finance::PanelesPrestamo p = finance::TextosPanelesPrestamo(estado);
    TablaTextos cifras{{QStringLiteral("Total intereses"), QStringLiteral("Coste total"), QStringLiteral("TAE")},
                       {{p.intereses, p.costeTotal, p.tae}}};
    if (estado.TAEConRevisiones) {
        cifras.titulos << QStringLiteral("TAE con las revisiones indicadas");
        cifras.filas.front() << p.taeConRevisiones;
    }
    return cifras;
}

void DesarrollarPrestamo(const EntradaDesarrolloPrestamo& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasPrestamo& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha, finance::MesesPorPeriodo(d.condiciones.periodicidad));
    EscribirTablaPrestamo(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = ClaseDesarrollo::Prestamo;
    ventana.PeriodosPorAnio = finance::PeriodosPorAnio(d.condiciones.periodicidad);
    ventana.FijarTitulo(QStringLiteral("Préstamos, tabla de desarrollo"));
    ventana.PnlDato1->setText(TextoImporte(d.Cuota));
    ventana.PnlDato2->setText(entrada.textoInteres + QStringLiteral(" %"));
    ventana.PnlDato3->setText(entrada.textoNumCuotas);
    ventana.PnlDato4->setText(TextoImporte(d.Capital));
    ventana.LblDato5->hide();
    ventana.PnlDato5->hide();
    EnsancharPanelesInformacion(ventana);
    EnsancharParaColumnas(ventana);
    ventana.FijarResumenAnual([d] { return TextosResumenAnual(ResumenAnualPrestamo(d)); });
    ventana.FijarGraficos([d] { return GraficosPrestamo(FilasPrestamo(d), ResumenAnualPrestamo(d)); });
    ventana.ActualizarEstado();
}
