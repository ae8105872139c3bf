#include "quizwindow_fixture.h"

#include "data/course.h"

using namespace lumo;
using namespace lumo::test;

using SelectionTest = QuizWindowTest;

TEST_F(SelectionTest, PicksAcrossCoursesAndListsThem)
{
    open();
    pick({0, 2});
    clickRow("List1", 2);
    EXPECT_EQ(items("List3"), (QStringList{"cat", "dog"}));
    EXPECT_FALSE(widget("txSetumei")->isVisible());
    pick({1});
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　3"));
    EXPECT_EQ(selection(), (QStringList{"apple", "make", "dog"}));
    EXPECT_TRUE(list("List4")->isVisible());
    // Choosing a course hides the list of the selection again.
    clickRow("List1", 0);
    EXPECT_FALSE(list("List4")->isVisible());
    EXPECT_EQ(selection(), (QStringList{"apple", "make", "dog"}));
    // The question from the other course is asked with its own meaning.
    click("cmdMondai");
    answer(QStringLiteral("apple"));
    answer(QStringLiteral("make"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("いぬ"));
}

TEST_F(SelectionTest, AnEmptyCourseEntryEmptiesTheListsOnly)
{
    open();
    pick({0});
    clickRow("List1", 1);
    EXPECT_EQ(list("List2")->count(), 0);
    EXPECT_EQ(list("List3")->count(), 0);
    EXPECT_EQ(selection(), QStringList{"apple"});
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(SelectionTest, AMissingCourseFileIsNamed)
{
    folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\nnot-there.dat\n"));
    open();
    EXPECT_TRUE(notice().isEmpty());
    clickRow("List1", 1);
    EXPECT_TRUE(notice().contains(QStringLiteral("not-there.dat"))) << "in the bar, not in a box";
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_EQ(list("List2")->count(), 0);
    // A course that loads well leaves the bar as it is; its close button hides it.
    clickRow("List1", 0);
    EXPECT_TRUE(notice().contains(QStringLiteral("not-there.dat")));
    QTest::mouseClick(noticeBar()->findChild<QWidget*>(QStringLiteral("noticeClose")), Qt::LeftButton);
    EXPECT_TRUE(notice().isEmpty());
}

TEST_F(SelectionTest, ANoticeAboutACoursesLinesGoesWithTheCourse)
{
    QString big;
    for (int i = 0; i <= kMaxCoursePairs; ++i)
        big += QStringLiteral("w%1,語\n").arg(i);
    folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\nbig.dat\n"));
    folder.write(QStringLiteral("big.dat"), big);
    open();
    clickRow("List1", 1);
    EXPECT_TRUE(notice().contains(QStringLiteral("最初の 32767 語だけ")));
    clickRow("List1", 0);
    EXPECT_TRUE(notice().isEmpty());
}

TEST_F(SelectionTest, EnterInTheCourseListChoosesTheCurrentEntry)
{
    open();
    list("List1")->setCurrentRow(2);
    QTest::keyClick(list("List1"), Qt::Key_Return);
    EXPECT_EQ(items("List3"), (QStringList{"cat", "dog"}));
}

TEST_F(SelectionTest, TheMeaningIdentifiesAQuestion)
{
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("big,大きい\nlarge,大きい\n"));
    open();
    pick({0, 0, 1});
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　1"));
    EXPECT_EQ(selection(), QStringList{"big"});
}

TEST_F(SelectionTest, ExampleSlotsFollowTheirQuestion)
{
    open();
    pick({2, 0, 1}); // make, apple, man
    platform.dialogs.answers = {true};
    click("cmdSelect");
    clickRow("List4", 0); // remove make
    EXPECT_EQ(lastDialog().text, QStringLiteral("選択リストから削除しますか"));
    EXPECT_EQ(items("List4"), (QStringList{"apple", "man"}));
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　2"));
    // apple took its example along; man, which has none, shows none of make's.
    click("cmdMondai");
    answer(QStringLiteral("apple"));
    EXPECT_TRUE(shown("RichTextBox3").startsWith(QStringLiteral("An apple a day.")));
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("man"));
    EXPECT_TRUE(shown("RichTextBox3").startsWith(QStringLiteral("An apple a day.")));
}

TEST_F(SelectionTest, TheExampleOfAPickIsShownAfterItsJudgement)
{
    open();
    pick({2});
    click("cmdMondai");
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("make"));
    EXPECT_EQ(shown("RichTextBox3"), QStringLiteral("The cake maker will make a cake.\r\r\n私はケーキを作る。\r"));
}

TEST_F(SelectionTest, RemovingAnsweredNoOnlyMovesToTheLastQuestion)
{
    open();
    pick({0, 1});
    click("cmdNyuryoku"); // a training run at apple
    auto redCaptions = [this] {
        QString red;
        for (int i = 0; i <= 30; ++i)
            if (captionColour(key(i)) == QColor(255, 0, 0))
                red += key(i)->text();
        return red;
    };
    EXPECT_EQ(redCaptions(), QStringLiteral("a"));
    platform.dialogs.answers = {false};
    click("cmdSelect");
    clickRow("List4", 1);
    EXPECT_EQ(items("List4"), (QStringList{"apple", "man"}));
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　2"));
    // The guide now follows man, the last question.
    answerBox()->setText(QStringLiteral("x"));
    answerBox()->clear();
    EXPECT_EQ(redCaptions(), QStringLiteral("m"));
    // A click below the rows removes nothing and asks nothing.
    QListWidget* selected = list("List4");
    QTest::mouseClick(selected->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, selected->viewport()->height() - 5));
    EXPECT_EQ(platform.dialogs.count(Shown::Question), 1);
}

TEST_F(SelectionTest, APickDuringARunGoesAfterTheLastQuestion)
{
    open();
    pick({0, 1});
    click("cmdNyuryoku");
    pick({2});
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　3"));
    EXPECT_EQ(selection(), (QStringList{"apple", "man", "make"}));
    // A pick of a word already selected changes nothing.
    pick({0});
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　3"));
    EXPECT_EQ(selection(), (QStringList{"apple", "man", "make"}));
}

TEST_F(SelectionTest, NoMoreThanAThousandQuestions)
{
    QString course;
    for (int i = 1; i <= 1002; ++i)
        course += QStringLiteral("w%1,m%1\n").arg(i);
    folder.write(QStringLiteral("eng-1-1.dat"), course);
    open();
    for (int i = 0; i < 1002; ++i)
        clickRow("List2", i);
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　1000"));
    const QStringList selected = selection();
    ASSERT_EQ(selected.size(), 1000);
    EXPECT_EQ(selected.back(), QStringLiteral("w1000"));
    EXPECT_TRUE(notice().contains(QStringLiteral("1000"))) << "the refused picks are explained in the bar";
    EXPECT_TRUE(platform.dialogs.shown.empty());
    // Removing the last one never reads past the questions.
    platform.dialogs.answers = {true};
    clickRow("List4", 999);
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　999"));
    EXPECT_EQ(items("List4").size(), 999);
    EXPECT_EQ(items("List4").back(), QStringLiteral("w999"));
}

TEST_F(SelectionTest, DiscardingAsksOnlyForShortPendingAnswers)
{
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nfifteen letters,十五文字\n"));
    open();
    pick({0});
    click("cmdNyuryoku");
    platform.dialogs.answers = {false};
    click("CmdNew");
    EXPECT_EQ(selection(), QStringList{"apple"}) << "cancelled";
    platform.dialogs.answers = {true};
    click("CmdNew");
    EXPECT_EQ(platform.dialogs.count(Shown::Confirm), 2);
    EXPECT_EQ(lastDialog().text, QStringLiteral("データが消えてしまいますがこのまま続けますか"));
    EXPECT_EQ(shown("Text4"), QStringLiteral("0"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("左下のリストから問題を選択して下さい"));
    EXPECT_TRUE(selection().isEmpty());

    // No selection, or a first answer of 15 characters: no question.
    click("CmdNew");
    pick({1});
    click("CmdNew");
    EXPECT_EQ(platform.dialogs.count(Shown::Confirm), 2);
    EXPECT_TRUE(selection().isEmpty());
}

TEST_F(SelectionTest, NewChallengeClearsTheQuestionsButNotTheTotal)
{
    open();
    pick({0, 1});
    menuItem("mnuNewQItem")->trigger();
    EXPECT_TRUE(selection().isEmpty());
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　2")) << "the count text is left alone";
    click("cmdMondai");
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数2"));
    pick({2});
    EXPECT_EQ(selection(), QStringList{"make"}) << "the next pick starts again at 1";
}

TEST_F(SelectionTest, SortingReordersTheListsAndDiscardsTheSelection)
{
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("b,い\na,  あ\nb,う\nc,\n"));
    open();
    pick({0});
    menuItem("mnuAlfaSItem")->trigger();
    EXPECT_EQ(items("List3"), (QStringList{"a", "b"}));
    EXPECT_EQ(items("List2"), (QStringList{"あ", "い"}));
    EXPECT_TRUE(selection().isEmpty());
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数　1")) << "the count text is left alone";
}
