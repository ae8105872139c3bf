// Judging the grid, timed hints and revealing the answers.
#include "crossword/frmcross.h"

#include "crossword/frmcross_cell.h"

#include <QLabel>
#include <QTimer>

namespace lumo {

namespace {
const QColor kWrong(255, 0, 0);
} // namespace

void FrmCross::mnuHantei_Click()
{
    bool wrong = false;
    for (int k = 1; k <= cross::kCellCount; ++k) {
        CrossCell* cell = txEizi[k];
        if (!cell->usable())
            continue; // number cells and hidden positions
        const QString solution = m_grid.answerChar(cross::rowOf(k), cross::colOf(k));
        // Case does not matter; an empty cell is wrong.
        if (cell->text().toUpper() != solution.toUpper()) {
            wrong = true;
            cell->setTextColour(kWrong);
        }
    }
    if (wrong)
        return;
    for (int k = 1; k <= cross::kCellCount; ++k)
        txEizi[k]->hide();
    Image1->show();
    Image1->raise();
    lbGood->show();
    lbGood->raise();
}

void FrmCross::mnuHint_Click()
{
    // Asking again while the answers are up lets the running display finish.
    if (!Timer1->isActive())
        Timer1->start();
}

void FrmCross::Timer1_Timer()
{
    ++hintTick;
    if (hintTick <= 1) {
        lbTate->setText(cross::hintLines(m_grid, cross::Direction::Down));
        lbYoko->setText(cross::hintLines(m_grid, cross::Direction::Across));
    } else if (hintTick >= 6) {
        // Rebuilt from the current grid, so a grid started meanwhile gets
        // its own clues back.
        lbTate->setText(cross::clueLines(m_grid, cross::Direction::Down));
        lbYoko->setText(cross::clueLines(m_grid, cross::Direction::Across));
        hintTick = 0;
        Timer1->stop();
    }
}

void FrmCross::mnuAnser_Click()
{
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const QString solution = m_grid.answerChar(cross::rowOf(k), cross::colOf(k));
        if (solution == u"*")
            continue;
        CrossCell* cell = txEizi[k];
        if (cell->text().toUpper() != solution.toUpper())
            cell->setTextColour(kWrong);
        cell->setText(solution);
    }
}

void FrmCross::Image1_Click()
{
    Image1->hide();
    mnuNext_Click();
}

} // namespace lumo
