// Speed of the grid: filling a million rows of amounts, painting a full
// screen, and scrolling near to far. Prints the process's peak memory.
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int Filas = 1048577;
constexpr int Columnas = 9;

double PicoMemoriaMB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;
}

// A thousand different amounts, so that the fill measures the grid and not
// the number formatting.
const std::vector<QString>& Importes() {
    static const std::vector<QString> importes = [] {
        std::vector<QString> v;
        for (int i = 0; i < 1000; ++i)
            v.push_back(TextoImporte(1234567.89 - i * 1013.37));
        return v;
    }();
    return importes;
}

void Llenar(TStringGrid& g) {
    g.SetRowCount(Filas);
    g.SetColCount(Columnas);
    for (int c = 0; c < Columnas; ++c)
        g.SetCells(c, 0, QStringLiteral("Título %1").arg(c));
    const auto& importes = Importes();
    for (int r = 1; r < Filas; ++r)
        for (int c = 0; c < Columnas; ++c)
            g.SetCells(c, r, importes[size_t((r + c) % 1000)]);
}

void BM_FillMillionRows(benchmark::State& state) {
    Importes();
    for (auto _ : state) {
        TStringGrid g;
        Llenar(g);
        benchmark::DoNotOptimize(g.Cells(8, Filas - 1));
    }
    state.counters["pico_MB"] = PicoMemoriaMB();
}
BENCHMARK(BM_FillMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// A grid as the schedule window shows it, filled and on a 1280 x 1024 viewport.
TAttributeGrid& RejillaPintada() {
    static TAttributeGrid* g = [] {
        auto* r = new TAttributeGrid;
        r->setAttribute(Qt::WA_DontShowOnScreen);
        r->LoadLayoutFile(QStringLiteral(":/layouts/GridDesarrollo.zly"));
        Llenar(*r);
        for (int c = 0; c < Columnas; ++c) {
            r->ColorCol(c, 0xE0F0FF - 0x101000 * (c % 3));
            r->FontCol(c).SetColor(c % 2 ? 0x800000 : 0x000080);
            r->SetColWidths(c, 140);
        }
        r->show();
        r->resize(1280 + r->width() - r->viewport()->width(), 1024 + r->height() - r->viewport()->height());
        r->FocusCell(0, 10, true);
        return r;
    }();
    return *g;
}

void Pintar(TAttributeGrid& g, QImage& imagen) {
    QPainter p(&imagen);
    g.PaintGrid(p, imagen.rect());
}

void BM_PaintScreen(benchmark::State& state) {
    TAttributeGrid& g = RejillaPintada();
    QImage imagen(g.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        Pintar(g, imagen);
    state.counters["ancho"] = imagen.width();
    state.counters["alto"] = imagen.height();
}
BENCHMARK(BM_PaintScreen)->Unit(benchmark::kMillisecond);

// Moving to a row and painting it: the second row and the last should cost the same.
void BM_ScrollTo(benchmark::State& state) {
    TAttributeGrid& g = RejillaPintada();
    QImage imagen(g.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const int destino = int(state.range(0));
    for (auto _ : state) {
        g.FocusCell(0, 1, true);
        g.FocusCell(0, destino, true);
        Pintar(g, imagen);
    }
}
BENCHMARK(BM_ScrollTo)->Arg(2)->Arg(Filas - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("pico de memoria del proceso: %.0f MB\n", PicoMemoriaMB());
    return 0;
}
