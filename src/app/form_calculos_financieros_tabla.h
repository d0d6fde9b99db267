#pragma once
// The controls of a calculation page described as tables: one row per input
// box, drop-down list or result panel, giving the window member it fills, its
// place on the grid, its object name, caption, hint and width. The builders
// below create the controls in table order, which is also their tab order,
// and derive every other name (the button beside a box) from the row's.
#include <QString>
#include <span>

class QGridLayout;
class QComboBox;
class QLineEdit;
class QWidget;
class TFormCalculosFinancieros;
class TPanelResultado;

// What a box holds, which decides how it is prepared and which button
// serves it.
enum class ContenidoCampo { Importe, Entero, Fecha };

template <typename Control>
struct ControlDePagina {
    Control* TFormCalculosFinancieros::*miembro;
    int fila;
    int columna;
    const char* nombre;
    const char* caption;
    const char* pista;
    int ancho = 0;  // result panels take the width of the widest amount
};

struct CampoDePagina : ControlDePagina<QLineEdit> {
    ContenidoCampo contenido;
    // Where the window keeps the box's calculator button, when it needs it
    // later (to enable it with the unknown); null when it does not.
    QWidget* TFormCalculosFinancieros::*boton = nullptr;
};

using ListaDePagina = ControlDePagina<QComboBox>;
using ResultadoDePagina = ControlDePagina<TPanelResultado>;

// A whole page: its boxes, its contributions list (null when it has none) and
// its result panels. The first `incognitas` boxes are the unknowns of the
// page's list of calculations, in the list's order; a page whose calculations
// use every box has none.
struct TablaDePagina {
    std::span<const CampoDePagina> campos;
    const ListaDePagina* lista;
    std::span<const ResultadoDePagina> resultados;
    int incognitas;
};

const TablaDePagina& TablaPrestamos();
const TablaDePagina& TablaInversiones();
const TablaDePagina& TablaDepreciaciones();

// The input panel: the boxes, then the list (when `lista` is not null), then
// each box's button; the tab order runs from `primero` through the boxes to
// the list.
void CrearCampos(TFormCalculosFinancieros& ventana, QGridLayout* rejilla, QWidget* primero,
                 std::span<const CampoDePagina> campos, const ListaDePagina* lista);

// The result panels, all as wide as the widest amount.
void CrearResultados(TFormCalculosFinancieros& ventana, QGridLayout* rejilla,
                     std::span<const ResultadoDePagina> resultados);

// Sets up each box for what it holds (amounts with decimals, whole numbers,
// dates that may be left blank); no box accepts a minus sign.
void PrepararCampos(TFormCalculosFinancieros& ventana, std::span<const CampoDePagina> campos);

// Fills a page's list of calculations and selects the first, drawn flat.
void PrepararListaDeCalculos(QComboBox* lista, const QString& calculos);

// Empties the number boxes and the result panels; a date box gets today's date.
void LimpiarPagina(TFormCalculosFinancieros& ventana, std::span<const CampoDePagina> campos,
                   std::span<const ResultadoDePagina> resultados);
