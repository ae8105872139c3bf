#include "crossword/frmcross.h"

#include "app/vkeys.h"
#include "crossword/frmcross_cell.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;

namespace {

const QColor kRed(255, 0, 0);

// The grid every window test plays on. With every draw 0.5 the shuffle turns
// the file order CUP TEA APE CAT into CAT CUP TEA APE, and no letter is given:
//
//     C A T # A P E        cells 1 2 3 (4) 5 6 7
//     U . E                cells 13 . 15
//     P . A                cells 25 . 27
//
// CAT and APE across (APE's number cell is 4), CUP and TEA down.
class CrossWindow : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("word-1.dat"), QStringLiteral("CUP,カップ\nTEA,お茶\n"));
        folder.write(QStringLiteral("word-2.dat"), QStringLiteral("APE,猿\n"));
        folder.write(QStringLiteral("word-3.dat"), QStringLiteral("CAT,猫\n"));
        platform.random.values.assign(4000, 0.5f);
    }

    std::unique_ptr<FrmCross> open()
    {
        auto w = std::make_unique<FrmCross>();
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        return w;
    }
    // The window after the start prompt was clicked away.
    std::unique_ptr<FrmCross> play()
    {
        auto w = open();
        w->Text1_Click();
        return w;
    }

    static void type(CrossCell* cell, char key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(cell, key, modifiers);
    }
    static void typeAt(FrmCross& w, const std::vector<std::pair<int, char>>& letters)
    {
        for (auto [k, key] : letters)
            type(w.txEizi[k], key);
    }
    static std::vector<int> letterCells() { return {1, 2, 3, 5, 6, 7, 13, 15, 25, 27}; }

    test::Platform platform;
    test::TempProgramFolder folder;
};

QStringList captions(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << a->text();
    return out;
}

} // namespace

TEST_F(CrossWindow, OpensWithThePromptOverTheFirstGrid)
{
    auto w = open();
    EXPECT_EQ(w->objectName(), QStringLiteral("frmCross"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("CrossWord"));
    EXPECT_EQ(w->courseNo, 1);
    EXPECT_FALSE(w->Text1->isHidden());
    EXPECT_EQ(w->Text1->geometry().center(), w->Shape1->geometry().center());
    EXPECT_EQ(w->Shape1->geometry(), QRect(21, 63, 12 * 28, 12 * 28));
    EXPECT_TRUE(w->txEizi[0]->isHidden());
    EXPECT_EQ(w->txEizi[13]->geometry(), QRect(21, 63 + 28, 28, 28));
    EXPECT_EQ(w->txEizi[144]->geometry(), QRect(21 + 11 * 28, 63 + 11 * 28, 28, 28));

    ASSERT_EQ(w->opRightDown.size(), 3u);
    EXPECT_TRUE(w->opRightDown[0]->isChecked());
    EXPECT_EQ(w->opRightDown[2]->text(), QStringLiteral("手動移動(&H)"));
    EXPECT_EQ(w->opRightDown[1]->toolTip(), QStringLiteral("カーソルを下部に自動的に移動します"));
    EXPECT_EQ(w->opRightDown[2]->y(), w->opRightDown[1]->y() + w->opRightDown[0]->height() + 2);
    EXPECT_EQ(w->findChild<QRadioButton*>(QStringLiteral("opRightDown(1)")), w->opRightDown[1]);

    EXPECT_EQ(captions(w->menuBar->actions()), (QStringList{"コース選択(&C)", "次問題(&N)", "判定(&J)", "解答(&A)",
                                                            "自動移動(&M)", "メモリ保持(&M)", "印刷(&P)"}));
    EXPECT_EQ(captions(w->mnuCourse->actions()), (QStringList{"コース１(&1)", "コース２(&2)", "コース３(&3)",
                                                              "コース４(&4)", "コース５(&5)", "ヒント(&H)"}));
    EXPECT_EQ(captions(w->mnuMuve->actions()), (QStringList{"右自動移動(&R)", "下部自動移動(&D)", "手動移動(&H)"}));
    EXPECT_FALSE(w->mnuMemori->isEnabled());
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("mnuCourse1(3)")), w->mnuCourse1[3]);

    // The first grid is already there behind the prompt.
    EXPECT_EQ(w->lbYoko->text(), QStringLiteral("1, 猫\r\n2, 猿\r\n"));
    EXPECT_EQ(w->lbTate->text(), QStringLiteral("1, カップ\r\n2, お茶\r\n"));
    EXPECT_EQ(w->curCell, 1);
    EXPECT_TRUE(w->lbMessage->isHidden());
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(CrossWindow, ClickingThePromptStartsAPuzzle)
{
    auto w = open();
    QTest::mouseClick(w->Text1, Qt::LeftButton);
    EXPECT_TRUE(w->Text1->isHidden());
    EXPECT_EQ(w->grid().yokoAns(1), QStringLiteral("CAT"));
    for (int k : letterCells())
        EXPECT_TRUE(w->txEizi[k]->usable()) << k;
    CrossCell* number = w->txEizi[4];
    EXPECT_FALSE(number->isHidden());
    EXPECT_FALSE(number->isEnabled());
    EXPECT_EQ(number->text(), QStringLiteral("2"));
    EXPECT_EQ(number->backColour(), QColor(0, 0, 0));
    EXPECT_EQ(number->textColour(), QColor(255, 255, 0));
    EXPECT_EQ(number->fontSize(), 8);
    EXPECT_TRUE(w->txEizi[14]->isHidden());
    EXPECT_TRUE(w->txEizi[144]->isHidden());
    EXPECT_EQ(w->curCell, 1);
}

TEST_F(CrossWindow, TypingMovesTheCursorInEachMode)
{
    auto w = play();
    // Right: on along the row, but never over a number cell.
    typeAt(*w, {{1, 'c'}, {2, 'a'}, {3, 't'}});
    EXPECT_EQ(w->txEizi[1]->text(), QStringLiteral("c"));
    EXPECT_EQ(w->curCell, 3);
    type(w->txEizi[3], 'x'); // replaces the letter just typed
    EXPECT_EQ(w->txEizi[3]->text(), QStringLiteral("x"));
    EXPECT_EQ(w->curCell, 3);

    // Down, chosen from the menu, which also marks its option button.
    w->mnuDownMv->trigger();
    EXPECT_EQ(w->moveMode, 1);
    EXPECT_TRUE(w->opRightDown[1]->isChecked());
    typeAt(*w, {{1, 'C'}});
    EXPECT_EQ(w->curCell, 13);
    typeAt(*w, {{13, 'u'}, {25, 'p'}}); // the bottom of CUP: nowhere to go
    EXPECT_EQ(w->curCell, 25);

    // Manual: every character replaces the one before.
    w->mnuHandMv->trigger();
    EXPECT_TRUE(w->opRightDown[2]->isChecked());
    w->txEizi_MouseDown(5);
    typeAt(*w, {{5, 'x'}, {5, 'y'}, {5, 'a'}});
    EXPECT_EQ(w->txEizi[5]->text(), QStringLiteral("a"));
    EXPECT_EQ(w->curCell, 5);

    w->opRightDown_Click(0);
    EXPECT_EQ(w->moveMode, 0);
}

TEST_F(CrossWindow, ArrowsSkipNumberCellsAndHiddenPositions)
{
    auto w = play();
    struct Move {
        int from;
        Qt::Key key;
        int to;
    };
    const Move moves[] = {
        {3, Qt::Key_Right, 5}, {5, Qt::Key_Left, 3},  {7, Qt::Key_Right, 13},  {13, Qt::Key_Left, 7},
        {13, Qt::Key_Up, 1},   {3, Qt::Key_Down, 15}, {15, Qt::Key_Down, 27},  {27, Qt::Key_Down, 27},
        {1, Qt::Key_Left, 1},  {5, Qt::Key_Up, 5},    {27, Qt::Key_Right, 27}, {15, Qt::Key_Left, 13},
    };
    for (const Move& m : moves) {
        w->curCell = m.from;
        QTest::keyClick(w->txEizi[m.from], m.key);
        EXPECT_EQ(w->curCell, m.to) << m.from << " " << m.key;
    }
    // Arrows leave the letters alone.
    EXPECT_TRUE(w->txEizi[13]->text().isEmpty());
}

TEST_F(CrossWindow, ModifierKeysLeaveTheCellAsItIs)
{
    auto w = play();
    type(w->txEizi[1], 'x');
    w->txEizi_MouseDown(1);
    ASSERT_EQ(w->curCell, 1);
    // Shift before a capital keeps the letter and the cursor where they are,
    // so the capital replaces the letter in the same cell.
    QTest::keyPress(w->txEizi[1], Qt::Key_Shift);
    QTest::keyRelease(w->txEizi[1], Qt::Key_Shift);
    EXPECT_EQ(w->txEizi[1]->text(), QStringLiteral("x"));
    EXPECT_EQ(w->curCell, 1);
    type(w->txEizi[1], 'C', Qt::ShiftModifier);
    EXPECT_EQ(w->txEizi[1]->text(), QStringLiteral("C"));
    EXPECT_TRUE(w->txEizi[2]->text().isEmpty());
    EXPECT_EQ(w->curCell, 2);
    for (int code : {vk::Control, vk::Menu, vk::Capital}) {
        w->txEizi_KeyDown(1, code);
        EXPECT_EQ(w->txEizi[1]->text(), QStringLiteral("C"));
    }

    // Backspace still empties the cell, and in an auto mode moves on.
    w->txEizi_MouseDown(1);
    QTest::keyClick(w->txEizi[1], Qt::Key_Backspace);
    EXPECT_TRUE(w->txEizi[1]->text().isEmpty());
    EXPECT_EQ(w->curCell, 2);
}

TEST_F(CrossWindow, FocusReturnsToTheCurrentCell)
{
    auto w = play();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));

    QTest::mouseClick(w->txEizi[6], Qt::LeftButton);
    EXPECT_EQ(w->curCell, 6);
    EXPECT_EQ(QApplication::focusWidget(), w->txEizi[6]);

    // An option button changes the mode at once and hands the focus back.
    QTest::mousePress(w->opRightDown[1], Qt::LeftButton);
    EXPECT_EQ(w->moveMode, 1);
    EXPECT_TRUE(w->opRightDown[1]->isChecked());
    QTest::mouseRelease(w->opRightDown[1], Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->txEizi[6]);

    // Number cells and hidden positions cannot be chosen.
    QTest::mouseClick(w->txEizi[4], Qt::LeftButton);
    w->txEizi_MouseDown(14);
    EXPECT_EQ(w->curCell, 6);

    // An arrow moves the focus itself.
    QTest::keyClick(w->txEizi[6], Qt::Key_Left);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->txEizi[5]);
    w->close();
}

TEST_F(CrossWindow, JudgingIgnoresCaseAndShowsThePicture)
{
    auto w = play();
    w->mnuHandMv_Click();
    typeAt(*w,
           {{1, 'c'}, {2, 'a'}, {3, 't'}, {5, 'a'}, {6, 'p'}, {7, 'e'}, {13, 'u'}, {15, 'e'}, {25, 'p'}, {27, 'a'}});
    w->mnuHantei->trigger();
    EXPECT_FALSE(w->Image1->isHidden());
    EXPECT_FALSE(w->lbGood->isHidden());
    for (int k = 1; k <= 144; ++k)
        ASSERT_TRUE(w->txEizi[k]->isHidden()) << k;

    // A click on the picture starts the next puzzle.
    QTest::mouseClick(w->Image1, Qt::LeftButton);
    EXPECT_TRUE(w->Image1->isHidden());
    EXPECT_TRUE(w->lbGood->isHidden());
    EXPECT_TRUE(w->txEizi[1]->usable());
    EXPECT_TRUE(w->txEizi[1]->text().isEmpty());
}

TEST_F(CrossWindow, WrongAndEmptyLettersTurnRed)
{
    auto w = play();
    w->mnuHandMv_Click();
    typeAt(*w, {{1, 'c'}, {2, 'o'}, {3, 't'}, {5, 'a'}, {6, 'p'}, {7, 'e'}, {13, 'u'}, {15, 'e'}, {25, 'p'}});
    w->mnuHantei_Click();
    EXPECT_TRUE(w->Image1->isHidden());
    EXPECT_EQ(w->txEizi[2]->textColour(), kRed);
    EXPECT_EQ(w->txEizi[27]->textColour(), kRed);
    EXPECT_EQ(w->txEizi[1]->textColour(), QColor(0, 0, 0));
    EXPECT_EQ(w->txEizi[4]->textColour(), QColor(255, 255, 0)); // number cells are not looked at

    // Typing over a red letter makes it black again.
    type(w->txEizi[2], 'a');
    EXPECT_EQ(w->txEizi[2]->textColour(), QColor(0, 0, 0));

    // The answers fill in the solution as written in the file; what was
    // wrong stays marked.
    w->mnuAnser->trigger();
    for (int k : letterCells())
        EXPECT_EQ(w->txEizi[k]->text(), w->grid().answerChar(lumo::cross::rowOf(k), lumo::cross::colOf(k)));
    EXPECT_EQ(w->txEizi[27]->text(), QStringLiteral("A"));
    EXPECT_EQ(w->txEizi[27]->textColour(), kRed);
    EXPECT_EQ(w->txEizi[2]->textColour(), QColor(0, 0, 0));
    EXPECT_TRUE(w->txEizi[4]->text() == QStringLiteral("2"));
    w->mnuHantei_Click();
    EXPECT_FALSE(w->Image1->isHidden());
}

TEST_F(CrossWindow, HintShowsTheAnswersFromTheFirstToTheSixthTick)
{
    auto w = play();
    const QString clues = w->lbYoko->text();
    w->mnuHint->trigger();
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_EQ(w->lbYoko->text(), clues); // nothing before the first tick

    w->Timer1_Timer();
    EXPECT_EQ(w->lbYoko->text(), QStringLiteral("横のカギ\r\n1, CAT\r\n2, APE\r\n"));
    EXPECT_EQ(w->lbTate->text(), QStringLiteral("縦のカギ\r\n1, CUP\r\n2, TEA\r\n"));
    w->mnuHint_Click(); // asking again lets the running hint go on
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->hintTick, 1);

    // Judging meanwhile works as usual, and a new grid gets its own clues back.
    w->mnuHantei_Click();
    EXPECT_EQ(w->txEizi[1]->textColour(), kRed);
    folder.write(QStringLiteral("word-3.dat"), QString());
    w->mnuNext_Click();
    const QString newClues = w->lbYoko->text();
    EXPECT_FALSE(newClues.contains(QStringLiteral("猫")));
    for (int tick = 2; tick <= 5; ++tick) {
        w->Timer1_Timer();
        EXPECT_EQ(w->lbYoko->text(), newClues) << tick;
    }
    w->Timer1_Timer();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->hintTick, 0);
    EXPECT_EQ(w->lbYoko->text(), newClues);
    EXPECT_EQ(w->lbTate->text(), lumo::cross::clueLines(w->grid(), lumo::cross::Direction::Down));

    // The next hint starts from the first tick again.
    w->mnuHint_Click();
    w->Timer1_Timer();
    EXPECT_TRUE(w->lbYoko->text().startsWith(QStringLiteral("横のカギ\r\n1, APE")));
}

TEST_F(CrossWindow, MissingFilesAreNamedInTheWindow)
{
    folder.write(QStringLiteral("word-4.dat"), QStringLiteral("dog,犬\n"));
    auto w = play();
    w->mnuCourse1[2]->trigger();
    EXPECT_EQ(w->courseNo, 2);
    EXPECT_EQ(w->grid().yokoAns(1), QStringLiteral("dog"));
    EXPECT_FALSE(w->lbMessage->isHidden());
    EXPECT_EQ(w->fileProblems().size(), 3);
    EXPECT_TRUE(w->lbMessage->text().contains(QStringLiteral("word-5.dat")));
    EXPECT_TRUE(w->lbMessage->text().contains(QStringLiteral("word-7.dat")));
    EXPECT_TRUE(platform.dialogs.shown.empty());

    // The next puzzle reads the files again: the used word is back.
    w->mnuNext->trigger();
    EXPECT_EQ(w->courseNo, 2);
    EXPECT_EQ(w->grid().yokoAns(1), QStringLiteral("dog"));
    EXPECT_EQ(w->fileProblems().size(), 3);

    w->mnuCourse1_Click(1);
    EXPECT_TRUE(w->lbMessage->isHidden());
}

TEST_F(CrossWindow, ACourseWithoutWordsIsSolvedAtOnce)
{
    auto w = play();
    w->mnuCourse1_Click(5);
    for (int k = 1; k <= 144; ++k)
        ASSERT_TRUE(w->txEizi[k]->isHidden()) << k;
    EXPECT_TRUE(w->lbYoko->text().isEmpty());
    EXPECT_TRUE(w->lbTate->text().isEmpty());
    EXPECT_TRUE(w->surface->marks().empty());
    // The refocus rule has no cell to go to.
    w->txEizi_LostFocus(1);
    QCoreApplication::processEvents();
    w->mnuHantei_Click();
    EXPECT_FALSE(w->Image1->isHidden());
}

TEST_F(CrossWindow, GivenLettersCountAsRight)
{
    auto w = play();
    platform.random.values.assign(4, 0.5f); // the shuffle; then every draw is 0
    w->mnuNext_Click();
    for (int k : letterCells())
        EXPECT_FALSE(w->txEizi[k]->text().isEmpty()) << k;
    w->mnuHantei_Click();
    EXPECT_FALSE(w->Image1->isHidden());
}

TEST_F(CrossWindow, NumbersArePrintedBesideTheGridAndRepainted)
{
    auto w = play();
    ASSERT_EQ(w->surface->marks(), w->grid().numberMarks());
    // Number 1 across is printed left of the grid at (65, 995) twips.
    // White strokes on the dark window: any nearly white pixel counts, so
    // antialiased edges and the face's exact metrics do not matter.
    auto whiteNear = [&](QPoint at) {
        const QImage image = w->surface->grab().toImage();
        for (int y = at.y(); y < at.y() + 16; ++y)
            for (int x = at.x(); x < at.x() + 16; ++x)
                if (image.pixelColor(x, y).lightness() >= 200)
                    return true;
        return false;
    };
    EXPECT_TRUE(whiteNear({4, 66}));
    EXPECT_TRUE(whiteNear({4, 66})); // drawn again on the next paint
    // Number 1 down above the grid at (365, 695).
    EXPECT_TRUE(whiteNear({24, 46}));
}
