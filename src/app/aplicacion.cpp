#include "app/aplicacion.h"

#include "app/informe_errores.h"

TAplicacion::TAplicacion(int& argc, char** argv) : QApplication(argc, argv) {}

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
