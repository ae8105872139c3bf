#pragma once
// Sentence practice: which example sentences to practise, and how a typed
// sentence is judged word by word. No widgets; the window only shows what
// these report.
#include "review/answercomparison.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace lumo {

// An English example sentence and its Japanese translation.
struct SentencePair {
    QString english;
    QString japanese;
};

// The pairs of the joined example text (data/examples.h): an English line
// followed by its translation. A line that does not start such a pair (an
// empty line, a translation without its English) is passed over, so one
// stray line does not shift every pair after it.
std::vector<SentencePair> readSentencePairs(QStringView exampleText);

// The words of a text in lower case: runs of letters, digits and
// apostrophes ("don't" is one word; a curly apostrophe counts as a straight one).
QStringList sentenceWords(QStringView text);

// The example sentences with an index from each word to the sentences
// holding it, so the sentences of a few hundred words are found at once
// among a hundred thousand.
class SentenceBank {
  public:
    SentenceBank() = default;
    explicit SentenceBank(std::vector<SentencePair> pairs);

    const std::vector<SentencePair>& pairs() const { return m_pairs; }
    const SentencePair& pair(int index) const { return m_pairs[static_cast<std::size_t>(index)]; }
    int size() const { return static_cast<int>(m_pairs.size()); }

    // The sentences (indexes into pairs()) that hold one of the English
    // `words`, each sentence once, in the order of the files. A word matches
    // whole words regardless of case, and its plain inflections too (-s,
    // -es, -d, -ed, -ing: "watch" finds "watches" and "watched"); an entry
    // of several words ("ice cream") matches them in a row.
    std::vector<int> sentencesWith(const QStringList& words) const;

  private:
    std::vector<SentencePair> m_pairs;
    QHash<QString, std::vector<int>> m_sentencesOfWord; // each list ascending, no repeats
};

// The sentences of one practice in random order: every sentence comes once
// before any comes again, and a new round never starts with the sentence
// that ended the last one. Draws go through lumo::rnd().
class SentenceDeck {
  public:
    void reset(std::vector<int> sentences);
    // The next sentence, -1 when the deck is empty.
    int next();
    int size() const { return static_cast<int>(m_all.size()); }

  private:
    std::vector<int> m_all;
    std::vector<int> m_left; // not yet drawn in this round
    int m_last = -1;
};

// A typed sentence judged against the right one, word by word. Case does not
// count, nor does a full stop at the very end; otherwise each word must be
// typed as it is written, punctuation included. Words are aligned with the
// fewest changes, so one word left out marks that word missing rather than
// every word after it wrong.
enum class WordVerdict {
    Right,
    Wrong,   // another word typed in its place: `letters` shows how it differs
    Missing, // a word of the sentence not typed
    Extra,   // a typed word the sentence does not have
};

struct JudgedWord {
    WordVerdict verdict = WordVerdict::Right;
    QString typed;            // empty when missing
    QString right;            // empty when extra
    AnswerComparison letters; // with Wrong only
};

struct SentenceJudgement {
    std::vector<JudgedWord> words; // in the order of the sentence
    bool right = false;
    // One letter missing, extra, changed or swapped in the whole sentence
    // (a space included): 惜しい.
    bool nearlyRight = false;
    // The words of the sentence that were not typed right (wrong or missing),
    // in lower case without the punctuation around them, each once.
    QStringList missedWords() const;
};

SentenceJudgement judgeSentence(const QString& typed, const QString& right);

// The first letters of the next word to type: the first word of the
// sentence not yet typed right from the start of the answer. A first hint
// shows one letter of a short word and two of a longer one (never fewer than
// the learner has already begun of it, plus one); each further hint on the
// same word one more. `word` is -1 when every word is typed.
struct WordHint {
    int word = -1;   // its position among the sentence's words
    QString letters; // as the sentence writes them
};
WordHint nextWordHint(const QString& typed, const QString& right, const WordHint& previous = {});

} // namespace lumo
