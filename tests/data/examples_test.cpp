#include "data/examples.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <utility>

using namespace lumo;

namespace {

struct LookupCase {
    const char* name;
    const char16_t* text; // the joined example text
    const char16_t* word;
    const char16_t* stored; // nullptr: not found
};

void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExampleLookupCases : public ::testing::TestWithParam<LookupCase> {};

const LookupCase kCases[] = {
    {"WordBetweenSpaces", u"I make a cake.\r\n私はケーキを作る。\r\nnext line\r\n", u"make",
     u"I make a cake.\r\r\n私はケーキを作る。\r"},
    {"WordBeforeFullStopIsNotFound", u"I make a cake.\r\n私はケーキを作る。\r\n", u"cake", nullptr},
    {"WordAtLineStartIsNotFound", u"Time is money.\r\n時は金なり。\r\n", u"Time", nullptr},
    {"CapitalRetriedInLowerCase", u"We have time to play.\r\n遊ぶ時間がある。\r\n", u"Time",
     u"We have time to play.\r\r\n遊ぶ時間がある。\r"},
    {"LowerCaseIsNotRetriedInCapitals", u"I saw Rome twice.\r\nローマを二度見た。\r\n", u"rome", nullptr},
    {"ExactCaseWinsOverLaterLowerCase", u"a time x.\r\nい\r\nThe Time y.\r\nろ\r\n", u"Time", u"The Time y.\r\r\nろ\r"},
    {"FirstOccurrenceInTheJoinedTextCounts",
     u"Seeing is believing.\r\n百聞は一見に如かず。\r\nIt is cold.\r\n寒い。\r\n", u"is",
     u"Seeing is believing.\r\r\n百聞は一見に如かず。\r"},
    {"MatchInLastLineStoresItWithAnEmptyNextLine", u"訳\r\nI make a cake.", u"make", u"I make a cake.\r\r\n"},
    // A text ending in a line break is followed by the added one: the next line is empty.
    {"MatchInLastLineEndingWithBreak", u"訳\r\nI make a cake.\r\n", u"make", u"I make a cake.\r\r\n\r"},
    {"NextLineWithoutBreakGetsTheAddedBreak", u"I make a cake.\r\n訳", u"make", u"I make a cake.\r\r\n訳\r"},
    {"EmptyLinesBetweenAreKeptAsCR", u"x\r\n\r\nI make a cake.\r\n\r\n訳\r\n", u"make", u"I make a cake.\r\r\n\r"},
    {"FilesRunTogetherWithoutBreak", u"Time is money.\r\n時は金なり。I make a cake.\r\n訳\r\n", u"make",
     u"時は金なり。I make a cake.\r\r\n訳\r"},
    {"LoneLineFeedDoesNotEndALine", u"a\nI make it.\r\n訳\r\n", u"make", u"a\nI make it.\r\r\n訳\r"},
    {"WordNotPresent", u"I make a cake.\r\n訳\r\n", u"bake", nullptr},
    {"EmptyText", u"", u"make", nullptr},
    {"PhraseWithInnerSpaceRetriedInLowerCase", u"Please look at the dog.\r\n犬を見て。\r\n", u"Look at",
     u"Please look at the dog.\r\r\n犬を見て。\r"},
};

INSTANTIATE_TEST_SUITE_P(ExampleLookup, ExampleLookupCases, ::testing::ValuesIn(kCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace

TEST_P(ExampleLookupCases, StoresTheLinePairOrNothing)
{
    const LookupCase& c = GetParam();
    const ExampleLookup lookup(QString::fromUtf16(c.text));
    const std::optional<QString> found = lookup.find(QString::fromUtf16(c.word));
    if (!c.stored) {
        EXPECT_FALSE(found.has_value()) << qPrintable(found.value_or(QString()));
        return;
    }
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, QString::fromUtf16(c.stored));
}

TEST(ExampleLookupWalk, KeepsOnlyTwoHundredCharactersBeforeADistantMatch)
{
    // The first occurrence lies 250 characters into its line: the stored
    // line starts 200 characters before it.
    const QString head(250, u'x');
    const QString text = u"前の行\r\n"_qs + head + u" make it.\r\n訳\r\n"_qs;
    const std::optional<QString> found = ExampleLookup(text).find(u"make"_qs);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, QString(200, u'x') + u" make it.\r\r\n訳\r"_qs);
}

TEST(ExampleLookupWalk, BackOffLandingInALineBreak)
{
    // "前" CR LF, then a line whose " make " starts after `pad` characters,
    // so the occurrence lies at 3 + pad.
    const auto lookupWithPad = [](int pad) {
        const QString line = QString(pad, u'y') + u" make it."_qs;
        return std::pair(line, ExampleLookup(u"前\r\n"_qs + line + u"\r\n訳\r\n"_qs).find(u"make"_qs));
    };
    // Within 200 characters of the text's start: the walk starts at "前".
    auto [line197, found197] = lookupWithPad(197);
    EXPECT_EQ(found197, line197 + u"\r\r\n訳\r"_qs);
    // The walk starts on the CR: that CR is a line of its own, skipped.
    auto [line198, found198] = lookupWithPad(198);
    EXPECT_EQ(found198, line198 + u"\r\r\n訳\r"_qs);
    // The walk starts on the LF: it stays at the front of the matched line.
    auto [line199, found199] = lookupWithPad(199);
    EXPECT_EQ(found199, u"\n"_qs + line199 + u"\r\r\n訳\r"_qs);
}

TEST(ExampleLookupWalk, DefaultLookupFindsNothing)
{
    EXPECT_FALSE(ExampleLookup().find(u"make"_qs).has_value());
    EXPECT_FALSE(ExampleLookup().find(QString()).has_value());
}

TEST(ExampleFiles, JoinedInOrderWithNothingBetweenAndMissingFilesEmpty)
{
    test::TempProgramFolder folder;
    folder.write(u"諺.txt"_qs, u"Time is money.\n時は金なり。"_qs);
    folder.write(u"例文.txt"_qs, u"I make a cake.\n訳\n"_qs);
    const ExampleText joined = loadExampleText(folder.path());
    EXPECT_EQ(joined.text, u"Time is money.\r\n時は金なり。I make a cake.\r\n訳\r\n"_qs);
    ASSERT_EQ(joined.problems.size(), 1);
    EXPECT_TRUE(joined.problems.at(0).contains(u"例文-2.txt"_qs)) << qPrintable(joined.problems.at(0));
}

TEST(ExampleFiles, BadBytesAreReportedAndTheRestKept)
{
    test::TempProgramFolder folder;
    folder.write(u"諺.txt"_qs, u""_qs);
    folder.writeBytes(u"例文.txt"_qs, QByteArray("I make it.\x81\r\n", 13));
    // Saved with bare line feeds and a bare CR: the lines read the same.
    folder.writeBytes(u"例文-2.txt"_qs, QByteArray("We play.\n\x97\x56\x82\xd4\x81\x42\rX\n"));
    const ExampleText joined = loadExampleText(folder.path());
    ASSERT_EQ(joined.problems.size(), 1);
    EXPECT_TRUE(joined.problems.at(0).contains(u"例文.txt"_qs));
    EXPECT_EQ(joined.text, u"I make it.\uFFFD\r\nWe play.\r\n遊ぶ。\r\nX\r\n"_qs);
}

TEST(ExampleFiles, ShippedTextFindsAProverbBeforeAnExampleAndIsHeldOnce)
{
    ExampleText joined = loadExampleText(QStringLiteral(LUMO_PROGRAM_DIR));
    EXPECT_TRUE(joined.problems.isEmpty()) << qPrintable(joined.problems.join(u'\n'));
    // The text stays in memory for the whole run: the lookup keeps the loaded
    // buffer itself, with no second copy and no room to spare.
    const QChar* loaded = joined.text.constData();
    const qsizetype size = joined.text.size();
    const ExampleLookup lookup(std::move(joined.text));
    EXPECT_EQ(lookup.text().constData(), loaded);
    EXPECT_EQ(lookup.text().size(), size);
    EXPECT_LT(lookup.text().capacity() - size, 16);

    const std::optional<QString> found = lookup.find(u"makes"_qs);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, u"Practice makes perfect.\r\r\n練習を重ねれば完璧になる。（習うより慣れよ）\r"_qs);
}
