#include "finance/resumen_anual.h"

#include "finance/centimos_enteros.h"

#include <cmath>

namespace {

// An amount in cents, rounded as the table's text rounds it.
long double CentimosDe(double valor) { return std::isfinite(valor) ? finance::CentimosComoSeMuestra(valor) : 0; }

double Euros(long double centimos) { return static_cast<double>(centimos) / 100.0; }

// Adds a row's cents to the sums of its year and of the whole table; the
// year's sums start again when the row opens a new year. Returns the year.
template <typename Anio, std::size_t N>
Anio& Acumular(ResumenAnual<Anio>& r, int anio, std::array<long double, N>& delAnio,
               std::array<long double, N>& total, const std::array<long double, N>& fila) {
    if (r.anios.empty() || r.anios.back().anio != anio) {
        r.anios.push_back({});
        r.anios.back().anio = anio;
        delAnio = {};
    }
    for (std::size_t i = 0; i < N; ++i) {
        delAnio[i] += fila[i];
        total[i] += fila[i];
    }
    ++r.anios.back().cuotas;
    ++r.total.cuotas;
    return r.anios.back();
}

}  // namespace

void TResumenPrestamo::Anadir(const trPrestamo& f) {
    // An early repayment is paid and repays principal as its row shows it.
    const long double anticipada = CentimosDe(f.amortAnticipada);
    AnioPrestamo& anio =
        Acumular(r_, f.fecha.year(), anio_, total_,
                 {CentimosDe(f.cuota) + anticipada, CentimosDe(f.capital) + anticipada, CentimosDe(f.interes),
                  CentimosDe(f.costes)});
    const double pendiente = Euros(CentimosDe(f.pendiente));
    for (auto [a, s] : {std::pair{&anio, &anio_}, std::pair{&r_.total, &total_}}) {
        a->pagado = Euros((*s)[0]);
        a->capital = Euros((*s)[1]);
        a->interes = Euros((*s)[2]);
        a->costes = Euros((*s)[3]);
        a->pendiente = pendiente;
    }
}

void TResumenInversion::Anadir(const trInversion& f) {
    // The interest of a row is what it adds to the profit column, so that
    // the year's interest adds up to the profit the table shows.
    const long double beneficio = CentimosDe(f.beneficio);
    AnioInversion& anio =
        Acumular(r_, f.fecha.year(), anio_, total_, {CentimosDe(f.cuota), beneficio - beneficioAnterior_});
    beneficioAnterior_ = beneficio;
    const double capital = Euros(CentimosDe(f.acumulado));
    for (auto [a, s] : {std::pair{&anio, &anio_}, std::pair{&r_.total, &total_}}) {
        a->aportado = Euros((*s)[0]);
        a->intereses = Euros((*s)[1]);
        a->capital = capital;
        a->valorReal = f.valorReal;
    }
}

namespace {

template <typename Resumen, typename Fila, typename Filas>
auto ResumirFilas(Filas filas) {
    Resumen resumen;
    Fila fila;
    while (filas.Siguiente(fila))
        resumen.Anadir(fila);
    return resumen.Resultado();
}

}  // namespace

ResumenPrestamo ResumenAnualPrestamo(const DatosFilasPrestamo& datos) {
    return ResumirFilas<TResumenPrestamo, trPrestamo>(TFilasPrestamo(datos));
}

ResumenInversion ResumenAnualInversion(const DatosFilasInversion& datos) {
    return ResumirFilas<TResumenInversion, trInversion>(TFilasInversion(datos));
}
