#pragma once
// The instalments of a loan whose schedule changes along the way: early
// repayments and rate revisions, applied in instalment order. Between two
// changes the loan is a level-payment loan; each change starts a new one on
// the capital then pending. The dates are the table's business.
#include "finance/condiciones_prestamo.h"
#include "finance/tvm.h"

#include <vector>

namespace finance {

struct PasoPrestamo {
    int numero = 0;
    long double cuota = 0;            // what instalment `numero` pays
    long double capital = 0;          // its principal part
    long double interes = 0;          // its interest part
    long double amortAnticipada = 0;  // paid early together with it
    long double comision = 0;         // the fee on that early payment
    long double pendiente = 0;        // capital owed right after
};

class TSimulacionPrestamo {
public:
    // interes is the contract's annual nominal percentage; the instalment is
    // the level payment of capital over numCuotas periods of the conditions'
    // frequency. Throws ECondicionesPrestamo for conditions that fail the
    // checks of ValidarCondiciones.
    TSimulacionPrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& condiciones);

    // The next instalment; false once the loan has ended. Throws
    // ECondicionesPrestamo when a repayment exceeds the capital pending or a
    // change falls after the last instalment.
    bool Siguiente(PasoPrestamo& paso);

    // The number of instalments the loan ends up with; runs a copy as far as
    // the last change, so it throws what Siguiente would.
    int Cantidad() const;

private:
    long double Nivelada(int cuotas) const;
    void Revisar(int i);
    void Amortizar(const AmortizacionAnticipada& a, PasoPrestamo& paso);
    void ComprobarFinal() const;

    PaymentTiming timing_;
    int periodos_;
    std::vector<AmortizacionAnticipada> amortizaciones_;  // in instalment order
    std::vector<RevisionInteres> revisiones_;             // in instalment order
    std::size_t siguienteAmort_ = 0;
    std::size_t siguienteRevision_ = 0;
    long double pendiente_;
    long double tasa_;
    long double cuota_ = 0;
    int fin_;  // the instalment the loan ends with as things stand
    int actual_ = 0;
    bool terminado_ = false;
};

}  // namespace finance
