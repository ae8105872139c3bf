#include "record/learningrecord.h"

#include "data/textfile.h"

#include <QHash>

#include <algorithm>
#include <unordered_map>

namespace lumo {
namespace {

// The date of a history line: year/month/day ("2001/03/05", "2001/3/5").
QDate historyDate(QStringView field)
{
    const qsizetype a = field.indexOf(u'/');
    const qsizetype b = a < 0 ? -1 : field.indexOf(u'/', a + 1);
    if (b < 0)
        return {};
    bool okYear = false, okMonth = false, okDay = false;
    const int year = field.first(a).toInt(&okYear);
    const int month = field.sliced(a + 1, b - a - 1).toInt(&okMonth);
    const int day = field.sliced(b + 1).toInt(&okDay);
    if (!okYear || !okMonth || !okDay)
        return {};
    return QDate(year, month, day);
}

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
    QHash<QStringView, WordTally> words;

    // Lines of one session share their date: read each date once.
    QStringView lastDateField;
    qint64 lastJd = 0;
    DayCount* lastDay = nullptr;

    forEachLine(history, [&](QStringView line) {
        if (line.isEmpty())
            return true;
        const qsizetype firstComma = line.indexOf(u',');
        const qsizetype lastComma = line.lastIndexOf(u',');
        const qsizetype dateComma = lastComma > 0 ? line.lastIndexOf(u',', lastComma - 1) : -1;
        const QStringView marks = line.sliced(lastComma + 1);
        if (firstComma <= 0 || dateComma <= firstComma || marks.isEmpty() ||
            !std::all_of(marks.begin(), marks.end(), [](QChar c) { return c == u'○' || c == u'×'; })) {
            ++summary.skippedLines;
            return true;
        }
        const QStringView dateField = line.sliced(dateComma + 1, lastComma - dateComma - 1);
        if (!lastDay || dateField != lastDateField) {
            const QDate date = historyDate(dateField);
            if (!date.isValid()) {
                ++summary.skippedLines;
                return true;
            }
            lastDateField = dateField;
            lastJd = date.toJulianDay();
            lastDay = &days[lastJd];
        }
        ++summary.readLines;
        const bool firstRight = marks.front() == u'○';

        lastDay->answers += int(marks.size());
        ++lastDay->words;
        lastDay->firstRight += firstRight;

        WordTally& tally = words[line.first(firstComma)];
        tally.misses += int(marks.count(u'×'));
        ++tally.lines;
        tally.firstRight += firstRight;
        if (lastJd >= tally.lastDay) {
            tally.lastDay = lastJd;
            tally.meaning = line.sliced(firstComma + 1, dateComma - firstComma - 1);
        }
        return true;
    });

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

    for (auto it = words.cbegin(); it != words.cend(); ++it) {
        if (it->misses == 0)
            continue;
        MissedWord w;
        w.english = it.key().toString();
        w.meaning = it->meaning.toString();
        w.misses = it->misses;
        w.lines = it->lines;
        w.firstRight = it->firstRight;
        w.lastSeen = QDate::fromJulianDay(it->lastDay);
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

} // namespace lumo
