// Typing into the cells, moving the cursor, keeping the focus in the grid.
#include "crossword/frmcross.h"

#include "app/vkeys.h"
#include "crossword/frmcross_cell.h"

#include <QRadioButton>
#include <QTimer>

namespace lumo {

bool FrmCross::usable(int index) const
{
    return index >= 1 && index <= cross::kCellCount && txEizi[index]->usable();
}

void FrmCross::focusCell(int index)
{
    curCell = index;
    txEizi[index]->setFocus(Qt::OtherFocusReason);
}

void FrmCross::txEizi_KeyDown(int index, int keyCode)
{
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
        txEizi[index]->setTextColour(Qt::black);
        txEizi[index]->setText(QString());
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

void FrmCross::txEizi_Change(int index)
{
    int next = 0;
    switch (moveMode) {
    case 0: next = index + 1; break;
    case 1: next = index + cross::kGridSize; break;
    default: return;
    }
    // The cursor moves only onto a letter cell right next to it; otherwise it
    // stays, and the next character replaces this one.
    if (usable(next))
        focusCell(next);
}

void FrmCross::txEizi_LostFocus(int)
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

void FrmCross::refocusCurrentCell()
{
    if (usable(curCell))
        txEizi[curCell]->setFocus(Qt::OtherFocusReason);
}

void FrmCross::txEizi_MouseDown(int index)
{
    if (usable(index))
        curCell = index;
}

void FrmCross::setMode(int mode)
{
    moveMode = mode;
    if (mode >= 0 && mode < int(opRightDown.size()))
        opRightDown[mode]->setChecked(true);
}

void FrmCross::opRightDown_Click(int index)
{
    moveMode = index;
}

void FrmCross::opRightDown_MouseDown(int index)
{
    setMode(index);
}

void FrmCross::mnuRightMv_Click()
{
    setMode(0);
}

void FrmCross::mnuDownMv_Click()
{
    setMode(1);
}

void FrmCross::mnuHandMv_Click()
{
    setMode(2);
}

} // namespace lumo
