#pragma once
// What the three schedule builders share: the size limit of a table, the
// columns of the grid, and the writing of a row's texts.
#include "finance/limites_tabla.h"
#include "widgets/grid/grid_types.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class TAttributeGrid;
class TFormDesarrolloCalculos;

// Colours of the schedule grids.
inline constexpr TColor kFondoClaro = 0xE0E0E0;   // RGB 224, 224, 224
inline constexpr TColor kFondoOscuro = 0xD3D3D3;  // RGB 211, 211, 211

struct ColumnaDesarrollo {
    QString titulo;
    TColor fondo;
    TColor fuente;
};

// Gives the grid one column per entry, with its title in row 0, its
// background and its font colour, and one row per period after the title.
void PrepararRejilla(TAttributeGrid& grid, const std::vector<ColumnaDesarrollo>& columnas, int periodos);

// What a cell of a table shows: a whole number, a date, an amount or a word.
struct ValorCelda {
    enum class Tipo { Ninguno, Entero, Fecha, Importe, Texto };
    Tipo tipo = Tipo::Ninguno;
    double numero = 0;
    QDate fecha;
    QString texto;
};
inline ValorCelda CeldaEntero(int n) { return {ValorCelda::Tipo::Entero, double(n), {}, {}}; }
inline ValorCelda CeldaFecha(const QDate& fecha) { return {ValorCelda::Tipo::Fecha, 0, fecha, {}}; }
inline ValorCelda CeldaImporte(double importe) { return {ValorCelda::Tipo::Importe, importe, {}, {}}; }
inline ValorCelda CeldaTexto(const QString& texto) { return {ValorCelda::Tipo::Texto, 0, {}, texto}; }

// The value of column c in the table's row i (0 for the first period).
using CeldaDeFila = std::function<ValorCelda(int c, int i)>;

// Shows `filas` periods below the titles of a grid that PrepararRejilla set
// up: the grid keeps no text per cell but makes each one from its value when
// the cell is drawn, copied or read. Widens the columns as AjustarAnchos.
void MostrarFilas(TAttributeGrid& grid, int filas, CeldaDeFila celda);

// The same for a table's rows, kept by the grid for as long as it shows them.
template <typename Fila>
void MostrarFilas(TAttributeGrid& grid, std::vector<Fila> filas, ValorCelda (*celda)(const Fila&, int c)) {
    auto tabla = std::make_shared<const std::vector<Fila>>(std::move(filas));
    MostrarFilas(grid, int(tabla->size()),
                 [tabla, celda](int c, int i) { return celda((*tabla)[std::size_t(i)], c); });
}

// Keeps the widest text of each column of a grid, so that the columns can
// then be widened to show every text whole.
class TEscrituraTabla {
public:
    explicit TEscrituraTabla(TAttributeGrid& grid);

    // Writes the texts of one period into the grid's row.
    void Fila(int fila, std::initializer_list<QString> textos);
    // Takes account of one text of the column without writing it.
    void Medir(int columna, const QString& texto);
    // True when every digit is as wide as any other in the column's font.
    bool DigitosIguales(int columna) const;

    // Widens each column that is narrower than its title or its widest text
    // needs; wider columns keep their width.
    void AjustarAnchos();

private:
    // A column's font, the advance of each ASCII character in it (measured
    // once, so that a long table costs a few additions per text), and the
    // widest text so far.
    struct Medida {
        QFont fuente;
        std::array<float, 128> avances{};
        float maximo = -1;
        QString texto;
    };
    float Ancho(const Medida& m, const QString& texto) const;

    TAttributeGrid& grid_;
    std::vector<Medida> medidas_;
};

// Moves each value panel of the information strip, and what lies to its
// right, far enough from its caption for the caption to show whole.
void DarSitioARotulos(TFormDesarrolloCalculos& ventana);

// Widens each value panel of the schedule window's information strip that is
// too narrow for its figure, moving the pairs to its right along.
void EnsancharPanelesInformacion(TFormDesarrolloCalculos& ventana);

// Widens the window, as far as the screen allows, so that it opens showing
// every column of its table.
void EnsancharParaColumnas(TFormDesarrolloCalculos& ventana);

// Widens the columns from "primera" to the last by the same amount.
void EnsancharColumnas(TAttributeGrid& grid, int primera, int pixeles);
