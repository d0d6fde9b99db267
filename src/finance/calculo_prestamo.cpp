#include "finance/calculo_prestamo.h"

#include "finance/bloque_guardado.h"
#include "finance/centimos_enteros.h"
#include "finance/incognitas_hipoteca.h"
#include "finance/limites_calculo.h"
#include "finance/limites_tabla.h"
#include "finance/simulacion_prestamo.h"
#include "finance/tae_prestamo.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace finance {
namespace {

const QString kTituloCuota = QStringLiteral("Cálculo de la cuota de un préstamo");
const QString kTituloInteres = QStringLiteral("Cálculo del interés de un préstamo");
const QString kTituloNumero = QStringLiteral("Cálculo de número de cuotas de un préstamo");
const QString kTituloCapital = QStringLiteral("Cálculo del capital de un préstamo");

// What the level instalments of a loan too long for any table pay in all,
// the last paying only what is left. Where the growth over the term is too
// large to work that balance out, the instalment is the interest to a hair
// and every instalment is a full one.
long double PagadoSinFilas(const EstadoPrestamo& e, long double tasa, PaymentTiming timing) {
    const long double cuota = AEuros(ACentimos(e.Cuota));
    long double pendiente = cuota;
    try {
        pendiente = -FutureValue(tasa, e.NumCuotas - 1, -cuota, e.Capital, timing);
        if (timing == PaymentTiming::EndOfPeriod)
            pendiente *= 1 + tasa;
    } catch (const EMathError&) {
    }
    return cuota * (e.NumCuotas - 1) + pendiente;
}

// The totals are the sums of the schedule's rows, in whole cents, so that
// the results say exactly what the table adds up to (the table is built the
// same way from the same state).
void Totales(EstadoPrestamo& e, PaymentTiming timing, const CondicionesPrestamo& condiciones) {
    long double pagado = 0;
    long double intereses = 0;
    if (e.NumCuotas > kMaxFilasDesarrollo && !condiciones.HayCambios() && !condiciones.HayOpcionesHipoteca()) {
        pagado = PagadoSinFilas(e, TasaPeriodo(e.Interes, PeriodosPorAnio(condiciones.periodicidad)).Tasa(), timing);
        intereses = pagado - e.Capital;
    } else {
        TSimulacionPrestamo simulacion(e.Capital, e.Interes, e.NumCuotas, timing, condiciones, e.Cuota);
        SumasPrestamo sumas;
        PasoPrestamo paso;
        while (simulacion.Siguiente(paso))
            sumas.Anadir(paso);
        pagado = sumas.pagado / 100;
        intereses = sumas.intereses / 100;
        // The cents rounded off, or a repayment, may end the loan early.
        e.CuotasPagadas = paso.numero;
    }
    e.TotalPagado = static_cast<double>(pagado);
    e.TotalIntereses = static_cast<double>(intereses);
    e.Porcentaje = e.TotalPagado == 0 ? 0 : e.TotalIntereses / e.TotalPagado * 100;
}

class CalculoPrestamo {
public:
    CalculoPrestamo(const EntradaPrestamo& entrada)
        : timing_(entrada.timing),
          condiciones_(entrada.condiciones),
          periodos_(PeriodosPorAnio(entrada.condiciones.periodicidad)) {
        Leer(entrada);
    }

    ResultadoPrestamo Resolver(CodigoCalculo calculo) {
        static const QString titulos[] = {kTituloCuota, kTituloInteres, kTituloNumero, kTituloCapital};
        const int indice = IndiceEnLaLista(CodigoCalculo::PrestamoCuota, calculo);
        if (indice < 0 || indice > 3)
            return r_;
        const QString& titulo = titulos[indice];
        if (!CondicionesAdmitidas(titulo) || !EntradasAdmitidas(calculo, titulo))
            return r_;
        if (condiciones_.HayOpcionesHipoteca()) {
            Hipoteca(calculo, titulo);
        } else {
            switch (calculo) {
            case CodigoCalculo::PrestamoCuota: Cuota(); break;
            case CodigoCalculo::PrestamoInteres: Interes(); break;
            case CodigoCalculo::PrestamoNumCuotas: NumeroDeCuotas(); break;
            case CodigoCalculo::PrestamoCapital: Capital(); break;
            default: break;
            }
        }
        if (!e().CalculoFallido)
            AplicarCondiciones(titulo);
        if (!e().CalculoFallido)
            CifrasDelContrato();
        return r_;
    }

private:
    QString ConCero(const QString& texto, CampoPrestamo campo) {
        if (!texto.isEmpty())
            return texto;
        r_.camposConCero << campo;
        return QStringLiteral("0");
    }

    void Leer(const EntradaPrestamo& entrada) {
        const QString capital = ConCero(entrada.capital, CampoPrestamo::Capital);
        const QString interes = ConCero(entrada.interes, CampoPrestamo::Interes);
        const QString numero = ConCero(entrada.numCuotas, CampoPrestamo::NumCuotas);
        const QString cuota = ConCero(entrada.cuota, CampoPrestamo::Cuota);
        e().Capital = LeerImporte(capital);
        e().Interes = LeerImporte(interes);
        e().NumCuotas = LeerCantidad(numero);
        e().Cuota = LeerImporte(cuota);
    }

    EstadoPrestamo& e() { return r_.estado; }

    // The typed figures the unknown does not overwrite, each within its
    // range; the first one out of it is refused, with the focus on its field.
    // The growth over the instalments is checked only when the rate is known.
    bool EntradasAdmitidas(CodigoCalculo calculo, const QString& titulo) {
        static const CampoPrestamo incognitas[] = {CampoPrestamo::Cuota, CampoPrestamo::Interes,
                                                   CampoPrestamo::NumCuotas, CampoPrestamo::Capital};
        const CampoPrestamo incognita = incognitas[IndiceEnLaLista(CodigoCalculo::PrestamoCuota, calculo)];
        const long double tasa = incognita == CampoPrestamo::Interes ? 0 : Tasa();
        return SinRechazo<ResultadoPrestamo, CampoPrestamo>(
            {{CampoPrestamo::Capital, MotivoImporte({QStringLiteral("El capital")}, e().Capital)},
             {CampoPrestamo::Interes, MotivoInteres(e().Interes)},
             {CampoPrestamo::NumCuotas, MotivoNumeroCuotas(e().NumCuotas, tasa, e().Interes)},
             {CampoPrestamo::Cuota, MotivoImporte({QStringLiteral("La cuota"), true}, e().Cuota)}},
            incognita, titulo, r_);
    }

    // A failed step leaves no totals behind: a result refused for its size
    // must not leave the others beside it. A result beyond the limit is
    // named for the warning.
    bool Guardado(const std::function<void()>& paso) {
        EstadoPrestamo& x = e();
        const bool ok = EjecutarDentroDelLimite(
            paso,
            {{{QStringLiteral("El capital")}, &x.Capital},
             {{QStringLiteral("El interés")}, &x.Interes},
             {{QStringLiteral("La cuota"), true}, &x.Cuota},
             {{QStringLiteral("El total pagado")}, &x.TotalPagado},
             {{QStringLiteral("El total de intereses")}, &x.TotalIntereses},
             {{QStringLiteral("El porcentaje de intereses")}, &x.Porcentaje}},
            motivoLimite_);
        if (!ok)
            x.TotalPagado = x.TotalIntereses = x.Porcentaje = 0;
        return ok;
    }

    long double Tasa() { return static_cast<long double>(e().Interes) / (100 * periodos_); }

    void Escribir(CampoPrestamo campo, const QString& texto) {
        r_.campoEscrito = campo;
        r_.textoEscrito = texto;
    }

    void Fallo(const AvisoCalculo& aviso) {
        r_.aviso = aviso;
        e().CalculoFallido = true;
    }

    // The unknown of a loan that no single formula gives, found from its
    // schedule; a refusal keeps the figure typed.
    void Hipoteca(CodigoCalculo calculo, const QString& titulo) {
        if (calculo != CodigoCalculo::PrestamoNumCuotas && e().NumCuotas <= 0) {
            Fallo({titulo, QStringLiteral("El número de cuotas debe ser mayor que cero.")});
            return;
        }
        // Such a loan is worked out instalment by instalment: no longer than
        // the longest table the program builds, so that it never hangs.
        if (calculo != CodigoCalculo::PrestamoNumCuotas && e().NumCuotas > kMaxFilasDesarrollo) {
            Fallo({titulo, QStringLiteral("Con estas condiciones el número de cuotas no puede pasar de %1.")
                               .arg(TextoEnteroAgrupado(kMaxFilasDesarrollo))});
            r_.foco = CampoPrestamo::NumCuotas;
            return;
        }
        const EstadoPrestamo leido = e();
        const CondicionesPrestamo contrato = SinCambios();
        std::optional<QString> rechazo;
        const bool ok = Guardado([&] {
            try {
                switch (calculo) {
                case CodigoCalculo::PrestamoCuota:
                    e().Cuota = static_cast<double>(
                        PrimeraCuotaDelSistema(e().Capital, e().Interes, e().NumCuotas, timing_, contrato));
                    break;
                case CodigoCalculo::PrestamoInteres:
                    e().Interes = InteresDeLaCuota(e().Capital, e().Cuota, e().NumCuotas, timing_, contrato);
                    break;
                case CodigoCalculo::PrestamoNumCuotas:
                    e().NumCuotas = CuotasDeLaCuota(e().Capital, e().Interes, e().Cuota, timing_, contrato);
                    break;
                default:
                    e().Capital = CapitalDeLaCuota(e().Cuota, e().Interes, e().NumCuotas, timing_, contrato);
                    break;
                }
                Totales(e(), timing_, contrato);
            } catch (const ECondicionesPrestamo& ex) {
                rechazo = ex.Mensaje();
                throw;
            }
        });
        const struct {
            CampoPrestamo campo;
            QString nombre;
            QString texto;
        } escrito[] = {{CampoPrestamo::Cuota, QStringLiteral("la cuota"), TextoDosDecimales(e().Cuota)},
                       {CampoPrestamo::Interes, QStringLiteral("el interés"), TextoTasaCampo(e().Interes)},
                       {CampoPrestamo::NumCuotas, QStringLiteral("el número de cuotas"), TextoEntero(e().NumCuotas)},
                       {CampoPrestamo::Capital, QStringLiteral("el capital"), TextoDosDecimales(e().Capital)}};
        const auto& campo = escrito[IndiceEnLaLista(CodigoCalculo::PrestamoCuota, calculo)];
        if (ok) {
            Escribir(campo.campo, campo.texto);
            return;
        }
        r_.estado = leido;
        Fallo(rechazo ? AvisoCalculo{titulo, *rechazo} : AvisoNoCalculado(titulo, campo.nombre, motivoLimite_));
    }

    void Cuota() {
        if (e().NumCuotas <= 0) {
            Fallo({kTituloCuota, QStringLiteral("El número de cuotas debe ser mayor que cero.")});
            return;
        }
        const double leida = e().Cuota;
        const bool ok = Guardado([this] {
            e().Cuota = static_cast<double>(-Payment(Tasa(), e().NumCuotas, e().Capital, 0, timing_));
            Totales(e(), timing_, SinCambios());
        });
        if (!ok) {
            e().Cuota = leida;
            Fallo(AvisoNoCalculado(kTituloCuota, QStringLiteral("la cuota"), motivoLimite_));
        }
        Escribir(CampoPrestamo::Cuota, TextoDosDecimales(e().Cuota));
    }

    void Interes() {
        if (!(e().NumCuotas * e().Cuota > e().Capital)) {
            Fallo({kTituloInteres, QStringLiteral("El producto de la cuota por el número de cuotas\r"
                                                  "debe ser mayor que el capital solicitado.")});
            return;
        }
        const double leido = e().Interes;
        const bool ok = Guardado([this] {
            e().Interes = static_cast<double>(
                InterestRate(e().NumCuotas, e().Cuota, -e().Capital, 0, timing_) * 100 * periodos_);
            Totales(e(), timing_, SinCambios());
        });
        if (!ok) {
            e().Interes = leido;
            Fallo(AvisoNoCalculado(kTituloInteres, QStringLiteral("el interés"), motivoLimite_));
        }
        Escribir(CampoPrestamo::Interes, TextoTasaCampo(e().Interes));
    }

    void NumeroDeCuotas() {
        const int leido = e().NumCuotas;
        int calculado = 0;
        bool ok = true;
        try {
            calculado = CeilToWholePeriods(NumberOfPeriods(Tasa(), e().Cuota, -e().Capital, 0, timing_));
            // An instalment typed to the cent is a hair off the exact one:
            // when the level instalment of one fewer rounds to it, that is
            // the number (solving the instalment back gives the one typed).
            if (calculado > 1 &&
                ACentimos(-Payment(Tasa(), calculado - 1, e().Capital, 0, timing_)) == ACentimos(e().Cuota))
                --calculado;
        } catch (const std::exception&) {
            ok = false;  // the instalment never repays the capital: warned below
        }
        if (ok) {
            e().NumCuotas = calculado;
        } else if (e().Capital > 0) {
            Fallo({kTituloNumero, QStringLiteral("Debe aumentar el importe de la cuota para\r"
                                                 "poder amortizar el préstamo solicitado.")});
            r_.foco = CampoPrestamo::Cuota;
        } else {
            e().NumCuotas = leido;
        }
        if (!e().CalculoFallido && !Guardado([this] { Totales(e(), timing_, SinCambios()); })) {
            e().NumCuotas = leido;
            Fallo(AvisoNoCalculado(kTituloNumero, QStringLiteral("el número de cuotas"), motivoLimite_));
        }
        Escribir(CampoPrestamo::NumCuotas, TextoEntero(e().NumCuotas));
    }

    void Capital() {
        const double leido = e().Capital;
        const bool ok = Guardado([this] {
            e().Capital = static_cast<double>(-PresentValue(Tasa(), e().NumCuotas, e().Cuota, 0, timing_));
            Totales(e(), timing_, SinCambios());
        });
        if (!ok) {
            e().Capital = leido;
            Fallo(AvisoNoCalculado(kTituloCapital, QStringLiteral("el capital"), motivoLimite_));
        }
        Escribir(CampoPrestamo::Capital, TextoDosDecimales(e().Capital));
    }

    bool CondicionesAdmitidas(const QString& titulo) {
        try {
            ValidarCondiciones(condiciones_);
            return true;
        } catch (const ECondicionesPrestamo& ex) {
            Fallo({titulo, ex.Mensaje()});
            return false;
        }
    }

    // With the unknown solved: the TAE, and the totals of a schedule that
    // changes along the way. Conditions the loan cannot meet are refused.
    void AplicarCondiciones(const QString& titulo) {
        std::optional<AvisoCalculo> aviso;
        try {
            if (condiciones_.HayCambios() && !Guardado([&] { TotalesConCambios(aviso, titulo); }))
                aviso = aviso ? aviso
                              : AvisoNoCalculado(titulo, QStringLiteral("el préstamo con sus condiciones"),
                                                 motivoLimite_);
            else
                Tae();
        } catch (const ECondicionesPrestamo& ex) {
            aviso = AvisoCalculo{titulo, ex.Mensaje()};
        }
        if (aviso) {
            e().TotalPagado = e().TotalIntereses = e().Porcentaje = 0;
            Fallo(*aviso);
        }
    }

    // A refusal of the conditions keeps its own words in `aviso`.
    void TotalesConCambios(std::optional<AvisoCalculo>& aviso, const QString& titulo) {
        try {
            Totales(e(), timing_, condiciones_);
        } catch (const ECondicionesPrestamo& ex) {
            aviso = AvisoCalculo{titulo, ex.Mensaje()};
            throw;
        }
    }

    // The conditions without the changes along the way: the contract's plain
    // schedule, at its frequency.
    CondicionesPrestamo SinCambios() const {
        CondicionesPrestamo plano = condiciones_;
        plano.amortizaciones.clear();
        plano.revisiones.clear();
        return plano;
    }

    // A TAE that cannot be worked out is left out rather than shown wrong;
    // only fees and costs that take the whole capital are refused.
    void Tae() {
        double tae = 0;
        try {
            tae = TaePrestamo(e().Capital, e().Interes, e().NumCuotas, timing_, condiciones_);
        } catch (const ECondicionesPrestamo&) {
            throw;
        } catch (const std::exception&) {
            return;
        }
        if (e().Capital > 0 && e().NumCuotas > 0 && ImporteMostrable(tae))
            e().TAE = tae;
    }

    // What the schedule really comes to once its conditions apply: how many
    // instalments, what the loan costs beyond its capital and, with typed
    // revisions, the TAE they give. The conditions have already been run
    // through, so they hold no surprise here.
    void CifrasDelContrato() {
        long double comisiones = 0;
        long double costes = 0;
        if (e().CuotasPagadas == 0)
            e().CuotasPagadas = e().NumCuotas;
        const bool hipoteca = condiciones_.HayOpcionesHipoteca();
        if ((condiciones_.HayCambios() || hipoteca) && e().NumCuotas > 0) {
            TSimulacionPrestamo simulacion(e().Capital, e().Interes, e().NumCuotas, timing_, condiciones_, e().Cuota);
            PasoPrestamo paso;
            long double maxima = 0;
            while (simulacion.Siguiente(paso)) {
                comisiones += paso.comision;
                costes += paso.costes;
                maxima = std::max(maxima, paso.cuota);
            }
            if (hipoteca)
                e().CuotaMaxima = static_cast<double>(maxima);
            e().Avisos = simulacion.Avisos();
        }
        const long double apertura = static_cast<long double>(e().Capital) * condiciones_.comisionApertura / 100;
        e().CosteTotal =
            static_cast<double>(e().TotalIntereses + apertura + condiciones_.gastosIniciales + comisiones + costes);
        // Its flows are kept period by period: a schedule longer than any
        // table the program builds goes without it.
        const bool escenario = !condiciones_.revisiones.empty() || !condiciones_.indicesDesde.empty();
        if (escenario && e().TAE && e().CuotasPagadas <= kMaxFilasDesarrollo)
            TaeConLasRevisiones();
    }

    void TaeConLasRevisiones() {
        try {
            const double tae = TaeConRevisiones(e().Capital, e().Interes, e().NumCuotas, timing_, condiciones_);
            if (ImporteMostrable(tae))
                e().TAEConRevisiones = tae;
        } catch (const std::exception&) {
            // Left out rather than shown wrong, as the TAE itself.
        }
    }

    PaymentTiming timing_;
    CondicionesPrestamo condiciones_;
    int periodos_;
    ResultadoPrestamo r_;
    std::optional<QString> motivoLimite_;
};

}  // namespace

ResultadoPrestamo ResolverPrestamo(CodigoCalculo calculo, const EntradaPrestamo& entrada) {
    return CalculoPrestamo(entrada).Resolver(calculo);
}

PanelesPrestamo TextosPanelesPrestamo(const EstadoPrestamo& e) {
    // A term shortened by early repayments shows the instalments paid and
    // those of the contract.
    const QString cuotas = e.CuotasPagadas > 0 && e.CuotasPagadas != e.NumCuotas
                               ? QStringLiteral("%1 de %2").arg(TextoEntero(e.CuotasPagadas), TextoEntero(e.NumCuotas))
                               : TextoEntero(e.NumCuotas);
    return {TextoImporte(e.Capital),
            TextoTasa(e.Interes),
            cuotas,
            TextoImporte(e.Cuota),
            TextoImporte(e.TotalPagado),
            TextoImporte(e.TotalIntereses),
            TextoImporte(e.Porcentaje),
            e.TAE ? TextoTasa(*e.TAE) : QString(),
            e.CalculoFallido ? QString() : TextoImporte(e.CosteTotal),
            e.TAEConRevisiones ? TextoTasa(*e.TAEConRevisiones) : QString(),
            e.CalculoFallido || e.CuotaMaxima == 0 ? QString() : TextoImporte(e.CuotaMaxima)};
}

}  // namespace finance
