// The frame of the main window: its actions, the title strip, the tool bar,
// the page control and the promotional strip.
#include "ui/barra_accesible.h"
#include "ui/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "ui/form_comun.h"
#include "util/identidad.h"
#include "ui/imagen_svg.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kAnchoCliente = 466;
constexpr int kAltoCliente = 495;
constexpr int kAltoTitulo = 24;
constexpr int kAltoBarra = 34;
constexpr int kAltoPromocion = 54;

QAction* CrearAccion(QObject* padre, const QString& nombre, const QString& caption, const QString& pista,
                     int imagen) {
    auto* accion = new QAction(caption, padre);
    accion->setObjectName(nombre);
    accion->setToolTip(pista);
    accion->setStatusTip(pista);
    accion->setIcon(FormComun().ImgListFinancieros.value(imagen));
    return accion;
}

QToolButton* BotonDeBarra(QToolBar* barra, QAction* accion, const QString& nombre) {
    barra->addAction(accion);
    auto* boton = qobject_cast<QToolButton*>(barra->widgetForAction(accion));
    boton->setObjectName(nombre);
    boton->setFixedSize(39, 30);
    boton->setAccessibleName(accion->text());
    boton->setAccessibleDescription(accion->toolTip());
    boton->setFocusPolicy(Qt::NoFocus);
    return boton;
}

}  // namespace

void TFormCalculosFinancieros::CrearAcciones() {
    AccCalcular = CrearAccion(this, QStringLiteral("AccCalcular"), QStringLiteral("Calcular"),
                              QStringLiteral("Realizar los cálculos"), TFormComun::ImgCalcular);
    AccCalcular->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    AccInicializar = CrearAccion(this, QStringLiteral("AccInicializar"), QStringLiteral("Inicializar"),
                                 QStringLiteral("Inicializar todos los valores"), TFormComun::ImgInicializar);
    AccInicializar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AccDesarrollar =
        CrearAccion(this, QStringLiteral("AccDesarrollar"), QStringLiteral("Desarrollar"),
                    QStringLiteral("Presentar una tabla con el desarrollo de los cálculos"), TFormComun::ImgDesarrollar);
    AccDesarrollar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    AccSalir = CrearAccion(this, QStringLiteral("AccSalir"), QStringLiteral("Salir"), QStringLiteral("Salir"),
                           TFormComun::ImgSalir);
    AccSalir->setShortcut(QKeySequence(Qt::Key_Escape));
    AccAyuda = CrearAccion(this, QStringLiteral("AccAyuda"), QStringLiteral("Ayuda"),
                           QStringLiteral("Ayuda de ") + TextoNombrePrograma(), TFormComun::ImgAyuda);
    AccAcercade = CrearAccion(this, QStringLiteral("AccAcercade"), QStringLiteral("Acercade"),
                              QStringLiteral("Acerca de ") + TextoNombrePrograma(), TFormComun::ImgAcercade);

    AccComparar = CrearAccion(this, QStringLiteral("AccComparar"), QStringLiteral("Comparar"),
                              QStringLiteral("Comparar ofertas de préstamo lado a lado"), TFormComun::ImgDesarrollar);
    AccComparar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));

    // The shortcuts work anywhere in the window, whatever has the focus.
    addActions({AccCalcular, AccInicializar, AccDesarrollar, AccSalir, AccAyuda, AccAcercade, AccComparar});
    connect(AccCalcular, &QAction::triggered, this, &TFormCalculosFinancieros::AccCalcularExecute);
    connect(AccInicializar, &QAction::triggered, this, &TFormCalculosFinancieros::AccInicializarExecute);
    connect(AccDesarrollar, &QAction::triggered, this, &TFormCalculosFinancieros::AccDesarrollarExecute);
    connect(AccSalir, &QAction::triggered, this, &TFormCalculosFinancieros::AccSalirExecute);
    connect(AccAyuda, &QAction::triggered, this, &TFormCalculosFinancieros::AccAyudaExecute);
    connect(AccAcercade, &QAction::triggered, this, &TFormCalculosFinancieros::AccAcercadeExecute);
    connect(AccComparar, &QAction::triggered, this, &TFormCalculosFinancieros::AccCompararExecute);
}

void TFormCalculosFinancieros::CrearMarco() {
    auto* cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("PnlCliente"));
    setCentralWidget(cliente);
    auto* columna = new QVBoxLayout(cliente);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);

    PnlInfoCalculos = CrearFranja(cliente, QStringLiteral("PnlInfoCalculos"), QStringLiteral(" Préstamos"),
                                  ColorTitulo, LetraFranja::Negrita);
    PnlInfoCalculos->setFixedHeight(kAltoTitulo);
    QFont titulo = PnlInfoCalculos->font();
    titulo.setPointSize(11);
    PnlInfoCalculos->setFont(titulo);
    columna->addWidget(PnlInfoCalculos);

    ToolBarCalculos = new QToolBar(cliente);
    ToolBarCalculos->setObjectName(QStringLiteral("ToolBarCalculos"));
    ToolBarCalculos->setAccessibleName(QStringLiteral("Barra de herramientas"));
    ToolBarCalculos->setIconSize(TFormComun::TamanoFinancieros());
    ToolBarCalculos->setFixedHeight(kAltoBarra);
    ToolBarCalculos->setMovable(false);
    BtnCalcular = BotonDeBarra(ToolBarCalculos, AccCalcular, QStringLiteral("BtnCalcular"));
    BtnInicializar = BotonDeBarra(ToolBarCalculos, AccInicializar, QStringLiteral("BtnInicializar"));
    BtnDesarrollar = BotonDeBarra(ToolBarCalculos, AccDesarrollar, QStringLiteral("BtnDesarrollar"));
    BtnAyuda = BotonDeBarra(ToolBarCalculos, AccAyuda, QStringLiteral("BtnAyuda"));
    BtnAcercade = BotonDeBarra(ToolBarCalculos, AccAcercade, QStringLiteral("BtnAcercade"));
    // The action's caption runs the two words together; a screen reader
    // would read one unknown word.
    BtnAcercade->setAccessibleName(QStringLiteral("Acerca de"));
    ToolBarCalculos->addSeparator();
    BtnSalir = BotonDeBarra(ToolBarCalculos, AccSalir, QStringLiteral("BtnSalir"));
    ToolBarCalculos->addSeparator();
    NombrarBotonExtension(ToolBarCalculos);
    columna->addWidget(ToolBarCalculos);

    pcCalculos = new QTabWidget(cliente);
    pcCalculos->setObjectName(QStringLiteral("pcCalculos"));
    QFont pestanas = pcCalculos->tabBar()->font();
    pestanas.setBold(true);
    pcCalculos->tabBar()->setFont(pestanas);
    pcCalculos->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 25px; }"));
    pcCalculos->addTab(CrearPaginaPrestamos(), QStringLiteral("&Préstamos"));
    pcCalculos->addTab(CrearPaginaInversiones(), QStringLiteral("&Inversiones"));
    pcCalculos->addTab(CrearPaginaDepreciaciones(), QStringLiteral("&Depreciaciones"));
    columna->addWidget(pcCalculos, 1);

    columna->addWidget(CrearPromocion());
    // The design width, or more where the result panels need it.
    setFixedSize(std::max(kAnchoCliente, cliente->sizeHint().width()), kAltoCliente);
}

QWidget* TFormCalculosFinancieros::CrearPromocion() {
    PnlZelvarMoney = CrearPanel(centralWidget(), QStringLiteral("PnlZelvarMoney"), palette().color(QPalette::Window));
    PnlZelvarMoney->setFixedHeight(kAltoPromocion);
    auto* exterior = new QHBoxLayout(PnlZelvarMoney);
    exterior->setContentsMargins(3, 3, 3, 3);
    PnlZelvarMoney2 = CrearPanel(PnlZelvarMoney, QStringLiteral("PnlZelvarMoney2"), ColorPromocion);
    PnlZelvarMoney2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    exterior->addWidget(PnlZelvarMoney2);

    auto* fila = new QHBoxLayout(PnlZelvarMoney2);
    fila->setContentsMargins(6, 2, 6, 2);
    ImgZelvarMoney = new QLabel(PnlZelvarMoney2);
    ImgZelvarMoney->setObjectName(QStringLiteral("ImgZelvarMoney"));
    ImgZelvarMoney->setPixmap(PixmapSvg(QStringLiteral(":/icons/logo_zelvar_money.svg"), {40, 40}));
    ImgZelvarMoney->setAccessibleName(QStringLiteral("Zelvar Money"));
    fila->addWidget(ImgZelvarMoney);

    auto* textos = new QVBoxLayout;
    textos->setSpacing(0);
    LblInfo1 = new QLabel(QStringLiteral("Descargue y pruebe Zelvar Money"), PnlZelvarMoney2);
    LblInfo1->setObjectName(QStringLiteral("LblInfo1"));
    QFont destacada = LblInfo1->font();
    destacada.setBold(true);
    LblInfo1->setFont(destacada);
    LblInfo2 = new QLabel(QStringLiteral("Contabilidad doméstica y familiar"), PnlZelvarMoney2);
    LblInfo2->setObjectName(QStringLiteral("LblInfo2"));
    textos->addWidget(LblInfo1);
    textos->addWidget(LblInfo2);
    fila->addLayout(textos, 1);

    ImgMundo = new QLabel(PnlZelvarMoney2);
    ImgMundo->setObjectName(QStringLiteral("ImgMundo"));
    ImgMundo->setPixmap(PixmapSvg(QStringLiteral(":/icons/mundo.svg"), {32, 32}));
    ImgMundo->setAccessibleName(QStringLiteral("Internet"));
    fila->addWidget(ImgMundo);

    LblDescargaZelvarMoney = new QLabel(QStringLiteral("Descargar Zelvar Money"), PnlZelvarMoney2);
    LblDescargaZelvarMoney->setObjectName(QStringLiteral("LblDescargaZelvarMoney"));
    LblDescargaZelvarMoney->setWordWrap(true);
    LblDescargaZelvarMoney->setAlignment(Qt::AlignCenter);
    LblDescargaZelvarMoney->setFixedWidth(80);
    LblDescargaZelvarMoney->setCursor(Qt::PointingHandCursor);
    QFont enlace = LblDescargaZelvarMoney->font();
    enlace.setUnderline(true);
    LblDescargaZelvarMoney->setFont(enlace);
    QPalette azul = LblDescargaZelvarMoney->palette();
    azul.setColor(QPalette::WindowText, QColor(0, 0, 192));
    LblDescargaZelvarMoney->setPalette(azul);
    LblDescargaZelvarMoney->setAccessibleName(LblDescargaZelvarMoney->text());
    AplicarPista(LblDescargaZelvarMoney, QStringLiteral("http://") + TextoWeb());
    LblDescargaZelvarMoney->installEventFilter(this);
    fila->addWidget(LblDescargaZelvarMoney);
    return PnlZelvarMoney;
}

// The page's own Calcular button, in the bottom right corner of its input panel.
QToolButton* TFormCalculosFinancieros::CrearBotonCalcular(QGridLayout* datos, const QString& nombre) {
    auto* boton = new QToolButton(datos->parentWidget());
    boton->setObjectName(nombre);
    boton->setDefaultAction(AccCalcular);
    boton->setAutoRaise(true);
    boton->setIconSize(TFormComun::TamanoFinancieros());
    boton->setFixedSize(39, 30);
    boton->setFocusPolicy(Qt::NoFocus);
    boton->setAccessibleName(AccCalcular->text());
    boton->setAccessibleDescription(AccCalcular->toolTip());
    datos->addWidget(boton, 3, 5, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    return boton;
}

// A page and its four strips; their names follow the page's: tsPres gives
// PnlPresCalculos, CbPresCalculos, PnlPresDatos, PnlPresInfo and PnlPresResul.
QWidget* TFormCalculosFinancieros::CrearPagina(const QString& nombre, const QString& caption, QFrame*& cabecera,
                                               QComboBox*& lista, QFrame*& datos, QLabel*& info,
                                               QFrame*& resultados) {
    auto* pagina = new QWidget;
    pagina->setObjectName(nombre);
    pagina->setAccessibleName(SinAcelerador(caption));
    auto* columna = new QVBoxLayout(pagina);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);

    const QString sufijo = nombre.mid(2);
    cabecera = CrearPanel(pagina, QStringLiteral("Pnl%1Calculos").arg(sufijo), ColorCabecera);
    cabecera->setFixedHeight(32);
    auto* rejilla = new QGridLayout(cabecera);
    rejilla->setContentsMargins(8, 4, 8, 4);
    lista = CrearLista(rejilla, 0, 0, QStringLiteral("Cb%1Calculos").arg(sufijo),
                       QStringLiteral("Cálculo a reali&zar"), QStringLiteral("Cálculo a realizar"), 250);
    // This list has no hint of its own: the caption serves as its description.
    lista->setToolTip(QString());
    lista->setStatusTip(QString());
    rejilla->setColumnStretch(2, 1);
    columna->addWidget(cabecera);

    datos = CrearPanel(pagina, QStringLiteral("Pnl%1Datos").arg(sufijo), pagina->palette().color(QPalette::Window));
    columna->addWidget(datos, 1);

    info = CrearFranja(pagina, QStringLiteral("Pnl%1Info").arg(sufijo),
                       QStringLiteral(" Resultados del último cálculo realizado"), ColorCabecera,
                       LetraFranja::Negrita);
    info->setFixedHeight(22);
    columna->addWidget(info);

    resultados = CrearPanel(pagina, QStringLiteral("Pnl%1Resul").arg(sufijo), pagina->palette().color(QPalette::Window));
    columna->addWidget(resultados, 1);
    return pagina;
}
