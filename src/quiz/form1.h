#pragma once
// The main window: the vocabulary quiz and the way into every other window.
// One class, its implementation split by concern:
//   form1_layout.cpp    controls, menus and start-up (Form_Load)
//   form1_selection.cpp courses, picking questions, listing and discarding them, sorting
//   form1_runs.cpp      quiz runs, judging, end of a pass, direction, shuffle
//   form1_letters.cpp   on-screen letter buttons and the answer box
//   form1_windows.cpp   history files, sounds, help and the other windows, ending
//   form1_exchange.cpp  word lists in and out (import and export items)

#include "data/examples.h"
#include "ui/richtextbox.h"

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <vector>

class QLabel;
class QListWidget;
class QLineEdit;
class QTextEdit;
class QRadioButton;
class QTimer;
class QAction;
class QMenu;

namespace lumo {

class FrmKeyTre;
class FrmCross;
class Engnyu;
class FrmHelpX;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kMaxQuestions = 1000;
    using QuestionArray = std::array<QString, kMaxQuestions + 1>; // 0..1000, questions at 1..n

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Controls (objectName = member name).
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label4 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QListWidget* List4 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* txHatuon = nullptr;
    QTextEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QTextEdit* txSetumei = nullptr;
    QTextEdit* Text3 = nullptr;
    RichTextBox* RichTextBox3 = nullptr;
    RichTextBox* RichTextBox1 = nullptr;
    RichTextBox* RichTextBox2 = nullptr;
    RichTextBox* richDatakioku = nullptr;
    std::vector<QPushButton*> key; // 31 letter buttons, element 0 the template
    QPushButton* Command5 = nullptr;
    QPushButton* cmdmozihenkan = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* cmdDEL = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* OpSeikai = nullptr;
    QRadioButton* OpZannen = nullptr;
    QPushButton* CmdKeytre = nullptr;
    QPushButton* cmdCross = nullptr;
    QPushButton* CmdNew = nullptr;
    QPushButton* cmdNyuryoku = nullptr;
    QPushButton* cmdMondai = nullptr;
    QPushButton* CmdChange = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* Command2 = nullptr;
    QTimer* Timer1 = nullptr;

    // Menu items (objectName = member name).
    QAction *mnuRemenver = nullptr, *mnuRemverMiss = nullptr, *mnuRemenverNew = nullptr, *mnuOpenItem = nullptr,
            *mnuNewQueItem = nullptr, *mnuSaveItem = nullptr, *mnuExitItem = nullptr;
    QAction *mnuKeyTre = nullptr, *mnuCrossWord = nullptr, *mnuNewSelect = nullptr, *mnuTraining = nullptr,
            *mnuQuestion = nullptr, *mnuJapanese = nullptr, *mnuButton = nullptr, *mnuSelectWord = nullptr,
            *mnuDetermination = nullptr;
    QAction *mnuNewQItem = nullptr, *mnuRandamItem = nullptr, *mnuAgainItem = nullptr, *mnuEngSItem = nullptr;
    QAction *mnuAlfaSItem = nullptr, *mnuJapanSItem = nullptr;
    QAction *mnuMusic = nullptr, *mnuBackColor = nullptr;
    QAction *mnuHelpSimple = nullptr, *mnuHelpFull = nullptr;

    // Window-level state.
    QString programFolder;
    QuestionArray english, meaning, example, pendingEnglish, pendingMeaning;
    int selectedCount = 0; // also the current question number during a run (cur)
    int questionTotal = 0;
    bool questionForm = false;
    bool englishInput = true;
    bool soundOn = true;
    QString qwertyLayout, abcLayout;
    QString layoutString;
    bool abcLayoutOn = false;
    bool capitalLetters = false;
    int litKey = 0;
    int advanceTicks = 0;

    // Procedures.
    // Loads a word-pair file into the word lists; returns a Japanese
    // description of any problem (missing file, bad lines), empty when none.
    QString FiOpen(const QString& filex, int course);
    void MondaiSen(const QString& jx, const QString& ex);
    void Monclear();
    void ReibunRead(const QString& ex);
    void Mondai();
    void Hantei();
    void Saihyozi();
    void TextPrintX(const QString& xx, int ido);
    void Moziinzi();
    void NyuRyoku();
    void QuickS(bool byEnglish);
    void recordJudgement(const QString& mark);
    // The save-and-end sequence: history files written, every window closed.
    void saveAndEnd();

    // Handlers, public so tests can drive them as a user would.
    void List1_choose();
    void List2_Click(int index);
    void List3_Click(int index);
    void List4_Click(int index);
    void cmdSelect_Click();
    void CmdNew_Click();
    void mnuNewQItem_Click();
    void cmdNyuryoku_Click();
    void cmdMondai_Click();
    void Command3_Click();
    void CmdChange_Click();
    void mnuEngSItem_Click();
    void OpSeikai_Click();
    void OpZannen_Click();
    void Timer1_Timer();
    void mnuRandamItem_Click();
    void key_Click(int index);
    void Command5_Click();
    void Command4_Click();
    void cmdDEL_Click();
    void cmdmozihenkan_Click();
    void mnuButton_Click();
    void Text2_Change();
    void previewKey(const QString& typed);
    void loadHistoryFile(const QString& name, int course);
    void mnuMusic_Click();
    void mnuHelpSimple_Click();
    void mnuHelpFull_Click();
    void CmdKeytre_Click();
    void cmdCross_Click();

    // The other windows, while they are open.
    QPointer<FrmKeyTre> keyTre;
    QPointer<FrmCross> cross;
    QPointer<Engnyu> wordEntry;
    QPointer<FrmHelpX> help;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void pick(int index);
    void buildControls();
    void buildMenus();
    void buildWordExchange(QMenu* fileMenu); // import and export items at the end of the file menu
    void buildLetterButtons();
    void Form_Load();
    void installKeyPreview();
    void startRun(bool questionFormRun);
    void showExample();
    void nextLetterGuide();
    void clearQuestionArrays();
    void playSound(const QString& file);
    void setCount(const QString& text);
    QString question(const QuestionArray& array, int index) const;

    ExampleLookup m_examples;
    bool m_ending = false;
};

} // namespace lumo
