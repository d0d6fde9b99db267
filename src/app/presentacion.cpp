#include "app/presentacion.h"

#include "app/form_acerca_de.h"

#include <QPointer>
#include <QTimer>

namespace {

constexpr int kDuracionPresentacion = 2000;

void TimerIntroTimer(QTimer* timer, const QPointer<TFormAcercade>& presentacion, QWidget* ventanaPrincipal) {
    timer->stop();
    // close(), not hide(): when the main window has already been closed, this
    // lets the application end.
    if (presentacion) {
        presentacion->close();
        presentacion->deleteLater();
    }
    if (ventanaPrincipal)
        ventanaPrincipal->repaint();
}

}  // namespace

TFormAcercade* MostrarPresentacion(QWidget* ventanaPrincipal) {
    auto* presentacion = new TFormAcercade;
    presentacion->setObjectName(QStringLiteral("FormAcercadePresentacion"));
    QObject* duenioTimer = ventanaPrincipal ? static_cast<QObject*>(ventanaPrincipal) : presentacion;
    auto* timer = new QTimer(duenioTimer);
    timer->setObjectName(QStringLiteral("TimerIntro"));
    timer->setInterval(kDuracionPresentacion);
    QPointer<TFormAcercade> vigilada(presentacion);
    QPointer<QWidget> principal(ventanaPrincipal);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, vigilada, principal] { TimerIntroTimer(timer, vigilada, principal); });
    // The splash has no owner: it must not outlive the main window.
    if (ventanaPrincipal)
        QObject::connect(ventanaPrincipal, &QObject::destroyed, presentacion, &QObject::deleteLater);
    presentacion->show();
    presentacion->repaint();
    timer->start();
    return presentacion;
}
