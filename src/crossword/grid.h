#pragma once
// The crossword grid model: 12 × 12 positions with a ring of blocked
// positions round them, the solution characters, the placed words with their
// clues and numbers, and what each of the 144 cells shows (position and size
// in twips, text, whether it is a black number cell). Free of widgets: the
// window copies the cells onto its text boxes.

#include "crossword/wordfile.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace lumo::cross {

inline constexpr int kGridSize = 12;
inline constexpr int kCellCount = kGridSize * kGridSize;
// Entries of the clue, answer and number arrays (1-based; 0 unused). Fewer
// than 100 words ever fit: at most four across a row and three down a column.
inline constexpr int kMaxPlaced = 100;
// The state arrays reach past the grid on every side, so the positions just
// outside it read as blocked.
inline constexpr int kArrayEdge = 20;

// Placement state of a position.
inline constexpr int kBlocked = 0; // outside the grid, or the stop after a word
inline constexpr int kFree = 1;
inline constexpr int kFilled = 100; // holds a letter of a placed word

enum class Direction { Across = 1, Down = 2 };

// A rectangle in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The template cell every grid cell is copied from.
inline constexpr TwipsRect kTemplateCell{315, 945, 420, 420};

// Cell k (1..144) at (row, col): k = (row − 1) × 12 + col.
inline int cellIndex(int row, int col)
{
    return (row - 1) * kGridSize + col;
}
inline int rowOf(int k)
{
    return (k - 1) / kGridSize + 1;
}
inline int colOf(int k)
{
    return (k - 1) % kGridSize + 1;
}

// What a cell shows after generation. A letter cell keeps the template's
// size and an empty text; a number cell is black, smaller, and shows the
// number(s) of the word(s) starting next to it.
struct CellLook {
    TwipsRect rect;
    QString text;
    bool numberCell = false;
    bool border = true;
};

// A word number printed on the window surface at (x, y) twips.
struct NumberMark {
    int number = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const NumberMark&, const NumberMark&) = default;
};
// "number,x,y" back into its parts; nullopt for an empty or malformed entry.
std::optional<NumberMark> parseNumberMark(const QString& entry);

class Crossword {
  public:
    explicit Crossword(TwipsRect templateCell = kTemplateCell);

    // The word list of the current course, in its shuffled order. Placing a
    // word empties its `eng`, so a word is used once per grid.
    WordList& words() { return m_words; }
    const WordList& words() const { return m_words; }
    void setWords(WordList words) { m_words = std::move(words); }

    // Resets every cell, the placement state and the per-puzzle records.
    void clearGrid();
    // clearGrid, then tries an across and then a down word at every
    // position, row by row.
    void generate();
    // Try to start an across / a down word at (row, col), 1..12.
    void placeAcross(int row, int col);
    void placeDown(int row, int col);
    // The first unused word that fits the slot, recorded, numbered and with
    // its number cell prepared; empty when none fits. Writes no letters.
    QString findWord(int row, int col, Direction direction);

    // Positions 0..20 in both directions; anything further reads as blocked.
    int cellState(int row, int col) const;
    // The solution character, "*" for a grid position without a letter, ""
    // outside the grid.
    QString answerChar(int row, int col) const;
    bool isLetter(int row, int col) const { return cellState(row, col) == kFilled; }

    const CellLook& cell(int k) const { return m_cells.at(k); }
    TwipsRect templateCell() const { return m_template; }

    int yokoCount() const { return m_yokoCount; }
    int tateCount() const { return m_tateCount; }
    // 1-based, up to the counts.
    const QString& acrossClue(int k) const { return m_acrossClues.at(k); }
    const QString& acrossAnswer(int k) const { return m_acrossAnswers.at(k); }
    const QString& downClue(int k) const { return m_downClues.at(k); }
    const QString& downAnswer(int k) const { return m_downAnswers.at(k); }
    // 1-based, in placement order across both directions.
    const QString& numberMark(int m) const { return m_numberMark.at(m); }
    std::vector<NumberMark> numberMarks() const;

  private:
    void setState(int row, int col, int state);
    void markNumberCell(int row, int col, Direction direction, int number, const TwipsRect& start);

    using StateArray = std::array<std::array<qint16, kArrayEdge + 1>, kArrayEdge + 1>;
    using CharArray = std::array<std::array<QString, kArrayEdge + 1>, kArrayEdge + 1>;
    using Records = std::array<QString, kMaxPlaced + 1>;

    TwipsRect m_template;
    WordList m_words;
    StateArray m_cellState{};
    CharArray m_answerChar;
    std::array<CellLook, kCellCount + 1> m_cells; // 1..144
    Records m_acrossClues, m_acrossAnswers, m_downClues, m_downAnswers, m_numberMark;
    int m_yokoCount = 0;
    int m_tateCount = 0;
};

// The clue list of a direction: "k, text" and CR LF for k = 1..count, the
// last line ending too; empty for no words.
QString clueLines(const Crossword& grid, Direction direction);
// The answer list shown by a hint: the heading, CR LF, then the numbered
// answer words in the same shape.
QString hintLines(const Crossword& grid, Direction direction);

// Cells whose letter is given at the start: for each letter position in
// cell order one draw u; the letter is given when round(u × 100) is a
// multiple of 12 (about one letter in twelve).
std::vector<int> chooseGivenLetters(const Crossword& grid, RandomSource& random);

} // namespace lumo::cross
