#include "review/historyreplay.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace lumo {
namespace {

constexpr QChar kRightMark = u'○';
constexpr QChar kWrongMark = u'×';

// A line of the history with the places of its commas (-1 when missing): the
// first, the one before the last, and the last.
struct ScannedLine {
    QStringView text;
    qsizetype firstComma = -1;
    qsizetype dateComma = -1;
    qsizetype lastComma = -1;
};

// Calls `f(ScannedLine)` for every line of `text`: a line ends at CR LF, a
// lone CR or a lone LF, as everywhere the program reads lines; a last line
// without a break counts. One pass over the characters finds the line ends
// and the commas together.
template <class F> void forEachHistoryLine(QStringView text, F f)
{
    const QChar* const begin = text.data();
    const QChar* const end = begin + text.size();
    const QChar* lineStart = begin;
    const QChar* first = nullptr;
    const QChar* beforeLast = nullptr;
    const QChar* last = nullptr;
    const auto finishLine = [&](const QChar* lineEnd) {
        const auto offset = [lineStart](const QChar* at) { return at ? at - lineStart : qsizetype{-1}; };
        f(ScannedLine{QStringView(lineStart, lineEnd), offset(first), offset(beforeLast), offset(last)});
        first = beforeLast = last = nullptr;
    };
    for (const QChar* at = begin; at < end; ++at) {
        const char16_t c = at->unicode();
        if (c > u',') // letters, digits, '/', kana and kanji: the bulk of the text
            continue;
        if (c == u',') {
            if (!first)
                first = at;
            beforeLast = last;
            last = at;
        } else if (c == u'\n' || c == u'\r') {
            finishLine(at);
            if (c == u'\r' && at + 1 < end && at[1] == u'\n')
                ++at;
            lineStart = at + 1;
        }
    }
    if (lineStart < end)
        finishLine(end);
}

// Leading and trailing spaces and tabs removed.
QStringView withoutOuterSpaces(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    while (end > start && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.sliced(start, end - start);
}

bool isMarks(QStringView marks)
{
    if (marks.isEmpty())
        return false;
    return std::all_of(marks.begin(), marks.end(), [](QChar c) { return c == kRightMark || c == kWrongMark; });
}

// Reads one to `maxDigits` ASCII digits at `pos`; nullopt when there are none
// or more.
std::optional<int> readNumber(QStringView text, qsizetype& pos, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

struct HistoryLine {
    QStringView english;
    QStringView meaning;
    QStringView marks;
    qint64 day = 0;
};

// Reads history lines; the lines of one run share their date, so each
// distinct date text is read once.
// Equal texts, compared in place: dates are short and compared on every line.
bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

class LineReader {
  public:
    std::optional<HistoryLine> read(const ScannedLine& scanned)
    {
        const QStringView line = scanned.text;
        if (scanned.firstComma <= 0 || scanned.dateComma <= scanned.firstComma)
            return std::nullopt;
        HistoryLine result;
        result.marks = line.sliced(scanned.lastComma + 1);
        if (!isMarks(result.marks)) {
            result.marks = withoutOuterSpaces(result.marks);
            if (!isMarks(result.marks))
                return std::nullopt;
        }
        const QStringView dateText = line.sliced(scanned.dateComma + 1, scanned.lastComma - scanned.dateComma - 1);
        if (!m_haveDate || !sameText(dateText, m_dateText)) {
            const auto date = readHistoryDate(dateText);
            if (!date)
                return std::nullopt;
            m_dateText = dateText;
            m_haveDate = true;
            m_day = date->toJulianDay();
        }
        result.day = m_day;
        result.english = line.first(scanned.firstComma);
        result.meaning = line.sliced(scanned.firstComma + 1, scanned.dateComma - scanned.firstComma - 1);
        return result;
    }

  private:
    QStringView m_dateText;
    bool m_haveDate = false;
    qint64 m_day = 0;
};

struct WordState {
    QStringView english;
    QStringView meaning;
    qint64 meaningDay = std::numeric_limits<qint64>::min();
    MemoryCard card;
    int firstLine = 0;
    bool outOfOrder = false; // a line dated before an earlier one: replayed again by date
};

MemoryCard replayMarks(const MemoryModel& model, MemoryCard card, qint64 day, QStringView marks)
{
    for (const QChar mark : marks)
        card = model.reviewed(card, day, mark == kRightMark ? Rating::Good : Rating::Again);
    return card;
}

// Replays the words whose lines are out of date order: their lines again,
// sorted by date, the order of the file kept within a date.
void replayByDate(QStringView history, std::vector<WordState>& words, const QHash<QStringView, int>& wordIndex,
                  const MemoryModel& model)
{
    struct Review {
        int word;
        qint64 day;
        QStringView marks;
    };
    std::vector<Review> reviews;
    LineReader reader;
    forEachHistoryLine(history, [&](const ScannedLine& line) {
        const auto read = reader.read(line);
        if (!read)
            return;
        const int word = wordIndex.value(read->english, -1);
        if (word >= 0 && words[static_cast<std::size_t>(word)].outOfOrder)
            reviews.push_back({word, read->day, read->marks});
    });
    std::stable_sort(reviews.begin(), reviews.end(), [](const Review& a, const Review& b) {
        return a.word != b.word ? a.word < b.word : a.day < b.day;
    });
    for (WordState& word : words) {
        if (word.outOfOrder)
            word.card = MemoryCard{};
    }
    for (const Review& review : reviews) {
        MemoryCard& card = words[static_cast<std::size_t>(review.word)].card;
        card = replayMarks(model, card, review.day, review.marks);
    }
}

} // namespace

std::optional<QDate> readHistoryDate(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    const auto year = readNumber(text, pos, 4);
    if (!year || pos != 4 || pos >= text.size())
        return std::nullopt;
    const QChar separator = text[pos];
    if (separator != u'/' && separator != u'-')
        return std::nullopt;
    ++pos;
    const auto month = readNumber(text, pos, 2);
    if (!month || pos >= text.size() || text[pos] != separator)
        return std::nullopt;
    ++pos;
    const auto day = readNumber(text, pos, 2);
    if (!day || pos != text.size())
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

ReplayedHistory replayHistory(QStringView history, QDate today)
{
    ReplayedHistory result;
    const MemoryModel model;
    std::vector<WordState> words;
    QHash<QStringView, int> wordIndex;
    bool anyOutOfOrder = false;
    LineReader reader;
    int lineNumber = -1;

    // One pass in the order of the file, which is the order of time: each
    // word's card is replayed as its lines come.
    forEachHistoryLine(history, [&](const ScannedLine& line) {
        ++lineNumber;
        if (line.text.isEmpty())
            return;
        const auto read = reader.read(line);
        if (!read) {
            // Empty lines separate the history's lines and mean nothing.
            if (!line.text.trimmed().isEmpty())
                ++result.skippedLines;
            return;
        }
        ++result.readLines;
        auto found = wordIndex.constFind(read->english);
        if (found == wordIndex.constEnd()) {
            found = wordIndex.insert(read->english, static_cast<int>(words.size()));
            words.push_back(WordState{read->english, {}, std::numeric_limits<qint64>::min(), {}, lineNumber, false});
        }
        WordState& word = words[static_cast<std::size_t>(*found)];
        if (read->day >= word.meaningDay) {
            word.meaning = read->meaning;
            word.meaningDay = read->day;
        }
        if (word.outOfOrder)
            return;
        if (word.card.reviews > 0 && read->day < word.card.lastReviewDay) {
            // A clock set back: this word is replayed by date at the end.
            word.outOfOrder = true;
            anyOutOfOrder = true;
            return;
        }
        word.card = replayMarks(model, word.card, read->day, read->marks);
    });
    if (anyOutOfOrder)
        replayByDate(history, words, wordIndex, model);

    const qint64 todayDay = today.toJulianDay();
    result.words.reserve(words.size());
    for (const WordState& word : words) {
        WordMemory memory;
        memory.english = word.english.toString();
        memory.meaning = word.meaning.toString();
        memory.card = word.card;
        memory.retrievability = model.retrievability(word.card, todayDay);
        memory.firstLine = word.firstLine;
        result.words.push_back(std::move(memory));
    }
    return result;
}

} // namespace lumo
