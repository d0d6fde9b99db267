#include "finance/simulacion_prestamo.h"

#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>

namespace finance {
namespace {

template <typename Cambio>
std::vector<Cambio> EnOrden(std::vector<Cambio> cambios) {
    std::stable_sort(cambios.begin(), cambios.end(),
                     [](const Cambio& a, const Cambio& b) { return a.cuota < b.cuota; });
    return cambios;
}

QString Importe(CentimosEnteros valor) { return TextoImporte(static_cast<double>(AEuros(valor))); }

}  // namespace

void SumasPrestamo::Anadir(const PasoPrestamo& paso) {
    const auto centimos = [](long double euros) { return static_cast<long double>(ACentimos(euros)); };
    const long double anticipada = centimos(paso.amortAnticipada);
    pagado += centimos(paso.cuota) + anticipada;
    amortizado += centimos(paso.capital) + anticipada;
    intereses += centimos(paso.interes);
}

TSimulacionPrestamo::TSimulacionPrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                                         const CondicionesPrestamo& condiciones, double cuota)
    : timing_(timing),
      periodos_(PeriodosPorAnio(condiciones.periodicidad)),
      amortizaciones_(EnOrden(condiciones.amortizaciones)),
      revisiones_(EnOrden(condiciones.revisiones)),
      pendiente_(ACentimos(capital)),
      tasa_(interes, periodos_),
      fin_(std::max(numCuotas, 0)) {
    ValidarCondiciones(condiciones);
    terminado_ = fin_ == 0;
    if (!terminado_)
        cuota_ = cuota != 0 ? ACentimos(cuota) : Nivelada(fin_);
}

// The level payment of the capital pending over the instalments left,
// rounded to the cent. Only before the first instalment can the next one
// fall at once; afterwards it falls a period after the last one paid,
// whatever the loan's timing.
CentimosEnteros TSimulacionPrestamo::Nivelada(int cuotas) const {
    const PaymentTiming t = actual_ == 0 ? timing_ : PaymentTiming::EndOfPeriod;
    return ACentimos(-Payment(tasa_.Tasa(), cuotas, AEuros(pendiente_), 0, t));
}

void TSimulacionPrestamo::Revisar(int i) {
    while (siguienteRevision_ < revisiones_.size() && revisiones_[siguienteRevision_].cuota == i) {
        tasa_ = TasaPeriodo(revisiones_[siguienteRevision_].interes, periodos_);
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
    const bool sinInteres = i == 1 && timing_ == PaymentTiming::StartOfPeriod;
    const CentimosEnteros interes = sinInteres ? 0 : tasa_.Interes(pendiente_);
    // The last instalment pays whatever is left, so the loan closes at 0,00;
    // so does one whose level instalment already covers all of it.
    const CentimosEnteros antes = pendiente_;
    CentimosEnteros capital = RestarCentimos(cuota_, interes);
    if (i >= fin_ || (antes > 0 && capital >= antes)) {
        capital = antes;
        fin_ = i;
    }
    pendiente_ = RestarCentimos(pendiente_, capital);
    paso = PasoPrestamo{};
    paso.numero = i;
    paso.interes = AEuros(interes);
    paso.capital = AEuros(capital);
    paso.cuota = AEuros(capital + interes);
    CentimosEnteros anticipada = 0;
    CentimosEnteros comision = 0;
    while (siguienteAmort_ < amortizaciones_.size() && amortizaciones_[siguienteAmort_].cuota == i)
        Amortizar(amortizaciones_[siguienteAmort_++], i, anticipada, comision);
    paso.amortAnticipada = AEuros(anticipada);
    paso.comision = AEuros(comision);
    paso.pendiente = AEuros(pendiente_);
    if (i >= fin_ || (antes != 0 && pendiente_ == 0)) {
        terminado_ = true;
        fin_ = i;
        ComprobarFinal();
    }
    return true;
}

void TSimulacionPrestamo::Amortizar(const AmortizacionAnticipada& a, int i, CentimosEnteros& anticipada,
                                    CentimosEnteros& comision) {
    if (pendiente_ <= 0)
        throw ECondicionesPrestamo(
            QStringLiteral("Con la cuota %1 el préstamo queda pagado: no admite una amortización anticipada.")
                .arg(i));
    const CentimosEnteros importe = ACentimos(a.importe);
    if (importe > pendiente_)
        throw ECondicionesPrestamo(QStringLiteral("La amortización anticipada de la cuota %1 (%2) supera el "
                                                  "capital pendiente tras esa cuota (%3).")
                                       .arg(i)
                                       .arg(Importe(importe), Importe(pendiente_)));
    pendiente_ -= importe;
    anticipada += importe;
    comision += ACentimos(AEuros(importe) * static_cast<long double>(a.comision) / 100);
    if (pendiente_ <= 0)
        return;
    if (a.reduce == ReduccionAmortizacion::Cuota) {
        cuota_ = Nivelada(fin_ - i);
        return;
    }
    const long double periodos =
        NumberOfPeriods(tasa_.Tasa(), AEuros(cuota_), -AEuros(pendiente_), 0, PaymentTiming::EndOfPeriod);
    fin_ = std::min(fin_, i + std::max(1, CeilToWholePeriods(periodos)));
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

// With no change left, whether the cents the instalments and interests were
// rounded by could add up to the whole balance before the last instalment,
// so that the loan closes early. Compared with the same loan in exact
// arithmetic, each instalment's rounding moves the balance by at most a
// cent, grown by the interest since; while the exact balance before the last
// instalment stays above all of that, the loan ends at fin_.
bool TSimulacionPrestamo::PuedeTerminarAntes() const {
    const int quedan = fin_ - actual_;
    if (quedan <= 1)
        return false;
    const long double r = tasa_.Tasa();
    const long double c = static_cast<long double>(cuota_);
    const long double p = static_cast<long double>(pendiente_);
    // Growth of one cent over k periods, summed: ((1+r)^k - 1) / r.
    const auto suma = [r](int k) { return r == 0 ? k : std::expm1(k * std::log1p(r)) / r; };
    const long double antesDelUltimo = p * std::pow(1 + r, quedan - 1) - c * suma(quedan - 1);
    const long double margen = suma(quedan) + 1;
    return !(r >= 0 && std::isfinite(antesDelUltimo) && antesDelUltimo > margen);
}

int TSimulacionPrestamo::Cantidad() const {
    TSimulacionPrestamo copia(*this);
    PasoPrestamo paso;
    // Once every change is applied (and a first instalment without interest
    // is behind) the rest is a plain loan ending at fin_, unless the cents
    // could close it sooner: then run it to the end.
    while (!copia.terminado_ &&
           (copia.siguienteAmort_ < copia.amortizaciones_.size() ||
            copia.siguienteRevision_ < copia.revisiones_.size() ||
            (copia.actual_ == 0 && timing_ == PaymentTiming::StartOfPeriod)))
        copia.Siguiente(paso);
    if (!copia.terminado_ && copia.PuedeTerminarAntes())
        while (copia.Siguiente(paso)) {
        }
    return copia.fin_;
}

}  // namespace finance
