// Timings of the quiz's data work on learner-sized and larger inputs: loading
// a course of the largest size one load takes, looking up examples in a
// 5 MB example text, sorting a list of 1000 pairs, and the main window's
// start-up on the shipped content.
#include "base/programfolder.h"
#include "data/course.h"
#include "data/examples.h"
#include "data/sorting.h"
#include "data/textfile.h"
#include "quiz/quizsession.h"
#include "quiz/quizwindow.h"

#include "widgetbenchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPixmapCache>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace {

// A course file's text of `lines` distinct pairs, meanings with a note after a comma.
QString courseText(int lines)
{
    QString text;
    text.reserve(lines * 24);
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("word%1,意味%1,imi\r\n").arg(i);
    return text;
}

// An example text of about `bytes` bytes in code page 932: English lines
// with their Japanese translation, and one sentence with a word found
// nowhere else near the end.
const QString& exampleText()
{
    static const QString text = [] {
        constexpr qsizetype kBytes = 5 * 1024 * 1024;
        const QString english =
            QStringLiteral("The quick brown fox number %1 jumps over the lazy dog near the station.\r\n");
        const QString japanese = QStringLiteral("素早い茶色の狐が駅の近くで怠けている犬を飛び越える。%1\r\n");
        QString t;
        qsizetype bytes = 0;
        for (int i = 0; bytes < kBytes; ++i) {
            const QString pair = english.arg(i) + japanese.arg(i);
            t += pair;
            bytes += lumo::encodeCp932(pair).bytes.size();
            if (bytes > kBytes - 2000 && !t.contains(u" zebrafish "))
                t += QStringLiteral("We saw a zebrafish in the tank.\r\n水槽でゼブラフィッシュを見た。\r\n");
        }
        return t;
    }();
    return text;
}

void BM_ParseCourse32767(benchmark::State& state)
{
    const QString text = courseText(lumo::kMaxCoursePairs);
    for (auto _ : state) {
        lumo::CourseLines lines = lumo::parseCourse(text, lumo::CourseFilter::All);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ParseCourse32767)->Unit(benchmark::kMillisecond);

void BM_ReadAndParseCourse32767(benchmark::State& state)
{
    // The whole load of a course file from bytes: decoding included.
    const QByteArray bytes = lumo::encodeCp932(courseText(lumo::kMaxCoursePairs)).bytes;
    for (auto _ : state) {
        lumo::CourseLines lines = lumo::parseCourse(lumo::decodeCp932(bytes).text, lumo::CourseFilter::All);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadAndParseCourse32767)->Unit(benchmark::kMillisecond);

void BM_ExampleLookupHitNearEnd(benchmark::State& state)
{
    const lumo::ExampleLookup lookup(exampleText());
    for (auto _ : state) {
        std::optional<QString> found = lookup.find(QStringLiteral("zebrafish"));
        if (!found)
            state.SkipWithError("not found");
        benchmark::DoNotOptimize(found);
    }
    state.counters["text_chars"] = static_cast<double>(lookup.text().size());
}
BENCHMARK(BM_ExampleLookupHitNearEnd)->Unit(benchmark::kMillisecond);

void BM_ExampleLookupMissWithRetry(benchmark::State& state)
{
    // A capitalised word found nowhere: the whole text is searched twice.
    const lumo::ExampleLookup lookup(exampleText());
    for (auto _ : state) {
        std::optional<QString> found = lookup.find(QStringLiteral("Xylophone"));
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_ExampleLookupMissWithRetry)->Unit(benchmark::kMillisecond);

void BM_ExampleLookupBuild(benchmark::State& state)
{
    // Done once at start-up.
    for (auto _ : state) {
        lumo::ExampleLookup lookup(exampleText());
        benchmark::DoNotOptimize(lookup);
    }
}
BENCHMARK(BM_ExampleLookupBuild)->Unit(benchmark::kMillisecond);

void BM_QuickS1000(benchmark::State& state)
{
    QStringList english, meanings;
    quint32 x = 12345;
    for (int i = 0; i < 1000; ++i) {
        x = x * 1103515245u + 12345u; // a fixed scramble, the same every run
        english.append(QStringLiteral("w%1").arg(x % 5000));
        meanings.append(QStringLiteral(" 意味%1").arg(x % 4000));
    }
    const bool byEnglish = state.range(0) != 0;
    for (auto _ : state) {
        lumo::WordPairs sorted = lumo::QuickS(english, meanings, byEnglish);
        benchmark::DoNotOptimize(sorted);
    }
}
BENCHMARK(BM_QuickS1000)->Arg(1)->Arg(0)->ArgName("byEnglish")->Unit(benchmark::kMicrosecond);

void BM_CourseOpen32767(benchmark::State& state)
{
    // A course file read from disk into the quiz session and shown in the
    // main window's two word lists, as choosing a course does.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.dat"));
    if (!lumo::writeTextFile(path, courseText(lumo::kMaxCoursePairs)).ok)
        state.SkipWithError("cannot write the course file");
    lumo::QuizSession session;
    QListWidget english, meanings;
    for (auto _ : state) {
        const lumo::TextFile file = lumo::readTextFile(path);
        lumo::CourseLines lines = lumo::parseCourse(file.text, lumo::CourseFilter::All);
        session.setCourse(std::move(lines.english), std::move(lines.meanings));
        english.clear();
        meanings.clear();
        english.addItems(session.courseEnglish());
        meanings.addItems(session.courseMeanings());
        benchmark::DoNotOptimize(meanings.count());
    }
    if (meanings.count() != lumo::kMaxCoursePairs)
        state.SkipWithError("not every pair was loaded");
}
BENCHMARK(BM_CourseOpen32767)->Unit(benchmark::kMillisecond);

void BM_QuizWindowStartUp(benchmark::State& state)
{
    // The window built and loaded on the shipped content: course list, first
    // course, example text, letter buttons. Shown and painted once with
    // `show` set.
    const bool show = state.range(0) != 0;
    lumo::setProgramFolder(QStringLiteral(LUMO_PROGRAM_DIR));
    for (auto _ : state) {
        auto form = std::make_unique<lumo::QuizWindow>();
        if (show) {
            form->show();
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        form->hide();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    lumo::setProgramFolder({});
}
BENCHMARK(BM_QuizWindowStartUp)->Arg(0)->Arg(1)->ArgName("show")->Unit(benchmark::kMillisecond);

void BM_QuizWindowRepaint(benchmark::State& state)
{
    // The whole main window drawn (into a picture), with the style's pictures of button
    // faces kept (`cached`, Qt's default) or drawn each time (the program's
    // setting, for memory).
    const int previousLimit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(state.range(0) != 0 ? previousLimit : 0);
    lumo::setProgramFolder(QStringLiteral(LUMO_PROGRAM_DIR));
    auto form = std::make_unique<lumo::QuizWindow>();
    form->show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(form->grab());
    form.reset();
    lumo::setProgramFolder({});
    QPixmapCache::clear();
    QPixmapCache::setCacheLimit(previousLimit);
}
BENCHMARK(BM_QuizWindowRepaint)->Arg(1)->Arg(0)->ArgName("cached")->Unit(benchmark::kMillisecond);

// The offscreen platform warns once per shown window; keep the table readable.
QtMessageHandler previousHandler = nullptr;
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv, [] {
        previousHandler = qInstallMessageHandler(quietOffscreen);
        Q_INIT_RESOURCE(assets);
    });
}
