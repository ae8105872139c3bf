// Importing a large word list: a 100,000-line UTF-8 CSV from a spreadsheet
// read, split, checked and written as a course file with its list entry.
#include "exchange/textimport.h"
#include "exchange/wordimport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lumo;
using namespace lumo::exchange;

namespace {

constexpr int kLines = 100000;

QByteArray spreadsheetCsv()
{
    static const char16_t* const meanings[] = {u"りんご", u"置く,組", u"走る", u"美しい～", u"「言う」"};
    QString text = QStringLiteral("\uFEFFEnglish,Japanese\r\n");
    for (int i = 0; i < kLines; ++i) {
        const QString meaning = QString::fromUtf16(meanings[i % 5]);
        text += QStringLiteral("word%1,").arg(i);
        text += meaning.contains(u',') ? u'"' + meaning + u'"' : meaning;
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

ImportPlan plan(const QByteArray& bytes)
{
    const DecodedSource source = decodeSource(bytes);
    const DelimitedTable table = parseDelimited(source.text);
    return planImport(table, guessColumns(table));
}

void BM_ImportCsvToCourseFile(benchmark::State& state)
{
    const QByteArray bytes = spreadsheetCsv();
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    int n = 0;
    for (auto _ : state) {
        const ImportPlan p = plan(bytes);
        const QString name = QStringLiteral("words-%1.dat").arg(++n);
        const WriteResult written = writeImportedCourse(folder, name, p.pairs);
        if (!written.ok || p.pairs.size() != kLines)
            state.SkipWithError("import failed");
        state.PauseTiming();
        QFile::remove(folder + name);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportCsvToCourseFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What the preview needs before it can show: decoding and splitting.
void BM_PreviewTable(benchmark::State& state)
{
    const QByteArray bytes = spreadsheetCsv();
    for (auto _ : state) {
        const DelimitedTable table = parseDelimited(decodeSource(bytes).text);
        benchmark::DoNotOptimize(guessColumns(table));
    }
}
BENCHMARK(BM_PreviewTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
