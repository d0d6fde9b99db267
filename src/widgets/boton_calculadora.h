#pragma once
// The small calculator button beside a numeric edit box. It sits at the
// box's right, is enabled only while the box can be written, and on a click
// opens the calculator preloaded with the box's number; "&Enviar" writes the
// result back into the box.
#include "widgets/boton_campo.h"

#include <QString>

class QLineEdit;

class tBotonCalculadora : public TBotonCampo {
    Q_OBJECT
public:
    explicit tBotonCalculadora(QWidget* owner = nullptr);

    // Stored with the button; nothing depends on it.
    bool fVacio = false;
    // The calculator scales its layout with the screen's text size.
    bool fScaled = false;
    // Caption of the calculator; empty keeps "Calculadora".
    QString Titulo;

    // The calculator's top-left corner for a button whose top-left corner is
    // at `boton` (screen coordinates) and whose height is `altoBoton`: on the
    // button's corner when the window fits on the screen; flush with the
    // right edge, below the button or above it when there is no room below;
    // with its bottom on the button's bottom near the bottom edge.
    static QPoint PosicionVentana(const QPoint& boton, int altoBoton, const QSize& ventana, const QRect& pantalla);

public slots:
    void Click();

protected:
    void EditAsignado(QLineEdit* edit) override;

private:
    void AbrirParaEdit(QLineEdit* edit);
    void AbrirSinEdit();
};

// A calculator button serving the edit box, created beside it in the same
// parent window, with the given object name.
tBotonCalculadora* CrearBotonCalculadora(QLineEdit* edit, const QString& nombre);
