#pragma once
// The crossword window: a fresh 12 × 12 English crossword from the word files
// of a course, the Japanese meanings as clues. One class, split by concern:
//   crosswordwindow.cpp         controls, menus and start-up
//   crosswordwindow_puzzle.cpp  reading a course, building and showing a grid
//   crosswordwindow_entry.cpp   typing into the cells and moving the cursor
//   crosswordwindow_check.cpp   judging, hints and answers
//   crosswordwindow_print.cpp   printing the puzzle and saving it as a PDF
//   crosswordcells.*            the cell, the clickable label and the window surface
//
//   objectName            role
//   frmCross              the window
//   surface               the client area; the word numbers are printed on it
//   Label1                the title
//   opRightDown(0..2)     where the cursor goes after a letter: right, down, nowhere
//   txEizi(1..144)        the grid cells (txEizi(0) is the hidden template)
//   Shape1                the frame round the grid
//   Text1                 the start prompt over the first grid; a click or Enter starts a puzzle
//   Image1                the success picture; a click, or Enter or Space while it has the
//                         focus, starts the next puzzle
//   lbGood                "Good!" under the picture
//   Label2, lbYoko        heading and clues across
//   Label3, lbTate        heading and clues down
//   lbMessage             notice bar under the grid: word files that could not be read
//   Timer1                one-second ticks of a hint
//   menuBar               the menu bar
//   mnuCourse             コース選択: mnuCourse1(1..5) a new puzzle of that course,
//                         mnuHint the answers in the clue lists for five seconds
//   mnuNext               次問題: a new puzzle of the same course
//   mnuHantei             判定: wrong and empty letters turn red, or the success picture
//   mnuAnser              解答: fills in every answer
//   mnuMuve               自動移動: mnuRightMv, mnuDownMv, mnuHandMv like opRightDown
//   mnuMemori             メモリ保持: always disabled
//   mnuPrintMenu          印刷, the last menu: mnuPrint prints the puzzle and its solution, mnuSavePdf saves them as a
//   PDF

#include "crossword/grid.h"

#include <QWidget>

#include <vector>

class QLabel;
class QMenuBar;
class QRadioButton;
class QTimer;

namespace lumo {

class ClickLabel;
class CrosswordCell;
class CrosswordSurface;
class NoticeBar;

class CrosswordWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CrosswordWindow(QWidget* parent = nullptr);

    // The puzzle model, read-only: the solution and the clue records.
    const cross::Crossword& grid() const { return m_grid; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    // Printing (crosswordwindow_print.cpp).
    void buildPrintMenu();
    void printPuzzle();
    void savePuzzlePdf();
    // Centres the window, builds the grid cells and the first puzzle behind the prompt.
    void prepareWindow();

    // Course and puzzle.
    void readCourseWords(int fromFile, int toFile);
    void showFileProblems();
    void shuffleWords();
    void clearGrid();
    void buildGrid();
    void showGrid();
    void applyCells();
    void puzzle(int course);
    void chooseCourse(int course);
    void nextPuzzle();
    void startFromPrompt();

    // Letter entry.
    void handleCellKey(int index, int keyCode);
    void moveAfterLetter(int index);
    void queueRefocus();
    void refocusCurrentCell();
    void rememberClickedCell(int index);
    void setMoveMode(int mode);
    void focusCell(int index);
    bool usable(int index) const;

    // Checking, hints and answers.
    void checkAnswers();
    void startHint();
    void showHintTick();
    void revealAnswers();
    void markWrong(CrosswordCell* cell);
    void dismissSuccess();

    // Controls.
    CrosswordSurface* m_surface = nullptr;
    QLabel* m_title = nullptr;
    std::vector<QRadioButton*> m_moveOptions; // 0..2
    std::vector<CrosswordCell*> m_cells;      // 0 the template (never shown), 1..144 the grid
    QWidget* m_gridFrame = nullptr;
    ClickLabel* m_startPrompt = nullptr;
    ClickLabel* m_successPicture = nullptr;
    QLabel* m_good = nullptr;
    QLabel* m_acrossHeading = nullptr;
    QLabel* m_acrossClues = nullptr;
    QLabel* m_downHeading = nullptr;
    QLabel* m_downClues = nullptr;
    NoticeBar* m_notice = nullptr;
    QTimer* m_hintTimer = nullptr;
    QMenuBar* m_menuBar = nullptr;

    cross::Crossword m_grid;
    QStringList m_fileProblems;
    int m_moveMode = 0;    // after a letter the cursor moves 0 right, 1 down, 2 not at all
    int m_course = 0;      // 1..5
    int m_currentCell = 0; // the cell that gets the focus back
    int m_hintTicks = 0;   // seconds the hint has been up
    bool m_refocusPending = false;
};

} // namespace lumo
