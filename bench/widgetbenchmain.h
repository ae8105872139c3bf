#pragma once
// The main() of a benchmark that builds widgets: offscreen unless a display
// is asked for, with the application the widgets need; `prepare` runs once
// the application exists (resources, message handlers).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <functional>

inline int runWidgetBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {})
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepare)
        prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
