#pragma once
// Every message and yes/no question of the program goes through these
// operations, which show the TFormAvisos dialog modally.
#include <QString>

// Kinds of dialog: they choose the default title, the icon and the beep.
enum TipoAviso : int {
    AvisoError = 0,
    AvisoInformacion = 1,
    AvisoAtencion = 2,
    AvisoConfirmacion = 3,
};

// Button sets: "&Sí"/"&No", "&Aceptar"/"&Cancelar", "&Aceptar" alone.
enum BotonesAviso : int {
    BotonesSiNo = 0,
    BotonesAceptarCancelar = 1,
    BotonesAceptar = 2,
};

// A non-empty title unchanged; an empty one gives the kind's own title.
QString TituloAviso(const QString& titulo, int tipo);

// Shows the dialog; true when it was closed through the accept button.
bool MostrarAviso(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones,
                  int tipo);

// A question: the result of MostrarAviso with the same arguments.
bool Confirmar(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones,
               int tipo);

// A message with a single "&Aceptar" button.
void Avisar(const QString& titulo, const QString& mensaje, int tipo);
