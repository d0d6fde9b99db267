// The schedule window's ways to take a table elsewhere: select all, copy,
// the context menu, export to CSV, and the yearly summary and chart views.
#include "schedules/copia_tabla.h"
#include "schedules/exportacion_csv.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/vista_resumen_anual.h"
#include "ui/informe_errores.h"
#include "widgets/graficos/panel_graficos.h"
#include "widgets/grid/attribute_grid.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QToolButton>

void TFormDesarrolloCalculos::CrearMenuTabla(TAttributeGrid* grid) {
    if (!MenuTabla) {
        MenuTabla = new QMenu(this);
        MenuTabla->setObjectName(QStringLiteral("MenuTabla"));
        MenuTabla->addAction(AccSeleccionarTodo);
        MenuTabla->addAction(AccCopiar);
        MenuTabla->addSeparator();
        MenuTabla->addAction(AccExportar);
    }
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& punto) { MenuTabla->exec(grid->viewport()->mapToGlobal(punto)); });
}

TAttributeGrid* TFormDesarrolloCalculos::GridVisible() const {
    return AccResumenAnual->isChecked() ? GridResumenAnual : GridDesarrollo;
}

void TFormDesarrolloCalculos::AccSeleccionarTodoExecute() { SeleccionarTodo(*GridVisible()); }

void TFormDesarrolloCalculos::AccCopiarExecute() { CopiarSeleccion(*GridVisible()); }

void TFormDesarrolloCalculos::AccExportarExecute() {
    EjecutarProtegido([this] { ExportarCsv(this, *GridDesarrollo); });
}

bool TFormDesarrolloCalculos::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(evento)->reason() == QContextMenuEvent::Keyboard &&
        (objeto == GridVisible() || objeto == GridVisible()->viewport())) {
        AccMenuTablaExecute();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFormDesarrolloCalculos::AccMenuTablaExecute() {
    if (MenuTabla->isVisible())
        return;
    TAttributeGrid* grid = GridVisible();
    const QRect celda = grid->CellRect(grid->Col(), grid->Row());
    const QPoint punto = celda.isEmpty() ? QPoint(0, 0) : celda.bottomLeft();
    MenuTabla->exec(grid->viewport()->mapToGlobal(punto));
}

void TFormDesarrolloCalculos::FijarResumenAnual(std::function<TablaTextos()> calcular) {
    calcularResumen_ = std::move(calcular);
    resumen_.reset();
    AccResumenAnual->setVisible(bool(calcularResumen_));
}

const TablaTextos* TFormDesarrolloCalculos::ResumenAnualMostrado() const {
    return AccResumenAnual->isChecked() && resumen_ ? &*resumen_ : nullptr;
}

void TFormDesarrolloCalculos::AccResumenAnualExecute(bool mostrar) {
    if (mostrar && !resumen_) {
        const bool hecho = calcularResumen_ && EjecutarProtegido([this] {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            const auto restaurar = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
            resumen_ = calcularResumen_();
            EscribirResumenAnual(*GridResumenAnual, *resumen_);
        });
        if (!hecho) {
            AccResumenAnual->setChecked(false);
            return;
        }
    }
    if (mostrar)
        AccGrafico->setChecked(false);
    MostrarVista();
}

void TFormDesarrolloCalculos::FijarGraficos(std::function<QList<DatosGrafico>()> calcular) {
    calcularGraficos_ = std::move(calcular);
    graficos_.reset();
    AccGrafico->setVisible(bool(calcularGraficos_));
}

QList<DatosGrafico> TFormDesarrolloCalculos::GraficosTabla() {
    if (!graficos_ && calcularGraficos_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restaurar = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        graficos_ = calcularGraficos_();
    }
    return graficos_.value_or(QList<DatosGrafico>{});
}

void TFormDesarrolloCalculos::AccGraficoExecute(bool mostrar) {
    if (mostrar && VistaGrafico->Graficos().isEmpty()) {
        const bool hecho = calcularGraficos_ && EjecutarProtegido([this] {
            VistaGrafico->FijarGraficos(GraficosTabla());
        });
        if (!hecho) {
            AccGrafico->setChecked(false);
            return;
        }
    }
    if (mostrar)
        AccResumenAnual->setChecked(false);
    MostrarVista();
}

void TFormDesarrolloCalculos::MostrarVista() {
    const bool resumen = AccResumenAnual->isChecked(), grafico = AccGrafico->isChecked();
    AccResumenAnual->setToolTip(resumen ? QStringLiteral("Mostrar la tabla de desarrollo")
                                        : QStringLiteral("Mostrar el resumen anual"));
    BtnResumenAnual->setAccessibleDescription(AccResumenAnual->toolTip());
    AccGrafico->setToolTip(grafico ? QStringLiteral("Mostrar la tabla de desarrollo")
                                   : QStringLiteral("Mostrar el gráfico"));
    BtnGrafico->setAccessibleDescription(AccGrafico->toolTip());
    GridDesarrollo->setVisible(!resumen && !grafico);
    GridResumenAnual->setVisible(resumen);
    VistaGrafico->setVisible(grafico);
    // The record moves, selecting and copying work on a grid only.
    for (QAction* accion : {AccRegPrimero, AccRegAnterior, AccRegSiguiente, AccRegUltimo, AccSeleccionarTodo, AccCopiar})
        accion->setEnabled(!grafico);
    if (grafico && !VistaGrafico->Graficos().isEmpty())
        VistaGrafico->setFocus();
    else
        GridVisible()->setFocus();
}
