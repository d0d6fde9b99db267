#pragma once
// Set-up of the input fields of every window: numeric key filtering, date
// fields with their check on leaving, editable or read-only look and the focus
// highlight. Call order in a window's creation: HabilitarCampos on the page
// container, ResaltarCampos on the whole window, then PrepararCampoNumerico and
// PrepararCampoFecha field by field.
//
// Fields keep an integer in the dynamic property "tag": D + 10 × S for numeric
// fields (see filtro_numerico.h), 1 for a date field that may not be left
// blank and 0 for one that may.
#include "ui/colores_campos.h"
#include "ui/utilidades_ventana.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

// Start-up: reads the regional settings again and fixes the program's short
// date format (dd/MM/yyyy, or MM/dd/yyyy when the system puts the month first).
void AjustarFormatosFecha();

// Refills the list with the pieces of a text separated by ";": "a;b;" gives
// a and b, ";a" gives an empty item and a, "" gives none. Pieces are not
// trimmed.
void CargarListaTexto(const QString& texto, QStringList& lista);
// The same straight into a combo box's items.
void CargarListaTexto(const QString& texto, QComboBox* combo);

// Sets the tag and installs the numeric key filter (once; an edit box that
// already has it keeps it).
void PrepararCampoNumerico(QLineEdit* campo, bool decimales, bool signo);

// Gives the field the date mask (an untouched field reads "  /  /    "), sets
// the tag and makes the date check run when the field loses the focus,
// replacing whatever leave handler ResaltarCampos gave it; the check restores
// the highlight itself.
void PrepararCampoFecha(QLineEdit* campo, bool blancoPermitido);

// The date check that runs when a date field loses the focus: a blank field
// where blanks are not allowed, or a text that does not read, gives a warning
// and sends the focus back. The text is never rewritten.
void ValidarFechaAlSalir(QLineEdit* campo);

// Writes today's date into a date box that is blank (FechaEnBlanco): empty or
// showing only its mask.
void FechaDeHoySiEnBlanco(QLineEdit* campo);

// The result of the last date check (false after a failed one), setting it
// back to true.
bool LeerValidacion();

// Whether HabilitarCampos makes the controls writable or read-only.
enum class ModoCampo { SoloLectura, Editable };
// Whether a control's frame follows its mode (framed when editable, flat when
// read-only) or stays as it is.
enum class MarcoCampo { SinCambio, SegunModo };

// Makes every input control inside the container (edit boxes and combo boxes,
// searched through panels, pages and groups) editable or read-only: see
// HabilitarCampo.
void HabilitarCampos(QWidget* contenedor, ModoCampo modo, MarcoCampo marco);

// Editable: writable, white, in the Tab order, with a frame when the frame
// follows the mode. Read-only: read-only, grey, out of the Tab order (still
// reachable by mouse), flat when the frame follows the mode. A combo box is
// enabled or disabled instead.
void HabilitarCampo(QWidget* campo, ModoCampo modo, MarcoCampo marco);

// Installs the focus highlight on every input control inside the container
// (edit boxes, combo boxes and list boxes), except read-only edit boxes: the
// background turns ColorResaltado while the control has the focus.
void ResaltarCampos(QWidget* contenedor);
