#include "ui/utilidades_ventana.h"

#include "ui/avisos.h"
#include "util/puertas.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>

bool ConfirmarImpresion(const QString& nombreInforme) {
    const QString nombre = nombreInforme.isEmpty() ? QStringLiteral("el informe") : nombreInforme;
    return Confirmar(QStringLiteral("Imprimir"), QStringLiteral("¿Desea imprimir %1?").arg(nombre), true,
                     BotonesSiNo, AvisoConfirmacion);
}

void AbrirDireccion(const QString& direccion) {
    if (direccion.trimmed().isEmpty())
        return;
    const QUrl url = QUrl::fromUserInput(direccion.trimmed());
    if (url.isValid())
        puertas::AbrirEnSistema(url);
}

namespace {

// The outer rectangle that the window should take on the screen.
QRect MarcoDeseado(const QRect& pantalla, const QSize& marco, int porcentaje) {
    if (porcentaje >= 100)
        return pantalla;
    QSize tam = marco;
    if (porcentaje > 0)
        tam = QSize(pantalla.width() * porcentaje / 100, pantalla.height() * porcentaje / 100);
    else if (pantalla.width() < marco.width() || pantalla.height() < marco.height())
        return pantalla;
    return QRect(pantalla.left() + (pantalla.width() - tam.width()) / 2,
                 pantalla.top() + (pantalla.height() - tam.height()) / 2, tam.width(), tam.height());
}

// The margins between a window's frame and its client area as known now.
QMargins MargenesPropios(const QWidget* w) {
    const QRect marco = w->frameGeometry();
    const QRect cliente = w->geometry();
    return {cliente.left() - marco.left(), cliente.top() - marco.top(), marco.right() - cliente.right(),
            marco.bottom() - cliente.bottom()};
}

// A window on view that the window manager frames: not a pop-up, a tooltip
// or the splash.
bool Enmarcable(const QWidget* w) {
    const Qt::WindowType tipo = w->windowType();
    return w->isVisible() && !(w->windowFlags() & Qt::FramelessWindowHint) && tipo != Qt::Popup &&
           tipo != Qt::ToolTip && tipo != Qt::SplashScreen;
}

// The free area of the screen the window is on.
QRect AreaLibre(const QWidget* ventana) {
    QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    return pantalla ? pantalla->availableGeometry() : QRect();
}

// The window's outer rectangle, frame included.
QRect MarcoActual(const QWidget* ventana) { return ventana->geometry().marginsAdded(MargenesMarco(ventana)); }

// Gives the window the outer rectangle `marco`: its client area is what the
// frame leaves inside.
void FijarMarco(QWidget* ventana, const QRect& marco) {
    const QRect cliente = marco.marginsRemoved(MargenesMarco(ventana));
    if (ventana->geometry() != cliente)
        ventana->setGeometry(cliente);
}

}  // namespace

QRect RectanguloDentroDe(const QRect& marco, const QRect& area) {
    QRect r(marco.topLeft(), marco.size().boundedTo(area.size()));
    r.moveLeft(qBound(area.left(), r.left(), area.right() - r.width() + 1));
    r.moveTop(qBound(area.top(), r.top(), area.bottom() - r.height() + 1));
    return r;
}

QMargins MargenesMarco(const QWidget* ventana) {
    const QMargins propios = MargenesPropios(ventana);
    if (!propios.isNull())
        return propios;
    for (const QWidget* otra : QApplication::topLevelWidgets()) {
        const QMargins ajenos = otra != ventana && Enmarcable(otra) ? MargenesPropios(otra) : QMargins();
        if (!ajenos.isNull())
            return ajenos;
    }
    return {};
}

void AjustarAPantalla(QWidget* ventana) {
    if (!ventana || ventana->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect area = AreaLibre(ventana);
    if (area.isEmpty())
        return;
    const QRect marco = MarcoActual(ventana);
    const QRect dentro = RectanguloDentroDe(marco, area);
    if (dentro != marco)
        FijarMarco(ventana, dentro);
}

void CentrarSobre(QWidget* ventana, const QWidget* referencia) {
    if (!ventana)
        return;
    const QRect area = AreaLibre(ventana);
    QRect marco = MarcoActual(ventana);
    marco.moveCenter(referencia ? referencia->window()->frameGeometry().center() : area.center());
    FijarMarco(ventana, area.isEmpty() ? marco : RectanguloDentroDe(marco, area));
}

// Only the window manager knows the frame it draws round a window it has not
// framed yet, and which area it keeps free: maximising hands it the fitting.
// The window is given the free area itself first, so that its layout starts
// from about the final size.
void LlenarPantalla(QWidget* ventana) {
    if (!ventana || ventana->windowState() & Qt::WindowMaximized)
        return;
    const QRect area = AreaLibre(ventana);
    if (!area.isEmpty())
        FijarMarco(ventana, area);
    ventana->setWindowState((ventana->windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) |
                            Qt::WindowMaximized);
}

void SituarVentana(QWidget* ventana, int porcentaje) {
    if (!ventana)
        return;
    const Qt::WindowStates estado = ventana->windowState();
    if (estado & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        ventana->setWindowState(estado & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QRect area = AreaLibre(ventana);
    if (area.isEmpty())
        return;
    FijarMarco(ventana, MarcoDeseado(area, MarcoActual(ventana).size(), porcentaje));
}

void TraerAlFrente(QWidget* ventana) {
    if (!ventana)
        return;
    if (ventana->isMinimized())
        ventana->setWindowState((ventana->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}
