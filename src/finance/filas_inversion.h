#pragma once
// The rows of a savings plan's development table, one per monthly
// contribution, produced one after another. Every amount is whole cents: the
// contribution as the results show it, and the capital each row reaches
// rounded to the cent, so that the money put in and the profit add up to it.
// A contribution that grows every year is rounded to the cent as it is paid;
// with inflation each row also shows its capital in today's money.
#include "finance/aportaciones_crecientes.h"
#include "finance/condiciones_inversion.h"
#include "finance/tvm.h"
#include "util/excepcion.h"

#include <QDate>
#include <optional>
#include <vector>

struct trInversion {
    int numero = 0;
    QDate fecha;
    double cuota = 0;
    double acumulado = 0;  // capital reached at the end of the period
    double invertido = 0;  // money put in so far
    double beneficio = 0;  // acumulado - invertido
    std::optional<double> valorReal;  // acumulado in today's money, with inflation
};

struct DatosFilasInversion {
    double Capital = 0;     // final capital (shown in the information panel only)
    double CapInicial = 0;
    double Interes = 0;     // annual percentage
    int NumCuotas = 0;
    double Cuota = 0;
    finance::PaymentTiming timing = finance::PaymentTiming::EndOfPeriod;
    QDate primeraFecha;
    finance::CondicionesInversion condiciones;  // growth and inflation; the tax does not touch the rows
};

// The accumulated capital of a row grew beyond what can be computed; the
// message is Spanish and names the row.
class EDesarrolloInversion : public Exception {
public:
    using Exception::Exception;
};

class TFilasInversion {
public:
    explicit TFilasInversion(const DatosFilasInversion& datos);

    int Cantidad() const;
    // Fills the next row; false when every row has been produced. Throws
    // EDesarrolloInversion when the row's capital cannot be computed.
    bool Siguiente(trInversion& fila);

private:
    // Row actual_ of a plan whose contribution stays the same, from the
    // compound formulas; and of one whose contribution grows, month by month.
    void FilaConstante(trInversion& fila) const;
    void FilaCreciente(trInversion& fila);

    DatosFilasInversion d_;
    long double tasa_;
    double cuota_;  // the contribution in whole cents
    int actual_ = 0;
    finance::TSaldoCreciente creciente_;  // the balance, when the contribution grows
};

std::vector<trInversion> FilasInversion(const DatosFilasInversion& datos);
