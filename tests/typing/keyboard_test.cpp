#include "typing/guide.h"
#include "typing/keyboard.h"

#include <gtest/gtest.h>

namespace lumo::typing {
namespace {

TEST(Keyboard, KeyIndexRowAndColumn)
{
    EXPECT_EQ(keyChars, QStringLiteral("1234567890QWERTYUIOPASDFGHJKL;ZXCVBNM,./"));
    EXPECT_EQ(keyIndex("1"), 1);
    EXPECT_EQ(keyIndex("Q"), 11);
    EXPECT_EQ(keyIndex(";"), 30);
    EXPECT_EQ(keyIndex("/"), 40);
    EXPECT_EQ(keyIndex("q"), 0); // callers pass capitals
    EXPECT_EQ(keyIndex(" "), 0);
    EXPECT_EQ(keyIndex(":"), 0);
    EXPECT_EQ(keyIndex(""), 0);
    EXPECT_EQ(keyIndex("AS"), 0);
    EXPECT_EQ(keyRow(10), 1);
    EXPECT_EQ(keyColumn(10), 10);
    EXPECT_EQ(keyRow(31), 4);
    EXPECT_EQ(keyColumn(31), 1);
}

TEST(Keyboard, FingersByColumn)
{
    EXPECT_EQ(fingerOfColumn(keyColumn(keyIndex("5"))).colour, (Rgb{255, 128, 128}));
    EXPECT_EQ(fingerOfColumn(keyColumn(keyIndex("/"))).colour, (Rgb{230, 230, 50}));
    EXPECT_EQ(fingerOfColumn(2).caption, QStringLiteral("薬指"));
    EXPECT_EQ(fingerOfColumn(8).caption, QStringLiteral("中指"));
    EXPECT_EQ(fingerOfColumn(8).colour, (Rgb{150, 120, 220}));
    EXPECT_EQ(fingerOfColumn(9).colour, (Rgb{180, 240, 140}));
    EXPECT_EQ(fingerOfColumn(7).caption, QStringLiteral("人差指"));
    EXPECT_EQ(fingerOfColumn(1).caption, QStringLiteral("小指"));
}

// The left edges of the key pictures, row by row; halves round to even.
TEST(Keyboard, KeyPositionTable)
{
    const int tops[4] = {1575, 2175, 2775, 3375};
    const int lefts[4][10] = {
        {822, 1375, 1928, 2480, 3032, 3585, 4138, 4690, 5242, 5795},
        {992, 1545, 2098, 2650, 3202, 3755, 4308, 4860, 5412, 5965},
        {1162, 1715, 2268, 2820, 3372, 3925, 4478, 5030, 5582, 6135},
        {1332, 1885, 2438, 2990, 3542, 4095, 4648, 5200, 5752, 6305},
    };
    const KeyboardLayout layout;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 10; ++column) {
            const int i = row * 10 + column + 1;
            SCOPED_TRACE(i);
            EXPECT_EQ(layout.picture(i), QRect(lefts[row][column], tops[row], 510, 540));
            EXPECT_EQ(layout.letter(i), QRect(lefts[row][column], tops[row] + 40, 465, 375));
            EXPECT_EQ(layout.strip(i), QRect(lefts[row][column], tops[row] + 540, 510, 50));
        }
    }
    for (int column = 1; column <= 10; ++column) {
        EXPECT_EQ(layout.fingerLabel(column), QRect(lefts[3][column - 1], 3975, 510, 1080));
        EXPECT_EQ(layout.cup(column), QRect(lefts[1][column - 1], 2175, 450, 855));
        EXPECT_EQ(layout.cupLetter(column), QRect(lefts[1][column - 1], 2375, 420, 420));
    }
}

// Presses by key character; "" for a key that is not on the keyboard.
struct GuideCase {
    const char* name;
    const char* start;                                      // "all": every letter blue; else the one next key shown
    std::vector<std::pair<const char*, const char*>> steps; // pressed, next expected
    const char* visibleBlue;
    const char* visibleRed;
};

class GuideSequence : public ::testing::TestWithParam<GuideCase> {};

QString shown(const KeyGuide& g, KeyGuide::Colour colour)
{
    QString s;
    for (int i = 1; i <= kKeyCount; ++i)
        if (g.visible(i) && g.colour(i) == colour)
            s += keyChars.at(i - 1);
    return s;
}

TEST_P(GuideSequence, LettersAfterPresses)
{
    const GuideCase& c = GetParam();
    KeyGuide g;
    if (QString::fromLatin1(c.start) == QStringLiteral("all")) {
        g.showAll();
    } else {
        g.hideAll();
        g.showNext(QString::fromLatin1(c.start));
    }
    for (const auto& [pressed, next] : c.steps) {
        g.press(keyIndex(QString::fromLatin1(pressed)));
        g.showNext(QString::fromLatin1(next));
    }
    EXPECT_EQ(shown(g, KeyGuide::Colour::Blue), QString::fromLatin1(c.visibleBlue));
    EXPECT_EQ(shown(g, KeyGuide::Colour::Red), QString::fromLatin1(c.visibleRed));
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, GuideSequence,
    ::testing::Values(
        // Before a course: a press hides the key, a second press marks it red.
        GuideCase{"before_course_hide", "all", {{"A", ""}}, "1234567890QWERTYUIOPSDFGHJKL;ZXCVBNM,./", ""},
        GuideCase{"before_course_red", "all", {{"A", ""}, {"A", ""}}, "1234567890QWERTYUIOPSDFGHJKL;ZXCVBNM,./", "A"},
        // A wrong key twice: red, then hidden; the expected key stays blue.
        GuideCase{"wrong_twice", "F", {{"G", "F"}}, "F", "G"},
        GuideCase{"wrong_twice_hides", "F", {{"G", "F"}, {"G", "F"}}, "F", ""},
        // Two different wrong keys: the first red letter goes.
        GuideCase{"two_wrong", "F", {{"G", "F"}, {"H", "F"}}, "F", "H"},
        // A correct press while a key is red: both go, the next is blue.
        GuideCase{"correct_after_red", "F", {{"G", "F"}, {"F", "J"}}, "J", ""},
        // The same character twice in a row is shown again at once.
        GuideCase{"double_letter", "L", {{"L", "L"}}, "L", ""},
        // Keys off the keyboard change nothing; a space expected shows nothing.
        GuideCase{"space_pressed", "F", {{" ", "F"}}, "F", ""}, GuideCase{"space_next", "F", {{"F", " "}}, "", ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace lumo::typing
