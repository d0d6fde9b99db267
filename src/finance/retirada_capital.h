#pragma once
// Living off a capital: the level monthly withdrawal that a capital earning
// interest sustains for a number of months, the last withdrawal taking what
// is left so that the capital ends at exactly 0, and the table of those
// withdrawals. Amounts are whole cents: the withdrawal is rounded to the
// cent and each month's interest is rounded half up to the cent, as a bank
// books it.
#include "finance/aviso_calculo.h"
#include "finance/centimos_enteros.h"
#include "finance/tvm.h"
#include "util/excepcion.h"

#include <QDate>
#include <QString>
#include <optional>

namespace finance {

struct EntradaRetirada {
    QString capital;    // the capital at the start
    QString interes;    // annual nominal percentage
    QString numCuotas;  // months of withdrawals
    PaymentTiming timing = PaymentTiming::EndOfPeriod;
};

struct EstadoRetirada {
    double Capital = 0;
    double Interes = 0;
    int NumCuotas = 0;
    double Retirada = 0;        // the level monthly withdrawal
    double UltimaRetirada = 0;  // the last one, which leaves the capital at 0
    double TotalRetirado = 0;
    double Intereses = 0;       // TotalRetirado - Capital
    bool CalculoFallido = false;
};

// Which typed figure a refusal is about.
enum class CampoRetirada { Ninguno, Capital, Interes, NumCuotas };

struct ResultadoRetirada {
    EstadoRetirada estado;
    std::optional<AvisoCalculo> aviso;
    CampoRetirada foco = CampoRetirada::Ninguno;
};

// A text that is not a number throws EConvertError; figures out of range
// come back as a warning.
ResultadoRetirada ResolverRetirada(const EntradaRetirada& entrada);

// The texts of the result panels of a worked-out withdrawal plan.
struct PanelesRetirada {
    QString retirada, interes, numCuotas, capital, totalRetirado, intereses, ultimaRetirada, capitalFinal;
};
PanelesRetirada TextosPanelesRetirada(const EstadoRetirada& estado);

}  // namespace finance

struct trRetirada {
    int numero = 0;
    QDate fecha;
    double retirada = 0;
    double interes = 0;  // interest the month earns
    double capital = 0;  // capital left at the end of the month
};

struct DatosFilasRetirada {
    double Capital = 0;
    double Interes = 0;
    int NumCuotas = 0;
    double Retirada = 0;
    finance::PaymentTiming timing = finance::PaymentTiming::EndOfPeriod;
    QDate primeraFecha;
};

namespace finance {
// What the table of a worked-out withdrawal plan is built from.
DatosFilasRetirada DatosFilasDeRetirada(const EstadoRetirada& estado, PaymentTiming timing, const QDate& primera);
}  // namespace finance

// The rows of a withdrawal plan one after another. At the end of a period
// the month's interest is added before the withdrawal; at its start the
// withdrawal is taken first and what is left earns the month's interest.
class TFilasRetirada {
public:
    explicit TFilasRetirada(const DatosFilasRetirada& datos);

    int Cantidad() const;
    bool Siguiente(trRetirada& fila);

private:
    DatosFilasRetirada d_;
    finance::TasaPeriodo tasa_;
    finance::CentimosEnteros retirada_;
    finance::CentimosEnteros saldo_;
    int actual_ = 0;
};
