#include "finance/simulacion_prestamo.h"

#include "finance/limites_comision.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace finance {
namespace {

template <typename Cambio>
std::vector<Cambio> EnOrden(std::vector<Cambio> cambios) {
    std::stable_sort(cambios.begin(), cambios.end(),
                     [](const Cambio& a, const Cambio& b) { return a.cuota < b.cuota; });
    return cambios;
}

QString Importe(CentimosEnteros valor) { return TextoImporte(static_cast<double>(AEuros(valor))); }

// a / b in whole cents, halves away from zero (b > 0).
CentimosEnteros Dividir(CentimosEnteros a, int b) {
    const CentimosEnteros q = (2 * (a < 0 ? -a : a) + b) / (2 * static_cast<CentimosEnteros>(b));
    return a < 0 ? -q : q;
}

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
      mesesPorCuota_(MesesPorPeriodo(condiciones.periodicidad)),
      sistema_(condiciones.sistema),
      crecimiento_(static_cast<long double>(condiciones.crecimiento) / 100),
      carencia_(condiciones.carencia),
      cuotasCarencia_(condiciones.carencia == TipoCarencia::Ninguna ? 0 : condiciones.cuotasCarencia),
      tipoInteres_(condiciones.tipoInteres),
      diferencial_(condiciones.diferencial),
      indicesDesde_(EnOrden(condiciones.indicesDesde)),
      indiceVigente_(condiciones.indice),
      interesAnual_(interes),
      amortizaciones_(EnOrden(condiciones.amortizaciones)),
      revisiones_(EnOrden(condiciones.revisiones)),
      pendiente_(ACentimos(capital)),
      tasa_(interes, periodos_),
      fin_(std::max(numCuotas, 0)) {
    ValidarCondiciones(condiciones);
    terminado_ = fin_ == 0;
    if (terminado_)
        return;
    ValidarCondicionesDelPlazo(condiciones, fin_);
    // A revision every so many months is one every so many instalments; a
    // loan paying less often than that is revised at every instalment.
    cuotasPorRevision_ = std::max(1, condiciones.revisionMeses / mesesPorCuota_);
    if (tipoInteres_ == TipoInteres::Variable)
        primeraRevision_ = 1 + cuotasPorRevision_;
    else if (tipoInteres_ == TipoInteres::Mixto)
        primeraRevision_ = condiciones.tramoFijo + 1;
    mesesTramoFijo_ = tipoInteres_ == TipoInteres::Mixto
                          ? MesesHastaCuota(condiciones.tramoFijo, mesesPorCuota_, timing_ == PaymentTiming::StartOfPeriod)
                          : 0;
    ultimoCambioPeriodico_ = UltimoCambioPeriodico();
    costes_ = ACentimos((static_cast<long double>(condiciones.seguroAnual) + condiciones.mantenimientoAnual) / periodos_);
    cuotaDada_ = cuota != 0 ? ACentimos(cuota) : 0;
    if (cuotasCarencia_ == 0)
        Recalcular(1);
}

// The level payment of the capital pending over the instalments left,
// rounded to the cent. Only before the first instalment can the next one
// fall at once; afterwards it falls a period after the last one paid,
// whatever the loan's timing.
CentimosEnteros TSimulacionPrestamo::Nivelada(int cuotas) const {
    const PaymentTiming t = actual_ == 0 ? timing_ : PaymentTiming::EndOfPeriod;
    return ACentimos(-Payment(tasa_.Tasa(), cuotas, AEuros(pendiente_), 0, t));
}

// The system's figure worked out at instalment `desde` on the capital then
// pending over the instalments left. An instalment the caller gave is used
// once, in place of the first one worked out.
void TSimulacionPrestamo::Recalcular(int desde) {
    const int cuotas = fin_ - desde + 1;
    const CentimosEnteros dada = std::exchange(cuotaDada_, 0);
    switch (sistema_) {
    case SistemaAmortizacion::Frances: cuota_ = dada != 0 ? dada : Nivelada(cuotas); break;
    case SistemaAmortizacion::Aleman: cuota_ = Dividir(pendiente_, std::max(cuotas, 1)); break;
    case SistemaAmortizacion::Americano: cuota_ = 0; break;
    case SistemaAmortizacion::Creciente:
        cuota_ = dada != 0 ? dada : CrecienteInicial(desde, cuotas);
        anioBase_ = AnioCreciente(desde);
        break;
    }
}

// The instalment of this year of a growing-instalment loan, such that the
// instalments from `desde`, each year's the previous one's grown by the
// growth rate, repay the capital pending: that capital over the sum of the
// growth factors brought back to now.
CentimosEnteros TSimulacionPrestamo::CrecienteInicial(int desde, int cuotas) const {
    const long double v = 1 / (1 + tasa_.Tasa());
    const bool enElActo = actual_ == 0 && timing_ == PaymentTiming::StartOfPeriod;
    long double descuento = enElActo ? 1 : v;
    long double factor = 1;
    long double suma = 0;
    const int anio0 = AnioCreciente(desde);
    int anio = anio0;
    for (int k = 0; k < cuotas; ++k) {
        const int a = AnioCreciente(desde + k);
        for (; anio < a; ++anio)
            factor *= 1 + crecimiento_;
        suma += factor * descuento;
        descuento *= v;
    }
    return ACentimos(AEuros(pendiente_) / suma);
}

// Each year's instalment is the base one grown by the yearly rate, to the
// cent.
CentimosEnteros TSimulacionPrestamo::CuotaCreciente(int i) const {
    const int anios = AnioCreciente(i) - anioBase_;
    if (anios == 0)
        return cuota_;
    return ACentimos(AEuros(cuota_) * std::pow(1 + crecimiento_, static_cast<long double>(anios)));
}

bool TSimulacionPrestamo::EsRevisionPeriodica(int i) const {
    return primeraRevision_ > 0 && i >= primeraRevision_ && (i - primeraRevision_) % cuotasPorRevision_ == 0;
}

// Index plus spread at a periodic revision: the index is the one assumed
// unless the person's scenario gave another from an earlier instalment
// (indiceVigente_, kept up to date instalment by instalment). No negative
// interest is charged.
double TSimulacionPrestamo::TasaPeriodica() const { return std::max(0.0, indiceVigente_ + diferencial_); }

// The last periodic revision that can change the rate: the first one, the
// first after each change of the index and the first after each typed
// revision; the others find the rate as it was.
int TSimulacionPrestamo::UltimoCambioPeriodico() const {
    if (primeraRevision_ == 0)
        return 0;
    const auto revisionDesde = [this](int cuota) {
        if (cuota <= primeraRevision_)
            return primeraRevision_;
        const int saltos = (cuota - primeraRevision_ + cuotasPorRevision_ - 1) / cuotasPorRevision_;
        return primeraRevision_ + saltos * cuotasPorRevision_;
    };
    int ultimo = primeraRevision_;
    for (const IndiceDesde& d : indicesDesde_)
        ultimo = std::max(ultimo, revisionDesde(d.cuota));
    for (const RevisionInteres& r : revisiones_)
        ultimo = std::max(ultimo, revisionDesde(r.cuota + 1));
    return ultimo;
}

// A periodic revision sets index plus spread; a typed one at the same
// instalment overrides it. Every revision works the instalment out again on
// the capital pending over the term left, as a bank does on each revision
// date even when the rate stays as it was (the cents rounded off the level
// instalment would otherwise pile up on the last one). Inside the grace
// period there is no instalment to work out yet.
void TSimulacionPrestamo::Revisar(int i) {
    while (siguienteIndice_ < indicesDesde_.size() && indicesDesde_[siguienteIndice_].cuota <= i)
        indiceVigente_ = indicesDesde_[siguienteIndice_++].valor;
    double nueva = interesAnual_;
    if (EsRevisionPeriodica(i))
        nueva = TasaPeriodica();
    bool tecleada = false;
    while (siguienteRevision_ < revisiones_.size() && revisiones_[siguienteRevision_].cuota == i) {
        nueva = revisiones_[siguienteRevision_].interes;
        ++siguienteRevision_;
        tecleada = true;
    }
    if (nueva == interesAnual_ && !tecleada && !EsRevisionPeriodica(i))
        return;
    interesAnual_ = nueva;
    tasa_ = TasaPeriodo(nueva, periodos_);
    if (cuotasCarencia_ > 0 && i <= cuotasCarencia_ + 1) {
        cuotaDada_ = 0;  // the instalment is worked out when the grace period ends
        return;
    }
    if (sistema_ == SistemaAmortizacion::Frances || sistema_ == SistemaAmortizacion::Creciente)
        Recalcular(i);
}

// The principal an instalment outside the grace period repays, by the system.
CentimosEnteros TSimulacionPrestamo::CapitalDelPeriodo(int i, CentimosEnteros interes) {
    switch (sistema_) {
    case SistemaAmortizacion::Frances: return RestarCentimos(cuota_, interes);
    case SistemaAmortizacion::Creciente: return RestarCentimos(CuotaCreciente(i), interes);
    case SistemaAmortizacion::Aleman: return cuota_;
    case SistemaAmortizacion::Americano: return 0;
    }
    return 0;
}

bool TSimulacionPrestamo::Siguiente(PasoPrestamo& paso) {
    if (terminado_)
        return false;
    const int i = actual_ + 1;
    Revisar(i);
    if (cuotasCarencia_ > 0 && i == cuotasCarencia_ + 1)
        Recalcular(i);
    actual_ = i;
    const bool enCarencia = i <= cuotasCarencia_;
    const bool sinInteres = i == 1 && timing_ == PaymentTiming::StartOfPeriod;
    const CentimosEnteros interes = sinInteres ? 0 : tasa_.Interes(pendiente_);
    const CentimosEnteros antes = pendiente_;
    CentimosEnteros capital = 0;
    if (enCarencia) {
        // A total grace pays nothing: the interest is added to the capital.
        if (carencia_ == TipoCarencia::Total)
            capital = -interes;
    } else {
        capital = CapitalDelPeriodo(i, interes);
        // The last instalment pays whatever is left, so the loan closes at
        // 0,00; so does one whose instalment already covers all of it.
        if (i >= fin_ || (antes > 0 && capital >= antes)) {
            capital = antes;
            fin_ = i;
        }
    }
    pendiente_ = RestarCentimos(pendiente_, capital);
    paso = PasoPrestamo{};
    paso.numero = i;
    paso.interes = AEuros(interes);
    paso.capital = AEuros(capital);
    paso.cuota = AEuros(capital + interes);
    paso.interesAnual = interesAnual_;
    paso.carencia = enCarencia;
    paso.costes = AEuros(costes_);
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

// The commission agreed, or the legal maximum when none was agreed or the
// one agreed passes it (which the person is told).
double TSimulacionPrestamo::ComisionAplicada(const AmortizacionAnticipada& a, int i) {
    const double maximo = ComisionMaximaAmortizacion(
        tipoInteres_, MesesHastaCuota(i, mesesPorCuota_, timing_ == PaymentTiming::StartOfPeriod), mesesTramoFijo_);
    if (a.comisionLegal)
        return maximo;
    if (a.comision <= maximo)
        return a.comision;
    avisos_ << QStringLiteral("La comisión de la amortización anticipada de la cuota %1 (%2 %) supera el máximo "
                              "legal para esa fecha (%3 %): se calcula con el máximo.")
                   .arg(i)
                   .arg(TextoTasa(a.comision), TextoTasa(maximo));
    return maximo;
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
    comision += ACentimos(AEuros(importe) * static_cast<long double>(ComisionAplicada(a, i)) / 100);
    if (pendiente_ <= 0)
        return;
    if (i <= cuotasCarencia_) {
        cuotaDada_ = 0;  // the instalment is worked out when the grace period ends
        return;
    }
    if (a.reduce == ReduccionAmortizacion::Cuota) {
        Recalcular(i + 1);
        return;
    }
    // Shortening the term: an interest-only loan has no term to shorten, and
    // a falling or growing instalment simply ends the loan sooner.
    if (sistema_ != SistemaAmortizacion::Frances)
        return;
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

bool TSimulacionPrestamo::QuedanCambios() const {
    return siguienteAmort_ < amortizaciones_.size() || siguienteRevision_ < revisiones_.size() ||
           actual_ < ultimoCambioPeriodico_ || (cuotasCarencia_ > 0 && actual_ <= cuotasCarencia_);
}

int TSimulacionPrestamo::Cantidad() const {
    TSimulacionPrestamo copia(*this);
    PasoPrestamo paso;
    // Once every change is applied (and a first instalment without interest
    // is behind) the rest is a plain loan ending at fin_, unless the cents
    // could close it sooner: then run it to the end.
    while (!copia.terminado_ &&
           (copia.QuedanCambios() || (copia.actual_ == 0 && timing_ == PaymentTiming::StartOfPeriod)))
        copia.Siguiente(paso);
    // Only a level instalment has a known end: the other systems run on.
    if (!copia.terminado_ && (sistema_ != SistemaAmortizacion::Frances || copia.PuedeTerminarAntes()))
        while (copia.Siguiente(paso)) {
        }
    return copia.fin_;
}

}  // namespace finance
