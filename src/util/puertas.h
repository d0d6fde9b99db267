#pragma once
// Doors: every place where the program waits for the person or hands
// something to the system goes through one of these functions. The program
// uses the default behaviour; tests replace it to answer for the person and to
// see what was shown.
#include <QString>
#include <QUrl>
#include <functional>

class QDialog;

namespace puertas {

// Shows a dialog modally and returns its result code (QDialog::Accepted or
// QDialog::Rejected). Default: QDialog::exec().
using MostrarModal = std::function<int(QDialog&)>;
int EjecutarModal(QDialog& dialogo);
void FijarMostrarModal(MostrarModal puerta);

// The system's default sound.
using Pitido = std::function<void()>;
void Pitar();
void FijarPitido(Pitido puerta);

// Hands an address (web or mail) to the system. Default: QDesktopServices.
using AbrirUrl = std::function<void(const QUrl&)>;
void AbrirEnSistema(const QUrl& url);
void FijarAbrirUrl(AbrirUrl puerta);

// Restores every door to the program's own behaviour.
void RestaurarPuertas();

}  // namespace puertas
