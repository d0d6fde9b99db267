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
    bool operator==(const AmortizacionAnticipada&) const = default;
};

struct RevisionInteres {
    int cuota = 0;        // the new rate applies from this instalment on
    double interes = 0;   // new annual nominal percentage
    bool operator==(const RevisionInteres&) const = default;
};

struct CondicionesPrestamo {
    Periodicidad periodicidad = Periodicidad::Mensual;
    double comisionApertura = 0;  // percentage of the capital
    double gastosIniciales = 0;   // an amount
    std::vector<AmortizacionAnticipada> amortizaciones;
    std::vector<RevisionInteres> revisiones;

    // True when anything differs from a plain monthly loan.
    bool HayCondiciones() const;
    // True when the schedule changes along the way.
    bool HayCambios() const { return !amortizaciones.empty() || !revisiones.empty(); }
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

}  // namespace finance
