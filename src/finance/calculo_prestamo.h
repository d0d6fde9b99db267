#pragma once
// The loan calculation: from the texts of the four fields of the loans page,
// the chosen unknown and the payment timing, work out the calculation state,
// the text to write back into the unknown's field and the warning to show.
// No window is involved; the main window reads its fields, calls this and
// writes back what it returns.
#include "finance/aviso_calculo.h"
#include "finance/codigo_calculo.h"
#include "finance/condiciones_prestamo.h"
#include "finance/tvm.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <optional>

namespace finance {

enum class CampoPrestamo { Ninguno, Capital, Interes, NumCuotas, Cuota };

// The calculation state the main window keeps and the loan schedule reads.
struct EstadoPrestamo {
    double Capital = 0;
    double Interes = 0;  // annual nominal percentage
    int NumCuotas = 0;  // instalments of the chosen frequency
    double Cuota = 0;
    double TotalPagado = 0;  // with early repayments, those too
    double TotalIntereses = 0;
    double Porcentaje = 0;
    std::optional<double> TAE;  // annual percentage rate of the contract, when it has one
    // The instalments the schedule really has: fewer than NumCuotas when an
    // early repayment shortens the term.
    int CuotasPagadas = 0;
    // What the loan costs beyond the capital borrowed: the interest, the
    // opening fee, the initial costs and the fees of early repayments.
    double CosteTotal = 0;
    // With typed rate revisions, the TAE of what the schedule really pays.
    std::optional<double> TAEConRevisiones;
    // The highest instalment of the schedule (the first one is Cuota); set
    // for a loan with another system, a grace period, a variable or mixed
    // rate or yearly costs.
    double CuotaMaxima = 0;
    // What the person should know about a result that stands: an
    // early-repayment commission replaced by the legal maximum. Spanish,
    // one a line.
    QStringList Avisos;
    bool CalculoFallido = false;
};

struct EntradaPrestamo {
    QString capital;
    QString interes;
    QString numCuotas;
    QString cuota;
    PaymentTiming timing = PaymentTiming::EndOfPeriod;
    CondicionesPrestamo condiciones = {};
};

struct ResultadoPrestamo {
    EstadoPrestamo estado;
    QList<CampoPrestamo> camposConCero;          // empty fields that now hold "0"
    CampoPrestamo campoEscrito = CampoPrestamo::Ninguno;
    QString textoEscrito;                        // the unknown as written back
    std::optional<AvisoCalculo> aviso;
    CampoPrestamo foco = CampoPrestamo::Ninguno; // where the focus must go
};

// The texts of the seven result panels.
struct PanelesPrestamo {
    QString capital, interes, numCuotas, cuota, pagado, intereses, porcentaje, tae, costeTotal, taeConRevisiones,
        cuotaMaxima;
};

// Solves for the loan's unknown named by `calculo`; a code of another page
// computes nothing. With another repayment system, a grace period or a
// variable or mixed rate, "Cuota" is the first instalment the system sets
// (after the grace period), and the unknown is found from the schedule;
// the number of instalments of an interest-only loan is refused. A field text that is not a number throws
// EConvertError before anything is worked out. The unknown is always that of
// the contract's plain schedule at the conditions' frequency; conditions that
// cannot be met are refused with a warning.
ResultadoPrestamo ResolverPrestamo(CodigoCalculo calculo, const EntradaPrestamo& entrada);

PanelesPrestamo TextosPanelesPrestamo(const EstadoPrestamo& estado);

}  // namespace finance
