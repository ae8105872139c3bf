#include "data/course.h"
#include "data/textfile.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace lumo;

TEST(ParseCourse, SplitsAtTheFirstCommaAndKeepsEmptyParts)
{
    const CourseLines c = parseCourse(
        u"apple,りんご\r\nset,置く,組\r\n\r\n,empty english\r\nempty meaning,\r\nlast,最後", CourseFilter::All);
    EXPECT_EQ(c.english, (QStringList{"apple", "set", "", "empty meaning", "last"}));
    EXPECT_EQ(c.meanings, (QStringList{"りんご", "置く,組", "empty english", "", "最後"}));
    EXPECT_EQ(c.count(), 5);
    EXPECT_EQ(c.withoutComma, 0);
}

TEST(ParseCourse, OnlyEmptyLinesGiveNothing)
{
    const CourseLines c = parseCourse(u"\r\n\r\n\r\n", CourseFilter::All);
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(selectableCountText(c.count()), QStringLiteral("選択可能数0"));
    EXPECT_EQ(selectableCountText(25), QStringLiteral("選択可能数25"));
}

TEST(ParseCourse, WrongAnswerFilterNeedsACrossAfterTheFirstCharacter)
{
    const CourseLines c =
        parseCourse(u"a,あ,2001/03/05,○×\r\nb,い,2001/03/05,○○\r\n×c,う\r\nd,え,×", CourseFilter::WrongAnswers);
    EXPECT_EQ(c.english, (QStringList{"a", "d"}));
}

TEST(ParseCourse, LinesWithoutACommaAreLeftOutAndCounted)
{
    const CourseLines c = parseCourse(u"apple,りんご\r\nbroken line\r\nbanana,バナナ", CourseFilter::All);
    EXPECT_EQ(c.english, (QStringList{"apple", "banana"}));
    EXPECT_EQ(c.withoutComma, 1);
}

TEST(ParseCourse, StopsAtTheLargestLoad)
{
    QString text;
    for (int i = 0; i < kMaxCoursePairs + 5; ++i)
        text += QStringLiteral("w%1,m\r\n").arg(i);
    const CourseLines c = parseCourse(text, CourseFilter::All);
    EXPECT_EQ(c.count(), kMaxCoursePairs);
    EXPECT_TRUE(c.truncated);
    EXPECT_EQ(c.english.last(), QStringLiteral("w32766"));
}

TEST(SplitMeaning, HeadAndNote)
{
    EXPECT_EQ(splitMeaning(QStringLiteral("りんご,ringo")).head, QStringLiteral("りんご"));
    EXPECT_EQ(splitMeaning(QStringLiteral("りんご,ringo")).note, QStringLiteral("ringo"));
    EXPECT_EQ(splitMeaning(QStringLiteral(",ringo")).head, QStringLiteral(",ringo"));
    EXPECT_TRUE(splitMeaning(QStringLiteral(",ringo")).note.isEmpty());
    EXPECT_EQ(splitMeaning(QStringLiteral("置く,組,x")).note, QStringLiteral("組,x"));
}

TEST(ParseCourse, ByteExactFixtureReadsAndWritesBackUnchanged)
{
    // Written by iconv's CP932 table: Windows characters, half-width kana,
    // an empty line and a last line without a line break.
    const QString path = QStringLiteral(LUMO_FIXTURES_DIR "course-cp932.dat");
    const TextFile file = readTextFile(path);
    ASSERT_EQ(file.status, TextFile::Status::Ok);
    const CourseLines c = parseCourse(file.text, CourseFilter::All);
    EXPECT_EQ(c.english, (QStringList{"apple", "set", "", "ｱﾙﾌｧﾍﾞｯﾄ", "last"}));
    EXPECT_EQ(c.meanings, (QStringList{"りんご", "置く,組", "empty", "半角①～－￥∥￢", "最後"}));

    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(encodeCp932(file.text).bytes, original.readAll());
}
