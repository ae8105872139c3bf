#include "exchange/wordimport.h"

#include "data/course.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace lumo;
using namespace lumo::exchange;

namespace {

QList<QStringList> pairsOf(const ImportPlan& plan)
{
    QList<QStringList> pairs;
    for (const ImportedPair& p : plan.pairs)
        pairs.append({p.english, p.japanese});
    return pairs;
}

ImportPlan planText(QStringView text)
{
    const DelimitedTable table = parseDelimited(text);
    return planImport(table, guessColumns(table));
}

} // namespace

TEST(GuessColumns, FindsTheEnglishAndTheJapaneseWhereverTheyAre)
{
    const DelimitedTable swapped = parseDelimited(u"りんご,apple\r\n犬,dog\r\n猫,cat");
    const ColumnChoice c = guessColumns(swapped);
    EXPECT_EQ(c.english, 1);
    EXPECT_EQ(c.japanese, 0);
    EXPECT_FALSE(c.firstRowIsHeading);

    // Metadata columns are passed over even when they hold Latin letters.
    const DelimitedTable flashcards =
        parseDelimited(u"#separator:tab\n#guid column:1\n#notetype column:2\nabc\tBasic\tapple\tりんご\n"
                       u"def\tBasic\tdog\t犬");
    const ColumnChoice f = guessColumns(flashcards);
    EXPECT_EQ(f.english, 2);
    EXPECT_EQ(f.japanese, 3);

    EXPECT_TRUE(guessColumns(parseDelimited(u"英単語,意味\r\napple,りんご\r\ndog,犬")).firstRowIsHeading);
    EXPECT_TRUE(guessColumns(parseDelimited(u"Front\tBack\napple\tりんご")).firstRowIsHeading);
    // One column only: the Japanese column points past it, so no pair is made.
    const DelimitedTable single = parseDelimited(u"apple\r\ndog");
    const ImportPlan plan = planImport(single, guessColumns(single));
    EXPECT_TRUE(plan.pairs.empty());
    EXPECT_EQ(plan.incomplete, 2);
}

TEST(PlanImport, SkipsAndCountsRowsThatMakeNoPair)
{
    const ImportPlan plan =
        planText(u"apple,りんご,extra\r\n,空\r\nlonely\r\n  ,  \r\n\"by the way, \",ところで\r\ndog , 犬 ");
    EXPECT_EQ(pairsOf(plan), (QList<QStringList>{{"apple", "りんご"}, {"dog", "犬"}}));
    EXPECT_EQ(plan.incomplete, 3);
    EXPECT_EQ(plan.commaInEnglish, 1);
    EXPECT_EQ(plan.pairs[1].line, 6);
}

TEST(PlanImport, KeepsWholeMeaningsAndOnlyLinesTheCourseReaderTakes)
{
    // A comma in the meaning would start the course line's note; a line past
    // the reader's limit would be refused when the course loads.
    const QString fits = QString(599, u'y') + u',' + QString(400, u'あ');
    const QString tooLong = QString(600, u'x') + u',' + QString(400, u'あ');
    const ImportPlan plan = planText(QStringLiteral("mouse,\"ねずみ, はつかねずみ\"\r\nset,\"置く,,組\"\r\n") + fits +
                                     QStringLiteral("\r\n") + tooLong);
    ASSERT_EQ(plan.pairs.size(), 3u);
    EXPECT_EQ(plan.pairs[0].japanese, QStringLiteral("ねずみ、はつかねずみ"));
    EXPECT_EQ(plan.pairs[1].japanese, QStringLiteral("置く、、組"));
    EXPECT_EQ(plan.tooLong, 1);
    EXPECT_EQ(plan.leftOut(), 1);

    // What is written reads back whole, as one meaning without a note.
    const CourseLines course = parseCourse(courseText(plan.pairs), CourseFilter::All);
    EXPECT_EQ(course.count(), 3);
    EXPECT_EQ(course.tooLong, 0);
    EXPECT_EQ(splitMeaning(course.meanings[0]).head, QStringLiteral("ねずみ、はつかねずみ"));
}

TEST(PlanImport, ListsCharactersCodePage932CannotHoldByLine)
{
    // 〜 (wave dash) has a look-alike the code page holds; 𠮷 and é do not.
    const ImportPlan plan = planText(u"wave,波〜\r\nname,𠮷野家\r\ncafé,カフェé\r\nok,良い");
    EXPECT_EQ(pairsOf(plan), (QList<QStringList>{{"wave", "波～"}, {"ok", "良い"}}));
    ASSERT_EQ(plan.unstorable.size(), 2u);
    EXPECT_EQ(plan.unstorable[0].line, 2);
    EXPECT_EQ(plan.unstorable[0].characters, QStringLiteral("𠮷"));
    EXPECT_EQ(plan.unstorable[1].line, 3);
    EXPECT_EQ(plan.unstorable[1].characters, QStringLiteral("é"));
}

TEST(PlanImport, FlashcardExportComesOutClean)
{
    QFile file(QStringLiteral(LUMO_FIXTURES_DIR "import/flashcards.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ImportPlan plan = planText(decodeSource(file.readAll()).text);
    EXPECT_EQ(pairsOf(plan),
              (QList<QStringList>{
                  {"apple", "りんご"}, {"dog", "犬 (いぬ)"}, {"fish&chips", "フィッシュ・アンド・チップス"}}));
}

TEST(WriteImportedCourse, WritesTheCourseAndListsItOnce)
{
    test::TempProgramFolder folder;
    folder.writeBytes(QStringLiteral("filelist.dat"), "eng-1-1.dat\r\neng-1-2.dat"); // no break after the last line
    const std::vector<ImportedPair> pairs{{"apple", "りんご", 1}, {"set", "置く,組", 2}};
    const WriteResult written = writeImportedCourse(folder.path(), QStringLiteral("果物.dat"), pairs);
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_EQ(folder.readBytes(QStringLiteral("果物.dat")),
              test::cp932Bytes(QStringLiteral("apple,りんご\nset,置く,組\n")));
    EXPECT_EQ(folder.readBytes(QStringLiteral("filelist.dat")),
              test::cp932Bytes(QStringLiteral("eng-1-1.dat\neng-1-2.dat\n果物.dat\n")));

    // The course reads back through the program's own parser as the same pairs.
    const CourseLines back =
        parseCourse(readTextFile(folder.path() + QStringLiteral("果物.dat")).text, CourseFilter::All);
    EXPECT_EQ(back.english, (QStringList{"apple", "set"}));
    EXPECT_EQ(back.meanings, (QStringList{"りんご", "置く,組"}));

    // An existing file is never replaced.
    const WriteResult again = writeImportedCourse(folder.path(), QStringLiteral("果物.dat"), pairs);
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.error.contains(QStringLiteral("すでにあります")));
}

TEST(WriteImportedCourse, LeavesNothingBehindWhenTheListCannotBeWritten)
{
    test::TempProgramFolder folder;
    // A folder where the list should be: it cannot be replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("filelist.dat")));
    const WriteResult written = writeImportedCourse(folder.path(), QStringLiteral("new.dat"), {{"apple", "りんご", 1}});
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("new.dat")));
}

TEST(CourseFileName, RefusesNamesThatWouldHarmTheProgramFolder)
{
    test::TempProgramFolder folder;
    folder.write(QStringLiteral("taken.dat"), QStringLiteral("a,b\n"));
    for (const QString& bad : {QString(), QStringLiteral(" x.dat"), QStringLiteral("../x.dat"),
                               QStringLiteral("a/b.dat"), QStringLiteral("filelist.dat"),
                               QStringLiteral("Training.DAT"), QStringLiteral("taken.dat"), QStringLiteral("𠮷.dat")})
        EXPECT_FALSE(courseFileNameProblem(folder.path(), bad).isEmpty()) << bad.toStdString();
    EXPECT_TRUE(courseFileNameProblem(folder.path(), QStringLiteral("単語 1.dat")).isEmpty());

    EXPECT_EQ(suggestCourseFileName(folder.path(), QStringLiteral("/home/u/taken.csv")), QStringLiteral("taken-2.dat"));
    EXPECT_EQ(suggestCourseFileName(folder.path(), QStringLiteral("/home/u/𠮷:x.csv")), QStringLiteral("__x.dat"));
}
