#include "quizwindow_fixture.h"

#include <QMenu>

using namespace lumo;
using namespace lumo::test;

namespace {
const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kDarkYellow(128, 128, 0);
} // namespace

class LettersTest : public QuizWindowTest {
  protected:
    // The captions of the letter buttons shown in red: the guide.
    QString redCaptions() const
    {
        QString red;
        for (int i = 0; i <= 30; ++i)
            if (captionColour(key(i)) == kRed)
                red += key(i)->text();
        return red;
    }
    QString captions() const
    {
        QString all;
        for (int i = 0; i <= 30; ++i)
            all += key(i)->text();
        return all;
    }
};

TEST_F(LettersTest, EditsAtTheCaret)
{
    open();
    struct Case {
        int caret;
        const char* button;
        QString text;
        int caretAfter;
    };
    // DEL at 2, BS at 2 (a space replaces the p), BS at 0, SPACE at 5, DEL at the end.
    const Case cases[] = {
        {2, "cmdDEL", QStringLiteral("aple"), 2},    {2, "Command4", QStringLiteral("a ple"), 1},
        {0, "Command4", QStringLiteral("apple"), 0}, {5, "Command5", QStringLiteral("apple "), 6},
        {5, "cmdDEL", QStringLiteral("apple"), 5},
    };
    QLineEdit* box = answerBox();
    for (const Case& c : cases) {
        box->setText(QStringLiteral("apple"));
        box->setCursorPosition(c.caret);
        click(c.button);
        EXPECT_EQ(box->text(), c.text) << c.button << " at " << c.caret;
        EXPECT_EQ(box->cursorPosition(), c.caretAfter) << c.button << " at " << c.caret;
    }
    // A letter button inserts at the selection's start without replacing it.
    box->setText(QStringLiteral("apple"));
    box->setSelection(2, 3);
    click(key(21)); // the third row starts with z
    EXPECT_EQ(box->text(), QStringLiteral("apzple"));
    EXPECT_EQ(box->cursorPosition(), 3);
}

TEST_F(LettersTest, TypedKeyLightThroughTheKeyPreview)
{
    open();
    QLineEdit* box = answerBox();
    QTest::keyClick(box, Qt::Key_Q);
    EXPECT_EQ(captionColour(key(0)), kDarkYellow);
    QTest::keyClick(box, Qt::Key_W);
    EXPECT_EQ(captionColour(key(0)), kBlue);
    EXPECT_EQ(captionColour(key(1)), kDarkYellow);
    QTest::keyClick(box, Qt::Key_1);
    EXPECT_EQ(captionColour(key(1)), kBlue) << "a digit puts the light out and lights nothing";
    for (int i = 0; i <= 30; ++i)
        EXPECT_NE(captionColour(key(i)), kDarkYellow) << i;
    // The alphabetical order with small letters: a lights the first button.
    menuItem("mnuButton")->trigger();
    EXPECT_EQ(key(0)->text(), QStringLiteral("a"));
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(captionColour(key(0)), kDarkYellow);
    // Keys in an open menu choose items and are not typed letters.
    QTest::keyClick(window->findChild<QMenu*>(QStringLiteral("mnuSelect")), Qt::Key_Z);
    EXPECT_EQ(captionColour(key(0)), kDarkYellow);
    EXPECT_NE(captionColour(key(25)), kDarkYellow);
}

TEST_F(LettersTest, NextLetterGuideInTrainingForm)
{
    open();
    pick({1}); // man
    click("cmdNyuryoku");
    QLineEdit* box = answerBox();
    EXPECT_EQ(redCaptions(), QStringLiteral("m"));
    box->setText(QStringLiteral("m"));
    EXPECT_EQ(redCaptions(), QStringLiteral("a"));
    box->setText(QStringLiteral("xx"));
    EXPECT_EQ(redCaptions(), QStringLiteral("n")) << "only the length counts";
    box->setText(QStringLiteral("man"));
    EXPECT_EQ(redCaptions(), QString());
    // Keys that type nothing (Shift, arrows) neither light a button nor
    // put out the guide: typing "ma" lights a, which the guide turns red.
    box->clear();
    QTest::keyClicks(box, QStringLiteral("ma"));
    EXPECT_EQ(redCaptions(), QStringLiteral("n"));
    box->setText(QStringLiteral("m"));
    QTest::keyClick(box, Qt::Key_Shift);
    QTest::keyClick(box, Qt::Key_Left);
    EXPECT_EQ(redCaptions(), QStringLiteral("a"));
    // The letter buttons follow the guide too.
    box->clear();
    click(key(27)); // m
    EXPECT_EQ(redCaptions(), QStringLiteral("a"));
    // Question form has no guide.
    box->setText(QStringLiteral("man"));
    click("cmdMondai");
    box->setText(QString());
    EXPECT_EQ(redCaptions(), QString());
}

TEST_F(LettersTest, CaseAndLayoutSwitches)
{
    open();
    click("cmdmozihenkan");
    EXPECT_EQ(key(0)->text(), QStringLiteral("Q"));
    EXPECT_EQ(key(19)->text(), QStringLiteral(";"));
    menuItem("mnuButton")->trigger();
    EXPECT_EQ(key(0)->text(), QStringLiteral("A"));
    EXPECT_EQ(key(25)->text(), QStringLiteral("Z"));
    menuItem("mnuButton")->trigger();
    EXPECT_EQ(key(0)->text(), QStringLiteral("Q"));
    click("cmdmozihenkan");
    EXPECT_EQ(captions(), QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?"));
}
