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
// arithmetic does.
double roundHalfUp(double value)
{
    const double floor = std::floor(value);
    return value - floor >= 0.5 ? floor + 1 : floor;
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
            return {steps[static_cast<std::size_t>(step + 1)], step + 1};
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
}

double MemoryModel::forgettingCurve(double elapsedDays, double stability) const
{
    return round8(std::pow(1 + m_factor * elapsedDays / stability, m_decay));
}

int MemoryModel::intervalFor(double stability) const
{
    const double days = std::max(1.0, roundHalfUp(stability * m_intervalModifier));
    return static_cast<int>(std::min(days, static_cast<double>(kMaximumInterval)));
}

double MemoryModel::initialDifficulty(Rating rating) const
{
    return round8(weight(4) - std::exp((grade(rating) - 1) * weight(5)) + 1);
}

double MemoryModel::nextDifficulty(double difficulty, Rating rating) const
{
    const double delta = -weight(6) * (grade(rating) - 3);
    const double damped = difficulty + round8(delta * (10 - difficulty) / 9);
    const double reverted = round8(weight(7) * initialDifficulty(Rating::Easy) + (1 - weight(7)) * damped);
    return std::clamp(reverted, 1.0, 10.0);
}

double MemoryModel::recallStability(double difficulty, double stability, double recall, Rating rating) const
{
    const double hardPenalty = rating == Rating::Hard ? weight(15) : 1;
    const double easyBonus = rating == Rating::Easy ? weight(16) : 1;
    const double growth = std::exp(weight(8)) * (11 - difficulty) * std::pow(stability, -weight(9)) *
                          (std::exp((1 - recall) * weight(10)) - 1) * hardPenalty * easyBonus;
    return round8(std::clamp(stability * (1 + growth), kMinimumStability, kMaximumStability));
}

double MemoryModel::forgetStability(double difficulty, double stability, double recall) const
{
    const double afterFail =
        round8(std::clamp(weight(11) * std::pow(difficulty, -weight(12)) * (std::pow(stability + 1, weight(13)) - 1) *
                              std::exp((1 - recall) * weight(14)),
                          kMinimumStability, kMaximumStability));
    // A lapse never leaves more stability than a same-day Again would.
    const double sameDayFloor = round8(stability / std::exp(weight(17) * weight(18)));
    return std::min(std::max(sameDayFloor, kMinimumStability), afterFail);
}

double MemoryModel::shortTermStability(double stability, Rating rating) const
{
    double increase = std::pow(stability, -weight(19)) * std::exp(weight(17) * (grade(rating) - 3 + weight(18)));
    if (rating != Rating::Again)
        increase = std::max(increase, 1.0);
    return round8(std::clamp(stability * increase, kMinimumStability, kMaximumStability));
}

void MemoryModel::updateMemory(MemoryCard& card, int elapsedDays, Rating rating, double recall) const
{
    if (card.difficulty == 0 && card.stability == 0) {
        card.difficulty = std::clamp(initialDifficulty(rating), 1.0, 10.0);
        card.stability = std::max(weight(grade(rating) - 1), 0.1);
        return;
    }
    double stability = 0;
    if (elapsedDays == 0)
        stability = shortTermStability(card.stability, rating);
    else if (rating == Rating::Again)
        stability = forgetStability(card.difficulty, card.stability, recall);
    else
        stability = recallStability(card.difficulty, card.stability, recall, rating);
    card.difficulty = nextDifficulty(card.difficulty, rating);
    card.stability = stability;
}

void MemoryModel::applySteps(MemoryCard& next, const MemoryCard& previous, Rating rating, qint64 day,
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
    int elapsedDays = 0;
    if (card.state != MemoryState::New && card.reviews > 0) {
        day = std::max(day, card.lastReviewDay);
        elapsedDays = static_cast<int>(std::min<qint64>(day - card.lastReviewDay, 1 << 30));
    }
    next.lastReviewDay = day;
    next.reviews += 1;

    const double recall = card.state == MemoryState::New ? 0 : forgettingCurve(elapsedDays, card.stability);
    updateMemory(next, elapsedDays, rating, recall);

    switch (card.state) {
    case MemoryState::New: applySteps(next, card, rating, day, MemoryState::Learning); break;
    case MemoryState::Learning:
    case MemoryState::Relearning: applySteps(next, card, rating, day, card.state); break;
    case MemoryState::Review:
        if (rating == Rating::Again) {
            applySteps(next, card, rating, day, MemoryState::Relearning);
            next.lapses += 1;
            break;
        }
        {
            // Hard, Good and Easy keep their intervals apart by at least a day.
            MemoryCard hard = card;
            if (rating == Rating::Hard)
                hard = next;
            else
                updateMemory(hard, elapsedDays, Rating::Hard, recall);
            MemoryCard good = card;
            if (rating == Rating::Good)
                good = next;
            else
                updateMemory(good, elapsedDays, Rating::Good, recall);
            const int hardInterval = std::min(intervalFor(hard.stability), intervalFor(good.stability));
            const int goodInterval = std::max(intervalFor(good.stability), hardInterval + 1);
            int interval = hardInterval;
            if (rating == Rating::Good)
                interval = goodInterval;
            else if (rating == Rating::Easy)
                interval = std::max(intervalFor(next.stability), goodInterval + 1);
            next.state = MemoryState::Review;
            next.learningStep = 0;
            next.scheduledDays = interval;
            next.dueDay = day + interval;
        }
        break;
    }
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
