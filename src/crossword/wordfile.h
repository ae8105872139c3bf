#pragma once
// Crossword word files: "word-1.dat" … "word-19.dat" in the program folder,
// one entry a line: the word, a comma, the meaning, optionally a further
// comma and anything after it. Courses read a range of files together.

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace lumo {

class RandomSource;

namespace cross {

// A course reads at most this many entries; the rest are left out.
inline constexpr int kMaxWords = 1000;
inline constexpr int kCourseCount = 5;
inline constexpr int kWordFileCount = 19;

struct WordEntry {
    QString eng; // the answer, exactly as written; emptied once placed in a grid
    QString jap; // the clue
    friend bool operator==(const WordEntry&, const WordEntry&) = default;
};
using WordList = std::vector<WordEntry>;

// One line of a word file. Lines without a comma, or whose first comma is the
// first or second character, give nothing: a word has at least two characters.
// Nor do lines over kMaxLineLength characters.
std::optional<WordEntry> parseWordLine(QStringView line);

// Every entry of a text, in order, at most kMaxWords.
struct ParsedWords {
    WordList words;
    bool truncated = false; // more than kMaxWords entries; the rest left out
};
ParsedWords parseWordText(QStringView text);

// The files of course 1..5 as an inclusive range of file numbers.
std::pair<int, int> courseFiles(int course);
// "word-<n>.dat".
QString wordFileName(int number);

struct CourseWords {
    WordList words;
    bool truncated = false;
    // One Japanese sentence per file that was missing or could not be read
    // cleanly, naming the file. A missing file counts as empty.
    QStringList problems;
};
// Reads files fromNo..toNo of `folder` (with trailing separator), joined in
// ascending order, each one ending its last line.
CourseWords readWordFiles(const QString& folder, int fromNo, int toNo);

// Shuffles in place: the source is reseeded from the time of day, then each
// entry i (1-based) is exchanged with entry round(u × 1000) mod count + 1.
void mixWords(WordList& words, RandomSource& random);

} // namespace cross
} // namespace lumo
