#pragma once
// Window-level helpers: the print question, handing an address to the system
// placing a window on its screen and bringing one to the front.
#include <QMargins>
#include <QRect>
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
// and 100 or more fills the screen. The screen is its free area, and the
// window's frame is counted in.
void SituarVentana(QWidget* ventana, int porcentaje);

// The largest part of `marco` that fits in `area`: a rectangle larger than
// the area is shrunk to it, then moved the least needed to lie inside.
QRect RectanguloDentroDe(const QRect& marco, const QRect& area);

// The margins the window system's frame adds around a top-level window: its
// own once it has been framed; before that, those of another framed window of
// the program (the window manager frames them alike); none when there is none.
QMargins MargenesMarco(const QWidget* ventana);

// Fits a top-level window, frame included, inside the free area of its screen
// (the screen without panels and docks): shrinks it where it is larger and
// moves it inside. A window that already fits is left where it is.
void AjustarAPantalla(QWidget* ventana);

// Centres a top-level window, frame included, over another window (over the
// free area of its screen when there is none), then fits it to the screen as
// AjustarAPantalla does.
void CentrarSobre(QWidget* ventana, const QWidget* referencia);

// Gives a top-level window the whole free area of its screen, frame included,
// by maximising it.
void LlenarPantalla(QWidget* ventana);

// Brings a window to the front: restored if minimised, raised, activated.
void TraerAlFrente(QWidget* ventana);
