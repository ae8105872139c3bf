#include "crossword/crosswordwindow.h"

#include "crossword/crosswordcells.h"
#include "crossword/smallpuzzle.h"
#include "support/fakes.h"
#include "ui/noticebar.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
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

// Every window test plays on the small puzzle (smallpuzzle.h).
class CrossWindow : public test::SmallPuzzleTest {
  protected:
    // The window after the start prompt was clicked away.
    std::unique_ptr<CrosswordWindow> play()
    {
        auto w = open();
        QTest::mouseClick(prompt(*w), Qt::LeftButton);
        return w;
    }

    template <class T> static T* child(const CrosswordWindow& w, const QString& name)
    {
        T* found = w.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static CrosswordCell* cell(const CrosswordWindow& w, int k)
    {
        return child<CrosswordCell>(w, QStringLiteral("txEizi(%1)").arg(k));
    }
    static QRadioButton* option(const CrosswordWindow& w, int i)
    {
        return child<QRadioButton>(w, QStringLiteral("opRightDown(%1)").arg(i));
    }
    static QAction* item(const CrosswordWindow& w, const char* name) { return child<QAction>(w, QLatin1String(name)); }
    static QLabel* label(const CrosswordWindow& w, const char* name) { return child<QLabel>(w, QLatin1String(name)); }
    static ClickLabel* prompt(const CrosswordWindow& w) { return child<ClickLabel>(w, QStringLiteral("Text1")); }
    static ClickLabel* picture(const CrosswordWindow& w) { return child<ClickLabel>(w, QStringLiteral("Image1")); }
    static NoticeBar* notice(const CrosswordWindow& w) { return child<NoticeBar>(w, QStringLiteral("lbMessage")); }
    static CrosswordSurface* surface(const CrosswordWindow& w)
    {
        return child<CrosswordSurface>(w, QStringLiteral("surface"));
    }
    static QTimer* timer(const CrosswordWindow& w) { return test::findTimer(w, QStringLiteral("Timer1")); }
    // The cell the cursor is in: the one with the focus, 0 for none.
    static int current(const CrosswordWindow& w)
    {
        const auto* focused = qobject_cast<const CrosswordCell*>(w.focusWidget());
        return focused ? focused->index() : 0;
    }
    // The automatic move in force, as its checked option button shows it.
    static int moveMode(const CrosswordWindow& w)
    {
        for (int i = 0; i < 3; ++i)
            if (option(w, i)->isChecked())
                return i;
        return -1;
    }
    // Puts the cursor into cell k the way the learner does: a click on it.
    static void clickCell(const CrosswordWindow& w, int k) { QTest::mouseClick(cell(w, k), Qt::LeftButton); }

    static void type(CrosswordCell* cell, char key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(cell, key, modifiers);
    }
    static void typeAt(CrosswordWindow& w, const std::vector<std::pair<int, char>>& letters)
    {
        for (auto [k, key] : letters)
            type(cell(w, k), key);
    }
    static std::vector<int> letterCells() { return {1, 2, 3, 5, 6, 7, 13, 15, 25, 27}; }
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
    EXPECT_FALSE(prompt(*w)->isHidden());
    EXPECT_EQ(prompt(*w)->geometry().center(), child<QWidget>(*w, QStringLiteral("Shape1"))->geometry().center());
    EXPECT_EQ(child<QWidget>(*w, QStringLiteral("Shape1"))->geometry(), QRect(21, 63, 12 * 28, 12 * 28));
    EXPECT_TRUE(cell(*w, 0)->isHidden());
    EXPECT_EQ(cell(*w, 13)->geometry(), QRect(21, 63 + 28, 28, 28));
    EXPECT_EQ(cell(*w, 144)->geometry(), QRect(21 + 11 * 28, 63 + 11 * 28, 28, 28));

    ASSERT_EQ(w->findChildren<QRadioButton*>().size(), 3);
    EXPECT_TRUE(option(*w, 0)->isChecked());
    EXPECT_EQ(option(*w, 2)->text(), QStringLiteral("手動移動(&H)"));
    EXPECT_EQ(option(*w, 1)->toolTip(), QStringLiteral("カーソルを下部に自動的に移動します"));
    EXPECT_EQ(option(*w, 2)->y(), option(*w, 1)->y() + option(*w, 0)->height() + 2);
    EXPECT_EQ(w->findChild<QRadioButton*>(QStringLiteral("opRightDown(1)")), option(*w, 1));

    EXPECT_EQ(captions(child<QMenuBar>(*w, QStringLiteral("menuBar"))->actions()),
              (QStringList{"コース選択(&C)", "次問題(&N)", "判定(&J)", "解答(&A)", "自動移動(&M)", "メモリ保持(&M)",
                           "印刷(&P)"}));
    EXPECT_EQ(
        captions(child<QMenu>(*w, QStringLiteral("mnuCourse"))->actions()),
        (QStringList{"コース１(&1)", "コース２(&2)", "コース３(&3)", "コース４(&4)", "コース５(&5)", "ヒント(&H)"}));
    EXPECT_EQ(captions(child<QMenu>(*w, QStringLiteral("mnuMuve"))->actions()),
              (QStringList{"右自動移動(&R)", "下部自動移動(&D)", "手動移動(&H)"}));
    EXPECT_FALSE(item(*w, "mnuMemori")->isEnabled());
    EXPECT_EQ(child<QMenu>(*w, QStringLiteral("mnuCourse"))->actions().at(2), item(*w, "mnuCourse1(3)"));

    // The first grid, of course 1, is already there behind the prompt.
    EXPECT_EQ(label(*w, "lbYoko")->text(), QStringLiteral("1, 猫\r\n2, 猿\r\n"));
    EXPECT_EQ(label(*w, "lbTate")->text(), QStringLiteral("1, カップ\r\n2, お茶\r\n"));
    EXPECT_EQ(current(*w), 1);
    EXPECT_TRUE(notice(*w)->isHidden());
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(CrossWindow, ClickingThePromptStartsAPuzzle)
{
    auto w = open();
    QTest::mouseClick(prompt(*w), Qt::LeftButton);
    EXPECT_TRUE(prompt(*w)->isHidden());
    EXPECT_EQ(w->grid().acrossAnswer(1), QStringLiteral("CAT"));
    for (int k : letterCells())
        EXPECT_TRUE(cell(*w, k)->usable()) << k;
    CrosswordCell* number = cell(*w, 4);
    EXPECT_FALSE(number->isHidden());
    EXPECT_FALSE(number->isEnabled());
    EXPECT_EQ(number->text(), QStringLiteral("2"));
    EXPECT_EQ(number->backColour(), QColor(0, 0, 0));
    EXPECT_EQ(number->textColour(), QColor(255, 255, 0));
    EXPECT_EQ(number->fontSize(), 8);
    EXPECT_TRUE(cell(*w, 14)->isHidden());
    EXPECT_TRUE(cell(*w, 144)->isHidden());
    EXPECT_EQ(current(*w), 1);
}

TEST_F(CrossWindow, TypingMovesTheCursorInEachMode)
{
    auto w = play();
    // Right: on along the row, but never over a number cell.
    typeAt(*w, {{1, 'c'}, {2, 'a'}, {3, 't'}});
    EXPECT_EQ(cell(*w, 1)->text(), QStringLiteral("c"));
    EXPECT_EQ(current(*w), 3);
    type(cell(*w, 3), 'x'); // replaces the letter just typed
    EXPECT_EQ(cell(*w, 3)->text(), QStringLiteral("x"));
    EXPECT_EQ(current(*w), 3);

    // Down, chosen from the menu, which also marks its option button.
    item(*w, "mnuDownMv")->trigger();
    EXPECT_EQ(moveMode(*w), 1);
    EXPECT_TRUE(option(*w, 1)->isChecked());
    typeAt(*w, {{1, 'C'}});
    EXPECT_EQ(current(*w), 13);
    typeAt(*w, {{13, 'u'}, {25, 'p'}}); // the bottom of CUP: nowhere to go
    EXPECT_EQ(current(*w), 25);

    // Manual: every character replaces the one before.
    item(*w, "mnuHandMv")->trigger();
    EXPECT_TRUE(option(*w, 2)->isChecked());
    clickCell(*w, 5);
    typeAt(*w, {{5, 'x'}, {5, 'y'}, {5, 'a'}});
    EXPECT_EQ(cell(*w, 5)->text(), QStringLiteral("a"));
    EXPECT_EQ(current(*w), 5);

    QTest::mouseClick(option(*w, 0), Qt::LeftButton);
    EXPECT_EQ(moveMode(*w), 0);
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
        clickCell(*w, m.from);
        QTest::keyClick(cell(*w, m.from), m.key);
        EXPECT_EQ(current(*w), m.to) << m.from << " " << m.key;
    }
    // Arrows leave the letters alone.
    EXPECT_TRUE(cell(*w, 13)->text().isEmpty());
}

TEST_F(CrossWindow, ModifierKeysLeaveTheCellAsItIs)
{
    auto w = play();
    type(cell(*w, 1), 'x');
    clickCell(*w, 1);
    ASSERT_EQ(current(*w), 1);
    // Shift before a capital keeps the letter and the cursor where they are,
    // so the capital replaces the letter in the same cell.
    QTest::keyPress(cell(*w, 1), Qt::Key_Shift);
    QTest::keyRelease(cell(*w, 1), Qt::Key_Shift);
    EXPECT_EQ(cell(*w, 1)->text(), QStringLiteral("x"));
    EXPECT_EQ(current(*w), 1);
    type(cell(*w, 1), 'C', Qt::ShiftModifier);
    EXPECT_EQ(cell(*w, 1)->text(), QStringLiteral("C"));
    EXPECT_TRUE(cell(*w, 2)->text().isEmpty());
    EXPECT_EQ(current(*w), 2);
    for (Qt::Key key : {Qt::Key_Control, Qt::Key_Alt, Qt::Key_CapsLock}) {
        QTest::keyClick(cell(*w, 1), key);
        EXPECT_EQ(cell(*w, 1)->text(), QStringLiteral("C"));
    }

    // Backspace still empties the cell, and in an auto mode moves on.
    clickCell(*w, 1);
    QTest::keyClick(cell(*w, 1), Qt::Key_Backspace);
    EXPECT_TRUE(cell(*w, 1)->text().isEmpty());
    EXPECT_EQ(current(*w), 2);
}

TEST_F(CrossWindow, FocusReturnsToTheCurrentCell)
{
    auto w = play();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));

    QTest::mouseClick(cell(*w, 6), Qt::LeftButton);
    EXPECT_EQ(current(*w), 6);
    EXPECT_EQ(QApplication::focusWidget(), cell(*w, 6));

    // An option button changes the mode at once and hands the focus back.
    QTest::mousePress(option(*w, 1), Qt::LeftButton);
    EXPECT_EQ(moveMode(*w), 1);
    EXPECT_TRUE(option(*w, 1)->isChecked());
    QTest::mouseRelease(option(*w, 1), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), cell(*w, 6));

    // Number cells and hidden positions cannot be chosen.
    QTest::mouseClick(cell(*w, 4), Qt::LeftButton);
    clickCell(*w, 14);
    EXPECT_EQ(current(*w), 6);

    // An arrow moves the focus itself.
    QTest::keyClick(cell(*w, 6), Qt::Key_Left);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), cell(*w, 5));
    w->close();
}

TEST_F(CrossWindow, JudgingIgnoresCaseAndShowsThePicture)
{
    auto w = play();
    item(*w, "mnuHandMv")->trigger();
    typeAt(*w,
           {{1, 'c'}, {2, 'a'}, {3, 't'}, {5, 'a'}, {6, 'p'}, {7, 'e'}, {13, 'u'}, {15, 'e'}, {25, 'p'}, {27, 'a'}});
    item(*w, "mnuHantei")->trigger();
    EXPECT_FALSE(picture(*w)->isHidden());
    EXPECT_FALSE(label(*w, "lbGood")->isHidden());
    for (int k = 1; k <= 144; ++k)
        ASSERT_TRUE(cell(*w, k)->isHidden()) << k;

    // A click on the picture starts the next puzzle.
    QTest::mouseClick(picture(*w), Qt::LeftButton);
    EXPECT_TRUE(picture(*w)->isHidden());
    EXPECT_TRUE(label(*w, "lbGood")->isHidden());
    EXPECT_TRUE(cell(*w, 1)->usable());
    EXPECT_TRUE(cell(*w, 1)->text().isEmpty());
}

TEST_F(CrossWindow, WrongAndEmptyLettersTurnRed)
{
    auto w = play();
    item(*w, "mnuHandMv")->trigger();
    typeAt(*w, {{1, 'c'}, {2, 'o'}, {3, 't'}, {5, 'a'}, {6, 'p'}, {7, 'e'}, {13, 'u'}, {15, 'e'}, {25, 'p'}});
    item(*w, "mnuHantei")->trigger();
    EXPECT_TRUE(picture(*w)->isHidden());
    EXPECT_EQ(cell(*w, 2)->textColour(), kRed);
    EXPECT_EQ(cell(*w, 27)->textColour(), kRed);
    EXPECT_EQ(cell(*w, 1)->textColour(), QColor(0, 0, 0));
    EXPECT_EQ(cell(*w, 4)->textColour(), QColor(255, 255, 0)); // number cells are not looked at

    // Typing over a red letter makes it black again.
    type(cell(*w, 2), 'a');
    EXPECT_EQ(cell(*w, 2)->textColour(), QColor(0, 0, 0));

    // The answers fill in the solution as written in the file; what was
    // wrong stays marked.
    item(*w, "mnuAnser")->trigger();
    for (int k : letterCells())
        EXPECT_EQ(cell(*w, k)->text(), w->grid().answerChar(lumo::cross::rowOf(k), lumo::cross::colOf(k)));
    EXPECT_EQ(cell(*w, 27)->text(), QStringLiteral("A"));
    EXPECT_EQ(cell(*w, 27)->textColour(), kRed);
    EXPECT_EQ(cell(*w, 2)->textColour(), QColor(0, 0, 0));
    EXPECT_TRUE(cell(*w, 4)->text() == QStringLiteral("2"));
    item(*w, "mnuHantei")->trigger();
    EXPECT_FALSE(picture(*w)->isHidden());
}

TEST_F(CrossWindow, HintShowsTheAnswersFromTheFirstToTheSixthTick)
{
    auto w = play();
    const QString clues = label(*w, "lbYoko")->text();
    item(*w, "mnuHint")->trigger();
    EXPECT_TRUE(timer(*w)->isActive());
    EXPECT_EQ(timer(*w)->interval(), 1000);
    EXPECT_EQ(label(*w, "lbYoko")->text(), clues); // nothing before the first tick

    test::tick(*w);
    EXPECT_EQ(label(*w, "lbYoko")->text(), QStringLiteral("横のカギ\r\n1, CAT\r\n2, APE\r\n"));
    EXPECT_EQ(label(*w, "lbTate")->text(), QStringLiteral("縦のカギ\r\n1, CUP\r\n2, TEA\r\n"));
    item(*w, "mnuHint")->trigger(); // asking again lets the running hint go on
    EXPECT_TRUE(timer(*w)->isActive());
    EXPECT_TRUE(label(*w, "lbYoko")->text().startsWith(QStringLiteral("横のカギ"))); // the hint is still up

    // Judging meanwhile works as usual, and a new grid gets its own clues back.
    item(*w, "mnuHantei")->trigger();
    EXPECT_EQ(cell(*w, 1)->textColour(), kRed);
    folder.write(QStringLiteral("word-3.dat"), QString());
    item(*w, "mnuNext")->trigger();
    const QString newClues = label(*w, "lbYoko")->text();
    EXPECT_FALSE(newClues.contains(QStringLiteral("猫")));
    for (int tick = 2; tick <= 5; ++tick) {
        test::tick(*w);
        EXPECT_EQ(label(*w, "lbYoko")->text(), newClues) << tick;
    }
    test::tick(*w);
    EXPECT_FALSE(timer(*w)->isActive());
    EXPECT_EQ(label(*w, "lbYoko")->text(), newClues);
    EXPECT_EQ(label(*w, "lbTate")->text(), lumo::cross::clueLines(w->grid(), lumo::cross::Direction::Down));

    // The next hint starts from the first tick again.
    item(*w, "mnuHint")->trigger();
    test::tick(*w);
    EXPECT_TRUE(label(*w, "lbYoko")->text().startsWith(QStringLiteral("横のカギ\r\n1, APE")));
}

TEST_F(CrossWindow, MissingFilesAreNamedInTheWindow)
{
    folder.write(QStringLiteral("word-4.dat"), QStringLiteral("dog,犬\n"));
    auto w = play();
    item(*w, "mnuCourse1(2)")->trigger();
    EXPECT_EQ(w->grid().acrossAnswer(1), QStringLiteral("dog")); // course 2: word-4 .. word-7
    EXPECT_FALSE(notice(*w)->isHidden());
    EXPECT_EQ(notice(*w)->text().split(u'\n').size(), 3);
    EXPECT_TRUE(notice(*w)->text().contains(QStringLiteral("word-5.dat")));
    EXPECT_TRUE(notice(*w)->text().contains(QStringLiteral("word-7.dat")));
    EXPECT_TRUE(platform.dialogs.shown.empty());

    // The next puzzle reads the files again: the used word is back.
    item(*w, "mnuNext")->trigger();
    EXPECT_EQ(w->grid().acrossAnswer(1), QStringLiteral("dog")); // still course 2
    EXPECT_EQ(notice(*w)->text().split(u'\n').size(), 3);
    EXPECT_FALSE(notice(*w)->isHidden());

    item(*w, "mnuCourse1(1)")->trigger();
    EXPECT_TRUE(notice(*w)->isHidden());
}

TEST_F(CrossWindow, ACourseWithoutWordsIsSolvedAtOnce)
{
    auto w = play();
    item(*w, "mnuCourse1(5)")->trigger();
    for (int k = 1; k <= 144; ++k)
        ASSERT_TRUE(cell(*w, k)->isHidden()) << k;
    EXPECT_TRUE(label(*w, "lbYoko")->text().isEmpty());
    EXPECT_TRUE(label(*w, "lbTate")->text().isEmpty());
    EXPECT_TRUE(surface(*w)->marks().empty());
    // The refocus rule has no cell to go to.
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(cell(*w, 1), &leaving);
    QCoreApplication::processEvents();
    item(*w, "mnuHantei")->trigger();
    EXPECT_FALSE(picture(*w)->isHidden());
}

TEST_F(CrossWindow, GivenLettersCountAsRight)
{
    auto w = play();
    platform.random.values.assign(4, 0.5f); // the shuffle; then every draw is 0
    item(*w, "mnuNext")->trigger();
    for (int k : letterCells())
        EXPECT_FALSE(cell(*w, k)->text().isEmpty()) << k;
    item(*w, "mnuHantei")->trigger();
    EXPECT_FALSE(picture(*w)->isHidden());
}

// Every menu item and clickable control once, each with what only it does,
// so a swapped or missing connection fails here.
TEST_F(CrossWindow, EveryMenuItemAndControlDoesItsOwnJob)
{
    // One word of its own in the first file of courses 2 to 5.
    const std::pair<const char*, const char*> firstFiles[] = {{"word-4.dat", "DOG,犬\n"},
                                                              {"word-8.dat", "EGG,卵\n"},
                                                              {"word-12.dat", "FOX,狐\n"},
                                                              {"word-16.dat", "HEN,雌鶏\n"}};
    for (const auto& [name, text] : firstFiles)
        folder.write(QString::fromLatin1(name), QString::fromUtf8(text));
    auto w = play();

    const std::pair<const char*, QString> courses[] = {{"mnuCourse1(2)", "DOG"},
                                                       {"mnuCourse1(3)", "EGG"},
                                                       {"mnuCourse1(4)", "FOX"},
                                                       {"mnuCourse1(5)", "HEN"},
                                                       {"mnuCourse1(1)", "CAT"}};
    for (const auto& [name, first] : courses) {
        item(*w, name)->trigger();
        EXPECT_EQ(w->grid().acrossAnswer(1), first) << name;
    }
    // 次問題 stays with the course last chosen.
    folder.write(QStringLiteral("word-3.dat"), QStringLiteral("COW,牛\n"));
    item(*w, "mnuNext")->trigger();
    EXPECT_EQ(w->grid().acrossAnswer(1), QStringLiteral("COW"));

    // The three moves, from the menu and from the option buttons.
    const std::pair<const char*, int> moveItems[] = {{"mnuDownMv", 1}, {"mnuHandMv", 2}, {"mnuRightMv", 0}};
    for (const auto& [name, mode] : moveItems) {
        item(*w, name)->trigger();
        EXPECT_EQ(moveMode(*w), mode) << name;
    }
    for (int i : {2, 1, 0}) {
        QTest::mouseClick(option(*w, i), Qt::LeftButton);
        EXPECT_EQ(moveMode(*w), i);
    }

    // ヒント runs the hint clock; 判定 marks the empty cells; 解答 fills them.
    EXPECT_FALSE(timer(*w)->isActive());
    item(*w, "mnuHint")->trigger();
    EXPECT_TRUE(timer(*w)->isActive());
    item(*w, "mnuHantei")->trigger();
    EXPECT_EQ(cell(*w, 1)->textColour(), kRed);
    EXPECT_TRUE(cell(*w, 1)->text().isEmpty());
    item(*w, "mnuAnser")->trigger();
    EXPECT_EQ(cell(*w, 1)->text(), QStringLiteral("C"));
    EXPECT_FALSE(item(*w, "mnuMemori")->isEnabled());

    // The filled grid is right: the picture, whose click starts a new grid.
    item(*w, "mnuHantei")->trigger();
    ASSERT_FALSE(picture(*w)->isHidden());
    QTest::mouseClick(picture(*w), Qt::LeftButton);
    EXPECT_TRUE(picture(*w)->isHidden());
    EXPECT_TRUE(cell(*w, 1)->text().isEmpty());
}

TEST_F(CrossWindow, NumbersArePrintedBesideTheGridAndRepainted)
{
    auto w = play();
    ASSERT_EQ(surface(*w)->marks(), w->grid().numberMarks());
    // Number 1 across is printed left of the grid at (65, 995) twips.
    // White strokes on the dark window: any nearly white pixel counts, so
    // antialiased edges and the face's exact metrics do not matter.
    auto whiteNear = [&](QPoint at) {
        const QImage image = surface(*w)->grab().toImage();
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
