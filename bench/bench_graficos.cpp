// Time and memory to show the chart of the longest loan table (119.988
// monthly rows, January of year 1 to December 9999): from the chart toggle
// of a window that already shows the table, through working out the series
// from the rows and thinning the line to the screen's width, to the first
// painted picture of the chart view. The memory is the growth of the
// resident set over that step; the points the chart holds after thinning
// are counted too. The same table's chart page in the printed report is
// timed as well.
#include <benchmark/benchmark.h>

#include "principal_qt.h"
#include "finance/tvm.h"
#include "reports/pagina_grafico.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "widgets/graficos/grafico.h"
#include "widgets/graficos/panel_graficos.h"

#include <QAction>
#include <QFile>
#include <QPixmap>
#include <unistd.h>

namespace {

double MemoriaResidenteMB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campos = statm.readAll().split(' ');
    return campos.size() > 1 ? campos[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

EntradaDesarrolloPrestamo PrestamoMasLargo() {
    const int cuotas = 9999 * 12;
    const double cuota = static_cast<double>(
        -finance::Payment(0.005L, cuotas, 150000, 0, finance::PaymentTiming::EndOfPeriod));
    return {{150000, 6, cuotas, cuota, finance::PaymentTiming::EndOfPeriod, QDate(1, 1, 31)},
            QStringLiteral("6"),
            QString::number(cuotas)};
}

void BM_GraficoPrestamoMasLargo(benchmark::State& state) {
    const EntradaDesarrolloPrestamo entrada = PrestamoMasLargo();
    double crecimiento = 0;
    qsizetype puntos = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto ventana = std::make_unique<TFormDesarrolloCalculos>();
        DesarrollarPrestamo(entrada, *ventana);
        ventana->resize(1280, 800);
        const double antes = MemoriaResidenteMB();
        state.ResumeTiming();

        ventana->AccGrafico->trigger();
        const QPixmap imagen = ventana->VistaGrafico->grab();
        benchmark::DoNotOptimize(imagen.cacheKey());

        state.PauseTiming();
        crecimiento = std::max(crecimiento, MemoriaResidenteMB() - antes);
        puntos = 0;
        for (const TGrafico* grafico : ventana->VistaGrafico->Graficos())
            puntos += grafico->PuntosDibujados();
        ventana.reset();
        state.ResumeTiming();
    }
    state.counters["memoria_MB"] = crecimiento;
    state.counters["puntos"] = double(puntos);
}
BENCHMARK(BM_GraficoPrestamoMasLargo)->Unit(benchmark::kMillisecond)->Iterations(3);

// The printed report's chart page of the same table: the series from the
// rows, then the page drawn, its line thinned to the page's width in
// typographic points. Counts the records the page holds.
void BM_PaginaGraficoPrestamoMasLargo(benchmark::State& state) {
    const EntradaDesarrolloPrestamo entrada = PrestamoMasLargo();
    auto ventana = std::make_unique<TFormDesarrolloCalculos>();
    DesarrollarPrestamo(entrada, *ventana);
    std::size_t registros = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The series are worked out again at every print of a new table.
        DesarrollarPrestamo(entrada, *ventana);
        InformePreparado informe;
        PaginaPreparada pagina;
        state.ResumeTiming();

        CajaPagina caja;
        caja.x = 15;
        caja.y = 40;
        caja.ancho = 180;
        caja.alto = 235;
        DibujarGraficos(ventana->GraficosTabla(), caja, pagina, informe);
        registros = pagina.primitivas.size();
        benchmark::DoNotOptimize(registros);
    }
    state.counters["registros"] = double(registros);
}
BENCHMARK(BM_PaginaGraficoPrestamoMasLargo)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConQt(argc, argv); }
