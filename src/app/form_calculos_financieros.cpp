#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"

#include "ui/avisos.h"
#include "ui/ayuda.h"
#include "app/form_acerca_de.h"
#include "util/identidad.h"
#include "ui/informe_errores.h"
#include "ui/lista_accesible.h"
#include "ui/panel_resultado.h"
#include "app/accion_desarrollar.h"
#include "app/archivo_calculos.h"
#include "ui/utilidades_campos.h"
#include "ui/utilidades_ventana.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

TFormCalculosFinancieros* FormCalculosFinancieros = nullptr;
finance::CodigoCalculo CalculoActual = finance::CodigoCalculo::PrestamoCuota;

namespace {

using finance::CodigoCalculo;

constexpr int kAyudaPrestamos = 6120;
constexpr int kAyudaInversiones = 6160;
constexpr int kAyudaDepreciaciones = 6200;

}  // namespace

TFormCalculosFinancieros::TFormCalculosFinancieros(QWidget* parent) : QMainWindow(parent) {
    FormCalculosFinancieros = this;
    CalculoActual = CodigoCalculo::PrestamoCuota;
    TPanelResultado::RegistrarAccesibilidad();
    RegistrarListaAccesible();
    CrearAcciones();
    CrearMarco();
    FormCreate();
}

TFormCalculosFinancieros::~TFormCalculosFinancieros() {
    if (FormCalculosFinancieros == this)
        FormCalculosFinancieros = nullptr;
}

void TFormCalculosFinancieros::FormCreate() {
    setWindowTitle(TextoNombrePrograma() + QLatin1Char(' ') + TextoVersion());
    // A fixed-size window with the system menu and the minimise button only;
    // without CustomizeWindowHint an X11 window manager adds a maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    HabilitarCampos(pcCalculos, ModoCampo::Editable, MarcoCampo::SegunModo);
    ResaltarCampos(this);
    PrepararPaginaPrestamos();
    PrepararPaginaInversiones();
    PrepararPaginaDepreciaciones();
    VigilarDatos(PnlPresInfo, TablaPrestamos());
    VigilarDatos(PnlInvInfo, TablaInversiones());
    VigilarDatos(PnlDepInfo, TablaDepreciaciones());
    pcCalculos->setCurrentWidget(tsPres);
    ArchivoCalculos = new TArchivoCalculos(*this);

    connect(pcCalculos, &QTabWidget::currentChanged, this, &TFormCalculosFinancieros::pcCalculosChange);
    connect(CbPresCalculos, &QComboBox::currentIndexChanged, this, &TFormCalculosFinancieros::CbPresCalculosClick);
    connect(CbInvCalculos, &QComboBox::currentIndexChanged, this, &TFormCalculosFinancieros::CbInvCalculosClick);
    connect(CbDepCalculos, &QComboBox::currentIndexChanged, this, &TFormCalculosFinancieros::CbDepCalculosClick);
    for (QComboBox* lista : pcCalculos->findChildren<QComboBox*>())
        lista->view()->installEventFilter(this);
    SituarVentana(this, 0);
}

void TFormCalculosFinancieros::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TFormCalculosFinancieros::FormShow() { pcCalculosChange(); }

void TFormCalculosFinancieros::paintEvent(QPaintEvent* evento) {
    QMainWindow::paintEvent(evento);
    if (!pintado_) {
        pintado_ = true;
        emit PrimeraPintura();
    }
}

void TFormCalculosFinancieros::pcCalculosChange() {
    QWidget* pagina = pcCalculos->currentWidget();
    if (pagina == tsPres) {
        PnlInfoCalculos->setText(QStringLiteral(" Préstamos"));
        CbPresCalculosClick();
        FijarContextoAyuda(this, kAyudaPrestamos);
    } else if (pagina == tsInv) {
        PnlInfoCalculos->setText(QStringLiteral(" Inversiones"));
        CbInvCalculosClick();
        FijarContextoAyuda(this, kAyudaInversiones);
    } else if (pagina == tsDep) {
        PnlInfoCalculos->setText(QStringLiteral(" Depreciaciones"));
        CbDepCalculosClick();
        FijarContextoAyuda(this, kAyudaDepreciaciones);
    }
}

void TFormCalculosFinancieros::CbPresCalculosClick() {
    const int indice = CbPresCalculos->currentIndex();
    if (indice < 0 || indice > 3)
        return;
    CalculoActual = finance::CalculoDeLaLista(CodigoCalculo::PrestamoCuota, indice);
    PrepararIncognita();
}

void TFormCalculosFinancieros::CbInvCalculosClick() {
    const int indice = CbInvCalculos->currentIndex();
    if (indice < 0 || indice >= finance::kCalculosInversion)
        return;
    CalculoActual = finance::CalculoInversionDeLaLista(indice);
    RotularResultadosInversion(CalculoActual == CodigoCalculo::InversionRetirada);
    PrepararIncognita();
}

void TFormCalculosFinancieros::CbDepCalculosClick() {
    const int indice = CbDepCalculos->currentIndex();
    if (indice < 0 || indice > 3)
        return;
    CalculoActual = finance::CalculoDeLaLista(CodigoCalculo::DepreciacionLineal, indice);
}

void TFormCalculosFinancieros::PrepararIncognita() {
    QWidget* pagina = pcCalculos->currentWidget();
    if (pagina == tsPres)
        PrepararIncognita(PnlPresDatos, TablaPrestamos(), CodigoCalculo::PrestamoCuota);
    else if (pagina == tsInv)
        PrepararIncognita(PnlInvDatos, TablaInversiones(), CodigoCalculo::InversionCuota);
    // The withdrawal is written in the contribution's box; the final capital
    // is not asked for (the last withdrawal leaves 0), and the plan's
    // conditions belong to saving, not to spending the capital.
    const bool retirada = pagina == tsInv && CalculoActual == CodigoCalculo::InversionRetirada;
    if (retirada) {
        BloquearIncognita(EditInvCuota);
        BloquearIncognita(EditInvCapital);
        BtnInvCuota->setEnabled(false);
        BtnInvCapital->setEnabled(false);
    }
    BtnInvCondiciones->setEnabled(!retirada);
}

// The unknown's box is locked and its calculator button disabled; every other
// box and button of the page is usable.
void TFormCalculosFinancieros::PrepararIncognita(QWidget* datos, const TablaDePagina& tabla, CodigoCalculo primero) {
    DesbloquearEdits(datos);
    const int i = finance::IndiceEnLaLista(primero, CalculoActual);
    if (i < 0 || i >= tabla.incognitas)
        return;
    const CampoDePagina& incognita = tabla.campos[std::size_t(i)];
    BloquearIncognita(this->*incognita.miembro);
    for (const CampoDePagina& campo : tabla.campos) {
        QWidget* boton = campo.boton ? this->*campo.boton : nullptr;
        if (boton)
            boton->setEnabled(campo.boton != incognita.boton);
    }
}

void TFormCalculosFinancieros::DesbloquearEdits(QWidget* panel) {
    // Masked date boxes are left as they are: they are never the unknown.
    for (QLineEdit* campo : panel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (!campo->inputMask().isEmpty())
            continue;
        // A change of page gives the focus back to the page's box before its
        // unknown is prepared: that box keeps its focus colour.
        FijarColorFondo(campo, campo->hasFocus() ? ColorResaltado : ColorEditable);
        campo->setReadOnly(false);
        campo->setFocusPolicy(Qt::StrongFocus);
        campo->setEnabled(true);
    }
}

void TFormCalculosFinancieros::BloquearIncognita(QLineEdit* campo) {
    FijarColorFondo(campo, ColorIncognita);
    campo->setReadOnly(true);
    campo->setFocusPolicy(Qt::NoFocus);
    campo->setEnabled(false);
}

void TFormCalculosFinancieros::ColorearResultados(QWidget* panel) {
    for (TPanelResultado* resultado : panel->findChildren<TPanelResultado*>(Qt::FindDirectChildrenOnly))
        FijarColorFondo(resultado, ColorIncognita);
}

void TFormCalculosFinancieros::AccCalcularExecute() {
    EjecutarProtegido([this] {
        QWidget* pagina = pcCalculos->currentWidget();
        if (pagina == tsPres)
            CalcularPrestamo();
        else if (pagina == tsInv)
            CalcularInversion();
        else if (pagina == tsDep)
            CalcularDepreciacion();
    });
}

void TFormCalculosFinancieros::AccInicializarExecute() {
    EjecutarProtegido([this] {
        QWidget* pagina = pcCalculos->currentWidget();
        if (pagina == tsPres) {
            InicializarPrestamo();
            ResultadosAlDia(PnlPresInfo, false);
        } else if (pagina == tsInv) {
            InicializarInversion();
            ResultadosAlDia(PnlInvInfo, false);
        } else if (pagina == tsDep) {
            InicializarDepreciacion();
            ResultadosAlDia(PnlDepInfo, false);
        }
    });
}

void TFormCalculosFinancieros::AccDesarrollarExecute() { EjecutarDesarrollo(*this); }

void TFormCalculosFinancieros::AccSalirExecute() { close(); }

void TFormCalculosFinancieros::AccAyudaExecute() {
    EjecutarProtegido([this] { AbrirAyudaContenido(this); });
}

void TFormCalculosFinancieros::AccAcercadeExecute() {
    EjecutarProtegido([] { MostrarAcercaDe(); });
}

void TFormCalculosFinancieros::LblDescargaZelvarMoneyClick() {
    EjecutarProtegido([] { AbrirDireccion(QStringLiteral("http://") + TextoWeb()); });
}

namespace {

// Enter and Escape in an open drop-down list belong to the list (choose,
// close). The window's shortcuts for those keys are asked first unless the
// list's pop-up claims the keys, which Qt's own pop-up does not do.
bool TeclaDeListaAbierta(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::ShortcutOverride)
        return false;
    auto* vista = qobject_cast<QAbstractItemView*>(objeto);
    if (!vista || !vista->isVisible())
        return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Escape;
}

}  // namespace

bool TFormCalculosFinancieros::eventFilter(QObject* objeto, QEvent* evento) {
    if (TeclaDeListaAbierta(objeto, evento))
        evento->accept();  // and the list goes on to handle the key itself
    if (objeto == LblDescargaZelvarMoney && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        LblDescargaZelvarMoneyClick();
        return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

bool TFormCalculosFinancieros::FormCloseQuery() {
    // Unsaved changes to a file ask their own question, which can also stay.
    if (ArchivoCalculos->HayCambios())
        return ArchivoCalculos->PermitirDejar();
    return Confirmar(QStringLiteral("Salir del programa"), QStringLiteral("¿Terminamos la ejecución del programa?"),
                     true, BotonesSiNo, AvisoConfirmacion);
}

void TFormCalculosFinancieros::closeEvent(QCloseEvent* evento) {
    bool cerrar = false;
    EjecutarProtegido([&] { cerrar = FormCloseQuery(); });
    if (cerrar)
        evento->accept();
    else
        evento->ignore();
}

void TFormCalculosFinancieros::MostrarAvisoCalculo(const QString& titulo, const QString& texto) {
    Avisar(titulo, texto, AvisoAtencion);
}
