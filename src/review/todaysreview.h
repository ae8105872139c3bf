#pragma once
// Today's review: the words of the training history that are due today or
// earlier, most overdue first, for the quiz to take as its questions.

#include "review/historyreplay.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace lumo {

inline constexpr int kDefaultReviewLimit = 20;

struct ReviewWord {
    QString english;
    QString meaning;
    QDate due;
    int overdueDays = 0; // 0 when due today
    double retrievability = 0;
};

struct TodaysReview {
    std::vector<ReviewWord> words; // at most the limit, most overdue first
    int dueCount = 0;              // every word due today or earlier, beyond the limit too
    int dueTomorrow = 0;           // words that fall due tomorrow
    std::optional<QDate> nextDue;  // the first day after today on which a word falls due
    int wordCount = 0;             // words in the history
    int skippedLines = 0;          // history lines that could not be read
    bool hasHistory() const { return wordCount > 0; }
};

// Among words equally overdue, the one least likely to be recalled comes
// first, then the one met first in the history. A limit below 1 chooses none.
TodaysReview chooseTodaysReview(const ReplayedHistory& history, QDate today, int limit = kDefaultReviewLimit);
TodaysReview chooseTodaysReview(QStringView history, QDate today, int limit = kDefaultReviewLimit);

} // namespace lumo
