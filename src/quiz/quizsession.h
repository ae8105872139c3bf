#pragma once
// The vocabulary quiz without a window: the chosen course's word lists, the
// questions picked from them, runs in training or question form in either
// direction, judging, retries, the end-of-pass choices, shuffling, sorting
// and the history text of the judgements. The main window forwards the
// learner's input here and shows what the session reports.
#include "data/examples.h"
#include "history/traininghistory.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lumo {

class RandomSource;

class QuizSession {
  public:
    // Questions are numbered 1..kMaxQuestions.
    static constexpr int kMaxQuestions = 1000;

    QuizSession();

    // --- The course -------------------------------------------------------
    // The word lists of the chosen course, item i of one belonging to item i
    // of the other. The selection is kept: questions outlive a course change.
    void setCourse(QStringList english, QStringList meanings);
    const QStringList& courseEnglish() const { return m_courseEnglish; }
    const QStringList& courseMeanings() const { return m_courseMeanings; }
    // Sorts the word lists by English or by meaning, then starts a new
    // challenge (the picked questions are cleared).
    void sortCourse(bool byEnglish);
    // The example sentences searched when a word is picked.
    void setExamples(QString exampleText) { m_examples = ExampleLookup(std::move(exampleText)); }
    const QString& exampleText() const { return m_examples.text(); }

    // --- The selection ----------------------------------------------------
    enum class PickResult {
        Added,           // a new question after the last one
        AlreadySelected, // its meaning is among the questions already
        Full,            // kMaxQuestions questions are selected
        NoSuchWord,      // no word at that row
    };
    // Picks the word at `row` of the course lists as a question.
    PickResult pick(int row);
    // Picks an English word and its meaning directly, as picking its row would.
    PickResult pick(const QString& english, const QString& meaning);
    // Picks a list of words (today's review, words chosen in the learning
    // record) as questions, each as pick(english, meaning) would, and tells
    // what became of them.
    struct PickReport {
        int added = 0;
        int alreadySelected = 0; // the same English with the same meaning is a question already
        // "English（meaning）" of words left out because another question
        // already asks that meaning: the learner could not tell which English
        // is wanted.
        QStringList sameMeaning;
        int notFound = 0; // no English to ask
        int leftOver = 0; // left out because kMaxQuestions were selected
    };
    PickReport pickWords(const std::vector<std::pair<QString, QString>>& words);
    int questionTotal() const { return m_total; }
    bool hasSelection() const { return !slot(1).english.isEmpty(); }
    // The English of every selected question, in order (the selection list).
    QStringList selectedEnglish() const;
    // Their meanings, in the same order.
    QStringList selectedMeanings() const;
    // Whether row `listRow` of the selection list holds a question.
    bool isSelected(int listRow) const;
    // Removes the question at row `listRow` of the selection list.
    void removeSelected(int listRow);
    // After the selection list was used: the current question is the last.
    void moveToLastQuestion() { m_current = m_total; }
    // A new selection asks before discarding a run's questions when the
    // first pending English is shorter than 15 characters.
    bool discardNeedsConfirmation() const;
    // Forgets every question.
    void discardSelection();
    // A new challenge: the questions' texts are cleared, the count is kept.
    void startNewChallenge();

    // --- Direction and form -----------------------------------------------
    // True: a meaning is shown and the English typed. False: the English is
    // shown and the learner thinks of the meaning (translation direction).
    bool englishInput() const { return m_englishInput; }
    void setEnglishInput(bool englishInput) { m_englishInput = englishInput; }
    // True in question form (recorded in the history), false in training.
    bool questionForm() const { return m_questionForm; }

    // --- Runs -------------------------------------------------------------
    // Starts a training run; false (nothing started) without a selection.
    bool startTraining();
    void startQuestions();

    struct ShownQuestion {
        int number = 0;
        QString prompt;                // the meaning (its head in question form) or the English
        std::optional<QString> answer; // shown beside it in training form
    };
    // Moves to the next question still pending and tells what to show;
    // nullopt when the pass has ended (see passEnd()).
    std::optional<ShownQuestion> showPending();
    // Whether there is a question at the current position to judge.
    bool hasCurrentQuestion() const { return !slot(m_current).english.isEmpty(); }

    struct Judgement {
        bool correct = false;
        QString note;    // the meaning's note, after its second comma
        QString english; // the question judged
        QString meaning;
        QString example;         // its example slot (may be empty)
        bool passGoesOn = false; // false: the pass has ended; true: showPending() tells what remains
    };
    // Judges a typed English answer (English-input direction); in question
    // form the judgement is recorded in the history with `today`.
    Judgement judge(const QString& typed, QDate today);

    // The meaning and the English of the question at the current position.
    const QString& currentMeaning() const { return slot(m_current).meaning; }
    const QString& currentEnglish() const { return slot(m_current).english; }
    enum class AfterReveal { SelfGrade, AdvanceByTimer, EndOfPass };
    // The translation direction's judging, once the current meaning is shown:
    // moves past the question and tells what comes next.
    AfterReveal reveal();
    // The learner's own verdict in the translation direction's question form.
    void selfGrade(bool right);
    // One tick of the translation direction's advance timer; after the third
    // the next question's texts are returned.
    std::optional<ShownQuestion> advanceTick();

    enum class PassEnd {
        RetryWrong,   // question form with wrong answers left
        AllCorrect,   // question form, every answer right
        TrainingDone, // end of a training pass
    };
    PassEnd passEnd() const;
    // Continues the pass at the first question still pending.
    void retryWrong();
    enum class NextRun { None, Training, Questions, NewSelection };
    // The reply to the all-correct choice: "1", "2" or "3" (full-width too).
    static NextRun nextRunAfterAllCorrect(const QString& reply);

    // --- Helpers of the views ---------------------------------------------
    // The next letter of the expected answer after `typed`, lower-case (empty
    // past its end); nullopt when no letter is guided (question form, or no
    // question at the current position).
    std::optional<QString> guideLetter(const QString& typed) const;
    // Shuffles the questions: each position i swaps with a drawn position.
    void shuffle(RandomSource& random);
    // The history text: every judgement in question form since the start.
    const QString& history() const { return m_history->runText(); }
    // The learner's whole history: the file's answers and this run's.
    TrainingHistory& trainingHistory() { return *m_history; }
    const TrainingHistory& trainingHistory() const { return *m_history; }

  private:
    struct Slot {
        QString english, meaning, example, pendingEnglish, pendingMeaning;
    };
    const Slot& slot(int index) const;
    Slot& writableSlot(int index); // grows the slots up to `index`
    void copyToPending();
    int firstPending() const;
    ShownQuestion shownAt(int index) const;

    QStringList m_courseEnglish, m_courseMeanings;
    ExampleLookup m_examples;
    // Questions at 1..m_total; held up to the highest position ever written
    // (positions beyond read as empty), so an unused selection costs nothing.
    std::vector<Slot> m_slots;
    int m_current = 0; // the question being asked, or the last picked
    int m_total = 0;
    bool m_questionForm = false;
    bool m_englishInput = true;
    int m_advanceTicks = 0;
    std::unique_ptr<TrainingHistory> m_history = std::make_unique<TrainingHistory>();
};

} // namespace lumo
