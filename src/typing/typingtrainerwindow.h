#pragma once
// The typing trainer window: a drawn 40-key keyboard with a finger guide,
// practice courses chosen from the menus and one-minute skill tests. Every
// key judged and every finished test is appended to "TypingRecord.dat" when
// the window closes (or, never closed, when the program ends or the window is
// destroyed). Closing it unloads it; the next opening starts afresh.
//   typingtrainerwindow.cpp      controls, menus, the keyboard built at load, key preview
//   typingtrainerwindow_run.cpp  courses, guide and cup displays, judging, tests
//
//   objectName           role
//   frmKeyTre            the window; every printed key typed in it is judged
//   Label1               the title
//   Label2               what is going on: 練習中, 実戦テスト, the end-of-line message
//   Label3               the hint of the line, the instructions, the test result
//   lbSeikai, lbSeikaisu caption and count of correct presses
//   lbMatigai, lbMatigaisu caption and count of wrong presses
//   Image1(1..40)        key pictures (0 is the hidden template)
//   key1(1..40)          key letters: visible and blue for the next key, red and
//                        underlined after a wrong press
//   lbHozyo(1..40)       finger-colour strips under the keys
//   lbYubi(1..10)        finger names under the columns
//   Image2(1..10)        cups of the cup test, one per character of the line
//   lbCup(1..10)         the characters on the cups
//   ProgressBar1         seconds left of a test
//   cmdRepeat            "繰り返す": the current line again
//   cmdNext              "次へ": the next line
//   cmdAutoNext          "自動出題": toggles auto-advance, like mnuAutoNext
//   cmdExit              "練習終了": closes the window
//   Timer1               one-second ticks of a test
//   menuBar              the menu bar
//   notice               files that could not be read, in a bar under the keyboard
//   mnuCourse            基本コース選択: mnuBase1..mnuBase5 key drills, mnuSyokyu/mnuTyukyu
//                        words of the course files, mnuZyokyu proverbs, mnuNigate
//                        苦手キー練習 (drill of the five keys the record says are missed most),
//                        mnuReviewWords 今日の復習の単語, mnuMissedWords よく間違える単語
//                        (the English of those words, each with its meaning)
//   mnuJapanese          日本語コース: mnuJpAgyo, mnuJpAdan, mnuJpIdan, mnuJpUdan,
//                        mnuJpEdan, mnuJpOdan, mnuJpSonota kana drills
//   mnuTestCourse        実力テスト: mnuTestLow, mnuTestMid, mnuTestHigh one-minute tests
//   mnuOption            オプション: mnuAutoNext (checkable) auto-advance after each line
#include "typing/courses.h"
#include "typing/guide.h"
#include "typing/judging.h"
#include "typing/skilltest.h"
#include "typing/typingrecord.h"

#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;

namespace lumo {

class NoticeBar;

class TypingTrainerWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TypingTrainerWindow(QWidget* parent = nullptr);
    ~TypingTrainerWindow() override;

    // The trainer model, read-only: the line tables, the position in the
    // line and the counts the window shows.
    const typing::TrainerState& state() const { return m_state; }

    // Where the courses 今日の復習の単語 and よく間違える単語 take their words.
    void setWordSources(WordSource todaysReview, WordSource oftenMissed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildKeyboardTemplates(QWidget* client);
    void buildMenus();
    // Centres the window, seeds the random source and draws the keyboard.
    void prepareWindow();
    void buildKeyboard();
    // Japanese names by role for the controls whose text changes or that
    // show a picture (the others are named by their caption).
    void nameControlsForAssistiveTools();
    void installKeyPreview();

    // One key press, as a Windows key code.
    void judgeKeyPress(int keyCode);
    void nextLine();
    void repeatLine();
    void toggleAutoNext();
    void startCourse(typing::Course course);
    // 苦手キー練習: a drill of the five worst keys of the record so far; with
    // too little record a notice, and the current course goes on. The record
    // can be long, so it is read aside and the drill starts once it is.
    void startWeakKeyCourse();
    void drillWeakKeys(const TextFile& record, const QString& path, const QString& weakKeys);
    // Lines of the English of `source`'s words; `noWords` is told when it has none.
    void startWordCourse(const WordSource& source, const QString& noWords);
    // Appends the keys and tests recorded so far to "TypingRecord.dat", once;
    // a failure is told in a notice over `messageParent`.
    void saveRecord(QWidget* messageParent);
    void startTest(typing::TestLevel level);
    void countDownOneSecond();
    void endTest();
    void clearCourse();
    void showGuide();
    void showCups();
    // Words of the two course files at `level`, into the tables; a file that
    // cannot be read is named in a notice and adds none.
    int pickWords(int level);
    // The whole text of a file of the program folder, or empty with a notice.
    QString readCourseFile(const QString& name, qint64 maxBytes = kMaxTextFileBytes);
    void showGuideState();
    void showCounts();
    void focusWindow();

    // Controls (arrays: element 0 is the hidden template).
    QMenuBar* m_menuBar = nullptr;
    NoticeBar* m_notice = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_correctCaption = nullptr;
    QLabel* m_correctCount = nullptr;
    QLabel* m_wrongCaption = nullptr;
    QLabel* m_wrongCount = nullptr;
    std::vector<QLabel*> m_keyPictures;  // 0..40
    std::vector<QLabel*> m_keyLetters;   // 0..40
    std::vector<QLabel*> m_fingerStrips; // 0..40
    std::vector<QLabel*> m_fingerNames;  // 0..10
    std::vector<QLabel*> m_cups;         // 0..10
    std::vector<QLabel*> m_cupLetters;   // 0..10
    QProgressBar* m_testProgress = nullptr;
    QPushButton* m_repeat = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_autoNextButton = nullptr;
    QPushButton* m_exit = nullptr;
    QTimer* m_testTimer = nullptr;
    QAction* m_autoNextItem = nullptr;

    typing::TrainerState m_state;
    WordSource m_reviewWords;
    WordSource m_missedWords;
    typing::KeyGuide m_guide;
    typing::Countdown m_countdown;
    typing::TestLevel m_testLevel = typing::TestLevel::Low; // of the running or last test
    typing::TypingRecorder m_recorder;                      // what this opening has judged, not yet saved
    bool m_autoNextOption = false;                          // the 自動出題 setting its check mark shows
    bool m_readingRecord = false;                           // 苦手キー練習 waits for the record being read
};

} // namespace lumo
