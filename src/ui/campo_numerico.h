#pragma once
// What a numeric edit box does with typed keys, pasted text and its context
// menu: each edit goes through the rule of filtro_numerico.h, and a refused
// one beeps and says why in a tip under the box, so that no character is
// ever dropped without a word.
class QAction;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QString;

// Handles a key pressed in the box; true when the key was consumed (refused,
// or entered in another form). Editing keys and commands other than paste
// are left to the box.
bool TeclaEnCampoNumerico(QLineEdit* campo, const QKeyEvent* tecla);

// Pastes a text over the box's selection, or refuses it saying why.
void PegarEnCampoNumerico(QLineEdit* campo, const QString& pegado);

// The box's standard context menu with its "Pegar" going through
// PegarEnCampoNumerico. The caller owns it.
QMenu* MenuCampoNumerico(QLineEdit* campo);

// The "Pegar" entry of a box's standard context menu, or null when it has
// none (a read-only box).
QAction* AccionPegar(const QMenu* menu);

// The middle button pastes the selection where clicked on systems that have
// one; true when the click was handled.
bool ClicCentralEnCampoNumerico(QLineEdit* campo, const QMouseEvent* clic);

// On leaving the box: a number left unfinished (a thousands group short of
// three digits) is pointed out the same way as a refused key.
void AvisarSiNumeroIncompleto(QLineEdit* campo);
