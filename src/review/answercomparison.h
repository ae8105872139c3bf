#pragma once
// A typed answer set letter by letter against the right one, so a learner
// sees which letters were missing, extra, changed or swapped.
//
// Letters are compared as the quiz judges them: without leading and trailing
// spaces, a capital the same as its small letter; both texts are kept as
// written, so each is shown in its own letters. The alignment has the fewest
// edits, where an
// edit is one letter missing, one extra, one changed, or two neighbours
// swapped (each letter in at most one edit).

#include <QString>

#include <vector>

namespace lumo {

enum class LetterEdit {
    Same,    // one letter, as in the right answer
    Changed, // one typed letter where the right answer has another
    Missing, // a letter of the right answer that was not typed
    Extra,   // a typed letter the right answer does not have
    Swapped, // two neighbours typed in the opposite order
};

// One step of the alignment: `typedLength` letters of the typed answer from
// `typedStart` against `rightLength` letters of the right answer from
// `rightStart` (two and two for a swap, none on one side for a missing or
// extra letter).
struct LetterStep {
    LetterEdit edit = LetterEdit::Same;
    qsizetype typedStart = 0;
    qsizetype typedLength = 0;
    qsizetype rightStart = 0;
    qsizetype rightLength = 0;
};

struct AnswerComparison {
    QString typed; // as written, trimmed
    QString right;
    std::vector<LetterStep> steps; // from the first letters to the last
    int edits = 0;

    bool matches() const { return edits == 0; }
    // One letter missing, extra or changed, or two neighbours swapped.
    bool oneEditAway() const { return edits == 1; }
};

// Answers up to a few hundred letters are aligned exactly; in longer ones the
// common beginning and end are kept and the rest is aligned in one block, so
// a pasted page cannot stall the window.
AnswerComparison compareAnswers(const QString& typed, const QString& right);

// The two answers of a comparison as HTML, letter by letter: a changed letter
// red in the typed answer and blue in the right one, a missing letter a red
// "_" in the typed answer and underlined blue in the right one, an extra
// letter struck through in red, swapped neighbours orange in both. A space is
// shown as a middle dot.
struct ComparisonHtml {
    QString typed;
    QString right;
};
ComparisonHtml comparisonLettersHtml(const AnswerComparison& comparison);

} // namespace lumo
