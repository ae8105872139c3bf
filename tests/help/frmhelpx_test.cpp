#include "help/frmhelpx.h"

#include "support/fakes.h"
#include "ui/richtextbox.h"

#include <QLabel>
#include <QPushButton>
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
        viewer = std::make_unique<FrmHelpX>();
        viewer->setAttribute(Qt::WA_DeleteOnClose, false);
        viewer->show();
    }
    QString helpPath() const { return folder.path() + QStringLiteral("help.txt"); }

    lumo::test::Platform platform;
    lumo::test::TempProgramFolder folder;
    std::unique_ptr<FrmHelpX> viewer;
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
    EXPECT_EQ(viewer->RichTextBox1->Text(), QStringLiteral("ヘルプ\r\n"));
}

TEST_F(HelpViewer, TheTextCannotBeChangedByClickingOrTyping)
{
    folder.write("help.txt", "本文\n");
    viewer->showHelpText(helpPath());
    QWidget* area = viewer->RichTextBox1->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(viewer->RichTextBox1, QStringLiteral("xyz"));
    QTest::keyClick(viewer->RichTextBox1, Qt::Key_Delete);
    QTest::keyClick(viewer->RichTextBox1, Qt::Key_Backspace);
    EXPECT_EQ(viewer->RichTextBox1->Text(), QStringLiteral("本文\r\n"));
    EXPECT_EQ(viewer->RichTextBox1->toPlainText(), QStringLiteral("本文\n"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(HelpViewer, MissingHelpTextLeavesItEmptyWithANoticeInTheViewer)
{
    viewer->showHelpText(helpPath());
    EXPECT_EQ(viewer->RichTextBox1->Text(), QString());
    EXPECT_FALSE(viewer->lbNotice->isHidden());
    EXPECT_TRUE(viewer->lbNotice->text().contains(QStringLiteral("help.txt")));
    EXPECT_TRUE(platform.dialogs.shown.empty()); // nothing modal

    // Once the file is there again, showing it clears the notice.
    folder.write("help.txt", "戻った\n\n  ①コース\n");
    viewer->showHelpText(helpPath());
    EXPECT_EQ(viewer->RichTextBox1->Text(), QStringLiteral("戻った\r\n\r\n  ①コース\r\n"));
    EXPECT_TRUE(viewer->lbNotice->isHidden());
    EXPECT_GE(viewer->RichTextBox1->y(), viewer->CmdFor->geometry().bottom());
}

TEST_F(HelpViewer, DamagedHelpTextIsShownWithANotice)
{
    folder.writeBytes("help.txt", QByteArray("ok\r\n\x82", 5)); // cut-off double-byte character
    viewer->showHelpText(helpPath());
    EXPECT_EQ(viewer->RichTextBox1->Text(), QStringLiteral("ok\r\n\uFFFD"));
    EXPECT_FALSE(viewer->lbNotice->isHidden());
    EXPECT_GT(viewer->RichTextBox1->y(), viewer->lbNotice->geometry().bottom());
}

} // namespace
