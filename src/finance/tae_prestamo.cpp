#include "finance/tae_prestamo.h"

#include <cmath>

namespace finance {

double TaePrestamo(double capital, double interes, int numCuotas, PaymentTiming timing,
                   const CondicionesPrestamo& c) {
    if (!(capital > 0) || numCuotas <= 0)
        return 0;
    const int periodos = PeriodosPorAnio(c.periodicidad);
    const long double tasa = static_cast<long double>(interes) / (100 * periodos);
    const long double cuota = -Payment(tasa, numCuotas, capital, 0, timing);
    const long double recibido =
        capital - static_cast<long double>(capital) * c.comisionApertura / 100 - c.gastosIniciales;
    if (!(recibido > 0))
        throw ECondicionesPrestamo(QStringLiteral("La comisión de apertura y los gastos iniciales no pueden "
                                                  "llegar al capital del préstamo."));
    const long double tir = InterestRate(numCuotas, cuota, -recibido, 0, timing);
    return static_cast<double>((std::pow(1 + tir, static_cast<long double>(periodos)) - 1) * 100);
}

}  // namespace finance
