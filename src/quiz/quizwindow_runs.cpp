// QuizWindow: quiz runs, judging, end of a pass, the direction switch and the shuffle.
#include "quiz/quizwindow.h"

#include "base/clock.h"
#include "base/random.h"
#include "ui/platform.h"
#include "widgets/richtextbox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

namespace lumo {

void QuizWindow::startTraining()
{
    if (!m_session.startTraining()) {
        dialogs().notice(this, QStringLiteral("データがありません。問題を選ぶか他のコースを選んで下さい"));
        return;
    }
    showNextLetterGuide();
    showNextQuestion();
}

void QuizWindow::startQuestions()
{
    m_spareTextBox->hide();
    m_session.startQuestions();
    m_countBox->setText(QStringLiteral("全問題数") + QString::number(m_session.questionTotal()));
    m_resultBox->clear();
    showNextQuestion();
}

void QuizWindow::showNextQuestion(const QStringList& sayFirst)
{
    m_selectionList->hide();
    const std::optional<QuizSession::ShownQuestion> shown = m_session.showPending();
    if (!shown) {
        say(sayFirst);
        endPass();
        return;
    }
    m_numberBox->setText(QStringLiteral("問題  ") + QString::number(shown->number));
    const bool byEar = m_speaking.asksByEar(m_session.englishInput());
    m_promptBox->setPlainText(byEar ? kListeningPrompt : shown->prompt);
    if (m_session.englishInput()) {
        if (shown->answer)
            m_resultBox->setPlainText(*shown->answer);
    } else {
        m_resultBox->setPlainText(shown->answer.value_or(QStringLiteral("日本語の意味を考えて下さい。")));
        m_exampleBox->setText(QStringLiteral("次の問題に進むためには判定ボタンをクリックして下さい。"));
    }
    say(sayFirst +
        m_speaking.questionShown(m_session.currentEnglish(), m_session.englishInput(), m_session.questionForm()));
    m_answerBox->clear();
    QCoreApplication::processEvents();
    m_answerBox->setFocus();
}

void QuizWindow::judgeClicked()
{
    // Judging needs a question: before any selection, or after a pass ended
    // without a retry, there is nothing at the current position.
    if (!m_judgeButton->isEnabled() || !m_session.hasCurrentQuestion())
        return;
    if (m_session.englishInput())
        judgeTypedAnswer();
    else
        revealMeaning();
}

void QuizWindow::judgeTypedAnswer()
{
    const QString typed = m_answerBox->text();
    const QuizSession::Judgement j = m_session.judge(typed, clock().today());
    if (j.correct)
        hideAnswerComparison();
    else
        showAnswerComparison(typed, j.english);
    m_noteBox->setText(j.note);
    m_verdictLabel->setText(j.correct ? QStringLiteral("正解") : QStringLiteral("残念"));
    showPhoneticSpelling(j.english);
    const QStringList said = m_speaking.judged(j.english);
    showExample(j.example, j.english);
    playSound(j.correct ? QStringLiteral("sample3.wav") : QStringLiteral("sample2.wav"));
    m_resultBox->setPlainText(j.english + u' ' + j.meaning);
    m_answerBox->clear();
    m_answerBox->setFocus();
    if (j.passGoesOn) {
        showNextQuestion(said);
    } else {
        say(said);
        endPass();
    }
}

void QuizWindow::revealMeaning()
{
    // The meaning goes into the answer box while its question is current, so
    // the letter guide still follows that question's English.
    m_answerBox->setText(m_session.currentMeaning());
    showPhoneticSpelling(m_session.currentEnglish());
    say(m_speaking.judged(m_session.currentEnglish()));
    switch (m_session.reveal()) {
    case QuizSession::AfterReveal::SelfGrade:
        m_judgeButton->setEnabled(false);
        m_exampleBox->setText(QStringLiteral("正解または間違いのボタンをチェックして下さい。"));
        break;
    case QuizSession::AfterReveal::AdvanceByTimer:
        m_judgeButton->setEnabled(false);
        m_advanceTimer->start();
        break;
    case QuizSession::AfterReveal::EndOfPass: endPass(); break;
    }
}

// The example sentence with the word in blue.
void QuizWindow::showExample(const QString& example, const QString& english)
{
    if (example.isEmpty())
        return;
    m_exampleBox->setText(example);
    const qsizetype at = example.indexOf(english);
    if (at >= 0)
        m_exampleBox->selectAndColour(at, english.size(), QColor(0, 0, 255));
}

void QuizWindow::gradeSelf(bool right)
{
    m_session.selfGrade(right);
    m_judgeButton->setEnabled(true);
    showNextQuestion();
    m_answerBox->setFocus();
}

void QuizWindow::advanceTick()
{
    const std::optional<QuizSession::ShownQuestion> next = m_session.advanceTick();
    if (!next)
        return;
    m_promptBox->setPlainText(next->prompt);
    say(m_speaking.questionShown(next->prompt, m_session.englishInput(), m_session.questionForm()));
    m_answerBox->clear();
    if (next->answer)
        m_resultBox->setPlainText(*next->answer);
    m_advanceTimer->stop();
    m_judgeButton->setEnabled(true);
}

void QuizWindow::endPass()
{
    switch (m_session.passEnd()) {
    case QuizSession::PassEnd::RetryWrong:
        if (!dialogs().question(this, QStringLiteral("再挑戦しますか"))) {
            clearSelection();
            return;
        }
        m_resultBox->clear();
        m_session.retryWrong();
        showNextQuestion();
        break;
    case QuizSession::PassEnd::AllCorrect: {
        const std::optional<QString> reply = dialogs().input(
            this, QStringLiteral("全問正解です！　コースを選択して下さい　1-再練習   2-再挑戦   3-新規選択"));
        switch (QuizSession::nextRunAfterAllCorrect(reply.value_or(QString()))) {
        case QuizSession::NextRun::Training: startTraining(); break;
        case QuizSession::NextRun::Questions: startQuestions(); break;
        case QuizSession::NextRun::NewSelection: askNewSelection(); return;
        case QuizSession::NextRun::None: break;
        }
        break;
    }
    case QuizSession::PassEnd::TrainingDone:
        if (!dialogs().question(this, QStringLiteral("練習を続けますか")))
            return;
        startTraining();
        break;
    }
    m_answerBox->setFocus();
}

void QuizWindow::switchDirection()
{
    if (m_session.hasSelection() && dialogs().question(this, QStringLiteral("問題を変更しますか")))
        clearSelection();
    const bool englishInput = !m_session.englishInput();
    m_session.setEnglishInput(englishInput);
    hideAnswerComparison();
    m_directionButton->setText(englishInput ? QStringLiteral("和訳考察") : QStringLiteral("英文入力"));
    m_meaningList->setVisible(englishInput);
    m_englishList->setVisible(!englishInput);
    m_verdictLabel->setVisible(englishInput);
    m_rightOption->setVisible(!englishInput);
    m_wrongOption->setVisible(!englishInput);
    m_judgeButton->setEnabled(true);
}

void QuizWindow::chooseEnglishSelection()
{
    m_session.setEnglishInput(false);
    switchDirection();
}

void QuizWindow::shuffleQuestions()
{
    m_session.shuffle(rnd());
}

} // namespace lumo
