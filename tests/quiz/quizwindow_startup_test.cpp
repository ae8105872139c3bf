#include "quizwindow_fixture.h"

#include "ui/twips.h"

#include <QToolButton>

#include <map>

using namespace lumo;
using namespace lumo::test;

using StartupTest = QuizWindowTest;

TEST_F(StartupTest, WindowListsAndPromptAfterStartUp)
{
    QuizWindow& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ENGLISH"));
    EXPECT_EQ(w.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(items("List1"), (QStringList{"eng-1-1.dat", "", "eng-1-2.dat"}));
    EXPECT_EQ(items("List3"), (QStringList{"apple", "man", "make"}));
    EXPECT_EQ(items("List2"), (QStringList{"りんご", "男の人,マン", "作る"}));
    EXPECT_EQ(shown("Text4"), QStringLiteral("選択可能数3"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("左側のリストから問題を選択して下さい"));
    EXPECT_TRUE(selection().isEmpty());
    EXPECT_TRUE(menuItem("mnuMusic")->isChecked());
    EXPECT_EQ(button("CmdChange")->text(), QStringLiteral("和訳考察に変更"));
    EXPECT_TRUE(shown("RichTextBox3").isEmpty());
    EXPECT_TRUE(notice().isEmpty()) << "no start-up problems to report";
}

TEST_F(StartupTest, HiddenAndVisibleControls)
{
    open();
    for (const char* hidden : {"List3", "List4", "OpSeikai", "OpZannen", "RichTextBox1"})
        EXPECT_FALSE(widget(hidden)->isVisible()) << hidden;
    for (const char* visible : {"List1", "List2", "txSetumei", "Text2", "Command3", "Label2"})
        EXPECT_TRUE(widget(visible)->isVisible()) << visible;
    // Every control is found by its name.
    for (const char* name :
         {"Label1",       "Label3",    "Label4",        "Text1",    "Text3",  "Text4",     "Text5",    "txHatuon",
          "RichTextBox3", "Command5",  "cmdmozihenkan", "Command4", "cmdDEL", "CmdKeytre", "cmdCross", "CmdNew",
          "cmdNyuryoku",  "cmdMondai", "cmdSelect",     "Command2", "key(0)", "key(30)"})
        EXPECT_NO_THROW(widget(name)) << name;
    EXPECT_THROW(widget("key(31)"), std::runtime_error);
}

TEST_F(StartupTest, InstructionsAreTheTenLines)
{
    open();
    const QStringList lines = shown("txSetumei").split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("操作方法"));
    EXPECT_EQ(lines[1], QStringLiteral("\u3000 ①最初に左側のリストからコースを選択して下さい。"));
    EXPECT_EQ(
        lines[6],
        QStringLiteral(
            "      ただしこの場合は頭の中で答えることになります。正解すると正解のチェックボタンを押して下さい。"));
    EXPECT_EQ(lines[9], QStringLiteral("   ⑧「新規」は今までの問題を消去しますので、新たな問題を選択して下さい。"));
}

TEST_F(StartupTest, LetterButtonsInThreeRowsAtTheComputedOffsets)
{
    open();
    QString captions;
    for (int i = 0; i <= 30; ++i)
        captions += key(i)->text();
    EXPECT_EQ(captions, QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?"));
    // Left edges and tops in twips: the 10-twip gap after element 0, the
    // second row half a button to the right (232.5 + 10 rounds to 242).
    const std::pair<int, QPoint> expected[] = {
        {0, {2070, 4440}},  {1, {2545, 4440}},  {9, {6265, 4440}},  {10, {2312, 4930}},
        {20, {6962, 4930}}, {21, {2545, 5420}}, {30, {6730, 5420}},
    };
    for (const auto& [i, twips] : expected) {
        EXPECT_EQ(key(i)->geometry(), twipsRect(twips.x(), twips.y(), 465, 480)) << i;
        EXPECT_TRUE(key(i)->isVisible()) << i;
    }
}

TEST_F(StartupTest, CentredOnTheScreenOrAtZero)
{
    platform.screen.size = QSize(800, 600); // 12000 × 9000 twips
    QuizWindow& w = open();
    EXPECT_EQ(w.pos(), QPoint(twipsToPixels(1250), twipsToPixels(900)));
    EXPECT_EQ(w.size(), QSize(twipsToPixels(9500), twipsToPixels(7200)));
    window.reset();
    platform.screen.size = QSize(1024, 400);
    QuizWindow& g = open();
    EXPECT_EQ(g.pos().y(), 0);
    EXPECT_EQ(g.pos().x(), twipsToPixels((1024 * 15 - 9500) / 2.0));
}

TEST_F(StartupTest, StartsCleanlyWithNoFilesAtAllAndSaysWhatIsMissing)
{
    TempProgramFolder empty;
    open();
    EXPECT_EQ(list("List1")->count(), 0);
    EXPECT_EQ(list("List2")->count(), 0);
    EXPECT_EQ(shown("Text4"), QStringLiteral("選択可能数0"));
    const QString problems = notice();
    EXPECT_TRUE(problems.contains(QStringLiteral("filelist.dat")));
    EXPECT_TRUE(problems.contains(QStringLiteral("eng-1-1.dat")));
    EXPECT_TRUE(problems.contains(QStringLiteral("例文.txt")));
    EXPECT_TRUE(platform.dialogs.shown.empty()) << "start-up never blocks on a message box";
}

// The bar lies under every control and the window grows to hold it: each
// control keeps the place it has in a window without problems; closing the
// bar gives the window its designed size back.
TEST_F(StartupTest, ProblemsShowInABarUnderTheControlsThatMovesNothingAndCloses)
{
    std::map<QString, QRect> placed;
    QuizWindow& clean = open();
    const QSize designed = clean.size();
    for (QWidget* w : clean.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        placed[w->objectName()] = w->geometry();
    EXPECT_FALSE(noticeBar()->isVisible());

    folder.writeBytes(QStringLiteral("filelist.dat"), QByteArray("eng-1-1.dat\r\n\x82\r\n"));
    QuizWindow& w = open();
    QApplication::processEvents();
    NoticeBar* bar = noticeBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(notice().contains(QStringLiteral("filelist.dat"))) << notice().toStdString();
    EXPECT_EQ(w.width(), designed.width());
    EXPECT_EQ(w.height(), designed.height() + bar->height());
    for (QWidget* control : w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == bar)
            continue;
        EXPECT_EQ(control->geometry(), placed[control->objectName()]) << control->objectName().toStdString();
        if (control->isVisible()) {
            EXPECT_LE(control->geometry().bottom(), bar->geometry().top()) << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(bar->geometry().bottom(), w.centralWidget()->height() - 1) << "the bar lies at the bottom, whole";
    EXPECT_EQ(bar->width(), w.centralWidget()->width());

    QTest::mouseClick(bar->findChild<QToolButton*>(QStringLiteral("noticeClose")), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(w.size(), designed);
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(StartupTest, BadLinesAndBadBytesInTheFirstCourseAreReported)
{
    folder.writeBytes(QStringLiteral("eng-1-1.dat"),
                      QByteArray("apple,\x82\xe8\x82\xf1\x82\xb2\r\nno comma\r\nbad,\x82\r\n"));
    open();
    EXPECT_EQ(items("List3"), (QStringList{"apple", "bad"}));
    EXPECT_EQ(items("List2"), (QStringList{QStringLiteral("りんご"), QString(QChar(0xFFFD))}));
    EXPECT_TRUE(notice().contains(QStringLiteral("カンマのない行が 1 行")));
    EXPECT_TRUE(notice().contains(QStringLiteral("eng-1-1.dat")));
    EXPECT_TRUE(shown("RichTextBox3").isEmpty()) << "the example box is left to the examples";
}

TEST_F(StartupTest, MenuCaptionsAndUnavailableItems)
{
    QuizWindow& w = open();
    QStringList menus;
    for (QAction* a : w.menuBar()->actions())
        menus.append(a->text());
    EXPECT_EQ(menus, (QStringList{"ファイル(&F)", "実行(&R)", "選択(&S)", "並び替え(&C)", "オプション(&O)",
                                  "ヘルプ(&H)", "今日の復習(&T)"}));
    EXPECT_FALSE(menuItem("mnuOpenItem")->isEnabled());
    EXPECT_FALSE(menuItem("mnuSaveItem")->isEnabled());
    EXPECT_TRUE(menuItem("mnuMusic")->isCheckable());
    EXPECT_EQ(menuItem("mnuAlfaSItem")->text(), QStringLiteral("ｱﾙﾌｧﾍﾞｯﾄ順(&A)"));
    EXPECT_EQ(menuItem("mnuRemverMiss")->text(), QStringLiteral("過去間違いデータ読み込み(&M)"));
}
