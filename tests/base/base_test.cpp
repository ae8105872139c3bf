#include "base/programfolder.h"
#include "base/random.h"
#include "base/strings.h"
#include "base/vkeys.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(StrSwap, ExchangesAnyTwoStrings)
{
    QString a = QStringLiteral("x"), b = QStringLiteral("x");
    StrSwap(a, b);
    EXPECT_EQ(a, QStringLiteral("x"));
    EXPECT_EQ(b, QStringLiteral("x"));
    QString empty, full = QStringLiteral("りんご");
    StrSwap(empty, full);
    EXPECT_EQ(empty, QStringLiteral("りんご"));
    EXPECT_TRUE(full.isEmpty());
}

TEST(Random, DrawsAreInRangeAndIndexesRoundHalfToEven)
{
    RandomSource& source = RandomSource::real();
    for (int i = 0; i < 10000; ++i) {
        const float u = source.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
    }
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(drawIndex(0.0f, 100, 7), 1);
    EXPECT_EQ(drawIndex(0.025f, 100, 7), 3); // 2.5 → 2 → 3
    EXPECT_EQ(drawIndex(0.035f, 100, 7), 5); // 3.5 → 4 → 5
    EXPECT_EQ(drawIndex(0.99999f, 20000, 3), 20000 % 3 + 1);
}

TEST(ProgramFolder, AlwaysEndsInOneSeparator)
{
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/opt/lumo")), QStringLiteral("/opt/lumo/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_TRUE(programFolder().endsWith(u'/'));
}

TEST(VirtualKeys, PrintedCharactersOfAJapaneseKeyboard)
{
    EXPECT_EQ(vk::printedCharacter('A'), QChar(u'A'));
    EXPECT_EQ(vk::printedCharacter(vk::Numpad0 + 1), QChar(u'1'));
    EXPECT_EQ(vk::printedCharacter(vk::Divide), QChar(u'/'));
    EXPECT_EQ(vk::printedCharacter(vk::Oem1), QChar(u':'));
    EXPECT_EQ(vk::printedCharacter(vk::OemPlus), QChar(u';'));
    EXPECT_EQ(vk::printedCharacter(vk::OemMinus), QChar(u'-'));
    for (int silent :
         {vk::Shift, vk::Control, vk::Menu, vk::Capital, vk::NumLock, vk::F1, vk::Left, vk::Tab, vk::Return})
        EXPECT_TRUE(vk::printedCharacter(silent).isNull()) << silent;
}
