#include "ui/informe_errores.h"

#include "ui/avisos.h"
#include "finance/excepciones_matematicas.h"

#include <new>

namespace {

QString Texto(const char* mensaje) { return QString::fromUtf8(mensaje); }

}  // namespace

QString TextoInformeError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const EConvertError& e) {
        return Texto(e.what());
    } catch (const EInvalidArgument& e) {
        return QStringLiteral("Los datos no son válidos para el cálculo (%1).").arg(Texto(e.what()));
    } catch (const EZeroDivide&) {
        return QStringLiteral("El cálculo ha intentado dividir por cero.");
    } catch (const EOverflow&) {
        return QStringLiteral("El resultado del cálculo es demasiado grande.");
    } catch (const EInvalidOp&) {
        return QStringLiteral("El cálculo ha realizado una operación no válida.");
    } catch (const EMathError&) {
        return QStringLiteral("Se ha producido un error en el cálculo.");
    } catch (const Exception& e) {
        return Texto(e.what());  // the program's own exceptions carry Spanish messages
    } catch (const std::bad_alloc&) {
        return QStringLiteral("No hay memoria suficiente para completar la operación.");
    } catch (const std::exception& e) {
        return QStringLiteral("Se ha producido un error inesperado: %1").arg(Texto(e.what()));
    } catch (...) {
        return QStringLiteral("Se ha producido un error inesperado.");
    }
}

void InformarError(const std::exception_ptr& error) {
    Avisar(QStringLiteral("Error"), TextoInformeError(error), AvisoError);
}

bool EjecutarProtegido(const std::function<void()>& accion) {
    std::exception_ptr error;
    try {
        accion();
        return true;
    } catch (...) {
        error = std::current_exception();
    }
    InformarError(error);
    return false;
}
