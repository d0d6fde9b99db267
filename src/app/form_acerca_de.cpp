#include "app/form_acerca_de.h"

#include "ui/ayuda.h"
#include "util/identidad.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "util/fechas.h"
#include "util/puertas.h"
#include "ui/utilidades_ventana.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kAncho = 371;
constexpr int kAlto = 272;
constexpr int kAltoBotones = 46;
constexpr int kContextoAcercade = 1020;

const QColor kColorFondo(193, 208, 213);
const QColor kColorGranate(128, 0, 0);
const QColor kColorMarino(0, 0, 128);
const QColor kColorEnlace(0, 0, 255);

QFont FuenteArial(int puntos, bool negrita = false, bool subrayada = false) {
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSize(puntos);
    fuente.setBold(negrita);
    fuente.setUnderline(subrayada);
    return fuente;
}

QLabel* NuevaEtiqueta(QWidget* padre, const QString& nombre, const QRect& sitio, const QFont& fuente,
                      const QColor& color = Qt::black) {
    auto* etiqueta = new QLabel(padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setGeometry(sitio);
    etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    etiqueta->setFont(fuente);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(paleta);
    return etiqueta;
}

QLabel* NuevaImagen(QWidget* padre, const QString& nombre, const QRect& sitio, const QString& recurso,
                    const QString& descripcion) {
    auto* imagen = new QLabel(padre);
    imagen->setObjectName(nombre);
    imagen->setGeometry(sitio);
    imagen->setPixmap(PixmapSvg(recurso, sitio.size()));
    imagen->setAccessibleName(descripcion);
    imagen->setAccessibleDescription(descripcion);
    return imagen;
}

void HacerEnlace(QLabel* etiqueta, const QString& pista) {
    etiqueta->setCursor(Qt::PointingHandCursor);
    etiqueta->setToolTip(pista);
    etiqueta->setStatusTip(pista);
    etiqueta->setAccessibleDescription(pista);
}

// Labels show their text: that is also their accessible name.
void Rellenar(QLabel* etiqueta, const QString& texto) {
    etiqueta->setText(texto);
    etiqueta->setAccessibleName(texto);
}

}  // namespace

TFormAcercade::TFormAcercade(QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormAcercade"));
    setWindowTitle(QStringLiteral("Acerca de"));
    setFixedSize(kAncho, kAlto);
    CrearControles();
    FormCreate();
    Centrar();
}

void TFormAcercade::CrearControles() {
    PnlAcercade = new QFrame(this);
    PnlAcercade->setObjectName(QStringLiteral("PnlAcercade"));
    PnlAcercade->setGeometry(0, 0, kAncho, kAlto - kAltoBotones);
    PnlAcercade->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PnlAcercade->setLineWidth(1);
    PnlAcercade->setContentsMargins(5, 5, 5, 5);
    PnlAcercade->setAutoFillBackground(true);
    QPalette paleta = PnlAcercade->palette();
    paleta.setColor(QPalette::Window, kColorFondo);
    PnlAcercade->setPalette(paleta);
    PnlAcercade->setFocusPolicy(Qt::StrongFocus);
    PnlAcercade->setAccessibleName(QStringLiteral("Acerca de"));
    PnlAcercade->setAccessibleDescription(QStringLiteral("Información sobre el programa y su autor"));
    CrearCabecera();
    CrearAutor();
    CrearBotones();
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void TFormAcercade::CrearCabecera() {
    ImgZelvarMoney = NuevaImagen(PnlAcercade, QStringLiteral("ImgZelvarMoney"), QRect(10, 10, 48, 48),
                                 QStringLiteral(":/icons/logo_zelvar_money.svg"),
                                 QStringLiteral("Logotipo de Zelvar Zuzidaduve"));
    LblNombreProg = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblNombreProg"), QRect(60, 12, 250, 26),
                                  FuenteArial(15, true), kColorMarino);
    LblVersion = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblVersion"), QRect(60, 42, 250, 17), FuenteArial(9, true));
    LblFechaVersion =
        NuevaEtiqueta(PnlAcercade, QStringLiteral("LblFechaVersion"), QRect(60, 60, 250, 17), FuenteArial(9));
    Rellenar(LblNombreProg, QStringLiteral("Nombre del programa"));
    Rellenar(LblVersion, QStringLiteral("Versión 1.0"));
    Rellenar(LblFechaVersion, QStringLiteral("01 de enero de 2002"));

    Bevel2 = new QFrame(PnlAcercade);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(12, 86, kAncho - 24, 2);
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Raised);
}

void TFormAcercade::CrearAutor() {
    LblNombreAutor = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblNombreAutor"), QRect(10, 96, kAncho - 20, 17),
                                   FuenteArial(9, true));
    LblDerechosAutor = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblDerechosAutor"),
                                     QRect(10, 115, kAncho - 20, 17), FuenteArial(8), kColorGranate);
    Rellenar(LblNombreAutor, QStringLiteral("Nombre del autor"));
    LblLicencia = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblLicencia"), QRect(10, 132, kAncho - 130, 17),
                                FuenteArial(8));
    Rellenar(LblLicencia, QStringLiteral("Licencia GPL-3.0 o posterior"));

    ImgZelvarSoft = NuevaImagen(PnlAcercade, QStringLiteral("ImgZelvarSoft"), QRect(kAncho - 112, 140, 100, 75),
                                QStringLiteral(":/icons/logo_zelvarsoft.svg"), QStringLiteral("Logotipo de ZelvarSoft"));
    LblWebAutor = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblWebAutor"), QRect(12, 152, 240, 17),
                                FuenteArial(9, false, true), kColorEnlace);
    LblEmailAutor = NuevaEtiqueta(PnlAcercade, QStringLiteral("LblEmailAutor"), QRect(12, 176, 240, 34),
                                  FuenteArial(9, false, true), kColorGranate);
    LblEmailAutor->setWordWrap(true);
    Rellenar(LblWebAutor, QStringLiteral("Web del autor"));
    Rellenar(LblEmailAutor, QStringLiteral("Email del autor"));
    HacerEnlace(LblWebAutor, QStringLiteral("Visitar la web de ZelvarSoft"));
    HacerEnlace(LblEmailAutor, QStringLiteral("Enviar un correo electrónico a ZelvarSoft"));
}

void TFormAcercade::CrearBotones() {
    PnlBotones = new QFrame(this);
    PnlBotones->setObjectName(QStringLiteral("PnlBotones"));
    PnlBotones->setGeometry(0, kAlto - kAltoBotones, kAncho, kAltoBotones);
    BtnAceptar = new QPushButton(QStringLiteral("&Aceptar"), PnlBotones);
    BtnAceptar->setObjectName(QStringLiteral("BtnAceptar"));
    BtnAceptar->setGeometry((kAncho - 75) / 2, 11, 75, 25);
    BtnAceptar->setFont(FuenteArial(9));
    BtnAceptar->setDefault(true);
    BtnAceptar->setAccessibleName(QStringLiteral("Aceptar"));
    BtnAceptar->setAccessibleDescription(QStringLiteral("Cerrar esta ventana"));
    connect(BtnAceptar, &QPushButton::clicked, this, &TFormAcercade::BtnAceptarClick);
}

void TFormAcercade::FormCreate() {
    FijarContextoAyuda(this, kContextoAcercade);
    setWindowTitle(TextoNombrePrograma() + QLatin1Char(' ') + TextoVersion());
    setAccessibleName(windowTitle());
    Rellenar(LblNombreProg, TextoNombrePrograma());
    Rellenar(LblVersion, QStringLiteral("Versión ") + TextoVersion());
    Rellenar(LblFechaVersion, FechaEnLetra(LeerFecha(TextoFechaVersion()).value_or(QDate())));
    Rellenar(LblNombreAutor, TextoAutor());
    Rellenar(LblDerechosAutor, TextoDerechos());
    Rellenar(LblWebAutor, TextoWeb());
    Rellenar(LblEmailAutor, TextoCorreo());
}

void TFormAcercade::Centrar() {
    QScreen* pantalla = QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    QRect sitio(QPoint(), size());
    sitio.moveCenter(pantalla->availableGeometry().center());
    move(sitio.topLeft());
}

void TFormAcercade::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    PnlAcercade->setFocus(Qt::OtherFocusReason);
}

bool TFormAcercade::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(evento)->key()))
        return true;
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (objeto == LblWebAutor)
            LblWebAutorClick();
        else if (objeto == LblEmailAutor)
            LblEmailAutorClick();
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFormAcercade::keyPressEvent(QKeyEvent* evento) {
    if (!FormKeyPress(evento->key()))
        QDialog::keyPressEvent(evento);
}

bool TFormAcercade::FormKeyPress(int tecla) {
    if (tecla != Qt::Key_Escape || !isActiveWindow())
        return false;
    close();
    return true;
}

void TFormAcercade::BtnAceptarClick() { accept(); }

void TFormAcercade::LblWebAutorClick() {
    EjecutarProtegido([] { AbrirDireccion(QStringLiteral("http://") + TextoWeb()); });
}

void TFormAcercade::LblEmailAutorClick() {
    EjecutarProtegido([] { AbrirDireccion(QStringLiteral("mailto:") + TextoCorreo()); });
}

void MostrarAcercaDe() {
    TFormAcercade acercade;
    puertas::EjecutarModal(acercade);
}
