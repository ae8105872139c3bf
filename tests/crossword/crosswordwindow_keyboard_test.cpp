// The crossword played from the keyboard alone, the names assistive
// technology reads, and the wrong-letter mark that does not rest on colour.
#include "crossword/crosswordcells.h"
#include "crossword/crosswordwindow.h"
#include "crossword/smallpuzzle.h"
#include "support/spokenname.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;

namespace {

// Played on the small puzzle (smallpuzzle.h).
class CrossKeyboard : public test::SmallPuzzleTest {
  protected:
    void SetUp() override
    {
        SmallPuzzleTest::SetUp();
        window = open();
    }

    CrosswordCell* cell(int k) const { return window->findChild<CrosswordCell*>(QStringLiteral("txEizi(%1)").arg(k)); }
    template <class T> T* child(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    // The index of the cell with the keyboard focus, 0 for none.
    static int focusedCell()
    {
        auto* focused = qobject_cast<CrosswordCell*>(QApplication::focusWidget());
        return focused ? focused->index() : 0;
    }
    // Keys go where the learner's keyboard sends them: the focused widget.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QApplication::processEvents(); // focus returns queued, as after a real key
    }
    static void type(const char* letters)
    {
        for (const char* c = letters; *c; ++c)
            press(Qt::Key(Qt::Key_A + (*c - 'a')));
    }

    std::unique_ptr<CrosswordWindow> window;
};

TEST_F(CrossKeyboard, APuzzleIsStartedFilledJudgedAndFollowedWithKeysOnly)
{
    auto* prompt = child<QLabel>("Text1");
    ASSERT_TRUE(prompt->isVisible());
    EXPECT_EQ(focusedCell(), 1) << "the first letter cell waits behind the prompt";
    press(Qt::Key_Return);
    EXPECT_FALSE(prompt->isVisible()) << "the prompt says ENTER";
    ASSERT_EQ(focusedCell(), 1);

    type("cat"); // right-auto: 1 → 2 → 3, and 4 is a number cell
    EXPECT_EQ(focusedCell(), 3);
    press(Qt::Key_Right); // over the number cell
    type("ape");
    EXPECT_EQ(focusedCell(), 7);

    // Alt+D: the down option by its access key; the typing position stays.
    press(Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return child<QRadioButton>("opRightDown(1)")->isChecked(); }));
    QApplication::processEvents();
    EXPECT_EQ(focusedCell(), 7);
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Left); // 6 5 3 2 1
    ASSERT_EQ(focusedCell(), 1);
    press(Qt::Key_Down);
    type("up"); // down-auto: 13 → 25
    EXPECT_EQ(focusedCell(), 25);
    press(Qt::Key_Right); // over the hidden position 26
    press(Qt::Key_Up);
    ASSERT_EQ(focusedCell(), 15);
    type("ea");
    EXPECT_EQ(cell(27)->text(), QStringLiteral("a"));

    // 判定(&J) from the menu bar by its access key.
    press(Qt::Key_J, Qt::AltModifier);
    auto* picture = child<QLabel>("Image1");
    ASSERT_TRUE(picture->isVisible()) << "every letter right";
    EXPECT_EQ(QApplication::focusWidget(), picture);
    press(Qt::Key_Return);
    EXPECT_FALSE(picture->isVisible());
    EXPECT_TRUE(cell(1)->isVisible()) << "the next puzzle";
    EXPECT_EQ(focusedCell(), 1);
    EXPECT_TRUE(cell(1)->text().isEmpty());
}

TEST_F(CrossKeyboard, AWrongLetterIsUnderlinedAsWellAsRedUntilTypedOver)
{
    press(Qt::Key_Return);
    type("x");
    press(Qt::Key_J, Qt::AltModifier);
    CrosswordCell* wrong = cell(1);
    EXPECT_EQ(wrong->text(), QStringLiteral("x")) << "the mark changes no text";
    EXPECT_TRUE(wrong->markedWrong());
    EXPECT_EQ(wrong->accessibleDescription(), QStringLiteral("間違い"));
    EXPECT_TRUE(cell(2)->markedWrong()) << "an empty cell is wrong too";

    // The mark shows without its colour: the same cell in the same colour
    // looks different marked and unmarked.
    const QImage marked = wrong->grab().toImage();
    wrong->setMarkedWrong(false);
    const QImage plain = wrong->grab().toImage();
    EXPECT_NE(marked, plain);
    wrong->setMarkedWrong(true);

    // Typing over the letter takes the mark away with the colour.
    press(Qt::Key_Left);
    ASSERT_EQ(focusedCell(), 1);
    type("c");
    EXPECT_FALSE(wrong->markedWrong());
    EXPECT_EQ(wrong->textColour(), QColor(Qt::black));
    EXPECT_TRUE(wrong->accessibleDescription().isEmpty());

    // 解答(&A) marks the letters it corrects the same way; a new puzzle clears every mark.
    press(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(cell(2)->markedWrong());
    EXPECT_FALSE(cell(1)->markedWrong()) << "c was right";
    press(Qt::Key_N, Qt::AltModifier);
    EXPECT_FALSE(cell(2)->markedWrong());
}

TEST_F(CrossKeyboard, EveryControlHasAJapaneseName)
{
    EXPECT_EQ(cell(1)->accessibleName(), QStringLiteral("1行1列のマス"));
    EXPECT_EQ(cell(27)->accessibleName(), QStringLiteral("3行3列のマス"));
    EXPECT_EQ(cell(144)->accessibleName(), QStringLiteral("12行12列のマス"));
    EXPECT_FALSE(test::spokenName(child<QLabel>("Text1")).isEmpty());
    EXPECT_FALSE(test::spokenName(child<QLabel>("Image1")).isEmpty());
    for (int i = 0; i < 3; ++i) {
        auto* option = child<QRadioButton>(QStringLiteral("opRightDown(%1)").arg(i).toLatin1().constData());
        EXPECT_FALSE(option->shortcut().isEmpty()) << "its access key: " << i;
    }
}

} // namespace
