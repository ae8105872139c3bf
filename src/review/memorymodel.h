#pragma once
// The memory model behind today's review: FSRS-6 (the Free Spaced Repetition
// Scheduler, version 6) with its 21 default parameters, the default short-term
// learning steps (1 and 10 minutes while learning, 10 minutes while
// relearning), a requested retention of 90 %, a longest interval of 36500 days
// and no interval fuzz: the schedule that ts-fsrs 5 gives by default.
//
// Time is counted in whole days (Julian day numbers). A step of minutes
// falls on the day of the review, so a card in a learning step is due on the
// day it was last reviewed.

#include <QtGlobal>

#include <array>

namespace lumo {

enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

enum class MemoryState { New = 0, Learning = 1, Review = 2, Relearning = 3 };

struct MemoryCard {
    MemoryState state = MemoryState::New;
    double stability = 0;  // days until recall drops to 90 %
    double difficulty = 0; // 1 (easy) to 10 (hard)
    int learningStep = 0;  // index into the learning or relearning steps
    int scheduledDays = 0; // interval given at the last review; 0 in a step
    qint64 lastReviewDay = 0;
    qint64 dueDay = 0;
    int reviews = 0;
    int lapses = 0; // Again on a card in review
};

class MemoryModel {
  public:
    MemoryModel();

    // The card after a review with `rating` on `day`. Reviews must come in
    // order of time: a day before the card's last review counts as that day.
    MemoryCard reviewed(const MemoryCard& card, qint64 day, Rating rating) const;

    // The chance of recalling the card on `day`; 0 for a card never reviewed.
    double retrievability(const MemoryCard& card, qint64 day) const;

  private:
    double forgettingCurve(double elapsedDays, double stability) const;
    int intervalFor(double stability) const;
    double initialDifficulty(Rating rating) const;
    double nextDifficulty(double difficulty, Rating rating) const;
    // The growth of stability on a successful recall, before the grade's
    // penalty or bonus.
    double recallGrowth(double difficulty, double stability, double recall) const;
    double recallStability(double stability, double growth, Rating rating) const;
    double forgetStability(double difficulty, double stability, double recall) const;
    double shortTermStability(double stability, Rating rating) const;
    // Stability after a review `elapsedDays` after the last one.
    double nextStability(const MemoryCard& card, int elapsedDays, Rating rating, double recall) const;
    // Moves a new, learning or relearning card to its next step, or into
    // review when its steps are done.
    void applySteps(MemoryCard& next, const MemoryCard& previous, Rating rating, qint64 day,
                    MemoryState stepState) const;

    double m_decay = 0;
    double m_factor = 0;
    double m_intervalModifier = 0;
    std::array<double, 4> m_initialDifficulty{}; // by grade
    std::array<double, 4> m_shortTermGrowth{};   // by grade
    double m_recallScale = 0;
    double m_sameDayLapseDivisor = 0;
};

} // namespace lumo
