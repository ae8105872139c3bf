// What the splash's picture costs to show: unpacking its pixels (done for
// every paint), and a whole paint of the window.
//   splash_bench --benchmark_filter=Unpack
#include "app/splashpicture.h"
#include "app/splashwindow.h"

#include "widgetbenchmain.h"

#include <QApplication>
#include <QByteArray>
#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace lumo;

namespace {

// Arg 0: the picture at a device pixel ratio of 1; arg 1: the larger one.
void BM_SplashUnpack(benchmark::State& state)
{
    const PackedPicture& packed = kSplashPicture[state.range(0)];
    for (auto _ : state) {
        const QByteArray pixels = qUncompress(packed.data, static_cast<qsizetype>(packed.size));
        benchmark::DoNotOptimize(pixels.constData());
    }
    state.counters["packed KiB"] = double(packed.size) / 1024;
}
BENCHMARK(BM_SplashUnpack)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SplashPaint(benchmark::State& state)
{
    SplashWindow splash([] { return nullptr; });
    for (auto _ : state) {
        const QPixmap shot = splash.grab();
        benchmark::DoNotOptimize(shot.cacheKey());
    }
}
BENCHMARK(BM_SplashPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
