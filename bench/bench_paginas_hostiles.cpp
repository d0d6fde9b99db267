// Drawing the pages of report files crafted to be costly: half-transparent
// rectangles ten metres wide, ten-metre lines with thick pens, and stacked
// accents in huge letters. Each is drawn as the preview draws it, into an
// image the size of the preview's page area, at the whole-page zoom and at
// the largest zoom. "pagina" is the whole page; "paso_mas_largo_ms" the
// longest single step of drawing by parts, which is the longest the window
// can go without answering.
#include "principal_qt.h"
#include "informes_hostiles.h"
#include "reports/engine/pintor_pagina.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <clocale>

namespace {

constexpr double kPixelesPorMmPagina = 2.3;   // the whole A4 page in 700 pixels
constexpr double kPixelesPorMmMaximo = 75.6;  // 2000 %

QImage Lienzo() {
    QImage imagen(1000, 700, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    return imagen;
}

void Dibujar(benchmark::State& state, const InformePreparado& informe) {
    const double pixelesPorMm = state.range(0) ? kPixelesPorMmMaximo : kPixelesPorMmPagina;
    QImage imagen = Lienzo();
    for (auto _ : state) {
        QPainter painter(&imagen);
        PintarPagina(painter, informe, 0, pixelesPorMm);
    }
    const PaginaPreparada pagina = informe.paginas[0];
    QPainter painter(&imagen);
    qint64 masLargo = 0;
    for (std::size_t i = 0; i < pagina.primitivas.size();) {
        QElapsedTimer reloj;
        reloj.start();
        i = PintarPaginaPorPartes(painter, informe, pagina, pixelesPorMm, QPointF(), i, [] { return false; });
        masLargo = std::max(masLargo, reloj.nsecsElapsed());
    }
    state.counters["paso_mas_largo_ms"] = double(masLargo) / 1e6;
}

void BM_RectangulosTransparentes(benchmark::State& state) {
    Dibujar(state, informes_hostiles::RectangulosTransparentes(1));
}
BENCHMARK(BM_RectangulosTransparentes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Pens ten metres wide (what files could hold before) and the widest a file
// may hold now.
void BM_LineasGruesas(benchmark::State& state) {
    Dibujar(state, informes_hostiles::LineasGruesas(float(state.range(1))));
}
BENCHMARK(BM_LineasGruesas)->Args({0, 10000})->Args({0, 5})->Args({1, 5})->Unit(benchmark::kMillisecond);

// A megabyte of page, the most one page may hold: 256 texts of 2047 accents
// at 500 points (what files could hold before), and at the largest letter a
// file may hold now.
void BM_AcentosApilados(benchmark::State& state) {
    Dibujar(state, informes_hostiles::AcentosApilados(float(state.range(1)), 2047, 256));
}
BENCHMARK(BM_AcentosApilados)->Args({0, 500})->Args({0, 72})->Args({1, 72})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return EjecutarBenchmarksConQt(argc, argv); }
