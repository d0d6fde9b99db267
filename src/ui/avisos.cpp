#include "ui/avisos.h"

#include "ui/form_avisos.h"
#include "util/puertas.h"

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

// Each call builds its own dialog; it lives on this stack frame, so it is
// gone when the call returns, also when showing it throws.
bool MostrarAviso(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones, int tipo) {
    TFormAvisos dialogo;
    dialogo.Preparar(titulo, mensaje, cancelarPorDefecto, botones, tipo);
    if (TFormAvisos::DebePitar(tipo))
        puertas::Pitar();
    return puertas::EjecutarModal(dialogo) == QDialog::Accepted;
}

bool Confirmar(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones, int tipo) {
    return MostrarAviso(titulo, mensaje, cancelarPorDefecto, botones, tipo);
}

void Avisar(const QString& titulo, const QString& mensaje, int tipo) {
    MostrarAviso(TituloAviso(titulo, tipo), mensaje, false, BotonesAceptar, tipo);
}
