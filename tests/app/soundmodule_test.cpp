#include "ui/soundmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;

TEST(SoundModule, IsFoundFromTheExecutableInABuildAndInstalled)
{
    // The build puts the module where an installation does, relative to the
    // executable: bin/../lib/lumo-english/.
    const QString fromProgram =
        QDir::cleanPath(QStringLiteral(LUMO_PROGRAM_DIR) + soundModuleFromExecutable()) + QStringLiteral(".so");
    EXPECT_EQ(QFileInfo(fromProgram).canonicalFilePath(),
              QFileInfo(QStringLiteral(LUMO_SOUND_MODULE)).canonicalFilePath());
}

TEST(SoundModule, PlaysWithoutBlockingAndIgnoresMissingFiles)
{
    const std::unique_ptr<Sound> player(loadSoundModule(QStringLiteral(LUMO_SOUND_MODULE)));
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

TEST(SoundModule, AMissingModuleLeavesTheProgramSilent)
{
    QTemporaryDir dir;
    EXPECT_EQ(loadSoundModule(dir.filePath(QStringLiteral("lumo-sound"))), nullptr);
}
