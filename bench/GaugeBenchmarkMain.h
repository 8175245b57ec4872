#pragma once
// main() of the benchmarks that build whole gauges: Qt without a screen and every element
// kind, then the benchmarks asked for on the command line.
#include <benchmark/benchmark.h>
#include <QGuiApplication>

#include "model/ElementFactory.h"
#include "runtime/ElementKinds.h"

inline int RunGaugeBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    dw::RegisterAllKinds(dw::ElementFactory::Instance());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
