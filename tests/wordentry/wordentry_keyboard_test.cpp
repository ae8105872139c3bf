// The word-entry window from the keyboard alone, the names assistive
// technology reads, and the notice bar that says nothing can be spoken.
#include "support/fakes.h"
#include "ui/noticebar.h"
#include "ui/speech.h"
#include "widgets/richtextbox.h"
#include "wordentry/wordentrywindow.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace lumo;

namespace {

class WordEntryKeyboard : public ::testing::Test {
  protected:
    void SetUp() override
    {
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <class T> T* child(const QString& name) const { return window.findChild<T*>(name); }
    QLineEdit* box(int i) const { return child<QLineEdit>(QStringLiteral("Text1(%1)").arg(i)); }
    QString entryText() const { return child<RichTextBox>(QStringLiteral("RichTextBox1"))->Text(); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    // Japanese arrives the way an input method hands it over.
    static void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(focused(), &event);
    }

    test::Platform platform;
    test::TempProgramFolder folder;
    WordEntryWindow window;
};

TEST_F(WordEntryKeyboard, WordsAreEnteredAndSavedWithKeysOnly)
{
    ASSERT_EQ(focused(), box(0)) << "the English box has the focus at the start";
    QTest::keyClicks(focused(), QStringLiteral("apple"));
    press(Qt::Key_Return); // on to the meaning
    ASSERT_EQ(focused(), box(1));
    commit(QStringLiteral("りんご"));
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), box(2));
    QTest::keyClicks(focused(), QStringLiteral("ap"));
    press(Qt::Key_Tab); // to the first symbol, which Space presses
    ASSERT_EQ(focused(), child<QPushButton>(QStringLiteral("cmdKey1(0)")));
    press(Qt::Key_Space);
    EXPECT_EQ(box(2)->text(), QStringLiteral("apα"));
    EXPECT_EQ(entryText(), QStringLiteral("\r\napple,りんご,ap,"));

    // Tab runs over the other symbols and the entry text to データ保存;
    // Enter presses it.
    for (int k = 1; k < kPhoneticButtons; ++k) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused()->objectName(), QStringLiteral("cmdKey1(%1)").arg(k));
    }
    press(Qt::Key_Tab);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("RichTextBox1"));
    press(Qt::Key_Tab);
    EXPECT_EQ(entryText(), QStringLiteral("\r\napple,りんご,ap,")) << "Tab moves on, it adds no tab";
    ASSERT_EQ(focused()->objectName(), QStringLiteral("cmdSave"));
    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("mine.dat")};
    press(Qt::Key_Return);
    EXPECT_EQ(folder.readBytes(QStringLiteral("mine.dat")), QByteArray("\r\napple,\x82\xe8\x82\xf1\x82\xb2,ap,"));

    // Enter in the note box starts the next word in the English box.
    box(2)->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), box(0));
}

TEST_F(WordEntryKeyboard, CaptionsAreTheBuddiesOfTheirBoxes)
{
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(child<QLabel>(QStringLiteral("Label1(%1)").arg(i))->buddy(), box(i)) << i;
    EXPECT_EQ(child<RichTextBox>(QStringLiteral("RichTextBox1"))->accessibleName(), QStringLiteral("入力した単語"));
}

// Without speech the window says so in its own bar, under the controls: the
// window grows and nothing moves; no box of any kind opens.
TEST_F(WordEntryKeyboard, NoSpeechIsToldInTheWindowsNoticeBar)
{
    platform.speech.canSpeak = false;
    std::map<QWidget*, QRect> placed;
    for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        placed[w] = w->geometry();
    const QSize designed = window.size();
    box(0)->setText(QStringLiteral("apple"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdHatuon")), Qt::LeftButton);

    auto* bar = child<NoticeBar>(QStringLiteral("notice"));
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->text(), kSpeechUnavailableText);
    EXPECT_EQ(bar->y(), designed.height());
    EXPECT_EQ(window.height(), designed.height() + bar->height());
    for (const auto& [w, geometry] : placed) {
        if (w != bar) {
            EXPECT_EQ(w->geometry(), geometry) << w->objectName().toStdString();
        }
    }
    EXPECT_TRUE(platform.dialogs.shown.empty());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_NE(top->objectName(), QStringLiteral("speechNotice"));

    QTest::mouseClick(bar->findChild<QWidget*>(QStringLiteral("noticeClose")), Qt::LeftButton);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(window.size(), designed);
}

} // namespace
