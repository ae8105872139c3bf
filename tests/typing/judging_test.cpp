#include "typing/judging.h"
#include "typing/skilltest.h"
#include "ui/fonts.h"

#include <QTextLayout>

#include <gtest/gtest.h>

#include <limits>

namespace lumo::typing {
namespace {

struct CodeCase {
    int code;
    const char* typed; // "" when the key is not judged
};
class TypedCharacter : public ::testing::TestWithParam<CodeCase> {};

TEST_P(TypedCharacter, FromWindowsKeyCode)
{
    EXPECT_EQ(typedCharacter(GetParam().code), QString::fromLatin1(GetParam().typed)) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Judging, TypedCharacter,
                         ::testing::Values(CodeCase{65, "A"}, CodeCase{90, "Z"}, CodeCase{48, "0"}, CodeCase{32, " "},
                                           // The Japanese keyboard's ":" and ";" keys.
                                           CodeCase{186, ":"}, CodeCase{187, ";"}, CodeCase{188, ","},
                                           CodeCase{190, "."}, CodeCase{191, "/"},
                                           // The keypad gives its own digits and symbols, the minus key "-".
                                           CodeCase{97, "1"}, CodeCase{96, "0"}, CodeCase{105, "9"}, CodeCase{111, "/"},
                                           CodeCase{106, "*"}, CodeCase{109, "-"}, CodeCase{110, "."},
                                           CodeCase{189, "-"},
                                           // Keys that print nothing.
                                           CodeCase{16, ""}, CodeCase{17, ""}, CodeCase{18, ""}, CodeCase{20, ""},
                                           CodeCase{144, ""}, CodeCase{112, ""}, CodeCase{123, ""}, CodeCase{37, ""},
                                           CodeCase{40, ""}, CodeCase{9, ""}, CodeCase{13, ""}, CodeCase{27, ""},
                                           CodeCase{8, ""}, CodeCase{0, ""}));

TrainerState lineState(const QString& line, bool kana = false, bool autoNext = false)
{
    TrainerState s;
    s.lines.text[1] = line;
    s.lines.text[2] = QStringLiteral("NEXT");
    s.lineNo = 1;
    s.kanaMode = kana;
    s.autoNext = autoNext;
    return s;
}

TEST(Judging, CorrectAndWrongPresses)
{
    TrainerState s = lineState(QStringLiteral("a:b"));
    KeyOutcome o = judgeKey(s, 'A'); // a line is matched in capitals
    EXPECT_TRUE(o.correct);
    EXPECT_EQ(o.keyIndex, 21);
    EXPECT_EQ(o.next, QStringLiteral(":"));
    EXPECT_EQ(s.charPos, 2);
    o = judgeKey(s, 187); // ";" is not ":": same character expected again
    EXPECT_FALSE(o.correct);
    EXPECT_EQ(o.keyIndex, 30);
    EXPECT_EQ(s.charPos, 2);
    EXPECT_EQ(s.typedChar, QStringLiteral(";"));
    o = judgeKey(s, 186);
    EXPECT_TRUE(o.correct);
    EXPECT_EQ(o.keyIndex, 0); // ":" is not on the drawn keyboard
    EXPECT_EQ(s.correctCount, 2);
    EXPECT_EQ(s.wrongCount, 1);
}

TEST(Judging, KeysThatPrintNothingChangeNothing)
{
    TrainerState s = lineState(QStringLiteral("AB"));
    judgeKey(s, 'A');
    const TrainerState before = s;
    for (int code : {16, 17, 18, 20, 144, 112, 37, 38, 39, 40, 9, 13}) {
        const KeyOutcome o = judgeKey(s, code);
        EXPECT_FALSE(o.judged) << code;
    }
    EXPECT_EQ(s.charPos, before.charPos);
    EXPECT_EQ(s.correctCount, before.correctCount);
    EXPECT_EQ(s.wrongCount, before.wrongCount);
    EXPECT_EQ(s.typedChar, before.typedChar);
    // Keypad 1 is a "1", not an "A".
    EXPECT_FALSE(judgeKey(s, 97).correct);
    TrainerState digits = lineState(QStringLiteral("1-"));
    EXPECT_TRUE(judgeKey(digits, 97).correct);
    EXPECT_TRUE(judgeKey(digits, 189).correct);
}

TEST(Judging, EndOfLineWithoutAutoAdvance)
{
    TrainerState s = lineState(QStringLiteral("AB"));
    EXPECT_EQ(judgeKey(s, 'A').then, Then::Stay);
    const KeyOutcome o = judgeKey(s, 'B');
    EXPECT_EQ(o.then, Then::EndOfLine);
    EXPECT_EQ(s.charPos, 0);
    EXPECT_EQ(s.lineNo, 1);
    // The next press is judged against the line's first character again.
    EXPECT_TRUE(judgeKey(s, 'A').correct);
}

TEST(Judging, AutoAdvanceInKanaCoursesAndWithTheOption)
{
    for (auto [kana, autoNext] : {std::pair{true, false}, std::pair{false, true}}) {
        TrainerState s = lineState(QStringLiteral("KA"), kana, autoNext);
        EXPECT_EQ(judgeKey(s, 'K').then, Then::Stay);
        EXPECT_EQ(judgeKey(s, 'A').then, Then::NextLineGuide);
        EXPECT_EQ(s.lineNo, 2);
    }
}

TEST(Judging, EmptyLineCountsEveryPressWrong)
{
    TrainerState s;
    for (int i = 0; i < 3; ++i) {
        const KeyOutcome o = judgeKey(s, 'A');
        EXPECT_FALSE(o.correct);
        EXPECT_EQ(o.then, Then::Stay); // no end-of-line message for a line never typed
    }
    EXPECT_EQ(s.wrongCount, 3);
    // With auto-advance the press moves on, and past the filled lines back to 1.
    s.autoNext = true;
    judgeKey(s, 'A');
    EXPECT_EQ(s.lineNo, 1);
}

TEST(Judging, AdvancingPastTheLastLineWrapsToTheFirst)
{
    TrainerState s;
    s.lines.text[1] = QStringLiteral("A");
    s.lines.text[2] = QStringLiteral("B");
    s.lineNo = 1;
    advanceLine(s);
    EXPECT_EQ(s.lineNo, 2);
    advanceLine(s);
    EXPECT_EQ(s.lineNo, 1);
    for (int i = 1; i <= kMaxLines; ++i)
        s.lines.text[i] = QStringLiteral("X");
    s.lineNo = kMaxLines;
    advanceLine(s);
    EXPECT_EQ(s.lineNo, 1);
}

TEST(Judging, CupDisplayHidesTheTypedCupAndMovesOn)
{
    TrainerState s = lineState(QStringLiteral("AB"));
    s.displayMode = Display::Cups;
    KeyOutcome o = judgeKey(s, 'A');
    EXPECT_EQ(o.cupToHide, 1);
    o = judgeKey(s, 'Z');
    EXPECT_EQ(o.cupToHide, 0);
    EXPECT_EQ(o.then, Then::Stay);
    o = judgeKey(s, 'B');
    EXPECT_EQ(o.cupToHide, 2);
    EXPECT_EQ(o.then, Then::NextLineCups); // whatever the auto-advance option says
    EXPECT_EQ(s.lineNo, 2);
}

TEST(Judging, CountsStopAtTheirLargestValue)
{
    TrainerState s = lineState(QStringLiteral("AAAA"));
    s.correctCount = std::numeric_limits<std::int16_t>::max() - 1;
    s.wrongCount = std::numeric_limits<std::int16_t>::max();
    judgeKey(s, 'A');
    judgeKey(s, 'A');
    judgeKey(s, 'Z');
    EXPECT_EQ(s.correctCount, 32767);
    EXPECT_EQ(s.wrongCount, 32767);
    EXPECT_EQ(testScore(s.correctCount, s.wrongCount), 32767 - 3 * 32767);
}

TEST(SkillTest, ResultText)
{
    const QString guide =
        QStringLiteral("目安　１級　800字以上　　２級　600字以上　　３級　500字以上　　４級　400字以上");
    EXPECT_EQ(resultText(testScore(120, 10)),
              QStringLiteral("あなたの成績は90点です。１０分あたり900字入力\r\n") + guide);
    // The score may fall below 0; the characters typed never do.
    EXPECT_EQ(resultText(testScore(10, 5)), QStringLiteral("あなたの成績は-5点です。１０分あたり0字入力\r\n") + guide);
    EXPECT_EQ(resultText(testScore(0, 360)),
              QStringLiteral("あなたの成績は-1080点です。１０分あたり0字入力\r\n") + guide);
    EXPECT_EQ(charactersPer10Minutes(testScore(158, 14)), 1160) << "net of wrong presses, not 1580";
}

// However narrow the label, the guide wraps only at its spaces.
TEST(SkillTest, ResultLabelWrapsOnlyAtSpaces)
{
    const QString shown = resultLabelText(90);
    EXPECT_EQ(QString(shown).remove(kWordJoiner), resultText(90));
    for (int width = 60; width <= 700; width += 20) {
        QTextLayout layout(shown.mid(shown.indexOf(u'\n') + 1), uiFont(Face::Gothic, 11.25, true));
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const qsizetype end = line.textStart() + line.textLength();
            EXPECT_TRUE(end == layout.text().size() || layout.text().at(end - 1) == u'　') << width;
        }
        layout.endLayout();
    }
}

TEST(SkillTest, CountdownEndsOnceAtZero)
{
    Countdown c;
    EXPECT_FALSE(c.tick()); // not started
    c.start();
    for (int i = 1; i < kTestSeconds; ++i)
        ASSERT_FALSE(c.tick());
    EXPECT_EQ(c.secondsLeft(), 1);
    EXPECT_TRUE(c.tick());
    EXPECT_EQ(c.secondsLeft(), 0);
    EXPECT_FALSE(c.running());
    EXPECT_FALSE(c.tick());
    EXPECT_EQ(c.secondsLeft(), 0);
    c.start();
    EXPECT_EQ(c.secondsLeft(), 60);
}

} // namespace
} // namespace lumo::typing
