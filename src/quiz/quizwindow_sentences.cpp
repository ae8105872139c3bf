// QuizWindow: sentence practice, and the word lists the practice windows take
// from the history (today's review, the words missed most).
#include "quiz/quizwindow.h"

#include "base/clock.h"
#include "data/history.h"
#include "data/textfile.h"
#include "record/learningrecord.h"
#include "sentence/sentencewindow.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPointer>
#include <QThreadPool>

namespace lumo {

// Works the words out of the history as "Training.dat" will hold it after
// this run (the file, then this run's judgements) on a thread of the pool,
// and hands them to `then` on the window's thread.
void QuizWindow::historyWords(QObject* context, std::function<void(WordPairs)> then,
                              std::function<WordPairs(QStringView history, QDate today)> choose)
{
    const QString path = m_programFolder + QLatin1String(kTrainingFile);
    const QString thisRun = m_session.history();
    const QDate today = clock().today();
    QPointer<QObject> receiver(context);
    QThreadPool::globalInstance()->start([path, thisRun, today, choose, receiver, then] {
        const TextFile file = readTextFile(path);
        WordPairs words = choose(file.text + thisRun + QStringLiteral("\r\n"), today);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [receiver, then, words = std::move(words)] {
                if (receiver)
                    then(words);
            },
            Qt::QueuedConnection);
    });
}

WordSource QuizWindow::todaysReviewWords()
{
    return [this](QObject* context, std::function<void(WordPairs)> then) {
        historyWords(context, std::move(then), [limit = m_reviewLimit](QStringView history, QDate today) {
            WordPairs words;
            for (const ReviewWord& w : chooseTodaysReview(history, today, limit).words)
                words.push_back({w.english, w.meaning});
            return words;
        });
    };
}

WordSource QuizWindow::oftenMissedWords()
{
    return [this](QObject* context, std::function<void(WordPairs)> then) {
        historyWords(context, std::move(then), [](QStringView history, QDate today) {
            WordPairs words;
            for (const MissedWord& w : summariseHistory(history, today).mostMissed)
                words.push_back({w.english, w.meaning});
            return words;
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
