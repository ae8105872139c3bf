#include "record/learningrecord.h"

#include "base/aside.h"
#include "data/history.h"
#include "data/historylines.h"
#include "data/textfile.h"
#include "data/wordindex.h"

#include <algorithm>
#include <unordered_map>

namespace lumo {
namespace {

struct WordTally {
    int misses = 0;
    int lines = 0;
    int firstRight = 0;
    qint64 lastDay = 0;
    QStringView meaning; // of its latest line, inside the history text
};

} // namespace

HistorySummary summariseHistory(QStringView history, QDate today, int mostMissedCount)
{
    HistorySummary summary;
    const qint64 todayJd = today.toJulianDay();
    std::unordered_map<qint64, DayCount> days;
    WordIndex wordIndex;
    std::vector<WordTally> tallies; // by the word's number in wordIndex

    // Lines of one session share their date: look their day up once.
    qint64 lastJd = 0;
    DayCount* lastDay = nullptr;

    const HistoryLineCounts counts = forEachHistoryAnswer(history, [&](const HistoryAnswer& answer) {
        if (!lastDay || answer.day != lastJd) {
            lastJd = answer.day;
            lastDay = &days[lastJd];
        }
        const bool firstRight = answer.firstRight();
        lastDay->answers += int(answer.marks.size());
        ++lastDay->words;
        lastDay->firstRight += firstRight;

        const auto number = static_cast<std::size_t>(wordIndex.add(answer.english));
        if (number == tallies.size())
            tallies.emplace_back();
        WordTally& tally = tallies[number];
        tally.misses += answer.wrongMarks();
        ++tally.lines;
        tally.firstRight += firstRight;
        if (answer.day >= tally.lastDay) {
            tally.lastDay = answer.day;
            tally.meaning = answer.meaning;
        }
    });
    summary.readLines = counts.readLines;
    summary.skippedLines = counts.skippedLines;

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
    int run = 0;
    for (size_t i = 0; i < practised.size(); ++i) {
        run = i > 0 && practised[i] == practised[i - 1] + 1 ? run + 1 : 1;
        summary.longestStreak = std::max(summary.longestStreak, run);
    }
    if (!practised.empty() && practised.back() >= todayJd - 1)
        summary.currentStreak = run;

    for (std::size_t number = 0; number < tallies.size(); ++number) {
        const WordTally& tally = tallies[number];
        if (tally.misses == 0)
            continue;
        MissedWord w;
        w.english = wordIndex.word(static_cast<int>(number)).toString();
        w.meaning = tally.meaning.toString();
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
            points.push_back({test.when, test.score, test.characters * 10});
    std::stable_sort(points.begin(), points.end(),
                     [](const TestPoint& a, const TestPoint& b) { return a.when < b.when; });
    return points;
}

namespace {

// A file of the record read and counted; `problems` gains what could not be
// read.
template <class Count> auto readAndCount(const QString& path, Count count, QStringList& problems)
{
    const TextFile file = readTextFile(path);
    if (file.status != TextFile::Status::Ok && file.status != TextFile::Status::Missing)
        problems.append(readProblemMessage(file, path));
    return count(QStringView(file.text));
}

QString skippedLinesMessage(const QString& fileName, int lines)
{
    return QStringLiteral("「%1」の読めない %2 行は数えていません。").arg(fileName).arg(lines);
}

} // namespace

LearningRecord loadLearningRecord(const QString& folder, QDate today)
{
    LearningRecord record;
    const QString historyPath = folder + QLatin1String(kTrainingFile);
    const QString typingPath = folder + QString::fromUtf16(typing::kTypingRecordFile);
    QStringList historyProblems;
    auto history = startAside([&] {
        return readAndCount(
            historyPath, [today](QStringView text) { return summariseHistory(text, today); }, historyProblems);
    });
    QStringList typingProblems;
    record.typing = readAndCount(typingPath, typing::readTypingRecord, typingProblems);
    const QString sentencePath = folder + QString::fromUtf16(kSentenceRecordFile);
    QStringList sentenceProblems;
    record.sentences = readAndCount(
        sentencePath, [today](QStringView text) { return summariseSentenceRecord(text, today); }, sentenceProblems);
    record.history = history.get();

    record.problems = historyProblems + typingProblems + sentenceProblems;
    if (record.history.skippedLines > 0)
        record.problems.append(skippedLinesMessage(QLatin1String(kTrainingFile), record.history.skippedLines));
    if (record.typing.skippedLines > 0)
        record.problems.append(
            skippedLinesMessage(QString::fromUtf16(typing::kTypingRecordFile), record.typing.skippedLines));
    if (record.sentences.skippedLines > 0)
        record.problems.append(
            skippedLinesMessage(QString::fromUtf16(kSentenceRecordFile), record.sentences.skippedLines));
    return record;
}

} // namespace lumo
