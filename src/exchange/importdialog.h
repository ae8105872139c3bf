#pragma once
// The import preview: the first rows of a word list read from another
// program's file, which columns are English and Japanese (changeable), how
// many rows become word pairs, and the name of the new course file. Importing
// writes the course file and its course-list entry; lines code page 932
// cannot hold are left out only when the learner agrees. Reading, splitting,
// planning and writing run off the window's thread with a progress bar; the
// controls wait meanwhile and キャンセル stops the work.
//
// objectName → role
//   ImportDialog   the dialog
//   lbSource       file name, encoding and separator found (or the kind of deck file)
//   cboPart        deck and note type, or lesson, of a deck file (hidden for text files)
//   cboSeparator   separator: comma, tab, semicolon (and one a header named)
//   cboEnglish     column of the English
//   cboJapanese    column of the Japanese
//   chkHeading     the first row names the columns and is left out
//   tblPreview     the first rows
//   txCourseName   file name of the new course
//   lbSummary      pairs to import and rows left out
//   txProblems     rows with characters code page 932 cannot hold, by line
//   cmdImport      import
//   cmdCancel      close without writing anything (stops work in progress)
//   pbProgress     how far reading, splitting or writing has got
//   tmProgress     timer that looks at the work in progress

#include "exchange/importjob.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace lumo::exchange {

class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens at once and reads the file at `sourcePath` aside; a file that
    // cannot be imported is named in a notice and the dialog closes.
    ImportDialog(const QString& programFolder, const QString& sourcePath, QWidget* parent = nullptr);
    ~ImportDialog() override;

    const ImportPlan& plan() const { return m_prepared.plan; }

  signals:
    // The course file `name` was written with `count` pairs and listed.
    void imported(const QString& name, int count);

  private:
    void buildControls();
    template <class Result>
    void runAside(std::function<Result(ImportProgress&)> work, std::function<void(Result)> then);
    void checkWork();
    void setBusy(bool busy);
    void showPrepared(PreparedImport prepared);
    static void discardAside(PreparedImport prepared);
    void fillColumnChoices();
    void showSummary();
    void showPreview();
    void splitAgain();
    void choosePart();
    void planAgain();
    void importWords();
    void cancel();
    ColumnChoice chosenColumns() const;

    QString m_folder;
    QString m_sourcePath;
    PreparedImport m_prepared;
    bool m_filling = false;
    std::shared_ptr<ImportProgress> m_progress;
    // The work in progress: whether it has ended, and what to do with its result.
    std::function<bool()> m_workEnded;
    std::function<void()> m_finishWork;

    QLabel* m_sourceLabel = nullptr;
    QFormLayout* m_form = nullptr;
    QComboBox* m_part = nullptr;
    QComboBox* m_separator = nullptr;
    QComboBox* m_english = nullptr;
    QComboBox* m_japanese = nullptr;
    QCheckBox* m_heading = nullptr;
    QTableWidget* m_preview = nullptr;
    QLineEdit* m_courseName = nullptr;
    QLabel* m_summary = nullptr;
    QPlainTextEdit* m_problems = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QTimer* m_progressTimer = nullptr;
};

// "「𠮷」(U+20BB7)" for each character, joined with "、".
QString namedCharacters(const QString& characters);

} // namespace lumo::exchange
