// Time to build a loan's development table: a fresh schedule window with its
// grid and every row, ready to show, and then until the window's first paint.
// The peak resident memory of the process is reported with each figure.
#include <benchmark/benchmark.h>

#include "app/arranque.h"
#include "hipoteca_de_prueba.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "widgets/grid/attribute_grid.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <sys/resource.h>

namespace {

double PicoMemoriaMB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// 150.000 at 6 % a year, paid monthly at the end of each period, from the
// first date given.
EntradaDesarrolloPrestamo Prestamo(int cuotas, QDate primera = QDate(2024, 1, 31)) {
    const long double tasa = 0.005L;
    const double cuota = static_cast<double>(
        -finance::Payment(tasa, cuotas, 150000, 0, finance::PaymentTiming::EndOfPeriod));
    return {{150000, 6, cuotas, cuota, finance::PaymentTiming::EndOfPeriod, primera},
            QStringLiteral("6"),
            QString::number(cuotas)};
}

void Desarrollar(benchmark::State& state, const EntradaDesarrolloPrestamo& entrada) {
    int filas = 0;
    for (auto _ : state) {
        TFormDesarrolloCalculos ventana;
        DesarrollarPrestamo(entrada, ventana);
        filas = ventana.GridDesarrollo->RowCount() - 1;
    }
    state.counters["filas"] = filas;
    state.counters["pico_MB"] = PicoMemoriaMB();
}

void BM_LoanSchedule360(benchmark::State& state) { Desarrollar(state, Prestamo(360)); }
BENCHMARK(BM_LoanSchedule360)->Unit(benchmark::kMillisecond);

// The longest monthly table whose dates can be shown: January of year 1 to
// December 9999.
void BM_LoanScheduleLongest(benchmark::State& state) { Desarrollar(state, Prestamo(9999 * 12, QDate(1, 1, 31))); }
BENCHMARK(BM_LoanScheduleLongest)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same loans with a rate revision at the start of every year and a small
// early repayment that lowers the instalment at its end (small enough that
// the longest loan still runs its whole term): the rows are then simulated
// one by one and get the repayment and fee columns.
EntradaDesarrolloPrestamo ConCondiciones(EntradaDesarrolloPrestamo entrada) {
    finance::CondicionesPrestamo& c = entrada.datos.condiciones;
    for (int anio = 1; anio * 12 < entrada.datos.NumCuotas; ++anio) {
        c.revisiones.push_back({anio * 12 + 1, anio % 2 ? 5.5 : 6.5});
        c.amortizaciones.push_back({anio * 12, 10, finance::ReduccionAmortizacion::Cuota, 0.5});
    }
    return entrada;
}

void BM_LoanScheduleConditions360(benchmark::State& state) { Desarrollar(state, ConCondiciones(Prestamo(360))); }
BENCHMARK(BM_LoanScheduleConditions360)->Unit(benchmark::kMillisecond);

void BM_LoanScheduleConditionsLongest(benchmark::State& state) {
    Desarrollar(state, ConCondiciones(Prestamo(9999 * 12, QDate(1, 1, 31))));
}
BENCHMARK(BM_LoanScheduleConditionsLongest)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same loans as a mixed-rate mortgage with a year of grace and yearly
// revisions that change the instalment each time.
EntradaDesarrolloPrestamo ComoHipoteca(EntradaDesarrolloPrestamo entrada) {
    HacerHipotecaMixta(entrada.datos);
    entrada.datos.Cuota = 0;  // the instalment the mortgage sets, worked out when its grace ends
    return entrada;
}

void BM_MortgageSchedule300(benchmark::State& state) { Desarrollar(state, ComoHipoteca(Prestamo(300))); }
BENCHMARK(BM_MortgageSchedule300)->Unit(benchmark::kMillisecond);

void BM_MortgageScheduleLongest(benchmark::State& state) {
    Desarrollar(state, ComoHipoteca(Prestamo(9999 * 12, QDate(1, 1, 31))));
}
BENCHMARK(BM_MortgageScheduleLongest)->Unit(benchmark::kMillisecond)->Iterations(3);

// A fresh window with the table written straight into its grid, bypassing
// the window's own limits, and painted once as it would first appear.
void PrimeraImagen(benchmark::State& state, int cuotas) {
    const EntradaDesarrolloPrestamo entrada = Prestamo(cuotas);
    for (auto _ : state) {
        TFormDesarrolloCalculos ventana;
        EscribirTablaPrestamo(entrada.datos, *ventana.GridDesarrollo);
        const QPixmap imagen = ventana.grab();
        benchmark::DoNotOptimize(imagen.cacheKey());
    }
    state.counters["pico_MB"] = PicoMemoriaMB();
}

void BM_ScheduleWindow360(benchmark::State& state) { PrimeraImagen(state, 360); }
BENCHMARK(BM_ScheduleWindow360)->Unit(benchmark::kMillisecond);

// The most rows a table may have, 2^20; its dates run past the last one the
// program shows, which the window itself would refuse.
void BM_ScheduleWindowMillion(benchmark::State& state) { PrimeraImagen(state, 1 << 20); }
BENCHMARK(BM_ScheduleWindowMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    PrepararAplicacion(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
