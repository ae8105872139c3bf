#include "base/userfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace lumo;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A temporary tree with a build-like folder (executable and shipped files
// side by side), an installed layout (bin/ and share/lumo-english/) and a
// home for the per-user folder.
class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        writeFile(build() + "lumo-english", "\x7f"
                                            "ELF");
        writeFile(build() + "filelist.dat", "eng-1-1.dat\r\n");
        writeFile(installedData() + "filelist.dat", "eng-1-1.dat\r\n");
        QDir().mkpath(installedBin());
    }
    QString build() const { return m_root.filePath("build/bin/"); }
    QString installedBin() const { return m_root.filePath("usr/bin/"); }
    QString installedData() const { return m_root.filePath("usr/share/lumo-english/"); }
    QString perUser() const { return m_root.filePath("home/.local/share/Lumo-English/"); }

    QTemporaryDir m_root;
};

const auto kWritable = [](const QString&) { return true; };
const auto kReadOnly = [](const QString&) { return false; };

} // namespace

TEST_F(ProgramFolderTest, ABuildItsUserCanWriteKeepsItsFilesBesideTheExecutable)
{
    const ProgramFolderPlan plan =
        planProgramFolder(build(), QDir::cleanPath(build() + "../share/lumo-english"), perUser(), kWritable);
    EXPECT_EQ(plan.folder, build());
    EXPECT_TRUE(plan.shippedFolder.isEmpty());
    // A folder without shipped files (a test executable's) is used as it is.
    const QString bare = m_root.filePath("tests");
    EXPECT_EQ(planProgramFolder(bare, QString(), perUser(), kWritable).folder, bare + '/');
}

TEST_F(ProgramFolderTest, AFolderItsUserCannotWriteMovesThePlanToThePerUserFolder)
{
    const ProgramFolderPlan plan = planProgramFolder(build(), QString(), perUser(), kReadOnly);
    EXPECT_EQ(plan.folder, perUser());
    EXPECT_EQ(plan.shippedFolder, build());
}

TEST_F(ProgramFolderTest, AnInstalledProgramAlwaysUsesThePerUserFolder)
{
    // Even when its folder is writable (run by root, /usr/bin is), the
    // shipped files are not beside it and a per-user folder is used.
    for (const auto& canWrite : {std::function<bool(const QString&)>(kWritable), {kReadOnly}}) {
        const ProgramFolderPlan plan =
            planProgramFolder(installedBin(), installedBin() + "../share/lumo-english", perUser(), canWrite);
        EXPECT_EQ(plan.folder, perUser());
        EXPECT_EQ(QDir(plan.shippedFolder).canonicalPath(), QDir(installedData()).canonicalPath());
    }
}

TEST_F(ProgramFolderTest, WritabilityIsTriedAndLeavesNothingBehind)
{
    EXPECT_TRUE(folderIsWritable(build()));
    EXPECT_EQ(QDir(build()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_FALSE(folderIsWritable(m_root.filePath("missing")));
    // Below a file no folder can exist, for root neither.
    EXPECT_FALSE(folderIsWritable(build() + "filelist.dat"));
}

TEST_F(ProgramFolderTest, StockingCopiesTheMissingShippedFilesAndNeverALearnersFile)
{
    const QByteArray course("apple,\x82\xe8\x82\xf1\x82\xb2\r\n"); // りんご in code page 932
    writeFile(installedData() + "eng-1-1.dat", course);
    writeFile(installedData() + "sample3.wav", QByteArray("RIFF\0\0\0\0WAVE", 12));
    writeFile(installedData() + "README.md", "not a program file");
    QFile::setPermissions(installedData() + "eng-1-1.dat", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    // The learner changed the course list and has a history of their own.
    writeFile(perUser() + "filelist.dat", "mine.dat\r\n");
    writeFile(perUser() + "Training.dat", "cat,neko,2026/12/01,o\r\n");

    const StockResult first = stockProgramFolder(installedData(), perUser());
    EXPECT_EQ(first.copied, QStringList({"eng-1-1.dat", "sample3.wav"}));
    EXPECT_TRUE(first.failed.isEmpty());
    EXPECT_EQ(stockProblemMessage(first, perUser()), QString());
    EXPECT_EQ(readFile(perUser() + "eng-1-1.dat"), course);
    EXPECT_EQ(readFile(perUser() + "sample3.wav").size(), 12);
    EXPECT_EQ(readFile(perUser() + "filelist.dat"), "mine.dat\r\n");
    EXPECT_EQ(readFile(perUser() + "Training.dat"), "cat,neko,2026/12/01,o\r\n");
    EXPECT_FALSE(QFile::exists(perUser() + "README.md"));
    // The learner's copy of a read-only installed file can be changed.
    EXPECT_TRUE(QFile::permissions(perUser() + "eng-1-1.dat") & QFile::WriteOwner);

    // A later start adds what a newer version ships, and nothing else.
    writeFile(installedData() + "word-20.dat", "new\r\n");
    writeFile(perUser() + "eng-1-1.dat", "edited\r\n");
    const StockResult second = stockProgramFolder(installedData(), perUser());
    EXPECT_EQ(second.copied, QStringList({"word-20.dat"}));
    EXPECT_EQ(readFile(perUser() + "eng-1-1.dat"), "edited\r\n");
}

TEST_F(ProgramFolderTest, AFolderThatCannotBeMadeIsReportedInJapanese)
{
    const QString impossible = build() + "filelist.dat/Lumo-English/";
    const StockResult result = stockProgramFolder(installedData(), impossible);
    EXPECT_FALSE(result.folderCreated);
    const QString message = stockProblemMessage(result, impossible);
    EXPECT_TRUE(message.contains(QStringLiteral("作れませんでした"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(impossible)));

    StockResult partial;
    partial.failed = QStringList{"eng-1-1.dat"};
    EXPECT_TRUE(stockProblemMessage(partial, perUser()).contains("eng-1-1.dat"));
}

TEST(ShippedFiles, AreTheCourseTextHelpAndSoundFiles)
{
    for (const char* name : {"filelist.dat", "word-19.dat", "例文-2.txt", "E-Help.htm", "sample2.wav", "A.DAT"})
        EXPECT_TRUE(isShippedFileName(QString::fromUtf8(name))) << name;
    for (const char* name : {"lumo-english", "README.md", ".write-test-abc.dat", "notes.dat~", "icon.svg"})
        EXPECT_FALSE(isShippedFileName(QString::fromUtf8(name))) << name;
}
