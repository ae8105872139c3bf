// The history files under kills and failures at every step of a save: each
// file is always either as it was or the whole new version, and a save is
// reported as done exactly when it was.
#include "data/durablefile.h"
#include "data/history.h"

#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumo;

namespace {

// A history of `lines` judged words, as the quiz builds it.
QString historyOf(int lines, const QString& tag)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("\r\n\r\n%1word%2,意味%2,2001/03/05,○×").arg(tag).arg(i);
    return text;
}

class SaveUnderFaults : public ::testing::Test {
  protected:
    void SetUp() override
    {
        // Big enough that each file takes many write calls.
        oldLast = test::cp932Bytes(historyOf(2000, QStringLiteral("last")));
        oldTraining = test::cp932Bytes(historyOf(12000, QStringLiteral("old")));
        run = historyOf(3000, QStringLiteral("new"));
        newLast = test::cp932Bytes(run);
        newTraining = oldTraining + test::cp932Bytes(run + QStringLiteral("\r\n"));
        ASSERT_GT(newTraining.size(), 8 * kWritePieceBytes);
    }
    void TearDown() override { setWriteFaultHook({}); }

    void writeOldFiles() const
    {
        folder.writeBytes(QStringLiteral("LastTraining.dat"), oldLast);
        folder.writeBytes(QStringLiteral("Training.dat"), oldTraining);
    }
    QByteArray last() const { return folder.readBytes(QStringLiteral("LastTraining.dat")); }
    QByteArray training() const { return folder.readBytes(QStringLiteral("Training.dat")); }

    // How many steps a whole save takes.
    int stepsOfASave()
    {
        writeOldFiles();
        int steps = 0;
        setWriteFaultHook([&steps](WriteStep) {
            ++steps;
            return 0;
        });
        EXPECT_TRUE(saveHistory(folder.path(), run).ok());
        setWriteFaultHook({});
        return steps;
    }

    // Saves in a child process that is killed just before step `killAt`.
    void saveKilledAt(int killAt) const
    {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int step = 0;
            setWriteFaultHook([&step, killAt](WriteStep) {
                if (++step == killAt)
                    ::raise(SIGKILL);
                return 0;
            });
            saveHistory(folder.path(), run);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "step " << killAt;
    }

    void expectOldOrNew(const std::string& when) const
    {
        const QByteArray l = last(), t = training();
        EXPECT_TRUE(l == oldLast || l == newLast) << when << ": LastTraining.dat has " << l.size() << " bytes";
        EXPECT_TRUE(t == oldTraining || t == newTraining) << when << ": Training.dat has " << t.size() << " bytes";
    }

    test::TempProgramFolder folder;
    QByteArray oldLast, oldTraining, newLast, newTraining;
    QString run;
};

TEST_F(SaveUnderFaults, KillBeforeAnyStepLeavesEachFileOldOrNew)
{
    const int steps = stepsOfASave();
    ASSERT_GT(steps, 15);
    for (int killAt = 1; killAt <= steps; ++killAt) {
        writeOldFiles();
        saveKilledAt(killAt);
        expectOldOrNew("killed before step " + std::to_string(killAt));
        // Only the two history files show; a temporary file left by the
        // kill is hidden and removed by the next save.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  (QStringList{QStringLiteral("LastTraining.dat"), QStringLiteral("Training.dat")}));
    }
    writeOldFiles();
    EXPECT_TRUE(saveHistory(folder.path(), run).ok());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(SaveUnderFaults, KillAtRandomMomentsLeavesEachFileOldOrNew)
{
    for (int round = 0; round < 30; ++round) {
        writeOldFiles();
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            ::write(ready[1], "x", 1);
            saveHistory(folder.path(), run);
            ::_exit(0);
        }
        ::close(ready[1]);
        char x = 0;
        ASSERT_EQ(::read(ready[0], &x, 1), 1);
        ::close(ready[0]);
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(30000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        expectOldOrNew("round " + std::to_string(round));
    }
}

TEST_F(SaveUnderFaults, FailureAtAnyStepIsReportedAndLeavesTheOldFile)
{
    const int steps = stepsOfASave();
    for (const int error : {ENOSPC, EIO}) {
        for (int failAt = 1; failAt <= steps; ++failAt) {
            writeOldFiles();
            int step = 0;
            setWriteFaultHook([&step, failAt, error](WriteStep) { return ++step == failAt ? error : 0; });
            const HistorySaveResult result = saveHistory(folder.path(), run);
            setWriteFaultHook({});
            const std::string when = "error " + std::to_string(error) + " at step " + std::to_string(failAt);
            expectOldOrNew(when);
            // Reported as saved exactly when the file holds the new version.
            EXPECT_EQ(result.last.ok, last() == newLast) << when;
            EXPECT_EQ(result.training.ok, training() == newTraining) << when;
            if (!result.ok()) {
                const QString cause = error == ENOSPC ? QStringLiteral("ディスクがいっぱいです")
                                                      : QStringLiteral("ディスクの読み書きに失敗しました");
                EXPECT_TRUE(result.message().contains(cause)) << when;
            }
            EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral(".LastTraining.dat.tmp"))) << when;
            EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral(".Training.dat.tmp"))) << when;
        }
    }
}

TEST_F(SaveUnderFaults, NoRoomForACopyStillAppendsTheRunInPlace)
{
    // The second file created is the copy of "Training.dat": a folder that
    // takes no new file, or a disk without room for the copy, still takes
    // the run at the end of the existing file.
    for (const int error : {EACCES, ENOSPC}) {
        writeOldFiles();
        int creates = 0;
        setWriteFaultHook(
            [&creates, error](WriteStep step) { return step == WriteStep::Create && ++creates == 2 ? error : 0; });
        const HistorySaveResult result = saveHistory(folder.path(), run);
        setWriteFaultHook({});
        EXPECT_TRUE(result.ok()) << qPrintable(result.message());
        EXPECT_EQ(last(), newLast);
        EXPECT_TRUE(training() == newTraining) << "error " << error;
    }
}

TEST(WriteFailures, DeviceThatIsFullFailsAndStaysADevice)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    for (const bool append : {false, true}) {
        const WriteResult result = append ? appendTextFile(QStringLiteral("/dev/full"), u"x,y")
                                          : writeTextFile(QStringLiteral("/dev/full"), u"x,y");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, QStringLiteral("ファイル「full」に保存できませんでした：ディスクがいっぱいです。"));
        struct stat status {};
        ASSERT_EQ(::stat("/dev/full", &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode)); // never replaced by a file
    }
}

TEST(WriteFailures, FullFileSystemKeepsBothHistoryFiles)
{
    test::TempProgramFolder folder;
    const QString mountPoint = folder.path() + QStringLiteral("small");
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount(path.constData()); }
    } unmount{QFile::encodeName(mountPoint)};
    const QString dir = mountPoint + u'/';
    const QByteArray oldLast = test::cp932Bytes(QStringLiteral("old,古い,2001/03/04,○"));
    const QByteArray oldTraining = oldLast + "\r\n";
    for (const auto& [name, bytes] : {std::pair{"LastTraining.dat", oldLast}, {"Training.dat", oldTraining}}) {
        QFile f(dir + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Fill the rest of the file system.
    {
        QFile filler(dir + QStringLiteral("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
    }
    const HistorySaveResult result = saveHistory(dir, historyOf(500, QStringLiteral("run")));
    EXPECT_FALSE(result.last.ok);
    EXPECT_FALSE(result.training.ok);
    EXPECT_TRUE(result.message().contains(QStringLiteral("ディスクがいっぱいです"))) << qPrintable(result.message());
    QFile last(dir + QStringLiteral("LastTraining.dat")), training(dir + QStringLiteral("Training.dat"));
    ASSERT_TRUE(last.open(QIODevice::ReadOnly) && training.open(QIODevice::ReadOnly));
    EXPECT_EQ(last.readAll(), oldLast);
    EXPECT_EQ(training.readAll(), oldTraining);
}

} // namespace
