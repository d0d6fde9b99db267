#pragma once
// The instalments of a loan, in whole cents, with the changes its schedule
// may have along the way: early repayments and rate revisions, applied in
// instalment order. Between two changes the loan is a level-payment loan;
// each change starts a new one on the capital then pending.
//
// Every amount is a whole number of cents, as a bank books it: the level
// instalment is rounded to the cent, each instalment's interest is the
// pending capital's rounded half up, its capital part is the instalment less
// that interest and the pending capital falls by exactly that; the last
// instalment pays what is left, so the loan closes at 0,00. The dates are the
// table's business.
#include "finance/centimos_enteros.h"
#include "finance/condiciones_prestamo.h"
#include "finance/tvm.h"

#include <vector>

namespace finance {

// The amounts are whole cents held in euros.
struct PasoPrestamo {
    int numero = 0;
    long double cuota = 0;            // what instalment `numero` pays
    long double capital = 0;          // its principal part
    long double interes = 0;          // its interest part
    long double amortAnticipada = 0;  // paid early together with it
    long double comision = 0;         // the fee on that early payment
    long double pendiente = 0;        // capital owed right after
    double interesAnual = 0;          // the annual nominal rate it pays
    bool carencia = false;            // a grace-period instalment
};

// Running sums of a loan's instalments in cents, kept in long doubles: exact
// to 1e19 cents, far past any amount the program shows, and never wrapping.
struct SumasPrestamo {
    long double pagado = 0;      // instalments and early repayments
    long double amortizado = 0;  // principal, early repayments included
    long double intereses = 0;

    void Anadir(const PasoPrestamo& paso);
};

class TSimulacionPrestamo {
public:
    // interes is the contract's annual nominal percentage; the instalment is
    // `cuota` when not 0 (as when the number of instalments was solved from
    // it), otherwise the level payment of capital over numCuotas periods of
    // the conditions' frequency; either is rounded to the cent. Throws
    // ECondicionesPrestamo for conditions that fail the checks of
    // ValidarCondiciones, and a math error (EMathError) for amounts too
    // large to count in cents.
    TSimulacionPrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& condiciones, double cuota = 0);

    // The next instalment; false once the loan has ended. Throws
    // ECondicionesPrestamo when a repayment exceeds the capital pending or a
    // change falls after the last instalment.
    bool Siguiente(PasoPrestamo& paso);

    // The number of instalments the loan ends up with; runs a copy as far as
    // the last change (and to the end when the cents rounded off could close
    // the loan early), so it throws what Siguiente would.
    int Cantidad() const;

private:
    CentimosEnteros Nivelada(int cuotas) const;
    bool PuedeTerminarAntes() const;
    void Revisar(int i);
    void Amortizar(const AmortizacionAnticipada& a, int i, CentimosEnteros& anticipada, CentimosEnteros& comision);
    void ComprobarFinal() const;

    PaymentTiming timing_;
    int periodos_;
    std::vector<AmortizacionAnticipada> amortizaciones_;  // in instalment order
    std::vector<RevisionInteres> revisiones_;             // in instalment order
    std::size_t siguienteAmort_ = 0;
    std::size_t siguienteRevision_ = 0;
    CentimosEnteros pendiente_;
    TasaPeriodo tasa_;
    CentimosEnteros cuota_ = 0;
    int fin_;  // the instalment the loan ends with as things stand
    int actual_ = 0;
    bool terminado_ = false;
};

}  // namespace finance
