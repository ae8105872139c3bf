// Judging the grid, timed hints and revealing the answers.
#include "crossword/crosswordwindow.h"

#include "crossword/crosswordcells.h"

#include <QLabel>
#include <QTimer>

namespace lumo {

namespace {
const QColor kWrong(255, 0, 0);
} // namespace

void CrosswordWindow::checkAnswers()
{
    bool wrong = false;
    for (int k = 1; k <= cross::kCellCount; ++k) {
        CrosswordCell* cell = m_cells[k];
        if (!cell->usable())
            continue; // number cells and hidden positions
        const QString solution = m_grid.answerChar(cross::rowOf(k), cross::colOf(k));
        // Case does not matter; an empty cell is wrong.
        if (cell->text().toUpper() != solution.toUpper()) {
            wrong = true;
            markWrong(cell);
        }
    }
    if (wrong)
        return;
    for (int k = 1; k <= cross::kCellCount; ++k)
        m_cells[k]->hide();
    m_successPicture->show();
    m_successPicture->raise();
    m_good->show();
    m_good->raise();
    m_successPicture->setFocus(Qt::OtherFocusReason); // Enter goes on to the next puzzle
}

void CrosswordWindow::startHint()
{
    // Asking again while the answers are up lets the running display finish.
    if (!m_hintTimer->isActive())
        m_hintTimer->start();
}

void CrosswordWindow::showHintTick()
{
    ++m_hintTicks;
    if (m_hintTicks <= 1) {
        m_downClues->setText(cross::hintLines(m_grid, cross::Direction::Down));
        m_acrossClues->setText(cross::hintLines(m_grid, cross::Direction::Across));
    } else if (m_hintTicks >= 6) {
        // Rebuilt from the current grid, so a grid started meanwhile gets
        // its own clues back.
        m_downClues->setText(cross::clueLines(m_grid, cross::Direction::Down));
        m_acrossClues->setText(cross::clueLines(m_grid, cross::Direction::Across));
        m_hintTicks = 0;
        m_hintTimer->stop();
    }
}

void CrosswordWindow::revealAnswers()
{
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const QString solution = m_grid.answerChar(cross::rowOf(k), cross::colOf(k));
        if (solution == u"*")
            continue;
        CrosswordCell* cell = m_cells[k];
        if (cell->text().toUpper() != solution.toUpper())
            markWrong(cell);
        cell->setText(solution);
    }
}

void CrosswordWindow::markWrong(CrosswordCell* cell)
{
    cell->setTextColour(kWrong);
    cell->setMarkedWrong(true);
}

void CrosswordWindow::dismissSuccess()
{
    m_successPicture->hide();
    nextPuzzle();
}

} // namespace lumo
