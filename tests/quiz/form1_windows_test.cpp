#include "quiz_fixture.h"

#include "data/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace lumo;
using namespace lumo::test;

using WindowsTest = QuizTest;

TEST_F(WindowsTest, SaveAndEndWritesBothHistoryFiles)
{
    {
        Form1& f = open();
        pick({0});
        f.cmdMondai_Click();
        platform.dialogs.inputs = {QStringLiteral("0")};
        answer(QStringLiteral("apple"));
        f.Command2->click();
    }
    const QByteArray run1 = cp932Bytes(QStringLiteral("\n\napple,りんご,2001/03/05,○"));
    EXPECT_EQ(folder.readBytes(QStringLiteral("LastTraining.dat")), run1);
    EXPECT_EQ(folder.readBytes(QStringLiteral("Training.dat")), run1 + "\r\n");

    // A second run that judged nothing: an empty last file, one more empty line.
    form.reset();
    Form1& g = open();
    g.close();
    EXPECT_EQ(folder.readBytes(QStringLiteral("LastTraining.dat")), QByteArray());
    EXPECT_EQ(folder.readBytes(QStringLiteral("Training.dat")), run1 + "\r\n\r\n");
    EXPECT_TRUE(platform.dialogs.shown.size() == 1) << "only the all-correct box of the first run";
}

TEST_F(WindowsTest, HistoryThatCannotBeWrittenIsReportedAndTheProgramStillEnds)
{
    // Folders in the way of both files fail every write, even for root.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("LastTraining.dat")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Training.dat")));
    Form1& f = open();
    f.show();
    pick({0});
    f.cmdMondai_Click();
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("apple"));
    f.mnuExitItem->trigger();
    ASSERT_EQ(platform.dialogs.count(Shown::Notice), 2);
    EXPECT_TRUE(platform.dialogs.shown[1].text.contains(QStringLiteral("LastTraining.dat")));
    EXPECT_TRUE(platform.dialogs.shown[2].text.contains(QStringLiteral("Training.dat")));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(WindowsTest, HistoryFilesLoadBackAndAreCreatedWhenMissing)
{
    folder.write(QStringLiteral("Training.dat"),
                 QStringLiteral("\n\napple,りんご,2001/03/05,○×\n\nman,男の人,2001/03/05,○○\n"));
    Form1& f = open();
    f.mnuRemenver->trigger();
    EXPECT_EQ(items(f.List3), (QStringList{"apple", "man"}));
    EXPECT_EQ(f.List2->item(0)->text(), QStringLiteral("りんご,2001/03/05,○×"));
    f.mnuRemverMiss->trigger();
    EXPECT_EQ(items(f.List3), (QStringList{"apple"}));
    ASSERT_FALSE(folder.exists(QStringLiteral("LastTraining.dat")));
    f.mnuRemenverNew->trigger();
    EXPECT_TRUE(folder.exists(QStringLiteral("LastTraining.dat")));
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text4->text(), QStringLiteral("選択可能数0"));
}

TEST_F(WindowsTest, HelpItems)
{
    Form1& f = open();
    f.mnuHelpFull->trigger();
    EXPECT_EQ(platform.shell.opened, QStringList{folder.path() + "E-Help.htm"});
}

#include "crossword/crosswordwindow.h"
#include "help/helpwindow.h"
#include "typing/typingtrainerwindow.h"
#include "wordentry/wordentrywindow.h"

TEST_F(WindowsTest, EveryWindowOpensOnceAndStaysBesideTheMainWindow)
{
    folder.write(QStringLiteral("help.txt"), QStringLiteral("ヘルプの本文\n"));
    Form1& f = open();
    f.show();
    for (int round = 0; round < 2; ++round) {
        f.CmdKeytre->click();
        f.mnuKeyTre->trigger();
        f.cmdCross->click();
        f.mnuCrossWord->trigger();
        f.mnuNewQueItem->trigger();
        f.mnuHelpSimple->trigger();
    }
    EXPECT_EQ(f.findChildren<TypingTrainerWindow*>().size(), 1);
    EXPECT_EQ(f.findChildren<CrosswordWindow*>().size(), 1);
    EXPECT_EQ(f.findChildren<WordEntryWindow*>().size(), 1);
    EXPECT_EQ(f.findChildren<HelpWindow*>().size(), 1);
    for (QWidget* w : std::initializer_list<QWidget*>{f.keyTre, f.cross, f.wordEntry, f.help}) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isWindow()) << "modeless windows of their own";
    }
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(f.help->findChild<RichTextBox*>(QStringLiteral("RichTextBox1"))->Text(),
              QStringLiteral("ヘルプの本文\r\n"));

    // A closed window is created afresh on the next use.
    f.help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.help, nullptr);
    f.mnuHelpSimple->trigger();
    ASSERT_NE(f.help, nullptr);
    EXPECT_EQ(f.help->windowTitle(), QStringLiteral("HELP"));

    // Ending the program closes every window after saving the history.
    f.Command2->click();
    for (QWidget* w : std::initializer_list<QWidget*>{f.keyTre, f.cross, f.wordEntry, f.help})
        EXPECT_TRUE(!w || !w->isVisible());
    EXPECT_TRUE(folder.exists(QStringLiteral("LastTraining.dat")));
}
