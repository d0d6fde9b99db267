#include "app/aplicacion.h"

#include "ui/informe_errores.h"
#include "ui/utilidades_ventana.h"
#include "util/instancia_unica.h"

#include <QWidget>

TAplicacion::TAplicacion(int& argc, char** argv) : QApplication(argc, argv) {
    connect(this, &QGuiApplication::focusWindowChanged, this, [this](QWindow* ventana) {
        if (ventana)
            ultimaVentana_ = ventana;
    });
}

bool TAplicacion::notify(QObject* receptor, QEvent* evento) {
    std::exception_ptr error;
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        error = std::current_exception();
    }
    // Shown outside the catch block: the dialog runs its own event loop.
    InformarError(error);
    return false;
}

// A modal dialog takes the input, whichever window had it before;
// otherwise the last window that had it, if it is still shown.
QWidget* TAplicacion::VentanaEnUso() const {
    if (QWidget* modal = activeModalWidget())
        return modal;
    if (!ultimaVentana_ || !ultimaVentana_->isVisible())
        return nullptr;
    for (QWidget* ventana : topLevelWidgets())
        if (ventana->windowHandle() == ultimaVentana_)
            return ventana;
    return nullptr;
}

void TAplicacion::TraerVentanaEnUso(QWidget* principal) {
    if (principal && principal->isMinimized())
        TraerAlFrente(principal);
    QWidget* destino = VentanaEnUso();
    if (!destino)
        destino = principal;
    if (!destino)
        return;
    // The windows it belongs to first, outermost first, so that none of
    // them ends above it.
    QList<QWidget*> cadena{destino};
    for (QWidget* padre = destino->parentWidget(); padre; padre = padre->parentWidget())
        if (padre->isWindow())
            cadena.prepend(padre);
    for (QWidget* ventana : cadena)
        if (ventana != destino && ventana->isVisible())
            ventana->raise();
    TraerAlFrente(destino);
}
