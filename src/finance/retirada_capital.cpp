#include "finance/retirada_capital.h"

#include "finance/limites_calculo.h"
#include "util/fechas.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

namespace finance {
namespace {

const QString kTituloRetirada = QStringLiteral("Cálculo de la retirada de una inversión");

std::optional<ComprobacionEntrada<CampoRetirada>> Rechazo(const EstadoRetirada& e) {
    const long double tasa = static_cast<long double>(e.Interes) / 1200;
    std::optional<QString> capital = MotivoImporte({QStringLiteral("El capital inicial")}, e.Capital);
    if (!capital && !(e.Capital > 0))
        capital = QStringLiteral("El capital inicial debe ser mayor que cero.");
    std::optional<QString> cuotas = MotivoNumeroCuotas(e.NumCuotas, tasa, e.Interes);
    if (!cuotas && e.NumCuotas <= 0)
        cuotas = QStringLiteral("El número de cuotas debe ser mayor que cero.");
    return PrimerRechazo<CampoRetirada>({{CampoRetirada::Capital, capital},
                                         {CampoRetirada::Interes, MotivoInteres(e.Interes)},
                                         {CampoRetirada::NumCuotas, cuotas}},
                                        CampoRetirada::Ninguno);
}

}  // namespace

ResultadoRetirada ResolverRetirada(const EntradaRetirada& entrada) {
    const auto leido = [](const QString& texto) { return texto.isEmpty() ? QStringLiteral("0") : texto; };
    ResultadoRetirada r;
    EstadoRetirada& e = r.estado;
    e.Capital = LeerImporte(leido(entrada.capital));
    e.Interes = LeerImporte(leido(entrada.interes));
    e.NumCuotas = LeerCantidad(leido(entrada.numCuotas));
    if (const auto rechazo = Rechazo(e)) {
        r.aviso = AvisoCalculo{kTituloRetirada, *rechazo->motivo};
        r.foco = rechazo->campo;
        e.CalculoFallido = true;
        return r;
    }
    std::optional<QString> motivo;
    const bool ok = EjecutarDentroDelLimite(
        [&] {
            const long double tasa = static_cast<long double>(e.Interes) / 1200;
            e.Retirada = RedondeadoAlCentimo(static_cast<double>(Payment(tasa, e.NumCuotas, -e.Capital, 0, entrada.timing)));
            TFilasRetirada filas(DatosFilasDeRetirada(e, entrada.timing, QDate()));
            trRetirada fila;
            long double total = 0;
            while (filas.Siguiente(fila))
                total += fila.retirada;
            e.UltimaRetirada = fila.retirada;
            e.TotalRetirado = RedondeadoAlCentimo(static_cast<double>(total));
            e.Intereses = RedondeadoAlCentimo(e.TotalRetirado - e.Capital);
        },
        {{{QStringLiteral("La retirada"), true}, &e.Retirada},
         {{QStringLiteral("El total retirado")}, &e.TotalRetirado}},
        motivo);
    if (!ok) {
        r.aviso = AvisoNoCalculado(kTituloRetirada, QStringLiteral("la retirada"), motivo);
        e.CalculoFallido = true;
    }
    return r;
}

// The last withdrawal leaves nothing: the final capital is always 0.
PanelesRetirada TextosPanelesRetirada(const EstadoRetirada& e) {
    PanelesRetirada p;
    p.retirada = TextoImporte(e.Retirada);
    p.interes = TextoTasa(e.Interes);
    p.numCuotas = TextoEntero(e.NumCuotas);
    p.capital = TextoImporte(e.Capital);
    p.totalRetirado = TextoImporte(e.TotalRetirado);
    p.intereses = TextoImporte(e.Intereses);
    p.ultimaRetirada = TextoImporte(e.UltimaRetirada);
    p.capitalFinal = TextoImporte(0);
    return p;
}

DatosFilasRetirada DatosFilasDeRetirada(const EstadoRetirada& e, PaymentTiming timing, const QDate& primera) {
    DatosFilasRetirada d;
    d.Capital = e.Capital;
    d.Interes = e.Interes;
    d.NumCuotas = e.NumCuotas;
    d.Retirada = e.Retirada;
    d.timing = timing;
    d.primeraFecha = primera;
    return d;
}

}  // namespace finance

TFilasRetirada::TFilasRetirada(const DatosFilasRetirada& datos)
    : d_(datos),
      tasa_(datos.Interes, 12),
      retirada_(finance::CentimosDeImporte(datos.Retirada)),
      saldo_(finance::CentimosDeImporte(datos.Capital)) {}

int TFilasRetirada::Cantidad() const { return d_.NumCuotas > 0 ? d_.NumCuotas : 0; }

bool TFilasRetirada::Siguiente(trRetirada& fila) {
    if (actual_ >= Cantidad())
        return false;
    const int i = ++actual_;
    const bool ultima = i == Cantidad();
    const bool alInicio = d_.timing == finance::PaymentTiming::StartOfPeriod;
    finance::CentimosEnteros interes = 0;
    if (!alInicio) {
        interes = tasa_.Interes(saldo_);
        saldo_ += interes;
    }
    const finance::CentimosEnteros retirada = ultima ? saldo_ : retirada_;
    saldo_ -= retirada;
    if (alInicio && !ultima) {
        interes = tasa_.Interes(saldo_);
        saldo_ += interes;
    }
    fila.numero = i;
    fila.fecha = SumarMeses(i - 1, d_.primeraFecha);
    fila.retirada = static_cast<double>(finance::AEuros(retirada));
    fila.interes = static_cast<double>(finance::AEuros(interes));
    fila.capital = static_cast<double>(finance::AEuros(saldo_));
    return true;
}
