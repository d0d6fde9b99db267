#pragma once
// What a sub-command worked out, ready to be written in any format: the
// result figures and, when asked for, the development table and the yearly
// summary as passes over their rows.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One result figure: its caption on the page, its text as the result panel
// shows it, and its name and value in JSON.
struct DatoResultado {
    QString etiqueta;
    QString texto;
    QString clave;
    QString json;
};

// A row with the grid's texts and the same cells as JSON values.
struct FilaOrden {
    QStringList textos;
    QStringList json;
};

// Gives the next row; false after the last one.
using SiguienteFila = std::function<bool(FilaOrden&)>;

struct TablaOrden {
    QString titulo;       // heading of the section in the readable text
    QStringList titulos;  // column titles, as the grid shows them
    QStringList claves;   // the same columns' names in JSON
    // Starts a fresh pass over the rows: the writers go over a long table
    // twice (widths or errors first) instead of keeping it in memory.
    std::function<SiguienteFila()> recorrer;
};

struct InformeOrden {
    QString titulo;  // "Préstamo", ...
    QList<DatoResultado> resultado;
    std::optional<TablaOrden> tabla;
    std::optional<TablaOrden> resumenAnual;
    // What the person should know about a result that stands (a fee
    // replaced by its legal maximum), one a line, for standard error.
    QStringList avisos;
};
