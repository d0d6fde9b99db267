#include "ui/utilidades_ventana.h"

#include "ui/avisos.h"
#include "util/puertas.h"

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

}  // namespace

void SituarVentana(QWidget* ventana, int porcentaje) {
    if (!ventana)
        return;
    const Qt::WindowStates estado = ventana->windowState();
    if (estado & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        ventana->setWindowState(estado & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    // The placement is of the outer frame; the client area is what is left
    // inside the window system's borders.
    const QRect marco = ventana->frameGeometry();
    const QRect cliente = ventana->geometry();
    const QRect destino = MarcoDeseado(pantalla->geometry(), marco.size(), porcentaje);
    ventana->setGeometry(destino.adjusted(cliente.left() - marco.left(), cliente.top() - marco.top(),
                                          cliente.right() - marco.right(), cliente.bottom() - marco.bottom()));
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
