#pragma once
// Window-level helpers: the print question, handing an address to the system
// placing a window on its screen and bringing one to the front.
#include <QString>

class QWidget;

// Asks "¿Desea imprimir <nombre>?" ("el informe" when the name is empty),
// titled "Imprimir", with "&Sí" and "&No", "&No" the default. True for "&Sí".
bool ConfirmarImpresion(const QString& nombreInforme);

// Hands a web or mail address (with its scheme, "https://…" or "mailto:…") to
// the system through the door puertas::AbrirEnSistema. An empty address does
// nothing; a failure of the system is ignored.
void AbrirDireccion(const QString& direccion);

// Places the window on the screen it lies on, restored to its normal state:
// 0 keeps its size and centres it (filling the screen when it does not fit),
// 1 to 99 gives it that percentage of the screen's width and height, centred,
// and 100 or more fills the screen.
void SituarVentana(QWidget* ventana, int porcentaje);

// Brings a window to the front: restored if minimised, raised, activated.
void TraerAlFrente(QWidget* ventana);
