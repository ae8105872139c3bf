#include "review/todaysreview.h"
#include "support/eightwordhistory.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

// Eight words learned over two months (support/eightwordhistory.h).
const QString& kHistory = test::kEightWordHistory;

QStringList englishOf(const TodaysReview& review)
{
    QStringList words;
    for (const ReviewWord& word : review.words)
        words.append(word.english);
    return words;
}

} // namespace

TEST(TodaysReview, DueWordsMostOverdueFirstWithTomorrowAndTheNextDueDay)
{
    const TodaysReview review = chooseTodaysReview(kHistory, QDate(2024, 3, 20));
    EXPECT_EQ(englishOf(review), QStringList({"apple", "book", "cat", "egg", "fish"}));
    EXPECT_EQ(review.words[0].due, QDate(2024, 3, 1));
    EXPECT_EQ(review.words[0].overdueDays, 19);
    EXPECT_EQ(review.words[1].due, QDate(2024, 3, 9));
    EXPECT_EQ(review.words[2].due, QDate(2024, 3, 13));
    EXPECT_EQ(review.words[4].overdueDays, 0);
    EXPECT_EQ(review.words[3].meaning, u"卵"_qs);
    EXPECT_EQ(review.dueCount, 5);
    EXPECT_EQ(review.dueTomorrow, 1); // hat
    EXPECT_EQ(review.nextDue, QDate(2024, 3, 21));
    EXPECT_EQ(review.wordCount, 8);
    EXPECT_TRUE(review.hasHistory());

    // A day later: hat joins, and the latest meaning of girl is kept for its day.
    const TodaysReview later = chooseTodaysReview(kHistory, QDate(2024, 5, 8));
    EXPECT_EQ(later.dueCount, 8);
    EXPECT_EQ(later.words.back().english, u"girl"_qs);
    EXPECT_EQ(later.words.back().meaning, u"女の子"_qs);
    EXPECT_FALSE(later.nextDue);
}

TEST(TodaysReview, TheLimitCutsTheListButNotTheCount)
{
    const QDate today(2024, 3, 20);
    const TodaysReview three = chooseTodaysReview(kHistory, today, 3);
    EXPECT_EQ(englishOf(three), QStringList({"apple", "book", "cat"}));
    EXPECT_EQ(three.dueCount, 5);
    EXPECT_TRUE(chooseTodaysReview(kHistory, today, 0).words.empty());
    EXPECT_TRUE(chooseTodaysReview(kHistory, today, -4).words.empty());
    EXPECT_EQ(chooseTodaysReview(kHistory, today, 1000).words.size(), 5u);
}

TEST(TodaysReview, NothingDueTellsWhenTheNextWordIs)
{
    const QString history = u"dog,犬,2024/03/10,○\r\ndog,犬,2024/03/11,○\r\ndog,犬,2024/03/14,○\r\n"_qs;
    const TodaysReview review = chooseTodaysReview(history, QDate(2024, 3, 20));
    EXPECT_TRUE(review.words.empty());
    EXPECT_EQ(review.dueCount, 0);
    EXPECT_EQ(review.dueTomorrow, 0);
    EXPECT_EQ(review.nextDue, QDate(2024, 4, 3));
    EXPECT_TRUE(review.hasHistory());
    EXPECT_EQ(chooseTodaysReview(history, QDate(2024, 4, 2)).dueTomorrow, 1);
    EXPECT_EQ(chooseTodaysReview(history, QDate(2024, 4, 3)).dueCount, 1);
}

TEST(TodaysReview, NoHistoryHasNothingDueAndNoNextDay)
{
    const TodaysReview review = chooseTodaysReview(u"\r\n"_qs, QDate(2024, 3, 20));
    EXPECT_FALSE(review.hasHistory());
    EXPECT_TRUE(review.words.empty());
    EXPECT_FALSE(review.nextDue);
    EXPECT_EQ(review.dueTomorrow, 0);

    const TodaysReview unreadable = chooseTodaysReview(u"apple,りんご,昨日,○\r\n"_qs, QDate(2024, 3, 20));
    EXPECT_FALSE(unreadable.hasHistory());
    EXPECT_EQ(unreadable.skippedLines, 1);
}

TEST(TodaysReview, EquallyOverdueWordsTheLeastRememberedFirstThenByTheirFirstLine)
{
    const QString history = u"x,エックス,2024/03/10,○\r\ny,ワイ,2024/03/10,×\r\nz,ゼット,2024/03/10,○\r\n"_qs;
    const TodaysReview review = chooseTodaysReview(history, QDate(2024, 3, 12));
    EXPECT_EQ(englishOf(review), QStringList({"y", "x", "z"}));
    EXPECT_LT(review.words[0].retrievability, review.words[1].retrievability);
}

// A learner who takes today's review every day for four months, learning
// three new words a day and missing every seventh answer: the review always
// brings back what has fallen due, and nothing is chosen before its day.
TEST(TodaysReview, DailyReviewsOverMonthsKeepTheBacklogSmall)
{
    QString history;
    QDate day(2024, 1, 1);
    int answer = 0;
    int newWord = 0;
    for (int d = 0; d < 120; ++d, day = day.addDays(1)) {
        const TodaysReview review = chooseTodaysReview(history, day, 50);
        EXPECT_LE(review.dueCount, 50) << day.toString(Qt::ISODate).toStdString();
        for (const ReviewWord& word : review.words)
            ASSERT_LE(word.due, day);
        QString run;
        const auto answerWord = [&](const QString& english, const QString& meaning) {
            const bool wrong = ++answer % 7 == 0;
            run += u"\r\n\r\n"_qs + english + u',' + meaning + u',' + day.toString(u"yyyy/MM/dd") +
                   (wrong ? u",×○"_qs : u",○"_qs);
        };
        for (const ReviewWord& word : review.words)
            answerWord(word.english, word.meaning);
        for (int k = 0; k < 3; ++k, ++newWord)
            answerWord(QStringLiteral("word%1").arg(newWord), QStringLiteral("意味%1").arg(newWord));
        history += run + u"\r\n\r\n"_qs;
    }
    const ReplayedHistory replayed = replayHistory(history, day);
    EXPECT_EQ(replayed.words.size(), 360u);
    int inReview = 0;
    for (const WordMemory& word : replayed.words)
        inReview += word.card.state == MemoryState::Review ? 1 : 0;
    // Only the words of the last day or two are still in their first steps.
    EXPECT_GE(inReview, 350);
}
