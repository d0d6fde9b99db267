#include "finance/condiciones_prestamo.h"

#include "finance/limites_calculo.h"
#include "util/textos_numericos.h"

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

bool Entre(double valor, double minimo, double maximo) {
    return std::isfinite(valor) && valor >= minimo && valor <= maximo;
}

// Fields of a kind of loan other than the one chosen would be silently
// ignored: they are refused instead.
void ValidarSistemaYCarencia(const CondicionesPrestamo& c) {
    const bool creciente = c.sistema == SistemaAmortizacion::Creciente;
    Exigir(creciente || c.crecimiento == 0,
           QStringLiteral("El crecimiento anual de la cuota solo se aplica al sistema creciente."));
    Exigir(!creciente || (Entre(c.crecimiento, 0, kCrecimientoMaximo) && c.crecimiento > 0),
           QStringLiteral("El crecimiento anual de la cuota debe ser un porcentaje mayor que 0 y no mayor que %1.")
               .arg(Numero(kCrecimientoMaximo)));
    Exigir(c.cuotasCarencia >= 0, QStringLiteral("Las cuotas de carencia no pueden ser negativas."));
    Exigir(c.carencia == TipoCarencia::Ninguna || c.cuotasCarencia >= 1,
           QStringLiteral("Indique cuántas cuotas dura la carencia: al menos 1."));
    Exigir(c.carencia != TipoCarencia::Ninguna || c.cuotasCarencia == 0,
           QStringLiteral("Hay cuotas de carencia sin tipo de carencia: elija parcial o total."));
}

void ValidarInteresVariable(const CondicionesPrestamo& c) {
    const bool variable = c.tipoInteres != TipoInteres::Fijo;
    Exigir(variable || (c.diferencial == 0 && c.indice == 0 && c.indicesDesde.empty()),
           QStringLiteral("El índice y el diferencial solo se aplican a un interés variable o mixto."));
    Exigir(c.tipoInteres == TipoInteres::Mixto || c.tramoFijo == 0,
           QStringLiteral("El tramo fijo solo se aplica a un interés mixto."));
    Exigir(c.revisionMeses == 6 || c.revisionMeses == 12,
           QStringLiteral("La revisión del interés variable debe ser cada 6 o cada 12 meses."));
    Exigir(Entre(c.indice, kIndiceMinimo, kIndiceMaximo),
           QStringLiteral("El índice debe estar entre %1 y %2.").arg(Numero(kIndiceMinimo), Numero(kIndiceMaximo)));
    Exigir(Entre(c.diferencial, kDiferencialMinimo, kDiferencialMaximo),
           QStringLiteral("El diferencial debe estar entre %1 y %2.")
               .arg(Numero(kDiferencialMinimo), Numero(kDiferencialMaximo)));
    Exigir(c.tipoInteres != TipoInteres::Mixto || c.tramoFijo >= 1,
           QStringLiteral("Un interés mixto necesita un tramo fijo de al menos 1 cuota."));
    for (const IndiceDesde& d : c.indicesDesde) {
        Exigir(d.cuota >= 1, QStringLiteral("La cuota desde la que cambia el índice debe ser 1 o mayor."));
        Exigir(Entre(d.valor, kIndiceMinimo, kIndiceMaximo),
               QStringLiteral("El índice desde la cuota %1 debe estar entre %2 y %3.")
                   .arg(d.cuota)
                   .arg(Numero(kIndiceMinimo), Numero(kIndiceMaximo)));
    }
    // Two values from the same instalment cannot both hold (sorted, so that a
    // long scenario is checked quickly).
    std::vector<int> cuotas;
    cuotas.reserve(c.indicesDesde.size());
    for (const IndiceDesde& d : c.indicesDesde)
        cuotas.push_back(d.cuota);
    std::sort(cuotas.begin(), cuotas.end());
    const auto repetida = std::adjacent_find(cuotas.begin(), cuotas.end());
    Exigir(repetida == cuotas.end(),
           QStringLiteral("Hay dos valores del índice desde la cuota %1: deje solo uno.")
               .arg(repetida == cuotas.end() ? 0 : *repetida));
}

void ValidarCostes(const CondicionesPrestamo& c) {
    Exigir(Entre(c.seguroAnual, 0, kImporteMaximo),
           QStringLiteral("El seguro anual debe ser un importe de 0 o mayor."));
    Exigir(Entre(c.mantenimientoAnual, 0, kImporteMaximo),
           QStringLiteral("El mantenimiento anual debe ser un importe de 0 o mayor."));
}

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

bool CondicionesPrestamo::HayOpcionesHipoteca() const {
    return sistema != SistemaAmortizacion::Frances || carencia != TipoCarencia::Ninguna ||
           tipoInteres != TipoInteres::Fijo || seguroAnual != 0 || mantenimientoAnual != 0;
}

void ValidarCondiciones(const CondicionesPrestamo& c) {
    ValidarSistemaYCarencia(c);
    ValidarInteresVariable(c);
    ValidarCostes(c);
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

void ValidarCondicionesDelPlazo(const CondicionesPrestamo& c, int numCuotas) {
    if (c.carencia != TipoCarencia::Ninguna)
        Exigir(c.cuotasCarencia < numCuotas,
               QStringLiteral("La carencia (%1 cuotas) debe ser más corta que el préstamo (%2 cuotas).")
                   .arg(c.cuotasCarencia)
                   .arg(numCuotas));
    if (c.tipoInteres == TipoInteres::Mixto)
        Exigir(c.tramoFijo < numCuotas,
               QStringLiteral("El tramo fijo (%1 cuotas) debe ser más corto que el préstamo (%2 cuotas).")
                   .arg(c.tramoFijo)
                   .arg(numCuotas));
    for (const IndiceDesde& d : c.indicesDesde)
        Exigir(d.cuota <= numCuotas,
               QStringLiteral("El índice desde la cuota %1 queda después de la última cuota del préstamo (%2).")
                   .arg(d.cuota)
                   .arg(numCuotas));
}

}  // namespace finance
