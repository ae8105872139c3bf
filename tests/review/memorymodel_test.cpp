#include "reference_vectors.h"
#include "review/memorymodel.h"

#include <gtest/gtest.h>

using namespace lumo;
using lumo::test::referenceSequences;

namespace {

std::string describe(const test::ReferenceSequence& sequence, std::size_t step)
{
    return sequence.name.toStdString() + ", review " + std::to_string(step + 1) + " on " +
           sequence.steps[step].date.toString(Qt::ISODate).toStdString();
}

} // namespace

TEST(MemoryModelReference, FixtureHoldsEnoughSequences)
{
    std::size_t withHistory = 0;
    for (const auto& sequence : referenceSequences())
        withHistory += sequence.history.empty() ? 0 : 1;
    EXPECT_GE(withHistory, 50u);
    EXPECT_GE(referenceSequences().size(), 80u);
}

// Every review of every reference sequence, against the values ts-fsrs gave.
TEST(MemoryModelReference, EveryReviewMatchesTheReferenceScheduler)
{
    const MemoryModel model;
    for (const auto& sequence : referenceSequences()) {
        MemoryCard card;
        for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
            const auto& expected = sequence.steps[i];
            card = model.reviewed(card, expected.date.toJulianDay(), expected.rating);
            SCOPED_TRACE(describe(sequence, i));
            EXPECT_EQ(card.state, expected.state);
            EXPECT_NEAR(card.stability, expected.stability, 0.01);
            EXPECT_NEAR(card.difficulty, expected.difficulty, 1e-6);
            EXPECT_EQ(card.scheduledDays, expected.scheduledDays);
            EXPECT_EQ(card.learningStep, expected.learningStep);
            EXPECT_EQ(QDate::fromJulianDay(card.dueDay), expected.due);
        }
        SCOPED_TRACE(sequence.name.toStdString());
        EXPECT_NEAR(model.retrievability(card, sequence.today.toJulianDay()), sequence.retrievability, 1e-6);
        EXPECT_EQ(card.reviews, static_cast<int>(sequence.steps.size()));
    }
}

TEST(MemoryModel, FirstAnswersStartLearningAndEasyGraduatesAtOnce)
{
    const MemoryModel model;
    const qint64 day = QDate(2024, 5, 1).toJulianDay();
    const MemoryCard again = model.reviewed({}, day, Rating::Again);
    EXPECT_EQ(again.state, MemoryState::Learning);
    EXPECT_DOUBLE_EQ(again.stability, 0.212);
    EXPECT_EQ(again.dueDay, day);

    const MemoryCard easy = model.reviewed({}, day, Rating::Easy);
    EXPECT_EQ(easy.state, MemoryState::Review);
    EXPECT_DOUBLE_EQ(easy.stability, 8.2956);
    EXPECT_EQ(easy.dueDay, day + 8);
}

TEST(MemoryModel, LapseCountsAndRelearnsTheSameDay)
{
    const MemoryModel model;
    const qint64 day = QDate(2024, 5, 1).toJulianDay();
    MemoryCard card = model.reviewed({}, day, Rating::Easy);
    card = model.reviewed(card, card.dueDay, Rating::Again);
    EXPECT_EQ(card.state, MemoryState::Relearning);
    EXPECT_EQ(card.lapses, 1);
    EXPECT_EQ(card.dueDay, card.lastReviewDay);
    const double lapsed = card.stability;
    card = model.reviewed(card, card.lastReviewDay, Rating::Good);
    EXPECT_EQ(card.state, MemoryState::Review);
    EXPECT_GE(card.stability, lapsed);
    EXPECT_GT(card.dueDay, card.lastReviewDay);
}

TEST(MemoryModel, AReviewDatedBeforeTheLastCountsAsTheSameDay)
{
    const MemoryModel model;
    const qint64 day = QDate(2024, 5, 10).toJulianDay();
    const MemoryCard card = model.reviewed({}, day, Rating::Good);
    const MemoryCard earlier = model.reviewed(card, day - 30, Rating::Good);
    const MemoryCard sameDay = model.reviewed(card, day, Rating::Good);
    EXPECT_EQ(earlier.lastReviewDay, day);
    EXPECT_DOUBLE_EQ(earlier.stability, sameDay.stability);
}

TEST(MemoryModel, RetrievabilityFallsWithTimeAndIsZeroForANewCard)
{
    const MemoryModel model;
    EXPECT_EQ(model.retrievability({}, 2460000), 0);
    const qint64 day = QDate(2024, 5, 1).toJulianDay();
    const MemoryCard card = model.reviewed({}, day, Rating::Easy);
    EXPECT_DOUBLE_EQ(model.retrievability(card, day), 1.0);
    EXPECT_DOUBLE_EQ(model.retrievability(card, day - 5), 1.0);
    // Stability (8.3 days here) is the time until recall falls to 90 %.
    EXPECT_GT(model.retrievability(card, day + 8), 0.9);
    EXPECT_LT(model.retrievability(card, day + 9), 0.9);
    EXPECT_LT(model.retrievability(card, day + 100), model.retrievability(card, day + 8));
}
