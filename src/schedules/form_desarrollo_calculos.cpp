#include "schedules/form_desarrollo_calculos.h"

#include "schedules/accion_imprimir.h"
#include "ui/ayuda.h"
#include "ui/barra_accesible.h"
#include "ui/controles_pagina.h"
#include "ui/form_comun.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "ui/panel_resultado.h"
#include "schedules/tabla_accesible.h"
#include "ui/colores_campos.h"
#include "ui/utilidades_ventana.h"
#include "widgets/graficos/panel_graficos.h"
#include "widgets/grid/attribute_grid.h"

#include <QAction>
#include <QLabel>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TFormDesarrolloCalculos* FormDesarrolloCalculos = nullptr;

namespace {

constexpr int kAltoTitulo = 28;
constexpr int kAltoBarra = 34;
constexpr int kAltoInformacion = 28;
constexpr int kAltoDato = 21;

// Help topics of the three tables.
constexpr int kAyudaPrestamo = 6240;
constexpr int kAyudaInversion = 6260;
constexpr int kAyudaDepreciacion = 6280;

QAction* CrearAccion(QWidget* ventana, const char* nombre, const QString& caption, const QString& pista,
                     int imagen) {
    auto* accion = new QAction(caption, ventana);
    accion->setObjectName(QLatin1String(nombre));
    accion->setToolTip(pista);
    accion->setStatusTip(pista);
    accion->setIcon(FormComun().ImgListFinancieros.value(imagen));
    ventana->addAction(accion);
    return accion;
}

QToolButton* BotonDeBarra(QToolBar* barra, QAction* accion, const char* nombre) {
    barra->addAction(accion);
    auto* boton = qobject_cast<QToolButton*>(barra->widgetForAction(accion));
    boton->setObjectName(QLatin1String(nombre));
    boton->setFixedSize(39, 30);
    // A picture button: a screen reader announces its hint.
    boton->setAccessibleName(accion->toolTip());
    boton->setAccessibleDescription(accion->toolTip());
    boton->setFocusPolicy(Qt::NoFocus);
    return boton;
}

QLabel* CrearEtiqueta(QWidget* panel, const char* nombre, const QString& caption, int x) {
    auto* etiqueta = new QLabel(caption, panel);
    etiqueta->setObjectName(QLatin1String(nombre));
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    etiqueta->move(x, 0);
    etiqueta->resize(etiqueta->sizeHint().width(), kAltoInformacion);
    return etiqueta;
}

TPanelResultado* CrearDato(QWidget* panel, const char* nombre, QLabel* etiqueta, int x, int ancho) {
    auto* dato = new TPanelResultado(panel);
    dato->setObjectName(QLatin1String(nombre));
    dato->setGeometry(x, (kAltoInformacion - kAltoDato) / 2, ancho, kAltoDato);
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSize(9);
    fuente.setBold(true);
    dato->setFont(fuente);
    QPalette paleta = dato->palette();
    paleta.setColor(QPalette::WindowText, QColor(0, 0, 128));
    paleta.setColor(QPalette::Text, QColor(0, 0, 128));
    dato->setPalette(paleta);
    FijarColorFondo(dato, ColorIncognita);
    etiqueta->setBuddy(dato);
    return dato;
}

}  // namespace

TFormDesarrolloCalculos::TFormDesarrolloCalculos(QWidget* parent) : QDialog(parent) {
    FormDesarrolloCalculos = this;
    TPanelResultado::RegistrarAccesibilidad();
    RegistrarTablaAccesible();
    setObjectName(QStringLiteral("FormDesarrolloCalculos"));
    CrearAcciones();
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    CrearTitulo();
    CrearBarra();
    CrearPanelInformacion();
    CrearRejilla();
    columna->addWidget(PnlInfoDesarrollo);
    columna->addWidget(ToolBarDesarrollo);
    columna->addWidget(PnlInfoPrestamo);
    columna->addWidget(GridDesarrollo, 1);
    columna->addWidget(GridResumenAnual, 1);
    columna->addWidget(VistaGrafico, 1);
    FormCreate();
}

TFormDesarrolloCalculos::~TFormDesarrolloCalculos() {
    if (FormDesarrolloCalculos == this)
        FormDesarrolloCalculos = nullptr;
}

void TFormDesarrolloCalculos::FormCreate() {
    FijarTitulo(QStringLiteral("Desarrollo del cálculo"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setMinimumSize(400, 200);
    resize(786, 507);
    SituarVentana(this, 0);
    ActualizarEstado();
}

void TFormDesarrolloCalculos::CrearAcciones() {
    AccRegPrimero = CrearAccion(this, "AccRegPrimero", QStringLiteral("Pri"), QStringLiteral("Primer registro"),
                                TFormComun::ImgRegPrimero);
    AccRegAnterior = CrearAccion(this, "AccRegAnterior", QStringLiteral("Ant"), QStringLiteral("Registro anterior"),
                                 TFormComun::ImgRegAnterior);
    AccRegSiguiente = CrearAccion(this, "AccRegSiguiente", QStringLiteral("Sig"),
                                  QStringLiteral("Registro siguiente"), TFormComun::ImgRegSiguiente);
    AccRegUltimo = CrearAccion(this, "AccRegUltimo", QStringLiteral("Ult"), QStringLiteral("Último registro"),
                               TFormComun::ImgRegUltimo);
    AccImprimir = CrearAccion(this, "AccImprimir", QStringLiteral("Imp"),
                              QStringLiteral("Imprimir tabla de desarrollo"), TFormComun::ImgImprimir);
    AccImprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AccSalir = CrearAccion(this, "AccSalir", QStringLiteral("Sal"), QStringLiteral("Salir"), TFormComun::ImgSalir);
    AccSalir->setShortcut(QKeySequence(Qt::Key_Escape));

    connect(AccRegPrimero, &QAction::triggered, this, &TFormDesarrolloCalculos::AccRegPrimeroExecute);
    connect(AccRegAnterior, &QAction::triggered, this, &TFormDesarrolloCalculos::AccRegAnteriorExecute);
    connect(AccRegSiguiente, &QAction::triggered, this, &TFormDesarrolloCalculos::AccRegSiguienteExecute);
    connect(AccRegUltimo, &QAction::triggered, this, &TFormDesarrolloCalculos::AccRegUltimoExecute);
    connect(AccImprimir, &QAction::triggered, this, &TFormDesarrolloCalculos::AccImprimirExecute);
    connect(AccSalir, &QAction::triggered, this, &TFormDesarrolloCalculos::AccSalirExecute);
    CrearAccionesTabla();
}

void TFormDesarrolloCalculos::CrearAccionesTabla() {
    AccSeleccionarTodo = CrearAccion(this, "AccSeleccionarTodo", QStringLiteral("Seleccionar todo"),
                                     QStringLiteral("Seleccionar todas las filas"), -1);
    AccSeleccionarTodo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    AccCopiar = CrearAccion(this, "AccCopiar", QStringLiteral("Copiar"),
                            QStringLiteral("Copiar las filas seleccionadas"), -1);
    AccCopiar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    AccExportar = CrearAccion(this, "AccExportar", QStringLiteral("Exportar…"),
                              QStringLiteral("Exportar la tabla a un fichero CSV"), -1);
    AccExportar->setIcon(IconoSvg(QStringLiteral(":/icons/exportar.svg"), TFormComun::TamanoFinancieros()));
    AccExportar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    AccResumenAnual = CrearAccion(this, "AccResumenAnual", QStringLiteral("Resumen anual"),
                                  QStringLiteral("Mostrar el resumen anual"), -1);
    AccResumenAnual->setIcon(IconoSvg(QStringLiteral(":/icons/resumen_anual.svg"), TFormComun::TamanoFinancieros()));
    AccResumenAnual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    AccResumenAnual->setCheckable(true);
    AccGrafico = CrearAccion(this, "AccGrafico", QStringLiteral("Gráfico"), QStringLiteral("Mostrar el gráfico"), -1);
    AccGrafico->setIcon(IconoSvg(QStringLiteral(":/icons/grafico.svg"), TFormComun::TamanoFinancieros()));
    AccGrafico->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    AccGrafico->setCheckable(true);
    // The context menu key opens the menu at the current row.
    AccMenuTabla = CrearAccion(this, "AccMenuTabla", QStringLiteral("Menú"), QStringLiteral("Menú de la tabla"), -1);
    AccMenuTabla->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});

    connect(AccSeleccionarTodo, &QAction::triggered, this, &TFormDesarrolloCalculos::AccSeleccionarTodoExecute);
    connect(AccCopiar, &QAction::triggered, this, &TFormDesarrolloCalculos::AccCopiarExecute);
    connect(AccExportar, &QAction::triggered, this, &TFormDesarrolloCalculos::AccExportarExecute);
    connect(AccResumenAnual, &QAction::triggered, this, &TFormDesarrolloCalculos::AccResumenAnualExecute);
    connect(AccGrafico, &QAction::triggered, this, &TFormDesarrolloCalculos::AccGraficoExecute);
    connect(AccMenuTabla, &QAction::triggered, this, &TFormDesarrolloCalculos::AccMenuTablaExecute);
}

void TFormDesarrolloCalculos::CrearTitulo() {
    PnlInfoDesarrollo = CrearFranja(this, QStringLiteral("PnlInfoDesarrollo"), QStringLiteral(" Desarrollo del cálculo"),
                                    ColorTitulo, LetraFranja::Negrita);
    PnlInfoDesarrollo->setFixedHeight(kAltoTitulo);
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSize(11);
    fuente.setBold(true);
    PnlInfoDesarrollo->setFont(fuente);
}

void TFormDesarrolloCalculos::CrearBarra() {
    ToolBarDesarrollo = new QToolBar(this);
    ToolBarDesarrollo->setObjectName(QStringLiteral("ToolBarDesarrollo"));
    ToolBarDesarrollo->setAccessibleName(QStringLiteral("Barra de herramientas"));
    ToolBarDesarrollo->setIconSize(TFormComun::TamanoFinancieros());
    ToolBarDesarrollo->setFixedHeight(kAltoBarra);
    ToolBarDesarrollo->setMovable(false);
    BtnRegistroPrimero = BotonDeBarra(ToolBarDesarrollo, AccRegPrimero, "BtnRegistroPrimero");
    BtnRegistroAnterior = BotonDeBarra(ToolBarDesarrollo, AccRegAnterior, "BtnRegistroAnterior");
    BtnRegistroSiguiente = BotonDeBarra(ToolBarDesarrollo, AccRegSiguiente, "BtnRegistroSiguiente");
    BtnRegistroUltimo = BotonDeBarra(ToolBarDesarrollo, AccRegUltimo, "BtnRegistroUltimo");
    ToolBarDesarrollo->addSeparator();
    BtnImprimir = BotonDeBarra(ToolBarDesarrollo, AccImprimir, "BtnImprimir");
    ToolBarDesarrollo->addSeparator();
    BtnExportar = BotonDeBarra(ToolBarDesarrollo, AccExportar, "BtnExportar");
    BtnResumenAnual = BotonDeBarra(ToolBarDesarrollo, AccResumenAnual, "BtnResumenAnual");
    // A toggle: its name stays, its pressed state tells which view shows.
    BtnResumenAnual->setAccessibleName(AccResumenAnual->text());
    // Shown once the builder says how to work the summary out.
    AccResumenAnual->setVisible(false);
    BtnGrafico = BotonDeBarra(ToolBarDesarrollo, AccGrafico, "BtnGrafico");
    BtnGrafico->setAccessibleName(AccGrafico->text());
    AccGrafico->setVisible(false);
    ToolBarDesarrollo->addSeparator();
    BtnSalir = BotonDeBarra(ToolBarDesarrollo, AccSalir, "BtnSalir");
    ToolBarDesarrollo->addSeparator();
    NombrarBotonExtension(ToolBarDesarrollo);
}

void TFormDesarrolloCalculos::CrearPanelInformacion() {
    PnlInfoPrestamo = CrearPanel(this, QStringLiteral("PnlInfoPrestamo"), palette().color(QPalette::Window));
    PnlInfoPrestamo->setFixedHeight(kAltoInformacion);
    QWidget* p = PnlInfoPrestamo;
    LblDato1 = CrearEtiqueta(p, "LblDato1", QStringLiteral("Cuota"), 8);
    PnlDato1 = CrearDato(p, "PnlDato1", LblDato1, 47, 115);
    LblDato2 = CrearEtiqueta(p, "LblDato2", QStringLiteral("Interés"), 169);
    PnlDato2 = CrearDato(p, "PnlDato2", LblDato2, 213, 50);
    LblDato3 = CrearEtiqueta(p, "LblDato3", QStringLiteral("Nº Cuotas"), 271);
    PnlDato3 = CrearDato(p, "PnlDato3", LblDato3, 335, 50);
    LblDato4 = CrearEtiqueta(p, "LblDato4", QStringLiteral("Capital"), 393);
    PnlDato4 = CrearDato(p, "PnlDato4", LblDato4, 440, 115);
    LblDato5 = CrearEtiqueta(p, "LblDato5", QStringLiteral("Cap. Final"), 590);
    PnlDato5 = CrearDato(p, "PnlDato5", LblDato5, 650, 115);
}

void TFormDesarrolloCalculos::CrearRejilla() {
    GridDesarrollo = new TAttributeGrid(this);
    GridDesarrollo->setObjectName(QStringLiteral("GridDesarrollo"));
    GridDesarrollo->LoadLayoutFile(QStringLiteral(":/layouts/GridDesarrollo.zly"));
    GridDesarrollo->setAccessibleName(QStringLiteral("Tabla de desarrollo"));
    GridResumenAnual = new TAttributeGrid(this);
    GridResumenAnual->setObjectName(QStringLiteral("GridResumenAnual"));
    GridResumenAnual->LoadLayoutFile(QStringLiteral(":/layouts/GridDesarrollo.zly"));
    GridResumenAnual->setAccessibleName(QStringLiteral("Resumen anual"));
    GridResumenAnual->hide();
    VistaGrafico = new TPanelGraficos(this);
    VistaGrafico->setObjectName(QStringLiteral("VistaGrafico"));
    VistaGrafico->hide();
    CrearMenuTabla(GridDesarrollo);
    CrearMenuTabla(GridResumenAnual);
}

QString TFormDesarrolloCalculos::TextoTitulo() const { return PnlInfoDesarrollo->text(); }

void TFormDesarrolloCalculos::FijarTitulo(const QString& titulo) {
    PnlInfoDesarrollo->setText(QLatin1Char(' ') + titulo);
    setWindowTitle(titulo);
}

QString TFormDesarrolloCalculos::TextoDato(DatoResumen dato) const {
    const TPanelResultado* const datos[] = {PnlDato1, PnlDato2, PnlDato3, PnlDato4, PnlDato5};
    return datos[std::size_t(dato) - 1]->text();
}

void TFormDesarrolloCalculos::ActualizarEstado() {
    QLabel* const etiquetas[] = {LblDato1, LblDato2, LblDato3, LblDato4, LblDato5};
    for (QLabel* etiqueta : etiquetas) {
        etiqueta->resize(etiqueta->sizeHint().width(), kAltoInformacion);
        etiqueta->buddy()->setAccessibleName(etiqueta->text());
    }
    GridDesarrollo->setAccessibleDescription(PnlInfoDesarrollo->text().trimmed());
}

void TFormDesarrolloCalculos::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TFormDesarrolloCalculos::FormShow() {
    switch (TipoDesarrollo) {
    case ClaseDesarrollo::Prestamo: FijarContextoAyuda(this, kAyudaPrestamo); break;
    case ClaseDesarrollo::Inversion:
    case ClaseDesarrollo::Retirada: FijarContextoAyuda(this, kAyudaInversion); break;
    case ClaseDesarrollo::Depreciacion: FijarContextoAyuda(this, kAyudaDepreciacion); break;
    default: break;
    }
    ActualizarEstado();
    GridDesarrollo->setFocus();
}

void TFormDesarrolloCalculos::IrAFila(int fila) {
    TAttributeGrid* grid = GridVisible();
    grid->FocusCell(grid->Col(), fila, true);
}

void TFormDesarrolloCalculos::AccRegPrimeroExecute() {
    if (GridVisible()->RowCount() > 1)
        IrAFila(1);
}

void TFormDesarrolloCalculos::AccRegAnteriorExecute() {
    if (GridVisible()->Row() > 1)
        IrAFila(GridVisible()->Row() - 1);
}

void TFormDesarrolloCalculos::AccRegSiguienteExecute() {
    if (GridVisible()->Row() < GridVisible()->RowCount() - 1)
        IrAFila(GridVisible()->Row() + 1);
}

void TFormDesarrolloCalculos::AccRegUltimoExecute() {
    if (GridVisible()->RowCount() > 1)
        IrAFila(GridVisible()->RowCount() - 1);
}

void TFormDesarrolloCalculos::AccImprimirExecute() {
    EjecutarProtegido([this] { ImprimirDesarrollo(*this); });
}

void TFormDesarrolloCalculos::AccSalirExecute() { close(); }
