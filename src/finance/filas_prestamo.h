#pragma once
// The rows of a loan's development table, one per instalment, produced one
// after another so that a long table never needs every record in memory at
// once.
#include "finance/condiciones_prestamo.h"
#include "finance/simulacion_prestamo.h"
#include "finance/tvm.h"

#include <QDate>
#include <vector>

struct trPrestamo {
    int numero = 0;
    QDate fecha;
    double cuota = 0;
    double capital = 0;     // principal part of the instalment
    double interes = 0;     // interest part of the instalment
    double amortizado = 0;  // principal repaid so far
    double pendiente = 0;   // capital still owed
    double pagado = 0;      // instalments and early repayments paid so far
    double intereses = 0;   // interest paid so far
    double amortAnticipada = 0;  // repaid early together with the instalment
    double comision = 0;         // the fee on that early repayment
    double interesAnual = 0;     // the annual nominal rate this instalment pays
    bool carencia = false;       // a grace-period instalment
    double costes = 0;           // insurance and maintenance paid with it
};

// The loan as the calculation left it.
struct DatosFilasPrestamo {
    double Capital = 0;
    double Interes = 0;  // annual percentage
    int NumCuotas = 0;
    double Cuota = 0;
    finance::PaymentTiming timing = finance::PaymentTiming::EndOfPeriod;
    QDate primeraFecha;
    finance::CondicionesPrestamo condiciones = {};
};

class TFilasPrestamo {
public:
    // Throws finance::ECondicionesPrestamo when the conditions cannot be met.
    // The rows are whole cents (see TSimulacionPrestamo); their instalment
    // is datos.Cuota rounded to the cent.
    explicit TFilasPrestamo(const DatosFilasPrestamo& datos);

    // Number of rows: NumCuotas, or 0 when it is not positive; fewer when an
    // early repayment shortens the loan.
    int Cantidad() const;
    // Fills the next row; false when every row has been produced.
    bool Siguiente(trPrestamo& fila);

private:
    DatosFilasPrestamo d_;
    int mesesPorCuota_;
    finance::TSimulacionPrestamo simulacion_;
    int cantidad_;
    int actual_ = 0;
    finance::SumasPrestamo sumas_;
};

// Every row at once (short tables and tests).
std::vector<trPrestamo> FilasPrestamo(const DatosFilasPrestamo& datos);
