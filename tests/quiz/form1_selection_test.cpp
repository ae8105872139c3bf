#include "quiz_fixture.h"

using namespace lumo;
using namespace lumo::test;

using SelectionTest = QuizTest;

TEST_F(SelectionTest, PicksAcrossCoursesAndListsThem)
{
    Form1& f = open();
    f.show();
    pick({0, 2});
    f.List1->setCurrentRow(2);
    f.List1_choose();
    EXPECT_EQ(items(f.List3), (QStringList{"cat", "dog"}));
    EXPECT_FALSE(f.txSetumei->isVisible());
    pick({1});
    EXPECT_EQ(f.Text4->text(), QStringLiteral("全問題数　3"));
    EXPECT_EQ(f.questionTotal, 3);
    EXPECT_EQ(f.english[3], QStringLiteral("dog"));
    EXPECT_EQ(f.pendingMeaning[3], QStringLiteral("いぬ"));
    f.cmdSelect_Click();
    EXPECT_TRUE(f.List4->isVisible());
    EXPECT_EQ(items(f.List4), (QStringList{"apple", "make", "dog"}));
    // Choosing a course hides the list of the selection again.
    f.List1->setCurrentRow(0);
    f.List1_choose();
    EXPECT_FALSE(f.List4->isVisible());
    EXPECT_EQ(f.questionTotal, 3);
}

TEST_F(SelectionTest, AnEmptyCourseEntryEmptiesTheListsOnly)
{
    Form1& f = open();
    pick({0});
    f.List1->setCurrentRow(1);
    f.List1_choose();
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.List3->count(), 0);
    EXPECT_EQ(f.english[1], QStringLiteral("apple"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(SelectionTest, AMissingCourseFileIsNamed)
{
    folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\nnot-there.dat\n"));
    Form1& f = open();
    f.List1->setCurrentRow(1);
    f.List1_choose();
    ASSERT_EQ(platform.dialogs.count(Shown::Notice), 1);
    EXPECT_TRUE(platform.dialogs.shown[0].text.contains(QStringLiteral("not-there.dat")));
    EXPECT_EQ(f.List2->count(), 0);
}

TEST_F(SelectionTest, TheMeaningIdentifiesAQuestion)
{
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("big,大きい\nlarge,大きい\n"));
    Form1& f = open();
    pick({0, 0, 1});
    EXPECT_EQ(f.questionTotal, 1);
    EXPECT_EQ(f.Text4->text(), QStringLiteral("全問題数　1"));
    EXPECT_TRUE(f.english[2].isEmpty());
}

TEST_F(SelectionTest, ExampleSlotsFollowTheirQuestion)
{
    Form1& f = open();
    pick({2, 0, 1}); // make, apple, man
    EXPECT_EQ(f.example[1], QStringLiteral("I make a cake.\r\r\n私はケーキを作る。\r"));
    EXPECT_TRUE(f.example[3].isEmpty());
    platform.dialogs.answers = {true};
    f.cmdSelect_Click();
    f.List4_Click(0); // remove make
    EXPECT_EQ(platform.dialogs.shown.back().text, QStringLiteral("選択リストから削除しますか"));
    EXPECT_EQ(items(f.List4), (QStringList{"apple", "man"}));
    EXPECT_EQ(f.english[1], QStringLiteral("apple"));
    EXPECT_TRUE(f.example[1].startsWith(QStringLiteral("An apple a day.")));
    EXPECT_TRUE(f.english[3].isEmpty());
    EXPECT_TRUE(f.example[3].isEmpty());
    EXPECT_EQ(f.Text4->text(), QStringLiteral("全問題数　2"));
    EXPECT_EQ(f.selectedCount, 2);
}

TEST_F(SelectionTest, RemovingAnsweredNoOnlyResetsTheCount)
{
    Form1& f = open();
    pick({0, 1});
    f.cmdNyuryoku_Click(); // a run moves the current question
    platform.dialogs.answers = {false};
    f.cmdSelect_Click();
    f.List4_Click(1);
    EXPECT_EQ(f.questionTotal, 2);
    EXPECT_EQ(f.selectedCount, 2);
    EXPECT_EQ(f.english[2], QStringLiteral("man"));
    f.List4_Click(-1); // no current item: nothing asked
    EXPECT_EQ(platform.dialogs.count(Shown::Question), 1);
}

TEST_F(SelectionTest, APickDuringARunGoesAfterTheLastQuestion)
{
    Form1& f = open();
    pick({0, 1});
    f.cmdNyuryoku_Click();
    ASSERT_EQ(f.selectedCount, 1);
    pick({2});
    EXPECT_EQ(f.questionTotal, 3);
    EXPECT_EQ(f.english[1], QStringLiteral("apple"));
    EXPECT_EQ(f.english[2], QStringLiteral("man"));
    EXPECT_EQ(f.english[3], QStringLiteral("make"));
    // A pick of a word already selected changes neither count.
    f.selectedCount = 1;
    pick({0});
    EXPECT_EQ(f.selectedCount, 1);
    EXPECT_EQ(f.questionTotal, 3);
}

TEST_F(SelectionTest, NoMoreThanAThousandQuestions)
{
    QString course;
    for (int i = 1; i <= 1002; ++i)
        course += QStringLiteral("w%1,m%1\n").arg(i);
    folder.write(QStringLiteral("eng-1-1.dat"), course);
    Form1& f = open();
    for (int i = 0; i < 1002; ++i)
        f.List2_Click(i);
    EXPECT_EQ(f.questionTotal, 1000);
    EXPECT_EQ(f.english[1000], QStringLiteral("w1000"));
    EXPECT_EQ(platform.dialogs.count(Shown::Notice), 2);
    EXPECT_TRUE(platform.dialogs.shown[0].text.contains(QStringLiteral("1000")));
    // Removing the last one never reads past the arrays.
    platform.dialogs.answers = {true};
    f.cmdSelect_Click();
    f.List4_Click(999);
    EXPECT_EQ(f.questionTotal, 999);
    EXPECT_TRUE(f.english[1000].isEmpty());
}

TEST_F(SelectionTest, DiscardingAsksOnlyForShortPendingAnswers)
{
    Form1& f = open();
    pick({0});
    f.cmdNyuryoku_Click();
    platform.dialogs.answers = {false};
    f.CmdNew_Click();
    EXPECT_EQ(f.questionTotal, 1) << "cancelled";
    platform.dialogs.answers = {true};
    f.CmdNew_Click();
    EXPECT_EQ(platform.dialogs.count(Shown::Confirm), 2);
    EXPECT_EQ(platform.dialogs.shown.back().text, QStringLiteral("データが消えてしまいますがこのまま続けますか"));
    EXPECT_EQ(f.questionTotal, 0);
    EXPECT_EQ(f.Text4->text(), QStringLiteral("0"));
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("左下のリストから問題を選択して下さい"));
    EXPECT_TRUE(f.english[1].isEmpty());

    // No selection, or a first pending answer of 15 characters: no question.
    f.CmdNew_Click();
    f.pendingEnglish[1] = QStringLiteral("fifteen letters");
    f.english[1] = f.pendingEnglish[1];
    f.CmdNew_Click();
    EXPECT_EQ(platform.dialogs.count(Shown::Confirm), 2);
    EXPECT_TRUE(f.english[1].isEmpty());
}

TEST_F(SelectionTest, NewChallengeClearsTheArraysButNotTheTotal)
{
    Form1& f = open();
    pick({0, 1});
    f.mnuNewQItem_Click();
    EXPECT_TRUE(f.english[1].isEmpty());
    EXPECT_EQ(f.selectedCount, 0);
    EXPECT_EQ(f.questionTotal, 2);
    pick({2});
    EXPECT_EQ(f.english[1], QStringLiteral("make")) << "the next pick starts again at 1";
}

TEST_F(SelectionTest, SortingReordersTheListsAndDiscardsTheSelection)
{
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("b,い\na,  あ\nb,う\nc,\n"));
    Form1& f = open();
    pick({0});
    f.QuickS(true);
    EXPECT_EQ(items(f.List3), (QStringList{"a", "b"}));
    EXPECT_EQ(items(f.List2), (QStringList{"あ", "い"}));
    EXPECT_TRUE(f.english[1].isEmpty());
    EXPECT_EQ(f.selectedCount, 0);
    EXPECT_EQ(f.Text4->text(), QStringLiteral("全問題数　1")) << "the count text is left alone";
}
