// The quiz prepared from the keyboard alone: the word lists pick with Enter or
// Space as with a click, and arrows only move.
#include "base/programfolder.h"
#include "quiz/quizwindow.h"
#include "support/fakes.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;

namespace {

class QuizKeyboard : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\neng-1-2.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nman,男の人\nmake,作る\n"));
        folder.write(QStringLiteral("eng-1-2.dat"), QStringLiteral("cat,ねこ\ndog,いぬ\n"));
        for (const char* name : {"諺.txt", "例文.txt", "例文-2.txt"})
            folder.write(QString::fromUtf8(name), QString());
        window = std::make_unique<QuizWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <class T> T* find(const char* name) const { return window->findChild<T*>(QString::fromLatin1(name)); }
    QString count() const { return find<QLineEdit>("Text4")->text(); }

    test::Platform platform;
    test::TempProgramFolder folder;
    std::unique_ptr<QuizWindow> window;
};

} // namespace

TEST_F(QuizKeyboard, EnterAndSpaceInTheMeaningListPickLikeAClick)
{
    auto* meanings = find<QListWidget>("List2");
    meanings->setFocus();
    meanings->setCurrentRow(0);
    const QString before = count();
    QTest::keyClick(meanings, Qt::Key_Down);
    QTest::keyClick(meanings, Qt::Key_Up);
    EXPECT_EQ(count(), before) << "moving through the list picks nothing";
    QTest::keyClick(meanings, Qt::Key_Return);
    EXPECT_EQ(count(), QStringLiteral("全問題数　1"));
    QTest::keyClick(meanings, Qt::Key_Down);
    QTest::keyClick(meanings, Qt::Key_Space);
    EXPECT_EQ(count(), QStringLiteral("全問題数　2"));
    QTest::keyClick(meanings, Qt::Key_Down);
    QTest::keyClick(meanings, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(count(), QStringLiteral("全問題数　3"));
    EXPECT_EQ(meanings->currentRow(), 2);
}

TEST_F(QuizKeyboard, EnterInTheCourseListLoadsTheCourseAndTheWordsFollow)
{
    auto* courses = find<QListWidget>("List1");
    courses->setFocus();
    courses->setCurrentRow(0);
    QTest::keyClick(courses, Qt::Key_Down);
    QTest::keyClick(courses, Qt::Key_Return);
    auto* meanings = find<QListWidget>("List2");
    ASSERT_EQ(meanings->count(), 2);
    EXPECT_EQ(meanings->item(1)->text(), QStringLiteral("いぬ"));
    meanings->setFocus();
    meanings->setCurrentRow(0);
    QTest::keyClick(meanings, Qt::Key_Down);
    QTest::keyClick(meanings, Qt::Key_Space);
    EXPECT_EQ(count(), QStringLiteral("全問題数　1"));
}
