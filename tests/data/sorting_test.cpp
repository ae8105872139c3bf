#include "data/sorting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lumo;

namespace {

struct Pair {
    QString english;
    QString meaning;
    bool operator==(const Pair&) const = default;
};

void PrintTo(const Pair& p, std::ostream* os)
{
    *os << "(" << qPrintable(p.english) << ", " << qPrintable(p.meaning) << ")";
}

std::vector<Pair> sortPairs(const std::vector<Pair>& pairs, bool byEnglish)
{
    QStringList english, meanings;
    for (const Pair& p : pairs) {
        english.append(p.english);
        meanings.append(p.meaning);
    }
    const WordPairs sorted = QuickS(english, meanings, byEnglish);
    EXPECT_EQ(sorted.english.size(), sorted.meanings.size());
    std::vector<Pair> result;
    for (qsizetype i = 0; i < sorted.english.size(); ++i)
        result.push_back({sorted.english.at(i), sorted.meanings.at(i)});
    return result;
}

struct SortCase {
    const char* name;
    bool byEnglish;
    std::vector<Pair> input;
    std::vector<Pair> expected;
};

void PrintTo(const SortCase& c, std::ostream* os)
{
    *os << c.name;
}

class QuickSCases : public ::testing::TestWithParam<SortCase> {};

const SortCase kCases[] = {
    {"LaterDuplicateDroppedByEnglish", true, {{"b", "い"}, {"a", "あ"}, {"b", "う"}}, {{"a", "あ"}, {"b", "い"}}},
    {"LaterDuplicateDroppedByMeaning", false, {{"x", "あ"}, {"y", "あ"}}, {{"x", "あ"}}},
    {"DuplicateBeforeSmallerKeyIsStillSorted", true, {{"b", "1"}, {"b", "2"}, {"a", "3"}}, {{"a", "3"}, {"b", "1"}}},
    {"ThreeEqualKeysKeepOne", true, {{"c", "1"}, {"c", "2"}, {"c", "3"}}, {{"c", "1"}}},
    {"ThreeEqualMeaningsKeepTheFirstPair",
     false,
     {{"p", "同"}, {"q", "同"}, {"a", "あ"}, {"r", "同"}},
     {{"a", "あ"}, {"p", "同"}}},
    {"OrdinalOrderCapitalsFirst",
     true,
     {{"banana", "3"}, {"apple", "2"}, {"Zoo", "4"}, {"Apple", "1"}},
     {{"Apple", "1"}, {"Zoo", "4"}, {"apple", "2"}, {"banana", "3"}}},
    {"MeaningsByCodePoint",
     false,
     {{"k", "漢"}, {"b", "カ"}, {"a", "か"}, {"c", "ｶ"}},
     {{"a", "か"}, {"b", "カ"}, {"k", "漢"}, {"c", "ｶ"}}},
    {"EmptyMeaningDropped", true, {{"b", ""}, {"a", "あ"}, {"c", "   "}}, {{"a", "あ"}}},
    {"EmptyMeaningDoesNotHideTheRealPair", true, {{"a", ""}, {"a", "あ"}}, {{"a", "あ"}}},
    {"LeadingSpacesOfMeaningsRemoved",
     false,
     {{"x", "  い"}, {"y", " あ "}, {"z", "\tう"}},
     {{"z", "\tう"}, {"y", "あ "}, {"x", "い"}}},
    {"LeadingSpacesMakeMeaningsEqual", false, {{"x", " あ"}, {"y", "あ"}}, {{"x", "あ"}}},
    {"EnglishKeptAsItIs", true, {{" b", "1"}, {"a", "2"}}, {{" b", "1"}, {"a", "2"}}},
    {"EmptyEnglishSortsFirst", true, {{"a", "1"}, {"", "2"}}, {{"", "2"}, {"a", "1"}}},
    {"EmptyList", true, {}, {}},
    {"SingleEntry", false, {{"a", "あ"}}, {{"a", "あ"}}},
};

INSTANTIATE_TEST_SUITE_P(QuickS, QuickSCases, ::testing::ValuesIn(kCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace

TEST_P(QuickSCases, SortsDropsAndKeeps)
{
    const SortCase& c = GetParam();
    EXPECT_EQ(sortPairs(c.input, c.byEnglish), c.expected);
}

TEST(QuickSLongLists, ReversedListOfTwoThousandComesOutInOrder)
{
    QStringList english, meanings;
    for (int i = 1999; i >= 0; --i) {
        english.append(QStringLiteral("w%1").arg(i, 4, 10, QLatin1Char('0')));
        meanings.append(QStringLiteral("意味%1").arg(i % 700)); // meanings repeat
    }
    const WordPairs byEnglish = QuickS(english, meanings, true);
    ASSERT_EQ(byEnglish.english.size(), 2000);
    for (qsizetype i = 0; i < 2000; ++i)
        EXPECT_EQ(byEnglish.english.at(i), QStringLiteral("w%1").arg(i, 4, 10, QLatin1Char('0')));
    EXPECT_EQ(byEnglish.meanings.at(1999), QStringLiteral("意味%1").arg(1999 % 700));

    const WordPairs byMeaning = QuickS(english, meanings, false);
    ASSERT_EQ(byMeaning.meanings.size(), 700);
    for (qsizetype i = 1; i < byMeaning.meanings.size(); ++i)
        EXPECT_LT(byMeaning.meanings.at(i - 1), byMeaning.meanings.at(i));
    // Of each meaning the first pair in the list stays: the highest number with that remainder.
    const qsizetype zero = byMeaning.meanings.indexOf(QStringLiteral("意味0"));
    ASSERT_GE(zero, 0);
    EXPECT_EQ(byMeaning.english.at(zero), QStringLiteral("w1400"));
}

TEST(QuickSLongLists, ShorterMeaningListCountsMissingMeaningsAsEmpty)
{
    const WordPairs sorted = QuickS({"b", "a", "c"}, {"い"}, true);
    EXPECT_EQ(sorted.english, QStringList({"b"}));
    EXPECT_EQ(sorted.meanings, QStringList({"い"}));
}
