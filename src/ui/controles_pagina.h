#pragma once
// Building blocks of the calculation pages: coloured strips, labelled input
// boxes and labelled result panels laid out on a grid, each with its hint and
// the accessible name and description a screen reader announces.
#include <QColor>
#include <QString>

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;
class TPanelResultado;

inline const QColor ColorTitulo{255, 189, 157};      // title strip of the window
inline const QColor ColorCabecera{183, 181, 206};    // page heading strips
inline const QColor ColorPromocion{248, 235, 165};   // promotional strip

inline constexpr int kAnchoNumero = 100;  // numeric boxes and result panels
inline constexpr int kAnchoFecha = 80;
inline constexpr int kAnchoLista = 110;
inline constexpr int kAnchoBoton = 22;    // the calculator or date button beside a box

// Result panels are wide enough for the widest amount in the application's
// font, and never narrower than the input boxes.
int AnchoResultado();

// Input boxes of amounts and percentages are wide enough to show the largest
// amount they take, grouped (1.000.000.000.000.000,00), whole in the
// application's font, and never narrower than kAnchoNumero.
int AnchoCampoImporte();

// A hint is "short|long": the short part is the tooltip, the long part the
// status tip and the accessible description. Without "|" both are the hint.
void AplicarPista(QWidget* control, const QString& pista);

// The accessible name: a caption without its "&" accelerator mark.
QString SinAcelerador(QString caption);

// A flat panel filled with a colour.
QFrame* CrearPanel(QWidget* padre, const QString& nombre, const QColor& fondo);

// The weight of a strip's caption.
enum class LetraFranja { Normal, Negrita };

// A strip with a left-aligned caption on a coloured background.
QLabel* CrearFranja(QWidget* padre, const QString& nombre, const QString& caption, const QColor& fondo,
                    LetraFranja letra);

// The grid of an input panel: label, box and the place of its button in
// columns 0-2 and again in columns 4-6.
QGridLayout* RejillaDeDatos(QWidget* panel);

// The grid of a result panel: label and panel in columns 0-1 and 3-4.
QGridLayout* RejillaDeResultados(QWidget* panel);

// A label and an edit box in the given row and column pair of the grid; the
// label's accelerator moves the focus to the box. The column after the box is
// left free for the button that will serve it.
QLineEdit* CrearCampo(QGridLayout* rejilla, int fila, int columna, const QString& nombre,
                      const QString& caption, const QString& pista, int ancho);

// The same for a drop-down list.
QComboBox* CrearLista(QGridLayout* rejilla, int fila, int columna, const QString& nombre,
                      const QString& caption, const QString& pista, int ancho);

// A label and a result panel in the given row and column pair of the grid.
TPanelResultado* CrearResultado(QGridLayout* rejilla, int fila, int columna, const QString& nombre,
                                const QString& caption, const QString& pista, int ancho);
