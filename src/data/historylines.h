#pragma once
// Reading the training history ("Training.dat") back, line by line, for
// everything that looks at the learner's past: today's review and the
// learning record. One reader, so they agree on which lines count.
//
// A history line is "English,meaning,date,marks": the meaning may hold commas,
// so the date is the field before the last comma and the marks the field after
// it (○ right, × wrong, oldest first; spaces around them are allowed). A line
// that is not empty and cannot be read this way (no commas, no date where the
// date belongs, a date that does not exist, no marks) is skipped and counted.
//
// A history of ten years holds a million lines, so the reader makes one pass
// over the characters and reads each distinct date text once (the lines of one
// run share their date).

#include <QDate>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace lumo {

inline constexpr QChar kRightMark = u'○';
inline constexpr QChar kWrongMark = u'×';

// The date of a history line: year/month/day with a four-digit year and one-
// or two-digit month and day ("2001/03/05", "2001/3/5"); "-" also separates.
std::optional<QDate> readHistoryDate(QStringView text);

// One readable line of the history; the texts point into the history text.
struct HistoryAnswer {
    QStringView english;
    QStringView meaning;
    QStringView marks;  // one or more of ○ and ×, spaces removed
    qint64 day = 0;     // Julian day of the line's date
    int lineNumber = 0; // counted from 0 over every line of the text
    bool firstRight() const { return marks.front() == kRightMark; }
    int wrongMarks() const { return static_cast<int>(std::count(marks.begin(), marks.end(), kWrongMark)); }
};

struct HistoryLineCounts {
    int readLines = 0;
    int skippedLines = 0; // not blank and not readable
    int lines = 0;        // every line, blank ones too
};

namespace historylines_detail {

// The places of a line's commas, -1 when missing: the first, the one before
// the last, and the last.
struct Commas {
    qsizetype first = -1;
    qsizetype date = -1;
    qsizetype last = -1;
};

// Reads a line with its commas found; remembers the last date text read.
class LineReader {
  public:
    bool read(QStringView line, const Commas& commas, HistoryAnswer& answer);

  private:
    QStringView m_dateText;
    bool m_haveDate = false;
    qint64 m_day = 0;
};

bool isBlank(QStringView line);

} // namespace historylines_detail

// Calls `onAnswer(const HistoryAnswer&)` for every readable line of `history`
// in the order of the text: a line ends at CR LF, a lone CR or a lone LF, as
// everywhere the program reads lines; a last line without a break counts.
template <class F> HistoryLineCounts forEachHistoryAnswer(QStringView history, F onAnswer)
{
    using historylines_detail::Commas;
    HistoryLineCounts counts;
    historylines_detail::LineReader reader;
    HistoryAnswer answer;
    int lineNumber = 0;
    const QChar* const begin = history.data();
    const QChar* const end = begin + history.size();
    const QChar* lineStart = begin;
    Commas commas;
    const auto finishLine = [&](const QChar* lineEnd) {
        const QStringView line(lineStart, lineEnd);
        if (!line.isEmpty()) {
            answer.lineNumber = lineNumber;
            if (reader.read(line, commas, answer)) {
                ++counts.readLines;
                onAnswer(static_cast<const HistoryAnswer&>(answer));
            } else if (!historylines_detail::isBlank(line)) {
                ++counts.skippedLines;
            }
        }
        ++lineNumber;
        commas = Commas{};
    };
    // One pass finds the line ends and the commas together.
    for (const QChar* at = begin; at < end; ++at) {
        const char16_t c = at->unicode();
        if (c > u',') // letters, digits, '/', kana and kanji: the bulk of the text
            continue;
        if (c == u',') {
            const qsizetype offset = at - lineStart;
            if (commas.first < 0)
                commas.first = offset;
            commas.date = commas.last;
            commas.last = offset;
        } else if (c == u'\n' || c == u'\r') {
            finishLine(at);
            if (c == u'\r' && at + 1 < end && at[1] == u'\n')
                ++at;
            lineStart = at + 1;
        }
    }
    if (lineStart < end)
        finishLine(end);
    counts.lines = lineNumber;
    return counts;
}

} // namespace lumo
