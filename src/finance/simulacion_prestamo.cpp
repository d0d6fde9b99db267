#include "finance/simulacion_prestamo.h"

#include "util/textos_numericos.h"

#include <algorithm>

namespace finance {
namespace {

// Amounts are typed to the cent: a repayment within half a cent of the
// capital pending is taken as paying all of it.
constexpr long double kMedioCentimo = 0.005L;
// A number of periods this close above a whole number is that number.
constexpr long double kHolguraPlazo = 1e-9L;

template <typename Cambio>
std::vector<Cambio> EnOrden(std::vector<Cambio> cambios) {
    std::stable_sort(cambios.begin(), cambios.end(),
                     [](const Cambio& a, const Cambio& b) { return a.cuota < b.cuota; });
    return cambios;
}

QString Importe(long double valor) { return TextoImporte(static_cast<double>(valor)); }

}  // namespace

TSimulacionPrestamo::TSimulacionPrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                                         const CondicionesPrestamo& condiciones)
    : timing_(timing),
      periodos_(PeriodosPorAnio(condiciones.periodicidad)),
      amortizaciones_(EnOrden(condiciones.amortizaciones)),
      revisiones_(EnOrden(condiciones.revisiones)),
      pendiente_(capital),
      tasa_(static_cast<long double>(interes) / (100 * periodos_)),
      fin_(std::max(numCuotas, 0)) {
    ValidarCondiciones(condiciones);
    terminado_ = fin_ == 0;
    if (!terminado_)
        cuota_ = Nivelada(fin_);
}

// The level payment of the capital pending over the instalments left. Only
// before the first instalment can the next one fall at once; afterwards it
// falls a period after the last one paid, whatever the loan's timing.
long double TSimulacionPrestamo::Nivelada(int cuotas) const {
    const PaymentTiming t = actual_ == 0 ? timing_ : PaymentTiming::EndOfPeriod;
    return -Payment(tasa_, cuotas, pendiente_, 0, t);
}

void TSimulacionPrestamo::Revisar(int i) {
    while (siguienteRevision_ < revisiones_.size() && revisiones_[siguienteRevision_].cuota == i) {
        tasa_ = static_cast<long double>(revisiones_[siguienteRevision_].interes) / (100 * periodos_);
        ++siguienteRevision_;
        cuota_ = Nivelada(fin_ - i + 1);
    }
}

bool TSimulacionPrestamo::Siguiente(PasoPrestamo& paso) {
    if (terminado_)
        return false;
    const int i = actual_ + 1;
    Revisar(i);
    actual_ = i;
    paso = PasoPrestamo{};
    paso.numero = i;
    const bool sinInteres = i == 1 && timing_ == PaymentTiming::StartOfPeriod;
    paso.interes = sinInteres ? 0 : pendiente_ * tasa_;
    // The last instalment pays whatever is left, so the loan closes exactly.
    paso.capital = i >= fin_ ? pendiente_ : cuota_ - paso.interes;
    paso.cuota = paso.capital + paso.interes;
    pendiente_ = i >= fin_ ? 0 : pendiente_ - paso.capital;
    while (siguienteAmort_ < amortizaciones_.size() && amortizaciones_[siguienteAmort_].cuota == i)
        Amortizar(amortizaciones_[siguienteAmort_++], paso);
    paso.pendiente = pendiente_;
    if (pendiente_ <= 0 || i >= fin_) {
        terminado_ = true;
        fin_ = i;
        ComprobarFinal();
    }
    return true;
}

void TSimulacionPrestamo::Amortizar(const AmortizacionAnticipada& a, PasoPrestamo& paso) {
    const int i = paso.numero;
    if (pendiente_ <= 0)
        throw ECondicionesPrestamo(
            QStringLiteral("Con la cuota %1 el préstamo queda pagado: no admite una amortización anticipada.")
                .arg(i));
    if (a.importe > pendiente_ + kMedioCentimo)
        throw ECondicionesPrestamo(QStringLiteral("La amortización anticipada de la cuota %1 (%2) supera el "
                                                  "capital pendiente tras esa cuota (%3).")
                                       .arg(i)
                                       .arg(Importe(a.importe), Importe(pendiente_)));
    const long double importe = a.importe >= pendiente_ - kMedioCentimo ? pendiente_ : a.importe;
    pendiente_ -= importe;
    paso.amortAnticipada += importe;
    paso.comision += importe * static_cast<long double>(a.comision) / 100;
    if (pendiente_ <= 0) {
        pendiente_ = 0;
        return;
    }
    if (a.reduce == ReduccionAmortizacion::Cuota) {
        cuota_ = Nivelada(fin_ - i);
        return;
    }
    const long double periodos = NumberOfPeriods(tasa_, cuota_, -pendiente_, 0, PaymentTiming::EndOfPeriod);
    fin_ = std::min(fin_, i + std::max(1, CeilToInt(periodos - kHolguraPlazo)));
}

// Changes left beyond the last instalment cannot be applied: say which.
void TSimulacionPrestamo::ComprobarFinal() const {
    if (siguienteAmort_ < amortizaciones_.size())
        throw ECondicionesPrestamo(QStringLiteral("La amortización anticipada de la cuota %1 queda después de la "
                                                  "última cuota del préstamo (%2).")
                                       .arg(amortizaciones_[siguienteAmort_].cuota)
                                       .arg(fin_));
    if (siguienteRevision_ < revisiones_.size())
        throw ECondicionesPrestamo(QStringLiteral("La revisión del interés de la cuota %1 queda después de la "
                                                  "última cuota del préstamo (%2).")
                                       .arg(revisiones_[siguienteRevision_].cuota)
                                       .arg(fin_));
}

int TSimulacionPrestamo::Cantidad() const {
    TSimulacionPrestamo copia(*this);
    PasoPrestamo paso;
    // Once every change is applied the rest is a plain loan ending at fin_.
    while (!copia.terminado_ &&
           (copia.siguienteAmort_ < copia.amortizaciones_.size() ||
            copia.siguienteRevision_ < copia.revisiones_.size()))
        copia.Siguiente(paso);
    return copia.fin_;
}

}  // namespace finance
