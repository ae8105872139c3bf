#include "quizwindow_fixture.h"

using namespace lumo;
using namespace lumo::test;

using RunTest = QuizWindowTest;

TEST_F(RunTest, QuestionFormWithOneWrongAnswerThenRetryThenAllCorrect)
{
    open();
    pick({0, 1, 2}); // apple, man, make
    click("cmdMondai");
    EXPECT_EQ(shown("Text4"), QStringLiteral("全問題数3"));
    EXPECT_EQ(shown("Text5"), QStringLiteral("問題  1"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("りんご"));

    answer(QStringLiteral(" Apple "));
    EXPECT_EQ(shown("Label2"), QStringLiteral("正解"));
    EXPECT_EQ(shown("Text3"), QStringLiteral("apple りんご"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("男の人")) << "the head of the meaning only";

    answer(QStringLiteral("men"));
    EXPECT_EQ(shown("Label2"), QStringLiteral("残念"));
    EXPECT_EQ(shown("txHatuon"), QStringLiteral("マン"));

    platform.dialogs.answers = {true}; // 再挑戦しますか: Yes
    answer(QStringLiteral("make"));
    EXPECT_EQ(lastDialog().text, QStringLiteral("再挑戦しますか"));
    EXPECT_EQ(shown("Text5"), QStringLiteral("問題  2"));
    EXPECT_TRUE(shown("Text3").isEmpty());

    platform.dialogs.inputs = {QStringLiteral("2")}; // all correct: 再挑戦
    answer(QStringLiteral("man"));
    const Shown box = lastDialog();
    EXPECT_EQ(box.kind, Shown::Input);
    EXPECT_EQ(box.text, QStringLiteral("全問正解です！　コースを選択して下さい　1-再練習   2-再挑戦   3-新規選択"));
    // A new run in question form, with every question again.
    EXPECT_EQ(shown("Text5"), QStringLiteral("問題  1"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("りんご"));
    EXPECT_TRUE(shown("Text3").isEmpty()) << "question form shows no answer";
    answer(QStringLiteral("apple"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("男の人"));

    const QString sep = QStringLiteral("\r\n");
    EXPECT_EQ(platform.sound.played,
              (QStringList{folder.path() + "sample3.wav", folder.path() + "sample2.wav", folder.path() + "sample3.wav",
                           folder.path() + "sample3.wav", folder.path() + "sample3.wav"}));
    EXPECT_EQ(historyAtExit(window.get(), folder), sep + sep + "apple,りんご,2001/03/05,○○" + sep + sep +
                                                       "man,男の人,マン,2001/03/05,×○" + sep + sep +
                                                       "make,作る,2001/03/05,○" + sep + sep)
        << "a later judgement of a word marks its line and adds a line break at the end";
}

TEST_F(RunTest, RetryAnsweredNoDiscardsTheSelection)
{
    open();
    pick({0});
    click("cmdMondai");
    platform.dialogs.answers = {false};
    answer(QStringLiteral("pear"));
    EXPECT_EQ(shown("Text4"), QStringLiteral("0"));
    EXPECT_TRUE(selection().isEmpty());
    // Nothing left to judge: Enter and 判定 do nothing, no sound, no history mark.
    const qsizetype sounds = platform.sound.played.size();
    answer(QString());
    click("Command3");
    EXPECT_EQ(platform.sound.played.size(), sounds);
    EXPECT_EQ(historyAtExit(window.get(), folder), QStringLiteral("\r\n\r\napple,りんご,2001/03/05,×"));
}

TEST_F(RunTest, AQuestionWithAnEmptyMeaningIsAskedAndRetried)
{
    // "foo," loads with an empty meaning: it is still a question of the pass.
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nfoo,\n"));
    open();
    pick({0, 1});
    click("cmdMondai");
    answer(QStringLiteral("apple"));
    EXPECT_EQ(shown("Text5"), QStringLiteral("問題  2"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
    platform.dialogs.answers = {true};
    answer(QStringLiteral("bar"));
    EXPECT_EQ(platform.dialogs.count(Shown::Question), 1);
    EXPECT_EQ(shown("Text5"), QStringLiteral("問題  2")) << "the retry shows the wrong question again";
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("foo"));
    EXPECT_EQ(lastDialog().kind, Shown::Input);
    // Translation direction, training form: apple advances to foo.
    platform.dialogs.answers = {false};
    click("CmdChange");
    click("cmdNyuryoku");
    click("Command3");
    EXPECT_TRUE(timerRunning());
    EXPECT_EQ(platform.dialogs.count(Shown::Question), 2) << "no end of the pass after apple";
}

TEST_F(RunTest, JudgingBeforeAnySelectionDoesNothing)
{
    open();
    answer(QString());
    click("Command3");
    menuItem("mnuDetermination")->trigger();
    EXPECT_TRUE(shown("Label2").isEmpty());
    EXPECT_TRUE(platform.sound.played.isEmpty());
    EXPECT_TRUE(historyAtExit(window.get(), folder).isEmpty());
}

TEST_F(RunTest, TrainingFormShowsTheAnswerAndAsksToContinue)
{
    open();
    click("cmdNyuryoku");
    EXPECT_EQ(platform.dialogs.shown.at(0).text,
              QStringLiteral("データがありません。問題を選ぶか他のコースを選んで下さい"));
    pick({0, 2});
    click("cmdNyuryoku");
    EXPECT_EQ(shown("Text3"), QStringLiteral("apple"));
    answer(QStringLiteral("apple"));
    EXPECT_EQ(shown("Text3"), QStringLiteral("make"));
    platform.dialogs.answers = {true};
    answer(QStringLiteral("make"));
    EXPECT_EQ(lastDialog().text, QStringLiteral("練習を続けますか"));
    EXPECT_EQ(shown("Text5"), QStringLiteral("問題  1"));
    EXPECT_EQ(shown("Text3"), QStringLiteral("apple")) << "every question again";
    EXPECT_TRUE(historyAtExit(window.get(), folder).isEmpty()) << "training is not recorded";
}

TEST_F(RunTest, TheExampleShowsTheWordInBlue)
{
    open();
    pick({2});
    click("cmdMondai");
    answer(QStringLiteral("make"));
    RichTextBox* example = richText("RichTextBox3");
    EXPECT_EQ(example->Text(), QStringLiteral("I make a cake.\r\r\n私はケーキを作る。\r"));
    QTextCursor cursor(example->document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 255));
    cursor.setPosition(6);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 255));
    cursor.setPosition(7);
    EXPECT_NE(cursor.charFormat().foreground().color(), QColor(0, 0, 255));
}

TEST_F(RunTest, SoundsCanBeSwitchedOff)
{
    open();
    pick({0});
    QAction* music = menuItem("mnuMusic");
    music->trigger();
    EXPECT_FALSE(music->isChecked());
    click("cmdMondai");
    platform.dialogs.inputs = {QStringLiteral("2")};
    answer(QStringLiteral("apple"));
    EXPECT_TRUE(platform.sound.played.isEmpty());
    music->trigger();
    EXPECT_TRUE(music->isChecked());
    answer(QStringLiteral("apple"));
    EXPECT_EQ(platform.sound.played, QStringList{folder.path() + "sample3.wav"});
}

TEST_F(RunTest, TranslationDirectionTrainingFormAdvancesOnTheThirdTick)
{
    open();
    click("CmdChange");
    EXPECT_EQ(button("CmdChange")->text(), QStringLiteral("英文入力"));
    EXPECT_TRUE(list("List3")->isVisible());
    EXPECT_FALSE(list("List2")->isVisible());
    EXPECT_TRUE(widget("OpSeikai")->isVisible());
    EXPECT_FALSE(widget("Label2")->isVisible());
    clickRow("List3", 0);
    clickRow("List3", 1);
    click("cmdNyuryoku");
    EXPECT_EQ(shown("Text1"), QStringLiteral("apple"));
    EXPECT_EQ(shown("Text3"), QStringLiteral("りんご"));
    EXPECT_EQ(shown("RichTextBox3"), QStringLiteral("次の問題に進むためには判定ボタンをクリックして下さい。"));
    click("Command3");
    EXPECT_EQ(answerBox()->text(), QStringLiteral("りんご"));
    EXPECT_FALSE(button("Command3")->isEnabled());
    EXPECT_TRUE(timerRunning());
    click("Command3"); // ignored while waiting
    menuItem("mnuDetermination")->trigger();
    tick();
    tick();
    EXPECT_EQ(shown("Text1"), QStringLiteral("apple"));
    tick();
    EXPECT_EQ(shown("Text1"), QStringLiteral("man"));
    EXPECT_EQ(shown("Text3"), QStringLiteral("男の人,マン"));
    EXPECT_TRUE(answerBox()->text().isEmpty());
    EXPECT_TRUE(button("Command3")->isEnabled());
    EXPECT_FALSE(timerRunning());
    EXPECT_TRUE(platform.sound.played.isEmpty());
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(RunTest, TranslationDirectionQuestionFormWaitsForSelfJudgement)
{
    open();
    click("CmdChange");
    clickRow("List3", 0);
    clickRow("List3", 1);
    click("cmdMondai");
    EXPECT_EQ(shown("Text3"), QStringLiteral("日本語の意味を考えて下さい。"));
    click("Command3");
    EXPECT_EQ(shown("RichTextBox3"), QStringLiteral("正解または間違いのボタンをチェックして下さい。"));
    EXPECT_FALSE(button("Command3")->isEnabled());
    click("OpSeikai");
    EXPECT_TRUE(button("Command3")->isEnabled());
    EXPECT_EQ(shown("Text1"), QStringLiteral("man"));
    EXPECT_EQ(shown("RichTextBox3"), QStringLiteral("次の問題に進むためには判定ボタンをクリックして下さい。"));
    click("Command3");
    platform.dialogs.answers = {true};
    click("OpZannen"); // man stays pending: the pass ends and asks for a retry
    EXPECT_EQ(lastDialog().text, QStringLiteral("再挑戦しますか"));
    EXPECT_EQ(shown("Text1"), QStringLiteral("man")) << "apple, graded right, is not asked again";
    EXPECT_TRUE(historyAtExit(window.get(), folder).isEmpty());
}

TEST_F(RunTest, SwitchingDirectionAsksAboutTheSelectionAndEnglishSelectionReturns)
{
    open();
    pick({0});
    platform.dialogs.answers = {false};
    click("CmdChange");
    EXPECT_EQ(lastDialog().text, QStringLiteral("問題を変更しますか"));
    EXPECT_TRUE(list("List3")->isVisible());
    EXPECT_EQ(selection(), QStringList{"apple"});
    platform.dialogs.answers = {true};
    menuItem("mnuEngSItem")->trigger();
    EXPECT_TRUE(list("List2")->isVisible());
    EXPECT_FALSE(list("List3")->isVisible());
    EXPECT_EQ(button("CmdChange")->text(), QStringLiteral("和訳考察"));
    EXPECT_TRUE(selection().isEmpty());
    menuItem("mnuEngSItem")->trigger();
    EXPECT_TRUE(list("List2")->isVisible()) << "always ends in the English-input direction";
    EXPECT_EQ(button("CmdChange")->text(), QStringLiteral("和訳考察"));
}

TEST_F(RunTest, AllCorrectChoicesAndOddReplies)
{
    open();
    pick({0});
    for (const QString& reply : {QStringLiteral("99999"), QStringLiteral("abc"), QStringLiteral("")}) {
        click("cmdMondai");
        platform.dialogs.inputs = {reply};
        answer(QStringLiteral("apple"));
        EXPECT_EQ(selection(), QStringList{"apple"}) << qPrintable(reply);
    }
    click("cmdMondai");
    platform.dialogs.inputs = {QStringLiteral("0.6")}; // rounds to 1: training
    answer(QStringLiteral("apple"));
    EXPECT_EQ(shown("Text3"), QStringLiteral("apple")) << "training shows the answer";
    click("cmdMondai");
    platform.dialogs.inputs = {QStringLiteral("3")};
    platform.dialogs.answers = {true};
    answer(QStringLiteral("apple"));
    EXPECT_EQ(shown("Text4"), QStringLiteral("0"));
    EXPECT_TRUE(selection().isEmpty());
}

TEST_F(RunTest, ShuffleUsesTheDrawFormula)
{
    open();
    pick({0, 1, 2});
    // round(u × 20000) mod 3 + 1: 0 → 1, 0.00005 → round(1) → 2, 0.0001 → 3.
    platform.random.values = {0.00005f, 0.0f, 0.0001f};
    menuItem("mnuRandamItem")->trigger();
    // i=1 swaps with 2: man apple make; i=2 swaps with 1: apple man make; i=3 with 3.
    EXPECT_EQ(selection(), (QStringList{"apple", "man", "make"}));
    platform.random.values = {0.00005f, 0.00005f, 0.00005f};
    menuItem("mnuRandamItem")->trigger();
    // i=1↔2: man apple make; i=2↔2; i=3↔2: man make apple.
    EXPECT_EQ(selection(), (QStringList{"man", "make", "apple"}));
    EXPECT_EQ(platform.random.randomizeCalls, 0);
    // Examples move with their question.
    click("cmdMondai");
    answer(QStringLiteral("man"));
    answer(QStringLiteral("make"));
    EXPECT_TRUE(shown("RichTextBox3").startsWith(QStringLiteral("I make")));
}
