#include "finance/condiciones_prestamo.h"

#include "finance/limites_calculo.h"

#include <algorithm>
#include <cmath>

namespace finance {
namespace {

QString Numero(double valor) { return QString::number(valor, 'g', 15); }

void Exigir(bool cumple, const QString& mensaje) {
    if (!cumple)
        throw ECondicionesPrestamo(mensaje);
}

bool Porcentaje(double valor, double maximo) { return std::isfinite(valor) && valor >= 0 && valor <= maximo; }

}  // namespace

int PeriodosPorAnio(Periodicidad periodicidad) {
    switch (periodicidad) {
    case Periodicidad::Mensual: return 12;
    case Periodicidad::Bimestral: return 6;
    case Periodicidad::Trimestral: return 4;
    case Periodicidad::Semestral: return 2;
    case Periodicidad::Anual: return 1;
    }
    return 12;
}

int MesesPorPeriodo(Periodicidad periodicidad) { return 12 / PeriodosPorAnio(periodicidad); }

QStringList NombresPeriodicidad() {
    return {QStringLiteral("Mensual"), QStringLiteral("Bimestral"), QStringLiteral("Trimestral"),
            QStringLiteral("Semestral"), QStringLiteral("Anual")};
}

bool CondicionesPrestamo::HayCondiciones() const {
    return !(*this == CondicionesPrestamo{});
}

void ValidarCondiciones(const CondicionesPrestamo& c) {
    Exigir(Porcentaje(c.comisionApertura, 100) && c.comisionApertura < 100,
           QStringLiteral("La comisión de apertura debe ser un porcentaje desde 0 hasta menos de 100."));
    Exigir(std::isfinite(c.gastosIniciales) && c.gastosIniciales >= 0,
           QStringLiteral("Los gastos iniciales no pueden ser negativos."));
    for (const AmortizacionAnticipada& a : c.amortizaciones) {
        Exigir(a.cuota >= 1, QStringLiteral("La cuota de una amortización anticipada debe ser 1 o mayor."));
        Exigir(std::isfinite(a.importe) && a.importe > 0,
               QStringLiteral("El importe de la amortización anticipada de la cuota %1 debe ser mayor que cero.")
                   .arg(a.cuota));
        Exigir(Porcentaje(a.comision, 100),
               QStringLiteral("La comisión de la amortización anticipada de la cuota %1 debe ser un porcentaje "
                              "de 0 a 100.")
                   .arg(a.cuota));
    }
    for (std::size_t i = 0; i < c.revisiones.size(); ++i) {
        const RevisionInteres& r = c.revisiones[i];
        Exigir(r.cuota >= 1, QStringLiteral("La cuota de una revisión del interés debe ser 1 o mayor."));
        // Two new rates from the same instalment cannot both apply.
        Exigir(std::none_of(c.revisiones.begin(), c.revisiones.begin() + std::ptrdiff_t(i),
                            [&r](const RevisionInteres& otra) { return otra.cuota == r.cuota; }),
               QStringLiteral("Hay dos revisiones del interés en la cuota %1: deje solo una.").arg(r.cuota));
        Exigir(Porcentaje(r.interes, kInteresMaximo),
               QStringLiteral("El interés de la revisión de la cuota %1 debe estar entre 0 y %2.")
                   .arg(r.cuota)
                   .arg(Numero(kInteresMaximo)));
    }
}

}  // namespace finance
