#pragma once
// Doors: every place where the program waits for the person or hands
// something to the system goes through one of these functions. The window kit
// installs the system's behaviour at start-up (ui/puertas_sistema.h); tests
// replace it to answer for the person and to see what was shown. Until the
// system's doors are installed, every door answers as if the person cancelled.
#include <QSize>
#include <QString>
#include <QUrl>
#include <functional>

class QDialog;
class QWidget;

namespace puertas {

// Shows a dialog modally and returns its result code (QDialog::Accepted or
// QDialog::Rejected). System: QDialog::exec().
using MostrarModal = std::function<int(QDialog&)>;
int EjecutarModal(QDialog& dialogo);
void FijarMostrarModal(MostrarModal puerta);

// The system's default sound.
using Pitido = std::function<void()>;
void Pitar();
void FijarPitido(Pitido puerta);

// Hands an address (web or mail) to the system. System: QDesktopServices.
using AbrirUrl = std::function<void(const QUrl&)>;
void AbrirEnSistema(const QUrl& url);
void FijarAbrirUrl(AbrirUrl puerta);

// Opens the help viewer on a topic, or on its table of contents when the
// topic is 0, for the given window (which may be null). System: the
// program's own help window.
using VisorAyuda = std::function<void(int contexto, QWidget* padre)>;
void AbrirVisorAyuda(int contexto, QWidget* padre);
void FijarVisorAyuda(VisorAyuda puerta);

// Asks the person for the name of a file to save (`guardar`) or to open,
// offering the file types of `filtro` (Qt's "Descripción (*.ext)" form).
// Returns the chosen path, empty when cancelled. System: QFileDialog opened
// in CarpetaFicheros(); it does not ask before replacing a file, since the
// extension added afterwards may change the name: callers ask then
// (ui/fichero_para_guardar.h).
// The folder of a chosen file becomes the next CarpetaFicheros().
using PedirFichero =
    std::function<QString(QWidget* padre, const QString& titulo, const QString& filtro, bool guardar)>;
QString PedirNombreFichero(QWidget* padre, const QString& titulo, const QString& filtro, bool guardar);
void FijarPedirFichero(PedirFichero puerta);

// Where file dialogs start: the last folder a file was chosen in during this
// run; before that the user's documents folder, or home when there is none.
// Never the program's own folder, which is read-only once installed.
QString CarpetaFicheros();
// Forgets the last folder used (tests start from a clean run).
void OlvidarCarpetaFicheros();

// The size of the screen windows are shown on. System: the primary screen.
using Pantalla = std::function<QSize()>;
QSize TamanoPantalla();
void FijarTamanoPantalla(Pantalla puerta);

// Restores every door to the program's own behaviour: the installer given
// here runs again (the window kit gives its own at start-up).
void RestaurarPuertas();
void FijarRestaurador(std::function<void()> instalar);

}  // namespace puertas
