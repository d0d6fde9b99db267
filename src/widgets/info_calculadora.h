#pragma once
// The currency data of the calculator's two conversion buttons.
#include <QString>

struct trInfoCalculadora {
    QString NombrePropia;   // name of the user's own currency
    QString NombreDivisa;   // name of the foreign currency
    QString SimboloPropia;  // short symbol of the own currency
    QString SimboloDivisa;  // short symbol of the foreign currency
    double Cambio = 1.0;    // foreign-currency units per one unit of own currency
};

// The program-wide record read by every calculator when it is created. While
// its four texts are empty the conversion buttons are disabled.
extern trInfoCalculadora InfoCalculadora;

// Start-up step: empties the four texts and sets Cambio to 1.
void ReiniciarInfoCalculadora();
