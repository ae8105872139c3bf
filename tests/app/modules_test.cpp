// The modules the program loads on first use: where they are found, the
// sound module's player, and modules that cannot be loaded. (Speech and
// printing without their modules: speech_test.cpp, puzzleprint_test.cpp.)
#include "ui/modules.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;

namespace {

QString folderOf(const char* modulePath)
{
    return QFileInfo(QString::fromUtf8(modulePath)).absolutePath();
}

} // namespace

TEST(Modules, AreFoundFromTheExecutableInABuildAndInstalled)
{
    // The build puts the modules where an installation does, relative to the
    // executable: bin/../lib/lumo-english/ (or the multiarch library folder).
    const std::pair<ModuleFile, const char*> built[] = {
        {kSoundModule, LUMO_SOUND_MODULE}, {kSpeechModule, LUMO_SPEECH_MODULE}, {kPrintModule, LUMO_PRINT_MODULE}};
    for (const auto& [module, file] : built) {
        SCOPED_TRACE(module.name);
        const QString fromProgram = QDir::cleanPath(QStringLiteral(LUMO_PROGRAM_DIR) + moduleFolderFromExecutable() +
                                                    u'/' + QString::fromLatin1(module.name) + QStringLiteral(".so"));
        EXPECT_EQ(QFileInfo(fromProgram).canonicalFilePath(), QFileInfo(QString::fromUtf8(file)).canonicalFilePath());
    }
    // The tests lie beside the program's folder, so they find the build's
    // modules the way the program does.
    EXPECT_EQ(QFileInfo(moduleFolder()).canonicalFilePath(),
              QFileInfo(folderOf(LUMO_SOUND_MODULE)).canonicalFilePath());
}

TEST(SoundModule, PlaysWithoutBlockingAndIgnoresMissingFiles)
{
    const std::unique_ptr<Sound> player(createFromModule<Sound>(folderOf(LUMO_SOUND_MODULE), kSoundModule));
    ASSERT_NE(player, nullptr);
    QTemporaryDir dir;
    player->play(dir.filePath(QStringLiteral("missing.wav")));
    player->play(QStringLiteral(LUMO_PROGRAM_DIR "sample3.wav"));
    player->play(QStringLiteral(LUMO_PROGRAM_DIR "sample3.wav"));
    QCoreApplication::processEvents();
    // Qt Multimedia loads a sample on a thread of its own and leaks it when
    // the process ends in the middle of loading; a program never ends within
    // moments of a sound, so the test lets the loading finish too.
    QTest::qWait(1000);
}

TEST(Modules, MissingOrBrokenModulesAreNotLoaded)
{
    QTemporaryDir dir;
    for (const ModuleFile& module : {kSoundModule, kSpeechModule, kPrintModule})
        EXPECT_EQ(detail::moduleFactory(dir.path(), module), nullptr) << module.name;
    // A file that is no library, and a library without the factory asked for.
    QFile garbage(dir.filePath(QStringLiteral("lumo-speech.so")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a library");
    garbage.close();
    EXPECT_EQ(detail::moduleFactory(dir.path(), kSpeechModule), nullptr);
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMO_SOUND_MODULE), dir.filePath(QStringLiteral("lumo-print.so"))));
    EXPECT_EQ(detail::moduleFactory(dir.path(), kPrintModule), nullptr);
}
