// Timings of the pronunciation shown after judging: finding the compiled-in
// dictionary (what the first lookup adds), one lookup, and for comparison
// reading the whole dictionary into a hash table, which the search in place
// spares the program.
#include "quiz/phonetics.h"

#include <benchmark/benchmark.h>

#include <QHash>
#include <QString>
#include <QStringList>

namespace {

const QString kWords[] = {u"close"_qs, u"information"_qs, u"look forward to"_qs, u"zygote"_qs, u"wug"_qs};

// What the first lookup of a run costs: finding the table, then searching it.
void BM_FirstLookup(benchmark::State& state)
{
    for (auto _ : state) {
        const QByteArray table = lumo::PronouncingDictionary::compiledInTable();
        const lumo::PronouncingDictionary dictionary{QByteArrayView(table)};
        benchmark::DoNotOptimize(dictionary.pronunciations(u"close"));
    }
}
BENCHMARK(BM_FirstLookup)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// A judged line's transcription: its choice, or the dictionary word by word.
void BM_Lookup(benchmark::State& state)
{
    const QString& english = kWords[state.range(0)];
    lumo::transcription(english, u"意味"_qs); // the first use is measured above
    for (auto _ : state)
        benchmark::DoNotOptimize(lumo::transcription(english, u"意味"_qs));
    state.SetLabel(english.toStdString());
}
BENCHMARK(BM_Lookup)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// Loading every word into a hash table instead.
void BM_LoadIntoHash(benchmark::State& state)
{
    const QByteArray table = lumo::PronouncingDictionary::compiledInTable();
    for (auto _ : state) {
        QHash<QString, QString> words;
        qsizetype start = 0;
        while (start < table.size()) {
            qsizetype end = table.indexOf('\n', start);
            if (end < 0)
                end = table.size();
            const qsizetype tab = table.indexOf('\t', start);
            words.insert(QString::fromUtf8(table.constData() + start, tab - start),
                         QString::fromUtf8(table.constData() + tab + 1, end - tab - 1));
            start = end + 1;
        }
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_LoadIntoHash)->Unit(benchmark::kMillisecond)->Repetitions(3);

} // namespace

BENCHMARK_MAIN();
