#include "finance/calculo_depreciacion.h"

#include "finance/anios_naturales.h"
#include "finance/bloque_guardado.h"
#include "finance/doble_lineal.h"
#include "finance/tvm.h"
#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>

namespace finance {
namespace {

const QString kTitulo = QStringLiteral("Cálculo de la depreciación");

// Up to this many years the accumulated depreciation is the sum of the
// yearly amounts; beyond it a closed form gives the same sum at once, so
// that a life of two thousand million years does not freeze the window.
constexpr int kAniosSumadosUnoAUno = 100000;

// Sum of the years' digits over the first k years of a life of L years:
// the digits L, L-1, ... L-k+1 add up to k(2L-k+1)/2 out of L(L+1)/2.
long double AceleradaAcumulada(long double coste, long double residual, int vida, int anios) {
    if (residual >= coste)
        return 0;
    const long double k = anios;
    const long double l = vida;
    return (coste - residual) * (k * (2 * l - k + 1)) / (l * (l + 1));
}

// Double declining balance over the first k years of a life of more than
// two years: the book value falls to coste(1-2/L)^k, never below the
// residual value (the year that reaches it is capped, later years add 0).
long double DobleAcumulada(long double coste, long double residual, int vida, int anios) {
    if (residual >= coste)
        return 0;
    const long double restante = coste * std::exp(anios * std::log1p(-2.0L / vida));
    return coste - std::max(restante, residual);
}

long double SumaAnual(CodigoCalculo calculo, const EstadoDepreciacion& e, int anios) {
    long double suma = 0;
    for (int anio = 1; anio <= anios; ++anio) {
        suma += calculo == CodigoCalculo::DepreciacionAcelerada
                    ? SumOfYearsDepreciation(e.ValorInicial, e.ValorFinal, e.AniosUtil, anio)
                    : DecliningBalanceDepreciation(e.ValorInicial, e.ValorFinal, e.AniosUtil, anio);
    }
    return suma;
}

// Depreciation accumulated over the first `aniosPedidos` years. Years beyond
// the useful life add nothing, so the sum stops at the useful life.
double Acumulada(CodigoCalculo calculo, const EstadoDepreciacion& e, int aniosPedidos) {
    if (calculo == CodigoCalculo::DepreciacionDobleLineal)
        return static_cast<double>(TDobleLineal(e.ValorInicial, e.ValorFinal, e.AniosUtil).Acumulada(aniosPedidos));
    if (calculo == CodigoCalculo::DepreciacionLineal) {
        if (e.AniosUtil >= aniosPedidos)
            return e.DepVidaUtil / e.AniosUtil * aniosPedidos;
        return e.DepVidaUtil;
    }
    if (calculo != CodigoCalculo::DepreciacionAcelerada && calculo != CodigoCalculo::DepreciacionDoble)
        return 0;
    const int anios = std::min(aniosPedidos, e.AniosUtil);
    if (anios <= kAniosSumadosUnoAUno)
        return static_cast<double>(SumaAnual(calculo, e, anios));
    const auto acumulada = calculo == CodigoCalculo::DepreciacionAcelerada ? AceleradaAcumulada : DobleAcumulada;
    return static_cast<double>(acumulada(e.ValorInicial, e.ValorFinal, e.AniosUtil, anios));
}

// The same over calendar years, when the asset starts during a year.
double AcumuladaNatural(CodigoCalculo calculo, const EstadoDepreciacion& e, int aniosPedidos) {
    if (!PrimerAnioParcial(e.MesInicio))
        return Acumulada(calculo, e, aniosPedidos);
    const auto deVida = [&](int anios) -> long double { return Acumulada(calculo, e, anios); };
    return static_cast<double>(finance::AcumuladaNatural(deVida, e.AniosUtil, e.MesInicio, aniosPedidos));
}

class CalculoDepreciacion {
public:
    CalculoDepreciacion(const EntradaDepreciacion& entrada) { Leer(entrada); }

    ResultadoDepreciacion Resolver(CodigoCalculo calculo) {
        const bool vidaFinita = EjecutarMostrable([this] { e().DepVidaUtil = e().ValorInicial - e().ValorFinal; },
                                                 {&e().DepVidaUtil});
        if (!DatosAdmisibles())
            return r_;
        const bool ok = vidaFinita && EjecutarMostrable(
                                          [&] {
                                              DepreciacionDeLaVida(calculo);
                                              e().DepCalculada = AcumuladaNatural(calculo, e(), e().AniosCalculo);
                                          },
                                          {&e().DepVidaUtil, &e().DepCalculada});
        if (!ok) {
            e().DepCalculada = 0;
            Fallo(QStringLiteral("No se ha podido calcular la depreciación con estos datos."));
        }
        return r_;
    }

private:
    QString ConCero(const QString& texto, CampoDepreciacion campo) {
        if (!texto.isEmpty())
            return texto;
        r_.camposConCero << campo;
        return QStringLiteral("0");
    }

    void Leer(const EntradaDepreciacion& entrada) {
        const QString inicial = ConCero(entrada.valorInicial, CampoDepreciacion::ValorInicial);
        const QString final_ = ConCero(entrada.valorFinal, CampoDepreciacion::ValorFinal);
        const QString util = ConCero(entrada.aniosUtil, CampoDepreciacion::AniosUtil);
        const QString calculo = ConCero(entrada.aniosCalculo, CampoDepreciacion::AniosCalculo);
        e().ValorInicial = LeerImporte(inicial);
        e().ValorFinal = LeerImporte(final_);
        e().AniosUtil = LeerCantidad(util);
        e().AniosCalculo = LeerCantidad(calculo);
        e().MesInicio = entrada.mesInicio;
    }

    EstadoDepreciacion& e() { return r_.estado; }

    // The double declining balance need not reach the final value within
    // the useful life: what it depreciates over the life is the sum of its
    // years, as its table shows. The other methods depreciate the whole
    // difference.
    void DepreciacionDeLaVida(CodigoCalculo calculo) {
        if (calculo == CodigoCalculo::DepreciacionDoble)
            e().DepVidaUtil = Acumulada(calculo, e(), e().AniosUtil);
    }

    void Fallo(const QString& texto) {
        r_.aviso = AvisoCalculo{kTitulo, texto};
        r_.conservarPaneles = true;
        e().CalculoFallido = true;
    }

    // A pasted negative count would give a depreciation beyond the asset's
    // value, so counts below zero are refused with the same words as zero.
    bool DatosAdmisibles() {
        if (e().ValorFinal > e().ValorInicial)
            Fallo(QStringLiteral("El valor final debe ser menor o igual que el valor inicial."));
        else if (e().AniosUtil <= 0)
            Fallo(QStringLiteral("El número de años de vida útil debe ser mayor que cero."));
        else if (e().AniosCalculo <= 0)
            Fallo(QStringLiteral("El número de años a calcular debe ser mayor que cero."));
        return !e().CalculoFallido;
    }

    ResultadoDepreciacion r_;
};

}  // namespace

ResultadoDepreciacion ResolverDepreciacion(CodigoCalculo calculo, const EntradaDepreciacion& entrada) {
    return CalculoDepreciacion(entrada).Resolver(calculo);
}

PanelesDepreciacion TextosPanelesDepreciacion(const EstadoDepreciacion& e) {
    return {TextoImporte(e.DepVidaUtil), TextoImporte(e.ValorInicial - e.DepVidaUtil),
            TextoImporte(e.DepCalculada), TextoImporte(e.ValorInicial - e.DepCalculada)};
}

}  // namespace finance
