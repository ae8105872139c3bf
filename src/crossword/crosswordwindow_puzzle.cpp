// Reading a course, building a grid and putting it on the window.
#include "crossword/crosswordwindow.h"

#include "base/programfolder.h"
#include "base/random.h"
#include "crossword/crosswordcells.h"
#include "ui/noticebar.h"
#include "ui/twips.h"

#include <QLabel>

namespace lumo {

namespace {
const QColor kLetterBack(255, 255, 192);
const QColor kNumberText(255, 255, 0);
} // namespace

void CrosswordWindow::readCourseWords(int fromFile, int toFile)
{
    cross::CourseWords course = cross::readWordFiles(programFolder(), fromFile, toFile);
    m_grid.setWords(std::move(course.words));
    m_fileProblems = course.problems;
    showFileProblems();
}

void CrosswordWindow::showFileProblems()
{
    // Said once per grid, in the window: a missing file only makes the
    // course smaller, so no box interrupts the game.
    m_notice->showNotice(m_fileProblems.join(u'\n'));
}

void CrosswordWindow::shuffleWords()
{
    cross::mixWords(m_grid.words(), rnd());
}

void CrosswordWindow::clearGrid()
{
    m_surface->setMarks({});
    m_successPicture->hide();
    m_good->hide();
    m_startPrompt->hide();
    m_grid.clearGrid();
    applyCells();
}

void CrosswordWindow::buildGrid()
{
    clearGrid();
    m_grid.generate();
    applyCells();
}

void CrosswordWindow::applyCells()
{
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const cross::CellLook& look = m_grid.cell(k);
        CrosswordCell* cell = m_cells[k];
        cell->setGeometry(twipsRect(look.rect.left, look.rect.top, look.rect.width, look.rect.height));
        if (look.numberCell) {
            cell->setBackColour(Qt::black);
            cell->setFontSize(8);
            cell->setTextColour(kNumberText);
            cell->setBorder(false);
            cell->setEnabled(false);
        } else {
            cell->setBackColour(kLetterBack);
            cell->setFontSize(18);
            cell->setTextColour(Qt::black);
            cell->setBorder(true);
            cell->setMarkedWrong(false);
            cell->setEnabled(true);
        }
        cell->setVisible(true);
        cell->setText(look.text);
    }
}

void CrosswordWindow::showGrid()
{
    const std::vector<int> given = cross::chooseGivenLetters(m_grid, rnd());
    auto nextGiven = given.begin();
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const QString solution = m_grid.answerChar(cross::rowOf(k), cross::colOf(k));
        CrosswordCell* cell = m_cells[k];
        if (solution != u"*") {
            if (nextGiven != given.end() && *nextGiven == k) {
                ++nextGiven;
                cell->setText(solution); // given, still editable
            }
        } else if (cell->text().isEmpty()) {
            cell->hide();
        }
    }
    m_downClues->setText(cross::clueLines(m_grid, cross::Direction::Down));
    m_acrossClues->setText(cross::clueLines(m_grid, cross::Direction::Across));
    m_surface->setMarks(m_grid.numberMarks());
    for (int k = 1; k <= cross::kGridSize; ++k) {
        if (usable(k)) {
            focusCell(k);
            break;
        }
    }
}

void CrosswordWindow::puzzle(int course)
{
    const auto [fromNo, toNo] = cross::courseFiles(course);
    readCourseWords(fromNo, toNo);
    shuffleWords();
    buildGrid();
    showGrid();
}

void CrosswordWindow::chooseCourse(int index)
{
    m_course = index;
    puzzle(m_course);
}

void CrosswordWindow::nextPuzzle()
{
    chooseCourse(m_course);
}

void CrosswordWindow::startFromPrompt()
{
    m_startPrompt->hide();
    nextPuzzle();
}

} // namespace lumo
