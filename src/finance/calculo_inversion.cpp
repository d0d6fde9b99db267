#include "finance/calculo_inversion.h"

#include "finance/bloque_guardado.h"
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

AvisoCalculo NoCalculado(const QString& titulo, const QString& que) {
    return {titulo, QStringLiteral("No se ha podido calcular %1 con estos datos.").arg(que)};
}

void Totales(EstadoInversion& e) {
    e.Invertido = e.NumCuotas * e.Cuota + e.CapInicial;
    e.Beneficio = e.Capital - e.Invertido;
    e.Porcentaje = e.Beneficio == 0 ? 0 : e.Beneficio / e.Capital * 100;
}

// A failed step leaves no totals behind: a result refused for its size must
// not leave the others beside it.
bool Guardado(EstadoInversion& e, const std::function<void()>& paso) {
    const bool ok =
        EjecutarMostrable(paso, {&e.Capital, &e.Interes, &e.Cuota, &e.Invertido, &e.Beneficio, &e.Porcentaje});
    if (!ok)
        e.Invertido = e.Beneficio = e.Porcentaje = 0;
    return ok;
}

// The instalments and the initial capital add up to more than the final
// capital, beyond the rounding of binary fractions: 12 × 0,10 is
// 1,2000000000000002 in doubles and still equals a final capital of 1,20,
// which earns 0 %.
bool SumaSuperaAlFinal(const EstadoInversion& e) {
    const long double suma = static_cast<long double>(e.NumCuotas) * e.Cuota + e.CapInicial;
    return suma - e.Capital > 1e-15L * std::fmax(std::fabs(e.Capital), std::fabs(static_cast<double>(suma)));
}

// The next whole number of contributions. A count beyond 32 bits, or a
// negative one (only pasted negative amounts give it), is refused like any
// other failure of the time-value functions.
int NumeroEntero(long double periodos) {
    if (!(periodos > -1 && periodos <= INT_MAX))
        throw EOverflow("CeilToInt");
    return CeilToInt(periodos);
}

class CalculoInversion {
public:
    CalculoInversion(const EntradaInversion& entrada) : timing_(entrada.timing) { Leer(entrada); }

    ResultadoInversion Resolver(CodigoCalculo calculo) {
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
    }

    EstadoInversion& e() { return r_.estado; }
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

    void Cuota() {
        if (!CuotaAdmisible())
            return;
        const double leida = e().Cuota;
        const bool ok = Guardado(e(), [this] {
            e().Cuota = static_cast<double>(
                -Payment(Tasa(), e().NumCuotas, -e().CapInicial, e().Capital, timing_));
            Totales(e());
        });
        if (!ok) {
            e().Cuota = leida;
            Fallo(NoCalculado(kTituloCuota, QStringLiteral("la cuota")));
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
        const bool ok = Guardado(e(), [this] {
            e().Interes = static_cast<double>(
                InterestRate(e().NumCuotas, e().Cuota, e().CapInicial, -e().Capital, timing_) * 1200);
            Totales(e());
        });
        if (!ok) {
            e().Interes = leido;
            Fallo(NoCalculado(kTituloInteres, QStringLiteral("el interés")));
        }
        Escribir(CampoInversion::Interes, TextoTasaCampo(e().Interes));
    }

    void NumeroDeCuotas() {
        if (e().CapInicial >= e().Capital) {
            Fallo({kTituloNumero, kCapitalFinalMenor});
            return;
        }
        const int leido = e().NumCuotas;
        const bool ok = Guardado(e(), [this] {
            e().NumCuotas = NumeroEntero(NumberOfPeriods(Tasa(), e().Cuota, e().CapInicial, -e().Capital, timing_));
            Totales(e());
        });
        if (!ok)
            e().NumCuotas = leido;
        if (!ok && e().Capital > 0) {
            Fallo({kTituloNumero, QStringLiteral("Debe aumentar el importe de la cuota para\r"
                                                 "poder alcanzar el capital final indicado.")});
            r_.foco = CampoInversion::Cuota;
        } else if (!ok) {
            Fallo(NoCalculado(kTituloNumero, QStringLiteral("el número de cuotas")));
        }
        Escribir(CampoInversion::NumCuotas, TextoEntero(e().NumCuotas));
    }

    void Capital() {
        const double leido = e().Capital;
        const bool ok = Guardado(e(), [this] {
            e().Capital = static_cast<double>(
                -FutureValue(Tasa(), e().NumCuotas, e().Cuota, e().CapInicial, timing_));
            Totales(e());
        });
        if (!ok) {
            e().Capital = leido;
            Fallo(NoCalculado(kTituloCapital, QStringLiteral("el capital final")));
        }
        Escribir(CampoInversion::Capital, TextoDosDecimales(e().Capital));
    }

    PaymentTiming timing_;
    ResultadoInversion r_;
};

}  // namespace

ResultadoInversion ResolverInversion(CodigoCalculo calculo, const EntradaInversion& entrada) {
    return CalculoInversion(entrada).Resolver(calculo);
}

PanelesInversion TextosPanelesInversion(const EstadoInversion& e) {
    return {TextoImporte(e.Cuota),      TextoTasa(e.Interes),      TextoEntero(e.NumCuotas),
            TextoImporte(e.Capital),    TextoImporte(e.CapInicial), TextoImporte(e.Invertido),
            TextoImporte(e.Beneficio),  TextoImporte(e.Porcentaje)};
}

}  // namespace finance
