// Speed and memory of the schedule reports: a 30-year loan generated whole
// and one of its pages drawn as the preview draws it, the first page of a
// loan of 2^20 rows, the memory that prepared pages take per row, saving and
// loading a 100-page report file, and the whole report of the largest table
// (2^20 rows) generated, saved and loaded.
#include "principal_qt.h"
#include "reports/engine/fichero_informe.h"
#include "reports/engine/generador_informe.h"
#include "reports/engine/pintor_pagina.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/fuente_filas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>
#include <sys/resource.h>

namespace {

// Cell texts of the shape a loan schedule has.
class FilasPrestamo : public FuenteFilas {
public:
    QString Celda(int columna, int fila) const override {
        switch (columna) {
        case 0: return QString::number(fila);
        case 1: return QStringLiteral("15/%1/20%2").arg(fila % 12 + 1, 2, 10, QLatin1Char('0')).arg(24 + fila / 12);
        default: return QStringLiteral("%1,%2").arg(100000 - fila * 7 + columna).arg(fila % 100, 2, 10, QLatin1Char('0'));
        }
    }
};

struct Prestamo {
    FilasPrestamo filas;
    TFormRptPrestamos rpt;
    explicit Prestamo(int cuotas) {
        rpt.FijarFuente(&filas);
        rpt.FilasInforme = cuotas + 1;
        rpt.LblTitulo->texto = QStringLiteral(" Desarrollo del préstamo");
    }
};

std::size_t BytesPaginas(const InformePreparado& informe) { return informe.paginas.BytesOcupados(); }

double SegundosCpu() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) + double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

double PicoMemoriaMB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;
}

void BM_LoanReport360(benchmark::State& state) {
    Prestamo prestamo(360);
    TGeneradorInforme generador;
    for (auto _ : state) {
        InformePreparado paginas;
        generador.Generar(prestamo.rpt.Informe(), paginas);
        benchmark::DoNotOptimize(paginas.paginas.size());
        state.counters["paginas"] = double(paginas.paginas.size());
    }
}
BENCHMARK(BM_LoanReport360)->Unit(benchmark::kMillisecond);

// Time until the preview could show the first page; the generation is then
// cancelled, the rest of the 2^20 rows still to come.
void BM_FirstPageMillion(benchmark::State& state) {
    Prestamo prestamo(1 << 20);
    for (auto _ : state) {
        TGeneradorInforme generador;
        InformePreparado paginas;
        QElapsedTimer reloj;
        double ms = 0;
        QObject::connect(&generador, &TGeneradorInforme::PaginaDisponible, &generador, [&](int pagina) {
            if (pagina == 1) {
                ms = double(reloj.nsecsElapsed()) / 1e6;
                generador.Cancelar();
            }
        });
        reloj.start();
        generador.Generar(prestamo.rpt.Informe(), paginas);
        state.SetIterationTime(ms / 1000.0);
    }
}
BENCHMARK(BM_FirstPageMillion)->UseManualTime()->Unit(benchmark::kMillisecond);

// Drawing one full page of the 30-year loan as the preview does at its
// usual zoom, about 3.8 pixels a millimetre.
void BM_PaintPage(benchmark::State& state) {
    Prestamo prestamo(360);
    TGeneradorInforme generador;
    generador.FijarAtenderEventos(false);
    InformePreparado paginas;
    generador.Generar(prestamo.rpt.Informe(), paginas);
    QImage imagen(800, 1130, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&imagen);
        PintarPagina(painter, paginas, 1, 3.78);
    }
}
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMillisecond);

void BM_PreparedBytesPerRow(benchmark::State& state) {
    const int filas = int(state.range(0));
    Prestamo prestamo(filas);
    TGeneradorInforme generador;
    generador.FijarAtenderEventos(false);
    for (auto _ : state) {
        InformePreparado paginas;
        generador.Generar(prestamo.rpt.Informe(), paginas);
        state.counters["bytes_por_fila"] = double(BytesPaginas(paginas)) / filas;
    }
}
BENCHMARK(BM_PreparedBytesPerRow)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SaveLoad100Pages(benchmark::State& state) {
    Prestamo prestamo(100 * 48);
    InformePreparado paginas;
    TGeneradorInforme generador;
    generador.Generar(prestamo.rpt.Informe(), paginas);
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("cien.zrp"));
    for (auto _ : state) {
        InformePreparado leido;
        if (!GuardarInforme(paginas, ruta) || !CargarInforme(ruta, leido) || leido.paginas.size() != 100)
            state.SkipWithError("el fichero no se pudo guardar o leer");
    }
    state.counters["bytes_fichero"] = double(QFileInfo(ruta).size());
}
BENCHMARK(BM_SaveLoad100Pages)->Unit(benchmark::kMillisecond);

// The largest table printed whole, as the preview generates it (letting
// the event loop run), then saved to a file and loaded back; the CPU time is
// the generation's.
void BM_WholeReportMillion(benchmark::State& state) {
    constexpr int kFilas = 1 << 20;
    Prestamo prestamo(kFilas);
    InformePreparado paginas;
    for (auto _ : state) {
        paginas = InformePreparado();
        TGeneradorInforme generador;
        generador.Generar(prestamo.rpt.Informe(), paginas);
    }
    state.counters["pico_MB"] = PicoMemoriaMB();
    state.counters["paginas"] = double(paginas.paginas.size());
    state.counters["bytes_por_fila"] = double(BytesPaginas(paginas)) / kFilas;

    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("millon.zrp"));
    QElapsedTimer reloj;
    reloj.start();
    double cpu = SegundosCpu();
    const bool guardado = GuardarInforme(paginas, ruta);
    state.counters["guardar_s"] = double(reloj.nsecsElapsed()) / 1e9;
    state.counters["guardar_cpu_s"] = SegundosCpu() - cpu;
    state.counters["fichero_MB"] = double(QFileInfo(ruta).size()) / (1 << 20);
    reloj.restart();
    cpu = SegundosCpu();
    InformePreparado leido;
    const bool cargado = CargarInforme(ruta, leido);
    state.counters["cargar_s"] = double(reloj.nsecsElapsed()) / 1e9;
    state.counters["cargar_cpu_s"] = SegundosCpu() - cpu;
    state.counters["pico_con_carga_MB"] = PicoMemoriaMB();
    if (!guardado || !cargado || leido.paginas.size() != paginas.paginas.size())
        state.SkipWithError("el fichero no se pudo guardar o leer");
}
BENCHMARK(BM_WholeReportMillion)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConQt(argc, argv); }
