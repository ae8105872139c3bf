// Timings of today's review on a ten-year training history of a million
// answer lines (about 50 MB in code page 932), and of the letter-by-letter
// comparison of a wrong answer. The replay runs on every core: its "Time" is
// the time it takes, its "CPU" the processor time of all its threads.
#include "data/textfile.h"
#include "review/answercomparison.h"
#include "review/todaysreview.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QRandomGenerator>
#include <QString>

namespace {

constexpr int kHistoryLines = 1'000'000;
constexpr int kWords = 20'000;
const QDate kFirstDay(2015, 1, 1);
const QDate kToday(2025, 1, 1);

// Ten years of runs: every day some 270 lines of words drawn from a pool of
// 20000, each line as the program appends it (an empty line before it), the
// marks those of a run with its retries.
const QString& historyText()
{
    static const QString text = [] {
        QRandomGenerator random(2026);
        const QString marks[] = {u"○"_qs, u"○"_qs, u"○"_qs, u"×○"_qs, u"××○"_qs, u"×"_qs, u"○×○"_qs};
        const int days = static_cast<int>(kFirstDay.daysTo(kToday));
        QString history;
        history.reserve(qsizetype{kHistoryLines} * 40);
        for (int line = 0; line < kHistoryLines; ++line) {
            const QDate date = kFirstDay.addDays(qint64{line} * days / kHistoryLines);
            const int word = random.bounded(kWords);
            history += u"\r\n\r\nword"_qs + QString::number(word) + u",単語の意味"_qs + QString::number(word) + u',' +
                       date.toString(u"yyyy/MM/dd") + u',' + marks[random.bounded(7)];
        }
        return history + u"\r\n"_qs;
    }();
    return text;
}

void BM_ChooseTodaysReviewFromAMillionLines(benchmark::State& state)
{
    const QString& text = historyText();
    for (auto _ : state) {
        const lumo::TodaysReview review = lumo::chooseTodaysReview(text, kToday);
        benchmark::DoNotOptimize(review.words.data());
    }
    state.counters["lines"] = kHistoryLines;
    state.counters["MB_cp932"] = static_cast<double>(lumo::encodeCp932(text).bytes.size()) / 1e6;
}
BENCHMARK(BM_ChooseTodaysReviewFromAMillionLines)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The same with the file's bytes decoded first, as the window does.
void BM_DecodeAndChooseTodaysReview(benchmark::State& state)
{
    const QByteArray bytes = lumo::encodeCp932(historyText()).bytes;
    for (auto _ : state) {
        const lumo::Decoded decoded = lumo::decodeCp932(bytes);
        const lumo::TodaysReview review = lumo::chooseTodaysReview(decoded.text, kToday);
        benchmark::DoNotOptimize(review.words.data());
    }
}
BENCHMARK(BM_DecodeAndChooseTodaysReview)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// One card through a year of answers: learning, reviews, a lapse, relearning.
void BM_MemoryModelYearOfReviews(benchmark::State& state)
{
    const lumo::MemoryModel model;
    const std::pair<int, lumo::Rating> answers[] = {
        {0, lumo::Rating::Again}, {0, lumo::Rating::Good},   {1, lumo::Rating::Good}, {4, lumo::Rating::Good},
        {10, lumo::Rating::Good}, {25, lumo::Rating::Again}, {0, lumo::Rating::Good}, {8, lumo::Rating::Good},
        {30, lumo::Rating::Good}, {90, lumo::Rating::Good}};
    for (auto _ : state) {
        lumo::MemoryCard card;
        qint64 day = 2460000;
        for (const auto& [gap, rating] : answers) {
            day += gap;
            card = model.reviewed(card, day, rating);
        }
        benchmark::DoNotOptimize(card.stability);
    }
    state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_MemoryModelYearOfReviews)->Repetitions(3);

void BM_CompareWrongAnswer(benchmark::State& state)
{
    const QString typed = u"neccesary "_qs;
    const QString right = u"necessary"_qs;
    for (auto _ : state) {
        const lumo::AnswerComparison comparison = lumo::compareAnswers(typed, right);
        benchmark::DoNotOptimize(comparison.edits);
    }
}
BENCHMARK(BM_CompareWrongAnswer)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_CompareWrongPhrase(benchmark::State& state)
{
    const QString typed = u"take into acount the circumstnaces"_qs;
    const QString right = u"take into account the circumstances"_qs;
    for (auto _ : state) {
        const lumo::AnswerComparison comparison = lumo::compareAnswers(typed, right);
        benchmark::DoNotOptimize(comparison.edits);
    }
}
BENCHMARK(BM_CompareWrongPhrase)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
