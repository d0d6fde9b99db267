#pragma once
// The instalments of a loan, in whole cents, with the changes its schedule
// may have along the way: a grace period at the start, rate revisions
// (typed ones, and the periodic ones of a variable or mixed rate) and early
// repayments, applied in instalment order. Outside the grace period the
// loan's repayment system sets each instalment; each change works the
// system's figure out again on the capital then pending over the
// instalments left.
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
    long double costes = 0;           // insurance and maintenance paid with it
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
    // the conditions' frequency; either is rounded to the cent. With a grace
    // period that instalment starts when the grace ends; a growing
    // instalment takes `cuota` as its first year's; the German and American
    // systems work theirs out from the capital. A typed revision sets the
    // rate until the next periodic revision of a variable or mixed rate. Throws
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

    // What the instalments produced so far gave rise to that the person
    // should know: an early-repayment commission above the legal maximum,
    // which the schedule replaces by that maximum. Spanish, one a line.
    const QStringList& Avisos() const { return avisos_; }

private:
    CentimosEnteros Nivelada(int cuotas) const;
    CentimosEnteros CrecienteInicial(int desde, int cuotas) const;
    CentimosEnteros CuotaCreciente(int i) const;
    int AnioCreciente(int i) const { return (i - cuotasCarencia_ - 1) / periodos_; }
    void Recalcular(int desde);
    double TasaPeriodica() const;
    bool EsRevisionPeriodica(int i) const;
    int UltimoCambioPeriodico() const;
    bool QuedanCambios() const;
    bool PuedeTerminarAntes() const;
    void Revisar(int i);
    CentimosEnteros CapitalDelPeriodo(int i, CentimosEnteros interes);
    void Amortizar(const AmortizacionAnticipada& a, int i, CentimosEnteros& anticipada, CentimosEnteros& comision);
    double ComisionAplicada(const AmortizacionAnticipada& a, int i);
    void ComprobarFinal() const;

    PaymentTiming timing_;
    int periodos_;
    int mesesPorCuota_;
    SistemaAmortizacion sistema_;
    long double crecimiento_;  // yearly growth as a fraction
    TipoCarencia carencia_;
    int cuotasCarencia_;
    TipoInteres tipoInteres_;
    double diferencial_;
    std::vector<IndiceDesde> indicesDesde_;  // in instalment order
    double indiceVigente_;
    std::size_t siguienteIndice_ = 0;
    int cuotasPorRevision_ = 1;
    int primeraRevision_ = 0;  // 0: the rate is not revised periodically
    int ultimoCambioPeriodico_ = 0;
    int mesesTramoFijo_ = 0;
    CentimosEnteros costes_ = 0;  // per instalment
    double interesAnual_;
    std::vector<AmortizacionAnticipada> amortizaciones_;  // in instalment order
    std::vector<RevisionInteres> revisiones_;             // in instalment order
    std::size_t siguienteAmort_ = 0;
    std::size_t siguienteRevision_ = 0;
    CentimosEnteros pendiente_;
    TasaPeriodo tasa_;
    // The system's figure: the level instalment (francés), the capital part
    // (alemán) or the instalment of year anioBase_ (creciente).
    CentimosEnteros cuota_ = 0;
    int anioBase_ = 0;
    // An instalment the caller gave, used when the system's instalments
    // start unless a change came first.
    CentimosEnteros cuotaDada_ = 0;
    QStringList avisos_;
    int fin_;  // the instalment the loan ends with as things stand
    int actual_ = 0;
    bool terminado_ = false;
};

}  // namespace finance
