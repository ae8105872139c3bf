#pragma once
// The main window's items for bringing word lists in and taking them out,
// added at the end of its file menu:
//
// objectName → role
//   mnuImportWords      read a CSV or tab-separated file into a new course (import dialog)
//   mnuExportCourse     write the course chosen in the course list
//   mnuExportSelection  write the selected questions
//   mnuExportMissed     write the words answered wrongly in the history
//
// The window hands over what these need through Hooks; a file that cannot be
// read is told through the window's own channel for file problems
// (showFileProblem), everything else through the platform layer's dialogs.

#include "exchange/wordexport.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace lumo {
class TrainingHistory;
}

namespace lumo::exchange {

class WordExchange : public QObject {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<QString()> programFolder; // with its trailing separator
        std::function<void(const QString&)> showFileProblem;
        std::function<QString()> chosenCourse; // file name of the course to export
        std::function<std::vector<WordPair>()> selection;
        std::function<TrainingHistory&()> history;            // the learner's answers, this run's too
        std::function<void(const QString& name)> courseAdded; // a new course file is listed
    };
    WordExchange(QWidget* window, QMenu* fileMenu, Hooks hooks);

    void importWords();
    void exportCourse();
    void exportSelection();
    void exportMissed();

  private:
    // `leftOut` says which lines of the source were not written, when any were not.
    void exportPairs(const std::vector<WordPair>& pairs, const QString& what, const QString& leftOut = {});

    QWidget* m_window;
    Hooks m_hooks;
    bool m_waitingForHistory = false; // the missed-word export waits for the history to load
};

} // namespace lumo::exchange
