#pragma once
// The main window: the vocabulary quiz and the way into every other window.
// A view over QuizSession (quiz/quizsession.h), which holds every rule of the
// quiz; the window builds the controls, forwards input and shows what the
// session reports. Its implementation is split by concern:
//   quizwindow_layout.cpp    controls, menus and start-up
//   quizwindow_selection.cpp courses, picking, listing and discarding questions, sorting
//   quizwindow_runs.cpp      runs, judging, end of a pass, direction, shuffle
//   quizwindow_letters.cpp   on-screen letter buttons and the answer box
//   quizwindow_windows.cpp   history files, sounds, help and the other windows, ending
//   quizwindow_speech.cpp    speaking the English, its phonetic spelling, the listening quiz
//   quizwindow_review.cpp    today's review
//   quizwindow_comparison.cpp the letter-by-letter comparison of a wrong answer
//   quizwindow_exchange.cpp  word lists in and out (import and export items)
//   quizwindow_sentences.cpp sentence practice; the history's word lists for the practice windows
//
// Controls (objectName → role):
//   Label1 title · Label3 "コース選択" heading · List1 course list · Label4 "単語選択" heading
//   List2 meanings of the course (English-input direction) · List3 English of the course (translation direction)
//   List4 selected questions (click removes one) · Text4 question count · Text5 question number
//   txHatuon the meaning's note · Text1 question prompt · Text2 answer box · txSetumei instructions
//   Text3 answer shown / result · RichTextBox3 example sentence and prompts · RichTextBox1 spare text box (hidden)
//   key(0)..key(30) letter buttons · Command5 SPACE · cmdmozihenkan case switch · Command4 BS · cmdDEL DEL
//   Command3 判定 (judge) · Label2 正解/残念 verdict · OpSeikai / OpZannen self-grading (translation direction)
//   CmdKeytre typing trainer · cmdCross crossword · CmdNew new selection · cmdNyuryoku training run
//   cmdMondai question-form run · CmdChange direction switch · cmdSelect show selected questions · Command2 end
//   Timer1 the translation direction's advance timer (1 s)
//   cmdHatuon 発音: speak the English · lbHatuonKigou the judged English with its pronunciation
//   lbCompare a wrong typed answer beside the right one, letter by letter
//   notice problems with files (start-up files, a course, a history file) and with speech, in a bar
//          under every control; the window grows by its height while it shows
// Menu items: see DESIGN.md.

#include "data/course.h"
#include "data/wordsource.h"
#include "quiz/quizlogic.h"
#include "quiz/quizsession.h"
#include "quiz/speaking.h"
#include "review/todaysreview.h"

#include <QMainWindow>
#include <QPointer>

#include <utility>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;

namespace lumo {

class NoticeBar;
class RichTextBox;
class TypingTrainerWindow;
class CrosswordWindow;
class WordEntryWindow;
class HelpWindow;
class RecordWindow;
class SentenceWindow;

class QuizWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit QuizWindow(QWidget* parent = nullptr);
    ~QuizWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout and start-up.
    void buildControls();
    void connectControls();
    void buildMenus();
    void buildWordExchange(QMenu* fileMenu); // import and export items at the end of the file menu
    void buildLetterButtons();
    void loadStartupFiles();
    void installKeyPreview();

    // Courses and the selection.
    QString loadCourse(const QString& path, bool wrongAnswersOnly);
    // A course file read and its lines taken, without touching the window
    // (so a long history file can be read on another thread), then shown.
    struct ReadCourse {
        TextFile file;
        CourseLines lines;
    };
    static ReadCourse readCourse(const QString& path, bool wrongAnswersOnly);
    QString showReadCourse(const QString& path, ReadCourse course);
    void showCourse();
    void chooseCourse();
    void pickWord(int row);
    void showSelectedQuestions();
    void removeSelectedQuestion(int listRow);
    void askNewSelection();
    void clearSelection();
    void startNewChallenge();
    void sortWords(bool byEnglish);
    void showQuestionCount();

    // Runs and judging.
    void startTraining();
    void startQuestions();
    void showNextQuestion(const QStringList& sayFirst = {});
    void judgeClicked();
    void judgeTypedAnswer();
    void revealMeaning();
    void showExample(const QString& example, const QString& english);
    void gradeSelf(bool right);
    void advanceTick();
    void endPass();
    void switchDirection();
    void chooseEnglishSelection();
    void shuffleQuestions();

    // Letter buttons and the answer box.
    void editAnswer(LetterAction action, const QString& letter);
    void lightTypedKey(const QString& typed);
    void showNextLetterGuide();
    void switchLetterCase();
    void switchLetterOrder();
    void showLetters();

    // History files, options, the other windows, ending.
    void loadHistoryFile(const QString& name, bool wrongAnswersOnly);
    void playSound(const QString& file);
    void toggleSound();
    void showSimpleHelp();
    void showFullHelp();
    void showTypingTrainer();
    void showCrossword();
    void showWordEntry();
    void showRecord();
    void saveAndEnd();
    // Picks words chosen in another window as questions, as picking each from
    // the word list would, and says how many were added.
    void pickWords(const std::vector<std::pair<QString, QString>>& words);
    // What a pick of a list of words left out, one line each; empty when nothing was.
    static QString pickProblems(const QuizSession::PickReport& picked);
    // Sentence practice and the history's word lists (quizwindow_sentences.cpp).
    void showSentencePractice();
    WordSource todaysReviewWords();
    WordSource oftenMissedWords();

    // Speaking the English and its phonetic spelling.
    void buildSpeechControls(QWidget* client);
    void addSpeechMenuItems(QMenu* options);
    void say(const QStringList& texts);
    void speakCurrentWord();
    void showWordMenu(QListWidget* list, const QPoint& pos);
    void speakWordMenuRow();
    // The listening quiz asks by ear only while the English can be heard.
    void setListening(bool on);
    bool asksByEar();
    bool questionWentUnheard();
    void stopListening();
    void showPhoneticSpelling(const QString& english, const QString& meaning);
    // Today's review (quizwindow_review.cpp).
    void pickTodaysReview();
    void askReviewLimit();
    // After a wrong typed answer: the answer beside the right one, letter by letter.
    void showAnswerComparison(const QString& typed, const QString& right);
    void hideAnswerComparison();

    QuizSession m_session;
    SpeakingRules m_speaking;
    LetterLayout m_letters;
    QString m_programFolder;
    bool m_soundOn = true;
    int m_litKey = 0; // 1 + the letter button lit by the last typed key, 0 for none
    bool m_ending = false;
    int m_reviewLimit = kDefaultReviewLimit; // words today's review picks at most
    bool m_reviewWaiting = false;            // today's review waits for the history to load

    // Controls (see the table above).
    QListWidget* m_courseList = nullptr;
    QListWidget* m_meaningList = nullptr;
    QListWidget* m_englishList = nullptr;
    QListWidget* m_selectionList = nullptr;
    QLineEdit* m_countBox = nullptr;
    QLineEdit* m_numberBox = nullptr;
    QLineEdit* m_noteBox = nullptr;
    QTextEdit* m_promptBox = nullptr;
    QLineEdit* m_answerBox = nullptr;
    QTextEdit* m_instructionsBox = nullptr;
    QTextEdit* m_resultBox = nullptr;
    RichTextBox* m_exampleBox = nullptr;
    RichTextBox* m_spareTextBox = nullptr;
    std::vector<QPushButton*> m_letterButtons; // 31, element 0 the template
    QPushButton* m_spaceButton = nullptr;
    QPushButton* m_caseButton = nullptr;
    QPushButton* m_backStepButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_judgeButton = nullptr;
    QLabel* m_verdictLabel = nullptr;
    QRadioButton* m_rightOption = nullptr;
    QRadioButton* m_wrongOption = nullptr;
    QPushButton* m_typingButton = nullptr;
    QPushButton* m_crosswordButton = nullptr;
    QPushButton* m_newSelectionButton = nullptr;
    QPushButton* m_trainingButton = nullptr;
    QPushButton* m_questionsButton = nullptr;
    QPushButton* m_directionButton = nullptr;
    QPushButton* m_showSelectionButton = nullptr;
    QPushButton* m_endButton = nullptr;
    QTimer* m_advanceTimer = nullptr;
    QAction* m_soundItem = nullptr;
    QPushButton* m_speakButton = nullptr;
    QLabel* m_phoneticLabel = nullptr;
    QMenu* m_wordMenu = nullptr; // the word lists' context menu
    int m_wordMenuRow = -1;      // the row it was opened on
    QAction* m_listeningItem = nullptr;
    // While the current question is asked by ear: its prompt as it is read.
    QString m_byEarPrompt;
    QLabel* m_comparisonLabel = nullptr;
    NoticeBar* m_notice = nullptr;
    QString m_courseLineNotice; // what the bar was told of the loaded course's lines (too many, too long)

    // The other windows, while they are open.
    QPointer<TypingTrainerWindow> m_typingTrainer;
    QPointer<CrosswordWindow> m_crossword;
    QPointer<WordEntryWindow> m_wordEntry;
    QPointer<HelpWindow> m_help;
    QPointer<RecordWindow> m_record;
    QPointer<SentenceWindow> m_sentences;
};

} // namespace lumo
