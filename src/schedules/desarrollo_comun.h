#pragma once
// What the three schedule builders share: the size limit of a table, the
// columns of the grid, and the writing of a row's texts.
#include "finance/limites_tabla.h"
#include "widgets/grid/grid_types.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <array>
#include <initializer_list>
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
void PrepararRejilla(TAttributeGrid& grid, std::initializer_list<ColumnaDesarrollo> columnas, int periodos);

// Writes the periods' texts into the grid and keeps the widest text of each
// column, so that the columns can then be widened to show every text whole.
class TEscrituraTabla {
public:
    explicit TEscrituraTabla(TAttributeGrid& grid);

    // Writes the texts of one period into the grid's row.
    void Fila(int fila, std::initializer_list<QString> textos);

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

// Widens each value panel of the schedule window's information strip that is
// too narrow for its figure, moving the pairs to its right along.
void EnsancharPanelesInformacion(TFormDesarrolloCalculos& ventana);

// Widens the columns from "primera" to the last by the same amount.
void EnsancharColumnas(TAttributeGrid& grid, int primera, int pixeles);
