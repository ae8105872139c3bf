// Every window draws with the program's own faces: whatever family the
// desktop gives the application, the windows look the same to the pixel.
#include "app/splashwindow.h"
#include "crossword/crosswordwindow.h"
#include "help/helpwindow.h"
#include "quiz/quizwindow.h"
#include "support/fakes.h"
#include "typing/typingtrainerwindow.h"
#include "ui/fonts.h"
#include "wordentry/wordentrywindow.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace lumo;

namespace {

TEST(Fonts, TheProgramsFacesAreInstalled)
{
    // Installed by the dependency script; without them every other window
    // test would measure a stand-in face.
    EXPECT_EQ(QFontInfo(uiFont(Face::Gothic)).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(uiFont(Face::Serif)).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(uiFont(Face::Phonetic)).family(), QStringLiteral("DejaVu Sans"));
}

class WindowFonts : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;

    void SetUp() override
    {
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nwater,水\n"));
        folder.write(QStringLiteral("例文.txt"), QStringLiteral("An apple a day.\n一日一個のりんご。\n"));
        folder.write(QStringLiteral("help.txt"), QStringLiteral("使い方\nHelp 123\n"));
        folder.write(QStringLiteral("word-1.dat"), QStringLiteral("CUP,カップ\nTEA,お茶\nCAT,猫\nAPE,猿\n"));
        platform.random.values.assign(4000, 0.5f);
    }
    void TearDown() override { useProgramFont(); }

    // The window as drawn while the desktop's default font is `desktopFont`.
    static QImage drawnWith(const QFont& desktopFont, const std::function<QWidget*()>& make)
    {
        QApplication::setFont(desktopFont);
        std::unique_ptr<QWidget> w(make());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        if (auto* start = w->findChild<QWidget*>(QStringLiteral("Text1")); start && w->objectName() == "frmCross")
            QTest::mouseClick(start, Qt::LeftButton); // the numbers beside the grid appear
        QCoreApplication::processEvents();
        return w->grab().toImage();
    }

    static void expectSameWhateverTheDesktopFont(const std::function<QWidget*()>& make)
    {
        const QImage mono = drawnWith(QFont(QStringLiteral("Liberation Mono"), 8), make);
        const QImage serif = drawnWith(QFont(QStringLiteral("Liberation Serif"), 13), make);
        ASSERT_EQ(mono.size(), serif.size());
        EXPECT_TRUE(mono == serif) << "a text of this window is drawn in the desktop's default family";
    }
};

TEST_F(WindowFonts, MainWindow)
{
    expectSameWhateverTheDesktopFont([] { return new QuizWindow; });
}
TEST_F(WindowFonts, TypingTrainer)
{
    expectSameWhateverTheDesktopFont([] { return new TypingTrainerWindow; });
}
TEST_F(WindowFonts, CrosswordWithNumbers)
{
    expectSameWhateverTheDesktopFont([] { return new CrosswordWindow; });
}
TEST_F(WindowFonts, WordEntry)
{
    expectSameWhateverTheDesktopFont([] { return new WordEntryWindow; });
}
TEST_F(WindowFonts, HelpViewer)
{
    expectSameWhateverTheDesktopFont([] { return new HelpWindow; });
}

} // namespace
