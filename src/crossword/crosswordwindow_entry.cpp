// Typing into the cells, moving the cursor, keeping the focus in the grid.
#include "crossword/crosswordwindow.h"

#include "base/vkeys.h"
#include "crossword/crosswordcells.h"

#include <QRadioButton>
#include <QTimer>

namespace lumo {

bool CrosswordWindow::usable(int index) const
{
    return index >= 1 && index <= cross::kCellCount && m_cells[index]->usable();
}

void CrosswordWindow::focusCell(int index)
{
    m_currentCell = index;
    m_cells[index]->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::handleCellKey(int index, int keyCode)
{
    // The start prompt says ENTER: Enter starts the puzzle as a click does.
    if (keyCode == vk::Return && m_startPrompt->isVisible()) {
        startFromPrompt();
        return;
    }
    int step = 0;
    switch (keyCode) {
    case vk::Left: step = -1; break;
    case vk::Up: step = -cross::kGridSize; break;
    case vk::Right: step = 1; break;
    case vk::Down: step = cross::kGridSize; break;
    case vk::Shift:
    case vk::Control:
    case vk::Menu:
    case vk::Capital:
        // A modifier on its own changes nothing: Shift before a capital must
        // not empty the cell and send the cursor on.
        return;
    default:
        // Any other key starts the cell afresh; the character it produces
        // then lands in it. Typing over a red mark turns the cell black.
        m_cells[index]->setTextColour(Qt::black);
        m_cells[index]->setMarkedWrong(false);
        m_cells[index]->setText(QString());
        return;
    }
    // Arrows jump over number cells and hidden positions; Left and Right run
    // on into the neighbouring rows.
    for (int candidate = index + step; candidate >= 1 && candidate <= cross::kCellCount; candidate += step) {
        if (usable(candidate)) {
            focusCell(candidate);
            return;
        }
    }
}

void CrosswordWindow::moveAfterLetter(int index)
{
    int next = 0;
    switch (m_moveMode) {
    case 0: next = index + 1; break;
    case 1: next = index + cross::kGridSize; break;
    default: return;
    }
    // The cursor moves only onto a letter cell right next to it; otherwise it
    // stays, and the next character replaces this one.
    if (usable(next))
        focusCell(next);
}

void CrosswordWindow::queueRefocus()
{
    // Once whatever moved the focus has finished, the current cell takes it
    // back, so clicks elsewhere never lose the typing position.
    if (m_refocusPending)
        return;
    m_refocusPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refocusPending = false;
        refocusCurrentCell();
    });
}

void CrosswordWindow::refocusCurrentCell()
{
    if (usable(m_currentCell))
        m_cells[m_currentCell]->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::rememberClickedCell(int index)
{
    if (usable(index))
        m_currentCell = index;
}

void CrosswordWindow::setMoveMode(int mode)
{
    m_moveMode = mode;
    if (mode >= 0 && mode < int(m_moveOptions.size()))
        m_moveOptions[mode]->setChecked(true);
}

} // namespace lumo
