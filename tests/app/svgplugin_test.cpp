// The windows draw their SVG pictures through Qt's SVG image-format plugin:
// the SVG renderer is loaded with the first picture, with no other image
// plugin, and without the plugin the pictures are left out. Each test counts
// on no picture having been read before in its process (ctest runs every
// test in a process of its own); this executable does not link the renderer.
#include "crossword/crosswordcells.h"
#include "support/fakes.h"
#include "typing/typingtrainerwindow.h"
#include "ui/desktopstyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

// The file names of the loaded libraries whose path matches `pattern`.
QStringList loaded(const QString& pattern)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(unreadable /proc/self/maps)")};
    const QRegularExpression match(pattern);
    QStringList names;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && match.match(path).hasMatch() && !names.contains(path.section(u'/', -1)))
            names += path.section(u'/', -1);
    }
    return names;
}

// Every image-format plugin loaded so far, by file name.
std::string imagePlugins()
{
    return loaded(QStringLiteral("/imageformats/")).join(u' ').toStdString();
}

// The program's style: its menu bars load no picture.
class ProgramStyle : public ::testing::Test {
  protected:
    void SetUp() override { QApplication::setStyle(new DesktopStyle); }
    test::Platform platform;
};

using SvgPlugin = ProgramStyle;

TEST_F(SvgPlugin, TrainerLoadsTheRendererWithItsFirstPictureAndNoOtherImagePlugin)
{
    test::TempProgramFolder folder;
    EXPECT_EQ(loaded(QStringLiteral("libQt6Svg")).size(), 0);
    TypingTrainerWindow window;
    ASSERT_FALSE(window.findChild<QLabel*>(QStringLiteral("Image1(1)"))->pixmap().isNull());
    EXPECT_EQ(imagePlugins(), "libqsvg.so");
    EXPECT_EQ(loaded(QStringLiteral("libQt6Svg")).size(), 1);
}

// Qt's other image-format plugins are there, the SVG one is not.
class NoSvgPlugin : public ProgramStyle {
  protected:
    void SetUp() override
    {
        ProgramStyle::SetUp();
        ASSERT_TRUE(m_plugins.isValid());
        const QDir installed(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats"));
        QDir(m_plugins.path()).mkdir(QStringLiteral("imageformats"));
        for (const QString& name : installed.entryList(QDir::Files))
            if (!name.contains(QLatin1String("svg")))
                QFile::link(installed.filePath(name), m_plugins.filePath(QStringLiteral("imageformats/") + name));
        QApplication::setLibraryPaths({m_plugins.path()});
        if (!imagePlugins().empty())
            GTEST_SKIP() << "an earlier test in this process loaded " << imagePlugins();
    }

  private:
    QTemporaryDir m_plugins;
};

TEST_F(NoSvgPlugin, TrainerOpensWithoutKeyAndCupPictures)
{
    test::TempProgramFolder folder;
    TypingTrainerWindow window;
    const auto* key = window.findChild<QLabel*>(QStringLiteral("Image1(1)"));
    const auto* cup = window.findChild<QLabel*>(QStringLiteral("Image2(0)"));
    ASSERT_NE(key, nullptr);
    ASSERT_NE(cup, nullptr);
    EXPECT_TRUE(key->pixmap().isNull());
    EXPECT_TRUE(cup->pixmap().isNull());
    EXPECT_FALSE(window.grab().isNull());
    // Nothing else was tried in the SVG plugin's place.
    EXPECT_EQ(imagePlugins(), "");
}

TEST_F(NoSvgPlugin, SuccessPictureShowsTheBareLabel)
{
    ClickLabel label(nullptr);
    label.resize(377, 292);
    const QImage bare = label.grab().toImage();
    label.setSvg(QStringLiteral(":/assets/good.svg"));
    EXPECT_EQ(label.grab().toImage(), bare);
    EXPECT_EQ(imagePlugins(), "");
}

} // namespace
