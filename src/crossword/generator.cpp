// Filling the grid: every position is tried once, row by row, first for an
// across word and then for a down word; the first unused word of the
// shuffled list that fits the letters already placed is taken.
#include "crossword/grid.h"

#include "data/textfile.h"

namespace lumo::cross {

namespace {

struct Step {
    int dRow;
    int dCol;
};
Step stepOf(Direction direction)
{
    return direction == Direction::Across ? Step{0, 1} : Step{1, 0};
}

} // namespace

void Crossword::generate()
{
    clearGrid();
    for (int row = 1; row <= kGridSize; ++row) {
        for (int col = 1; col <= kGridSize; ++col) {
            placeAcross(row, col);
            placeDown(row, col);
        }
    }
}

void Crossword::placeAcross(int row, int col)
{
    if (cellState(row, col - 1) == kFilled || cellState(row, col) == kBlocked)
        return;
    int room = 0;
    while (cellState(row, col + room) > kBlocked)
        ++room;
    if (room < 3)
        return;
    const QString word = findWord(row, col, Direction::Across);
    if (word.isEmpty())
        return;
    const int length = int(word.size());
    for (int k = 0; k < length; ++k) {
        setState(row, col + k, kFilled);
        m_answerChar[row][col + k] = word.at(k);
    }
    // Nothing may follow the word directly in its row.
    setState(row, col + length, kBlocked);
}

void Crossword::placeDown(int row, int col)
{
    if (cellState(row - 1, col) == kFilled)
        return;
    int room = 0;
    while (cellState(row + room, col) != kBlocked)
        ++room;
    if (room < 3)
        return;
    const QString word = findWord(row, col, Direction::Down);
    if (word.isEmpty())
        return;
    const int length = int(word.size());
    for (int k = 0; k < length; ++k) {
        setState(row + k, col, kFilled);
        m_answerChar[row + k][col] = word.at(k);
    }
    // The position right below a down word stays free: no later word can put
    // a letter there (an across word would sit beside this word's last
    // letter, a down word cannot start under a letter). The stop goes one
    // further down.
    setState(row + length + 1, col, kBlocked);
}

QString Crossword::findWord(int row, int col, Direction direction)
{
    const Step step = stepOf(direction);
    // Perpendicular neighbours of a letter position.
    const Step side = direction == Direction::Across ? Step{1, 0} : Step{0, 1};

    auto fits = [&](const QString& word) {
        const int length = int(word.size());
        for (int k = 0; k < length; ++k) {
            const int r = row + k * step.dRow;
            const int c = col + k * step.dCol;
            switch (cellState(r, c)) {
            case kBlocked: return false; // also the edge of the grid
            case kFilled:
                if (m_answerChar[r][c] != word.at(k)) // crossing letters agree exactly, case included
                    return false;
                break;
            default:
                if (cellState(r - side.dRow, c - side.dCol) == kFilled ||
                    cellState(r + side.dRow, c + side.dCol) == kFilled)
                    return false; // would touch a parallel word
                break;
            }
        }
        // Nor may it end directly before another letter.
        return cellState(row + length * step.dRow, col + length * step.dCol) != kFilled;
    };

    if (m_yokoCount + m_tateCount >= kMaxPlaced)
        return {};
    for (WordEntry& entry : m_words) {
        if (entry.eng.isEmpty() || !fits(entry.eng))
            continue;

        int number = 0;
        if (direction == Direction::Across) {
            number = ++m_yokoCount;
            m_acrossClues[number] = entry.jap;
            m_acrossAnswers[number] = entry.eng;
        } else {
            number = ++m_tateCount;
            m_downClues[number] = entry.jap;
            m_downAnswers[number] = entry.eng;
        }
        const TwipsRect start = m_cells[cellIndex(row, col)].rect;
        const int x = direction == Direction::Across ? start.left - 250 : start.left + 50;
        const int y = direction == Direction::Across ? start.top + 50 : start.top - 250;
        m_numberMark[m_yokoCount + m_tateCount] = QStringLiteral("%1,%2,%3").arg(number).arg(x).arg(y);

        QString word;
        word.swap(entry.eng); // used in this grid
        // The position before the start becomes the number cell, when it lies
        // inside the grid.
        const int beforeRow = row - step.dRow;
        const int beforeCol = col - step.dCol;
        if (answerChar(beforeRow, beforeCol) == u"*")
            markNumberCell(beforeRow, beforeCol, direction, number, start);
        return word;
    }
    return {};
}

void Crossword::markNumberCell(int row, int col, Direction direction, int number, const TwipsRect& start)
{
    CellLook& look = m_cells[cellIndex(row, col)];
    const TwipsRect& t = m_template;
    const QString numberText = QString::number(number);
    look.numberCell = true;
    look.border = false;
    look.rect.width = t.width - 20;
    if (direction == Direction::Across) {
        // Across number on the first line, a little below the cell's top.
        look.rect.height = t.height / 2;
        look.rect.top += 80;
        if (look.text.isEmpty()) {
            look.text = numberText;
        } else {
            look.text = numberText + kCrLf + look.text;
            look.rect.height = t.height - 20;
        }
    } else {
        // Down number just above the start cell; below an across number when
        // the cell already carries one.
        look.rect.height = t.height / 2;
        look.rect.top = start.top - t.height / 2 - 10;
        if (look.text.isEmpty()) {
            look.text = numberText;
        } else {
            look.text = look.text + kCrLf + numberText;
            look.rect.height = t.height - 20;
            look.rect.top = start.top - t.height + 30;
        }
    }
}

} // namespace lumo::cross
