#pragma once
// The learner's history of answers, held in one place: what "Training.dat"
// holds plus every answer judged in question form during this run, in order.
// Today's review, the learning record and the missed-word export all read it
// here, so they agree with each other and with the file as it will be after
// this run.
//
// The file is read once, the first time something needs it (never at
// start-up), on a thread of its own and in pieces, and kept compactly
// (data/answerlog.h): a ten-year history costs about 8 MB and a quarter of a
// second of another core. Until it is loaded the windows stay usable: they ask
// to be called back once it is, and every request made meanwhile waits for the
// same load.
//
// This run's answers are kept apart from the file's, both as the text written
// to the history files at exit (data/history.h) and compactly; the questions
// about the history put the two together, so an answer given a moment ago
// counts at once.
#include "data/answerlog.h"
#include "data/history.h"
#include "exchange/wordexport.h"
#include "record/learningrecord.h"
#include "review/todaysreview.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <vector>

namespace lumo {

class TrainingHistory : public QObject {
    Q_OBJECT
  public:
    explicit TrainingHistory(QObject* parent = nullptr);
    ~TrainingHistory() override; // waits for a load under way

    // The program folder whose "Training.dat" holds the history; nothing is
    // read until the history is first needed.
    void setFolder(const QString& folder);

    // --- This run ----------------------------------------------------------
    // Records a judgement: the mark joins this run's line of `english`, or
    // starts a new line dated `date` (see recordJudgement in data/history.h).
    void record(const QString& english, const QString& meaning, bool right, QDate date);
    // This run's history text, as the history files take it at exit.
    const QString& runText() const { return m_runText; }
    bool runHasAnswers() const { return !m_run.words().empty(); }
    // Writes this run to the history files at exit (saveHistory in
    // data/history.h). A run that judged nothing leaves both files as they are.
    HistorySaveResult saveRun() const;

    // --- Loading -----------------------------------------------------------
    // Calls `then` on this object's thread once the file is loaded: at once
    // when it is, otherwise later from the event loop (not at all once
    // `context` is gone). The first call starts the load.
    void whenLoaded(QObject* context, std::function<void()> then);
    bool isLoaded() const { return m_state == State::Loaded; }
    bool isLoading() const { return m_state == State::Loading; }
    // Loads the file now if it is not loaded yet, waiting for a load under
    // way (benchmarks and tools; the windows use whenLoaded).
    void waitUntilLoaded();
    // Why the file could not be read (in Japanese, naming the file); empty
    // when it was read or is missing. Known once loaded.
    const QStringList& problems() const { return m_problems; }

    // --- What it says (once loaded; before that only this run counts) -------
    TodaysReview todaysReview(QDate today, int limit) const;
    HistorySummary summary(QDate today, int mostMissedCount = 20) const;
    // The words answered wrongly at least once, each once (exchange/wordexport.h).
    std::vector<exchange::WordPair> missedWords() const;
    // History lines of the file that could not be read and were left out.
    int skippedLines() const { return m_file.skippedLines(); }

  signals:
    void loaded();

  private:
    struct Loaded {
        AnswerLog file;
        ReplayedHistory replayed;
        QStringList problems;
    };
    static Loaded load(const QString& path);
    void startLoading();
    void finishLoading(); // on this object's thread
    void install(Loaded result);

    enum class State { NotLoaded, Loading, Loaded };
    State m_state = State::NotLoaded;
    QString m_folder;
    std::future<Loaded> m_loading;
    struct Waiter {
        QPointer<QObject> context;
        std::function<void()> then;
    };
    std::vector<Waiter> m_waiters;

    AnswerLog m_file;           // the file's lines
    ReplayedHistory m_replayed; // the file's words replayed
    QStringList m_problems;
    AnswerLog m_run; // this run's lines
    QString m_runText;
};

} // namespace lumo
