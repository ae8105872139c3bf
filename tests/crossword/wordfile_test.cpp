#include "crossword/wordfile.h"
#include "data/richtext.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace lumo;
using namespace lumo::cross;

struct LineCase {
    const char16_t* line;
    bool accepted;
    const char16_t* word;
    const char16_t* meaning;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << '"' << QString::fromUtf16(c.line).toStdString() << '"';
}

class WordLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(WordLine, FollowsTheLineRules)
{
    const LineCase& c = GetParam();
    const std::optional<WordEntry> entry = parseWordLine(QStringView(c.line));
    ASSERT_EQ(entry.has_value(), c.accepted) << QString::fromUtf16(c.line).toStdString();
    if (c.accepted) {
        EXPECT_EQ(entry->eng, QString::fromUtf16(c.word));
        EXPECT_EQ(entry->jap, QString::fromUtf16(c.meaning));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordLine,
    ::testing::Values(LineCase{u"apple,りんご", true, u"apple", u"りんご"}, LineCase{u"", false, u"", u""},
                      LineCase{u"no comma at all", false, u"", u""}, LineCase{u",leading", false, u"", u""},
                      LineCase{u"a,one letter", false, u"", u""}, LineCase{u"go,行く", true, u"go", u"行く"},
                      LineCase{u"set,置く,組,x", true, u"set", u"置く"},
                      LineCase{u"ice cream,アイス", true, u"ice cream", u"アイス"},
                      LineCase{u" Tom ,トム", true, u" Tom ", u"トム"}, LineCase{u"empty,", true, u"empty", u""},
                      LineCase{u"ab,,later", true, u"ab", u""}, LineCase{u"日本,にほん", true, u"日本", u"にほん"}));

TEST(WordText, StopsAfterTheLargestCourse)
{
    QString text;
    for (int i = 0; i < kMaxWords + 5; ++i)
        text += QStringLiteral("w%1,m\r\n").arg(i);
    const ParsedWords parsed = parseWordText(text);
    ASSERT_EQ(int(parsed.words.size()), kMaxWords);
    EXPECT_TRUE(parsed.truncated);
    EXPECT_EQ(parsed.words.back().eng, QStringLiteral("w999"));
    EXPECT_FALSE(parseWordText(u"ab,x\r\n").truncated);
}

TEST(WordFiles, CoursesReadTheirFileRanges)
{
    EXPECT_EQ(courseFiles(1), std::make_pair(1, 3));
    EXPECT_EQ(courseFiles(2), std::make_pair(4, 7));
    EXPECT_EQ(courseFiles(3), std::make_pair(8, 11));
    EXPECT_EQ(courseFiles(4), std::make_pair(12, 15));
    EXPECT_EQ(courseFiles(5), std::make_pair(16, 19));
    EXPECT_EQ(wordFileName(7), QStringLiteral("word-7.dat"));
}

TEST(WordFiles, JoinsFilesInOrderAndNamesTheMissingOne)
{
    test::TempProgramFolder folder;
    // Without a final line break the last line still counts and does not run
    // into the next file.
    folder.writeBytes(QStringLiteral("word-4.dat"), test::cp932Bytes(QStringLiteral("dog,犬\ncat,猫")));
    folder.write(QStringLiteral("word-6.dat"), QStringLiteral("x,skipped\ncat,ねこ\nbird,鳥\n"));
    folder.write(QStringLiteral("word-7.dat"), QString());

    const CourseWords course = readWordFiles(folder.path(), 4, 7);
    const WordList expected = {{"dog", "犬"}, {"cat", "猫"}, {"cat", "ねこ"}, {"bird", "鳥"}};
    EXPECT_EQ(course.words, expected);
    ASSERT_EQ(course.problems.size(), 1);
    EXPECT_TRUE(course.problems[0].contains(QStringLiteral("word-5.dat")));
    EXPECT_FALSE(course.truncated);
}

TEST(WordFiles, ReadsCodePage932)
{
    test::TempProgramFolder folder;
    folder.writeBytes(QStringLiteral("word-1.dat"), QByteArray("tree,\x96\xd8\r\n"));
    const CourseWords course = readWordFiles(folder.path(), 1, 1);
    ASSERT_EQ(course.words.size(), 1u);
    EXPECT_EQ(course.words[0].jap, QStringLiteral("木"));
    EXPECT_TRUE(course.problems.isEmpty());
}

TEST(WordFiles, ReadsTheTextOfARichTextFile)
{
    test::TempProgramFolder folder;
    // As a word processor saves it: tables and metadata in groups, Japanese
    // as code page 932 bytes or as Unicode with a fallback to drop.
    folder.writeBytes(QStringLiteral("word-2.dat"),
                      QByteArray("{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 "
                                 "\\'82\\'6c\\'82\\'72 Gothic;}}\r\n"
                                 "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                                 "{\\*\\generator Msftedit 5.41;}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs20 "
                                 "apple,\\'82\\'e8\\'82\\'f1\\'82\\'b2\\par\r\n"
                                 "\\cf1 ice cream\\cf0 ,\\u12450?\\'83\\'43\\'83\\'58,note\\par\r\n"
                                 "{\\uc2 tree,\\u26408\\'96\\'d8}\\par\r\n"
                                 "a\\{b\\},x\\par\r\n}\r\n"));
    const CourseWords course = readWordFiles(folder.path(), 2, 2);
    const WordList expected = {{"apple", "りんご"}, {"ice cream", "アイス"}, {"tree", "木"}, {"a{b}", "x"}};
    EXPECT_EQ(course.words, expected);
    // Plain files are taken as they are.
    EXPECT_EQ(plainTextOfRichText(QStringLiteral("rtf,\\par\r\n")), QStringLiteral("rtf,\\par\r\n"));
}

TEST(WordMix, ExchangesEachEntryWithTheDrawnOne)
{
    test::ScriptedRandom random;
    // round(u × 1000) mod 4 + 1 gives 1, 1, 2, 4.
    random.values = {0.0f, 0.5f, 0.005f, 0.007f};
    WordList words = {{"a1", "m1"}, {"a2", "m2"}, {"a3", "m3"}, {"a4", "m4"}};
    mixWords(words, random);
    EXPECT_EQ(random.randomizeCalls, 1);
    EXPECT_EQ(random.draws, 4);
    // 2 ↔ 1: a2 a1 a3 a4; 3 ↔ 2: a2 a3 a1 a4; 4 stays.
    const WordList expected = {{"a2", "m2"}, {"a3", "m3"}, {"a1", "m1"}, {"a4", "m4"}};
    EXPECT_EQ(words, expected);

    WordList none;
    mixWords(none, random); // an empty course shuffles nothing
    EXPECT_TRUE(none.empty());
}
