#include "reports/form_vista_previa.h"

#include "ui/avisos.h"
#include "ui/fichero_para_guardar.h"
#include "ui/imagen_svg.h"
#include "reports/engine/carga_con_progreso.h"
#include "reports/engine/fichero_informe.h"
#include "reports/engine/impresion_informe.h"
#include "reports/engine/superficie_vista_previa.h"
#include "util/puertas.h"
#include "ui/utilidades_ventana.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kAltoPanel = 30;
constexpr int kLadoBoton = 26;
constexpr int kAnchoCerrar = 77;
constexpr int kPantallaPequena = 700;
constexpr int kLineasPorTecla = 30;
// The same file type when saving and loading a report.
const QString kFiltroInformes = QStringLiteral("Informes (*.zrp)");
constexpr int kCifrasPagina = 5;   // the page box holds at least 99999
constexpr int kAnchoCajaPagina = 48;
constexpr int kAnchoNumPag = 150;
const QColor kMarino(0, 0, 128);

QString Icono(const QString& nombre) { return QStringLiteral(":/icons/vp_%1.svg").arg(nombre); }

QFont FuenteMarino(const QFont& base) {
    QFont f = base;
    f.setFamily(QStringLiteral("Arial"));
    f.setBold(true);
    return f;
}

void Nombrar(QWidget* control, const QString& nombre, const QString& descripcion) {
    control->setAccessibleName(nombre);
    control->setAccessibleDescription(descripcion);
}

}  // namespace

TFormVistaPrevia::TFormVistaPrevia(QWidget* parent)
    : tFormBase(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      impresora_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // The window that opened the preview waits until it closes, and takes no
    // input meanwhile (a second print of the same table cannot stack).
    setWindowModality(Qt::ApplicationModal);
    FormCreate();
}

TFormVistaPrevia::~TFormVistaPrevia() {
    generador_.Cancelar();
    if (cursorCambiado_)
        QApplication::restoreOverrideCursor();
}

QToolButton* TFormVistaPrevia::BotonImagen(const QString& icono, const QString& hint) {
    auto* boton = new QToolButton(PanelBotones);
    boton->setIcon(IconoSvg(Icono(icono), QSize(20, 20)));
    boton->setIconSize(QSize(20, 20));
    boton->setFixedSize(kLadoBoton, kLadoBoton);
    boton->setAutoRaise(true);
    boton->setFocusPolicy(Qt::NoFocus);
    boton->setToolTip(hint);
    Nombrar(boton, hint, hint);
    PanelBotones->layout()->addWidget(boton);
    return boton;
}

void TFormVistaPrevia::FormCreate() {
    setObjectName(QStringLiteral("FormVistaPrevia"));
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);
    PanelBotones = new QWidget(this);
    PanelBotones->setObjectName(QStringLiteral("PanelBotones"));
    PanelBotones->setFixedHeight(kAltoPanel);
    auto* fila = new QHBoxLayout(PanelBotones);
    fila->setContentsMargins(4, 2, 2, 2);
    fila->setSpacing(2);
    raiz->addWidget(PanelBotones);
    CrearBotones();
    VistaPrevia = new TSuperficieVistaPrevia(this);
    VistaPrevia->setObjectName(QStringLiteral("VistaPrevia"));
    VistaPrevia->setFocusPolicy(Qt::NoFocus);
    Nombrar(VistaPrevia, QStringLiteral("Vista preliminar"), QStringLiteral("La página del informe"));
    VistaPrevia->viewport()->installEventFilter(this);
    // A scroll area answers its viewport's context-menu requests itself, so
    // the policy belongs on the area; the point is in viewport coordinates.
    VistaPrevia->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(VistaPrevia, &QWidget::customContextMenuRequested, this, &TFormVistaPrevia::ppMenuPopup);
    raiz->addWidget(VistaPrevia, 1);
    AjustarCajaPagina();
    CrearMenu();
    connect(&generador_, &TGeneradorInforme::PaginaDisponible, this, &TFormVistaPrevia::VistaPreviaPageAvailable);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* ahora) {
        // BtnCerrarExit: the focus comes back unless it went to the page box.
        if (antes == BtnCerrar && ahora && ahora != sePage && ahora->window() == this && BtnCerrar->isEnabled())
            BtnCerrar->setFocus();
    });
    installEventFilter(this);

    if (puertas::TamanoPantalla().width() < kPantallaPequena) {
        BtnCerrar->setText(QString());
        BtnCerrar->setFixedWidth(kLadoBoton);
    }
    BtnCerrar->setEnabled(false);
    FormResize();
    AdaptarAPantalla();
}

void TFormVistaPrevia::CrearBotones() {
    auto* fila = PanelBotones->layout();
    Label1 = new QLabel(QStringLiteral("&Página"), PanelBotones);
    Label1->installEventFilter(this);
    fila->addWidget(Label1);
    sePage = new QLineEdit(PanelBotones);
    sePage->setObjectName(QStringLiteral("sePage"));
    sePage->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), sePage));
    sePage->setFont(FuenteMarino(font()));
    QPalette paleta = sePage->palette();
    paleta.setColor(QPalette::Text, kMarino);
    sePage->setPalette(paleta);
    sePage->setFocusPolicy(Qt::ClickFocus);
    sePage->setEnabled(false);
    sePage->installEventFilter(this);
    Label1->setBuddy(sePage);
    Nombrar(sePage, QStringLiteral("Página"), QStringLiteral("Número de la página que se muestra"));
    fila->addWidget(sePage);
    connect(sePage, &QLineEdit::textChanged, this, &TFormVistaPrevia::sePageChange);

    sbFirstPage = BotonImagen(QStringLiteral("primera"), QStringLiteral("Primera página"));
    sbPreviousPage = BotonImagen(QStringLiteral("anterior"), QStringLiteral("Página anterior"));
    sbNextPage = BotonImagen(QStringLiteral("siguiente"), QStringLiteral("Página siguiente"));
    sbLastPage = BotonImagen(QStringLiteral("ultima"), QStringLiteral("Última página"));
    ZoomToFit = BotonImagen(QStringLiteral("hoja_entera"), QStringLiteral("Ver hoja entera en pantalla"));
    ZoomTo100 = BotonImagen(QStringLiteral("tamano_completo"), QStringLiteral("Ver a tamaño completo"));
    ZoomToWidth = BotonImagen(QStringLiteral("ancho_pagina"), QStringLiteral("Ajustar ancho de la página"));
    BtnZoomOut = BotonImagen(QStringLiteral("zoom_menos"), QStringLiteral("Disminuir el Zoom"));
    BtnZoomIn = BotonImagen(QStringLiteral("zoom_mas"), QStringLiteral("Aumentar el Zoom"));
    BtnPrintSetup = BotonImagen(QStringLiteral("configurar"), QStringLiteral("Configurar impresora"));
    BtnPrint = BotonImagen(QStringLiteral("imprimir"), QStringLiteral("Imprimir"));
    BtnSave = BotonImagen(QStringLiteral("guardar"), QStringLiteral("Guardar el informe en un fichero"));
    BtnLoad = BotonImagen(QStringLiteral("abrir"), QStringLiteral("Cargar un informe desde un fichero"));
    for (QToolButton* b : {ZoomToFit, ZoomTo100, ZoomToWidth})
        b->setCheckable(true);
    ZoomToWidth->setChecked(true);
    for (QToolButton* b : {BtnPrintSetup, BtnPrint, BtnSave, BtnLoad})
        b->setEnabled(false);

    PanelNumPag = new QLabel(QStringLiteral(" Página 9999 de 9999"), PanelBotones);
    PanelNumPag->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelNumPag->setFont(FuenteMarino(font()));
    paleta = PanelNumPag->palette();
    paleta.setColor(QPalette::WindowText, kMarino);
    PanelNumPag->setPalette(paleta);
    PanelNumPag->setVisible(false);
    fila->addWidget(PanelNumPag);
    static_cast<QHBoxLayout*>(fila)->addStretch(1);

    BtnCerrar = new QPushButton(IconoSvg(Icono(QStringLiteral("cerrar")), QSize(20, 20)), QStringLiteral("&Cerrar"),
                                PanelBotones);
    BtnCerrar->setFixedSize(kAnchoCerrar, kLadoBoton);
    BtnCerrar->setToolTip(QStringLiteral("Cerrar la ventana"));
    BtnCerrar->setDefault(true);
    BtnCerrar->installEventFilter(this);
    Nombrar(BtnCerrar, QStringLiteral("Cerrar"), QStringLiteral("Cerrar la ventana"));
    fila->addWidget(BtnCerrar);

    connect(sbFirstPage, &QToolButton::clicked, this, &TFormVistaPrevia::sbFirstPageClick);
    connect(sbPreviousPage, &QToolButton::clicked, this, &TFormVistaPrevia::sbPreviousPageClick);
    connect(sbNextPage, &QToolButton::clicked, this, &TFormVistaPrevia::sbNextPageClick);
    connect(sbLastPage, &QToolButton::clicked, this, &TFormVistaPrevia::sbLastPageClick);
    connect(ZoomToFit, &QToolButton::clicked, this, &TFormVistaPrevia::ZoomToFitClick);
    connect(ZoomTo100, &QToolButton::clicked, this, &TFormVistaPrevia::ZoomTo100Click);
    connect(ZoomToWidth, &QToolButton::clicked, this, &TFormVistaPrevia::ZoomToWidthClick);
    connect(BtnZoomOut, &QToolButton::clicked, this, &TFormVistaPrevia::BtnZoomOutClick);
    connect(BtnZoomIn, &QToolButton::clicked, this, &TFormVistaPrevia::BtnZoomInClick);
    connect(BtnPrintSetup, &QToolButton::clicked, this, &TFormVistaPrevia::BtnPrintSetupClick);
    connect(BtnPrint, &QToolButton::clicked, this, &TFormVistaPrevia::BtnPrintClick);
    connect(BtnSave, &QToolButton::clicked, this, &TFormVistaPrevia::BtnSaveClick);
    connect(BtnLoad, &QToolButton::clicked, this, &TFormVistaPrevia::BtnLoadClick);
    connect(BtnCerrar, &QPushButton::clicked, this, &TFormVistaPrevia::BtnCerrarClick);
}

void TFormVistaPrevia::CrearMenu() {
    ppMenu = new QMenu(this);
    opVerHojaEntera = ppMenu->addAction(QStringLiteral("Ver hoja entera en pantalla"));
    opVerTamanoCompleto = ppMenu->addAction(QStringLiteral("Ver a tamaño completo"));
    opAjustarAnchoPagina = ppMenu->addAction(QStringLiteral("Ajustar ancho de la página"));
    auto* grupo = new QActionGroup(ppMenu);
    grupo->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {opVerHojaEntera, opVerTamanoCompleto, opAjustarAnchoPagina}) {
        a->setCheckable(true);
        grupo->addAction(a);
    }
    ppMenu->addSeparator();
    opImprimir = ppMenu->addAction(QStringLiteral("Imprimir"));
    ppMenu->addSeparator();
    opCerrar = ppMenu->addAction(QStringLiteral("Cerrar"));
    connect(opVerHojaEntera, &QAction::triggered, this, &TFormVistaPrevia::opVerHojaEnteraClick);
    connect(opVerTamanoCompleto, &QAction::triggered, this, &TFormVistaPrevia::opVerTamanoCompletoClick);
    connect(opAjustarAnchoPagina, &QAction::triggered, this, &TFormVistaPrevia::opAjustarAnchoPaginaClick);
    connect(opImprimir, &QAction::triggered, this, &TFormVistaPrevia::BtnPrintClick);
    connect(opCerrar, &QAction::triggered, this, &TFormVistaPrevia::BtnCerrarClick);
}

// The preview takes the whole free area of its screen, its title bar and
// borders included, so that no part of it lies under a panel or off the edge.
void TFormVistaPrevia::FormResize() { LlenarPantalla(this); }

void TFormVistaPrevia::resizeEvent(QResizeEvent* evento) {
    tFormBase::resizeEvent(evento);
    FormResize();
}

void TFormVistaPrevia::changeEvent(QEvent* evento) {
    tFormBase::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        FormDeactivate();
}

// Keeps the preview in front of the other windows of the program. A dialog
// opened from the preview (a question, a file or printer dialog, the print
// progress) takes the activation while it is open: raising then would bury it.
void TFormVistaPrevia::FormDeactivate() {
    if (imprimiendo_)
        QCoreApplication::processEvents();
    const QWidget* modal = QApplication::activeModalWidget();
    if ((modal && modal != this) || QApplication::activeWindow())
        return;
    raise();
}

QString TFormVistaPrevia::TextoTitulo() const {
    const QString titulo = paginas_ ? paginas_->titulo : Informe ? Informe->titulo : QString();
    return titulo.isEmpty() ? QStringLiteral("Informe sin título") : titulo;
}

void TFormVistaPrevia::showEvent(QShowEvent* evento) {
    tFormBase::showEvent(evento);
    FormShow();
}

void TFormVistaPrevia::FormShow() {
    if (!Informe)
        return;
    setWindowTitle(TextoTitulo() + QStringLiteral(" (generando el informe; por favor, espere...)"));
    arrastrando_ = false;
    pendienteIniciar_ = true;
    if (!PermitirImprimir) {
        BtnPrint->setEnabled(false);
        BtnPrintSetup->setEnabled(false);
    }
    if (!PermitirGuardar) {
        BtnSave->setEnabled(false);
        BtnLoad->setEnabled(false);
    }
    const std::pair<QAction*, QAbstractButton*> pares[] = {{opVerHojaEntera, ZoomToFit},
                                                           {opVerTamanoCompleto, ZoomTo100},
                                                           {opAjustarAnchoPagina, ZoomToWidth},
                                                           {opImprimir, BtnPrint},
                                                           {opCerrar, BtnCerrar}};
    for (const auto& [opcion, boton] : pares) {
        opcion->setIcon(boton->icon());
        opcion->setText(boton->toolTip());
    }
    EnfocarSiHabilitado(BtnCerrar);
}

void TFormVistaPrevia::Previsualizar() {
    paginas_ = std::make_unique<InformePreparado>();
    paginas_->titulo = Informe ? Informe->titulo : QString();
    AlPrevisualizar(paginas_.get());
    if (Informe && !cerrada_) {
        generador_.Generar(*Informe, *paginas_);
        // The last page was announced while generation was still busy.
        if (!cerrada_)
            VistaPreviaPageAvailable(generador_.PaginasPreparadas());
    }
    if (!cerrada_) {
        QEventLoop bucle;
        connect(this, &TFormVistaPrevia::Cerrada, &bucle, &QEventLoop::quit);
        bucle.exec();
    }
}

void TFormVistaPrevia::AlPrevisualizar(InformePreparado* paginas) {
    VistaPrevia->FijarInforme(paginas);
    show();
    repaint();
}

void TFormVistaPrevia::VistaPreviaPageAvailable(int pagina) {
    if (cerrada_)
        return;
    if (pendienteIniciar_)
        Init();
    VistaPrevia->PaginasCambiadas();
    QString estado;
    if (generador_.Estado() == EstadoGeneracion::Preparado)
        estado = QStringLiteral(" (preparado)");
    else if (generador_.Estado() == EstadoGeneracion::Ocupado)
        estado = QStringLiteral(" (procesando la página %1)").arg(pagina);
    setWindowTitle(TextoTitulo() + estado);
    if (generador_.Estado() == EstadoGeneracion::Terminado) {
        AjustarCajaPagina();
        ActualizarNumPagina();
        PanelNumPag->setVisible(true);
        FijarBotonesTerminado(true);
    }
}

void TFormVistaPrevia::FijarBotonesTerminado(bool habilitar) {
    if (PermitirImprimir) {
        BtnPrintSetup->setEnabled(habilitar);
        BtnPrint->setEnabled(habilitar);
    }
    if (PermitirGuardar) {
        BtnSave->setEnabled(habilitar);
        BtnLoad->setEnabled(habilitar);
    }
}

void TFormVistaPrevia::Init() {
    sePage->setText(QStringLiteral("1"));
    VistaPrevia->ZoomAjustarAncho();
    SoltarBotonesZoom();
    ZoomToWidth->setChecked(true);
    pendienteIniciar_ = false;
    paginaPedida_ = false;
    BtnCerrar->setEnabled(true);
    sePage->setEnabled(true);
    BtnCerrar->setFocus();
}

// The page box and the page status are wide enough for the last page number
// of the report, however long it is.
void TFormVistaPrevia::AjustarCajaPagina() {
    const QString ultima = QString::number(VistaPrevia->NumeroPaginas());
    const int cifras = std::max(kCifrasPagina, int(ultima.size()));
    sePage->setMaxLength(cifras);
    const int anchoCifras = QFontMetrics(sePage->font()).horizontalAdvance(QString(cifras, QLatin1Char('0')));
    const int margen = sePage->textMargins().left() + sePage->textMargins().right() + 12;
    sePage->setFixedWidth(std::max(kAnchoCajaPagina, anchoCifras + margen));
    const QString mayor = QStringLiteral(" Página %1 de %1").arg(QString(cifras, QLatin1Char('9')));
    PanelNumPag->setFixedWidth(std::max(kAnchoNumPag, QFontMetrics(PanelNumPag->font()).horizontalAdvance(mayor) + 8));
}

void TFormVistaPrevia::ActualizarNumPagina() {
    PanelNumPag->setText(QStringLiteral(" Página %1 de %2").arg(VistaPrevia->Pagina()).arg(VistaPrevia->NumeroPaginas()));
    PanelNumPag->setAccessibleName(PanelNumPag->text().trimmed());
}

void TFormVistaPrevia::EnfocarSiHabilitado(QWidget* control) {
    if (control->isEnabled())
        control->setFocus();
}

void TFormVistaPrevia::SoltarBotonesZoom() {
    for (QToolButton* b : {ZoomToFit, ZoomTo100, ZoomToWidth})
        b->setChecked(false);
}

void TFormVistaPrevia::MostrarPaginaDeLaCaja(int pagina) { sePage->setText(QString::number(pagina)); }

void TFormVistaPrevia::sePageChange() {
    if (!sePage->text().isEmpty()) {
        int numero = sePage->text().toInt();
        if (numero == 0 || numero > VistaPrevia->NumeroPaginas()) {
            numero = VistaPrevia->Pagina();
            const QSignalBlocker bloqueo(sePage);
            sePage->setText(QString::number(numero));
        }
        VistaPrevia->FijarPagina(numero);
    }
    ActualizarNumPagina();
}

void TFormVistaPrevia::sePageExit() {
    if (sePage->text().isEmpty())
        sePage->setText(QString::number(VistaPrevia->Pagina()));
}

void TFormVistaPrevia::sePageEnter() {
    if (paginaPedida_) {
        paginaPedida_ = false;
        sePage->selectAll();
    } else {
        EnfocarSiHabilitado(BtnCerrar);
    }
}

void TFormVistaPrevia::sePageClick() {
    paginaPedida_ = true;
    sePage->setFocus();
}

void TFormVistaPrevia::Label1Click() { sePageClick(); }

void TFormVistaPrevia::sbFirstPageClick() {
    QCoreApplication::processEvents();
    MostrarPaginaDeLaCaja(1);
    EnfocarSiHabilitado(BtnCerrar);
}

void TFormVistaPrevia::sbPreviousPageClick() {
    QCoreApplication::processEvents();
    EnfocarSiHabilitado(BtnCerrar);
    const int numero = sePage->text().toInt();
    if (numero > 1)
        MostrarPaginaDeLaCaja(numero - 1);
}

void TFormVistaPrevia::sbNextPageClick() {
    QCoreApplication::processEvents();
    EnfocarSiHabilitado(BtnCerrar);
    const int numero = sePage->text().toInt();
    if (numero < VistaPrevia->NumeroPaginas())
        MostrarPaginaDeLaCaja(numero + 1);
}

void TFormVistaPrevia::sbLastPageClick() {
    QCoreApplication::processEvents();
    MostrarPaginaDeLaCaja(VistaPrevia->NumeroPaginas());
    EnfocarSiHabilitado(BtnCerrar);
}

void TFormVistaPrevia::ZoomToFitClick() {
    QCoreApplication::processEvents();
    VistaPrevia->ZoomAjustarPagina();
    EnfocarSiHabilitado(BtnCerrar);
}

void TFormVistaPrevia::ZoomTo100Click() {
    QCoreApplication::processEvents();
    VistaPrevia->FijarZoom(100);
    EnfocarSiHabilitado(BtnCerrar);
}

void TFormVistaPrevia::ZoomToWidthClick() {
    QCoreApplication::processEvents();
    VistaPrevia->ZoomAjustarAncho();
    EnfocarSiHabilitado(BtnCerrar);
}

// One button of the zoom group goes down and the others up.
void TFormVistaPrevia::PulsarZoom(QToolButton* boton) {
    SoltarBotonesZoom();
    boton->setChecked(true);
}

void TFormVistaPrevia::opVerHojaEnteraClick() {
    PulsarZoom(ZoomToFit);
    ZoomToFitClick();
}

void TFormVistaPrevia::opVerTamanoCompletoClick() {
    PulsarZoom(ZoomTo100);
    ZoomTo100Click();
}

void TFormVistaPrevia::opAjustarAnchoPaginaClick() {
    PulsarZoom(ZoomToWidth);
    ZoomToWidthClick();
}

void TFormVistaPrevia::ppMenuPopup(const QPoint& donde) {
    opVerHojaEntera->setChecked(ZoomToFit->isChecked());
    opVerTamanoCompleto->setChecked(ZoomTo100->isChecked());
    opAjustarAnchoPagina->setChecked(ZoomToWidth->isChecked());
    opImprimir->setEnabled(BtnPrint->isEnabled());
    ppMenu->popup(VistaPrevia->viewport()->mapToGlobal(donde));
}

int TFormVistaPrevia::PosicionProporcional(int a, int b, int c) {
    if (c == 0)
        return 0;
    return std::min(a, int(std::lround(double(a) * b / c)));
}

void TFormVistaPrevia::CambiarZoom(int nuevo) {
    const int z = VistaPrevia->Zoom();
    if (nuevo == z)
        return;
    QScrollBar* h = VistaPrevia->horizontalScrollBar();
    QScrollBar* v = VistaPrevia->verticalScrollBar();
    const int posH = h->value(), posV = v->value();
    const int rangoH = h->maximum(), rangoV = v->maximum();
    VistaPrevia->ZoomAjustarAncho();
    VistaPrevia->FijarZoom(nuevo);
    SoltarBotonesZoom();
    // The scroll bars' maxima are already the ranges less the visible part.
    h->setValue(PosicionProporcional(h->maximum(), posH, rangoH));
    v->setValue(PosicionProporcional(v->maximum(), posV, rangoV));
}

void TFormVistaPrevia::BtnZoomOutClick() {
    const int z = VistaPrevia->Zoom();
    CambiarZoom(std::max(50, z > 50 ? z - 20 : z));
}

void TFormVistaPrevia::BtnZoomInClick() {
    const int z = VistaPrevia->Zoom();
    CambiarZoom(std::min(300, z < 300 ? z + 20 : z));
}

void TFormVistaPrevia::Desplazar(Qt::Orientation orientacion, int lineas) {
    QScrollBar* barra =
        orientacion == Qt::Horizontal ? VistaPrevia->horizontalScrollBar() : VistaPrevia->verticalScrollBar();
    barra->setValue(std::clamp(barra->value() + lineas * kLineasPorTecla * barra->singleStep(), 0, barra->maximum()));
    EnfocarSiHabilitado(BtnCerrar);
}

bool TFormVistaPrevia::BtnCerrarKeyUp(int tecla) {
    switch (tecla) {
    case Qt::Key_PageDown: sbNextPageClick(); return true;
    case Qt::Key_PageUp: sbPreviousPageClick(); return true;
    case Qt::Key_End: sbLastPageClick(); return true;
    case Qt::Key_Home: sbFirstPageClick(); return true;
    case Qt::Key_Up: Desplazar(Qt::Vertical, -1); return true;
    case Qt::Key_Down: Desplazar(Qt::Vertical, 1); return true;
    case Qt::Key_Left: Desplazar(Qt::Horizontal, -1); return true;
    case Qt::Key_Right: Desplazar(Qt::Horizontal, 1); return true;
    case Qt::Key_P: sePageClick(); return true;
    default: return false;
    }
}

// The printer set-up dialog; true when confirmed. On a system without
// printers it can only print to a PDF file, offered in the documents folder
// (or the last folder used); cancelling leaves the printer as it was.
bool TFormVistaPrevia::ConfigurarSalida() {
    const QString antes = impresora_->outputFileName();
    if (antes.isEmpty() && ImpresorasDelSistema().isEmpty()) {
        impresora_->setOutputFormat(QPrinter::PdfFormat);
        impresora_->setOutputFileName(QDir(puertas::CarpetaFicheros()).filePath(QStringLiteral("informe.pdf")));
    }
    if (ConfigurarImpresora(*impresora_, int(paginas_->paginas.size()), this))
        return true;
    impresora_->setOutputFileName(antes);
    return false;
}

void TFormVistaPrevia::ImprimirInforme() {
    if (!paginas_)
        return;
    // Without a printer, the person first chooses where the PDF file goes.
    if (impresora_->outputFileName().isEmpty() && ImpresorasDelSistema().isEmpty() && !ConfigurarSalida())
        return;
    // Where a PDF goes, told once it is written: the printer may be
    // replaced below.
    const QString pdf =
        impresora_->outputFormat() == QPrinter::PdfFormat ? QFileInfo(impresora_->outputFileName()).absoluteFilePath()
                                                           : QString();
    FijarBotonesTerminado(false);
    imprimiendo_ = true;
    QString fallo;
    const bool impreso = ImprimirPaginas(*paginas_, *impresora_, this, &fallo);
    imprimiendo_ = false;
    FijarBotonesTerminado(true);
    // A printer that failed to start may refuse every later change: the next
    // print starts from a new one.
    if (impresora_->printerState() == QPrinter::Active || impresora_->printerState() == QPrinter::Error)
        impresora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!impreso && !fallo.isEmpty())
        Avisar(QStringLiteral("Imprimir"), QStringLiteral("No se ha podido imprimir el informe: %1.").arg(fallo),
               AvisoError);
    else if (impreso && !pdf.isEmpty())
        Avisar(QStringLiteral("Imprimir"),
               QStringLiteral("El informe se ha escrito en el fichero PDF «%1».").arg(QDir::toNativeSeparators(pdf)),
               AvisoInformacion);
}

void TFormVistaPrevia::BtnPrintClick() {
    EnfocarSiHabilitado(BtnCerrar);
    if (!BtnPrint->isEnabled())
        return;
    if (ConfirmarImpresion(QString()))
        ImprimirInforme();
}

void TFormVistaPrevia::BtnPrintSetupClick() {
    EnfocarSiHabilitado(BtnCerrar);
    if (paginas_ && ConfigurarSalida())
        ImprimirInforme();
}

void TFormVistaPrevia::BtnSaveClick() {
    if (!paginas_)
        return;
    const QString nombre =
        PedirFicheroParaGuardar(this, QStringLiteral("Guardar el informe"), kFiltroInformes,
                                [](const QString& elegido) { return ConExtension(elegido, QStringLiteral("zrp")); });
    if (nombre.isEmpty())
        return;
    QString motivo;
    if (!GuardarInforme(*paginas_, nombre, &motivo))
        Avisar(QStringLiteral("Error al guardar fichero de informe"),
               QStringLiteral("No se puede guardar el informe en: %1 (%2)").arg(nombre, motivo), AvisoError);
}

void TFormVistaPrevia::BtnLoadClick() {
    const QString nombre = puertas::PedirNombreFichero(this, QStringLiteral("Cargar un informe"),
                                                       kFiltroInformes, false);
    if (nombre.isEmpty())
        return;
    const QString titulo = QStringLiteral("Error al cargar fichero de informe");
    const QString texto = QStringLiteral("No se puede cargar fichero seleccionado: ") + nombre;
    if (!QFileInfo::exists(nombre)) {
        Avisar(titulo, texto, AvisoError);
        return;
    }
    InformePreparado leido;
    QString motivo;
    const bool cargado = CargarInformeConProgreso(nombre, leido, &motivo, this);
    if (!cargado && motivo.isEmpty())
        return;  // cancelled by the person
    if (!cargado ||
        (leido.paginas.empty() && !(motivo = QStringLiteral("el fichero no contiene páginas")).isEmpty())) {
        Avisar(titulo, texto + QStringLiteral(" (") + motivo + QLatin1Char(')'), AvisoError);
        return;
    }
    if (leido.titulo.isEmpty())
        leido.titulo = QFileInfo(nombre).fileName();
    *paginas_ = std::move(leido);
    VistaPrevia->FijarInforme(paginas_.get());
    const int cuenta = int(paginas_->paginas.size());
    setWindowTitle(paginas_->titulo + QStringLiteral(" - ") + QString::number(cuenta) +
                   (cuenta == 1 ? QStringLiteral(" página") : QStringLiteral(" páginas")));
    pendienteIniciar_ = true;
    {
        // The box is reset to page 1 without asking the surface for a page twice.
        const QSignalBlocker bloqueo(sePage);
        Init();
    }
    AjustarCajaPagina();
    ActualizarNumPagina();
}

void TFormVistaPrevia::BtnCerrarClick() { close(); }

void TFormVistaPrevia::reject() {
    if (BtnCerrar->isEnabled())
        BtnCerrarClick();
}

bool TFormVistaPrevia::FormCloseQuery() const {
    const bool paginasListas = !paginas_ || generador_.Estado() != EstadoGeneracion::Preparado;
    return paginasListas && BtnCerrar->isEnabled() && !imprimiendo_;
}

void TFormVistaPrevia::closeEvent(QCloseEvent* evento) {
    // Only the close button closes the window: the window system's close
    // request (Alt+F4) does nothing.
    if (evento->spontaneous() || cerrada_ || !FormCloseQuery()) {
        evento->ignore();
        return;
    }
    evento->accept();
    FormClose();
}

void TFormVistaPrevia::FormClose() {
    generador_.Cancelar();
    VistaPrevia->FijarInforme(nullptr);
    QCoreApplication::processEvents();
    if (cursorCambiado_) {
        QApplication::restoreOverrideCursor();
        cursorCambiado_ = false;
    }
    cerrada_ = true;
    emit Cerrada();
}

void TFormVistaPrevia::VistaPreviaMouseDown(const QPoint& punto) {
    arrastrando_ = true;
    arrastre_ = punto;
    if (!cursorCambiado_) {
        QApplication::setOverrideCursor(Qt::SizeAllCursor);
        cursorCambiado_ = true;
    }
}

// The page follows the pointer: each move scrolls by the distance from the
// previous point.
void TFormVistaPrevia::VistaPreviaMouseMove(const QPoint& punto) {
    if (!arrastrando_)
        return;
    QScrollBar* h = VistaPrevia->horizontalScrollBar();
    QScrollBar* v = VistaPrevia->verticalScrollBar();
    h->setValue(std::clamp(h->value() + arrastre_.x() - punto.x(), 0, h->maximum()));
    v->setValue(std::clamp(v->value() + arrastre_.y() - punto.y(), 0, v->maximum()));
    arrastre_ = punto;
    EnfocarSiHabilitado(BtnCerrar);
}

void TFormVistaPrevia::VistaPreviaMouseUp() {
    arrastrando_ = false;
    if (cursorCambiado_) {
        QApplication::restoreOverrideCursor();
        cursorCambiado_ = false;
    }
}

bool TFormVistaPrevia::FormShortCut(QEvent* evento) {
    auto* tecla = static_cast<QKeyEvent*>(evento);
    return (evento->type() == QEvent::ShortcutOverride || evento->type() == QEvent::Shortcut ||
            evento->type() == QEvent::KeyPress) &&
           (tecla->modifiers() & Qt::AltModifier);
}

bool TFormVistaPrevia::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if ((tipo == QEvent::ShortcutOverride || tipo == QEvent::KeyPress) && FormShortCut(evento)) {
        evento->accept();
        return true;
    }
    if (objeto == BtnCerrar && (tipo == QEvent::KeyPress || tipo == QEvent::KeyRelease)) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool navegacion = tecla->key() != Qt::Key_Space && tecla->key() != Qt::Key_Return &&
                                tecla->key() != Qt::Key_Enter && tecla->key() != Qt::Key_Escape &&
                                tecla->key() != Qt::Key_Tab && tecla->key() != Qt::Key_Backtab;
        // A key acts when it is released, and only when it was pressed here
        // on its own: the release of Ctrl+P, whether it began in the table
        // window or here, is not the P key.
        if (tipo == QEvent::KeyPress && !tecla->isAutoRepeat())
            teclaPulsada_ = tecla->modifiers() & (Qt::ControlModifier | Qt::MetaModifier) ? 0 : tecla->key();
        if (tipo == QEvent::KeyRelease && !tecla->isAutoRepeat() && BtnCerrar->isEnabled() &&
            std::exchange(teclaPulsada_, 0) == tecla->key()) {
            if (tecla->modifiers() & Qt::KeypadModifier) {
                if (tecla->key() == Qt::Key_Minus)
                    BtnZoomOutClick();
                else if (tecla->key() == Qt::Key_Plus)
                    BtnZoomInClick();
            } else if (navegacion) {
                BtnCerrarKeyUp(tecla->key());
            }
        }
        return navegacion && tipo == QEvent::KeyPress;
    }
    if (objeto == sePage) {
        if (tipo == QEvent::FocusIn)
            QMetaObject::invokeMethod(this, &TFormVistaPrevia::sePageEnter, Qt::QueuedConnection);
        else if (tipo == QEvent::FocusOut)
            sePageExit();
        else if (tipo == QEvent::MouseButtonRelease)
            sePageClick();
    } else if (objeto == Label1 && tipo == QEvent::MouseButtonRelease) {
        Label1Click();
    } else if (objeto == VistaPrevia->viewport()) {
        auto* raton = dynamic_cast<QMouseEvent*>(evento);  // null for the viewport's other events
        if (tipo == QEvent::MouseButtonPress && raton->button() == Qt::LeftButton)
            VistaPreviaMouseDown(raton->position().toPoint());
        else if (tipo == QEvent::MouseMove)
            VistaPreviaMouseMove(raton->position().toPoint());
        else if (tipo == QEvent::MouseButtonRelease && raton->button() == Qt::LeftButton) {
            VistaPreviaMouseUp();
            EnfocarSiHabilitado(BtnCerrar);
        }
    }
    return tFormBase::eventFilter(objeto, evento);
}

void MostrarPreliminar(DefinicionInforme& informe, bool permitirImprimir, bool permitirGuardar, QWidget* padre) {
    TFormVistaPrevia ventana(padre);
    ventana.PermitirImprimir = permitirImprimir;
    ventana.PermitirGuardar = permitirGuardar;
    ventana.Informe = &informe;
    ventana.Previsualizar();
}
