// The installed program, run the way a learner runs it: installed into a
// prefix its user cannot write, started offscreen, ended by the main window's
// own save-and-end sequence. Its history must land in the user's data folder
// and stay there across runs.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// An unprivileged account for running the program when the tests run as root.
constexpr int kNobody = 65534;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

// Makes `path` and everything below it owned by the unprivileged account.
void giveToNobody(const QString& path)
{
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        ASSERT_EQ(::chown(QFile::encodeName(it.next()).constData(), kNobody, kNobody), 0);
}

class InstalledProgram : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        // Others (the unprivileged account) must be able to reach the prefix.
        QFile::setPermissions(m_root.path(), QFile::permissions(m_root.path()) | QFile::ExeOther | QFile::ReadOther);
        m_asRoot = ::geteuid() == 0;
        if (m_asRoot) {
            m_setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (m_setpriv.isEmpty())
                GTEST_SKIP() << "setpriv (util-linux) is needed to run the program as another user";
            // Some sandboxes (a chroot in a private 0700 folder) let no other
            // user reach the system's libraries at all: nothing could run there.
            QProcess probe;
            probe.start(m_setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--", "/bin/true"});
            if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
                GTEST_SKIP() << "this machine lets no unprivileged user run a program (its root folder is closed)";
        }
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(LUMO_CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(LUMO_BINARY_DIR),
                                                           QStringLiteral("--prefix"), prefix()});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
        ASSERT_TRUE(QFile::exists(prefix() + "/bin/lumo-english"));
        ASSERT_TRUE(QFile::exists(prefix() + "/share/lumo-english/filelist.dat"));
        // The modules loaded on first use, where the executable looks for them.
        for (const char* module : {"lumo-sound", "lumo-speech", "lumo-print"})
            ASSERT_TRUE(QFile::exists(prefix() + "/" LUMO_MODULE_DIR "/" + module + ".so")) << module;
        ASSERT_TRUE(QDir().mkpath(home()));
        if (m_asRoot) {
            // Root can write anywhere; the program runs as nobody instead,
            // who can write its home but not the root-owned prefix.
            giveToNobody(home());
        } else {
            // The prefix is ours: take the write permission away instead.
            for (const QString& path : filesUnder(prefix()) + QStringList{prefix() + "/bin", dataFolder()})
                QFile::setPermissions(path, QFile::permissions(path) & ~(QFile::WriteOwner | QFile::WriteUser));
        }
    }

    void TearDown() override
    {
        if (!m_asRoot)
            for (const QString& path : {prefix() + "/bin", dataFolder()})
                QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    }

    QString prefix() const { return m_root.filePath("usr"); }
    QString dataFolder() const { return prefix() + "/share/lumo-english"; }
    QString home() const { return m_root.filePath("home/learner"); }
    QString perUser() const { return home() + "/.local/share/Lumo-English/"; }

    // One whole run of the installed program; its exit code.
    int runOnce()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            env.remove(QString::fromLatin1(name));
        env.insert("HOME", home());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LUMO_TEST_CLOSE_AFTER_MS", "1500");
        // The program's leaks are the other tests' business.
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.setWorkingDirectory(home());
        const QString executable = prefix() + "/bin/lumo-english";
        if (m_asRoot)
            program.start(m_setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--", executable});
        else
            program.start(executable, {});
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            ADD_FAILURE() << "the program did not end by itself";
            return -1;
        }
        m_output += program.readAll();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    QTemporaryDir m_root;
    bool m_asRoot = false;
    QString m_setpriv;
    QByteArray m_output;
};

} // namespace

TEST_F(InstalledProgram, KeepsEachLearnersHistoryInTheirOwnFolderAcrossRuns)
{
    ASSERT_TRUE(QDir().mkpath(perUser()));
    // A learner who used the program before: their history and their own
    // version of a course stay as they are.
    const QByteArray earlier("cat,neko,2026/12/01,o\r\n");
    ASSERT_TRUE(writeFile(perUser() + "Training.dat", earlier));
    ASSERT_TRUE(writeFile(perUser() + "eng-1-2.dat", "mine,watashi no\r\n"));
    if (m_asRoot)
        giveToNobody(home());
    const QStringList installed = filesUnder(prefix());

    ASSERT_EQ(runOnce(), 0) << m_output.toStdString();
    // The shipped files were copied in, the learner's were kept.
    EXPECT_EQ(readFile(perUser() + "filelist.dat"), readFile(dataFolder() + "/filelist.dat"));
    EXPECT_EQ(readFile(perUser() + "例文.txt"), readFile(dataFolder() + "/例文.txt"));
    EXPECT_EQ(readFile(perUser() + "sample3.wav"), readFile(dataFolder() + "/sample3.wav"));
    EXPECT_EQ(readFile(perUser() + "eng-1-2.dat"), "mine,watashi no\r\n");
    // This run judged nothing: the history files were left as they were.
    EXPECT_EQ(readFile(perUser() + "Training.dat"), earlier);
    EXPECT_FALSE(QFile::exists(perUser() + "LastTraining.dat"));

    ASSERT_EQ(runOnce(), 0) << m_output.toStdString();
    EXPECT_EQ(readFile(perUser() + "Training.dat"), earlier);
    EXPECT_EQ(readFile(perUser() + "eng-1-2.dat"), "mine,watashi no\r\n");
    // Nothing was written into the installation, and no error was shown.
    EXPECT_EQ(filesUnder(prefix()), installed);
    EXPECT_FALSE(m_output.contains("保存されませんでした")) << m_output.toStdString();
}
