#include "reference_vectors.h"
#include "review/historyreplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace lumo;
using lumo::test::referenceSequences;

namespace {

const WordMemory* findWord(const ReplayedHistory& history, const QString& english)
{
    const auto it = std::find_if(history.words.begin(), history.words.end(),
                                 [&](const WordMemory& word) { return word.english == english; });
    return it == history.words.end() ? nullptr : &*it;
}

} // namespace

// The reference sequences written as one training history, in order of date
// as the program appends it, with the empty lines it leaves between lines.
TEST(HistoryReplayReference, ReplayedHistoryMatchesTheReferenceScheduler)
{
    std::multimap<QString, QString> linesByDate; // a stable order within a date
    std::vector<const test::ReferenceSequence*> withHistory;
    for (const auto& sequence : referenceSequences()) {
        if (sequence.history.empty())
            continue;
        const QString english = QStringLiteral("word%1").arg(withHistory.size());
        withHistory.push_back(&sequence);
        for (const auto& line : sequence.history)
            linesByDate.emplace(line.date, english + u",意味,"_qs + line.date + u',' + line.marks);
    }
    QString text;
    for (const auto& [date, line] : linesByDate)
        text += u"\r\n\r\n"_qs + line;
    text += u"\r\n"_qs;

    // One replay, and the words shared out over three running side by side.
    for (const unsigned parts : {1u, 3u}) {
        SCOPED_TRACE(parts);
        const ReplayedHistory history = replayHistory(text, QDate(2030, 1, 1), parts);
        EXPECT_EQ(history.skippedLines, 0);
        EXPECT_EQ(history.readLines, static_cast<int>(linesByDate.size()));
        ASSERT_EQ(history.words.size(), withHistory.size());
        for (std::size_t i = 0; i < withHistory.size(); ++i) {
            const auto& sequence = *withHistory[i];
            const auto& last = sequence.steps.back();
            const WordMemory* word = findWord(history, QStringLiteral("word%1").arg(i));
            ASSERT_NE(word, nullptr);
            SCOPED_TRACE(sequence.name.toStdString());
            EXPECT_EQ(word->card.state, last.state);
            EXPECT_NEAR(word->card.stability, last.stability, 0.01);
            EXPECT_NEAR(word->card.difficulty, last.difficulty, 1e-6);
            EXPECT_EQ(word->due(), last.due);
            EXPECT_EQ(word->lastReview(), last.date);
            EXPECT_EQ(word->card.reviews, static_cast<int>(sequence.steps.size()));
        }
    }
}

TEST(HistoryReplayReference, RetrievabilityIsTheOneOfTheDayAskedFor)
{
    for (const auto& sequence : referenceSequences()) {
        if (sequence.history.empty())
            continue;
        QString text;
        for (const auto& line : sequence.history)
            text += u"\r\n\r\nword,意味,"_qs + line.date + u',' + line.marks;
        const ReplayedHistory history = replayHistory(text, sequence.today);
        ASSERT_EQ(history.words.size(), 1u);
        SCOPED_TRACE(sequence.name.toStdString());
        EXPECT_NEAR(history.words[0].retrievability, sequence.retrievability, 1e-6);
    }
}

TEST(HistoryReplay, ReadsTheFieldsAroundMeaningsWithCommas)
{
    const ReplayedHistory history = replayHistory(u"\r\n\r\napple,りんご,ringo,2024/01/15,○\r\n"
                                                  u"pen,ペン,2024/01/15,×○\r\n"_qs,
                                                  QDate(2024, 1, 20));
    ASSERT_EQ(history.words.size(), 2u);
    EXPECT_EQ(history.words[0].english, u"apple"_qs);
    EXPECT_EQ(history.words[0].meaning, u"りんご,ringo"_qs);
    EXPECT_EQ(history.words[0].card.reviews, 1);
    EXPECT_EQ(history.words[1].meaning, u"ペン"_qs);
    EXPECT_EQ(history.words[1].card.reviews, 2);
    EXPECT_EQ(history.words[1].lastReview(), QDate(2024, 1, 15));
    EXPECT_EQ(history.skippedLines, 0);
}

TEST(HistoryReplay, UnreadableLinesAreSkippedAndCounted)
{
    const QString text = u"\r\n"
                         u"apple,りんご,2024/01/15,○\r\n"
                         u"apple,りんご,2024/13/01,○\r\n"  // no such month
                         u"apple,りんご,24/01/16,○\r\n"    // two-digit year
                         u"apple,りんご,2024/02/30,×\r\n"  // no such day
                         u"apple,りんご,きのう,○\r\n"      // no date
                         u"apple,りんご,2024/01/16,\r\n"   // no marks
                         u"apple,りんご,2024/01/16,○x\r\n" // not a mark
                         u"apple,2024/01/16,○\r\n"         // no meaning field
                         u",りんご,2024/01/16,○\r\n"       // no English
                         u"just a line\r\n"
                         u"   \r\n"                             // blank: not counted
                         u"pen,ペン,2024/1/16,×\n"              // short date, lone LF
                         u"cup,カップ,2024-01-17 , ○○ \r\n"_qs; // spaces around fields
    const ReplayedHistory history = replayHistory(text, QDate(2024, 2, 1));
    EXPECT_EQ(history.skippedLines, 9);
    EXPECT_EQ(history.readLines, 3);
    ASSERT_EQ(history.words.size(), 3u);
    EXPECT_EQ(history.words[0].card.reviews, 1);
    EXPECT_EQ(history.words[1].lastReview(), QDate(2024, 1, 16));
    EXPECT_EQ(history.words[2].card.reviews, 2);
}

TEST(HistoryReplay, DatesAreReadStrictly)
{
    EXPECT_EQ(readHistoryDate(u"2001/03/05"), QDate(2001, 3, 5));
    EXPECT_EQ(readHistoryDate(u"2001/3/5"), QDate(2001, 3, 5));
    EXPECT_EQ(readHistoryDate(u"2001-03-05"), QDate(2001, 3, 5));
    EXPECT_EQ(readHistoryDate(u" 2024/02/29 "), QDate(2024, 2, 29));
    EXPECT_FALSE(readHistoryDate(u"2023/02/29"));
    EXPECT_FALSE(readHistoryDate(u"2001/03-05"));
    EXPECT_FALSE(readHistoryDate(u"2001/003/05"));
    EXPECT_FALSE(readHistoryDate(u"12001/03/05"));
    EXPECT_FALSE(readHistoryDate(u"2001/03/05/"));
    EXPECT_FALSE(readHistoryDate(u"２００１/03/05"));
    EXPECT_FALSE(readHistoryDate(u""));
}

TEST(HistoryReplay, LinesOfOneDayAreOneDayOfReviewsWhateverTheirSplit)
{
    const QDate today(2024, 3, 1);
    const ReplayedHistory split = replayHistory(u"a,あ,2024/01/15,×\r\n"
                                                u"b,い,2024/01/15,○\r\n"
                                                u"a,あ,2024/01/15,○○\r\n"
                                                u"a,あ,2024/01/17,○\r\n"_qs,
                                                today);
    const ReplayedHistory joined = replayHistory(u"a,あ,2024/01/15,×○○\r\na,あ,2024/01/17,○\r\n"_qs, today);
    const WordMemory* a = findWord(split, u"a"_qs);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->card.reviews, 4);
    EXPECT_DOUBLE_EQ(a->card.stability, joined.words[0].card.stability);
    EXPECT_DOUBLE_EQ(a->card.difficulty, joined.words[0].card.difficulty);
    EXPECT_EQ(a->card.dueDay, joined.words[0].card.dueDay);
}

TEST(HistoryReplay, OutOfOrderLinesAreReplayedByDateAndTheLatestMeaningWins)
{
    const QDate today(2024, 6, 1);
    const ReplayedHistory shuffled = replayHistory(u"run,走る,2024/02/01,○\r\n"
                                                   u"run,経営する,2024/03/01,○\r\n"
                                                   u"run,走る,2024/01/01,×○\r\n"_qs,
                                                   today);
    const ReplayedHistory ordered = replayHistory(u"run,走る,2024/01/01,×○\r\n"
                                                  u"run,走る,2024/02/01,○\r\n"
                                                  u"run,経営する,2024/03/01,○\r\n"_qs,
                                                  today);
    ASSERT_EQ(shuffled.words.size(), 1u);
    EXPECT_EQ(shuffled.words[0].meaning, u"経営する"_qs);
    EXPECT_EQ(shuffled.words[0].lastReview(), QDate(2024, 3, 1));
    EXPECT_DOUBLE_EQ(shuffled.words[0].card.stability, ordered.words[0].card.stability);
    EXPECT_EQ(shuffled.words[0].card.dueDay, ordered.words[0].card.dueDay);
}

TEST(HistoryReplay, EachEnglishSpellingIsItsOwnWord)
{
    const ReplayedHistory history =
        replayHistory(u"Apple,りんご,2024/01/15,○\r\napple,りんご,2024/01/15,○\r\napple ,りんご,2024/01/15,×\r\n"_qs,
                      QDate(2024, 1, 15));
    ASSERT_EQ(history.words.size(), 3u);
    EXPECT_EQ(history.words[2].english, u"apple "_qs);
    EXPECT_EQ(history.words[0].firstLine, 0);
    EXPECT_EQ(history.words[2].firstLine, 2);
}

TEST(HistoryReplay, EmptyHistoryHasNoWords)
{
    const ReplayedHistory history = replayHistory(u"\r\n\r\n\r\n"_qs, QDate(2024, 1, 15));
    EXPECT_TRUE(history.words.empty());
    EXPECT_EQ(history.skippedLines, 0);
    EXPECT_TRUE(replayHistory(QStringView(), QDate(2024, 1, 15)).words.empty());
}

// A long history with meanings that change and a clock set back now and then,
// replayed whole and in parts: every word, its order, meaning and card agree.
TEST(HistoryReplay, ReplayingInPartsGivesTheSameWords)
{
    QString text;
    const QString marks[] = {u"○"_qs, u"×○"_qs, u"××○"_qs, u"×"_qs, u"○×○"_qs};
    quint32 seed = 7;
    const auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    for (int line = 0; line < 6000; ++line) {
        const QDate date = QDate(2020, 1, 1).addDays(line / 20 - (next(50) == 0 ? 40 : 0));
        const quint32 word = next(700);
        text += u"\r\n\r\nword"_qs + QString::number(word) + u",意味"_qs + QString::number(next(3)) + u',' +
                date.toString(u"yyyy/MM/dd") + u',' + marks[next(5)];
    }
    text += u"\r\nnot a line\r\n"_qs;
    const QDate today(2020, 12, 1);
    const ReplayedHistory whole = replayHistory(text, today, 1);
    ASSERT_EQ(whole.words.size(), 700u);
    for (const unsigned parts : {2u, 3u, 4u}) {
        SCOPED_TRACE(parts);
        const ReplayedHistory inParts = replayHistory(text, today, parts);
        EXPECT_EQ(inParts.readLines, whole.readLines);
        EXPECT_EQ(inParts.skippedLines, 1);
        ASSERT_EQ(inParts.words.size(), whole.words.size());
        for (std::size_t i = 0; i < whole.words.size(); ++i) {
            const WordMemory& a = whole.words[i];
            const WordMemory& b = inParts.words[i];
            ASSERT_EQ(a.english, b.english);
            EXPECT_EQ(a.meaning, b.meaning);
            EXPECT_EQ(a.firstLine, b.firstLine);
            EXPECT_EQ(a.card.stability, b.card.stability);
            EXPECT_EQ(a.card.dueDay, b.card.dueDay);
            EXPECT_EQ(a.card.reviews, b.card.reviews);
            EXPECT_EQ(a.retrievability, b.retrievability);
        }
    }
}
