#include "data/history.h"

#include "support/fakes.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace lumo;

namespace {

const QDate kDay(2001, 3, 5);

QString record(const QString& history, const QString& english, const QString& meaning, const QString& mark)
{
    return recordJudgement(history, english, meaning, mark, kDay);
}

} // namespace

TEST(HistoryRecording, FirstJudgementStartsALineAfterAnEmptyLine)
{
    EXPECT_EQ(record({}, u"apple"_qs, u"りんご"_qs, u"○"_qs), u"\r\n\r\napple,りんご,2001/03/05,○"_qs);
}

TEST(HistoryRecording, DateIsYearMonthDayZeroPadded)
{
    EXPECT_EQ(recordJudgement({}, u"a"_qs, u"ひとつの"_qs, u"×"_qs, QDate(1999, 12, 31)),
              u"\r\n\r\na,ひとつの,1999/12/31,×"_qs);
    EXPECT_EQ(recordJudgement({}, u"a"_qs, u"ひとつの"_qs, u"×"_qs, QDate(2024, 1, 9)),
              u"\r\n\r\na,ひとつの,2024/01/09,×"_qs);
}

TEST(HistoryRecording, RepeatedJudgementJoinsItsLineAndLeavesAnEmptyLine)
{
    QString h = record({}, u"apple"_qs, u"りんご"_qs, u"○"_qs);
    h = record(h, u"apple"_qs, u"りんご"_qs, u"×"_qs);
    EXPECT_EQ(h, u"\r\n\r\napple,りんご,2001/03/05,○×\r\n"_qs);
    h = record(h, u"apple"_qs, u"りんご"_qs, u"○"_qs);
    EXPECT_EQ(h, u"\r\n\r\napple,りんご,2001/03/05,○×○\r\n\r\n"_qs);
}

TEST(HistoryRecording, MarkJoinsOnlyTheLineWithTheSameEnglishField)
{
    // "a" occurs inside "apple", inside a meaning and inside "banana": none
    // of those lines is a's line.
    QString h = record({}, u"apple"_qs, u"a りんご"_qs, u"○"_qs);
    h = record(h, u"banana"_qs, u"バナナ"_qs, u"×"_qs);
    h = record(h, u"a"_qs, u"ひとつの"_qs, u"×"_qs);
    EXPECT_EQ(h, u"\r\n\r\napple,a りんご,2001/03/05,○\r\n\r\nbanana,バナナ,2001/03/05,×\r\n\r\n"
                 u"a,ひとつの,2001/03/05,×"_qs);
    h = record(h, u"a"_qs, u"ひとつの"_qs, u"○"_qs);
    h = record(h, u"banana"_qs, u"バナナ"_qs, u"○"_qs);
    EXPECT_EQ(h, u"\r\n\r\napple,a りんご,2001/03/05,○\r\n\r\nbanana,バナナ,2001/03/05,×○\r\n\r\n"
                 u"a,ひとつの,2001/03/05,×○\r\n\r\n"_qs);
}

TEST(HistoryRecording, EnglishFieldIsCaseAndSpaceExact)
{
    QString h = record({}, u"Apple"_qs, u"りんご"_qs, u"○"_qs);
    h = record(h, u"apple"_qs, u"りんご"_qs, u"○"_qs);
    h = record(h, u"apple "_qs, u"りんご"_qs, u"○"_qs);
    EXPECT_EQ(h.count(u"2001/03/05"_qs), 3);
}

TEST(HistoryRecording, MeaningWithCommasDoesNotConfuseTheEnglishField)
{
    // A meaning that itself holds commas and a mark-like text.
    QString h = record({}, u"set"_qs, u"置く,組"_qs, u"○"_qs);
    h = record(h, u"組"_qs, u"group"_qs, u"×"_qs);
    h = record(h, u"set"_qs, u"置く,組"_qs, u"×"_qs);
    EXPECT_EQ(h, u"\r\n\r\nset,置く,組,2001/03/05,○×\r\n\r\n組,group,2001/03/05,×\r\n"_qs);
}

class HistorySave : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    QByteArray bytes(const char* name) const { return folder.readBytes(QString::fromUtf8(name)); }
};

TEST_F(HistorySave, TwoRunsGiveTheExactBytesOfBothFiles)
{
    QString first = record({}, u"apple"_qs, u"りんご"_qs, u"○"_qs);
    first = record(first, u"dog"_qs, u"犬"_qs, u"×"_qs);
    ASSERT_TRUE(saveHistory(folder.path(), first).ok());
    EXPECT_EQ(bytes("LastTraining.dat"), test::cp932Bytes(u"\n\napple,りんご,2001/03/05,○\n\ndog,犬,2001/03/05,×"_qs));

    const QString second = record({}, u"cat"_qs, u"猫"_qs, u"○"_qs);
    const HistorySaveResult result = saveHistory(folder.path(), second);
    EXPECT_TRUE(result.last.ok);
    EXPECT_TRUE(result.training.ok);
    EXPECT_TRUE(result.errors().isEmpty());
    EXPECT_EQ(bytes("LastTraining.dat"), test::cp932Bytes(u"\n\ncat,猫,2001/03/05,○"_qs));
    EXPECT_EQ(bytes("Training.dat"), test::cp932Bytes(u"\n\napple,りんご,2001/03/05,○\n\ndog,犬,2001/03/05,×\n"
                                                      u"\n\ncat,猫,2001/03/05,○\n"_qs));
    // The marks are the two-byte code page 932 characters.
    EXPECT_TRUE(bytes("Training.dat").contains(QByteArray("\x81\x9b", 2))); // ○
    EXPECT_TRUE(bytes("Training.dat").contains(QByteArray("\x81\x7e", 2))); // ×
}

TEST_F(HistorySave, RunWithoutJudgementsEmptiesLastAndAddsOneEmptyLine)
{
    folder.write(u"LastTraining.dat"_qs, u"old,古い,2001/03/04,○"_qs);
    folder.write(u"Training.dat"_qs, u"old,古い,2001/03/04,○\n"_qs);
    ASSERT_TRUE(saveHistory(folder.path(), {}).ok());
    EXPECT_TRUE(folder.exists(u"LastTraining.dat"_qs));
    EXPECT_EQ(bytes("LastTraining.dat"), QByteArray());
    EXPECT_EQ(bytes("Training.dat"), test::cp932Bytes(u"old,古い,2001/03/04,○\n\n"_qs));
}

TEST_F(HistorySave, FolderWithoutTrailingSeparatorWorks)
{
    QString path = folder.path();
    path.chop(1);
    ASSERT_TRUE(saveHistory(path, u"x,y,2001/03/05,○"_qs).ok());
    EXPECT_EQ(bytes("LastTraining.dat"), QByteArray("x,y,2001/03/05,\x81\x9b"));
}

TEST_F(HistorySave, MissingFolderFailsForBothFilesNamingThem)
{
    const QString gone = folder.path() + u"gone/"_qs;
    const HistorySaveResult result = saveHistory(gone, u"x,y,2001/03/05,○"_qs);
    EXPECT_FALSE(result.last.ok);
    EXPECT_FALSE(result.training.ok);
    EXPECT_TRUE(result.last.error.contains(u"LastTraining.dat"_qs)) << qPrintable(result.last.error);
    EXPECT_TRUE(result.training.error.contains(u"Training.dat"_qs)) << qPrintable(result.training.error);
    EXPECT_EQ(result.errors().count(u'\n'), 1);
    EXPECT_FALSE(QDir(gone).exists());
}

TEST_F(HistorySave, UnwritableLastFileDoesNotStopTheAppend)
{
    // A folder in the place of the file: no user, root included, can write it.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"LastTraining.dat"_qs));
    folder.write(u"Training.dat"_qs, u"old,古い,2001/03/04,○\n"_qs);
    const HistorySaveResult result = saveHistory(folder.path(), u"x,y,2001/03/05,○"_qs);
    EXPECT_FALSE(result.last.ok);
    EXPECT_TRUE(result.last.error.contains(u"LastTraining.dat"_qs));
    EXPECT_TRUE(result.training.ok);
    EXPECT_EQ(bytes("Training.dat"), test::cp932Bytes(u"old,古い,2001/03/04,○\nx,y,2001/03/05,○\n"_qs));
    EXPECT_TRUE(QFileInfo(folder.path() + u"LastTraining.dat"_qs).isDir());
}

TEST_F(HistorySave, ReadOnlyFolderKeepsTheOldLastFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    folder.write(u"LastTraining.dat"_qs, u"old,古い,2001/03/04,○"_qs);
    folder.write(u"Training.dat"_qs, u"old,古い,2001/03/04,○\n"_qs);
    const QByteArray lastBefore = bytes("LastTraining.dat");
    const QFileDevice::Permissions open = QFile::permissions(folder.path());
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const HistorySaveResult result = saveHistory(folder.path(), u"x,y,2001/03/05,○"_qs);
    QFile::setPermissions(folder.path(), open);
    // The old file cannot be replaced and stays whole; the existing file
    // still takes the append.
    EXPECT_FALSE(result.last.ok);
    EXPECT_TRUE(result.last.error.contains(u"LastTraining.dat"_qs));
    EXPECT_EQ(bytes("LastTraining.dat"), lastBefore);
    EXPECT_TRUE(result.training.ok);
    EXPECT_EQ(bytes("Training.dat"), test::cp932Bytes(u"old,古い,2001/03/04,○\nx,y,2001/03/05,○\n"_qs));
}

TEST_F(HistorySave, UnwritableTrainingFileLeavesLastWritten)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"Training.dat"_qs));
    const HistorySaveResult result = saveHistory(folder.path(), u"x,y,2001/03/05,○"_qs);
    EXPECT_TRUE(result.last.ok);
    EXPECT_FALSE(result.training.ok);
    EXPECT_TRUE(result.training.error.contains(u"Training.dat"_qs));
    EXPECT_EQ(bytes("LastTraining.dat"), QByteArray("x,y,2001/03/05,\x81\x9b"));
}

TEST_F(HistorySave, FullDiskKeepsTheRunOfTheProgramGoingAndReportsIt)
{
    if (!QFile::exists(u"/dev/full"_qs))
        GTEST_SKIP() << "no /dev/full";
    ASSERT_TRUE(QFile::link(u"/dev/full"_qs, folder.path() + u"Training.dat"_qs));
    const HistorySaveResult result = saveHistory(folder.path(), u"x,y,2001/03/05,○"_qs);
    EXPECT_FALSE(result.training.ok);
    EXPECT_TRUE(result.training.error.contains(u"Training.dat"_qs));
    EXPECT_TRUE(result.last.ok);
}

TEST_F(HistorySave, CharactersNoFileCanHoldAreSavedAsQuestionMarks)
{
    // U+FFFD stands for bytes that could not be read when the course was
    // loaded; the run is saved all the same.
    const HistorySaveResult result = saveHistory(folder.path(), u"caf\uFFFD,カフェ〜,2001/03/05,○"_qs);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(bytes("LastTraining.dat"), test::cp932Bytes(u"caf?,カフェ～,2001/03/05,○"_qs));
    EXPECT_EQ(bytes("Training.dat"), test::cp932Bytes(u"caf?,カフェ～,2001/03/05,○\n"_qs));
}
