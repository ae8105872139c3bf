// Reading a course, building a grid and putting it on the window.
#include "crossword/frmcross.h"

#include "app/programfolder.h"
#include "app/random.h"
#include "crossword/frmcross_cell.h"
#include "ui/twips.h"

#include <QLabel>

namespace lumo {

namespace {
const QColor kLetterBack(255, 255, 192);
const QColor kNumberText(255, 255, 0);
} // namespace

void FrmCross::WordRead(int fromNo, int toNo)
{
    cross::CourseWords course = cross::readWordFiles(programFolder(), fromNo, toNo);
    m_grid.setWords(std::move(course.words));
    m_fileProblems = course.problems;
    showMessage();
}

void FrmCross::showMessage()
{
    // Said once per grid, in the window: a missing file only makes the
    // course smaller, so no box interrupts the game.
    lbMessage->setText(m_fileProblems.join(u'\n'));
    lbMessage->setVisible(!m_fileProblems.isEmpty());
}

void FrmCross::WordMix()
{
    cross::mixWords(m_grid.words(), rnd());
}

void FrmCross::GridClear()
{
    surface->setMarks({});
    Image1->hide();
    lbGood->hide();
    Text1->hide();
    m_grid.GridClear();
    applyCells();
}

void FrmCross::CrossMake()
{
    GridClear();
    m_grid.CrossMake();
    applyCells();
}

void FrmCross::applyCells()
{
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const cross::CellLook& look = m_grid.cell(k);
        CrossCell* cell = txEizi[k];
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
            cell->setEnabled(true);
        }
        cell->setVisible(true);
        cell->setText(look.text);
    }
}

void FrmCross::CrossShow()
{
    const std::vector<int> given = cross::chooseGivenLetters(m_grid, rnd());
    auto nextGiven = given.begin();
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const QString solution = m_grid.answerChar(cross::rowOf(k), cross::colOf(k));
        CrossCell* cell = txEizi[k];
        if (solution != u"*") {
            if (nextGiven != given.end() && *nextGiven == k) {
                ++nextGiven;
                cell->setText(solution); // given, still editable
            }
        } else if (cell->text().isEmpty()) {
            cell->hide();
        }
    }
    lbTate->setText(cross::clueLines(m_grid, cross::Direction::Down));
    lbYoko->setText(cross::clueLines(m_grid, cross::Direction::Across));
    surface->setMarks(m_grid.numberMarks());
    for (int k = 1; k <= cross::kGridSize; ++k) {
        if (usable(k)) {
            focusCell(k);
            break;
        }
    }
}

void FrmCross::puzzle(int course)
{
    const auto [fromNo, toNo] = cross::courseFiles(course);
    WordRead(fromNo, toNo);
    WordMix();
    CrossMake();
    CrossShow();
}

void FrmCross::mnuCourse1_Click(int index)
{
    courseNo = index;
    puzzle(courseNo);
}

void FrmCross::mnuNext_Click()
{
    mnuCourse1_Click(courseNo);
}

void FrmCross::Text1_Click()
{
    Text1->hide();
    mnuNext_Click();
}

} // namespace lumo
