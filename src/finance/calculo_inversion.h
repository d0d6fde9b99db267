#pragma once
// The investment calculation: from the texts of the five fields of the
// investments page, the chosen unknown and the contribution timing, work out
// the calculation state, the text to write back into the unknown's field and
// the warning to show. No window is involved; the main window reads its
// fields, calls this and writes back what it returns.
#include "finance/aviso_calculo.h"
#include "finance/codigo_calculo.h"
#include "finance/condiciones_inversion.h"
#include "finance/filas_inversion.h"
#include "finance/tvm.h"

#include <QList>
#include <QString>
#include <optional>

namespace finance {

enum class CampoInversion { Ninguno, Cuota, Interes, NumCuotas, Capital, CapInicial };

// The calculation state the main window keeps and the investment schedule reads.
struct EstadoInversion {
    double Capital = 0;     // final capital: what the contributions reach (the table's last row)
    double CapInicial = 0;  // initial capital, invested at the start
    double Interes = 0;     // annual nominal percentage
    int NumCuotas = 0;
    double Cuota = 0;
    double Invertido = 0;   // NumCuotas * Cuota (in whole cents) + CapInicial
    double Beneficio = 0;   // Capital - Invertido
    double Porcentaje = 0;  // Beneficio as a percentage of Capital
    double CapitalSoloInicial = 0;  // what CapInicial alone grows to (instalment check)
    bool CalculoFallido = false;
    CondicionesInversion condiciones;  // growth, inflation and tax the figures were worked out with
    // With inflation: the final capital in today's money, and it less the money put in.
    double CapitalReal = 0;
    double GananciaReal = 0;
    // With a tax on the gain: the tax on Beneficio, and the final capital less it.
    double Impuesto = 0;
    double CapitalNeto = 0;
};

struct EntradaInversion {
    QString cuota;
    QString interes;
    QString numCuotas;
    QString capital;
    QString capInicial;
    PaymentTiming timing = PaymentTiming::StartOfPeriod;  // the page's default
    CondicionesInversion condiciones;
};

struct ResultadoInversion {
    EstadoInversion estado;
    QList<CampoInversion> camposConCero;           // empty fields that now hold "0"
    CampoInversion campoEscrito = CampoInversion::Ninguno;
    QString textoEscrito;                          // the unknown as written back
    std::optional<AvisoCalculo> aviso;
    CampoInversion foco = CampoInversion::Ninguno; // where the focus must go
};

// The texts of the eight result panels; they are written after every
// calculation, refused or not.
struct PanelesInversion {
    QString cuota, interes, numCuotas, capital, capInicial, invertido, rendimiento, porcentaje;
    // Empty when the plan has no inflation, or no tax on the gain.
    QString capitalReal, gananciaReal, impuesto, capitalNeto;
};

// Solves for the investment's unknown named by `calculo`; a code of another
// page computes nothing. A field text that is not a
// number throws EConvertError before anything is worked out.
ResultadoInversion ResolverInversion(CodigoCalculo calculo, const EntradaInversion& entrada);

PanelesInversion TextosPanelesInversion(const EstadoInversion& estado);

// What the development table of a calculated plan is built from.
DatosFilasInversion DatosFilasDeInversion(const EstadoInversion& estado, PaymentTiming timing, const QDate& primera);

}  // namespace finance
