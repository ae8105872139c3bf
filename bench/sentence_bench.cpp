// Sentence practice with 100,000 example pairs loaded: the next sentence
// drawn and shown, the sentences of a course's words found, and the window
// opened on the shipped examples and on the large set.
#include "base/programfolder.h"
#include "data/course.h"
#include "data/examples.h"
#include "data/textfile.h"
#include "sentence/sentencepractice.h"
#include "sentence/sentencewindow.h"

#include "widgetbenchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// 100,000 pairs of eight to fourteen words over a vocabulary of 6,000 words.
const QString& largeExamples()
{
    static const QString text = [] {
        QString t;
        t.reserve(100'000 * 110);
        quint32 seed = 12345;
        auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        for (int i = 0; i < 100'000; ++i) {
            const int words = 8 + int(next() >> 29);
            for (int w = 0; w < words; ++w)
                t += (w ? QStringLiteral(" word") : QStringLiteral("Word")) + QString::number((next() >> 8) % 6000);
            t += QStringLiteral(".\r\n例文%1の訳です。\r\n").arg(i);
        }
        return t;
    }();
    return text;
}

// A course of 300 words and a selection of 20.
lumo::WordList words(int count)
{
    lumo::WordList list;
    for (int i = 0; i < count; ++i)
        list.push_back({QStringLiteral("word%1").arg(i * 17 % 6000), QStringLiteral("意味%1").arg(i)});
    return list;
}

// Until the sentences are indexed and the first is shown.
void waitForFirstSentence(const QWidget& window)
{
    auto* count = window.findChild<QLabel*>(QStringLiteral("lbSentenceCount"));
    while (count->text().isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_SentencesOfACourse100k(benchmark::State& state)
{
    const lumo::SentenceBank bank(lumo::readSentencePairs(largeExamples()));
    QStringList english;
    for (const lumo::WordPair& w : words(300))
        english.append(w.english);
    for (auto _ : state)
        benchmark::DoNotOptimize(bank.sentencesWith(english));
}
BENCHMARK(BM_SentencesOfACourse100k)->Unit(benchmark::kMillisecond);

// 次の文 pressed: the next sentence drawn, every label set and the window painted.
void BM_NextSentenceShown100k(benchmark::State& state)
{
    lumo::SentenceWindow window(largeExamples(), {words(20), {}, words(300), QStringLiteral("eng-1-1.dat")});
    window.show();
    waitForFirstSentence(window);
    auto* next = window.findChild<QPushButton*>(QStringLiteral("cmdSentenceNext"));
    for (auto _ : state) {
        next->click();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_NextSentenceShown100k)->Unit(benchmark::kMillisecond);

// The first shipped course, for the shipped examples.
lumo::WordList shippedCourse()
{
    const lumo::CourseLines course = lumo::parseCourse(
        lumo::readTextFile(QStringLiteral(LUMO_PROGRAM_DIR "eng-1-1.dat")).text, lumo::CourseFilter::All);
    lumo::WordList list;
    for (int i = 0; i < course.count(); ++i)
        list.push_back({course.english[i], course.meanings[i]});
    return list;
}

// The window built on the example text, shown and painted once; then (the
// second figure) until its first sentence is shown, the sentences being
// indexed off the window's thread meanwhile. The course's words have sentences.
void windowOpens(benchmark::State& state, const QString& examples, const lumo::WordList& course,
                 bool untilFirstSentence)
{
    for (auto _ : state) {
        lumo::SentenceWindow window(examples, {{}, {}, course, QStringLiteral("eng-1-1.dat")});
        window.show();
        benchmark::DoNotOptimize(window.grab());
        if (untilFirstSentence)
            waitForFirstSentence(window);
    }
}

void BM_SentenceWindowOpensShipped(benchmark::State& state)
{
    windowOpens(state, lumo::loadExampleText(QStringLiteral(LUMO_PROGRAM_DIR)).text, shippedCourse(), false);
}
BENCHMARK(BM_SentenceWindowOpensShipped)->Unit(benchmark::kMillisecond);

void BM_SentenceWindowFirstSentenceShipped(benchmark::State& state)
{
    windowOpens(state, lumo::loadExampleText(QStringLiteral(LUMO_PROGRAM_DIR)).text, shippedCourse(), true);
}
BENCHMARK(BM_SentenceWindowFirstSentenceShipped)->Unit(benchmark::kMillisecond);

void BM_SentenceWindowFirstSentence100k(benchmark::State& state)
{
    windowOpens(state, largeExamples(), words(300), true);
}
BENCHMARK(BM_SentenceWindowFirstSentence100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
