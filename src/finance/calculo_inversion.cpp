#include "finance/calculo_inversion.h"

#include "finance/aportaciones_crecientes.h"
#include "finance/bloque_guardado.h"
#include "finance/centimos_enteros.h"
#include "finance/impuesto_ahorro.h"
#include "finance/limites_calculo.h"
#include "finance/valor_real.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

#include <climits>
#include <cmath>
#include <functional>

namespace finance {
namespace {

const QString kTituloCuota = QStringLiteral("Cálculo de la cuota de una inversión");
const QString kTituloInteres = QStringLiteral("Cálculo del interés de una inversión");
const QString kTituloNumero = QStringLiteral("Cálculo del número de cuotas de una inversión");
const QString kTituloCapital = QStringLiteral("Cálculo del capital final de una inversión");
const QString kCapitalFinalMenor = QStringLiteral("El capital final debe ser mayor que el capital inicial.");

bool Creciente(const EstadoInversion& e) { return e.condiciones.crecimiento != 0; }

// What `n` contributions of the (whole-cent) instalment reach with the
// initial capital, rounded to the cent: the capital the table's row n shows.
double CapitalAlcanzado(const EstadoInversion& e, PaymentTiming timing, int n) {
    const long double tasa = static_cast<long double>(e.Interes) / 1200;
    if (Creciente(e))
        return CapitalCreciente(tasa, e.Cuota, e.condiciones.crecimiento, e.CapInicial, timing, n);
    return RedondeadoAlCentimo(static_cast<double>(-FutureValue(tasa, n, e.Cuota, e.CapInicial, timing)));
}

// Whether the final capital is worked out again from the other data, or is
// the one typed, which a rate solved for it reaches already.
enum class CapitalFinal { Alcanzado, Indicado };

// The results as the table shows them: the contribution in whole cents, and
// the final capital its last row reaches, whatever final capital was typed.
void Totales(EstadoInversion& e, PaymentTiming timing, CapitalFinal capital = CapitalFinal::Alcanzado) {
    e.Cuota = RedondeadoAlCentimo(e.Cuota);
    if (capital == CapitalFinal::Alcanzado)
        e.Capital = CapitalAlcanzado(e, timing, e.NumCuotas);
    e.Invertido = Creciente(e) ? InvertidoCreciente(e.Cuota, e.condiciones.crecimiento, e.CapInicial, e.NumCuotas)
                               : RedondeadoAlCentimo(e.NumCuotas * e.Cuota + e.CapInicial);
    e.Beneficio = e.Capital - e.Invertido;
    e.Porcentaje = e.Beneficio == 0 ? 0 : e.Beneficio / e.Capital * 100;
    if (e.condiciones.inflacion) {
        e.CapitalReal = ValorReal(e.Capital, *e.condiciones.inflacion, e.NumCuotas);
        e.GananciaReal = e.CapitalReal - e.Invertido;
    }
    if (e.condiciones.retencion != TipoRetencion::Ninguna) {
        e.Impuesto = ImpuestoSobreGanancia(e.condiciones, e.Beneficio);
        e.CapitalNeto = e.Capital - e.Impuesto;
    }
}

// The instalments and the initial capital add up to more than the final
// capital, beyond the rounding of binary fractions: 12 × 0,10 is
// 1,2000000000000002 in doubles and still equals a final capital of 1,20,
// which earns 0 %.
bool SumaSuperaAlFinal(const EstadoInversion& e) {
    const long double suma =
        Creciente(e) ? static_cast<long double>(InvertidoCreciente(e.Cuota, e.condiciones.crecimiento, e.CapInicial,
                                                                   e.NumCuotas))
                     : static_cast<long double>(e.NumCuotas) * e.Cuota + e.CapInicial;
    return suma - e.Capital > 1e-15L * std::fmax(std::fabs(e.Capital), std::fabs(static_cast<double>(suma)));
}

// The next whole number of contributions. A count beyond 32 bits, or a
// negative one (only pasted negative amounts give it), is refused like any
// other failure of the time-value functions.
int NumeroEntero(long double periodos) {
    if (!(periodos > -1 && periodos <= INT_MAX))
        throw EOverflow("CeilToInt");
    return CeilToWholePeriods(periodos);
}

// The fewest contributions whose capital, rounded to the cent as the table
// shows it, reaches the final capital: the formulas' count moved by one
// where the cents of the instalment or the rounding of the formulas decide.
int CuotasQueAlcanzan(const EstadoInversion& e, PaymentTiming timing, int estimadas) {
    EstadoInversion redondeado = e;
    redondeado.Cuota = RedondeadoAlCentimo(e.Cuota);
    const auto alcanza = [&](int n) { return CapitalAlcanzado(redondeado, timing, n) >= e.Capital; };
    if (estimadas > 0 && alcanza(estimadas - 1))
        return estimadas - 1;
    return alcanza(estimadas) || estimadas == INT_MAX ? estimadas : estimadas + 1;
}

class CalculoInversion {
public:
    CalculoInversion(const EntradaInversion& entrada) : timing_(entrada.timing) { Leer(entrada); }

    ResultadoInversion Resolver(CodigoCalculo calculo) {
        static const QString titulos[] = {kTituloCuota, kTituloInteres, kTituloNumero, kTituloCapital};
        const int indice = IndiceEnLaLista(CodigoCalculo::InversionCuota, calculo);
        if (indice < 0 || indice > 3 || !CondicionesAdmitidas(titulos[indice]) ||
            !EntradasAdmitidas(indice, titulos[indice]))
            return r_;
        switch (calculo) {
        case CodigoCalculo::InversionCuota: Cuota(); break;
        case CodigoCalculo::InversionInteres: Interes(); break;
        case CodigoCalculo::InversionNumCuotas: NumeroDeCuotas(); break;
        case CodigoCalculo::InversionCapital: Capital(); break;
        default: break;
        }
        return r_;
    }

private:
    QString ConCero(const QString& texto, CampoInversion campo) {
        if (!texto.isEmpty())
            return texto;
        r_.camposConCero << campo;
        return QStringLiteral("0");
    }

    void Leer(const EntradaInversion& entrada) {
        const QString cuota = ConCero(entrada.cuota, CampoInversion::Cuota);
        const QString interes = ConCero(entrada.interes, CampoInversion::Interes);
        const QString numero = ConCero(entrada.numCuotas, CampoInversion::NumCuotas);
        const QString capital = ConCero(entrada.capital, CampoInversion::Capital);
        const QString inicial = ConCero(entrada.capInicial, CampoInversion::CapInicial);
        e().Cuota = LeerImporte(cuota);
        e().Interes = LeerImporte(interes);
        e().Capital = LeerImporte(capital);
        e().CapInicial = LeerImporte(inicial);
        e().NumCuotas = LeerCantidad(numero);
        e().condiciones = entrada.condiciones;
    }

    EstadoInversion& e() { return r_.estado; }

    bool CondicionesAdmitidas(const QString& titulo) {
        if (const std::optional<QString> motivo = MotivoCondicionesInversion(e().condiciones)) {
            Fallo({titulo, *motivo});
            return false;
        }
        return true;
    }

    // With growing contributions every month is worked out one by one, so
    // their count has a ceiling of its own.
    std::optional<QString> MotivoCuotas(long double tasa) {
        if (Creciente(e()) && e().NumCuotas > kMesesCrecientesMaximo)
            return QStringLiteral("Con aportaciones crecientes el número de cuotas no puede pasar de %1.")
                .arg(TextoEnteroAgrupado(kMesesCrecientesMaximo));
        return MotivoNumeroCuotas(e().NumCuotas, tasa, e().Interes);
    }

    // The typed figures the unknown does not overwrite, each within its
    // range; the first one out of it is refused, with the focus on its field.
    // The growth over the contributions is checked only when the rate is known.
    bool EntradasAdmitidas(int indice, const QString& titulo) {
        static const CampoInversion incognitas[] = {CampoInversion::Cuota, CampoInversion::Interes,
                                                    CampoInversion::NumCuotas, CampoInversion::Capital};
        const CampoInversion incognita = incognitas[indice];
        const long double tasa = incognita == CampoInversion::Interes ? 0 : Tasa();
        return SinRechazo<ResultadoInversion, CampoInversion>(
            {{CampoInversion::Cuota, MotivoImporte({QStringLiteral("La cuota"), true}, e().Cuota)},
             {CampoInversion::Interes, MotivoInteres(e().Interes)},
             {CampoInversion::NumCuotas, MotivoCuotas(tasa)},
             {CampoInversion::Capital, MotivoImporte({QStringLiteral("El capital final")}, e().Capital)},
             {CampoInversion::CapInicial, MotivoImporte({QStringLiteral("El capital inicial")}, e().CapInicial)}},
            incognita, titulo, r_);
    }

    // A failed step leaves no totals behind: a result refused for its size
    // must not leave the others beside it. A result beyond the limit is
    // named for the warning.
    bool Guardado(const std::function<void()>& paso) {
        EstadoInversion& x = e();
        const bool ok = EjecutarDentroDelLimite(
            paso,
            {{{QStringLiteral("El capital final")}, &x.Capital},
             {{QStringLiteral("El interés")}, &x.Interes},
             {{QStringLiteral("La cuota"), true}, &x.Cuota},
             {{QStringLiteral("El capital invertido")}, &x.Invertido},
             {{QStringLiteral("El beneficio")}, &x.Beneficio},
             {{QStringLiteral("El porcentaje de beneficio")}, &x.Porcentaje}},
            motivoLimite_);
        if (!ok)
            x.Invertido = x.Beneficio = x.Porcentaje = 0;
        return ok;
    }

    long double Tasa() { return static_cast<long double>(e().Interes) / 1200; }

    void Escribir(CampoInversion campo, const QString& texto) {
        r_.campoEscrito = campo;
        r_.textoEscrito = texto;
    }

    void Fallo(const AvisoCalculo& aviso) {
        r_.aviso = aviso;
        e().CalculoFallido = true;
    }

    // The three checks of the instalment, in order; the first that fails
    // gives the warning.
    bool CuotaAdmisible() {
        if (e().NumCuotas <= 0) {
            Fallo({kTituloCuota, QStringLiteral("El número de cuotas debe ser mayor que cero.")});
            return false;
        }
        if (e().CapInicial >= e().Capital) {
            Fallo({kTituloCuota, kCapitalFinalMenor});
            return false;
        }
        if (e().CapInicial > 0) {
            double soloInicial = 0;
            // When the growth of the initial capital alone cannot be worked
            // out, the check is skipped and the instalment is still tried.
            const bool ok = EjecutarGuardado(
                [&] {
                    soloInicial = static_cast<double>(
                        -FutureValue(Tasa(), e().NumCuotas, 0, e().CapInicial, timing_));
                },
                {&soloInicial});
            if (ok) {
                e().CapitalSoloInicial = soloInicial;
                if (soloInicial >= e().Capital) {
                    Fallo({kTituloCuota, QStringLiteral("El capital inicial produce por sí solo un capital\r"
                                                        "mayor o igual que el capital final. Debe reducir\r"
                                                        "el capital inicial o el número de cuotas.")});
                    return false;
                }
            }
        }
        return true;
    }

    // The first contribution that reaches the final capital; a growing one
    // is the part of the final capital the initial capital does not reach,
    // over what growing contributions of 1 reach.
    double CuotaNecesaria() {
        if (!Creciente(e()))
            return static_cast<double>(-Payment(Tasa(), e().NumCuotas, -e().CapInicial, e().Capital, timing_));
        const long double soloInicial = -FutureValue(Tasa(), e().NumCuotas, 0, e().CapInicial, timing_);
        return static_cast<double>((e().Capital - soloInicial) /
                                   FactorCreciente(Tasa(), e().condiciones.crecimiento, timing_, e().NumCuotas));
    }

    long double TasaNecesaria() {
        if (!Creciente(e()))
            return InterestRate(e().NumCuotas, e().Cuota, e().CapInicial, -e().Capital, timing_);
        return TasaCreciente(RedondeadoAlCentimo(e().Cuota), e().condiciones.crecimiento, e().CapInicial, timing_,
                             e().NumCuotas, e().Capital, static_cast<long double>(kInteresMaximo) / 1200);
    }

    int CuotasNecesarias() {
        if (Creciente(e()))
            return MesesHastaCapital(Tasa(), RedondeadoAlCentimo(e().Cuota), e().condiciones.crecimiento,
                                     e().CapInicial, timing_, e().Capital);
        const int estimadas =
            NumeroEntero(NumberOfPeriods(Tasa(), e().Cuota, e().CapInicial, -e().Capital, timing_));
        return CuotasQueAlcanzan(e(), timing_, estimadas);
    }

    void Cuota() {
        if (!CuotaAdmisible())
            return;
        const double leida = e().Cuota;
        const bool ok = Guardado([this] {
            e().Cuota = CuotaNecesaria();
            Totales(e(), timing_);
        });
        if (!ok) {
            e().Cuota = leida;
            Fallo(AvisoNoCalculado(kTituloCuota, QStringLiteral("la cuota"), motivoLimite_));
        }
        Escribir(CampoInversion::Cuota, TextoDosDecimales(e().Cuota));
    }

    void Interes() {
        if (e().CapInicial >= e().Capital) {
            Fallo({kTituloInteres, kCapitalFinalMenor});
            return;
        }
        if (SumaSuperaAlFinal(e())) {
            Fallo({kTituloInteres, QStringLiteral("El capital final debe ser mayor o igual que la\r"
                                                  "suma total de las cuotas más el capital inicial.")});
            return;
        }
        const double leido = e().Interes;
        const bool ok = Guardado([this] {
            e().Interes = static_cast<double>(TasaNecesaria() * 1200);
            Totales(e(), timing_, CapitalFinal::Indicado);
        });
        if (!ok) {
            e().Interes = leido;
            Fallo(AvisoNoCalculado(kTituloInteres, QStringLiteral("el interés"), motivoLimite_));
        }
        Escribir(CampoInversion::Interes, TextoTasaCampo(e().Interes));
    }

    void NumeroDeCuotas() {
        if (e().CapInicial >= e().Capital) {
            Fallo({kTituloNumero, kCapitalFinalMenor});
            return;
        }
        const int leido = e().NumCuotas;
        const bool ok = Guardado([this] {
            e().NumCuotas = CuotasNecesarias();
            Totales(e(), timing_);
        });
        if (!ok)
            e().NumCuotas = leido;
        if (!ok && e().Capital > 0) {
            Fallo({kTituloNumero, QStringLiteral("Debe aumentar el importe de la cuota para\r"
                                                 "poder alcanzar el capital final indicado.")});
            r_.foco = CampoInversion::Cuota;
        } else if (!ok) {
            Fallo(AvisoNoCalculado(kTituloNumero, QStringLiteral("el número de cuotas"), motivoLimite_));
        }
        Escribir(CampoInversion::NumCuotas, TextoEntero(e().NumCuotas));
    }

    void Capital() {
        const double leido = e().Capital;
        const bool ok = Guardado([this] {
            Totales(e(), timing_);
        });
        if (!ok) {
            e().Capital = leido;
            Fallo(AvisoNoCalculado(kTituloCapital, QStringLiteral("el capital final"), motivoLimite_));
        }
        Escribir(CampoInversion::Capital, TextoDosDecimales(e().Capital));
    }

    PaymentTiming timing_;
    ResultadoInversion r_;
    std::optional<QString> motivoLimite_;
};

}  // namespace

ResultadoInversion ResolverInversion(CodigoCalculo calculo, const EntradaInversion& entrada) {
    return CalculoInversion(entrada).Resolver(calculo);
}

PanelesInversion TextosPanelesInversion(const EstadoInversion& e) {
    PanelesInversion p;
    p.cuota = TextoImporte(e.Cuota);
    p.interes = TextoTasa(e.Interes);
    p.numCuotas = TextoEntero(e.NumCuotas);
    p.capital = TextoImporte(e.Capital);
    p.capInicial = TextoImporte(e.CapInicial);
    p.invertido = TextoImporte(e.Invertido);
    p.rendimiento = TextoImporte(e.Beneficio);
    p.porcentaje = TextoImporte(e.Porcentaje);
    if (e.condiciones.inflacion) {
        p.capitalReal = TextoImporte(e.CapitalReal);
        p.gananciaReal = TextoImporte(e.GananciaReal);
    }
    if (e.condiciones.retencion != TipoRetencion::Ninguna) {
        p.impuesto = TextoImporte(e.Impuesto);
        p.capitalNeto = TextoImporte(e.CapitalNeto);
    }
    return p;
}

DatosFilasInversion DatosFilasDeInversion(const EstadoInversion& e, PaymentTiming timing, const QDate& primera) {
    DatosFilasInversion d;
    d.Capital = e.Capital;
    d.CapInicial = e.CapInicial;
    d.Interes = e.Interes;
    d.NumCuotas = e.NumCuotas;
    d.Cuota = e.Cuota;
    d.timing = timing;
    d.primeraFecha = primera;
    d.condiciones = e.condiciones;
    return d;
}

}  // namespace finance
