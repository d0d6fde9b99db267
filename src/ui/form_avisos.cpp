#include "ui/form_avisos.h"

#include "ui/avisos.h"
#include "ui/imagen_svg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVariant>
#include <algorithm>

namespace {

constexpr int kAnchoDiseno = 352;
constexpr int kAltoDiseno = 123;
constexpr int kAltoBotones = 48;
constexpr int kLadoIcono = 38;
constexpr int kAnchoBoton = 100;
constexpr int kSeparacionBotones = 40;
constexpr int kAnchoCorto = 200;
constexpr int kAnchoAjuste = 500;
constexpr int kAltoMinimo = 150;
// The panel's raised outer edge and its border of 4 pixels, inside which the
// lowered inner edge is drawn.
constexpr int kMargenBisel = 5;

const char* const kIconos[] = {
    ":/icons/aviso_error.svg",
    ":/icons/aviso_informacion.svg",
    ":/icons/aviso_atencion.svg",
    ":/icons/aviso_confirmacion.svg",
};

int TipoConocido(int tipo) { return tipo >= AvisoError && tipo <= AvisoConfirmacion ? tipo : AvisoError; }

// Every kind has its own message font; today they are all alike.
QFont FuenteMensaje(int) { return QFont(QStringLiteral("Arial"), 9, QFont::Bold); }
QFont FuenteBotones() { return QFont(QStringLiteral("Arial"), 8); }

// Half of n, rounded to the nearest integer with a half going to the even
// neighbour, so that the placement is the same on every machine.
int MitadAlPar(int n) {
    const int abajo = n >= 0 ? n / 2 : -((1 - n) / 2);
    if (n % 2 == 0)
        return abajo;
    return abajo % 2 == 0 ? abajo : abajo + 1;
}

// Callers may break lines with "\r", "\r\n" or "\n"; the label wants "\n".
QString ConSaltosDeLinea(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

void PonerTexto(QPushButton* boton, const QString& texto) {
    boton->setText(texto);
    boton->setAccessibleName(QString(texto).remove(QLatin1Char('&')));
}

void Colorear(QWidget* control, QPalette::ColorRole papel, const QColor& color) {
    QPalette paleta = control->palette();
    paleta.setColor(papel, color);
    control->setPalette(paleta);
}

}  // namespace

TFormAvisos::TFormAvisos(QWidget* padre) : QDialog(padre) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    CrearPaneles();
    CrearBotones();
    for (const char* recurso : kIconos)
        ilIconos << PixmapSvg(QString::fromLatin1(recurso), QSize(kLadoIcono, kLadoIcono));
    setFixedSize(kAnchoDiseno, kAltoDiseno);
    AjustarPaneles();
}

void TFormAvisos::CrearPaneles() {
    PanelDatos = new QFrame(this);
    PanelDatos->setObjectName(QStringLiteral("PanelDatos"));
    PanelDatos->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelDatos->setAutoFillBackground(true);
    Colorear(PanelDatos, QPalette::Window, QColor(211, 211, 211));
    bisel_ = new QFrame(PanelDatos);
    bisel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    LblMensaje = new QLabel(QStringLiteral("LblMensaje"), PanelDatos);
    LblMensaje->setObjectName(QStringLiteral("LblMensaje"));
    LblMensaje->setTextFormat(Qt::PlainText);
    LblMensaje->move(64, 30);

    ImgIcono = new QLabel(PanelDatos);
    ImgIcono->setObjectName(QStringLiteral("ImgIcono"));
    ImgIcono->setScaledContents(true);
    ImgIcono->setGeometry(16, 18, kLadoIcono, kLadoIcono);

    PnlBotones = new QFrame(this);
    PnlBotones->setObjectName(QStringLiteral("PnlBotones"));
    PnlBotones->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void TFormAvisos::CrearBotones() {
    BtnAceptar = new QPushButton(PnlBotones);
    BtnAceptar->setObjectName(QStringLiteral("BtnAceptar"));
    BtnAceptar->setGeometry(56, 9, kAnchoBoton, 30);
    BtnAceptar->setIcon(IconoSvg(QStringLiteral(":/icons/boton_aceptar.svg"), QSize(16, 16)));
    PonerTexto(BtnAceptar, QStringLiteral("&Aceptar"));
    connect(BtnAceptar, &QPushButton::clicked, this, &QDialog::accept);

    BtnCancelar = new QPushButton(PnlBotones);
    BtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    BtnCancelar->setGeometry(196, 9, kAnchoBoton, 30);
    BtnCancelar->setIcon(IconoSvg(QStringLiteral(":/icons/boton_cancelar.svg"), QSize(16, 16)));
    PonerTexto(BtnCancelar, QStringLiteral("&Cancelar"));
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    BtnCancelar->setDefault(true);
    botonEscape_ = BtnCancelar;
}

void TFormAvisos::AjustarPaneles() {
    const int ancho = width();
    const int altoDatos = std::max(0, height() - kAltoBotones);
    PanelDatos->setGeometry(0, 0, ancho, altoDatos);
    PnlBotones->setGeometry(0, altoDatos, ancho, kAltoBotones);
    bisel_->setGeometry(kMargenBisel, kMargenBisel, ancho - 2 * kMargenBisel, altoDatos - 2 * kMargenBisel);
}

void TFormAvisos::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    AjustarPaneles();
}

void TFormAvisos::Preparar(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones,
                           int tipo) {
    setProperty("mensaje", mensaje);
    setProperty("tipoAviso", tipo);
    setProperty("botonesAviso", botones);

    QFont fuente = font();
    fuente.setPointSize(FuenteMensaje(tipo).pointSize());
    setFont(fuente);
    setWindowTitle(TituloAviso(titulo, tipo));

    PonerMensaje(mensaje, tipo);
    DimensionarVentana();
    ColocarMensajeEIcono(tipo);
    ColocarBotones(botones);
    ElegirBotonPorDefecto(cancelarPorDefecto);
    CentrarEnPantalla();
}

bool TFormAvisos::DebePitar(int tipo) {
    const int conocido = TipoConocido(tipo);
    return conocido == AvisoError || conocido == AvisoAtencion;
}

// The label sizes itself to its text as it would paint it: unwrapped, or
// wrapped within its present width once word wrap is on. An empty text still
// takes one line.
QSize TFormAvisos::MedirMensaje(const QString& texto) const {
    constexpr int kSinLimite = 1 << 20;
    const bool ajustar = LblMensaje->wordWrap();
    const int flags = Qt::AlignLeft | Qt::AlignTop | (ajustar ? Qt::TextWordWrap : 0);
    const QRect caja(0, 0, ajustar ? LblMensaje->width() : kSinLimite, kSinLimite);
    const QString medido = texto.isEmpty() ? QStringLiteral(" ") : texto;
    return QFontMetrics(LblMensaje->font()).boundingRect(caja, flags, medido).size();
}

void TFormAvisos::PonerMensaje(const QString& mensaje, int tipo) {
    LblMensaje->setFont(FuenteMensaje(tipo));
    Colorear(LblMensaje, QPalette::WindowText, QColor(0, 0, 128));
    LblMensaje->setWordWrap(false);
    altoUnaLinea_ = MedirMensaje(QString()).height();

    const QString texto = ConSaltosDeLinea(mensaje);
    LblMensaje->setText(texto);
    QSize tamano = MedirMensaje(texto);
    const bool centrado = tamano.width() < kAnchoCorto && !texto.contains(QLatin1Char('\n'));
    LblMensaje->setAlignment((centrado ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (tamano.width() > kAnchoCorto) {
        LblMensaje->resize(kAnchoAjuste, tamano.height());
        LblMensaje->setWordWrap(true);
        tamano = MedirMensaje(texto);
    }
    LblMensaje->resize(tamano);

    for (QPushButton* boton : {BtnAceptar, BtnCancelar}) {
        boton->setFont(FuenteBotones());
        Colorear(boton, QPalette::ButtonText, Qt::black);
    }
}

void TFormAvisos::DimensionarVentana() {
    const int anchoMensaje = LblMensaje->width();
    const int alto = std::max(kAltoBotones + LblMensaje->height() + 80, kAltoMinimo);
    const int ancho = anchoMensaje < kAnchoCorto ? kLadoIcono + 260 : anchoMensaje + kLadoIcono + 60;
    setFixedSize(ancho, alto);
    AjustarPaneles();
}

void TFormAvisos::ColocarMensajeEIcono(int tipo) {
    const int arriba = MitadAlPar(PanelDatos->height() - LblMensaje->height());
    const int izquierda = MitadAlPar(PanelDatos->width() - LblMensaje->width()) + 20;
    LblMensaje->move(izquierda, arriba);

    // Beside a text of several lines the icon stands by the first one.
    const bool variasLineas = LblMensaje->height() > altoUnaLinea_;
    const int arribaIcono = variasLineas ? arriba : MitadAlPar(PanelDatos->height() - kLadoIcono);
    ImgIcono->move(izquierda - kLadoIcono - 10, arribaIcono);
    ImgIcono->setPixmap(ilIconos.value(TipoConocido(tipo)));
    ImgIcono->setAccessibleName(TituloAviso(QString(), TipoConocido(tipo)));
}

void TFormAvisos::ColocarBotones(int botones) {
    switch (botones) {
    case BotonesSiNo:
    case BotonesAceptarCancelar: {
        const bool siNo = botones == BotonesSiNo;
        PonerTexto(BtnAceptar, siNo ? QStringLiteral("&Sí") : QStringLiteral("&Aceptar"));
        PonerTexto(BtnCancelar, siNo ? QStringLiteral("&No") : QStringLiteral("&Cancelar"));
        const int izquierda = MitadAlPar(PnlBotones->width() - (2 * kAnchoBoton + kSeparacionBotones));
        BtnAceptar->move(izquierda, BtnAceptar->y());
        BtnCancelar->move(izquierda + kAnchoBoton + kSeparacionBotones, BtnCancelar->y());
        break;
    }
    case BotonesAceptar:
        botonEscape_ = BtnAceptar;
        PonerTexto(BtnAceptar, QStringLiteral("&Aceptar"));
        BtnCancelar->hide();
        BtnAceptar->move(MitadAlPar(PnlBotones->width() - kAnchoBoton), BtnAceptar->y());
        break;
    default:
        break;
    }
}

void TFormAvisos::ElegirBotonPorDefecto(bool cancelarPorDefecto) {
    QPushButton* porDefecto = cancelarPorDefecto ? BtnCancelar : BtnAceptar;
    QPushButton* otro = cancelarPorDefecto ? BtnAceptar : BtnCancelar;
    otro->setDefault(false);
    porDefecto->setDefault(true);
}

void TFormAvisos::CentrarEnPantalla() {
    const QWidget* activa = QApplication::activeWindow();
    QScreen* pantalla = activa ? activa->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect area = pantalla->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

// The focus is chosen after Qt has made its own choice for the dialog, so
// that the rule below is what the person finds.
void TFormAvisos::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible)
        FormShow();
}

void TFormAvisos::FormShow() {
    if (BtnAceptar->isDefault())
        BtnAceptar->setFocus(Qt::OtherFocusReason);
    else if (!BtnCancelar->isHidden())
        BtnCancelar->setFocus(Qt::OtherFocusReason);
    else
        PanelDatos->setFocus(Qt::OtherFocusReason);
}

// Escape presses the button that answers it ("&Cancelar" by design,
// "&Aceptar" when it stands alone) instead of always rejecting.
void TFormAvisos::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        if (botonEscape_->isVisible() && botonEscape_->isEnabled())
            botonEscape_->click();
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}
