#include "record/learningrecord.h"
#include "review/historyreplay.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QDate kToday(2026, 12, 7);

QString line(const QString& english, const QString& meaning, QDate day, const QString& marks)
{
    return QStringLiteral("\r\n\r\n%1,%2,%3,%4")
        .arg(english, meaning, day.toString(QStringLiteral("yyyy/MM/dd")), marks);
}

TEST(LearningRecord, CountsPerDayAndMonthWithStreaks)
{
    QString history;
    // Practice on the last three days (a streak of 3 up to today), a gap,
    // then a run of five days ending 10 days ago, and one day last year.
    for (int back = 0; back < 3; ++back)
        history += line("apple", "りんご", kToday.addDays(-back), "○") +
                   line("man", "男の人,マン", kToday.addDays(-back), "×○");
    for (int back = 10; back < 15; ++back)
        history += line("cat", "ねこ", kToday.addDays(-back), "○");
    history += line("dog", "いぬ", QDate(2025, 12, 1), "××○");
    history += QStringLiteral("\r\nnot a history line\r\nfish,魚,2026/02/30,○\r\nbird,鳥,2026/12/01,\r\n");

    const HistorySummary s = summariseHistory(history, kToday);
    EXPECT_EQ(s.readLines, 3 * 2 + 5 + 1);
    EXPECT_EQ(s.skippedLines, 3) << "no commas, no such date, no marks";
    EXPECT_EQ(s.currentStreak, 3);
    EXPECT_EQ(s.longestStreak, 5);

    ASSERT_EQ(s.last30Days.size(), 30u);
    const DayCount& today = s.last30Days.back();
    EXPECT_EQ(today.day, kToday);
    EXPECT_EQ(today.answers, 3);
    EXPECT_EQ(today.words, 2);
    EXPECT_EQ(today.firstRight, 1);
    EXPECT_DOUBLE_EQ(today.firstRightShare(), 0.5);
    EXPECT_EQ(s.last30Days[29 - 10].words, 1);
    EXPECT_EQ(s.last30Days[29 - 5].words, 0) << "a day without practice counts 0";

    ASSERT_EQ(s.last365Days.size(), 365u);
    EXPECT_EQ(s.last365Days.front().day, kToday.addDays(-364));
    ASSERT_EQ(s.last12Months.size(), 12u);
    EXPECT_EQ(s.last12Months.back().day, QDate(2026, 12, 1));
    EXPECT_EQ(s.last12Months.back().words, 6);
    EXPECT_EQ(s.last12Months[10].words, 5) << "November: the five cat days (Nov 23-27)";
    EXPECT_EQ(s.last12Months.front().day, QDate(2026, 1, 1));
    EXPECT_EQ(s.last12Months.front().words, 0) << "the dog line of December 2025 is older than the 12 months";
}

TEST(LearningRecord, MostMissedWordsWithTheirLatestMeaning)
{
    QString history;
    history += line("man", "男", QDate(2026, 11, 1), "×○");
    history += line("man", "男の人,マン", QDate(2026, 12, 1), "×○");
    history += line("dog", "いぬ", QDate(2026, 12, 2), "××○");
    history += line("cat", "ねこ", QDate(2026, 12, 3), "×○");
    history += line("apple", "りんご", QDate(2026, 12, 3), "○");
    const HistorySummary s = summariseHistory(history, kToday, 2);
    ASSERT_EQ(s.mostMissed.size(), 2u);
    // dog and man both missed twice: the one seen later comes first.
    EXPECT_EQ(s.mostMissed[0].english, QStringLiteral("dog"));
    EXPECT_EQ(s.mostMissed[1].english, QStringLiteral("man"));
    EXPECT_EQ(s.mostMissed[1].meaning, QStringLiteral("男の人,マン"));
    EXPECT_EQ(s.mostMissed[1].lastSeen, QDate(2026, 12, 1));
    EXPECT_EQ(s.mostMissed[1].lines, 2);
    EXPECT_DOUBLE_EQ(s.mostMissed[1].firstRightRate(), 0.0);
}

TEST(LearningRecord, NoHistory)
{
    const HistorySummary s = summariseHistory(QString(), kToday);
    EXPECT_EQ(s.currentStreak, 0);
    EXPECT_EQ(s.longestStreak, 0);
    EXPECT_TRUE(s.mostMissed.empty());
    EXPECT_EQ(s.last30Days.size(), 30u);
}

TEST(LearningRecord, TestsPerLevelInTimeOrder)
{
    typing::TypingRecorder r;
    r.addTest({QDateTime(QDate(2026, 12, 2), QTime(9, 0)), 1, 150, 2, 144});
    r.addTest({QDateTime(QDate(2026, 12, 1), QTime(9, 0)), 1, 120, 0, 120});
    r.addTest({QDateTime(QDate(2026, 12, 1), QTime(10, 0)), 3, 90, 1, 87});
    r.addTest({QDateTime(QDate(2026, 12, 3), QTime(9, 0)), 1, 0, 360, -1080});
    const typing::TypingRecord record = typing::readTypingRecord(r.textToAppend(0));
    const std::vector<TestPoint> low = testsOfLevel(record, 1);
    ASSERT_EQ(low.size(), 3u);
    EXPECT_EQ(low[0].score, 120);
    // The figure of the trainer's result: net characters, never below 0.
    EXPECT_EQ(low[1].charactersPer10Minutes, 1440);
    EXPECT_EQ(low[2].score, -1080);
    EXPECT_EQ(low[2].charactersPer10Minutes, 0);
    EXPECT_EQ(testsOfLevel(record, 3).size(), 1u);
    EXPECT_TRUE(testsOfLevel(record, 2).empty());
}

} // namespace

// The record and today's review read the same lines of a history: whatever
// one counts as read or skipped, so does the other.
TEST(LearningRecord, ReadsTheSameLinesAsTodaysReview)
{
    const QString history = u"\r\n"
                            u"apple,りんご,2026/12/01,○\r\n"
                            u"apple,りんご,26/12/01,○\r\n"         // two-digit year
                            u"apple,りんご,2026/12/02,○x\r\n"      // not a mark
                            u"apple,2026/12/02,○\r\n"              // no meaning field
                            u"   \r\n"                             // blank
                            u"pen,ペン,2026/12/3,×\n"              // short date, lone LF
                            u"cup,カップ,2026-12-04 , ○○ \r\n"_qs; // spaces around fields
    const HistorySummary summary = summariseHistory(history, kToday);
    const ReplayedHistory replayed = replayHistory(history, kToday);
    EXPECT_EQ(summary.readLines, 3);
    EXPECT_EQ(summary.skippedLines, 3);
    EXPECT_EQ(replayed.readLines, summary.readLines);
    EXPECT_EQ(replayed.skippedLines, summary.skippedLines);
    EXPECT_EQ(summary.last30Days[29 - 3].answers, 2) << "cup's two marks on December 4";
}
