#include "quiz/speaking.h"

namespace lumo {

QStringList SpeakingRules::questionShown(const QString& english, bool englishInput, bool questionForm)
{
    const bool byEar = asksByEar(englishInput);
    // In question form of the English-input direction the English is the
    // answer: until judged, the button keeps the word judged before.
    if (!englishInput || !questionForm || byEar)
        m_word = english;
    return byEar ? QStringList{english} : QStringList{};
}

QStringList SpeakingRules::judged(const QString& english)
{
    m_word = english;
    return m_afterJudging ? QStringList{english} : QStringList{};
}

void SpeakingRules::forget()
{
    m_word.clear();
}

} // namespace lumo
