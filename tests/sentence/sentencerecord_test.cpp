#include "sentence/sentencerecord.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QDate kToday(2026, 12, 7);

SentenceAttempt attempt(int daysAgo, int tryNumber, bool right, int hints, WordList missed = {})
{
    SentenceAttempt a;
    a.when = QDateTime(kToday.addDays(-daysAgo), QTime(13, 5, 9));
    a.attempt = tryNumber;
    a.right = right;
    a.hints = hints;
    a.sentence = QStringLiteral("Time is money.");
    a.typed = QStringLiteral("time is mony");
    a.missed = std::move(missed);
    return a;
}

TEST(SentenceRecord, AppendsLinesByteForByte)
{
    test::TempProgramFolder folder;
    SentenceAttempt first = attempt(0, 1, false, 2, {{QStringLiteral("money"), QStringLiteral("お金")}});
    first.mode = SentenceMode::Dictation;
    first.typed = QStringLiteral("time\tis\u00e9 mony"); // a tab and a letter the file cannot hold
    ASSERT_TRUE(appendSentenceAttempt(folder.path(), first).ok);
    ASSERT_TRUE(appendSentenceAttempt(folder.path(), attempt(0, 2, true, 2)).ok);
    const QByteArray expected =
        QStringLiteral("2026/12/07 13:05:09\tD\t1\t×\t2\tTime is money.\ttime is? mony\tmoney,お金\r\n"
                       "2026/12/07 13:05:09\tT\t2\t○\t2\tTime is money.\ttime is mony\r\n")
            .toUtf8();
    EXPECT_EQ(decodeCp932(folder.readBytes(QStringLiteral("SentenceRecord.dat"))).text.toUtf8(), expected);
}

TEST(SentenceRecord, LinesReadBackAndDamagedOnesAreSkipped)
{
    SentenceAttempt a = attempt(
        3, 2, true, 1, {{QStringLiteral("is"), QString()}, {QStringLiteral("money"), QStringLiteral("お金,okane")}});
    const std::optional<SentenceAttempt> back = readSentenceRecordLine(sentenceRecordLine(a));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->when, a.when);
    EXPECT_EQ(back->attempt, 2);
    EXPECT_EQ(back->hints, 1);
    EXPECT_TRUE(back->right);
    EXPECT_EQ(back->typed, a.typed);
    ASSERT_EQ(back->missed.size(), 2u);
    EXPECT_EQ(back->missed[1].meaning, QStringLiteral("お金,okane")); // the first comma splits

    for (const char* damaged : {"2026/12/07 13:05:09\tX\t1\t○\t0\ta\tb", "2026/13/07 13:05:09\tD\t1\t○\t0\ta\tb",
                                "2026/12/07 13:05:09\tD\t0\t○\t0\ta\tb", "2026/12/07 13:05:09\tD\t1\t○\t0\ta"})
        EXPECT_FALSE(readSentenceRecordLine(QString::fromUtf8(damaged))) << damaged;
}

TEST(SentenceRecord, SummaryCountsDaysFirstTriesAndMissedWords)
{
    const WordPair money{QStringLiteral("money"), QStringLiteral("お金")};
    const WordPair is{QStringLiteral("is"), QString()};
    QString text;
    for (const SentenceAttempt& a : {attempt(40, 1, false, 0, {money}),    // before the chart, still counted
                                     attempt(2, 1, true, 0),               // right first time
                                     attempt(2, 1, true, 1),               // right, but with a hint
                                     attempt(0, 1, false, 0, {money, is}), // wrong, then right
                                     attempt(0, 2, true, 0)})
        text += sentenceRecordLine(a) + QStringLiteral("\r\n");
    text += QStringLiteral("garbage\r\n\r\n");
    text += sentenceRecordLine(attempt(0, 1, false, 0, {{QStringLiteral("Money"), QString()}}));

    const SentenceSummary s = summariseSentenceRecord(text, kToday, 1);
    EXPECT_EQ(s.readLines, 6);
    EXPECT_EQ(s.skippedLines, 1);
    EXPECT_EQ(s.sentences, 5);
    EXPECT_EQ(s.firstRight, 1);
    ASSERT_EQ(s.last30Days.size(), 30u);
    EXPECT_EQ(s.last30Days.back().day, kToday);
    EXPECT_EQ(s.last30Days.back().sentences, 2);
    EXPECT_EQ(s.last30Days.back().judgements, 3);
    EXPECT_EQ(s.last30Days[27].sentences, 2);
    EXPECT_EQ(s.last30Days[27].firstRight, 1);
    ASSERT_EQ(s.mostMissed.size(), 1u); // cut to the count asked for
    EXPECT_EQ(s.mostMissed[0].word, QStringLiteral("money"));
    EXPECT_EQ(s.mostMissed[0].misses, 3);
    EXPECT_EQ(s.mostMissed[0].meaning, QStringLiteral("お金")) << "a meaning once known is kept";
}

} // namespace
