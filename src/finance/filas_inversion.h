#pragma once
// The rows of a savings plan's development table, one per monthly
// contribution, produced one after another. Every amount is whole cents: the
// contribution as the results show it, and the capital each row reaches
// rounded to the cent, so that the money put in and the profit add up to it.
#include "finance/tvm.h"
#include "util/excepcion.h"

#include <QDate>
#include <vector>

struct trInversion {
    int numero = 0;
    QDate fecha;
    double cuota = 0;
    double acumulado = 0;  // capital reached at the end of the period
    double invertido = 0;  // money put in so far
    double beneficio = 0;  // acumulado - invertido
};

struct DatosFilasInversion {
    double Capital = 0;     // final capital (shown in the information panel only)
    double CapInicial = 0;
    double Interes = 0;     // annual percentage
    int NumCuotas = 0;
    double Cuota = 0;
    finance::PaymentTiming timing = finance::PaymentTiming::EndOfPeriod;
    QDate primeraFecha;
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
    DatosFilasInversion d_;
    long double tasa_;
    double cuota_;  // the contribution in whole cents
    int actual_ = 0;
};

std::vector<trInversion> FilasInversion(const DatosFilasInversion& datos);
