// The trainer without a mouse and for assistive tools: Enter on a focused
// button, names of every control, and wrongly pressed keys marked by more
// than their colour.
#include "support/fakes.h"
#include "support/spokenname.h"
#include "typing/typingtrainerwindow.h"
#include "ui/noticebar.h"

#include "ui/accessiblenames.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace lumo {
namespace {

class TrainerAccess : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;
    std::unique_ptr<TypingTrainerWindow> window = std::make_unique<TypingTrainerWindow>();

    template <class T = QLabel> T* find(const QString& name) const
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    QLabel* keyLetter(int i) const { return find(QStringLiteral("key1(%1)").arg(i)); }
};

TEST_F(TrainerAccess, ButtonsWorkFromTheKeyboardAndAreNotTyping)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->findChild<QAction*>(QStringLiteral("mnuBase1"))->trigger();
    // Enter on a focused button.
    auto* next = find<QPushButton>(QStringLiteral("cmdNext"));
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_EQ(window->state().lineNo, 2);
    // Access keys come through the window system, where shortcuts are
    // matched; the button shows itself pressed for a moment before it acts.
    QTest::keyClick(window->windowHandle(), Qt::Key_N, Qt::AltModifier); // 次へ(&N)
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->state().lineNo == 3; }));
    QTest::keyClick(window->windowHandle(), Qt::Key_A, Qt::AltModifier); // 自動出題(&A)
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->state().autoNext; }));
    EXPECT_EQ(window->state().wrongCount, 0);
}

TEST_F(TrainerAccess, EveryControlHasAJapaneseNameThatStaysWithItsRole)
{
    nameControls(window.get()); // as the program does when a window first shows
    for (QWidget* control : window->findChildren<QWidget*>()) {
        // The notice bar's message is read out as it is shown; empty while hidden.
        if (qobject_cast<NoticeBar*>(control->parentWidget()))
            continue;
        if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control) ||
            qobject_cast<QProgressBar*>(control)) {
            EXPECT_FALSE(test::spokenName(control).isEmpty()) << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(find(QStringLiteral("Label2"))->accessibleName(), QStringLiteral("練習の状況"));
    EXPECT_EQ(find(QStringLiteral("lbSeikaisu"))->accessibleName(), QStringLiteral("正解数"));
    EXPECT_EQ(find(QStringLiteral("lbSeikai"))->buddy(), find(QStringLiteral("lbSeikaisu")));
    EXPECT_EQ(find(QStringLiteral("lbMatigai"))->buddy(), find(QStringLiteral("lbMatigaisu")));
    EXPECT_EQ(find(QStringLiteral("Image1(40)"))->accessibleName(), QStringLiteral("「/」のキー"));
    EXPECT_EQ(keyLetter(21)->accessibleName(), QStringLiteral("「A」のキーの文字"));
    EXPECT_EQ(find(QStringLiteral("lbHozyo(11)"))->accessibleName(), QStringLiteral("「Q」のキーを打つ指の色"));
    EXPECT_EQ(find(QStringLiteral("lbCup(3)"))->accessibleName(), QStringLiteral("3 番目のカップの文字"));
    EXPECT_EQ(test::spokenName(find(QStringLiteral("lbYubi(2)"))), QStringLiteral("薬指"));
    EXPECT_EQ(test::spokenName(find<QPushButton>(QStringLiteral("cmdExit"))), QStringLiteral("練習終了(X)"));

    window->findChild<QAction*>(QStringLiteral("mnuBase1"))->trigger();
    EXPECT_EQ(find(QStringLiteral("Label2"))->accessibleName(), QStringLiteral("練習の状況"));
}

TEST_F(TrainerAccess, WronglyPressedKeyIsUnderlinedAsWellAsRed)
{
    // Before any course: a press hides the letter, a second one marks it.
    QTest::keyClick(window.get(), Qt::Key_A);
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_EQ(keyLetter(21)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(keyLetter(21)->font().underline());
    EXPECT_EQ(keyLetter(21)->text(), QStringLiteral("A"));
    EXPECT_FALSE(keyLetter(22)->font().underline());

    // In a course: the key to press is blue and plain, a wrong one red and underlined.
    window->findChild<QAction*>(QStringLiteral("mnuBase1"))->trigger();
    EXPECT_FALSE(keyLetter(21)->font().underline());
    QTest::keyClick(window.get(), Qt::Key_G);
    EXPECT_TRUE(keyLetter(25)->font().underline());
    EXPECT_FALSE(keyLetter(21)->font().underline());
    EXPECT_FALSE(keyLetter(21)->isHidden());
}

} // namespace
} // namespace lumo
