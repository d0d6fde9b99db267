#include "finance/incognitas_hipoteca.h"

#include "finance/centimos_enteros.h"
#include "finance/limites_calculo.h"
#include "finance/limites_tabla.h"
#include "finance/simulacion_prestamo.h"

#include <algorithm>
#include <cmath>

namespace finance {
namespace {

// The first instalment is in proportion to the capital; worked out on this
// capital, the cents rounded off weigh less than a part in 1e12.
constexpr double kCapitalDeEscala = 1e10;

[[noreturn]] void Rechazar(const QString& mensaje) { throw ECondicionesPrestamo(mensaje); }

// The first instalment per euro of capital.
long double CuotaPorEuro(double interes, int numCuotas, PaymentTiming timing, const CondicionesPrestamo& c) {
    return PrimeraCuotaDelSistema(kCapitalDeEscala, interes, numCuotas, timing, c) / kCapitalDeEscala;
}

}  // namespace

long double PrimeraCuotaDelSistema(double capital, double interes, int numCuotas, PaymentTiming timing,
                                   const CondicionesPrestamo& c) {
    CondicionesPrestamo contrato = c;
    contrato.amortizaciones.clear();
    contrato.revisiones.clear();
    TSimulacionPrestamo simulacion(capital, interes, numCuotas, timing, contrato);
    PasoPrestamo paso;
    while (simulacion.Siguiente(paso))
        if (!paso.carencia)
            return paso.cuota;
    return 0;
}

double CapitalDeLaCuota(double cuota, double interes, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& c) {
    const long double porEuro = CuotaPorEuro(interes, numCuotas, timing, c);
    if (!(porEuro > 0))
        Rechazar(QStringLiteral("Con estas condiciones la cuota no depende del capital: no se puede calcular."));
    return static_cast<double>(AEuros(ACentimos(cuota / porEuro)));
}

double InteresDeLaCuota(double capital, double cuota, int numCuotas, PaymentTiming timing,
                        const CondicionesPrestamo& c) {
    if (!(capital > 0))
        Rechazar(QStringLiteral("El capital debe ser mayor que cero para calcular el interés."));
    const auto cuotaCon = [&](double interes) { return CuotaPorEuro(interes, numCuotas, timing, c) * capital; };
    // The first instalment grows with the rate: halve the range of rates.
    double bajo = 0, alto = kInteresMaximo;
    if (cuotaCon(bajo) > cuota + 0.005L)
        Rechazar(QStringLiteral("Con esa cuota no se devuelve el capital ni sin intereses:\r"
                                "aumente la cuota o el número de cuotas."));
    if (cuotaCon(alto) < cuota - 0.005L)
        Rechazar(QStringLiteral("La cuota pide un interés de más del %1 %.").arg(kInteresMaximo));
    for (int i = 0; i < 200 && alto - bajo > 1e-13; ++i) {
        const double medio = (bajo + alto) / 2;
        (cuotaCon(medio) < cuota ? bajo : alto) = medio;
    }
    const double interes = (bajo + alto) / 2;
    // A rate the first instalment does not depend on (a grace period that
    // lasts past the first revision) cannot be found from it.
    if (std::fabs(cuotaCon(interes) - cuota) > 0.005L)
        Rechazar(QStringLiteral("Con estas condiciones la primera cuota no depende del interés: "
                                "no se puede calcular."));
    return interes;
}

int CuotasDeLaCuota(double capital, double interes, double cuota, PaymentTiming timing,
                    const CondicionesPrestamo& c) {
    if (c.sistema == SistemaAmortizacion::Americano)
        Rechazar(QStringLiteral("En el sistema americano la cuota solo paga los intereses:\r"
                                "el número de cuotas no se puede calcular."));
    // The term must hold the grace period, the fixed stretch and the
    // scenario's index changes.
    int minimo = std::max(c.carencia == TipoCarencia::Ninguna ? 0 : c.cuotasCarencia,
                          c.tipoInteres == TipoInteres::Mixto ? c.tramoFijo : 0) + 1;
    for (const IndiceDesde& d : c.indicesDesde)
        minimo = std::max(minimo, d.cuota);
    const CentimosEnteros objetivo = ACentimos(cuota);
    const auto basta = [&](int n) {
        return ACentimos(PrimeraCuotaDelSistema(capital, interes, n, timing, c)) <= objetivo;
    };
    const auto sinSolucion = [] {
        Rechazar(QStringLiteral("Debe aumentar el importe de la cuota para\rpoder amortizar el préstamo solicitado."));
    };
    // The first instalment falls as the term grows: double the term until
    // it is enough, then halve the gap.
    int bajo = minimo - 1, alto = minimo;
    while (!basta(alto)) {
        if (alto >= kMaxFilasDesarrollo)
            sinSolucion();
        bajo = alto;
        alto = std::min(alto * 2, kMaxFilasDesarrollo);
    }
    while (alto - bajo > 1) {
        const int medio = bajo + (alto - bajo) / 2;
        (basta(medio) ? alto : bajo) = medio;
    }
    return alto;
}

}  // namespace finance
