#include "review/memorymodel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumo {
namespace {

// FSRS-6 default parameters w0..w20.
constexpr std::array<double, 21> kWeights = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                             0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                             1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kRequestedRetention = 0.9;
constexpr int kMaximumInterval = 36500;
constexpr double kMinimumStability = 0.001;
constexpr double kMaximumStability = 36500;

// Steps in minutes. Every step is shorter than a day, so none moves the due day.
constexpr std::array<int, 2> kLearningSteps = {1, 10};
constexpr std::array<int, 1> kRelearningSteps = {10};

double weight(int index)
{
    return kWeights[static_cast<std::size_t>(index)];
}

// Rounds half towards positive infinity, as the reference scheduler's
// arithmetic does. The model's values stay far below 2^63, so the floor comes
// from a conversion to an integer rather than a call.
double roundHalfUp(double value)
{
    double floor = static_cast<double>(static_cast<qint64>(value));
    if (floor > value)
        floor -= 1;
    return value - floor >= 0.5 ? floor + 1 : floor;
}

// x to the power y for x > 0. Through base-2 logarithms it costs a third of
// std::pow; the difference, a few units in the last place, vanishes in the
// rounding to eight decimals.
double power(double x, double y)
{
    return std::exp2(y * std::log2(x));
}

// The model keeps its values to eight decimals after every step.
double round8(double value)
{
    return roundHalfUp(value * 1e8) / 1e8;
}

int grade(Rating rating)
{
    return static_cast<int>(rating);
}

// How a step applies to a card in `state` at step `step` for `rating`: the
// minutes until the next step, or 0 when the card leaves its steps for review.
struct StepMove {
    int minutes = 0;
    int nextStep = 0;
};

template <std::size_t N> StepMove stepMove(const std::array<int, N>& steps, int step, Rating rating)
{
    const int count = static_cast<int>(N);
    if (step >= count)
        return {};
    switch (rating) {
    case Rating::Again: return {steps[0], 0};
    case Rating::Hard:
        if (count == 1)
            return {static_cast<int>(roundHalfUp(steps[0] * 1.5)), step};
        return {static_cast<int>(roundHalfUp((steps[0] + steps[1]) / 2.0)), step};
    case Rating::Good:
        if (step + 1 < count)
            return {steps[static_cast<std::size_t>(step) + 1], step + 1};
        return {};
    case Rating::Easy: return {};
    }
    return {};
}

StepMove stepMoveFor(MemoryState state, int step, Rating rating)
{
    if (state == MemoryState::Review || state == MemoryState::Relearning)
        return stepMove(kRelearningSteps, step, rating);
    return stepMove(kLearningSteps, step, rating);
}

} // namespace

MemoryModel::MemoryModel()
{
    m_decay = -weight(20);
    m_factor = round8(std::exp(std::pow(m_decay, -1) * std::log(0.9)) - 1);
    m_intervalModifier = round8((std::pow(kRequestedRetention, 1 / m_decay) - 1) / m_factor);
    for (int g = 1; g <= 4; ++g) {
        const auto index = static_cast<std::size_t>(g - 1);
        m_initialDifficulty[index] = round8(weight(4) - std::exp((g - 1) * weight(5)) + 1);
        m_shortTermGrowth[index] = std::exp(weight(17) * (g - 3 + weight(18)));
    }
    m_recallScale = std::exp(weight(8));
    m_sameDayLapseDivisor = std::exp(weight(17) * weight(18));
}

inline double MemoryModel::forgettingCurve(double elapsedDays, double stability) const
{
    return round8(power(1 + m_factor * elapsedDays / stability, m_decay));
}

inline int MemoryModel::intervalFor(double stability) const
{
    const double days = std::max(1.0, roundHalfUp(stability * m_intervalModifier));
    return static_cast<int>(std::min(days, static_cast<double>(kMaximumInterval)));
}

inline double MemoryModel::initialDifficulty(Rating rating) const
{
    return m_initialDifficulty[static_cast<std::size_t>(grade(rating) - 1)];
}

inline double MemoryModel::nextDifficulty(double difficulty, Rating rating) const
{
    const double delta = -weight(6) * (grade(rating) - 3);
    const double damped = difficulty + round8(delta * (10 - difficulty) / 9);
    const double reverted = round8(weight(7) * initialDifficulty(Rating::Easy) + (1 - weight(7)) * damped);
    return std::clamp(reverted, 1.0, 10.0);
}

inline double MemoryModel::recallGrowth(double difficulty, double stability, double recall) const
{
    return m_recallScale * (11 - difficulty) * power(stability, -weight(9)) * (std::exp((1 - recall) * weight(10)) - 1);
}

inline double MemoryModel::recallStability(double stability, double growth, Rating rating) const
{
    const double hardPenalty = rating == Rating::Hard ? weight(15) : 1;
    const double easyBonus = rating == Rating::Easy ? weight(16) : 1;
    return round8(std::clamp(stability * (1 + growth * hardPenalty * easyBonus), kMinimumStability, kMaximumStability));
}

inline double MemoryModel::forgetStability(double difficulty, double stability, double recall) const
{
    const double afterFail =
        round8(std::clamp(weight(11) * power(difficulty, -weight(12)) * (power(stability + 1, weight(13)) - 1) *
                              std::exp((1 - recall) * weight(14)),
                          kMinimumStability, kMaximumStability));
    // A lapse never leaves more stability than a same-day Again would.
    const double sameDayFloor = round8(stability / m_sameDayLapseDivisor);
    return std::min(std::max(sameDayFloor, kMinimumStability), afterFail);
}

inline double MemoryModel::shortTermStability(double stability, Rating rating) const
{
    double increase = power(stability, -weight(19)) * m_shortTermGrowth[static_cast<std::size_t>(grade(rating) - 1)];
    if (rating != Rating::Again)
        increase = std::max(increase, 1.0);
    return round8(std::clamp(stability * increase, kMinimumStability, kMaximumStability));
}

inline double MemoryModel::nextStability(const MemoryCard& card, int elapsedDays, Rating rating, double recall) const
{
    if (elapsedDays == 0)
        return shortTermStability(card.stability, rating);
    if (rating == Rating::Again)
        return forgetStability(card.difficulty, card.stability, recall);
    return recallStability(card.stability, recallGrowth(card.difficulty, card.stability, recall), rating);
}

inline void MemoryModel::applySteps(MemoryCard& next, const MemoryCard& previous, Rating rating, qint64 day,
                                    MemoryState stepState) const
{
    const StepMove move = stepMoveFor(previous.state, previous.learningStep, rating);
    if (move.minutes > 0) {
        next.learningStep = move.nextStep;
        next.scheduledDays = 0;
        next.state = stepState;
        next.dueDay = day;
        return;
    }
    next.state = MemoryState::Review;
    next.learningStep = 0;
    next.scheduledDays = intervalFor(next.stability);
    next.dueDay = day + next.scheduledDays;
}

MemoryCard MemoryModel::reviewed(const MemoryCard& card, qint64 day, Rating rating) const
{
    MemoryCard next = card;
    next.reviews += 1;
    if (card.state == MemoryState::New || card.reviews == 0) {
        next.lastReviewDay = day;
        next.difficulty = std::clamp(initialDifficulty(rating), 1.0, 10.0);
        next.stability = std::max(weight(grade(rating) - 1), 0.1);
        applySteps(next, card, rating, day, MemoryState::Learning);
        return next;
    }

    day = std::max(day, card.lastReviewDay);
    next.lastReviewDay = day;
    const int elapsedDays = static_cast<int>(std::min<qint64>(day - card.lastReviewDay, 1 << 30));
    // On the day of the last review recall is certain.
    const double recall = elapsedDays == 0 ? 1.0 : forgettingCurve(elapsedDays, card.stability);
    next.difficulty = nextDifficulty(card.difficulty, rating);

    if (card.state != MemoryState::Review || rating == Rating::Again) {
        next.stability = nextStability(card, elapsedDays, rating, recall);
        if (card.state == MemoryState::Review) {
            applySteps(next, card, rating, day, MemoryState::Relearning);
            next.lapses += 1;
        } else {
            applySteps(next, card, rating, day, card.state);
        }
        return next;
    }

    // A recalled card in review: Hard, Good and Easy keep their intervals
    // apart by at least a day, so Good needs Hard's stability too.
    double hard = 0;
    double good = 0;
    double easy = 0;
    if (elapsedDays == 0) {
        hard = shortTermStability(card.stability, Rating::Hard);
        good = shortTermStability(card.stability, Rating::Good);
        if (rating == Rating::Easy)
            easy = shortTermStability(card.stability, Rating::Easy);
    } else {
        const double growth = recallGrowth(card.difficulty, card.stability, recall);
        hard = recallStability(card.stability, growth, Rating::Hard);
        good = recallStability(card.stability, growth, Rating::Good);
        if (rating == Rating::Easy)
            easy = recallStability(card.stability, growth, Rating::Easy);
    }
    const int goodOwnInterval = intervalFor(good);
    const int hardInterval = std::min(intervalFor(hard), goodOwnInterval);
    const int goodInterval = std::max(goodOwnInterval, hardInterval + 1);
    next.state = MemoryState::Review;
    next.learningStep = 0;
    switch (rating) {
    case Rating::Hard:
        next.stability = hard;
        next.scheduledDays = hardInterval;
        break;
    case Rating::Easy:
        next.stability = easy;
        next.scheduledDays = std::max(intervalFor(easy), goodInterval + 1);
        break;
    default:
        next.stability = good;
        next.scheduledDays = goodInterval;
        break;
    }
    next.dueDay = day + next.scheduledDays;
    return next;
}

double MemoryModel::retrievability(const MemoryCard& card, qint64 day) const
{
    if (card.state == MemoryState::New || card.stability <= 0)
        return 0;
    const qint64 elapsed = std::max<qint64>(day - card.lastReviewDay, 0);
    return forgettingCurve(static_cast<double>(elapsed), card.stability);
}

} // namespace lumo
