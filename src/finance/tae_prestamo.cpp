#include "finance/tae_prestamo.h"

#include "finance/excepciones_matematicas.h"
#include "finance/simulacion_prestamo.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace finance {
namespace {

long double Recibido(double capital, const CondicionesPrestamo& c) {
    const long double recibido =
        capital - static_cast<long double>(capital) * c.comisionApertura / 100 - c.gastosIniciales;
    if (!(recibido > 0))
        throw ECondicionesPrestamo(QStringLiteral("La comisión de apertura y los gastos iniciales no pueden "
                                                  "llegar al capital del préstamo."));
    return recibido;
}

long double Anual(long double tasa, int periodos) {
    return (std::pow(1 + tasa, static_cast<long double>(periodos)) - 1) * 100;
}

// What is still owed at discount factor u = 1 / (1 + rate): the money
// received less every payment brought back to the start. It falls as u
// grows, so one root at most.
long double Saldo(long double recibido, const std::vector<long double>& pagos, long double u) {
    long double descontado = 0;
    for (auto p = pagos.rbegin(); p != pagos.rend(); ++p)
        descontado = descontado * u + *p;
    return recibido - descontado;
}

// The periodic rate at which the payments, period by period from the start,
// repay what was received; found by halving a bracket on u.
long double TasaInterna(long double recibido, const std::vector<long double>& pagos) {
    long double bajo = 0, alto = 1;
    if (!(Saldo(recibido, pagos, bajo) > 0))
        throw EInvalidArgument("TaeConRevisiones");
    while (Saldo(recibido, pagos, alto) > 0) {
        alto *= 2;
        if (alto > 1e6L)
            throw EInvalidArgument("TaeConRevisiones");
    }
    for (int i = 0; i < 200 && alto - bajo > 1e-30L; ++i) {
        const long double medio = (bajo + alto) / 2;
        (Saldo(recibido, pagos, medio) > 0 ? bajo : alto) = medio;
    }
    return 1 / ((bajo + alto) / 2) - 1;
}

// The payments by period from the signing of the schedule the conditions
// give, with the costs paid alongside: at once for the first instalment of
// a loan paid at the start of each period. Its IRR, annualised.
double TaeDelCuadro(double capital, double interes, int numCuotas, PaymentTiming timing, const CondicionesPrestamo& c) {
    const long double recibido = Recibido(capital, c);
    const int desfase = timing == PaymentTiming::StartOfPeriod ? 1 : 0;
    std::vector<long double> pagos(1, 0);
    TSimulacionPrestamo simulacion(capital, interes, numCuotas, timing, c);
    PasoPrestamo paso;
    while (simulacion.Siguiente(paso)) {
        const std::size_t t = std::size_t(paso.numero - desfase);
        pagos.resize(std::max(pagos.size(), t + 1), 0);
        pagos[t] += paso.cuota + paso.amortAnticipada + paso.comision + paso.costes;
    }
    return static_cast<double>(Anual(TasaInterna(recibido, pagos), PeriodosPorAnio(c.periodicidad)));
}

// The contract as the TAE sees it: no early repayment, no typed revision,
// the index where it is now. For a mixed rate whose variable part would
// fall below the fixed rate, the fixed rate holds for the whole term: the
// rule of the Orden EHA/2899/2011 (anexo II) and the Circular 5/2012 del
// Banco de España for the TAE of a mixed-rate loan.
CondicionesPrestamo CondicionesDeLaTae(double interes, const CondicionesPrestamo& c) {
    CondicionesPrestamo tae = c;
    tae.amortizaciones.clear();
    tae.revisiones.clear();
    tae.indicesDesde.clear();
    if (c.tipoInteres == TipoInteres::Mixto && std::max(0.0, c.indice + c.diferencial) < interes) {
        tae.tipoInteres = TipoInteres::Fijo;
        tae.indice = tae.diferencial = 0;
        tae.tramoFijo = 0;
    }
    return tae;
}

}  // namespace

bool EsTaeVariable(const CondicionesPrestamo& c) { return c.tipoInteres != TipoInteres::Fijo; }

QString NombreTae(const CondicionesPrestamo& c) {
    return EsTaeVariable(c) ? QStringLiteral("TAE variable") : QStringLiteral("TAE");
}

double TaePrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                   const CondicionesPrestamo& c) {
    if (!(capital > 0) || numCuotas <= 0)
        return 0;
    if (c.HayOpcionesHipoteca())
        return TaeDelCuadro(capital, interes, numCuotas, timing, CondicionesDeLaTae(interes, c));
    const int periodos = PeriodosPorAnio(c.periodicidad);
    const long double tasa = static_cast<long double>(interes) / (100 * periodos);
    const long double cuota = -Payment(tasa, numCuotas, capital, 0, timing);
    const long double recibido = Recibido(capital, c);
    const long double tir = InterestRate(numCuotas, cuota, -recibido, 0, timing);
    return static_cast<double>(Anual(tir, periodos));
}

double TaeConRevisiones(double capital, double interes, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& c) {
    if (!(capital > 0) || numCuotas <= 0)
        return 0;
    return TaeDelCuadro(capital, interes, numCuotas, timing, c);
}

}  // namespace finance
