#pragma once
// The window that shows one development table: a title strip, a tool bar to
// move through the periods, print and close, an information panel with the
// figures the table was built from, and the grid of the periods. The schedule
// builders fill it; the window adds the record moves and closing.
#include "reports/dato_resumen.h"
#include "util/datos_grafico.h"
#include "util/tabla_textos.h"

#include <QDialog>
#include <functional>
#include <optional>

class QAction;
class QFrame;
class QMenu;
class QLabel;
class QToolBar;
class QToolButton;
class TAttributeGrid;
class TPanelGraficos;
class TPanelResultado;

// Which table a schedule window shows; the values are those the window has
// always stored.
enum class ClaseDesarrollo : unsigned char { Prestamo = 0, Inversion = 1, Depreciacion = 2, Retirada = 3 };

class TFormDesarrolloCalculos : public QDialog {
    Q_OBJECT
public:
    explicit TFormDesarrolloCalculos(QWidget* parent = nullptr);
    ~TFormDesarrolloCalculos() override;

    ClaseDesarrollo TipoDesarrollo = ClaseDesarrollo::Prestamo;
    // Rows that make a year of the table: the report draws its line after
    // each year (12 for a monthly loan and for savings, 4 for a quarterly
    // loan).
    int PeriodosPorAnio = 12;

    QLabel* PnlInfoDesarrollo = nullptr;
    QToolBar* ToolBarDesarrollo = nullptr;
    QToolButton *BtnRegistroPrimero = nullptr, *BtnRegistroAnterior = nullptr, *BtnRegistroSiguiente = nullptr,
                *BtnRegistroUltimo = nullptr, *BtnImprimir = nullptr, *BtnSalir = nullptr, *BtnExportar = nullptr,
                *BtnResumenAnual = nullptr, *BtnGrafico = nullptr;
    QFrame* PnlInfoPrestamo = nullptr;
    QLabel *LblDato1 = nullptr, *LblDato2 = nullptr, *LblDato3 = nullptr, *LblDato4 = nullptr, *LblDato5 = nullptr;
    TPanelResultado *PnlDato1 = nullptr, *PnlDato2 = nullptr, *PnlDato3 = nullptr, *PnlDato4 = nullptr,
                    *PnlDato5 = nullptr;
    TAttributeGrid* GridDesarrollo = nullptr;
    // The yearly summary, shown in place of the table while AccResumenAnual
    // is checked.
    TAttributeGrid* GridResumenAnual = nullptr;
    // The table's charts, shown in place of the table while AccGrafico is
    // checked.
    TPanelGraficos* VistaGrafico = nullptr;

    QAction *AccRegPrimero = nullptr, *AccRegAnterior = nullptr, *AccRegSiguiente = nullptr,
            *AccRegUltimo = nullptr, *AccImprimir = nullptr, *AccSalir = nullptr;
    QAction *AccSeleccionarTodo = nullptr, *AccCopiar = nullptr, *AccExportar = nullptr,
            *AccResumenAnual = nullptr, *AccGrafico = nullptr, *AccMenuTabla = nullptr;
    // The context menu of both grids: select all, copy, export.
    QMenu* MenuTabla = nullptr;

    // How the builder works out the yearly summary; it runs the first time the
    // summary is shown. Without it (depreciation, whose table already goes
    // year by year) the summary's button and shortcut are absent.
    void FijarResumenAnual(std::function<TablaTextos()> calcular);
    // The summary's texts while it is showing (the report prints it then),
    // null otherwise.
    const TablaTextos* ResumenAnualMostrado() const;

    // How the builder works out the table's charts; it runs the first time
    // they are shown or printed. Without it the chart's button is absent.
    void FijarGraficos(std::function<QList<DatosGrafico>()> calcular);
    // The table's charts, worked out now if they were not yet; empty when
    // the table has none or they could not be worked out.
    QList<DatosGrafico> GraficosTabla();

    // Figures the report prints after the rows, before the yearly summary
    // (a loan's cost); none when empty.
    TablaTextos CifrasFinales;
    QString TituloCifrasFinales = QStringLiteral("Coste del préstamo");

    // Texts the print action copies into the report: the title strip and the
    // summary's value panels.
    QString TextoTitulo() const;
    // Names the table: the title strip shows it, and the window is titled
    // after it, so that the window list tells the table apart.
    void FijarTitulo(const QString& titulo);
    QString TextoDato(DatoResumen dato) const;

    // Fits the captions of the information panel to their texts and gives the
    // value panels the names a screen reader announces. The builders call it
    // once the table is written; showing calls it again.
    void ActualizarEstado();

public slots:
    void AccRegPrimeroExecute();
    void AccRegAnteriorExecute();
    void AccRegSiguienteExecute();
    void AccRegUltimoExecute();
    void AccImprimirExecute();
    void AccSalirExecute();
    void AccSeleccionarTodoExecute();
    void AccCopiarExecute();
    void AccExportarExecute();
    void AccResumenAnualExecute(bool mostrar);
    void AccGraficoExecute(bool mostrar);
    void AccMenuTablaExecute();

protected:
    void showEvent(QShowEvent* evento) override;
    // A context menu asked from the keyboard (the Menu key) opens at the
    // current cell, not wherever the pointer happens to be.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    void CrearAcciones();
    void CrearTitulo();
    void CrearBarra();
    void CrearPanelInformacion();
    void CrearRejilla();
    void CrearAccionesTabla();
    void CrearMenuTabla(TAttributeGrid* grid);
    void IrAFila(int fila);
    // The grid on view: the table or its yearly summary.
    TAttributeGrid* GridVisible() const;

    std::function<TablaTextos()> calcularResumen_;
    std::optional<TablaTextos> resumen_;
    std::function<QList<DatosGrafico>()> calcularGraficos_;
    std::optional<QList<DatosGrafico>> graficos_;
    // Shows the grid, the summary or the charts, as the two toggles say.
    void MostrarVista();
};

// The schedule window while one exists (there is never more than one).
extern TFormDesarrolloCalculos* FormDesarrolloCalculos;
