// Form1: quiz runs, judging, end of a pass, the direction switch and the shuffle.
#include "quiz/form1.h"

#include "base/clock.h"
#include "base/random.h"
#include "base/strings.h"
#include "data/course.h"
#include "data/history.h"
#include "quiz/quizlogic.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

namespace lumo {

QString Form1::question(const QuestionArray& array, int index) const
{
    // Positions beyond the arrays read as empty, so a run past the last
    // question simply reaches the end of its pass.
    return index >= 0 && index <= kMaxQuestions ? array[index] : QString();
}

void Form1::startRun(bool questionFormRun)
{
    questionForm = questionFormRun;
    for (int k = 1; k <= questionTotal; ++k) {
        pendingMeaning[k] = meaning[k];
        pendingEnglish[k] = english[k];
    }
}

void Form1::cmdNyuryoku_Click()
{
    if (english[1].isEmpty()) {
        dialogs().notice(this, QStringLiteral("データがありません。問題を選ぶか他のコースを選んで下さい"));
        return;
    }
    startRun(false);
    selectedCount = 1;
    nextLetterGuide();
    Mondai();
}

void Form1::cmdMondai_Click()
{
    RichTextBox1->hide();
    startRun(true);
    Text4->setText(QStringLiteral("全問題数") + QString::number(questionTotal));
    selectedCount = 1;
    Text3->clear();
    Mondai();
}

void Form1::Mondai()
{
    List4->hide();
    while (question(pendingEnglish, selectedCount).isEmpty()) {
        ++selectedCount;
        if (selectedCount > questionTotal) {
            Saihyozi();
            return;
        }
    }
    const int cur = selectedCount;
    Text5->setText(QStringLiteral("問題  ") + QString::number(cur));
    if (englishInput) {
        Text1->setPlainText(questionForm ? splitMeaning(pendingMeaning[cur]).head : pendingMeaning[cur]);
        if (!questionForm)
            Text3->setPlainText(pendingEnglish[cur]);
    } else {
        Text1->setPlainText(pendingEnglish[cur]);
        Text3->setPlainText(QStringLiteral("日本語の意味を考えて下さい。"));
        RichTextBox3->setText(QStringLiteral("次の問題に進むためには判定ボタンをクリックして下さい。"));
        if (!questionForm)
            Text3->setPlainText(pendingMeaning[cur]);
    }
    Text2->clear();
    QCoreApplication::processEvents();
    Text2->setFocus();
}

void Form1::Command3_Click()
{
    // Judging needs a question: before any selection, or after a pass ended
    // without a retry, there is nothing at the current position.
    if (!Command3->isEnabled() || question(english, selectedCount).isEmpty())
        return;
    Hantei();
}

void Form1::Hantei()
{
    int& cur = selectedCount;
    if (!englishInput) {
        Text2->setText(meaning[cur]);
        ++cur;
        if (questionForm) {
            Command3->setEnabled(false);
            RichTextBox3->setText(QStringLiteral("正解または間違いのボタンをチェックして下さい。"));
        } else if (!question(english, cur).isEmpty()) {
            Command3->setEnabled(false);
            Timer1->start();
        } else {
            Saihyozi();
        }
        return;
    }

    txHatuon->setText(splitMeaning(pendingMeaning[cur]).note);
    const bool correct = answerMatches(Text2->text(), english[cur]);
    Label2->setText(correct ? QStringLiteral("正解") : QStringLiteral("残念"));
    if (correct) {
        pendingMeaning[cur].clear();
        pendingEnglish[cur].clear();
    }
    showExample();
    playSound(correct ? QStringLiteral("sample3.wav") : QStringLiteral("sample2.wav"));
    if (questionForm)
        recordJudgement(correct ? QStringLiteral("○") : QStringLiteral("×"));
    Text3->setPlainText(english[cur] + u' ' + meaning[cur]);
    ++cur;
    Text2->clear();
    Text2->setFocus();
    if (!question(english, cur).isEmpty()) {
        // A question is pending while its English is: a meaning may be
        // empty (a course line ending in its comma) and is still asked.
        while (cur <= questionTotal && question(pendingEnglish, cur).isEmpty())
            ++cur;
        Mondai();
    } else {
        Saihyozi();
    }
}

void Form1::showExample()
{
    const QString& slot = example[selectedCount];
    if (slot.isEmpty())
        return;
    RichTextBox3->setText(slot);
    const qsizetype at = slot.indexOf(english[selectedCount]);
    if (at >= 0)
        RichTextBox3->selectAndColour(at, english[selectedCount].size(), QColor(0, 0, 255));
}

void Form1::recordJudgement(const QString& mark)
{
    richDatakioku->setText(lumo::recordJudgement(richDatakioku->Text(), english[selectedCount], meaning[selectedCount],
                                                 mark, clock().today()));
}

void Form1::playSound(const QString& file)
{
    if (soundOn)
        sound().play(programFolder + file);
}

void Form1::OpSeikai_Click()
{
    const int done = selectedCount - 1;
    if (done >= 0 && done <= kMaxQuestions) {
        pendingMeaning[done].clear();
        pendingEnglish[done].clear();
    }
    Command3->setEnabled(true);
    Mondai();
    Text2->setFocus();
}

void Form1::OpZannen_Click()
{
    Command3->setEnabled(true);
    Mondai();
    Text2->setFocus();
}

void Form1::Timer1_Timer()
{
    if (englishInput)
        return;
    ++advanceTicks;
    if (advanceTicks > 2) {
        Text1->setPlainText(question(pendingEnglish, selectedCount));
        advanceTicks = 0;
        Text2->clear();
        if (!questionForm)
            Text3->setPlainText(question(pendingMeaning, selectedCount));
        Timer1->stop();
        Command3->setEnabled(true);
    }
}

void Form1::Saihyozi()
{
    if (questionForm) {
        int firstPending = 0;
        for (int k = 1; k <= questionTotal && !firstPending; ++k)
            if (!pendingEnglish[k].isEmpty())
                firstPending = k;
        if (firstPending) {
            if (!dialogs().question(this, QStringLiteral("再挑戦しますか"))) {
                Monclear();
                return;
            }
            Text3->clear();
            selectedCount = firstPending;
            Mondai();
        } else {
            const std::optional<QString> reply = dialogs().input(
                this, QStringLiteral("全問正解です！　コースを選択して下さい　1-再練習   2-再挑戦   3-新規選択"));
            const std::optional<int> choice = numberedChoice(reply.value_or(QString()));
            if (choice == 1) {
                cmdNyuryoku_Click();
            } else if (choice == 2) {
                cmdMondai_Click();
            } else if (choice == 3) {
                CmdNew_Click();
                return;
            }
        }
    } else {
        if (!dialogs().question(this, QStringLiteral("練習を続けますか")))
            return;
        cmdNyuryoku_Click();
    }
    Text2->setFocus();
}

void Form1::CmdChange_Click()
{
    if (!english[1].isEmpty() && dialogs().question(this, QStringLiteral("問題を変更しますか")))
        Monclear();
    englishInput = !englishInput;
    CmdChange->setText(englishInput ? QStringLiteral("和訳考察") : QStringLiteral("英文入力"));
    List2->setVisible(englishInput);
    List3->setVisible(!englishInput);
    Label2->setVisible(englishInput);
    OpSeikai->setVisible(!englishInput);
    OpZannen->setVisible(!englishInput);
    Command3->setEnabled(true);
}

void Form1::mnuEngSItem_Click()
{
    englishInput = false;
    CmdChange_Click();
}

void Form1::mnuRandamItem_Click()
{
    const int n = questionTotal;
    for (int i = 1; i <= n; ++i) {
        const int b = drawIndex(rnd().next(), 20000, n);
        for (QuestionArray* array : {&english, &meaning, &example, &pendingEnglish, &pendingMeaning})
            StrSwap((*array)[i], (*array)[b]);
    }
}

} // namespace lumo
