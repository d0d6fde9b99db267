#pragma once
// The rows of a loan's development table, one per instalment, produced one
// after another so that a long table never needs every record in memory at
// once.
#include "finance/condiciones_prestamo.h"
#include "finance/simulacion_prestamo.h"
#include "finance/tvm.h"

#include <QDate>
#include <optional>
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
    explicit TFilasPrestamo(const DatosFilasPrestamo& datos);

    // Number of rows: NumCuotas, or 0 when it is not positive; fewer when an
    // early repayment shortens the loan.
    int Cantidad() const;
    // Fills the next row; false when every row has been produced.
    bool Siguiente(trPrestamo& fila);

private:
    void Acumular(trPrestamo& fila, double amortizado);

    DatosFilasPrestamo d_;
    long double tasa_;
    int mesesPorCuota_;
    // Set only when the schedule changes along the way.
    std::optional<finance::TSimulacionPrestamo> cambios_;
    int cantidad_;
    int actual_ = 0;
    double amortizado_ = 0;
    double pendiente_;
    double pagado_ = 0;
    double intereses_ = 0;
};

// Every row at once (short tables and tests).
std::vector<trPrestamo> FilasPrestamo(const DatosFilasPrestamo& datos);
