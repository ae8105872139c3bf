#pragma once
// What the quiz says aloud, and when. The English of a question is never
// spoken before the learner may know it: in the translation direction and in
// training form it is shown with the question, in question form it is known
// once judged. Two options (both off at every start) add to that: speaking
// each English word after judging, and the listening quiz, in which the
// English-input direction says the English instead of showing the meaning.
#include <QString>
#include <QStringList>

namespace lumo {

class SpeakingRules {
  public:
    bool speaksAfterJudging() const { return m_afterJudging; }
    void setSpeaksAfterJudging(bool on) { m_afterJudging = on; }
    bool listening() const { return m_listening; }
    void setListening(bool on) { m_listening = on; }

    // Whether a question of this direction is heard instead of read.
    bool asksByEar(bool englishInput) const { return m_listening && englishInput; }

    // A question was shown; what to say at once (its English in the
    // listening quiz, else nothing).
    QStringList questionShown(const QString& english, bool englishInput, bool questionForm);
    // A question was judged (the typed English, or the meaning revealed in
    // the translation direction); what to say at once.
    QStringList judged(const QString& english);
    // The selection was discarded or the direction switched: nothing of the
    // last questions is left to say.
    void forget();

    // What the 発音 button says now: the English of the question in the
    // translation direction, in training form and in the listening quiz;
    // in question form the last judged word; empty before any.
    const QString& wordToSpeak() const { return m_word; }

  private:
    QString m_word;
    bool m_afterJudging = false;
    bool m_listening = false;
};

// The question line of the listening quiz, in place of the meaning.
inline const QString kListeningPrompt = QStringLiteral("聞こえた英語を入力して下さい");

} // namespace lumo
