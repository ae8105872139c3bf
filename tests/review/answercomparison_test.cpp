#include "review/answercomparison.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <functional>
#include <map>

using namespace lumo;

namespace {

// The alignment written as one letter a step: = same, ~ changed, - missing,
// + extra, x swapped (one x for the pair).
std::string pattern(const AnswerComparison& comparison)
{
    std::string text;
    for (const LetterStep& step : comparison.steps) {
        switch (step.edit) {
        case LetterEdit::Same: text += '='; break;
        case LetterEdit::Changed: text += '~'; break;
        case LetterEdit::Missing: text += '-'; break;
        case LetterEdit::Extra: text += '+'; break;
        case LetterEdit::Swapped: text += 'x'; break;
        }
    }
    return text;
}

// The steps, read side by side, give back both answers; each step other than
// Same is one edit.
void expectConsistent(const AnswerComparison& comparison)
{
    QString typed, right;
    int edits = 0;
    for (const LetterStep& step : comparison.steps) {
        ASSERT_EQ(step.typedStart, typed.size());
        ASSERT_EQ(step.rightStart, right.size());
        const QString typedPart = comparison.typed.mid(step.typedStart, step.typedLength);
        const QString rightPart = comparison.right.mid(step.rightStart, step.rightLength);
        switch (step.edit) {
        case LetterEdit::Same: ASSERT_EQ(typedPart.toUpper(), rightPart.toUpper()); break;
        case LetterEdit::Changed:
            ASSERT_EQ(typedPart.size(), 1);
            ASSERT_EQ(rightPart.size(), 1);
            ASSERT_NE(typedPart.toUpper(), rightPart.toUpper());
            break;
        case LetterEdit::Missing: ASSERT_TRUE(typedPart.isEmpty() && rightPart.size() == 1); break;
        case LetterEdit::Extra: ASSERT_TRUE(rightPart.isEmpty() && typedPart.size() == 1); break;
        case LetterEdit::Swapped:
            ASSERT_EQ(typedPart.size(), 2);
            ASSERT_EQ(typedPart.at(0).toUpper(), rightPart.at(1).toUpper());
            ASSERT_EQ(typedPart.at(1).toUpper(), rightPart.at(0).toUpper());
            break;
        }
        edits += step.edit == LetterEdit::Same ? 0 : 1;
        typed += typedPart;
        right += rightPart;
    }
    EXPECT_EQ(typed, comparison.typed);
    EXPECT_EQ(right, comparison.right);
    EXPECT_EQ(edits, comparison.edits);
}

// Optimal string alignment distance, by plain recursion, for checking.
int slowDistance(const QString& a, const QString& b)
{
    std::map<std::pair<qsizetype, qsizetype>, int> memo;
    std::function<int(qsizetype, qsizetype)> d = [&](qsizetype i, qsizetype j) -> int {
        if (i == 0)
            return static_cast<int>(j);
        if (j == 0)
            return static_cast<int>(i);
        const auto key = std::make_pair(i, j);
        if (const auto it = memo.find(key); it != memo.end())
            return it->second;
        int best = std::min({d(i - 1, j) + 1, d(i, j - 1) + 1, d(i - 1, j - 1) + (a[i - 1] == b[j - 1] ? 0 : 1)});
        if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
            best = std::min(best, d(i - 2, j - 2) + 1);
        return memo[key] = best;
    };
    return d(a.size(), b.size());
}

struct ComparisonCase {
    const char16_t* typed;
    const char16_t* right;
    const char* pattern;
    int edits;
};

class AnswerComparisonCases : public testing::TestWithParam<ComparisonCase> {};

} // namespace

TEST_P(AnswerComparisonCases, AlignsWithTheFewestEdits)
{
    const ComparisonCase& c = GetParam();
    const AnswerComparison comparison = compareAnswers(QString::fromUtf16(c.typed), QString::fromUtf16(c.right));
    EXPECT_EQ(pattern(comparison), c.pattern);
    EXPECT_EQ(comparison.edits, c.edits);
    EXPECT_EQ(comparison.oneEditAway(), c.edits == 1);
    EXPECT_EQ(comparison.matches(), c.edits == 0);
    expectConsistent(comparison);
}

INSTANTIATE_TEST_SUITE_P(TypedAgainstRight, AnswerComparisonCases,
                         testing::Values(ComparisonCase{u"apple", u"apple", "=====", 0},
                                         // Judged as the quiz judges: outer spaces and case do not count.
                                         ComparisonCase{u"  Apple ", u"apple", "=====", 0},
                                         ComparisonCase{u"aple", u"apple", "==-==", 1},    // one letter missing
                                         ComparisonCase{u"appple", u"apple", "===+==", 1}, // one extra
                                         ComparisonCase{u"apqle", u"apple", "==~==", 1},   // one changed
                                         ComparisonCase{u"aplpe", u"apple", "==x=", 1},    // neighbours swapped
                                         ComparisonCase{u"paple", u"apple", "x===", 1},    // swapped at the start
                                         ComparisonCase{u"app le", u"apple", "===+==", 1}, // an inner space counts
                                         ComparisonCase{u"apppe", u"apple", "===~=", 1},
                                         ComparisonCase{u"aplep", u"apple", "==-==+", 2},
                                         ComparisonCase{u"", u"apple", "-----", 5},
                                         ComparisonCase{u"apple", u"", "+++++", 5}, ComparisonCase{u"", u"", "", 0},
                                         // Each letter takes part in at most one edit: not 2.
                                         ComparisonCase{u"ca", u"abc", "~~-", 3},
                                         ComparisonCase{u"ｐｅｎ", u"pen", "~~~", 3}, // full-width letters differ
                                         ComparisonCase{u"recieve", u"receive", "===x==", 1},
                                         ComparisonCase{u"neccessary", u"necessary", "===+======", 1}));

TEST(AnswerComparison, MatchesExactlyWhenTheQuizWouldJudgeItRight)
{
    EXPECT_TRUE(compareAnswers(u" Hello World "_qs, u"hello world"_qs).matches());
    // Only spaces are trimmed, as in judging.
    EXPECT_FALSE(compareAnswers(u"\thello"_qs, u"hello"_qs).matches());
    EXPECT_EQ(compareAnswers(u"take off"_qs, u"take  off"_qs).edits, 1);

    // Each answer is kept in its own letters, to be shown as written.
    const AnswerComparison mixed = compareAnswers(u" Rock & Rol "_qs, u"rock & roll"_qs);
    EXPECT_EQ(mixed.typed, u"Rock & Rol"_qs);
    EXPECT_EQ(mixed.right, u"rock & roll"_qs);
    EXPECT_EQ(pattern(mixed), "==========-");
}

TEST(AnswerComparison, RandomAnswersAlignOptimally)
{
    QRandomGenerator random(42);
    const QString letters = u"abcab"_qs;
    const auto randomWord = [&](int maxLength) {
        QString word;
        const int length = random.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i)
            word += letters.at(random.bounded(static_cast<int>(letters.size())));
        return word;
    };
    for (int round = 0; round < 400; ++round) {
        const QString a = randomWord(8);
        const QString b = randomWord(8);
        const AnswerComparison comparison = compareAnswers(a, b);
        SCOPED_TRACE(a.toStdString() + " / " + b.toStdString());
        EXPECT_EQ(comparison.edits, slowDistance(a.toUpper(), b.toUpper()));
        expectConsistent(comparison);
    }
}

TEST(AnswerComparison, VeryLongAnswersStayConsistentAndFindASingleTypo)
{
    QString right;
    for (int i = 0; i < 3000; ++i)
        right += QChar(u'A' + i % 26);
    QString typed = right;
    typed.remove(1500, 1);
    const AnswerComparison oneMissing = compareAnswers(typed, right);
    EXPECT_TRUE(oneMissing.oneEditAway());
    expectConsistent(oneMissing);

    // Different from the start to the end: aligned as one block, still whole.
    const QString other = QString(2500, u'Z');
    const AnswerComparison block = compareAnswers(other, right);
    EXPECT_GE(block.edits, 2900);
    expectConsistent(block);
}
