#include "data/engnyu.h"
#include "support/fakes.h"
#include "ui/richtextbox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumo;

// 発音 speaks the English box and, taking no focus, adds no entry line.
TEST(WordEntrySpeech, SpeakButtonSaysTheEnglishBoxAndLeavesTheEntryTextAlone)
{
    test::RecordingSpeech speech;
    Engnyu window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* english = window.findChild<QLineEdit*>(QStringLiteral("Text1(0)"));
    auto* speak = window.findChild<QPushButton*>(QStringLiteral("cmdHatuon"));
    ASSERT_NE(speak, nullptr);
    english->setFocus();
    QTest::keyClicks(english, QStringLiteral("apple"));
    const QString before = window.RichTextBox1->Text();
    QTest::mouseClick(speak, Qt::LeftButton);
    EXPECT_EQ(speech.words(), QStringList{QStringLiteral("apple")});
    EXPECT_EQ(window.RichTextBox1->Text(), before);
    EXPECT_TRUE(english->hasFocus());

    english->clear();
    QTest::mouseClick(speak, Qt::LeftButton);
    EXPECT_EQ(speech.said.size(), 1) << "an empty box says nothing";
}
