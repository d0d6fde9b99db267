#pragma once
// The colours by which input controls show their state, and the one place
// where a control's background is set and read: the palette's Base role (and
// Button for combo boxes, whose closed face Fusion paints with it).
#include <QColor>

class QWidget;

inline const QColor ColorResaltado{224, 255, 255};   // the focused input control
inline const QColor ColorSoloLectura{216, 216, 216}; // read-only
inline const QColor ColorEditable{255, 255, 255};    // editable
inline const QColor ColorIncognita{255, 255, 208};   // locked unknown and result panels

void FijarColorFondo(QWidget* control, const QColor& color);
QColor ColorFondo(const QWidget* control);
