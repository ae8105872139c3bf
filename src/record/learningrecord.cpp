#include "record/learningrecord.h"

#include "data/history.h"
#include "data/textfile.h"
#include "typing/skilltest.h"

#include <algorithm>
#include <unordered_map>

namespace lumo {
namespace {

struct WordTally {
    int misses = 0;
    int lines = 0;
    int firstRight = 0;
    qint64 lastDay = 0;
    const QString* meaning = nullptr; // of its latest line
    const QString* english = nullptr;
};

// Counts the lines of `log` per day and per word; a word of `tallies` is
// found by `numberOf(word)`, which may add it.
template <class NumberOf>
void tallyAnswers(const AnswerLog& log, std::unordered_map<qint64, DayCount>& days, std::vector<WordTally>& tallies,
                  NumberOf numberOf)
{
    // Most days hold many lines in a row: look the last one up once.
    qint64 lastJd = 0;
    DayCount* lastDay = nullptr;
    for (const WordAnswers& word : log.words()) {
        WordTally& tally = tallies[numberOf(word)];
        for (const LineMarks& line : word.lines) {
            if (!lastDay || line.day != lastJd) {
                lastJd = line.day;
                lastDay = &days[lastJd];
            }
            const int wrong = line.wrongMarks();
            lastDay->answers += line.count();
            tally.misses += wrong;
            if (line.continuesLine())
                continue;
            const bool firstRight = line.right(0);
            ++lastDay->words;
            lastDay->firstRight += firstRight;
            ++tally.lines;
            tally.firstRight += firstRight;
        }
        if (word.meaningDay >= tally.lastDay) {
            tally.lastDay = word.meaningDay;
            tally.meaning = &word.meaning;
        }
        tally.english = &word.english;
    }
}

} // namespace

HistorySummary summariseHistory(QStringView history, QDate today, int mostMissedCount)
{
    return summariseAnswers(AnswerLog::fromText(history), AnswerLog(), today, mostMissedCount);
}

HistorySummary summariseAnswers(const AnswerLog& file, const AnswerLog& run, QDate today, int mostMissedCount)
{
    HistorySummary summary;
    const qint64 todayJd = today.toJulianDay();
    std::unordered_map<qint64, DayCount> days;
    std::vector<WordTally> tallies(file.words().size());
    std::size_t next = 0;
    tallyAnswers(file, days, tallies, [&next](const WordAnswers&) { return next++; });
    tallyAnswers(run, days, tallies, [&](const WordAnswers& word) {
        const int number = file.find(word.english);
        if (number >= 0)
            return static_cast<std::size_t>(number);
        tallies.emplace_back();
        return tallies.size() - 1;
    });
    summary.readLines = file.readLines() + run.readLines();
    summary.skippedLines = file.skippedLines() + run.skippedLines();

    auto dayAt = [&](qint64 jd) {
        const auto found = days.find(jd);
        DayCount d = found == days.end() ? DayCount{} : found->second;
        d.day = QDate::fromJulianDay(jd);
        return d;
    };
    for (qint64 jd = todayJd - 29; jd <= todayJd; ++jd)
        summary.last30Days.push_back(dayAt(jd));
    for (qint64 jd = todayJd - 364; jd <= todayJd; ++jd)
        summary.last365Days.push_back(dayAt(jd));

    // Months: the current one and the eleven before it.
    const QDate thisMonth(today.year(), today.month(), 1);
    for (int back = 11; back >= 0; --back) {
        DayCount month;
        month.day = thisMonth.addMonths(-back);
        summary.last12Months.push_back(month);
    }
    const qint64 firstMonthJd = summary.last12Months.front().day.toJulianDay();
    for (const auto& [jd, count] : days) {
        if (jd < firstMonthJd || jd > todayJd)
            continue;
        const QDate d = QDate::fromJulianDay(jd);
        const int index = (d.year() - summary.last12Months.front().day.year()) * 12 + d.month() -
                          summary.last12Months.front().day.month();
        DayCount& month = summary.last12Months[index];
        month.answers += count.answers;
        month.words += count.words;
        month.firstRight += count.firstRight;
    }

    // Streaks: runs of consecutive practice days.
    std::vector<qint64> practised;
    practised.reserve(days.size());
    for (const auto& [jd, count] : days)
        if (jd <= todayJd)
            practised.push_back(jd);
    std::sort(practised.begin(), practised.end());
    int streak = 0;
    for (size_t i = 0; i < practised.size(); ++i) {
        streak = i > 0 && practised[i] == practised[i - 1] + 1 ? streak + 1 : 1;
        summary.longestStreak = std::max(summary.longestStreak, streak);
    }
    if (!practised.empty() && practised.back() >= todayJd - 1)
        summary.currentStreak = streak;

    for (const WordTally& tally : tallies) {
        if (tally.misses == 0)
            continue;
        MissedWord w;
        w.english = *tally.english;
        w.meaning = *tally.meaning;
        w.misses = tally.misses;
        w.lines = tally.lines;
        w.firstRight = tally.firstRight;
        w.lastSeen = QDate::fromJulianDay(tally.lastDay);
        summary.mostMissed.push_back(w);
    }
    std::sort(summary.mostMissed.begin(), summary.mostMissed.end(), [](const MissedWord& a, const MissedWord& b) {
        if (a.misses != b.misses)
            return a.misses > b.misses;
        if (a.lastSeen != b.lastSeen)
            return a.lastSeen > b.lastSeen;
        return a.english < b.english;
    });
    if (int(summary.mostMissed.size()) > mostMissedCount)
        summary.mostMissed.resize(mostMissedCount);
    return summary;
}

std::vector<TestPoint> testsOfLevel(const typing::TypingRecord& record, int level)
{
    std::vector<TestPoint> points;
    for (const typing::TestRecord& test : record.tests)
        if (test.level == level)
            points.push_back({test.when, test.score, typing::charactersPer10Minutes(test.score)});
    std::stable_sort(points.begin(), points.end(),
                     [](const TestPoint& a, const TestPoint& b) { return a.when < b.when; });
    return points;
}

QString skippedLinesMessage(const QString& fileName, int lines)
{
    return QStringLiteral("「%1」の読めない %2 行は数えていません。").arg(fileName).arg(lines);
}

TypingRecordFile loadTypingRecord(const QString& folder)
{
    TypingRecordFile result;
    const QString path = folder + QString::fromUtf16(typing::kTypingRecordFile);
    const TextFile file = readTextFile(path);
    if (file.status != TextFile::Status::Ok && file.status != TextFile::Status::Missing)
        result.problems.append(readProblemMessage(file, path));
    result.record = typing::readTypingRecord(file.text);
    if (result.record.skippedLines > 0)
        result.problems.append(
            skippedLinesMessage(QString::fromUtf16(typing::kTypingRecordFile), result.record.skippedLines));
    return result;
}

SentenceRecordFile loadSentenceRecord(const QString& folder, QDate today)
{
    SentenceRecordFile result;
    const QString path = folder + QString::fromUtf16(kSentenceRecordFile);
    const TextFile file = readTextFile(path);
    if (file.status != TextFile::Status::Ok && file.status != TextFile::Status::Missing)
        result.problems.append(readProblemMessage(file, path));
    result.summary = summariseSentenceRecord(file.text, today);
    if (result.summary.skippedLines > 0)
        result.problems.append(
            skippedLinesMessage(QString::fromUtf16(kSentenceRecordFile), result.summary.skippedLines));
    return result;
}

} // namespace lumo
