#pragma once
// The crossword window: a fresh 12 × 12 English crossword from the word files
// of a course, the Japanese meanings as clues. One class, split by concern:
//   frmcross.cpp        controls, menus and start-up
//   frmcross_puzzle.cpp reading a course, building and showing a grid
//   frmcross_entry.cpp  typing into the cells and moving the cursor
//   frmcross_check.cpp  judging, hints and answers
//   frmcross_print.cpp  printing the puzzle and saving it as a PDF
//   frmcross_cell.*     the cell, the clickable label and the window surface

#include "crossword/grid.h"

#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class QTimer;

namespace lumo {

class ClickLabel;
class CrossCell;
class CrossSurface;

class FrmCross : public QWidget {
    Q_OBJECT
  public:
    explicit FrmCross(QWidget* parent = nullptr);

    // Controls (objectName = member name; array elements "txEizi(13)").
    CrossSurface* surface = nullptr; // the client area, numbers are printed on it
    QLabel* Label1 = nullptr;
    std::vector<QRadioButton*> opRightDown; // 0..2
    std::vector<CrossCell*> txEizi;         // 0 the template (never shown), 1..144 the grid
    QWidget* Shape1 = nullptr;
    ClickLabel* Text1 = nullptr;
    ClickLabel* Image1 = nullptr;
    QLabel* lbGood = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lbYoko = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbTate = nullptr;
    QLabel* lbMessage = nullptr; // which word files could not be read
    QTimer* Timer1 = nullptr;

    QMenuBar* menuBar = nullptr;
    QMenu* mnuCourse = nullptr;
    std::vector<QAction*> mnuCourse1; // 1..5 (element 0 unused)
    QAction* mnuHint = nullptr;
    QAction* mnuNext = nullptr;
    QAction* mnuHantei = nullptr;
    QAction* mnuAnser = nullptr;
    QMenu* mnuMuve = nullptr;
    QAction* mnuRightMv = nullptr;
    QAction* mnuDownMv = nullptr;
    QAction* mnuHandMv = nullptr;
    QAction* mnuMemori = nullptr;
    QMenu* mnuPrintMenu = nullptr; // "印刷(&P)", the last menu
    QAction* mnuPrint = nullptr;   // print the puzzle and its solution
    QAction* mnuSavePdf = nullptr; // save them as a PDF

    // Window-level state.
    int moveMode = 0; // after a letter the cursor moves 0 right, 1 down, 2 not at all
    int courseNo = 0; // 1..5
    int curCell = 0;  // the cell that gets the focus back
    int hintTick = 0; // hint display counter
    const cross::Crossword& grid() const { return m_grid; }
    // Sentences about word files that could not be read for the current grid.
    QStringList fileProblems() const { return m_fileProblems; }

    // Course and puzzle.
    void WordRead(int fromNo, int toNo);
    void WordMix();
    void GridClear();
    void CrossMake();
    void CrossShow();
    void mnuCourse1_Click(int index);
    void mnuNext_Click();
    void Text1_Click();

    // Letter entry.
    void txEizi_KeyDown(int index, int keyCode);
    void txEizi_Change(int index);
    void txEizi_LostFocus(int index);
    void txEizi_MouseDown(int index);
    void opRightDown_Click(int index);
    void opRightDown_MouseDown(int index);
    void mnuRightMv_Click();
    void mnuDownMv_Click();
    void mnuHandMv_Click();

    // Checking, hints and answers.
    void mnuHantei_Click();
    void mnuHint_Click();
    void Timer1_Timer();
    void mnuAnser_Click();
    void Image1_Click();

    // Printing.
    void mnuPrint_Click();
    void mnuSavePdf_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void buildControls();
    void buildMenus();
    void buildPrintMenu();
    void puzzle(int course);
    void applyCells();
    void showMessage();
    void setMode(int mode);
    void refocusCurrentCell();
    void focusCell(int index);
    bool usable(int index) const;

    cross::Crossword m_grid;
    QStringList m_fileProblems;
    bool m_refocusPending = false;
};

} // namespace lumo
