// QuizWindow: sentence practice, and the word lists the practice windows take
// from the history (today's review, the words missed most).
#include "quiz/quizwindow.h"

#include "base/clock.h"
#include "history/traininghistory.h"
#include "sentence/sentencewindow.h"

#include <QListWidget>

namespace lumo {

// The history is read on first need, off the window's thread: the words are
// handed over once it is loaded, and not at all when `context` has gone by then.
WordSource QuizWindow::todaysReviewWords()
{
    return [this](QObject* context, std::function<void(WordList)> then) {
        m_session.trainingHistory().whenLoaded(context, [this, then] {
            WordList words;
            for (const ReviewWord& w : m_session.trainingHistory().todaysReview(clock().today(), m_reviewLimit).words)
                words.push_back({w.english, w.meaning});
            then(std::move(words));
        });
    };
}

WordSource QuizWindow::oftenMissedWords()
{
    return [this](QObject* context, std::function<void(WordList)> then) {
        m_session.trainingHistory().whenLoaded(context, [this, then] {
            WordList words;
            for (const MissedWord& w : m_session.trainingHistory().summary(clock().today()).mostMissed)
                words.push_back({w.english, w.meaning});
            then(std::move(words));
        });
    };
}

void QuizWindow::showSentencePractice()
{
    if (m_sentences) {
        m_sentences->show();
        m_sentences->raise();
        m_sentences->activateWindow();
        return;
    }
    SentenceSources sources;
    const QStringList english = m_session.selectedEnglish();
    const QStringList meanings = m_session.selectedMeanings();
    for (qsizetype k = 0; k < english.size() && k < meanings.size(); ++k)
        sources.selected.push_back({english[k], meanings[k]});
    sources.todaysReview = todaysReviewWords();
    const QStringList& courseEnglish = m_session.courseEnglish();
    const QStringList& courseMeanings = m_session.courseMeanings();
    for (qsizetype k = 0; k < courseEnglish.size() && k < courseMeanings.size(); ++k)
        sources.course.push_back({courseEnglish[k], courseMeanings[k]});
    const QListWidgetItem* current = m_courseList->currentItem();
    sources.courseName = current && !current->text().isEmpty() ? current->text() : QStringLiteral("eng-1-1.dat");
    m_sentences = new SentenceWindow(m_session.exampleText(), std::move(sources), this);
    m_sentences->show();
    m_sentences->activateWindow();
}

} // namespace lumo
