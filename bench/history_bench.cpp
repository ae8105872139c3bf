// The learner's history on ten years of practice (tenyearhistory.h: a million
// lines, about 35 MB): the first load, and what today's review, the learning
// record and its window cost once it is loaded.
#include "tenyearhistory.h"

#include "base/programfolder.h"
#include "history/traininghistory.h"
#include "record/recordwindow.h"

#include "widgetbenchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QDate kToday(2026, 12, 7);

// The program folder with the ten-year "Training.dat", made once.
const QString& folderWithHistory()
{
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString path = dir.path() + u'/';
        const QString text = lumo::bench::tenYearHistory(QStringLiteral(LUMO_PROGRAM_DIR), 1'000'000, kToday);
        if (!lumo::writeTextFile(path + QStringLiteral("Training.dat"), text).ok)
            qFatal("cannot write the history");
        return path;
    }();
    return folder;
}

// Kilobytes of one line of /proc/self/status ("VmRSS", "VmHWM").
double statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field)) + 1).trimmed().split(' ').first().toDouble();
    return 0;
}

lumo::TrainingHistory& loadedHistory()
{
    static lumo::TrainingHistory history;
    if (!history.isLoaded()) {
        history.setFolder(folderWithHistory());
        history.waitUntilLoaded();
    }
    return history;
}

// The first load: the file read in two halves on two cores, decoded, counted
// into the compact log and replayed. "peak_added_MB" is the most memory the
// process's first load held beyond what the process held before it (later
// loads find memory the allocator kept from the first and add less), so every
// repetition reports that first figure.
void BM_FirstLoadOfTenYears(benchmark::State& state)
{
    const QString& folder = folderWithHistory();
    static double firstPeakAdded = -1;
    if (firstPeakAdded < 0) {
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        const bool canResetPeak = clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
        clearRefs.close();
        const double before = statusKilobytes("VmRSS:");
        lumo::TrainingHistory history;
        history.setFolder(folder);
        history.waitUntilLoaded();
        firstPeakAdded = canResetPeak ? (statusKilobytes("VmHWM:") - before) / 1024 : 0;
    }
    for (auto _ : state) {
        lumo::TrainingHistory history;
        history.setFolder(folder);
        history.waitUntilLoaded();
        benchmark::DoNotOptimize(history.skippedLines());
    }
    state.counters["peak_added_MB"] = firstPeakAdded;
    state.counters["file_MB"] = double(QFileInfo(folder + QStringLiteral("Training.dat")).size()) / 1e6;
}
BENCHMARK(BM_FirstLoadOfTenYears)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_TodaysReviewOnceLoaded(benchmark::State& state)
{
    lumo::TrainingHistory& history = loadedHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(history.todaysReview(kToday, 20).words.data());
}
BENCHMARK(BM_TodaysReviewOnceLoaded)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_RecordSummaryOnceLoaded(benchmark::State& state)
{
    lumo::TrainingHistory& history = loadedHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(history.summary(kToday).mostMissed.data());
}
BENCHMARK(BM_RecordSummaryOnceLoaded)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The record window opened and painted once, the history loaded (the typing
// record is empty here; a long one is read on another thread).
void BM_RecordWindowOpensOnceLoaded(benchmark::State& state)
{
    lumo::TrainingHistory& history = loadedHistory();
    QTemporaryDir typingFolder;
    lumo::setProgramFolder(typingFolder.path());
    for (auto _ : state) {
        lumo::RecordWindow window(history);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
    lumo::setProgramFolder({});
}
BENCHMARK(BM_RecordWindowOpensOnceLoaded)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
