#include "quizwindow_fixture.h"

#include "data/textfile.h"

#include <QCoreApplication>
#include <QDir>

using namespace lumo;
using namespace lumo::test;

using WindowsTest = QuizWindowTest;

TEST_F(WindowsTest, SaveAndEndWritesBothHistoryFiles)
{
    open();
    pick({0});
    click("cmdMondai");
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("apple"));
    click("Command2");
    EXPECT_FALSE(window->isVisible());
    const QByteArray run1 = cp932Bytes(QStringLiteral("\n\napple,りんご,2001/03/05,○"));
    EXPECT_EQ(folder.readBytes(QStringLiteral("LastTraining.dat")), run1);
    EXPECT_EQ(folder.readBytes(QStringLiteral("Training.dat")), run1 + "\r\n");

    // A second run that judged nothing leaves both files as they were.
    window.reset();
    open().close();
    EXPECT_EQ(folder.readBytes(QStringLiteral("LastTraining.dat")), run1);
    EXPECT_EQ(folder.readBytes(QStringLiteral("Training.dat")), run1 + "\r\n");
    EXPECT_EQ(platform.dialogs.shown.size(), 1u) << "only the all-correct box of the first run";
}

TEST_F(WindowsTest, HistoryThatCannotBeWrittenIsReportedAndTheProgramStillEnds)
{
    // Folders in the way of both files fail every write, even for root.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("LastTraining.dat")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Training.dat")));
    open();
    pick({0});
    click("cmdMondai");
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("apple"));
    menuItem("mnuExitItem")->trigger();
    // One notice tells what happened to each file, and why.
    ASSERT_EQ(platform.dialogs.count(Shown::Notice), 1);
    ASSERT_EQ(platform.dialogs.shown.size(), 2u);
    const QString& told = platform.dialogs.shown[1].text;
    EXPECT_TRUE(
        told.contains(QStringLiteral("「LastTraining.dat」に保存できませんでした：同じ名前のフォルダーがあります")))
        << qPrintable(told);
    EXPECT_TRUE(
        told.contains(QStringLiteral("「Training.dat」に保存できませんでした：同じ名前のフォルダーがあります")));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowsTest, TypingRecordIsKeptWhenTheProgramEndsWithTheTrainerOpen)
{
    open();
    click("CmdKeytre");
    QWidget* trainer = windowNamed("frmKeyTre");
    ASSERT_NE(trainer, nullptr);
    trainer->findChild<QAction*>(QStringLiteral("mnuBase1"))->trigger();
    QTest::keyClick(trainer, Qt::Key_S); // A was to be typed
    menuItem("mnuExitItem")->trigger();
    EXPECT_EQ(folder.readBytes(QStringLiteral("TypingRecord.dat")),
              QByteArray("record,date,test,characters,errors,score,expected,pressed\r\nK,,,,,,A,S\r\n"));
}

TEST_F(WindowsTest, HistoryFilesLoadBackAndAreCreatedWhenMissing)
{
    folder.write(QStringLiteral("Training.dat"),
                 QStringLiteral("\n\napple,りんご,2001/03/05,○×\n\nman,男の人,2001/03/05,○○\n"));
    open();
    menuItem("mnuRemenver")->trigger();
    settleAside(); // the file is read on another thread
    EXPECT_EQ(items("List3"), (QStringList{"apple", "man"}));
    EXPECT_EQ(items("List2").value(0), QStringLiteral("りんご,2001/03/05,○×"));
    menuItem("mnuRemverMiss")->trigger();
    settleAside();
    EXPECT_EQ(items("List3"), (QStringList{"apple"}));
    ASSERT_FALSE(folder.exists(QStringLiteral("LastTraining.dat")));
    menuItem("mnuRemenverNew")->trigger();
    settleAside();
    EXPECT_TRUE(folder.exists(QStringLiteral("LastTraining.dat")));
    EXPECT_EQ(list("List2")->count(), 0);
    EXPECT_EQ(shown("Text4"), QStringLiteral("選択可能数0"));
}

TEST_F(WindowsTest, FullHelpOpensTheHelpPage)
{
    open();
    menuItem("mnuHelpFull")->trigger();
    EXPECT_EQ(platform.shell.opened, QStringList{folder.path() + "E-Help.htm"});
}

TEST_F(WindowsTest, EveryWindowOpensOnceAndStaysBesideTheMainWindow)
{
    folder.write(QStringLiteral("help.txt"), QStringLiteral("ヘルプの本文\n"));
    QuizWindow& w = open();
    for (int round = 0; round < 2; ++round) {
        click("CmdKeytre");
        menuItem("mnuKeyTre")->trigger();
        click("cmdCross");
        menuItem("mnuCrossWord")->trigger();
        menuItem("mnuNewQueItem")->trigger();
        menuItem("mnuHelpSimple")->trigger();
        menuItem("mnuRecord")->trigger();
    }
    const char* const others[] = {"frmKeyTre", "frmCross", "engnyu", "frmHelpX", "frmRecord"};
    for (const char* name : others) {
        ASSERT_EQ(windowsNamed(name).size(), 1) << name;
        QWidget* other = windowNamed(name);
        EXPECT_TRUE(other->isVisible()) << name;
        EXPECT_TRUE(other->isWindow()) << name << " is a modeless window of its own";
    }
    EXPECT_TRUE(w.isEnabled());
    QWidget* help = windowNamed("frmHelpX");
    EXPECT_EQ(help->findChild<RichTextBox*>(QStringLiteral("RichTextBox1"))->Text(),
              QStringLiteral("ヘルプの本文\r\n"));

    // A closed window is created afresh on the next use.
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windowsNamed("frmHelpX").isEmpty());
    menuItem("mnuHelpSimple")->trigger();
    ASSERT_NE(windowNamed("frmHelpX"), nullptr);
    EXPECT_EQ(windowNamed("frmHelpX")->windowTitle(), QStringLiteral("HELP"));

    // Ending the program closes every window (with nothing judged, the
    // history files are left alone).
    click("Command2");
    for (const char* name : others)
        for (QWidget* other : windowsNamed(name))
            EXPECT_FALSE(other->isVisible()) << name;
    EXPECT_FALSE(folder.exists(QStringLiteral("LastTraining.dat")));
}
