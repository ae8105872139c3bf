// Decoding a 10 MB course-like file: clean, with one bad byte in the middle,
// and with a bad byte in every 10,000 (a damaged file must decode about as
// fast as a clean one); and saving the history at exit next to a history
// file of years (8.6 MB), which is copied whole for a crash-safe save.
#include "data/history.h"
#include "data/textfile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray tenMegabytes()
{
    const lumo::Encoded line = lumo::encodeCp932(u"apple,りんご・林檎の実\r\n");
    QByteArray bytes;
    bytes.reserve(10 * 1024 * 1024 + line.bytes.size());
    while (bytes.size() < 10 * 1024 * 1024)
        bytes += line.bytes;
    return bytes;
}

void decode(benchmark::State& state, const QByteArray& bytes)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(lumo::decodeCp932(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_DecodeClean(benchmark::State& state)
{
    decode(state, tenMegabytes());
}

void BM_DecodeOneBadByte(benchmark::State& state)
{
    QByteArray bytes = tenMegabytes();
    bytes[bytes.size() / 2] = '\xFF';
    decode(state, bytes);
}

void BM_DecodeBadByteEvery10000(benchmark::State& state)
{
    QByteArray bytes = tenMegabytes();
    for (qsizetype i = 5000; i < bytes.size(); i += 10000)
        bytes[i] = '\xFF';
    decode(state, bytes);
}

void BM_SaveHistoryAfterYearsOfRuns(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QString years;
    for (int i = 0; years.size() < 4'400'000; ++i)
        years += QStringLiteral("\r\n\r\nword%1,意味%1,2001/03/05,○×").arg(i);
    const QByteArray old = lumo::encodeCp932(years).bytes;
    QString run;
    for (int i = 0; i < 50; ++i)
        run += QStringLiteral("\r\n\r\nnew%1,新しい%1,2001/03/06,○").arg(i);
    for (auto _ : state) {
        state.PauseTiming();
        QFile training(folder + QStringLiteral("Training.dat"));
        if (!training.open(QIODevice::WriteOnly) || training.write(old) != old.size())
            state.SkipWithError("cannot write the old history");
        training.close();
        state.ResumeTiming();
        if (!lumo::saveHistory(folder, run).ok())
            state.SkipWithError("save failed");
    }
    state.counters["history_MB"] = double(old.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_SaveHistoryAfterYearsOfRuns)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeClean)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeOneBadByte)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeBadByteEvery10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
