// The one holder of the learner's history: read compactly, in halves and in
// pieces, off the window's thread, with this run's answers counted at once.
// Its answers are checked against the readers of the history text.
#include "exchange/wordexport.h"
#include "history/traininghistory.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QDate kToday(2024, 6, 1);

// A history with what a long one holds: meanings that change, a clock set
// back, a line of 40 marks, empty and unreadable lines.
QString awkwardHistory(int lines)
{
    QString text;
    quint32 seed = 11;
    const auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    const QString marks[] = {u"○"_qs, u"×○"_qs, u"××○"_qs, u"×"_qs, QString(40, u'×') + u'○'};
    for (int line = 0; line < lines; ++line) {
        const QDate date = QDate(2023, 1, 1).addDays(line / 30 - (next(60) == 0 ? 20 : 0));
        text += u"\r\n\r\nword"_qs + QString::number(next(300)) + u",意味"_qs + QString::number(next(3)) + u',' +
                date.toString(u"yyyy/MM/dd") + u',' + marks[next(line % 97 == 0 ? 5 : 4)];
        if (line % 500 == 0)
            text += u"\r\nunreadable line"_qs;
    }
    return text + u"\r\n"_qs;
}

void expectSameWords(const AnswerLog& a, const AnswerLog& b)
{
    EXPECT_EQ(a.readLines(), b.readLines());
    EXPECT_EQ(a.skippedLines(), b.skippedLines());
    ASSERT_EQ(a.words().size(), b.words().size());
    for (std::size_t i = 0; i < a.words().size(); ++i) {
        const WordAnswers& x = a.words()[i];
        const WordAnswers& y = b.words()[i];
        ASSERT_EQ(x.english, y.english);
        EXPECT_EQ(x.meaning, y.meaning);
        EXPECT_EQ(x.firstLine, y.firstLine);
        EXPECT_EQ(x.firstMissLine, y.firstMissLine);
        EXPECT_EQ(x.firstMissMeaning, y.firstMissMeaning);
        ASSERT_EQ(x.lines.size(), y.lines.size());
        const auto same = [](const LineMarks& l, const LineMarks& m) { return l.day == m.day && l.packed == m.packed; };
        EXPECT_TRUE(std::equal(x.lines.begin(), x.lines.end(), y.lines.begin(), same));
        EXPECT_TRUE(x.lines.empty() || same(x.lines.back(), y.lines.back())); // where a run's mark would go
    }
}

// The file and this run, as "Training.dat" will hold them after the run.
struct FileAndRun {
    test::TempProgramFolder folder;
    TrainingHistory history;
    QString fileText;

    explicit FileAndRun(const QString& text) : fileText(text)
    {
        folder.write(u"Training.dat"_qs, text);
        history.setFolder(folder.path());
    }
    QString asOneText() const { return fileText + u"\r\n"_qs + history.runText(); }
};

} // namespace

TEST(AnswerLog, ReadInHalvesAndPiecesItHoldsWhatTheWholeTextHolds)
{
    // A hundred lines a word: each half holds several blocks of a word's
    // lines, the last one part full.
    const QString text = awkwardHistory(30000);
    const AnswerLog whole = AnswerLog::fromText(text);
    ASSERT_EQ(whole.words().size(), 300u);
    EXPECT_GT(whole.skippedLines(), 0);
    // Cut at a line start, as two threads read a long file.
    const qsizetype cut = text.indexOf(u"\r\n"_qs, text.size() / 2) + 2;
    AnswerLog first;
    AnswerLog second;
    for (qsizetype at = 0; at < cut;) {
        const qsizetype end = text.indexOf(u'\n', std::min(at + 7000, cut - 1)) + 1; // a piece of whole lines
        first.addText(QStringView(text).sliced(at, end - at));
        at = end;
    }
    second.addText(QStringView(text).sliced(cut));
    first.append(std::move(second));
    expectSameWords(first, whole);

    // Forty marks take two entries but stay one line of the word.
    const AnswerLog longLine = AnswerLog::fromText(u"a,あ,2024/01/01,"_qs + QString(40, u'×') + u'○');
    ASSERT_EQ(longLine.words()[0].lines.size(), 2u);
    EXPECT_EQ(longLine.words()[0].lines.front().count(), LineMarks::kMaxMarks);
    EXPECT_TRUE(longLine.words()[0].lines.back().continuesLine());
    EXPECT_EQ(longLine.words()[0].lines.back().wrongMarks(), 10);
}

// Whatever the history says with this run's answers in it is what the
// readers of the text say of the file followed by the run's text.
TEST(TrainingHistory, ThisRunsAnswersCountAsTheTextWouldCountThem)
{
    FileAndRun t(awkwardHistory(3000));
    t.history.record(u"word7"_qs, u"新しい意味"_qs, false, kToday);
    t.history.record(u"word7"_qs, u"新しい意味"_qs, true, kToday);
    t.history.record(u"brand new"_qs, u"まっさら"_qs, false, kToday);
    t.history.record(u"word8"_qs, u"意味"_qs, true, QDate(2022, 1, 1)); // a clock set back
    for (int i = 0; i < 35; ++i)
        t.history.record(u"brand new"_qs, u"まっさら"_qs, i % 2 == 0, kToday);
    t.history.waitUntilLoaded();
    ASSERT_TRUE(t.history.problems().isEmpty());

    const TodaysReview review = t.history.todaysReview(kToday, 1000);
    const TodaysReview expected = chooseTodaysReview(t.asOneText(), kToday, 1000);
    EXPECT_EQ(review.dueCount, expected.dueCount);
    EXPECT_EQ(review.dueTomorrow, expected.dueTomorrow);
    EXPECT_EQ(review.nextDue, expected.nextDue);
    ASSERT_EQ(review.words.size(), expected.words.size());
    for (std::size_t i = 0; i < review.words.size(); ++i) {
        EXPECT_EQ(review.words[i].english, expected.words[i].english);
        EXPECT_EQ(review.words[i].meaning, expected.words[i].meaning);
        EXPECT_DOUBLE_EQ(review.words[i].retrievability, expected.words[i].retrievability);
    }

    const HistorySummary summary = t.history.summary(kToday);
    const HistorySummary fromText = summariseHistory(t.asOneText(), kToday);
    EXPECT_EQ(summary.readLines, fromText.readLines);
    EXPECT_EQ(summary.last30Days.back().answers, fromText.last30Days.back().answers);
    EXPECT_EQ(summary.last30Days.back().firstRight, fromText.last30Days.back().firstRight);
    EXPECT_EQ(summary.longestStreak, fromText.longestStreak);
    ASSERT_EQ(summary.mostMissed.size(), fromText.mostMissed.size());
    for (std::size_t i = 0; i < summary.mostMissed.size(); ++i) {
        EXPECT_EQ(summary.mostMissed[i].english, fromText.mostMissed[i].english);
        EXPECT_EQ(summary.mostMissed[i].meaning, fromText.mostMissed[i].meaning);
        EXPECT_EQ(summary.mostMissed[i].misses, fromText.mostMissed[i].misses);
    }
    EXPECT_EQ(t.history.missedWords(), exchange::missedWords(t.asOneText()));
}

TEST(TrainingHistory, ALongHistoryLoadsOffTheWindowsThreadOnceForEveryRequest)
{
    FileAndRun t(awkwardHistory(12000)); // past what is read at once
    int calls = 0;
    QObject window;
    t.history.whenLoaded(&window, [&calls] { ++calls; });
    t.history.whenLoaded(&window, [&calls] { ++calls; });
    {
        QObject gone;
        t.history.whenLoaded(&gone, [] { ADD_FAILURE() << "called for a window that is gone"; });
    }
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(t.history.isLoading());
    ASSERT_TRUE(QTest::qWaitFor([&calls] { return calls == 2; }, 20000));
    EXPECT_TRUE(t.history.isLoaded());
    EXPECT_EQ(t.history.summary(kToday).readLines, AnswerLog::fromText(t.fileText).readLines());
    t.history.whenLoaded(&window, [&calls] { ++calls; });
    EXPECT_EQ(calls, 3) << "once loaded, at once";
}

TEST(TrainingHistory, AFileThatCannotBeReadIsNamedAndCountsAsEmpty)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"Training.dat"_qs));
    TrainingHistory history;
    history.setFolder(folder.path());
    history.waitUntilLoaded();
    ASSERT_EQ(history.problems().size(), 1);
    EXPECT_TRUE(history.problems()[0].contains(u"「Training.dat」はファイルではなくフォルダー"_qs));
    EXPECT_FALSE(history.todaysReview(kToday, 20).hasHistory());
}

TEST(TrainingHistory, ARunThatJudgedNothingLeavesBothFilesAsTheyAre)
{
    FileAndRun t(u"old,古い,2001/03/04,○"_qs);
    t.folder.write(u"LastTraining.dat"_qs, u"old,古い,2001/03/04,○"_qs);
    const QByteArray before = t.folder.readBytes(u"Training.dat"_qs);
    EXPECT_TRUE(t.history.saveRun().ok());
    EXPECT_EQ(t.folder.readBytes(u"Training.dat"_qs), before);
    EXPECT_EQ(t.folder.readBytes(u"LastTraining.dat"_qs), before);
}
