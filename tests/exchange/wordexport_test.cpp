#include "exchange/wordexport.h"
#include "exchange/wordimport.h"

#include "support/fakes.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace lumo;
using namespace lumo::exchange;

namespace lumo::exchange {
void PrintTo(const WordPair& pair, std::ostream* out)
{
    *out << (pair.english + u'|' + pair.japanese).toStdString();
}
} // namespace lumo::exchange

namespace {

std::vector<WordPair> reimport(const QByteArray& bytes)
{
    const DelimitedTable table = parseDelimited(decodeSource(bytes).text);
    const ImportPlan plan = planImport(table, guessColumns(table));
    std::vector<WordPair> pairs;
    for (const ImportedPair& p : plan.pairs)
        pairs.push_back({p.english, p.japanese});
    return pairs;
}

} // namespace

TEST(ExportBytes, TabSeparatedTextForFlashCards)
{
    const QByteArray bytes = exportBytes(
        {{"apple", "りんご"}, {"#tag", "見出しではない"}, {"say", "「\"言う\"」"}, {"tab", "a\tb"}}, ExportFormat::Tsv);
    EXPECT_EQ(QString::fromUtf8(bytes), QStringLiteral("#separator:tab\n#html:false\n"
                                                       "apple\tりんご\n"
                                                       "\"#tag\"\t見出しではない\n"
                                                       "say\t\"「\"\"言う\"\"」\"\n"
                                                       "tab\t\"a\tb\"\n"));
}

TEST(ExportBytes, CsvWithByteOrderMarkForSpreadsheets)
{
    const QByteArray bytes = exportBytes({{"apple", "りんご"}, {"set", "置く,組"}, {"semi", "a;b"}}, ExportFormat::Csv);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(bytes.sliced(3)),
              QStringLiteral("apple,りんご\r\nset,\"置く,組\"\r\nsemi,\"a;b\"\r\n"));
    EXPECT_EQ(formatForPath(QStringLiteral("/x/words.CSV")), ExportFormat::Csv);
    EXPECT_EQ(formatForPath(QStringLiteral("/x/words.txt")), ExportFormat::Tsv);
}

TEST(MissedWords, TakesWrongAnswersOnceWithoutDateAndMarks)
{
    const QString history = QStringLiteral("\r\n\r\napple,りんご,2001/03/05,○×\r\n"
                                           "dog,犬,2001/03/05,○○\r\n"
                                           "set,置く,組,2001/03/06,×\r\n"
                                           "apple,りんご(2),2001/03/07,×\r\n"
                                           "odd line without marks,x\r\n"
                                           "×cat,猫,2001/03/05,○\r\n");
    EXPECT_EQ(missedWords(history), (std::vector<WordPair>{{"apple", "りんご"}, {"set", "置く,組"}}));
}

TEST(RoundTrip, ImportExportImportGivesTheSamePairs)
{
    // Import a spreadsheet file, then export the course both ways and import
    // each export again.
    QFile file(QStringLiteral(LUMO_FIXTURES_DIR "import/spreadsheet-utf8-bom.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<WordPair> first = reimport(file.readAll());
    // The heading row is left out, "set, put" holds a comma and cannot be a
    // course line, and a comma in the meaning stays in the meaning as "、".
    ASSERT_EQ(first, (std::vector<WordPair>{{"apple", "りんご"}, {"book", "本、書物"}, {"say", "\"言う\""}}));

    std::vector<WordPair> awkward = first;
    awkward.push_back({"#hash", "見出し風"});
    awkward.push_back({"say", "\"言う\";語る,話す"});
    awkward.push_back({"tab", "前\t後"});
    awkward.push_back({"apple pie", "アップルパイ　（デザート）"});

    test::TempProgramFolder folder;
    std::vector<ImportedPair> course;
    for (const WordPair& p : awkward)
        course.push_back({p.english, p.japanese, 0});
    ASSERT_TRUE(writeImportedCourse(folder.path(), QStringLiteral("round.dat"), course).ok);
    const CourseLines loaded =
        parseCourse(readTextFile(folder.path() + QStringLiteral("round.dat")).text, CourseFilter::All);
    std::vector<WordPair> expected = pairsOf(loaded);
    expected[5].japanese = QStringLiteral("前 後"); // a tab inside a field becomes a space on import
    for (WordPair& pair : expected)
        pair.japanese = courseMeaning(pair.japanese); // a meaning's note comes back inside the meaning

    for (const ExportFormat format : {ExportFormat::Tsv, ExportFormat::Csv}) {
        const QString path = folder.path() + (format == ExportFormat::Csv ? "out.csv" : "out.txt");
        ASSERT_TRUE(writeExport(path, pairsOf(loaded), format).ok);
        EXPECT_EQ(reimport(folder.readBytes(QFileInfo(path).fileName())), expected);
    }
}
