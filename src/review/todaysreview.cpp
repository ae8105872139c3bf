#include "review/todaysreview.h"

#include <algorithm>

namespace lumo {

TodaysReview chooseTodaysReview(const ReplayedHistory& history, QDate today, int limit)
{
    TodaysReview review;
    review.wordCount = static_cast<int>(history.words.size());
    review.skippedLines = history.skippedLines;
    const qint64 todayDay = today.toJulianDay();

    std::vector<const WordMemory*> due;
    qint64 nextDueDay = 0;
    for (const WordMemory& word : history.words) {
        const qint64 dueDay = word.card.dueDay;
        if (dueDay <= todayDay) {
            due.push_back(&word);
            continue;
        }
        if (dueDay == todayDay + 1)
            ++review.dueTomorrow;
        if (!review.nextDue || dueDay < nextDueDay) {
            nextDueDay = dueDay;
            review.nextDue = QDate::fromJulianDay(dueDay);
        }
    }
    review.dueCount = static_cast<int>(due.size());

    const auto first = [](const WordMemory* a, const WordMemory* b) {
        if (a->card.dueDay != b->card.dueDay)
            return a->card.dueDay < b->card.dueDay;
        if (a->retrievability != b->retrievability)
            return a->retrievability < b->retrievability;
        return a->firstLine < b->firstLine;
    };
    const auto chosen = static_cast<std::ptrdiff_t>(
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(limit, 0)), 0, due.size()));
    std::partial_sort(due.begin(), due.begin() + chosen, due.end(), first);
    review.words.reserve(static_cast<std::size_t>(chosen));
    for (auto it = due.begin(); it != due.begin() + chosen; ++it) {
        const WordMemory& word = **it;
        review.words.push_back(ReviewWord{word.english, word.meaning, word.due(),
                                          static_cast<int>(todayDay - word.card.dueDay), word.retrievability});
    }
    return review;
}

TodaysReview chooseTodaysReview(QStringView history, QDate today, int limit)
{
    return chooseTodaysReview(replayHistory(history, today), today, limit);
}

} // namespace lumo
