#include "ui/soundmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

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
}

TEST(SoundModule, AMissingModuleLeavesTheProgramSilent)
{
    QTemporaryDir dir;
    EXPECT_EQ(loadSoundModule(dir.filePath(QStringLiteral("lumo-sound"))), nullptr);
}
