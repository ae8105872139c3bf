#include "quiz_fixture.h"

#include "data/textfile.h"

#include <QTimer>

using namespace lumo;
using namespace lumo::test;

using RunTest = QuizTest;

TEST_F(RunTest, QuestionFormWithOneWrongAnswerThenRetryThenAllCorrect)
{
    Form1& f = open();
    pick({0, 1, 2}); // apple, man, make
    f.cmdMondai_Click();
    EXPECT_EQ(f.Text4->text(), QStringLiteral("全問題数3"));
    EXPECT_EQ(f.Text5->text(), QStringLiteral("問題  1"));
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("りんご"));

    answer(QStringLiteral(" Apple "));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("正解"));
    EXPECT_EQ(f.Text3->toPlainText(), QStringLiteral("apple りんご"));
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("男の人")) << "the head of the meaning only";

    answer(QStringLiteral("men"));
    EXPECT_EQ(f.Label2->text(), QStringLiteral("残念"));
    EXPECT_EQ(f.txHatuon->text(), QStringLiteral("マン"));

    platform.dialogs.answers = {true}; // 再挑戦しますか: Yes
    answer(QStringLiteral("make"));
    EXPECT_EQ(platform.dialogs.shown.back().text, QStringLiteral("再挑戦しますか"));
    EXPECT_EQ(f.Text5->text(), QStringLiteral("問題  2"));
    EXPECT_TRUE(f.Text3->toPlainText().isEmpty());

    platform.dialogs.inputs = {QStringLiteral("2")}; // all correct: 再挑戦
    answer(QStringLiteral("man"));
    const Shown& box = platform.dialogs.shown.back();
    EXPECT_EQ(box.kind, Shown::Input);
    EXPECT_EQ(box.text, QStringLiteral("全問正解です！　コースを選択して下さい　1-再練習   2-再挑戦   3-新規選択"));
    EXPECT_TRUE(f.questionForm);
    EXPECT_EQ(f.Text5->text(), QStringLiteral("問題  1"));
    EXPECT_EQ(f.pendingEnglish[2], QStringLiteral("man")) << "a new run has every question again";

    const QString sep = QStringLiteral("\r\n");
    EXPECT_EQ(platform.sound.played, (QStringList{folder.path() + "sample3.wav", folder.path() + "sample2.wav",
                                                  folder.path() + "sample3.wav", folder.path() + "sample3.wav"}));
    EXPECT_EQ(f.richDatakioku->Text(), sep + sep + "apple,りんご,2001/03/05,○" + sep + sep +
                                           "man,男の人,マン,2001/03/05,×○" + sep + sep + "make,作る,2001/03/05,○" +
                                           sep);
}

TEST_F(RunTest, RetryAnsweredNoDiscardsTheSelection)
{
    Form1& f = open();
    pick({0});
    f.cmdMondai_Click();
    platform.dialogs.answers = {false};
    answer(QStringLiteral("pear"));
    EXPECT_EQ(f.questionTotal, 0);
    EXPECT_TRUE(f.english[1].isEmpty());
    // Nothing left to judge: Enter does nothing, no sound, no history mark.
    const int sounds = int(platform.sound.played.size());
    const QString history = f.richDatakioku->Text();
    answer(QString());
    EXPECT_EQ(platform.sound.played.size(), sounds);
    EXPECT_EQ(f.richDatakioku->Text(), history);
}

TEST_F(RunTest, AQuestionWithAnEmptyMeaningIsAskedAndRetried)
{
    // "foo," loads with an empty meaning: it is still a question of the pass.
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nfoo,\n"));
    Form1& f = open();
    pick({0, 1});
    f.cmdMondai_Click();
    answer(QStringLiteral("apple"));
    EXPECT_EQ(f.Text5->text(), QStringLiteral("問題  2"));
    EXPECT_TRUE(platform.dialogs.shown.empty());
    platform.dialogs.answers = {true};
    answer(QStringLiteral("bar"));
    EXPECT_EQ(platform.dialogs.count(Shown::Question), 1);
    EXPECT_EQ(f.selectedCount, 2) << "the retry shows the wrong question again";
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("foo"));
    EXPECT_EQ(platform.dialogs.shown.back().kind, Shown::Input);
    // Translation direction, training form: apple advances to foo.
    platform.dialogs.answers = {false};
    f.CmdChange_Click();
    f.cmdNyuryoku_Click();
    f.Command3_Click();
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(platform.dialogs.count(Shown::Question), 2) << "no end of the pass after apple";
}

TEST_F(RunTest, JudgingBeforeAnySelectionDoesNothing)
{
    Form1& f = open();
    answer(QString());
    f.mnuDetermination->trigger();
    EXPECT_TRUE(f.Label2->text().isEmpty());
    EXPECT_TRUE(platform.sound.played.isEmpty());
    EXPECT_TRUE(f.richDatakioku->Text().isEmpty());
}

TEST_F(RunTest, TrainingFormShowsTheAnswerAndAsksToContinue)
{
    Form1& f = open();
    f.cmdNyuryoku_Click();
    EXPECT_EQ(platform.dialogs.shown.at(0).text,
              QStringLiteral("データがありません。問題を選ぶか他のコースを選んで下さい"));
    pick({0, 2});
    f.cmdNyuryoku_Click();
    EXPECT_EQ(f.Text3->toPlainText(), QStringLiteral("apple"));
    answer(QStringLiteral("apple"));
    EXPECT_EQ(f.Text3->toPlainText(), QStringLiteral("make"));
    platform.dialogs.answers = {true};
    answer(QStringLiteral("make"));
    EXPECT_EQ(platform.dialogs.shown.back().text, QStringLiteral("練習を続けますか"));
    EXPECT_EQ(f.Text5->text(), QStringLiteral("問題  1"));
    EXPECT_EQ(f.pendingEnglish[1], QStringLiteral("apple"));
    EXPECT_TRUE(f.richDatakioku->Text().isEmpty()) << "training is not recorded";
}

TEST_F(RunTest, TheExampleShowsTheWordInBlue)
{
    Form1& f = open();
    f.show();
    pick({2});
    f.cmdMondai_Click();
    answer(QStringLiteral("make"));
    EXPECT_EQ(f.RichTextBox3->Text(), QStringLiteral("I make a cake.\r\r\n私はケーキを作る。\r"));
    QTextCursor cursor(f.RichTextBox3->document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 255));
    cursor.setPosition(6);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 255));
    cursor.setPosition(7);
    EXPECT_NE(cursor.charFormat().foreground().color(), QColor(0, 0, 255));
}

TEST_F(RunTest, SoundsCanBeSwitchedOff)
{
    Form1& f = open();
    pick({0});
    f.mnuMusic->trigger();
    EXPECT_FALSE(f.mnuMusic->isChecked());
    f.cmdMondai_Click();
    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("apple"));
    EXPECT_TRUE(platform.sound.played.isEmpty());
    f.mnuMusic->trigger();
    EXPECT_TRUE(f.mnuMusic->isChecked());
    EXPECT_TRUE(f.soundOn);
}

TEST_F(RunTest, TranslationDirectionTrainingFormAdvancesOnTheThirdTick)
{
    Form1& f = open();
    f.show();
    f.CmdChange_Click();
    EXPECT_EQ(f.CmdChange->text(), QStringLiteral("英文入力"));
    EXPECT_TRUE(f.List3->isVisible());
    EXPECT_FALSE(f.List2->isVisible());
    EXPECT_TRUE(f.OpSeikai->isVisible());
    f.List3_Click(0);
    f.List3_Click(1);
    f.cmdNyuryoku_Click();
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("apple"));
    EXPECT_EQ(f.Text3->toPlainText(), QStringLiteral("りんご"));
    f.Command3_Click();
    EXPECT_EQ(f.Text2->text(), QStringLiteral("りんご"));
    EXPECT_FALSE(f.Command3->isEnabled());
    EXPECT_TRUE(f.Timer1->isActive());
    f.Command3_Click(); // ignored while waiting
    EXPECT_EQ(f.selectedCount, 2);
    f.Timer1_Timer();
    f.Timer1_Timer();
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("apple"));
    f.Timer1_Timer();
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("man"));
    EXPECT_EQ(f.Text3->toPlainText(), QStringLiteral("男の人,マン"));
    EXPECT_TRUE(f.Text2->text().isEmpty());
    EXPECT_TRUE(f.Command3->isEnabled());
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_TRUE(platform.sound.played.isEmpty());
}

TEST_F(RunTest, TranslationDirectionQuestionFormWaitsForSelfJudgement)
{
    Form1& f = open();
    f.CmdChange_Click();
    f.List3_Click(0);
    f.List3_Click(1);
    f.cmdMondai_Click();
    f.Command3_Click();
    EXPECT_EQ(f.RichTextBox3->Text(), QStringLiteral("正解または間違いのボタンをチェックして下さい。"));
    EXPECT_FALSE(f.Command3->isEnabled());
    f.OpSeikai_Click();
    EXPECT_TRUE(f.pendingEnglish[1].isEmpty());
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("man"));
    EXPECT_EQ(f.RichTextBox3->Text(), QStringLiteral("次の問題に進むためには判定ボタンをクリックして下さい。"));
    f.Command3_Click();
    platform.dialogs.answers = {true};
    f.OpZannen_Click(); // man stays pending: the pass ends and asks for a retry
    EXPECT_EQ(platform.dialogs.shown.back().text, QStringLiteral("再挑戦しますか"));
    EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("man"));
    EXPECT_TRUE(f.richDatakioku->Text().isEmpty());
}

TEST_F(RunTest, SwitchingDirectionAsksAboutTheSelectionAndEnglishSelectionReturns)
{
    Form1& f = open();
    pick({0});
    platform.dialogs.answers = {false};
    f.CmdChange_Click();
    EXPECT_FALSE(f.englishInput);
    EXPECT_EQ(f.english[1], QStringLiteral("apple"));
    platform.dialogs.answers = {true};
    f.mnuEngSItem_Click();
    EXPECT_TRUE(f.englishInput);
    EXPECT_EQ(f.CmdChange->text(), QStringLiteral("和訳考察"));
    EXPECT_TRUE(f.english[1].isEmpty());
    f.mnuEngSItem_Click();
    EXPECT_TRUE(f.englishInput) << "always ends in the English-input direction";
}

TEST_F(RunTest, AllCorrectChoicesAndOddReplies)
{
    Form1& f = open();
    pick({0});
    for (const QString& reply : {QStringLiteral("99999"), QStringLiteral("abc"), QStringLiteral("")}) {
        f.cmdMondai_Click();
        platform.dialogs.inputs = {reply};
        answer(QStringLiteral("apple"));
        EXPECT_EQ(f.questionTotal, 1) << qPrintable(reply);
    }
    f.cmdMondai_Click();
    platform.dialogs.inputs = {QStringLiteral("0.6")}; // rounds to 1: training
    answer(QStringLiteral("apple"));
    EXPECT_FALSE(f.questionForm);
    f.cmdMondai_Click();
    platform.dialogs.inputs = {QStringLiteral("3")};
    platform.dialogs.answers = {true};
    answer(QStringLiteral("apple"));
    EXPECT_EQ(f.questionTotal, 0);
}

TEST_F(RunTest, ShuffleUsesTheDrawFormula)
{
    Form1& f = open();
    pick({0, 1, 2});
    // round(u × 20000) mod 3 + 1: 0 → 1, 0.00005 → round(1) → 2, 0.0001 → 3.
    platform.random.values = {0.00005f, 0.0f, 0.0001f};
    f.mnuRandamItem_Click();
    // i=1 swaps with 2: man apple make; i=2 swaps with 1: apple man make; i=3 with 3.
    EXPECT_EQ(f.english[1], QStringLiteral("apple"));
    platform.random.values = {0.00005f, 0.00005f, 0.00005f};
    f.mnuRandamItem_Click();
    // i=1↔2: man apple make; i=2↔2; i=3↔2: man make apple.
    EXPECT_EQ(f.english[1], QStringLiteral("man"));
    EXPECT_EQ(f.english[2], QStringLiteral("make"));
    EXPECT_EQ(f.english[3], QStringLiteral("apple"));
    EXPECT_TRUE(f.example[2].startsWith(QStringLiteral("I make"))) << "examples move with their question";
    EXPECT_EQ(platform.random.randomizeCalls, 0);
}
