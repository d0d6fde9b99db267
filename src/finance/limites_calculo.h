#pragma once
// What the loan and savings calculations accept from the person, and the
// limit every figure they give must stay within. Each refusal names the
// limit that was passed, so that the window and the command line both say
// why a calculation was refused.
#include "finance/aviso_calculo.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

namespace finance {

// The highest annual rate, in percent, of a loan, a revision or a savings
// plan: beyond it is surely a typing slip, and it would overflow the
// compound factors of a long loan.
inline constexpr double kInteresMaximo = 1000;

// How the messages name a figure: "El capital", "La cuota".
struct NombreDato {
    QString nombre;
    bool femenino = false;
};

// Why a typed amount is refused: negative, or not below the program's limit
// of 1.000.000.000.000.000,00. Nothing when it is fine.
std::optional<QString> MotivoImporte(const NombreDato& dato, double valor);

// Why a typed annual rate is refused: outside 0 to kInteresMaximo.
std::optional<QString> MotivoInteres(double interes);

// Why a typed number of instalments is refused: negative, or so many that the
// interest compounded over them (at `tasa` a period, from an annual
// `interes` in percent) passes what can be worked out.
std::optional<QString> MotivoNumeroCuotas(int numero, long double tasa, double interes);

// A typed figure's field and why it is refused, if it is.
template <typename Campo>
struct ComprobacionEntrada {
    Campo campo;
    std::optional<QString> motivo;
};

// The first refusal among the fields other than the unknown's, which only
// holds the last result and is worked out again.
template <typename Campo>
std::optional<ComprobacionEntrada<Campo>> PrimerRechazo(
    std::initializer_list<ComprobacionEntrada<Campo>> comprobaciones, Campo incognita) {
    for (const ComprobacionEntrada<Campo>& c : comprobaciones) {
        if (c.campo != incognita && c.motivo)
            return c;
    }
    return std::nullopt;
}

// Puts the first refusal among the typed figures into a calculation's result:
// the warning, the failed flag and the focus on the figure's box. False when
// there was one.
template <typename Resultado, typename Campo>
bool SinRechazo(std::initializer_list<ComprobacionEntrada<Campo>> comprobaciones, Campo incognita,
                const QString& titulo, Resultado& r) {
    const std::optional<ComprobacionEntrada<Campo>> rechazo = PrimerRechazo(comprobaciones, incognita);
    if (!rechazo)
        return true;
    r.aviso = AvisoCalculo{titulo, *rechazo->motivo};
    r.estado.CalculoFallido = true;
    r.foco = rechazo->campo;
    return false;
}

// A result of a calculation and how the messages name it.
struct ResultadoNombrado {
    NombreDato dato;
    double* valor;
};

// Runs a step whose results go to the panels: an exception, or a result that
// is not finite or not within the limit, makes it fail, and such results are
// set to 0. When a result passed the limit, `motivo` names it.
bool EjecutarDentroDelLimite(const std::function<void()>& paso, std::initializer_list<ResultadoNombrado> resultados,
                             std::optional<QString>& motivo);

// "No se ha podido calcular la cuota con estos datos." (`que` is "la
// cuota"), and on a second line the result that passed the limit, when that
// was the reason.
AvisoCalculo AvisoNoCalculado(const QString& titulo, const QString& que, const std::optional<QString>& motivo);

}  // namespace finance
