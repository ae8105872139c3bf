#pragma once
// The reference schedules of tests/fixtures/review-vectors.json.
#include "review/memorymodel.h"

#include <QDate>
#include <QString>

#include <vector>

namespace lumo::test {

struct ReferenceStep {
    QDate date;
    Rating rating = Rating::Good;
    MemoryState state = MemoryState::New;
    double stability = 0;
    double difficulty = 0;
    int scheduledDays = 0;
    int learningStep = 0;
    QDate due;
};

struct ReferenceHistoryLine {
    QString date; // as written in the history
    QString marks;
};

struct ReferenceSequence {
    QString name;
    std::vector<ReferenceHistoryLine> history; // empty for a sequence of grades
    std::vector<ReferenceStep> steps;
    QDate today;
    double retrievability = 0;
};

const std::vector<ReferenceSequence>& referenceSequences();

} // namespace lumo::test
