#include "schedules/desarrollo_prestamo.h"

#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/graficos_tabla.h"
#include "schedules/textos_resumen_anual.h"
#include "finance/nombres_hipoteca.h"
#include "finance/textos_tabla.h"
#include "util/textos_celda.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QLabel>
#include <algorithm>
#include <memory>

namespace {

// The fields a loan row can show, in the order of the plain table; the
// others come last because they show only when the conditions use them.
enum Campo { kNumero, kFecha, kCuota, kCapital, kInteres, kAmortizado, kPendiente, kPagado, kIntereses,
             kInteresAnual, kCarencia, kAmortAnticipada, kComision };

ValorCelda CeldaPrestamo(const trPrestamo& f, int campo, finance::TipoCarencia carencia) {
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
    case kInteresAnual: return CeldaImporte(f.interesAnual);
    case kCarencia: return CeldaTexto(TextoCarencia(f, carencia));
    case kAmortAnticipada: return CeldaImporte(f.amortAnticipada);
    case kComision: return CeldaImporte(f.comision);
    default: return {};
    }
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
    // The optional columns, in the order the command line and the exported
    // texts put them, are inserted so that the later ones keep their own
    // look.
    const ColumnasOpcionalesPrestamo opcionales = ColumnasOpcionalesDe(datos.condiciones);
    const QStringList titulos = TitulosTablaPrestamo(opcionales);
    const std::vector<std::pair<Campo, QString>> extras{{kInteresAnual, TituloInteresAnual()},
                                                        {kCarencia, TituloCarencia()},
                                                        {kAmortAnticipada, TituloAmortAnticipada()},
                                                        {kComision, TituloComision()}};
    int c = kInteres + 1;
    for (const auto& [campo, titulo] : extras) {
        if (!titulos.contains(titulo))
            continue;
        grid.InsertColumn(c);
        grid.SetCells(c, 0, titulo);
        grid.ColorCol(c, kFondoClaro);
        grid.FontCol(c).SetColor(clNavy);
        grid.Attributes().AlignColList.Put(c, quint8(grid.CellAlign(kInteres, 1)));
        campos.insert(campos.begin() + c++, campo);
    }
    const finance::TipoCarencia carencia = opcionales.carencia;
    MostrarFilas(grid, int(filas->size()), [filas, campos, carencia](int col, int i) {
        return CeldaPrestamo((*filas)[std::size_t(i)], campos[std::size_t(col)], carencia);
    });
}

TablaTextos CifrasPrestamo(const finance::EstadoPrestamo& estado, const finance::CondicionesPrestamo& condiciones) {
    const finance::PanelesPrestamo p = finance::TextosPanelesPrestamo(estado);
    TablaTextos cifras{{QStringLiteral("Total intereses")}, {{p.intereses}}};
    auto anadir = [&cifras](const QString& titulo, const QString& texto) {
        cifras.titulos << titulo;
        cifras.filas.front() << texto;
    };
    if (condiciones.seguroAnual != 0)
        anadir(QStringLiteral("Seguro anual"), TextoImporte(condiciones.seguroAnual));
    if (condiciones.mantenimientoAnual != 0)
        anadir(QStringLiteral("Mantenimiento anual"), TextoImporte(condiciones.mantenimientoAnual));
    anadir(QStringLiteral("Coste total"), p.costeTotal);
    anadir(finance::NombreTAE(condiciones), p.tae);
    if (estado.TAEConRevisiones)
        anadir(QStringLiteral("TAE con las revisiones indicadas"), p.taeConRevisiones);
    return cifras;
}

void DesarrollarPrestamo(const EntradaDesarrolloPrestamo& entrada, TFormDesarrolloCalculos& ventana) {
    const DatosFilasPrestamo& d = entrada.datos;
    ComprobarDesarrolloMensual(d.NumCuotas, d.primeraFecha, finance::MesesPorPeriodo(d.condiciones.periodicidad));
    EscribirTablaPrestamo(d, *ventana.GridDesarrollo);

    ventana.TipoDesarrollo = ClaseDesarrollo::Prestamo;
    ventana.PeriodosPorAnio = finance::PeriodosPorAnio(d.condiciones.periodicidad);
    // A mortgage's table, and so its printed report, names its system in
    // the heading; its other choices show in the table's own columns, and
    // the heading must fit the printed page's width.
    QString titulo = QStringLiteral("Préstamos, tabla de desarrollo");
    if (d.condiciones.HayOpcionesHipoteca())
        titulo += QStringLiteral(" (sistema %1)").arg(finance::NombreSistema(d.condiciones.sistema).toLower());
    ventana.FijarTitulo(titulo);
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
