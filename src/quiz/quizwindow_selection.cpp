// QuizWindow: the word lists, picking questions, listing and discarding them, sorting.
#include "quiz/quizwindow.h"

#include "data/course.h"
#include "ui/noticebar.h"
#include "ui/platform.h"
#include "widgets/richtextbox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

namespace lumo {

// Loads a word-pair file into the word lists; returns a Japanese description
// of any problem (missing file, bad lines), empty when none.
QuizWindow::ReadCourse QuizWindow::readCourse(const QString& path, bool wrongAnswersOnly)
{
    ReadCourse course;
    course.file = readTextFile(path);
    course.lines = parseCourse(course.file.text, wrongAnswersOnly ? CourseFilter::WrongAnswers : CourseFilter::All);
    course.file.text.clear(); // the lines hold what is shown
    return course;
}

QString QuizWindow::loadCourse(const QString& path, bool wrongAnswersOnly)
{
    return showReadCourse(path, readCourse(path, wrongAnswersOnly));
}

QString QuizWindow::showReadCourse(const QString& path, ReadCourse course)
{
    const TextFile& file = course.file;
    CourseLines& lines = course.lines;
    const int count = lines.count();
    m_session.setCourse(std::move(lines.english), std::move(lines.meanings));
    showCourse();
    m_countBox->setText(selectableCountText(count));
    m_promptBox->setPlainText(QStringLiteral("左側のリストから問題を選択して下さい"));

    QStringList problems;
    if (file.status != TextFile::Status::Ok)
        problems.append(readProblemMessage(file, path));
    m_courseLineNotice = courseLineProblems(lines);
    problems.append(m_courseLineNotice);
    problems.removeAll(QString());
    return problems.join(u'\n');
}

void QuizWindow::showCourse()
{
    m_meaningList->clear();
    m_englishList->clear();
    m_englishList->addItems(m_session.courseEnglish());
    m_meaningList->addItems(m_session.courseMeanings());
}

void QuizWindow::chooseCourse()
{
    // What the bar says of the lines of the course shown until now goes with it.
    if (!m_courseLineNotice.isEmpty()) {
        QStringList shown = m_notice->text().split(u'\n');
        for (const QString& line : m_courseLineNotice.split(u'\n'))
            shown.removeOne(line);
        m_notice->showNotice(shown.join(u'\n'));
        m_courseLineNotice.clear();
    }
    m_selectionList->hide();
    m_session.setCourse({}, {});
    showCourse();
    QListWidgetItem* current = m_courseList->currentItem();
    const QString entry = current ? current->text() : QString();
    if (!entry.isEmpty()) {
        const QString problem = loadCourse(m_programFolder + entry, false);
        if (!problem.isEmpty())
            m_notice->showNotice(problem);
    }
    m_instructionsBox->hide();
}

void QuizWindow::pickWord(int row)
{
    const QuizSession::PickResult result = m_session.pick(row);
    if (result == QuizSession::PickResult::NoSuchWord)
        return;
    if (result == QuizSession::PickResult::Full)
        m_notice->showNotice(QStringLiteral("選択できる問題は %1 問までです。").arg(QuizSession::kMaxQuestions));
    showQuestionCount();
}

void QuizWindow::showQuestionCount()
{
    m_countBox->setText(QStringLiteral("全問題数　") + QString::number(m_session.questionTotal()));
}

void QuizWindow::showSelectedQuestions()
{
    m_selectionList->clear();
    m_selectionList->addItems(m_session.selectedEnglish());
    m_selectionList->show();
    m_selectionList->raise();
}

void QuizWindow::removeSelectedQuestion(int listRow)
{
    if (!m_session.isSelected(listRow))
        return;
    if (dialogs().question(this, QStringLiteral("選択リストから削除しますか"))) {
        m_selectionList->item(listRow)->setText(QString());
        m_session.removeSelected(listRow);
        showSelectedQuestions();
    }
    m_session.moveToLastQuestion();
    showQuestionCount();
}

void QuizWindow::askNewSelection()
{
    if (m_session.discardNeedsConfirmation() &&
        !dialogs().confirm(this, QStringLiteral("データが消えてしまいますがこのまま続けますか")))
        return;
    clearSelection();
}

void QuizWindow::clearSelection()
{
    m_session.discardSelection();
    m_speaking.forget();
    m_countBox->setText(QStringLiteral("0"));
    m_promptBox->setPlainText(QStringLiteral("左下のリストから問題を選択して下さい"));
    m_selectionList->hide();
    m_spareTextBox->hide();
    hideAnswerComparison();
}

void QuizWindow::startNewChallenge()
{
    m_session.startNewChallenge();
}

void QuizWindow::sortWords(bool byEnglish)
{
    m_session.sortCourse(byEnglish);
    showCourse();
}

} // namespace lumo
