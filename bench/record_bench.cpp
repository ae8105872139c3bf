// The learning record on ten years of practice: 1,000,000 history lines and
// 1,000,000 judged keys, read and shown; and one repaint of a chart while the
// mouse moves over it.
#include "base/programfolder.h"
#include "data/textfile.h"
#include "history/traininghistory.h"
#include "record/learningrecord.h"
#include "record/recordcharts.h"
#include "record/recordwindow.h"
#include "typing/typingrecord.h"

#include "widgetbenchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {

const QDate kToday(2026, 12, 7);

QString historyText(int lines)
{
    QString text;
    text.reserve(qsizetype(lines) * 40);
    for (int i = 0; i < lines; ++i) {
        const QDate day = kToday.addDays(-(i / 275)); // about 275 answers a day over ten years
        text += QStringLiteral("\r\n\r\nword%1,意味%1,%2,%3")
                    .arg(i % 2400)
                    .arg(day.toString(QStringLiteral("yyyy/MM/dd")))
                    .arg(i % 7 == 0 ? QStringLiteral("×○") : QStringLiteral("○"));
    }
    return text;
}

QString typingText(int keys)
{
    lumo::typing::TypingRecorder recorder;
    const QString letters = QStringLiteral("ASDFGHJKLQWERTYUIOPZXCVBNM");
    for (int i = 0; i < keys; ++i) {
        const QChar expected = letters.at(i % letters.size());
        recorder.addKey(expected, i % 13 == 0 ? letters.at((i + 1) % letters.size()) : expected);
    }
    for (int i = 0; i < 1000; ++i)
        recorder.addTest({QDateTime(kToday.addDays(-i), QTime(9, 0)), 1 + i % 3, 150 + i % 50, i % 9, 120});
    return recorder.textToAppend(0);
}

struct TenYears {
    QString history = historyText(1'000'000);
    QString typing = typingText(1'000'000);
};
const TenYears& tenYears()
{
    static const TenYears data;
    return data;
}

void BM_SummariseHistory1M(benchmark::State& state)
{
    const QString& history = tenYears().history;
    for (auto _ : state)
        benchmark::DoNotOptimize(lumo::summariseHistory(history, kToday));
}
BENCHMARK(BM_SummariseHistory1M)->Unit(benchmark::kMillisecond);

void BM_ReadTypingRecord1M(benchmark::State& state)
{
    const QString& typing = tenYears().typing;
    for (auto _ : state)
        benchmark::DoNotOptimize(lumo::typing::readTypingRecord(typing));
}
BENCHMARK(BM_ReadTypingRecord1M)->Unit(benchmark::kMillisecond);

// The whole first opening: the history loaded, the typing record read, the
// window built and painted once with both.
void BM_RecordWindowOpens(benchmark::State& state)
{
    QTemporaryDir dir;
    lumo::setProgramFolder(dir.path());
    if (!lumo::writeTextFile(dir.filePath(QStringLiteral("Training.dat")), tenYears().history).ok ||
        !lumo::writeTextFile(dir.filePath(QStringLiteral("TypingRecord.dat")), tenYears().typing).ok)
        state.SkipWithError("cannot write the record files");
    for (auto _ : state) {
        lumo::TrainingHistory history;
        history.setFolder(lumo::programFolder());
        lumo::RecordWindow window(history);
        window.show();
        history.waitUntilLoaded();
        QElapsedTimer waited;
        waited.start();
        while (window.findChild<QWidget*>(QStringLiteral("lbRecordNotice"))->isVisible() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        benchmark::DoNotOptimize(window.grab());
    }
    lumo::setProgramFolder({});
}
// The files are read on other cores: "Time" is the time until the window
// shows both, "CPU" the processor time of all.
BENCHMARK(BM_RecordWindowOpens)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// One frame while hovering: the mouse moves to another bar and the chart is redrawn.
void BM_ChartHoverFrame(benchmark::State& state)
{
    lumo::BarChart chart(QStringLiteral("回答数"), QStringLiteral("回答数"));
    std::vector<lumo::ChartPoint> points;
    for (int i = 0; i < 365; ++i)
        points.push_back({QString::number(i), QStringLiteral("日 %1\n回答 %2").arg(i).arg(i * 3), double(i % 50), 0.5});
    chart.setPoints(points, QStringLiteral("一回目で正解"));
    chart.resize(800, 300);
    chart.show();
    int x = 60;
    for (auto _ : state) {
        x = x >= 700 ? 60 : x + 7;
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 150), QPointF(x, 150), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &move);
        benchmark::DoNotOptimize(chart.grab());
    }
}
BENCHMARK(BM_ChartHoverFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
