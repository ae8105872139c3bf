#include "support/fakes.h"
#include "widgets/richtextbox.h"
#include "wordentry/wordentrywindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumo;

// 発音 speaks the English box and, taking no focus, adds no entry line.
TEST(WordEntrySpeech, SpeakButtonSaysTheEnglishBoxAndLeavesTheEntryTextAlone)
{
    test::RecordingSpeech speech;
    WordEntryWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* english = window.findChild<QLineEdit*>(QStringLiteral("Text1(0)"));
    auto* speak = window.findChild<QPushButton*>(QStringLiteral("cmdHatuon"));
    auto* entries = window.findChild<RichTextBox*>(QStringLiteral("RichTextBox1"));
    ASSERT_NE(entries, nullptr);
    ASSERT_NE(speak, nullptr);
    english->setFocus();
    QTest::keyClicks(english, QStringLiteral("apple"));
    const QString before = entries->Text();
    QTest::mouseClick(speak, Qt::LeftButton);
    EXPECT_EQ(speech.words(), QStringList{QStringLiteral("apple")});
    EXPECT_EQ(entries->Text(), before);
    EXPECT_TRUE(english->hasFocus());

    english->clear();
    QTest::mouseClick(speak, Qt::LeftButton);
    EXPECT_EQ(speech.said.size(), 1) << "an empty box says nothing";
}
