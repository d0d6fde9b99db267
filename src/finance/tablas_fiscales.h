#pragma once
// The common kinds of asset in the corporate-tax table of depreciation:
// the largest linear coefficient a year and the longest period allowed.
#include <QList>
#include <QString>
#include <optional>

namespace finance {

struct TablaFiscal {
    QString clave;       // its name on the command line
    QString nombre;      // its name in the window
    int coeficiente = 0; // maximum linear coefficient, percent a year
    int periodoMaximo = 0;  // maximum period, years
};

const QList<TablaFiscal>& TablasFiscales();

// The kind with this command-line name, or nothing.
std::optional<TablaFiscal> BuscarTablaFiscal(const QString& clave);

// The shortest life the maximum coefficient allows: 100 / coefficient,
// rounded up to whole years.
int VidaMinima(const TablaFiscal& tabla);

// A warning when the life is shorter than the table's minimum or longer
// than its maximum period; nothing when it is within them.
std::optional<QString> AvisoVidaFiscal(const TablaFiscal& tabla, int vida);

}  // namespace finance
