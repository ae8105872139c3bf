#pragma once
// The learner's memory of every word, replayed from the training history
// ("Training.dat") each time it is needed, so it always agrees with the file.
//
// The history is read by forEachHistoryAnswer (data/historylines.h). Every
// English word is one card; its lines are its review days in order
// of date (lines of the same date in the order of the file). Each mark is one
// review on the line's date, oldest first: ○ is Good, × is Again. The first
// mark of a day is the day's answer to the schedule; the marks after it are the
// retries of the same day, which the model treats as short-term steps (a ○
// after × is relearning). The word's meaning is the one of its latest line.

#include "data/answerlog.h"
#include "review/memorymodel.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <vector>

namespace lumo {

struct WordMemory {
    QString english;
    QString meaning;
    MemoryCard card;
    double retrievability = 0; // on the day the history was replayed for
    int firstLine = 0;         // the word's first line in the history, counted from 0

    QDate lastReview() const { return QDate::fromJulianDay(card.lastReviewDay); }
    QDate due() const { return QDate::fromJulianDay(card.dueDay); }
};

struct ReplayedHistory {
    std::vector<WordMemory> words; // in order of first appearance
    int readLines = 0;             // history lines replayed
    // Lines that are not blank but could not be read: no date where the date
    // belongs, a date that does not exist, or no ○/× marks after it. They are
    // left out of the schedule.
    int skippedLines = 0;
};

// Replays `history` and gives each word's retrievability on `today`. The
// words are shared out over `parts` replays running side by side on separate
// processor cores; 0 chooses: one for a short history, else one a core (at
// most four). The result is the same for any number of parts.
ReplayedHistory replayHistory(QStringView history, QDate today, unsigned parts = 0);
ReplayedHistory replayAnswers(const AnswerLog& history, QDate today, unsigned parts = 0);

// The card after the lines of one word: replayed in their order, or by date
// (the order kept within a date) when a line is dated before one replayed
// already (a clock set back).
MemoryCard replayLines(const MemoryModel& model, const LineList& lines);

// `history` (the file's words) continued by the answers of `run`, each word
// once, with retrievability on `today`: a word of both keeps its place and
// goes on from its card; a word of the run alone comes after the others.
ReplayedHistory continueReplay(const ReplayedHistory& history, const AnswerLog& file, const AnswerLog& run,
                               QDate today);

} // namespace lumo
