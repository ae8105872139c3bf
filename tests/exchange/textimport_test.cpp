#include "exchange/textimport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace lumo::exchange;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(LUMO_FIXTURES_DIR "import/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QList<QStringList> fieldsOf(const DelimitedTable& table)
{
    QList<QStringList> rows;
    for (const SourceRow& row : table.rows)
        rows.append(row.fields);
    return rows;
}

} // namespace

struct EncodingCase {
    const char* name;
    const char* file;
    SourceEncoding encoding;
    const char16_t* secondRowJapanese;
};

class SavedFiles : public testing::TestWithParam<EncodingCase> {};

TEST_P(SavedFiles, DecodeToTheSameText)
{
    const DecodedSource source = decodeSource(fixture(GetParam().file));
    EXPECT_EQ(source.encoding, GetParam().encoding);
    EXPECT_EQ(source.badBytes, 0);
    EXPECT_FALSE(source.binary);
    const DelimitedTable table = parseDelimited(source.text);
    ASSERT_GE(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1].fields.value(1), QStringView(GetParam().secondRowJapanese).toString());
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, SavedFiles,
    testing::Values(EncodingCase{"Utf8WithBom", "spreadsheet-utf8-bom.csv", SourceEncoding::Utf8Bom, u"りんご"},
                    EncodingCase{"CodePage932", "spreadsheet-cp932.csv", SourceEncoding::Cp932, u"波～"},
                    EncodingCase{"Utf16WithBom", "spreadsheet-utf16.txt", SourceEncoding::Utf16Le, u"りんご"},
                    EncodingCase{"Utf8Semicolons", "semicolon.csv", SourceEncoding::Utf8, u"犬"},
                    EncodingCase{"FlashcardExport", "flashcards.txt", SourceEncoding::Utf8, u"犬&nbsp;(いぬ)"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(DecodeSource, TellsBinaryAndBrokenBytesApart)
{
    EXPECT_TRUE(decodeSource(fixture("binary.dat")).binary);
    const DecodedSource empty = decodeSource(fixture("empty.csv"));
    EXPECT_FALSE(empty.binary);
    EXPECT_TRUE(empty.text.isEmpty());
    // Not UTF-8, and a cut-off lead byte at the end: code page 932 with the
    // bad byte marked, not dropped.
    const DecodedSource cut = decodeSource(QByteArray("a,\x82\xa0\r\nb,\x82"));
    EXPECT_EQ(cut.encoding, SourceEncoding::Cp932);
    EXPECT_EQ(cut.badBytes, 1);
    EXPECT_EQ(cut.text, QStringLiteral("a,あ\r\nb,\uFFFD"));
    EXPECT_EQ(decodeSource(QByteArray("\xFE\xFF\x00"
                                      "a"))
                  .encoding,
              SourceEncoding::Utf16Be);
}

TEST(ParseDelimited, QuotesAsInRfc4180)
{
    const DelimitedTable table =
        parseDelimited(u"a,\"b,c\"\r\n\"multi\r\nline\",\"say \"\"hi\"\"\"\r\n\r\n5\" disk,x\r\n,\r\n\"q\"tail,y");
    EXPECT_EQ(table.separator, u',');
    EXPECT_EQ(fieldsOf(table),
              (QList<QStringList>{
                  {"a", "b,c"}, {"multi\r\nline", "say \"hi\""}, {"5\" disk", "x"}, {"", ""}, {"qtail", "y"}}));
    // Rows keep the line they start on, counting the line inside the quotes.
    EXPECT_EQ(table.rows[2].line, 5);
    EXPECT_EQ(table.columnCount, 2);
}

TEST(ParseDelimited, AnUnclosedQuoteIsReadAsACharacterAndReported)
{
    const DelimitedTable table = parseDelimited(decodeSource(fixture("unclosed-quote.csv")).text);
    EXPECT_EQ(fieldsOf(table), (QList<QStringList>{{"apple", "りんご"}, {"\"dog", "犬"}, {"cat", "猫"}}));
    EXPECT_EQ(table.unclosedQuoteLines, (QList<int>{2}));
}

struct SeparatorCase {
    const char* name;
    const char16_t* text;
    char16_t separator;
};
class Separators : public testing::TestWithParam<SeparatorCase> {};
TEST_P(Separators, AreFound)
{
    EXPECT_EQ(detectSeparator(GetParam().text), QChar(GetParam().separator));
}
INSTANTIATE_TEST_SUITE_P(Detection, Separators,
                         testing::Values(SeparatorCase{"Tab", u"apple\tりんご\r\nset\t置く,組", u'\t'},
                                         SeparatorCase{"Comma", u"apple,りんご\r\nset,置く", u','},
                                         SeparatorCase{"Semicolon", u"apple;りんご\r\nset;\"置く,組\"", u';'},
                                         SeparatorCase{"CommasInQuotesDoNotCount", u"\"a,b,c\";x\r\n\"d,e\";y", u';'},
                                         SeparatorCase{"NoneFound", u"one word a line\r\nanother", u','},
                                         SeparatorCase{"EmptyText", u"", u','}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ParseDelimited, HeaderLinesSetTheSeparatorHtmlAndMetadataColumns)
{
    const DelimitedTable table = parseDelimited(
        u"#separator:Pipe\n#html:false\n#guid column:1\n#tags column:4\n#columns:id|Front|Back|Tags\n# any note\n"
        u"g1|apple|りんご|t");
    EXPECT_EQ(table.separator, u'|');
    EXPECT_TRUE(table.separatorFromHeader);
    EXPECT_EQ(table.html, HtmlMode::Off);
    EXPECT_EQ(table.metadataColumns, (QList<int>{0, 3}));
    EXPECT_EQ(table.headerLines, 6);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].line, 7);
    EXPECT_EQ(table.rows[0].fields, (QStringList{"g1", "apple", "りんご", "t"}));
    // A separator chosen by the learner wins over the header.
    EXPECT_EQ(parseDelimited(u"#separator:tab\na,b", QChar(u',')).rows[0].fields, (QStringList{"a", "b"}));
    EXPECT_EQ(parseDelimited(u"#separator:\t\na\tb").separator, u'\t');
}

TEST(PlainField, RemovesHtmlAsTheFileSays)
{
    EXPECT_EQ(plainField(u"<b>apple</b><br>[sound:a.mp3]", HtmlMode::On), QStringLiteral("apple"));
    EXPECT_EQ(plainField(u"<div>犬&nbsp;(いぬ)</div>", HtmlMode::On), QStringLiteral("犬 (いぬ)"));
    EXPECT_EQ(plainField(u"fish&amp;chips &#12354;&#x3044; &unknown;", HtmlMode::On),
              QStringLiteral("fish&chips あい &unknown;"));
    EXPECT_EQ(plainField(u"<custom>x</custom>", HtmlMode::On), QStringLiteral("x"));
    // Guessing removes only the usual formatting tags: a "<" in a word stays.
    EXPECT_EQ(plainField(u"<i>a</i> < b <custom>", HtmlMode::Guess), QStringLiteral("a < b <custom>"));
    EXPECT_EQ(plainField(u"<b>a</b>", HtmlMode::Off), QStringLiteral("<b>a</b>"));
    // A field becomes one line with single spaces, trimmed.
    EXPECT_EQ(plainField(u"  two\r\nlines\t here ", HtmlMode::Off), QStringLiteral("two lines here"));
}
