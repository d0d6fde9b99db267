#pragma once
// What the three schedule builders share: the size limit of a table, the
// columns of the grid, and the writing of a row's texts.
#include "util/excepcion.h"
#include "widgets/grid/grid_types.h"

#include <QDate>
#include <QString>
#include <initializer_list>

class TAttributeGrid;

// The most periods a development table may have: 1,048,576 (a spreadsheet's
// row limit). The grid of such a table takes about 150 MB; a larger one is
// refused before anything is allocated.
inline constexpr int kMaxFilasDesarrollo = 1048576;

// A table too long to build: more periods than kMaxFilasDesarrollo, or dates
// past the last one the program can show. The message is Spanish.
class EDesarrolloExcesivo : public Exception {
public:
    using Exception::Exception;
};

// Throws EDesarrolloExcesivo when the table would have more periods than the
// limit. "consejo" ends the message, telling what to reduce.
void ComprobarTamanoDesarrollo(long long periodos, const QString& consejo);

// The date of period k + 1 of a table, k periods after the first one;
// invalid past 31/12/9999.
using FechaDePeriodo = QDate (*)(int k, const QDate& primera);

// Throws EDesarrolloExcesivo when the date of the last of `periodos` periods
// would fall after 31/12/9999, the last date the program shows; the message
// names that date and the last row that fits. "consejo" ends it.
void ComprobarFechasDesarrollo(int periodos, const QDate& primera, FechaDePeriodo fecha, const QString& consejo);

// Both checks for a table of monthly instalments (loans and savings plans)
// and for one of years (depreciation), run before anything is built.
void ComprobarDesarrolloMensual(int cuotas, const QDate& primera);
void ComprobarDesarrolloAnual(int anios, const QDate& primera);

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

// Writes the texts of one period into the grid's row.
void EscribirFila(TAttributeGrid& grid, int fila, std::initializer_list<QString> textos);

// Widens the columns from "primera" to the last by the same amount.
void EnsancharColumnas(TAttributeGrid& grid, int primera, int pixeles);
