#pragma once
// The typing trainer window: a drawn 40-key keyboard with a finger guide,
// practice courses chosen from the menus and one-minute skill tests. Closing
// it unloads it; the next opening starts afresh.
#include "typing/courses.h"
#include "typing/guide.h"
#include "typing/judging.h"
#include "typing/skilltest.h"

#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;

namespace lumo {

class RichTextBox;

class FrmKeyTre : public QWidget {
    Q_OBJECT
  public:
    explicit FrmKeyTre(QWidget* parent = nullptr);
    ~FrmKeyTre() override;

    // Controls, by their names (arrays: element 0 is the hidden template).
    QMenuBar* menuBar = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbSeikai = nullptr;
    QLabel* lbSeikaisu = nullptr;
    QLabel* lbMatigai = nullptr;
    QLabel* lbMatigaisu = nullptr;
    std::vector<QLabel*> Image1;  // key pictures 0..40
    std::vector<QLabel*> key1;    // key letters 0..40
    std::vector<QLabel*> lbHozyo; // finger strips 0..40
    std::vector<QLabel*> lbYubi;  // finger labels 0..10
    std::vector<QLabel*> Image2;  // cups 0..10
    std::vector<QLabel*> lbCup;   // cup letters 0..10
    QProgressBar* ProgressBar1 = nullptr;
    RichTextBox* RichTextBox1 = nullptr;
    QPushButton* cmdRepeat = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdAutoNext = nullptr;
    QPushButton* cmdExit = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* mnuCourse = nullptr;
    QAction *mnuBase1 = nullptr, *mnuBase2 = nullptr, *mnuBase3 = nullptr, *mnuBase4 = nullptr, *mnuBase5 = nullptr;
    QAction *mnuSyokyu = nullptr, *mnuTyukyu = nullptr, *mnuZyokyu = nullptr;
    QMenu* mnuJapanese = nullptr;
    QAction *mnuJpAgyo = nullptr, *mnuJpAdan = nullptr, *mnuJpIdan = nullptr, *mnuJpUdan = nullptr;
    QAction *mnuJpEdan = nullptr, *mnuJpOdan = nullptr, *mnuJpSonota = nullptr;
    QMenu* mnuTestCourse = nullptr;
    QAction *mnuTestLow = nullptr, *mnuTestMid = nullptr, *mnuTestHigh = nullptr;
    QMenu* mnuOption = nullptr;
    QAction* mnuAutoNext = nullptr;

    // The trainer state, read by tests.
    const typing::TrainerState& state() const { return m_state; }
    const typing::KeyGuide& guide() const { return m_guide; }
    bool testRunning() const { return m_countdown.running(); }

    // Handlers.
    void Form_Load();
    // One key press, as a Windows key code; the Shift state plays no part.
    void Form_KeyDown(int keyCode, int shift = 0);
    void cmdExit_Click();
    void cmdNext_Click();
    void cmdRepeat_Click();
    void cmdAutoNext_Click();
    void mnuAutoNext_Click();
    void mnuBase1_Click() { startCourse(typing::Course::Base1); }
    void mnuBase2_Click() { startCourse(typing::Course::Base2); }
    void mnuBase3_Click() { startCourse(typing::Course::Base3); }
    void mnuBase4_Click() { startCourse(typing::Course::Base4); }
    void mnuBase5_Click() { startCourse(typing::Course::Base5); }
    void mnuSyokyu_Click() { startCourse(typing::Course::EnglishLow); }
    void mnuTyukyu_Click() { startCourse(typing::Course::EnglishMid); }
    void mnuZyokyu_Click() { startCourse(typing::Course::Proverbs); }
    void mnuJpAgyo_Click() { startCourse(typing::Course::KanaVowels); }
    void mnuJpAdan_Click() { startCourse(typing::Course::KanaA); }
    void mnuJpIdan_Click() { startCourse(typing::Course::KanaI); }
    void mnuJpUdan_Click() { startCourse(typing::Course::KanaU); }
    void mnuJpEdan_Click() { startCourse(typing::Course::KanaE); }
    void mnuJpOdan_Click() { startCourse(typing::Course::KanaO); }
    void mnuJpSonota_Click() { startCourse(typing::Course::KanaSpecial); }
    void mnuTestLow_Click() { startTest(typing::TestLevel::Low); }
    void mnuTestMid_Click() { startTest(typing::TestLevel::Mid); }
    void mnuTestHigh_Click() { startTest(typing::TestLevel::High); }
    void Timer1_Timer();

    // Procedures.
    void CourseClear();
    void ShowGuide();
    void ShowCups();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildKeyboardTemplates(QWidget* client);
    void buildMenus();
    void buildKeyboard();
    void installKeyPreview();
    void startCourse(typing::Course course);
    void startTest(typing::TestLevel level);
    void endTest();
    // Words of the two course files at `level`, into the tables; a file that
    // cannot be read is named in a notice and adds none.
    int pickWords(int level);
    // The whole text of a file of the program folder, or empty with a notice.
    QString readCourseFile(const QString& name);
    void showGuideState();
    void showCounts();
    void focusWindow();

    typing::TrainerState m_state;
    typing::KeyGuide m_guide;
    typing::Countdown m_countdown;
    bool m_autoNextOption = false; // the 自動出題 setting its check mark shows
};

} // namespace lumo
