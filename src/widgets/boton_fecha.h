#pragma once
// The small calendar button beside a date edit box. It sits at the box's
// right and is enabled only while the box can be written. A click opens the
// date picker on the box's date (or today) and writes the chosen date back;
// a right click puts today's date in, asking first when the box holds a date.
#include "widgets/boton_campo.h"

#include <QString>

class QLineEdit;

class tBotonFecha : public TBotonCampo {
    Q_OBJECT
public:
    explicit tBotonFecha(QWidget* owner = nullptr);

    // Stored with the button; nothing depends on it.
    bool fVacia = false;
    // The picker's scaling switch is set from it.
    bool fScaled = false;
    // Caption of the picker; empty keeps "Seleccionar una fecha".
    QString Titulo;

public slots:
    // Opens the picker for the edit box.
    void Click();
    // Puts today's date into the edit box (the right click).
    void PonerFechaDeHoy();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    // Moves the focus to the edit box; false when another field kept it
    // (its own date check failed).
    bool EnfocarEdit();
};

// A date button serving the edit box, created beside it in the same parent
// window, with the given object name.
tBotonFecha* CrearBotonFecha(QLineEdit* edit, const QString& nombre);
