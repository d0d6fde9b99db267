#pragma once
// The main function of a benchmark program that draws: the registered
// benchmarks run inside a QApplication on the offscreen platform (unless
// another is asked for), with the C library's numbers in the "C" locale.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <clocale>

inline int EjecutarBenchmarksConQt(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
