#include "support/fakes.h"
#include "typing/courses.h"

#include <gtest/gtest.h>

namespace lumo::typing {
namespace {

// Checks that every line 1..n has `length` characters out of `alphabet` and
// that nothing follows line n.
void expectLines(const LineTables& t, int first, int n, int length, const QString& alphabet)
{
    for (int i = first; i <= n; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(t.text[i].size(), length);
        for (QChar c : t.text[i])
            EXPECT_TRUE(alphabet.contains(c)) << QString(c).toStdString();
        EXPECT_TRUE(t.hint[i].isEmpty());
    }
    EXPECT_TRUE(t.text[n + 1].isEmpty());
    EXPECT_TRUE(t.text[0].isEmpty());
}

struct BaseCase {
    Course course;
    const char* keys;
};
class BaseCourses : public ::testing::TestWithParam<BaseCase> {};

TEST_P(BaseCourses, RowDrillShape)
{
    test::ScriptedRandom random;
    for (int i = 0; i < 2000; ++i)
        random.values.push_back(float((i * 37) % 1000) / 1000.0f);
    LineTables t;
    t.hint[5] = QStringLiteral("stale");
    fillBuiltInCourse(GetParam().course, t);
    const QString keys = QString::fromLatin1(GetParam().keys);
    EXPECT_EQ(random.randomizeCalls, 1);
    if (GetParam().course == Course::Base5) {
        expectLines(t, 1, 30, 30, keys);
        EXPECT_EQ(random.draws, 900);
    } else {
        EXPECT_EQ(t.text[1], keys);
        expectLines(t, 2, 30, 30, keys);
        EXPECT_EQ(random.draws, 870);
    }
}

INSTANTIATE_TEST_SUITE_P(Courses, BaseCourses,
                         ::testing::Values(BaseCase{Course::Base1, "ASDFGHJKL;"},
                                           BaseCase{Course::Base2, "QWERTFYUIOPJ"},
                                           BaseCase{Course::Base3, "ZXCVBFNM,./J"},
                                           BaseCase{Course::Base4, "12345F67890J"},
                                           BaseCase{Course::Base5, "12345F67890JQWERTFYUIOPJASDFGHJKL;ZXCVBFNM,./J"}));

TEST(Courses, WeakKeyDrillAddsTheHomeKeysOnce)
{
    test::ScriptedRandom random;
    // round(u × 100) mod 6 + 1 walks the keys in order: F is already weak,
    // so only J is added.
    random.values = {0.0f, 0.01f, 0.02f, 0.03f, 0.04f, 0.05f, 0.06f};
    LineTables t;
    weakKeyLines(t, QStringLiteral("FQPZX"));
    EXPECT_EQ(random.randomizeCalls, 1);
    EXPECT_EQ(t.text[1].left(7), QStringLiteral("FQPZXJF"));
    EXPECT_EQ(t.filled(), 30);
    EXPECT_EQ(t.hint[30], QStringLiteral("苦手なキー F・Q・P・Z・X を練習します。"));
}

TEST(Courses, RandomKeysFollowTheDraws)
{
    test::ScriptedRandom random;
    // round(u × 100) mod L + 1: 12 → 3rd of ten keys, 12 → 1st of twelve.
    random.values = {0.0f, 0.12f, 0.99f};
    LineTables t;
    t.text[1] = baseKeys(Course::Base1);
    randomKeyLines(t);
    EXPECT_EQ(t.text[2].left(3), QStringLiteral("AD;"));
    random.values = {0.0f, 0.12f, 0.13f};
    LineTables u;
    u.text[1] = baseKeys(Course::Base2);
    randomKeyLines(u);
    EXPECT_EQ(u.text[2].left(3), QStringLiteral("QQW"));
}

TEST(Courses, KanaListsPairUp)
{
    const std::pair<Course, int> sizes[] = {{Course::KanaA, 15}, {Course::KanaI, 13}, {Course::KanaU, 14},
                                            {Course::KanaE, 13}, {Course::KanaO, 15}, {Course::KanaSpecial, 33}};
    for (const auto& [course, count] : sizes) {
        const KanaList lists = kanaList(course);
        EXPECT_EQ(lists.romaji.count(u','), count);
        EXPECT_EQ(lists.kana.count(u','), count);
        EXPECT_TRUE(lists.romaji.endsWith(u','));
    }
}

TEST(Courses, KanaLinesListOrderThenRepeats)
{
    test::ScriptedRandom random;
    random.values = {0.0f, 0.14f}; // then 0: repeats of the first syllable
    LineTables t;
    const KanaList lists = kanaList(Course::KanaI);
    kanaLines(lists.romaji, lists.kana, t);
    EXPECT_EQ(t.text[1], QStringLiteral("I"));
    EXPECT_EQ(t.hint[1], QStringLiteral("い"));
    EXPECT_EQ(t.text[13], QStringLiteral("PI"));
    EXPECT_EQ(t.hint[13], QStringLiteral("ぴ"));
    EXPECT_EQ(t.text[14], QStringLiteral("I"));
    EXPECT_EQ(t.text[15], QStringLiteral("KI")); // 14 mod 13 + 1 = 2
    EXPECT_EQ(t.hint[15], QStringLiteral("き"));
    EXPECT_EQ(t.filled(), 60);
    EXPECT_EQ(random.draws, 47);
}

TEST(Courses, EveryKanaCourseHasSixtyMatchingLines)
{
    test::ScriptedRandom random;
    for (int i = 0; i < 500; ++i)
        random.values.push_back(float((i * 7919) % 1000) / 1000.0f);
    for (Course c : {Course::KanaVowels, Course::KanaA, Course::KanaSpecial}) {
        LineTables t;
        fillBuiltInCourse(c, t);
        EXPECT_EQ(t.filled(), 60);
        EXPECT_TRUE(t.text[61].isEmpty());
        QStringList romaji, kana;
        if (c == Course::KanaVowels) {
            romaji = QStringLiteral("A,I,U,E,O").split(u',');
            kana = QStringLiteral("あ,い,う,え,お").split(u',');
        } else {
            romaji = kanaList(c).romaji.split(u',');
            kana = kanaList(c).kana.split(u',');
        }
        for (int i = 1; i <= 60; ++i) {
            const qsizetype at = romaji.indexOf(t.text[i]);
            ASSERT_GE(at, 0) << t.text[i].toStdString();
            EXPECT_EQ(t.hint[i], kana[at]);
        }
    }
}

TEST(Courses, VowelsFromTheDraws)
{
    test::ScriptedRandom random;
    random.values = {0.01f, 0.04f, 0.05f};
    LineTables t;
    vowelLines(t);
    EXPECT_EQ(t.text[1] + t.text[2] + t.text[3], QStringLiteral("IOA"));
    EXPECT_EQ(t.hint[1] + t.hint[2] + t.hint[3], QStringLiteral("いおあ"));
}

TEST(Courses, LineShuffleSwapsWithHints)
{
    test::ScriptedRandom random;
    LineTables t;
    t.text = {"", "A", "B", "C"};
    t.hint = {"", "a", "b", "c"};
    // i = 1: j = 1; i = 2: j = 2; i = 3: r = 1000 × 0.001 = 1 → j = 2.
    random.values = {0.0f, 0.001f, 0.001f};
    shuffleLines(3, t);
    EXPECT_EQ(t.text[1] + t.text[2] + t.text[3], QStringLiteral("ACB"));
    EXPECT_EQ(t.hint[1] + t.hint[2] + t.hint[3], QStringLiteral("acb"));

    shuffleLines(0, t); // nothing
    EXPECT_EQ(random.draws, 3);
}

TEST(Courses, LineShuffleFillsAGapFromThePreviousLine)
{
    test::ScriptedRandom random;
    LineTables t;
    t.text = {"", "A", "", "C"};
    t.hint = {"", "a", "", "c"};
    random.values = {0.0f, 0.001f, 0.002f}; // no swaps
    shuffleLines(3, t);
    EXPECT_EQ(t.text[2], QStringLiteral("A"));
    EXPECT_EQ(t.hint[2], QStringLiteral("a"));
}

struct PickCase {
    const char* line;
    int level;
    bool taken;
};
class WordPickLevels : public ::testing::TestWithParam<PickCase> {};

TEST_P(WordPickLevels, Boundary)
{
    test::ScriptedRandom random; // every draw 0: even
    LineTables t;
    const int n = pickCourseWords(QString::fromUtf8(GetParam().line) + QStringLiteral("\r\n"), GetParam().level, 0, t);
    EXPECT_EQ(n, GetParam().taken ? 1 : 0);
    if (GetParam().taken) {
        const QString line = QString::fromUtf8(GetParam().line).trimmed();
        EXPECT_EQ(t.text[1], line.left(line.indexOf(u',')));
        EXPECT_EQ(t.hint[1], line);
    }
}

INSTANTIATE_TEST_SUITE_P(Courses, WordPickLevels,
                         ::testing::Values(PickCase{"apple,りんご", 1, true}, PickCase{"orange,オレンジ", 1, false},
                                           PickCase{"apple,りんご", 2, false}, PickCase{"orange,オレンジ", 2, true},
                                           PickCase{"absolute,絶対の", 3, true}, PickCase{"beautiful,美しい", 3, false},
                                           PickCase{"  cat,ねこ  ", 1, true},
                                           // Nothing to type: never taken.
                                           PickCase{"nocomma", 1, false}, PickCase{",意味だけ", 3, false}));

TEST(Courses, WordPickTakesEvenDrawsAndStopsAtForty)
{
    test::ScriptedRandom random;
    random.values = {0.001f, 0.002f, 0.0f}; // odd, even, even
    LineTables t;
    const QString three = QStringLiteral("one,1\r\ntwo,2\r\n\r\nsix,6\r\n");
    // The blank line costs a draw too (0 after the script: even).
    EXPECT_EQ(pickCourseWords(three, 1, 0, t), 2);
    EXPECT_EQ(t.text[1], QStringLiteral("two"));
    EXPECT_EQ(t.text[2], QStringLiteral("six"));
    EXPECT_EQ(random.draws, 4);

    // Continues after `start`; never more than 40.
    QString many;
    for (int i = 0; i < 50; ++i)
        many += QStringLiteral("w%1,x\r\n").arg(i);
    EXPECT_EQ(pickCourseWords(many, 1, 2, t), 40);
    EXPECT_EQ(t.text[3], QStringLiteral("w0"));
    EXPECT_EQ(t.text[40], QStringLiteral("w37"));
    EXPECT_TRUE(t.text[41].isEmpty());
    EXPECT_EQ(pickCourseWords(many, 1, 40, t), 40);
    EXPECT_EQ(t.text[40], QStringLiteral("w37"));
}

TEST(Courses, ProverbPairs)
{
    LineTables t;
    const QString text = QStringLiteral(" Time is money. \r\n時は金なり。\r\nNo pain, no gain.\r\n苦労なくして\r\n\r\n"
                                        "After,blank\r\nignored\r\n");
    EXPECT_EQ(proverbLines(text, t), 2);
    EXPECT_EQ(t.text[1], QStringLiteral("Time is money."));
    EXPECT_EQ(t.hint[1], QStringLiteral("Time is money.\r\n時は金なり。"));
    EXPECT_EQ(t.text[2], QStringLiteral("No pain, no gain."));
    EXPECT_TRUE(t.text[3].isEmpty());

    // A last English line counts only when a line break follows it.
    LineTables odd;
    EXPECT_EQ(proverbLines(QStringLiteral("A\r\nあ\r\nB"), odd), 1);
    EXPECT_EQ(proverbLines(QStringLiteral("A\r\nあ\r\nB\r\n"), odd), 2);
    EXPECT_EQ(odd.hint[2], QStringLiteral("B\r\n"));
}

TEST(Courses, ProverbsStopAfterEightyOnePairs)
{
    QString text;
    for (int i = 1; i <= 90; ++i)
        text += QStringLiteral("P%1\r\n訳%1\r\n").arg(i);
    LineTables t;
    EXPECT_EQ(proverbLines(text, t), 81);
    EXPECT_EQ(t.text[81], QStringLiteral("P81"));
    EXPECT_TRUE(t.text[82].isEmpty());
}

} // namespace
} // namespace lumo::typing
