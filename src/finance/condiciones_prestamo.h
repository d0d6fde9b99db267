#pragma once
// The conditions of a loan beyond its four quantities: how often the
// instalments are paid, what it costs to open it, and the early repayments
// and rate revisions planned over its life. The default value is a plain
// monthly loan, which the calculation and the table handle exactly as they
// always have.
#include "util/excepcion.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace finance {

enum class Periodicidad { Mensual, Bimestral, Trimestral, Semestral, Anual };

// Instalments a year (12, 6, 4, 2, 1) and months between two instalments.
int PeriodosPorAnio(Periodicidad periodicidad);
int MesesPorPeriodo(Periodicidad periodicidad);
// "Mensual", "Bimestral", … in the order of the enumeration.
QStringList NombresPeriodicidad();

// What an early repayment lowers: the number of instalments or the instalment.
enum class ReduccionAmortizacion { Plazo, Cuota };

struct AmortizacionAnticipada {
    int cuota = 0;        // paid together with this instalment
    double importe = 0;
    ReduccionAmortizacion reduce = ReduccionAmortizacion::Plazo;
    double comision = 0;  // percentage of the amount
    // No commission was agreed: the legal maximum for the loan's kind of
    // rate and age applies in its place.
    bool comisionLegal = false;
    bool operator==(const AmortizacionAnticipada&) const = default;
};

struct RevisionInteres {
    int cuota = 0;        // the new rate applies from this instalment on
    double interes = 0;   // new annual nominal percentage
    bool operator==(const RevisionInteres&) const = default;
};

// How the capital is paid back over the instalments.
enum class SistemaAmortizacion {
    Frances,    // level instalment
    Aleman,     // level capital part, falling instalment
    Americano,  // interest only, the whole capital with the last instalment
    Creciente   // the instalment grows by a percentage every 12 months
};

// The first instalments of a grace period pay only the interest (Parcial)
// or nothing at all, the interest being added to the capital (Total).
enum class TipoCarencia { Ninguna, Parcial, Total };

// Fixed for the whole term, variable (an index plus a spread, revised
// periodically) or mixed (fixed for a first stretch, then variable).
enum class TipoInteres { Fijo, Variable, Mixto };

// A person's own scenario for the index: its value from an instalment on.
struct IndiceDesde {
    int cuota = 0;
    double valor = 0;  // annual percentage
    bool operator==(const IndiceDesde&) const = default;
};

struct CondicionesPrestamo {
    Periodicidad periodicidad = Periodicidad::Mensual;
    double comisionApertura = 0;  // percentage of the capital
    double gastosIniciales = 0;   // an amount
    std::vector<AmortizacionAnticipada> amortizaciones;
    std::vector<RevisionInteres> revisiones;

    // Repayment system; `crecimiento` is the yearly growth (percentage) of a
    // growing instalment.
    SistemaAmortizacion sistema = SistemaAmortizacion::Frances;
    double crecimiento = 0;
    // Grace period: the first `cuotasCarencia` instalments of the term.
    TipoCarencia carencia = TipoCarencia::Ninguna;
    int cuotasCarencia = 0;
    // Variable and mixed rates. The loan's own rate applies until the first
    // revision (variable) or through the first `tramoFijo` instalments
    // (mixed); afterwards index + spread, revised every `revisionMeses`
    // months (6 or 12) and never below 0. The index is assumed to stay at
    // `indice` except where `indicesDesde` gives a value from an instalment on.
    TipoInteres tipoInteres = TipoInteres::Fijo;
    double diferencial = 0;
    double indice = 0;
    std::vector<IndiceDesde> indicesDesde;
    int revisionMeses = 12;
    int tramoFijo = 0;
    // Yearly costs outside the instalment (insurance, account maintenance):
    // they count in the TAE and in the total cost.
    double seguroAnual = 0;
    double mantenimientoAnual = 0;

    // True when anything differs from a plain monthly loan.
    bool HayCondiciones() const;
    // True when the schedule changes along the way.
    bool HayCambios() const { return !amortizaciones.empty() || !revisiones.empty(); }
    // True when the loan is more than a fixed-rate level-instalment loan: it
    // uses another system, a grace period, a variable or mixed rate, or has
    // yearly costs. Such a loan is worked out from its schedule.
    bool HayOpcionesHipoteca() const;
    bool operator==(const CondicionesPrestamo&) const = default;
};

// Conditions that cannot be met; what() is a Spanish message for the person.
class ECondicionesPrestamo : public Exception {
public:
    explicit ECondicionesPrestamo(const QString& mensaje) : Exception(mensaje.toStdString()) {}
    QString Mensaje() const { return QString::fromUtf8(what()); }
};

// Checks what can be checked without the schedule: fees and costs, amounts,
// rates and instalment numbers. Throws ECondicionesPrestamo naming the fault.
void ValidarCondiciones(const CondicionesPrestamo& condiciones);

// Checks what depends on the loan's number of instalments: the grace period,
// the fixed stretch of a mixed rate and the index scenario must fall inside
// the term. Throws ECondicionesPrestamo naming the fault.
void ValidarCondicionesDelPlazo(const CondicionesPrestamo& condiciones, int numCuotas);

// The range a yearly growth of the instalment, an index and a spread may
// take, in percent. An index may be negative (the Euríbor has been); the
// rate that results is never below 0.
inline constexpr double kCrecimientoMaximo = 50;
inline constexpr double kIndiceMinimo = -10;
inline constexpr double kIndiceMaximo = 100;
inline constexpr double kDiferencialMinimo = -10;
inline constexpr double kDiferencialMaximo = 100;

}  // namespace finance
