#include "help/helpwindow.h"

#include "support/fakes.h"
#include "ui/noticebar.h"
#include "widgets/richtextbox.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;
using lumo::test::Shown;

namespace {

class HelpViewer : public ::testing::Test {
  protected:
    void SetUp() override
    {
        viewer = std::make_unique<HelpWindow>();
        viewer->setAttribute(Qt::WA_DeleteOnClose, false);
        viewer->show();
    }
    QString helpPath() const { return folder.path() + QStringLiteral("help.txt"); }
    RichTextBox* text() const { return viewer->findChild<RichTextBox*>(QStringLiteral("RichTextBox1")); }
    NoticeBar* notice() const { return viewer->findChild<NoticeBar*>(QStringLiteral("lbNotice")); }

    lumo::test::Platform platform;
    lumo::test::TempProgramFolder folder;
    std::unique_ptr<HelpWindow> viewer;
};

TEST_F(HelpViewer, PagingButtonsAlwaysAnswerWithTheirEndMessage)
{
    folder.write("help.txt", "ヘルプ\n");
    viewer->showHelpText(helpPath());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("HELP"));
    auto* forward = viewer->findChild<QPushButton*>(QStringLiteral("CmdFor"));
    auto* back = viewer->findChild<QPushButton*>(QStringLiteral("CmdBack"));
    ASSERT_TRUE(forward && back);
    EXPECT_EQ(forward->text(), QStringLiteral("進む"));
    EXPECT_EQ(back->text(), QStringLiteral("戻る"));

    QTest::mouseClick(forward, Qt::LeftButton);
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(forward, Qt::LeftButton);
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(platform.dialogs.texts(),
              (QStringList{"これ以上データはありません", "これ以上戻れません", "これ以上データはありません",
                           "これ以上戻れません", "これ以上戻れません"}));
    EXPECT_EQ(platform.dialogs.count(Shown::Notice), 5);
    EXPECT_EQ(text()->Text(), QStringLiteral("ヘルプ\r\n"));
}

TEST_F(HelpViewer, TheTextCannotBeChangedByClickingOrTyping)
{
    folder.write("help.txt", "本文\n");
    viewer->showHelpText(helpPath());
    QWidget* area = text()->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(text(), QStringLiteral("xyz"));
    QTest::keyClick(text(), Qt::Key_Delete);
    QTest::keyClick(text(), Qt::Key_Backspace);
    EXPECT_EQ(text()->Text(), QStringLiteral("本文\r\n"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("本文\n"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(HelpViewer, MissingHelpTextLeavesItEmptyWithANoticeInTheViewer)
{
    viewer->showHelpText(helpPath());
    EXPECT_EQ(text()->Text(), QString());
    EXPECT_FALSE(notice()->isHidden());
    EXPECT_TRUE(notice()->text().contains(QStringLiteral("help.txt")));
    EXPECT_TRUE(platform.dialogs.shown.empty()); // nothing modal

    // Closing the bar gives its room back to the text.
    const int topWithNotice = text()->y();
    QTest::mouseClick(notice()->findChild<QWidget*>(QStringLiteral("noticeClose")), Qt::LeftButton);
    EXPECT_TRUE(notice()->isHidden());
    EXPECT_LT(text()->y(), topWithNotice);

    // Once the file is there again, showing it clears the notice.
    folder.write("help.txt", "戻った\n\n  ①コース\n");
    viewer->showHelpText(helpPath());
    EXPECT_EQ(text()->Text(), QStringLiteral("戻った\r\n\r\n  ①コース\r\n"));
    EXPECT_TRUE(notice()->isHidden());
    EXPECT_GE(text()->y(), viewer->findChild<QPushButton*>(QStringLiteral("CmdFor"))->geometry().bottom());
}

TEST_F(HelpViewer, DamagedHelpTextIsShownWithANotice)
{
    folder.writeBytes("help.txt", QByteArray("ok\r\n\x82", 5)); // cut-off double-byte character
    viewer->showHelpText(helpPath());
    EXPECT_EQ(text()->Text(), QStringLiteral("ok\r\n\uFFFD"));
    EXPECT_FALSE(notice()->isHidden());
    EXPECT_GT(text()->y(), notice()->geometry().bottom());

    // Past any length a help text has, it is not shown at all.
    folder.writeBytes("help.txt", QByteArray("a\r\n").repeated(2001));
    viewer->showHelpText(helpPath());
    EXPECT_TRUE(text()->Text().isEmpty());
    EXPECT_TRUE(text()->toPlainText().isEmpty());
    EXPECT_EQ(notice()->text(), QStringLiteral("ファイル「help.txt」は 2000 行を超えているため、読み込めません。"));
}

// Read and used from the keyboard alone: the text has the focus first and
// scrolls with Page Down; Tab goes to 戻る and 進む, which Enter and Space
// press; Tab comes back to the text.
TEST_F(HelpViewer, KeysAloneReadTheTextAndPressTheButtons)
{
    QString longText;
    for (int line = 1; line <= 200; ++line)
        longText += QStringLiteral("%1 行目\n").arg(line);
    folder.write("help.txt", longText);
    viewer->showHelpText(helpPath());
    viewer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
    ASSERT_EQ(QApplication::focusWidget(), text());

    const int top = text()->verticalScrollBar()->value();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_GT(text()->verticalScrollBar()->value(), top);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("CmdBack"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("CmdFor"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(platform.dialogs.texts(), (QStringList{"これ以上戻れません", "これ以上データはありません"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), text());
    EXPECT_EQ(text()->Text(), longText.replace(u'\n', QStringLiteral("\r\n"))) << "reading changes nothing";
    EXPECT_EQ(text()->accessibleName(), QStringLiteral("ヘルプの本文"));
}

} // namespace
