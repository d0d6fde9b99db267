#pragma once
// The name of a file the program is about to write: chosen in the save
// dialog, completed with its type's extension, and, when a file of that name
// is already there, replaced only if the person says so.
#include <QString>
#include <functional>

class QWidget;

// `ruta` with "." + `extension` added when its file name has none; dots in
// the names of its folders do not count.
QString ConExtension(const QString& ruta, const QString& extension);

// Asks through the file door (offering `filtro`), completes the name with
// `completar`, and asks "¿Desea reemplazarlo?" under `titulo` when the name
// is taken (a link too, even one that leads nowhere), "&No" the default.
// Empty when the person cancelled the dialog or said no.
QString PedirFicheroParaGuardar(QWidget* padre, const QString& titulo, const QString& filtro,
                                const std::function<QString(const QString&)>& completar);
