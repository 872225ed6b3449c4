#pragma once

// The main of a benchmark executable that needs a Qt application (offscreen unless the
// environment names a platform) and one fixture shared by its benchmarks.

#include <QApplication>
#include <benchmark/benchmark.h>

template <typename Fixture> int runBenchmarks(int argc, char** argv, Fixture*& shared)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Fixture fixture;
    shared = &fixture;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared = nullptr;
    return 0;
}
