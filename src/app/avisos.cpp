#include "app/avisos.h"

#include "util/puertas.h"

#include <QDialog>

// Interim version: a bare dialog through the modal door, until the real
// TFormAvisos is in place.
QString TituloAviso(const QString& titulo, int tipo) {
    if (!titulo.isEmpty())
        return titulo;
    switch (tipo) {
    case AvisoInformacion: return QStringLiteral("Información");
    case AvisoAtencion: return QStringLiteral("Atención");
    case AvisoConfirmacion: return QStringLiteral("Confirmación");
    default: return QStringLiteral("Error");
    }
}

bool MostrarAviso(const QString& titulo, const QString& mensaje, bool, int, int tipo) {
    QDialog dialogo;
    dialogo.setWindowTitle(TituloAviso(titulo, tipo));
    dialogo.setProperty("mensaje", mensaje);
    return puertas::EjecutarModal(dialogo) == QDialog::Accepted;
}

bool Confirmar(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones, int tipo) {
    return MostrarAviso(titulo, mensaje, cancelarPorDefecto, botones, tipo);
}

void Avisar(const QString& titulo, const QString& mensaje, int tipo) {
    MostrarAviso(TituloAviso(titulo, tipo), mensaje, false, BotonesAceptar, tipo);
}
