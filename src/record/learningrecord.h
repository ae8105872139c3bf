#pragma once
// The learning record: what the training history says about the learner's
// practice, counted per day and per word, and what the typing record says
// about the one-minute tests. History lines are read as today's review reads
// them (data/answerlog.h).
#include "data/answerlog.h"
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
// The same for the history held as `file` followed by `run`.
HistorySummary summariseAnswers(const AnswerLog& file, const AnswerLog& run, QDate today, int mostMissedCount = 20);

// The one-minute tests of the typing record, per level, oldest first, with
// the characters per 10 minutes (a test lasts one minute).
struct TestPoint {
    QDateTime when;
    int score = 0;
    int charactersPer10Minutes = 0;
};
std::vector<TestPoint> testsOfLevel(const typing::TypingRecord& record, int level);

// The typing record of the program folder `folder` ("TypingRecord.dat"), with
// what could not be read, in Japanese, one a line. A missing file counts as
// empty.
struct TypingRecordFile {
    typing::TypingRecord record;
    QStringList problems;
};
TypingRecordFile loadTypingRecord(const QString& folder);

// The sentence record of the program folder ("SentenceRecord.dat") summed up
// on `today`, with what could not be read, as for the typing record.
struct SentenceRecordFile {
    SentenceSummary summary;
    QStringList problems;
};
SentenceRecordFile loadSentenceRecord(const QString& folder, QDate today);

// The sentence for history or typing lines that could not be read.
QString skippedLinesMessage(const QString& fileName, int lines);

} // namespace lumo
