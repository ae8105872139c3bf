#include "review/historyreplay.h"

#include "data/textfile.h"

#include <QHash>

#include <algorithm>

namespace lumo {
namespace {

constexpr QChar kRightMark = u'○';
constexpr QChar kWrongMark = u'×';

// One readable history line, pointing into the history text.
struct ReviewLine {
    int word = 0;
    qint64 day = 0;
    qsizetype marksStart = 0;
    qsizetype marksLength = 0;
    qsizetype meaningStart = 0;
    qsizetype meaningLength = 0;
};

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
    std::vector<ReviewLine> lines;
    std::vector<QStringView> englishOfWord;
    QHash<QStringView, int> wordIndex;

    // Lines of one run share their date: read each distinct date text once.
    QStringView lastDateText;
    bool haveLastDate = false;
    qint64 lastDay = 0;
    int lineNumber = -1;
    std::vector<int> firstLineOfWord;

    forEachLine(history, [&](QStringView line) {
        ++lineNumber;
        if (line.trimmed().isEmpty())
            return true;
        const qsizetype firstComma = line.indexOf(u',');
        const qsizetype lastComma = line.lastIndexOf(u',');
        const qsizetype dateComma = lastComma > 0 ? line.lastIndexOf(u',', lastComma - 1) : -1;
        if (firstComma <= 0 || dateComma <= firstComma) {
            ++result.skippedLines;
            return true;
        }
        const QStringView dateText = line.sliced(dateComma + 1, lastComma - dateComma - 1);
        const QStringView marks = line.sliced(lastComma + 1).trimmed();
        if (!isMarks(marks)) {
            ++result.skippedLines;
            return true;
        }
        if (!haveLastDate || dateText != lastDateText) {
            const auto date = readHistoryDate(dateText);
            if (!date) {
                ++result.skippedLines;
                return true;
            }
            lastDateText = dateText;
            haveLastDate = true;
            lastDay = date->toJulianDay();
        }
        const QStringView english = line.first(firstComma);
        auto found = wordIndex.constFind(english);
        if (found == wordIndex.constEnd()) {
            found = wordIndex.insert(english, static_cast<int>(englishOfWord.size()));
            englishOfWord.push_back(english);
            firstLineOfWord.push_back(lineNumber);
        }
        const qsizetype lineStart = line.data() - history.data();
        lines.push_back(ReviewLine{*found, lastDay, lineStart + (marks.data() - line.data()), marks.size(),
                                   lineStart + firstComma + 1, dateComma - firstComma - 1});
        return true;
    });
    result.readLines = static_cast<int>(lines.size());

    // Group the lines by word, keeping the order of the file within a word.
    const std::size_t wordCount = englishOfWord.size();
    std::vector<std::size_t> groupStart(wordCount + 1, 0);
    for (const ReviewLine& line : lines)
        ++groupStart[static_cast<std::size_t>(line.word) + 1];
    for (std::size_t i = 0; i < wordCount; ++i)
        groupStart[i + 1] += groupStart[i];
    std::vector<const ReviewLine*> grouped(lines.size());
    {
        std::vector<std::size_t> next(groupStart.begin(), groupStart.end() - 1);
        for (const ReviewLine& line : lines)
            grouped[next[static_cast<std::size_t>(line.word)]++] = &line;
    }

    const MemoryModel model;
    const qint64 todayDay = today.toJulianDay();
    result.words.reserve(wordCount);
    for (std::size_t w = 0; w < wordCount; ++w) {
        const auto begin = grouped.begin() + static_cast<std::ptrdiff_t>(groupStart[w]);
        const auto end = grouped.begin() + static_cast<std::ptrdiff_t>(groupStart[w + 1]);
        // A clock set back leaves a line out of date order; replay by date.
        const auto byDay = [](const ReviewLine* a, const ReviewLine* b) { return a->day < b->day; };
        if (!std::is_sorted(begin, end, byDay))
            std::stable_sort(begin, end, byDay);

        MemoryCard card;
        for (auto it = begin; it != end; ++it) {
            const ReviewLine& line = **it;
            for (const QChar mark : history.sliced(line.marksStart, line.marksLength))
                card = model.reviewed(card, line.day, mark == kRightMark ? Rating::Good : Rating::Again);
        }
        const ReviewLine& latest = **(end - 1);
        WordMemory word;
        word.english = englishOfWord[w].toString();
        word.meaning = history.sliced(latest.meaningStart, latest.meaningLength).toString();
        word.card = card;
        word.retrievability = model.retrievability(card, todayDay);
        word.firstLine = firstLineOfWord[w];
        result.words.push_back(std::move(word));
    }
    return result;
}

} // namespace lumo
