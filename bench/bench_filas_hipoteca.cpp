// Time to work out every row of a mortgage's schedule (no window): a
// 25-year mixed-rate loan with a year of grace and yearly revisions whose
// index changes every year, against a plain loan of the same length, and the
// longest table the program builds of each.
#include <benchmark/benchmark.h>

#include "finance/filas_prestamo.h"
#include "hipoteca_de_prueba.h"

namespace {

// 150.000 at 6 % a year, paid monthly at the end of each period.
DatosFilasPrestamo Plano(int cuotas) {
    DatosFilasPrestamo d;
    d.Capital = 150000;
    d.Interes = 6;
    d.NumCuotas = cuotas;
    d.primeraFecha = QDate(1, 1, 31);
    return d;
}

DatosFilasPrestamo Mixto(int cuotas) {
    DatosFilasPrestamo d = Plano(cuotas);
    HacerHipotecaMixta(d);
    return d;
}

void Filas(benchmark::State& state, const DatosFilasPrestamo& datos) {
    std::size_t filas = 0;
    for (auto _ : state) {
        const auto tabla = FilasPrestamo(datos);
        filas = tabla.size();
        benchmark::DoNotOptimize(tabla.data());
    }
    state.counters["filas"] = double(filas);
}

void BM_MixedGraceRows300(benchmark::State& state) { Filas(state, Mixto(300)); }
BENCHMARK(BM_MixedGraceRows300)->Unit(benchmark::kMillisecond);

void BM_PlainRows300(benchmark::State& state) { Filas(state, Plano(300)); }
BENCHMARK(BM_PlainRows300)->Unit(benchmark::kMillisecond);

// The longest monthly table whose dates can be shown: January of year 1 to
// December 9999.
void BM_MixedGraceRowsLongest(benchmark::State& state) { Filas(state, Mixto(9999 * 12)); }
BENCHMARK(BM_MixedGraceRowsLongest)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PlainRowsLongest(benchmark::State& state) { Filas(state, Plano(9999 * 12)); }
BENCHMARK(BM_PlainRowsLongest)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
