#pragma once
// What the program keeps between runs in the user's settings folder: the
// last session's work (a calculation document of its own, written after each
// calculation and on leaving, so that a killed program loses little) and the
// list of recently used files.
#include <QString>
#include <QStringList>

class TFormCalculosFinancieros;

// The program's folder among the user's settings (created on first write).
QString CarpetaAjustes();

// Puts the last session's work in the window; false when there is none or
// it does not read (the window then stays as it started).
bool RestaurarSesion(TFormCalculosFinancieros& ventana);
// Keeps the window's work as the session; failures are not the person's
// concern at that moment and are only noted on the standard error.
void GuardarSesion(const TFormCalculosFinancieros& ventana);

// The recent files, most recent first, at most kMaximoRecientes.
inline constexpr int kMaximoRecientes = 8;
QStringList LeerRecientes();
// Puts `ruta` first in the list (once) and keeps the list's length.
QStringList AnadirReciente(const QString& ruta);
