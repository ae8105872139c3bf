#pragma once
// The learning record: what the training history ("Training.dat") says about
// the learner's practice, counted per day and per word, and what the typing
// record says about the one-minute tests. Computed afresh from the files each
// time the record window opens. History lines are read as today's review
// reads them (data/historylines.h).
#include "sentence/sentencerecord.h"
#include "typing/typingrecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace lumo {

struct DayCount {
    QDate day;
    int answers = 0;    // judgements (marks), retries included
    int words = 0;      // history lines: words asked
    int firstRight = 0; // of them, right at the first try (first mark ○)
    double firstRightShare() const { return words ? double(firstRight) / words : 0.0; }
};

struct MissedWord {
    QString english;
    QString meaning; // of its latest line
    int misses = 0;  // × marks over the whole history
    int lines = 0;
    int firstRight = 0;
    QDate lastSeen;
    double firstRightRate() const { return lines ? double(firstRight) / lines : 0.0; }
};

struct HistorySummary {
    std::vector<DayCount> last30Days;   // oldest first, today last; days without practice count 0
    std::vector<DayCount> last12Months; // per month, the current month last (`day` is the 1st)
    std::vector<DayCount> last365Days;  // for the calendar, oldest first, today last
    int currentStreak = 0;              // days practised in a row up to today (or yesterday)
    int longestStreak = 0;
    std::vector<MissedWord> mostMissed; // at most 20, most misses first
    int readLines = 0;
    int skippedLines = 0; // not empty and not a readable history line
};

// Reads a history text on `today`.
HistorySummary summariseHistory(QStringView history, QDate today, int mostMissedCount = 20);

// The one-minute tests of the typing record, per level, oldest first, with
// the characters per 10 minutes (a test lasts one minute).
struct TestPoint {
    QDateTime when;
    int score = 0;
    int charactersPer10Minutes = 0;
};
std::vector<TestPoint> testsOfLevel(const typing::TypingRecord& record, int level);

// Everything the record window shows, from the files of the program folder
// `folder`: "Training.dat", "TypingRecord.dat" and "SentenceRecord.dat", the
// first read, decoded and counted on a core of its own. A missing file
// counts as empty.
struct LearningRecord {
    HistorySummary history;
    typing::TypingRecord typing;
    SentenceSummary sentences;
    // In Japanese, one a line: files that could not be read, lines left out.
    QStringList problems;
};
LearningRecord loadLearningRecord(const QString& folder, QDate today);

} // namespace lumo
