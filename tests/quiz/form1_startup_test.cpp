#include "quiz_fixture.h"

#include "ui/twips.h"

#include <QMenuBar>

using namespace lumo;
using namespace lumo::test;

using StartupTest = QuizTest;

TEST_F(StartupTest, WindowListsAndPromptAfterStartUp)
{
    Form1& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("ENGLISH"));
    EXPECT_EQ(f.programFolder, folder.path());
    EXPECT_EQ(items(f.List1), (QStringList{"eng-1-1.dat", "", "eng-1-2.dat"}));
    EXPECT_EQ(items(f.List3), (QStringList{"apple", "man", "make"}));
    EXPECT_EQ(items(f.List2), (QStringList{"りんご", "男の人,マン", "作る"}));
    EXPECT_EQ(f.Text4->text(), QStringLiteral("選択可能数3"));
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("左側のリストから問題を選択して下さい"));
    EXPECT_EQ(f.selectedCount, 0);
    EXPECT_TRUE(f.soundOn);
    EXPECT_TRUE(f.englishInput);
    EXPECT_TRUE(f.RichTextBox3->Text().isEmpty()) << "no start-up problems to report";
    EXPECT_EQ(f.RichTextBox2->Text(),
              QStringLiteral("I make a cake.\r\n私はケーキを作る。\r\nAn apple a day.\r\n一日一個のりんご。\r\n"));
}

TEST_F(StartupTest, HiddenAndVisibleControls)
{
    Form1& f = open();
    f.show();
    for (QWidget* hidden : std::initializer_list<QWidget*>{f.List3, f.List4, f.OpSeikai, f.OpZannen, f.RichTextBox1,
                                                           f.RichTextBox2, f.richDatakioku})
        EXPECT_FALSE(hidden->isVisible()) << qPrintable(hidden->objectName());
    for (QWidget* shown : std::initializer_list<QWidget*>{f.List1, f.List2, f.txSetumei, f.Text2, f.Command3, f.Label2})
        EXPECT_TRUE(shown->isVisible()) << qPrintable(shown->objectName());
    // Every control is found by its name.
    for (const char* name : {"List1", "List2", "List3", "List4", "Text1", "Text2", "Text3", "Text4", "Text5",
                             "txHatuon", "txSetumei", "RichTextBox3", "Command3", "cmdMondai", "key(0)", "key(30)"})
        EXPECT_NE(f.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(StartupTest, InstructionsAreTheTenLines)
{
    Form1& f = open();
    const QStringList lines = f.txSetumei->toPlainText().split(u'\n');
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
    Form1& f = open();
    ASSERT_EQ(f.key.size(), 31u);
    QString captions;
    for (QPushButton* b : f.key)
        captions += b->text();
    EXPECT_EQ(captions, QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?"));
    // Left edges and tops in twips: the 10-twip gap after element 0, the
    // second row half a button to the right (232.5 + 10 rounds to 242).
    const std::pair<int, QPoint> expected[] = {
        {0, {2070, 4440}},  {1, {2545, 4440}},  {9, {6265, 4440}},  {10, {2312, 4930}},
        {20, {6962, 4930}}, {21, {2545, 5420}}, {30, {6730, 5420}},
    };
    for (const auto& [i, twips] : expected) {
        EXPECT_EQ(f.key[i]->geometry(), twipsRect(twips.x(), twips.y(), 465, 480)) << i;
        EXPECT_EQ(f.key[i]->objectName(), QStringLiteral("key(%1)").arg(i));
    }
}

TEST_F(StartupTest, CentredOnTheScreenOrAtZero)
{
    platform.screen.size = QSize(800, 600); // 12000 × 9000 twips
    Form1& f = open();
    EXPECT_EQ(f.pos(), QPoint(twipsToPixels(1250), twipsToPixels(900)));
    EXPECT_EQ(f.size(), QSize(twipsToPixels(9500), twipsToPixels(7200)));
    form.reset();
    platform.screen.size = QSize(1024, 400);
    Form1& g = open();
    EXPECT_EQ(g.pos().y(), 0);
    EXPECT_EQ(g.pos().x(), twipsToPixels((1024 * 15 - 9500) / 2.0));
}

TEST_F(StartupTest, StartsCleanlyWithNoFilesAtAllAndSaysWhatIsMissing)
{
    TempProgramFolder empty;
    Form1& f = open();
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text4->text(), QStringLiteral("選択可能数0"));
    const QString problems = f.RichTextBox3->Text();
    EXPECT_TRUE(problems.contains(QStringLiteral("filelist.dat")));
    EXPECT_TRUE(problems.contains(QStringLiteral("eng-1-1.dat")));
    EXPECT_TRUE(problems.contains(QStringLiteral("例文.txt")));
    EXPECT_TRUE(platform.dialogs.shown.empty()) << "start-up never blocks on a message box";
}

TEST_F(StartupTest, BadLinesAndBadBytesInTheFirstCourseAreReported)
{
    folder.writeBytes(QStringLiteral("eng-1-1.dat"),
                      QByteArray("apple,\x82\xe8\x82\xf1\x82\xb2\r\nno comma\r\nbad,\x82\r\n"));
    Form1& f = open();
    EXPECT_EQ(items(f.List3), (QStringList{"apple", "bad"}));
    EXPECT_EQ(f.List2->item(0)->text(), QStringLiteral("りんご"));
    EXPECT_EQ(f.List2->item(1)->text(), QString(QChar(0xFFFD)));
    EXPECT_TRUE(f.RichTextBox3->Text().contains(QStringLiteral("カンマのない行が 1 行")));
    EXPECT_TRUE(f.RichTextBox3->Text().contains(QStringLiteral("eng-1-1.dat")));
}

TEST_F(StartupTest, MenuCaptionsAndUnavailableItems)
{
    Form1& f = open();
    QStringList menus;
    for (QAction* a : f.menuBar()->actions())
        menus.append(a->text());
    EXPECT_EQ(menus,
              (QStringList{"ファイル(&F)", "実行(&R)", "選択(&S)", "並び替え(&C)", "オプション(&O)", "ヘルプ(&H)"}));
    EXPECT_FALSE(f.mnuOpenItem->isEnabled());
    EXPECT_FALSE(f.mnuSaveItem->isEnabled());
    EXPECT_TRUE(f.mnuMusic->isChecked());
    EXPECT_EQ(f.mnuAlfaSItem->text(), QStringLiteral("ｱﾙﾌｧﾍﾞｯﾄ順(&A)"));
    EXPECT_EQ(f.findChild<QAction*>(QStringLiteral("mnuRemverMiss"))->text(),
              QStringLiteral("過去間違いデータ読み込み(&M)"));
}
