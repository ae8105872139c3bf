// QuizWindow: history files, options, help and the other windows, ending the program.
#include "quiz/quizwindow.h"

#include "base/aside.h"
#include "base/strings.h"
#include "crossword/crosswordwindow.h"
#include "data/history.h"
#include "help/helpwindow.h"
#include "record/recordwindow.h"
#include "sentence/sentencewindow.h"
#include "typing/typingtrainerwindow.h"
#include "ui/noticebar.h"
#include "ui/platform.h"
#include "wordentry/wordentrywindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QTextEdit>

namespace lumo {
namespace {

// Shows the window held by `window`, creating it on first use; while it is
// open, later uses show the same one again.
void showAndRaise(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

template <class W> W* showOnce(QPointer<W>& window, QWidget* owner)
{
    if (!window)
        window = new W(owner);
    showAndRaise(window);
    return window;
}

} // namespace

void QuizWindow::loadHistoryFile(const QString& name, bool wrongAnswersOnly)
{
    const QString path = m_programFolder + name;
    const WriteResult created = touchFile(path);
    if (!created.ok) {
        m_notice->showNotice(created.error);
        return;
    }
    // A history of years is read on another thread; the lists fill when it is in.
    deliverAside(
        this, [path, wrongAnswersOnly] { return readCourse(path, wrongAnswersOnly); },
        [this, path](ReadCourse course) {
            const QString problem = showReadCourse(path, std::move(course));
            if (!problem.isEmpty())
                m_notice->showNotice(problem);
        });
}

void QuizWindow::showRecord()
{
    if (!m_record) {
        m_record = new RecordWindow(m_session.trainingHistory(), this);
        connect(m_record, &RecordWindow::wordsChosen, this, &QuizWindow::pickWords);
    } else {
        m_record->refresh();
    }
    showAndRaise(m_record);
}

void QuizWindow::pickWords(const std::vector<std::pair<QString, QString>>& words)
{
    const QuizSession::PickReport picked = m_session.pickWords(words);
    m_instructionsBox->hide();
    showQuestionCount();
    dialogs().notice(this,
                     joinLines(QStringLiteral("%1 語を問題に選びました。").arg(picked.added), pickProblems(picked)));
}

QString QuizWindow::pickProblems(const QuizSession::PickReport& picked)
{
    QStringList lines;
    if (!picked.sameMeaning.isEmpty())
        lines.append(QStringLiteral("同じ意味の問題がもうあるため、次の %1 語は選びませんでした：%2")
                         .arg(picked.sameMeaning.size())
                         .arg(picked.sameMeaning.join(QStringLiteral("、"))));
    if (picked.notFound > 0)
        lines.append(QStringLiteral("英語のない %1 語は選べませんでした。").arg(picked.notFound));
    if (picked.leftOver > 0)
        lines.append(QStringLiteral("選択できる問題は %1 問までです。").arg(QuizSession::kMaxQuestions) +
                     QStringLiteral("（%1 語は選べませんでした）").arg(picked.leftOver));
    return lines.join(u'\n');
}

void QuizWindow::saveAndEnd()
{
    if (m_ending)
        return;
    m_ending = true;
    const HistorySaveResult saved = m_session.trainingHistory().saveRun();
    if (!saved.ok())
        dialogs().notice(this, saved.message());
    for (QWidget* window :
         std::initializer_list<QWidget*>{m_typingTrainer, m_crossword, m_wordEntry, m_help, m_record, m_sentences})
        if (window)
            window->close();
    close();
    QApplication::quit();
}

void QuizWindow::closeEvent(QCloseEvent* event)
{
    saveAndEnd();
    event->accept();
}

void QuizWindow::playSound(const QString& file)
{
    if (m_soundOn)
        sound().play(m_programFolder + file);
}

void QuizWindow::toggleSound()
{
    m_soundOn = !m_soundOn;
    m_soundItem->setChecked(m_soundOn);
}

void QuizWindow::showSimpleHelp()
{
    showOnce(m_help, this)->showHelpText(m_programFolder + QStringLiteral("help.txt"));
}

void QuizWindow::showFullHelp()
{
    shell().open(m_programFolder + QStringLiteral("E-Help.htm"));
}

void QuizWindow::showTypingTrainer()
{
    const bool created = !m_typingTrainer;
    TypingTrainerWindow* trainer = showOnce(m_typingTrainer, this);
    if (created)
        trainer->setWordSources(todaysReviewWords(), oftenMissedWords());
}

void QuizWindow::showCrossword()
{
    showOnce(m_crossword, this);
}

void QuizWindow::showWordEntry()
{
    showOnce(m_wordEntry, this);
}

} // namespace lumo
