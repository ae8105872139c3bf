#include "quiz_fixture.h"

#include <QMenu>
#include <QTest>

using namespace lumo;
using namespace lumo::test;

namespace {
const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kDarkYellow(128, 128, 0);
QColor captionColour(const QPushButton* b)
{
    return b->palette().color(QPalette::ButtonText);
}
} // namespace

using LettersTest = QuizTest;

TEST_F(LettersTest, EditsAtTheCaret)
{
    Form1& f = open();
    struct Case {
        int caret, selectionLength;
        void (Form1::*action)();
        QString text;
        int caretAfter;
    };
    // DEL at 2, BS at 2 (a space replaces the p), BS at 0, SPACE at 5, DEL at the end.
    const Case cases[] = {
        {2, 0, &Form1::cmdDEL_Click, QStringLiteral("aple"), 2},
        {2, 0, &Form1::Command4_Click, QStringLiteral("a ple"), 1},
        {0, 0, &Form1::Command4_Click, QStringLiteral("apple"), 0},
        {5, 0, &Form1::Command5_Click, QStringLiteral("apple "), 6},
        {5, 0, &Form1::cmdDEL_Click, QStringLiteral("apple"), 5},
    };
    for (const Case& c : cases) {
        f.Text2->setText(QStringLiteral("apple"));
        f.Text2->setCursorPosition(c.caret);
        (f.*c.action)();
        EXPECT_EQ(f.Text2->text(), c.text) << c.caret;
        EXPECT_EQ(f.Text2->cursorPosition(), c.caretAfter) << c.caret;
    }
    // A letter button inserts at the selection's start without replacing it.
    f.Text2->setText(QStringLiteral("apple"));
    f.Text2->setSelection(2, 3);
    f.key[21]->click(); // z in the QWERTY order... the third row starts with z
    EXPECT_EQ(f.Text2->text(), QStringLiteral("apzple"));
    EXPECT_EQ(f.Text2->cursorPosition(), 3);
}

TEST_F(LettersTest, TypedKeyLightThroughTheKeyPreview)
{
    Form1& f = open();
    f.show();
    QTest::keyClick(f.Text2, Qt::Key_Q, Qt::NoModifier);
    EXPECT_EQ(f.litKey, 1);
    EXPECT_EQ(captionColour(f.key[0]), kDarkYellow);
    QTest::keyClick(f.Text2, Qt::Key_W, Qt::NoModifier);
    EXPECT_EQ(captionColour(f.key[0]), kBlue);
    EXPECT_EQ(captionColour(f.key[1]), kDarkYellow);
    QTest::keyClick(f.Text2, Qt::Key_1, Qt::NoModifier);
    EXPECT_EQ(captionColour(f.key[1]), kBlue);
    EXPECT_EQ(f.litKey, 2) << "digits leave the lit key number";
    // The alphabetical order with small letters: a lights the first button.
    f.mnuButton_Click();
    EXPECT_EQ(f.key[0]->text(), QStringLiteral("a"));
    QTest::keyClick(f.Text2, Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(f.litKey, 1);
    // Keys in an open menu choose items and are not typed letters.
    QTest::keyClick(f.findChild<QMenu*>(QStringLiteral("mnuSelect")), Qt::Key_Z, Qt::NoModifier);
    EXPECT_EQ(f.litKey, 1);
}

TEST_F(LettersTest, NextLetterGuideInTrainingForm)
{
    Form1& f = open();
    pick({1}); // man
    f.cmdNyuryoku_Click();
    auto redCaptions = [&f] {
        QString red;
        for (QPushButton* b : f.key)
            if (captionColour(b) == kRed)
                red += b->text();
        return red;
    };
    EXPECT_EQ(redCaptions(), QStringLiteral("m"));
    f.Text2->setText(QStringLiteral("m"));
    EXPECT_EQ(redCaptions(), QStringLiteral("a"));
    f.Text2->setText(QStringLiteral("xx"));
    EXPECT_EQ(redCaptions(), QStringLiteral("n")) << "only the length counts";
    f.Text2->setText(QStringLiteral("man"));
    EXPECT_EQ(redCaptions(), QString());
    // Keys that type nothing (Shift, arrows) neither light a button nor
    // put out the guide: typing "ma" lights a, which the guide turns red.
    f.show();
    f.Text2->clear();
    QTest::keyClicks(f.Text2, QStringLiteral("ma"));
    EXPECT_EQ(redCaptions(), QStringLiteral("n"));
    f.Text2->setText(QStringLiteral("m"));
    QTest::keyClick(f.Text2, Qt::Key_Shift);
    QTest::keyClick(f.Text2, Qt::Key_Left);
    EXPECT_EQ(redCaptions(), QStringLiteral("a"));
    // Question form has no guide.
    f.Text2->setText(QStringLiteral("man"));
    f.cmdMondai_Click();
    f.Text2->setText(QString());
    EXPECT_EQ(redCaptions(), QString());
}

TEST_F(LettersTest, CaseAndLayoutSwitches)
{
    Form1& f = open();
    f.cmdmozihenkan_Click();
    EXPECT_EQ(f.key[0]->text(), QStringLiteral("Q"));
    EXPECT_EQ(f.key[19]->text(), QStringLiteral(";"));
    f.mnuButton_Click();
    EXPECT_EQ(f.key[0]->text(), QStringLiteral("A"));
    EXPECT_EQ(f.key[25]->text(), QStringLiteral("Z"));
    f.mnuButton_Click();
    EXPECT_EQ(f.key[0]->text(), QStringLiteral("Q"));
    f.cmdmozihenkan_Click();
    EXPECT_EQ(f.key[0]->text(), QStringLiteral("q"));
    EXPECT_EQ(f.layoutString, QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?"));
}
