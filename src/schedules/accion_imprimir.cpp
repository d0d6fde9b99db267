#include "schedules/accion_imprimir.h"

#include "ui/avisos.h"
#include "reports/form_rpt_depreciaciones.h"
#include "reports/form_rpt_inversiones.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/form_rpt_retiradas.h"
#include "reports/form_vista_previa.h"
#include "reports/fuente_filas.h"
#include "schedules/form_desarrollo_calculos.h"
#include "widgets/grid/attribute_grid.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopedValueRollback>
#include <memory>

namespace {

// The report reads its rows straight from the schedule grid.
class FilasRejilla : public FuenteFilas {
public:
    explicit FilasRejilla(const TStringGrid& rejilla) : rejilla_(rejilla) {}
    QString Celda(int columna, int fila) const override { return rejilla_.Cells(columna, fila); }

private:
    const TStringGrid& rejilla_;
};

// The titles of the columns a loan table shows beyond the plain ones: those
// between "Interés" and "Amortizado" (its early repayments and their fee).
QStringList ColumnasExtraPrestamo(const TStringGrid& rejilla) {
    QStringList extras;
    int c = 0;
    while (c < rejilla.ColCount() && rejilla.Cells(c, 0) != QStringLiteral("Interés"))
        ++c;
    for (++c; c < rejilla.ColCount() && rejilla.Cells(c, 0) != QStringLiteral("Amortizado"); ++c)
        extras.push_back(rejilla.Cells(c, 0));
    return extras;
}

std::unique_ptr<TFormRptBase> CrearInforme(const TFormDesarrolloCalculos& v) {
    switch (v.TipoDesarrollo) {
    case ClaseDesarrollo::Prestamo: {
        auto rpt = std::make_unique<TFormRptPrestamos>(ColumnasExtraPrestamo(*v.GridDesarrollo), v.PeriodosPorAnio);
        rpt->LblCapSol->texto = v.TextoDato(DatoResumen::Cuarto);
        rpt->LblIntSol->texto = v.TextoDato(DatoResumen::Segundo);
        rpt->LblAniosSol->texto = v.TextoDato(DatoResumen::Tercero);
        rpt->LblCuotaSol->texto = v.TextoDato(DatoResumen::Primero);
        return rpt;
    }
    case ClaseDesarrollo::Inversion: {
        const TStringGrid& rejilla = *v.GridDesarrollo;
        const bool conValorReal =
            rejilla.ColCount() > 6 && rejilla.Cells(6, 0) == QStringLiteral("Valor real");
        auto rpt = std::make_unique<TFormRptInversiones>(conValorReal);
        rpt->LblCuotaTitulo->texto = v.TextoDato(DatoResumen::Primero);
        rpt->LblInteres->texto = v.TextoDato(DatoResumen::Segundo);
        rpt->LblAnios->texto = v.TextoDato(DatoResumen::Tercero);
        rpt->LblCapInicial->texto = v.TextoDato(DatoResumen::Cuarto);
        rpt->LblCapFinal->texto = v.TextoDato(DatoResumen::Quinto);
        return rpt;
    }
    case ClaseDesarrollo::Retirada: {
        auto rpt = std::make_unique<TFormRptRetiradas>();
        rpt->LblRetirada->texto = v.TextoDato(DatoResumen::Primero);
        rpt->LblInteres->texto = v.TextoDato(DatoResumen::Segundo);
        rpt->LblCuotas->texto = v.TextoDato(DatoResumen::Tercero);
        rpt->LblCapInicial->texto = v.TextoDato(DatoResumen::Cuarto);
        rpt->LblTotal->texto = v.TextoDato(DatoResumen::Quinto);
        return rpt;
    }
    case ClaseDesarrollo::Depreciacion: {
        auto rpt = std::make_unique<TFormRptDepreciaciones>();
        rpt->LblValorInicialTitulo->texto = v.TextoDato(DatoResumen::Primero);
        rpt->LblValorFinalTitulo->texto = v.TextoDato(DatoResumen::Segundo);
        rpt->LblAniosUtil->texto = v.TextoDato(DatoResumen::Tercero);
        rpt->LblAniosCalculados->texto = v.TextoDato(DatoResumen::Cuarto);
        return rpt;
    }
    default: return nullptr;
    }
}

}  // namespace

void ImprimirDesarrollo(TFormDesarrolloCalculos& ventana) {
    // One preview at a time: a print asked for while one is open does nothing.
    static bool abierta = false;
    if (abierta)
        return;
    const QScopedValueRollback<bool> mientras(abierta, true);
    const TAttributeGrid* rejilla = ventana.GridDesarrollo;
    if (!rejilla || rejilla->RowCount() <= 1) {
        Avisar(QStringLiteral("Cálculos financieros"), QStringLiteral("No hay registros de datos disponibles."),
               AvisoError);
        return;
    }
    std::unique_ptr<TFormRptBase> informe = CrearInforme(ventana);
    if (!informe)
        return;
    const FilasRejilla filas(*rejilla);
    informe->FijarFuente(&filas);
    informe->FilasInforme = rejilla->RowCount();
    informe->LblTitulo->texto = ventana.TextoTitulo();
    if (!ventana.CifrasFinales.filas.empty())
        informe->AnadirSeccionFinal(ventana.TituloCifrasFinales, ventana.CifrasFinales, 0);
    if (const TablaTextos* resumen = ventana.ResumenAnualMostrado())
        informe->AnadirSeccionFinal(QStringLiteral("Resumen anual"), *resumen);
    informe->AnadirPaginaGraficos(ventana.GraficosTabla());
    MostrarPreliminar(informe->Informe(), true, true, &ventana);

    ventana.repaint();
    informe.reset();
    // The file dialogs of the preview may have moved the current folder.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}
