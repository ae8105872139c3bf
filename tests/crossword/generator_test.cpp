#include "crossword/grid.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

using namespace lumo;
using namespace lumo::cross;

namespace {

WordList listOf(std::initializer_list<const char*> words)
{
    WordList list;
    for (const char* w : words)
        list.push_back({QString::fromUtf8(w), QStringLiteral("意味:") + QString::fromUtf8(w)});
    return list;
}

// Rows of the grid as text: letters as they are, "#" for number cells, "."
// for empty positions.
QString picture(const Crossword& g)
{
    QString out;
    for (int row = 1; row <= kGridSize; ++row) {
        for (int col = 1; col <= kGridSize; ++col) {
            if (g.isLetter(row, col))
                out += g.answerChar(row, col);
            else
                out += g.cell(cellIndex(row, col)).numberCell ? u'#' : u'.';
        }
        out += u'\n';
    }
    return out;
}

struct Placed {
    Direction direction;
    int number;
    int row;
    int col;
    QString word;
};

// The placed words, recovered from where their numbers are printed: across
// numbers 250 twips left of the start cell and 50 below its top, down
// numbers 50 right of its left and 250 above it.
std::vector<Placed> placedWords(const Crossword& g)
{
    std::vector<Placed> placed;
    for (const NumberMark& m : g.numberMarks()) {
        const TwipsRect t = kTemplateCell;
        if ((m.x + 250 - t.left) % t.width == 0) {
            const int col = (m.x + 250 - t.left) / t.width + 1;
            const int row = (m.y - 50 - t.top) / t.height + 1;
            placed.push_back({Direction::Across, m.number, row, col, g.acrossAnswer(m.number)});
        } else {
            EXPECT_EQ((m.x - 50 - t.left) % t.width, 0);
            const int col = (m.x - 50 - t.left) / t.width + 1;
            const int row = (m.y + 250 - t.top) / t.height + 1;
            placed.push_back({Direction::Down, m.number, row, col, g.downAnswer(m.number)});
        }
    }
    return placed;
}

// Runs of two or more letters along rows (across) or columns (down), as
// (row, col, length).
std::set<std::tuple<int, int, int>> letterRuns(const Crossword& g, Direction direction)
{
    std::set<std::tuple<int, int, int>> runs;
    const bool across = direction == Direction::Across;
    for (int line = 1; line <= kGridSize; ++line) {
        int start = 0;
        for (int pos = 1; pos <= kGridSize + 1; ++pos) {
            const bool letter = across ? g.isLetter(line, pos) : g.isLetter(pos, line);
            if (letter && start == 0)
                start = pos;
            if (!letter && start != 0) {
                if (pos - start >= 2)
                    runs.insert(across ? std::make_tuple(line, start, pos - start)
                                       : std::make_tuple(start, line, pos - start));
                start = 0;
            }
        }
    }
    return runs;
}

struct Tally {
    int words = 0;
    int acrossOnly = 0;
    int downOnly = 0;
    int shared = 0;
};

// Every rule a finished grid must obey.
void checkGrid(const Crossword& g, const WordList& input, Tally& tally)
{
    const std::vector<Placed> placed = placedWords(g);
    ASSERT_EQ(int(placed.size()), g.yokoCount() + g.tateCount());
    tally.words += int(placed.size());

    // Numbering: each direction counts 1, 2, … in placement order, and
    // placement runs row by row, across before down at the same position.
    int across = 0, down = 0;
    std::tuple<int, int, int> previous{0, 0, 0};
    for (const Placed& p : placed) {
        EXPECT_EQ(p.number, p.direction == Direction::Across ? ++across : ++down);
        const std::tuple<int, int, int> at{p.row, p.col, int(p.direction)};
        EXPECT_LT(previous, at);
        previous = at;
    }

    // Every word reads back from the grid, and stops at a blocked position.
    std::set<std::pair<int, int>> covered;
    std::set<std::tuple<int, int, int>> acrossWords, downWords;
    for (const Placed& p : placed) {
        const int length = int(p.word.size());
        const int dr = p.direction == Direction::Down, dc = p.direction == Direction::Across;
        for (int k = 0; k < length; ++k) {
            const int r = p.row + k * dr, c = p.col + k * dc;
            ASSERT_TRUE(r <= kGridSize && c <= kGridSize) << p.word.toStdString();
            EXPECT_EQ(g.cellState(r, c), kFilled);
            EXPECT_EQ(g.answerChar(r, c), QString(p.word.at(k))) << p.word.toStdString();
            covered.insert({r, c});
        }
        if (p.direction == Direction::Across) {
            EXPECT_EQ(g.cellState(p.row, p.col + length), kBlocked);
            acrossWords.insert({p.row, p.col, length});
        } else {
            EXPECT_EQ(g.cellState(p.row + length + 1, p.col), kBlocked);
            EXPECT_NE(g.cellState(p.row + length, p.col), kFilled);
            downWords.insert({p.row, p.col, length});
        }
    }
    // No letter outside the words, and no two words side by side: the runs
    // of letters are exactly the words.
    for (int row = 1; row <= kGridSize; ++row) {
        for (int col = 1; col <= kGridSize; ++col) {
            EXPECT_EQ(g.isLetter(row, col), covered.count({row, col}) == 1);
            if (!g.isLetter(row, col)) {
                EXPECT_EQ(g.answerChar(row, col), QStringLiteral("*"));
            }
        }
    }
    EXPECT_EQ(letterRuns(g, Direction::Across), acrossWords);
    EXPECT_EQ(letterRuns(g, Direction::Down), downWords);

    // No entry placed twice: each placed word used up one entry of its own.
    std::map<QString, int> available, placedCount, remaining;
    for (const WordEntry& e : input)
        ++available[e.eng];
    for (const Placed& p : placed)
        ++placedCount[p.word];
    for (const WordEntry& e : g.words())
        ++remaining[e.eng];
    for (const auto& [word, n] : placedCount) {
        EXPECT_LE(n, available[word]) << word.toStdString();
        EXPECT_EQ(remaining[word] + n, available[word]);
    }
    EXPECT_EQ(remaining[QString()], int(placed.size()));

    // The first word of 12 characters or fewer opens the grid at the top left.
    for (const WordEntry& e : input) {
        if (e.eng.size() <= kGridSize) {
            ASSERT_FALSE(placed.empty());
            EXPECT_EQ(placed[0].direction, Direction::Across);
            EXPECT_EQ(std::make_pair(placed[0].row, placed[0].col), std::make_pair(1, 1));
            EXPECT_EQ(placed[0].word, e.eng);
            break;
        }
    }

    // Number cells: just before each word start inside the grid, showing the
    // across number above the down number, sized and placed by their kind.
    std::map<int, QString> acrossAt, downAt;
    for (const Placed& p : placed) {
        if (p.direction == Direction::Across && p.col > 1)
            acrossAt[cellIndex(p.row, p.col - 1)] = QString::number(p.number);
        if (p.direction == Direction::Down && p.row > 1)
            downAt[cellIndex(p.row - 1, p.col)] = QString::number(p.number);
    }
    const TwipsRect t = kTemplateCell;
    for (int k = 1; k <= kCellCount; ++k) {
        const CellLook& look = g.cell(k);
        const int rowTop = t.top + (rowOf(k) - 1) * t.height;
        const int left = t.left + (colOf(k) - 1) * t.width;
        const bool a = acrossAt.count(k), d = downAt.count(k);
        EXPECT_EQ(look.numberCell, a || d) << k;
        if (!a && !d) {
            EXPECT_EQ(look.rect, (TwipsRect{left, rowTop, t.width, t.height}));
            EXPECT_TRUE(look.text.isEmpty());
            continue;
        }
        EXPECT_FALSE(g.isLetter(rowOf(k), colOf(k)));
        EXPECT_FALSE(look.border);
        if (a && d) {
            ++tally.shared;
            EXPECT_EQ(look.text, acrossAt[k] + QStringLiteral("\r\n") + downAt[k]);
            EXPECT_EQ(look.rect, (TwipsRect{left, rowTop + 30, t.width - 20, t.height - 20}));
        } else if (a) {
            ++tally.acrossOnly;
            EXPECT_EQ(look.text, acrossAt[k]);
            EXPECT_EQ(look.rect, (TwipsRect{left, rowTop + 80, t.width - 20, t.height / 2}));
        } else {
            ++tally.downOnly;
            EXPECT_EQ(look.text, downAt[k]);
            EXPECT_EQ(look.rect, (TwipsRect{left, rowTop + t.height - t.height / 2 - 10, t.width - 20, t.height / 2}));
        }
    }
}

// Word lists with many short words, a few long ones, some capitals and spaces.
WordList randomWords(std::mt19937& engine)
{
    static const QString letters = QStringLiteral("aeinorstlcdmupe");
    std::uniform_int_distribution<int> count(0, 250), length(2, 8), letter(0, int(letters.size()) - 1), percent(0, 99);
    WordList words;
    const int n = count(engine);
    for (int i = 0; i < n; ++i) {
        int len = length(engine);
        if (percent(engine) < 8)
            len += 6; // up to 14: some never fit
        QString word;
        for (int k = 0; k < len; ++k)
            word += letters.at(letter(engine));
        if (percent(engine) < 10)
            word[0] = word[0].toUpper();
        if (len > 4 && percent(engine) < 5)
            word[2] = u' ';
        words.push_back({word, QStringLiteral("意味%1").arg(i)});
    }
    return words;
}

} // namespace

TEST(generate, EveryGridObeysThePlacementRules)
{
    Tally tally;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 engine(seed);
        const WordList input = randomWords(engine);
        Crossword g;
        g.setWords(input);
        g.generate();
        SCOPED_TRACE(seed);
        checkGrid(g, input, tally);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << picture(g).toStdString();
            break;
        }
    }
    // The sample must reach every kind of number cell to mean anything.
    EXPECT_GT(tally.words, 400 * 10);
    EXPECT_GT(tally.shared, 0);
    EXPECT_GT(tally.acrossOnly, 0);
    EXPECT_GT(tally.downOnly, 0);
}

TEST(generate, SmallGridByHand)
{
    Crossword g;
    g.setWords(listOf({"CAT", "CUP", "TEA", "APE"}));
    g.generate();
    EXPECT_EQ(picture(g), QStringLiteral("CAT#APE.....\n"
                                         "U.E.........\n"
                                         "P.A.........\n") +
                              QStringLiteral("............\n").repeated(9));
    EXPECT_EQ(g.yokoCount(), 2);
    EXPECT_EQ(g.tateCount(), 2);
    EXPECT_EQ(g.acrossClue(2), QStringLiteral("意味:APE"));
    EXPECT_EQ(g.downAnswer(2), QStringLiteral("TEA"));
    // Placement order: CAT across, CUP down, TEA down, APE across.
    EXPECT_EQ(g.numberMark(1), QStringLiteral("1,65,995"));
    EXPECT_EQ(g.numberMark(2), QStringLiteral("1,365,695"));
    EXPECT_EQ(g.numberMark(3), QStringLiteral("2,1205,695"));
    EXPECT_EQ(g.numberMark(4), QStringLiteral("2,1745,995"));
    EXPECT_TRUE(g.numberMark(5).isEmpty());
    // The blocked position after APE is its number cell's neighbour; the
    // number cell of APE sits on the stop after CAT.
    EXPECT_EQ(g.cell(4).text, QStringLiteral("2"));
    EXPECT_EQ(clueLines(g, Direction::Across), QStringLiteral("1, 意味:CAT\r\n2, 意味:APE\r\n"));
    EXPECT_EQ(hintLines(g, Direction::Down), QStringLiteral("縦のカギ\r\n1, CUP\r\n2, TEA\r\n"));
    EXPECT_EQ(hintLines(g, Direction::Across), QStringLiteral("横のカギ\r\n1, CAT\r\n2, APE\r\n"));
}

TEST(generate, NothingFitsGivesAnEmptyGrid)
{
    for (const WordList& words : {WordList{}, listOf({"abcdefghijklm", "thirteen chars"})}) {
        Crossword g;
        g.setWords(words);
        g.generate();
        EXPECT_EQ(g.yokoCount() + g.tateCount(), 0);
        EXPECT_TRUE(g.numberMarks().empty());
        EXPECT_EQ(picture(g), QStringLiteral("............\n").repeated(12));
        EXPECT_TRUE(clueLines(g, Direction::Down).isEmpty());
    }
}

TEST(generate, LongWordsAreSkippedAndTwoLettersFit)
{
    Crossword g;
    g.setWords(listOf({"abcdefghijklm", "ok"}));
    g.generate();
    EXPECT_EQ(g.acrossAnswer(1), QStringLiteral("ok"));
    EXPECT_EQ(g.answerChar(1, 2), QStringLiteral("k"));
    EXPECT_EQ(g.cellState(1, 3), kBlocked);
    EXPECT_EQ(g.words()[0].eng, QStringLiteral("abcdefghijklm")); // still unused
}

TEST(generate, ClearingForgetsThePreviousGrid)
{
    Crossword g;
    g.setWords(listOf({"CAT", "CUP"}));
    g.generate();
    g.setWords(listOf({"dog"}));
    g.generate();
    EXPECT_EQ(g.yokoCount(), 1);
    EXPECT_EQ(g.tateCount(), 0);
    EXPECT_EQ(g.answerChar(2, 1), QStringLiteral("*"));
    EXPECT_EQ(g.cellState(2, 1), kFree);
    EXPECT_TRUE(g.downClue(1).isEmpty());
    EXPECT_TRUE(g.numberMark(2).isEmpty());
}

TEST(findWord, CrossingComparesCaseExactly)
{
    Crossword g;
    g.setWords(listOf({"abc"}));
    g.placeAcross(1, 1);
    g.setWords(listOf({"Bq"}));
    g.placeDown(1, 2);
    EXPECT_EQ(g.tateCount(), 0);
    g.setWords(listOf({"bq"}));
    g.placeDown(1, 2);
    EXPECT_EQ(g.downAnswer(1), QStringLiteral("bq"));
    EXPECT_EQ(g.answerChar(2, 2), QStringLiteral("q"));
}

TEST(findWord, RefusesWordsBesideAParallelWord)
{
    Crossword g;
    g.setWords(listOf({"abc"}));
    g.placeAcross(1, 1);
    g.setWords(listOf({"xyz"}));
    g.placeAcross(2, 1); // each letter would sit right under abc
    EXPECT_EQ(g.yokoCount(), 1);
    g.placeDown(1, 4); // the stop after abc leaves no room
    g.placeDown(2, 4); // only touches c at a corner
    EXPECT_EQ(g.downAnswer(1), QStringLiteral("xyz"));
    EXPECT_EQ(g.answerChar(2, 4), QStringLiteral("x"));
    g.setWords(listOf({"uvw"}));
    g.placeDown(2, 5); // each letter would sit beside xyz
    EXPECT_EQ(g.tateCount(), 1);
    EXPECT_EQ(g.cellState(2, 5), kFree);
}

TEST(findWord, RefusesAWordEndingRightBeforeALetter)
{
    Crossword g;
    g.setWords(listOf({"xyz"}));
    g.placeDown(2, 5);
    g.setWords(listOf({"abcd", "abc"}));
    g.placeAcross(3, 1); // abcd would end just before the y at (3, 5)
    EXPECT_EQ(g.acrossAnswer(1), QStringLiteral("abc"));
    EXPECT_EQ(g.cellState(3, 4), kBlocked);
}

TEST(YokoSetTateSet, BlockThePositionsAfterAWord)
{
    Crossword g;
    g.setWords(listOf({"word", "down"}));
    g.placeAcross(4, 3);
    g.placeDown(6, 9);
    EXPECT_EQ(g.cellState(4, 7), kBlocked); // right after the across word
    EXPECT_EQ(g.cellState(10, 9), kFree);   // right below the down word
    EXPECT_EQ(g.cellState(11, 9), kBlocked);
    // A down word may not start under a letter, nor an across word after one.
    g.setWords(listOf({"nope"}));
    g.placeDown(10, 9);
    g.placeAcross(4, 4);
    EXPECT_EQ(g.yokoCount() + g.tateCount(), 2);
}

TEST(NumberCells, AcrossDownAndShared)
{
    Crossword g;
    g.setWords(listOf({"abc", "pq", "xyz"}));
    g.placeAcross(3, 2); // abc across, number cell (3, 1)
    g.placeDown(4, 1);   // pq down, shares the number cell (3, 1)
    g.placeDown(8, 6);   // xyz down, number cell (7, 6)
    const TwipsRect t = kTemplateCell;

    const CellLook& shared = g.cell(cellIndex(3, 1));
    EXPECT_TRUE(shared.numberCell);
    EXPECT_EQ(shared.text, QStringLiteral("1\r\n1"));
    EXPECT_EQ(shared.rect, (TwipsRect{t.left, t.top + 2 * 420 + 30, 400, 400}));

    const CellLook& down = g.cell(cellIndex(7, 6));
    EXPECT_EQ(down.text, QStringLiteral("2"));
    EXPECT_EQ(down.rect, (TwipsRect{t.left + 5 * 420, t.top + 7 * 420 - 210 - 10, 400, 210}));

    g.setWords(listOf({"end"}));
    g.placeAcross(11, 4); // its last letter would sit under the z of xyz
    g.placeAcross(11, 8);
    const CellLook& across = g.cell(cellIndex(11, 7));
    EXPECT_EQ(across.text, QStringLiteral("2"));
    EXPECT_EQ(across.rect, (TwipsRect{t.left + 6 * 420, t.top + 10 * 420 + 80, 400, 210}));

    EXPECT_EQ(g.numberMark(1), QStringLiteral("1,485,1835"));
    EXPECT_EQ(g.numberMark(2), QStringLiteral("1,365,1955"));
    const std::vector<NumberMark> marks = g.numberMarks();
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[3], (NumberMark{2, t.left + 7 * 420 - 250, t.top + 10 * 420 + 50}));
}

TEST(GivenLetters, AboutOneInTwelve)
{
    Crossword g;
    g.setWords(listOf({"abcdefghijkl", "abcdefghijkl"})); // 23 letter cells
    g.generate();
    test::ScriptedRandom scripted;
    // Only letter positions draw; round(u × 100) must be a multiple of 12.
    scripted.values.assign(23, 0.5f);
    scripted.values[0] = 0.004f; // 0: given
    scripted.values[5] = 0.12f;  // 12: given
    scripted.values[22] = 0.96f; // 96: given, the last letter (12, 1)
    scripted.values[7] = 0.995f; // 100: not given
    EXPECT_EQ(chooseGivenLetters(g, scripted), (std::vector<int>{1, 6, 133}));
    EXPECT_EQ(scripted.draws, 23);

    std::mt19937 engine(7);
    class Engine final : public RandomSource {
      public:
        explicit Engine(std::mt19937& e) : m_e(e) {}
        float next() override { return float(m_e() >> 8) / 16777216.0f; }
        void randomize() override {}
        std::mt19937& m_e;
    } random(engine);
    int given = 0;
    for (int i = 0; i < 400; ++i)
        given += int(chooseGivenLetters(g, random).size());
    const double share = given / (400.0 * 23);
    EXPECT_GT(share, 0.07);
    EXPECT_LT(share, 0.10);
}

TEST(NumberMarks, ParseBackOrRefuse)
{
    EXPECT_EQ(parseNumberMark(QStringLiteral("12,-185,995")), (NumberMark{12, -185, 995}));
    EXPECT_FALSE(parseNumberMark(QString()).has_value());
    EXPECT_FALSE(parseNumberMark(QStringLiteral("1,2")).has_value());
    EXPECT_FALSE(parseNumberMark(QStringLiteral("a,2,3")).has_value());
}
