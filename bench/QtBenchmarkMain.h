#pragma once

#include <QtGlobal>
#include <benchmark/benchmark.h>

// Runs the registered benchmarks inside a Qt application of type App, offscreen unless the environment
// names another platform.
template <typename App>
int runQtBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
