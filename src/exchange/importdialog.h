#pragma once
// The import preview: the first rows of a word list read from another
// program's file, which columns are English and Japanese (changeable), how
// many rows become word pairs, and the name of the new course file. Importing
// writes the course file and its course-list entry; lines code page 932
// cannot hold are left out only when the learner agrees.
//
// objectName → role
//   ImportDialog   the dialog
//   lbSource       file name, encoding and separator found
//   cboSeparator   separator: comma, tab, semicolon (and one a header named)
//   cboEnglish     column of the English
//   cboJapanese    column of the Japanese
//   chkHeading     the first row names the columns and is left out
//   tblPreview     the first rows
//   txCourseName   file name of the new course
//   lbSummary      pairs to import and rows left out
//   txProblems     rows with characters code page 932 cannot hold, by line
//   cmdImport      import
//   cmdCancel      close without writing anything

#include "exchange/textimport.h"
#include "exchange/wordimport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace lumo::exchange {

class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    ImportDialog(const QString& programFolder, const QString& sourcePath, DecodedSource source,
                 QWidget* parent = nullptr);

    const ImportPlan& plan() const { return m_plan; }

  signals:
    // The course file `name` was written with `count` pairs and listed.
    void imported(const QString& name, int count);

  private:
    void buildControls();
    void readTable(std::optional<QChar> separator);
    void fillColumnChoices();
    void replan();
    void showPreview();
    void importWords();
    ColumnChoice chosenColumns() const;

    QString m_folder;
    QString m_sourcePath;
    DecodedSource m_source;
    DelimitedTable m_table;
    ImportPlan m_plan;
    bool m_filling = false;

    QLabel* m_sourceLabel = nullptr;
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
};

// "「𠮷」(U+20BB7)" for each character, joined with "、".
QString namedCharacters(const QString& characters);

} // namespace lumo::exchange
