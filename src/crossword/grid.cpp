#include "crossword/grid.h"

#include "base/random.h"
#include "data/textfile.h"

#include <QStringList>

namespace lumo::cross {

std::optional<NumberMark> parseNumberMark(const QString& entry)
{
    const QStringList parts = entry.split(u',');
    if (parts.size() != 3)
        return std::nullopt;
    NumberMark mark;
    bool ok[3] = {};
    mark.number = parts[0].toInt(&ok[0]);
    mark.x = parts[1].toInt(&ok[1]);
    mark.y = parts[2].toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return mark;
}

Crossword::Crossword(TwipsRect templateCell) : m_template(templateCell)
{
    clearGrid();
}

void Crossword::clearGrid()
{
    for (auto& row : m_cellState)
        row.fill(kBlocked);
    for (auto& row : m_answerChar)
        row.fill(QString());
    for (int row = 1; row <= kGridSize; ++row) {
        for (int col = 1; col <= kGridSize; ++col) {
            CellLook& look = m_cells[cellIndex(row, col)];
            look.rect = {m_template.left + (col - 1) * m_template.width, m_template.top + (row - 1) * m_template.height,
                         m_template.width, m_template.height};
            look.text.clear();
            look.numberCell = false;
            look.border = true;
            m_cellState[row][col] = kFree;
            m_answerChar[row][col] = QStringLiteral("*");
        }
    }
    for (Records* records : {&m_numberMark, &m_downClues, &m_acrossClues})
        records->fill(QString());
    m_tateCount = 0;
    m_yokoCount = 0;
}

int Crossword::cellState(int row, int col) const
{
    if (row < 0 || col < 0 || row > kArrayEdge || col > kArrayEdge)
        return kBlocked;
    return m_cellState[row][col];
}

QString Crossword::answerChar(int row, int col) const
{
    if (row < 0 || col < 0 || row > kArrayEdge || col > kArrayEdge)
        return {};
    return m_answerChar[row][col];
}

void Crossword::setState(int row, int col, int state)
{
    if (row >= 0 && col >= 0 && row <= kArrayEdge && col <= kArrayEdge)
        m_cellState[row][col] = qint16(state);
}

std::vector<NumberMark> Crossword::numberMarks() const
{
    std::vector<NumberMark> marks;
    for (int m = 1; m <= kMaxPlaced && !m_numberMark[m].isEmpty(); ++m) {
        if (std::optional<NumberMark> mark = parseNumberMark(m_numberMark[m]))
            marks.push_back(*mark);
    }
    return marks;
}

namespace {

QString numberedLines(const Crossword& grid, Direction direction, bool answers)
{
    QString text;
    const bool across = direction == Direction::Across;
    const int count = across ? grid.yokoCount() : grid.tateCount();
    for (int k = 1; k <= count; ++k) {
        const QString& item = answers ? (across ? grid.acrossAnswer(k) : grid.downAnswer(k))
                                      : (across ? grid.acrossClue(k) : grid.downClue(k));
        text += QString::number(k);
        text += QStringLiteral(", ");
        text += item;
        text += kCrLf;
    }
    return text;
}

} // namespace

QString clueLines(const Crossword& grid, Direction direction)
{
    return numberedLines(grid, direction, false);
}

QString hintLines(const Crossword& grid, Direction direction)
{
    const QString heading = direction == Direction::Across ? QStringLiteral("横のカギ") : QStringLiteral("縦のカギ");
    return heading + kCrLf + numberedLines(grid, direction, true);
}

std::vector<int> chooseGivenLetters(const Crossword& grid, RandomSource& random)
{
    std::vector<int> given;
    for (int row = 1; row <= kGridSize; ++row) {
        for (int col = 1; col <= kGridSize; ++col) {
            if (grid.answerChar(row, col) == u"*")
                continue;
            const int v = roundHalfEven(random.next() * 100.0f);
            if (v % kGridSize == 0)
                given.push_back(cellIndex(row, col));
        }
    }
    return given;
}

} // namespace lumo::cross
