// QuizWindow: the import and export items, fed with the window's course
// list, the session's selection and its history.
#include "quiz/quizwindow.h"

#include "exchange/exchangemenu.h"
#include "ui/noticebar.h"

#include <QListWidget>

namespace lumo {

void QuizWindow::buildWordExchange(QMenu* fileMenu)
{
    exchange::WordExchange::Hooks hooks;
    hooks.programFolder = [this] { return m_programFolder; };
    hooks.showFileProblem = [this](const QString& problem) { m_notice->showNotice(problem); };
    hooks.chosenCourse = [this] {
        // The course chosen in the list, else the one loaded at start-up.
        const QListWidgetItem* current = m_courseList->currentItem();
        return current && !current->text().isEmpty() ? current->text() : QStringLiteral("eng-1-1.dat");
    };
    hooks.selection = [this] {
        const QStringList english = m_session.selectedEnglish();
        const QStringList meanings = m_session.selectedMeanings();
        std::vector<exchange::WordPair> pairs;
        for (qsizetype k = 0; k < english.size() && k < meanings.size(); ++k)
            pairs.push_back({english[k], meanings[k]});
        return pairs;
    };
    hooks.history = [this]() -> TrainingHistory& { return m_session.trainingHistory(); };
    hooks.courseAdded = [this](const QString& name) {
        m_courseList->addItem(name);
        m_courseList->setCurrentRow(m_courseList->count() - 1);
        chooseCourse();
    };
    new exchange::WordExchange(this, fileMenu, std::move(hooks));
}

} // namespace lumo
