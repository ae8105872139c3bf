// QuizWindow: controls, menus and start-up.
#include "quiz/quizwindow.h"

#include "base/programfiles.h"
#include "base/programfolder.h"
#include "data/course.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/twips.h"
#include "ui/wrappingbutton.h"
#include "widgets/richtextbox.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <utility>

namespace lumo {
namespace {

const QColor kBlue(0, 0, 255);

template <class W> W* control(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    return createControl<W>(parent, QString::fromLatin1(name), QRect(left, top, width, height));
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect twips, QColor text, QColor back,
              const QFont& font)
{
    auto* l = control<QLabel>(parent, name, twips.x(), twips.y(), twips.width(), twips.height());
    l->setText(caption);
    l->setFont(font);
    setColours(l, text, back);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect twips)
{
    // A caption too wide for its button at a larger scale or font wraps.
    auto* b = control<WrappingButton>(parent, name, twips.x(), twips.y(), twips.width(), twips.height());
    b->setText(caption);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

// The operating instructions shown until a course is chosen.
const QString kInstructions =
    QStringList{
        QStringLiteral("操作方法"),
        QStringLiteral("　 ①最初に左側のリストからコースを選択して下さい。"),
        QStringLiteral("   ②次に左下のリストから問題を好きなだけ選択して下さい。"),
        QStringLiteral(" 　③右側から「練習」を選ぶと答えが出ますので入力演習して下さい。"),
        QStringLiteral(" 　④「問題形式」を選ぶと問題形式になります。"),
        QStringLiteral(" 　⑤「和訳考察」ボタンを押すと英文が示され、和訳を答える形式になります。"),
        QStringLiteral(
            "      ただしこの場合は頭の中で答えることになります。正解すると正解のチェックボタンを押して下さい。"),
        QStringLiteral("　 ⑥判定 あるいはエンターキーを押すと答えが示されます。"),
        QStringLiteral("   ⑦間違った問題を再び後で答えることが出来ます。"),
        QStringLiteral("   ⑧「新規」は今までの問題を消去しますので、新たな問題を選択して下さい。"),
    }
        .join(kCrLf);

QuizWindow::QuizWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ENGLISH"));
    buildControls();
    connectControls();
    buildMenus();
    loadStartupFiles();
    installKeyPreview();
}

QuizWindow::~QuizWindow() = default;

void QuizWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    setColours(client, QColor(), QColor(128, 128, 255));
    setFont(uiFont(Face::Gothic));
    const QFont gothic = uiFont(Face::Gothic);

    auto* title = label(client, "Label1", QStringLiteral("LUMO-ENGLISH"), QRect(2070, 45, 2835, 540), QColor(0, 192, 0),
                        QColor(64, 0, 64), uiFont(Face::Serif, 14, true));
    title->setAlignment(Qt::AlignCenter);
    QLabel* courseHeading = label(client, "Label3", QStringLiteral("コース選択"), QRect(120, 120, 1695, 375),
                                  QColor(255, 255, 0), QColor(0, 0, 128), uiFont(Face::Gothic, 12));
    m_courseList = control<QListWidget>(client, "List1", 120, 600, 1605, 1020);
    QLabel* wordHeading = label(client, "Label4", QStringLiteral("単語選択"), QRect(120, 1800, 1380, 255),
                                QColor(0, 0, 0), QColor(255, 255, 192), gothic);
    m_meaningList = control<QListWidget>(client, "List2", 135, 2070, 1830, 3960);
    // The headings name the lists they head for assistive technology.
    courseHeading->setBuddy(m_courseList);
    wordHeading->setBuddy(m_meaningList);
    m_englishList = control<QListWidget>(client, "List3", 135, 2115, 1875, 3840);
    m_englishList->hide();
    m_selectionList = control<QListWidget>(client, "List4", 135, 2025, 1860, 4020);
    m_selectionList->hide();

    m_countBox = control<QLineEdit>(client, "Text4", 5130, 0, 1860, 300);
    setColours(m_countBox, QColor(0, 0, 128), QColor(192, 192, 192));
    m_numberBox = control<QLineEdit>(client, "Text5", 7245, 0, 2010, 300);
    setColours(m_numberBox, QColor(), QColor(192, 192, 192));
    m_noteBox = control<QLineEdit>(client, "txHatuon", 5085, 315, 4200, 330);
    m_noteBox->setFont(uiFont(Face::Gothic, 9, true));
    m_promptBox = control<QTextEdit>(client, "Text1", 2070, 630, 6135, 615);
    m_promptBox->setFont(uiFont(Face::Gothic, 12, true));
    m_promptBox->setAcceptRichText(false);
    m_answerBox = control<QLineEdit>(client, "Text2", 2070, 1260, 6120, 705);
    m_answerBox->setFont(uiFont(Face::Gothic, 15.75, true));
    setColours(m_answerBox, kBlue);
    // English answers take direct input: an Enter that confirms a kana
    // conversion must never judge an answer.
    m_answerBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_instructionsBox = control<QTextEdit>(client, "txSetumei", 2070, 1305, 6075, 1860);
    m_instructionsBox->setFont(uiFont(Face::Serif, 14.25));
    setColours(m_instructionsBox, QColor(0, 0, 0), QColor(255, 255, 0));
    m_instructionsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_instructionsBox->setAcceptRichText(false);
    m_resultBox = control<QTextEdit>(client, "Text3", 2070, 1980, 6105, 1140);
    m_resultBox->setFont(uiFont(Face::Serif, 14.25));
    setColours(m_resultBox, QColor(255, 0, 0), QColor(192, 192, 192));
    m_resultBox->setAcceptRichText(false);
    m_exampleBox = control<RichTextBox>(client, "RichTextBox3", 2070, 3150, 6105, 1260);
    m_spareTextBox = control<RichTextBox>(client, "RichTextBox1", 2070, 630, 6105, 2535);
    m_spareTextBox->hide();
    // Boxes whose text changes are named by their role.
    const std::pair<QWidget*, QString> roles[] = {
        {m_englishList, QStringLiteral("英単語の一覧")}, {m_selectionList, QStringLiteral("選択した問題の一覧")},
        {m_promptBox, QStringLiteral("問題")},           {m_answerBox, QStringLiteral("解答欄")},
        {m_resultBox, QStringLiteral("答え")},           {m_countBox, QStringLiteral("問題数")},
        {m_numberBox, QStringLiteral("問題番号")},       {m_noteBox, QStringLiteral("発音・注記")},
        {m_instructionsBox, QStringLiteral("操作方法")}, {m_exampleBox, QStringLiteral("例文")},
    };
    for (const auto& [box, role] : roles)
        box->setAccessibleName(role);

    m_letterButtons.push_back(button(client, "key(0)", QString(), QRect(2070, 4440, 465, 480)));
    m_spaceButton = button(client, "Command5", QStringLiteral("SPACE"), QRect(2115, 6000, 3495, 375));
    m_caseButton = button(client, "cmdmozihenkan", QStringLiteral("大文字小文字変換"), QRect(5760, 6000, 1695, 375));
    m_backStepButton = button(client, "Command4", QStringLiteral("BS"), QRect(7470, 4440, 735, 435));
    m_deleteButton = button(client, "cmdDEL", QStringLiteral("DEL"), QRect(7470, 4950, 735, 405));
    m_judgeButton = button(client, "Command3", QStringLiteral("判定"), QRect(7290, 5445, 945, 525));
    m_verdictLabel = label(client, "Label2", QString(), QRect(8280, 675, 975, 495), QColor(255, 0, 255), QColor(),
                           uiFont(Face::Gothic, 21.75));
    m_rightOption = control<QRadioButton>(client, "OpSeikai", 8280, 1215, 1005, 375);
    m_rightOption->setText(QStringLiteral("正解"));
    setColours(m_rightOption, kBlue, QColor(0, 255, 0));
    m_rightOption->hide();
    m_wrongOption = control<QRadioButton>(client, "OpZannen", 8280, 1620, 1005, 375);
    m_wrongOption->setText(QStringLiteral("残念"));
    setColours(m_wrongOption, QColor(255, 0, 0), QColor(255, 255, 0));
    m_wrongOption->hide();
    m_typingButton = button(client, "CmdKeytre", QStringLiteral("キー入力練習"), QRect(8325, 2025, 960, 465));
    m_crosswordButton = button(client, "cmdCross", QStringLiteral("クロスワード"), QRect(8325, 2565, 960, 465));
    m_newSelectionButton = button(client, "CmdNew", QStringLiteral("新規選択"), QRect(8325, 3105, 960, 495));
    m_trainingButton = button(client, "cmdNyuryoku", QStringLiteral("練習"), QRect(8325, 3645, 960, 495));
    m_questionsButton = button(client, "cmdMondai", QStringLiteral("問題形式"), QRect(8325, 4185, 960, 495));
    m_directionButton = button(client, "CmdChange", QStringLiteral("和訳考察に変更"), QRect(8325, 4725, 960, 495));
    m_showSelectionButton =
        button(client, "cmdSelect", QStringLiteral("問題選択単語表示"), QRect(8325, 5265, 975, 465));
    m_endButton = button(client, "Command2", QStringLiteral("終了"), QRect(8325, 5760, 1005, 495));
    // The side buttons at the readable size of the rest of the window; a
    // caption longer than its button wraps onto a second line.
    for (QPushButton* b : {m_typingButton, m_crosswordButton, m_newSelectionButton, m_trainingButton, m_questionsButton,
                           m_directionButton, m_showSelectionButton})
        b->setFont(uiFont(Face::Gothic, 9));

    buildSpeechControls(client);

    // Along the bottom, from under the word lists to the phonetic spelling:
    // after a wrong typed answer, that answer beside the right one, letter by
    // letter.
    m_comparisonLabel = label(client, "lbCompare", QString(), QRect(135, 6420, 6315, 360), QColor(0, 0, 0),
                              QColor(255, 255, 224), gothic);
    m_comparisonLabel->setTextFormat(Qt::RichText);
    m_comparisonLabel->hide();

    // The instructions lie over the answer area until a course is chosen.
    m_instructionsBox->raise();

    // Problems with files (start-up files, a course, a history file): a bar
    // under every control; the window grows to hold it while it shows.
    m_notice = new NoticeBar(client);
    m_notice->setPlacement(NoticeBar::Placement::BelowControls);

    m_advanceTimer = new QTimer(this);
    m_advanceTimer->setObjectName(QStringLiteral("Timer1"));
    m_advanceTimer->setInterval(1000);
}

void QuizWindow::connectControls()
{
    connect(m_courseList, &QListWidget::itemPressed, this, &QuizWindow::chooseCourse);
    connect(m_meaningList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (m_instructionsBox->isVisible())
            m_instructionsBox->hide();
        pickWord(m_meaningList->row(item));
    });
    connect(m_englishList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { pickWord(m_englishList->row(item)); });
    connect(m_selectionList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { removeSelectedQuestion(m_selectionList->row(item)); });
    connect(m_showSelectionButton, &QPushButton::clicked, this, &QuizWindow::showSelectedQuestions);
    connect(m_newSelectionButton, &QPushButton::clicked, this, &QuizWindow::askNewSelection);
    connect(m_trainingButton, &QPushButton::clicked, this, &QuizWindow::startTraining);
    connect(m_questionsButton, &QPushButton::clicked, this, &QuizWindow::startQuestions);
    connect(m_judgeButton, &QPushButton::clicked, this, &QuizWindow::judgeClicked);
    connect(m_directionButton, &QPushButton::clicked, this, &QuizWindow::switchDirection);
    connect(m_rightOption, &QRadioButton::pressed, this, [this] { gradeSelf(true); });
    connect(m_wrongOption, &QRadioButton::pressed, this, [this] { gradeSelf(false); });
    connect(m_advanceTimer, &QTimer::timeout, this, &QuizWindow::advanceTick);
    connect(m_spaceButton, &QPushButton::clicked, this,
            [this] { editAnswer(LetterAction::Insert, QStringLiteral(" ")); });
    connect(m_backStepButton, &QPushButton::clicked, this,
            [this] { editAnswer(LetterAction::BackStep, QStringLiteral(" ")); });
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { editAnswer(LetterAction::Overwrite, QString()); });
    connect(m_caseButton, &QPushButton::clicked, this, &QuizWindow::switchLetterCase);
    connect(m_answerBox, &QLineEdit::textChanged, this, &QuizWindow::showNextLetterGuide);
    connect(m_answerBox, &QLineEdit::returnPressed, this, &QuizWindow::judgeClicked);
    connect(m_typingButton, &QPushButton::clicked, this, &QuizWindow::showTypingTrainer);
    connect(m_crosswordButton, &QPushButton::clicked, this, &QuizWindow::showCrossword);
    connect(m_endButton, &QPushButton::clicked, this, &QuizWindow::saveAndEnd);
}

void QuizWindow::buildMenus()
{
    auto menu = [this](const char* name, const QString& caption) { return addNamedMenu(menuBar(), name, caption); };
    auto item = [this](QMenu* m, const char* name, const QString& caption, auto handler) {
        return addNamedItem(m, name, caption, this, handler);
    };
    auto inert = [](QMenu* m, const char* name, const QString& caption) { return addNamedItem(m, name, caption); };

    QMenu* file = menu("mnuFile", QStringLiteral("ファイル(&F)"));
    item(file, "mnuRemenver", QStringLiteral("過去データ読み込み(&R)"),
         [this] { loadHistoryFile(QLatin1String(kTrainingFile), false); });
    item(file, "mnuRemverMiss", QStringLiteral("過去間違いデータ読み込み(&M)"),
         [this] { loadHistoryFile(QLatin1String(kTrainingFile), true); });
    item(file, "mnuRemenverNew", QStringLiteral("最新過去データ読み込み(&D)"),
         [this] { loadHistoryFile(QLatin1String(kLastTrainingFile), false); });
    inert(file, "mnuOpenItem", QStringLiteral("読み込み(&O)"))->setEnabled(false);
    item(file, "mnuNewQueItem", QStringLiteral("新規問題作成(&N)"), &QuizWindow::showWordEntry);
    inert(file, "mnuSaveItem", QStringLiteral("保存(&S)"))->setEnabled(false);
    item(file, "mnuExitItem", QStringLiteral("終了(&X)"), &QuizWindow::saveAndEnd);
    buildWordExchange(file);

    QMenu* run = menu("mnuRun", QStringLiteral("実行(&R)"));
    item(run, "mnuKeyTre", QStringLiteral("キー入力練習(&K)"), &QuizWindow::showTypingTrainer);
    item(run, "mnuCrossWord", QStringLiteral("クロスワードパズル(&C)"), &QuizWindow::showCrossword);
    run->addSeparator()->setObjectName(QStringLiteral("mnuS1"));
    item(run, "mnuNewSelect", QStringLiteral("新規選択(&N)"), &QuizWindow::askNewSelection);
    item(run, "mnuTraining", QStringLiteral("練習(&E)"), &QuizWindow::startTraining);
    item(run, "mnuQuestion", QStringLiteral("問題(&Q)"), &QuizWindow::startQuestions);
    item(run, "mnuJapanese", QStringLiteral("和訳考察(&J)"), &QuizWindow::switchDirection);
    item(run, "mnuButton", QStringLiteral("英字ボタン切り替え(&B)"), &QuizWindow::switchLetterOrder);
    item(run, "mnuSelectWord", QStringLiteral("選択単語表示(&S)"), &QuizWindow::showSelectedQuestions);
    item(run, "mnuDetermination", QStringLiteral("判定(&D)"), &QuizWindow::judgeClicked);
    item(run, "mnuSentence", QStringLiteral("文の練習(&P)"), &QuizWindow::showSentencePractice);

    QMenu* select = menu("mnuSelect", QStringLiteral("選択(&S)"));
    item(select, "mnuNewQItem", QStringLiteral("新規挑戦(&N)"), &QuizWindow::startNewChallenge);
    item(select, "mnuRandamItem", QStringLiteral("ランダム出題(&R)"), &QuizWindow::shuffleQuestions);
    inert(select, "mnuAgainItem", QStringLiteral("再度挑戦(&A)"));
    item(select, "mnuEngSItem", QStringLiteral("英語選択(&E)"), &QuizWindow::chooseEnglishSelection);

    QMenu* sort = menu("mnuSourt", QStringLiteral("並び替え(&C)"));
    item(sort, "mnuAlfaSItem", QStringLiteral("ｱﾙﾌｧﾍﾞｯﾄ順(&A)"), [this] { sortWords(true); });
    item(sort, "mnuJapanSItem", QStringLiteral("日本語順(&J)"), [this] { sortWords(false); });

    QMenu* option = menu("mnuOption", QStringLiteral("オプション(&O)"));
    m_soundItem = item(option, "mnuMusic", QStringLiteral("正解音(&M)"), &QuizWindow::toggleSound);
    m_soundItem->setCheckable(true);
    m_soundItem->setChecked(true);
    inert(option, "mnuBackColor", QStringLiteral("背景色(&B)"));
    addSpeechMenuItems(option);

    QMenu* help = menu("mnuHelp", QStringLiteral("ヘルプ(&H)"));
    item(help, "mnuHelpSimple", QStringLiteral("簡易ヘルプ(&S)"), &QuizWindow::showSimpleHelp);
    item(help, "mnuHelpFull", QStringLiteral("詳細ヘルプ(&F)"), &QuizWindow::showFullHelp);

    // Added after the original menus: review and the learning record.
    QMenu* today = menu("mnuToday", QStringLiteral("今日の復習(&T)"));
    item(today, "mnuTodayReview", QStringLiteral("今日復習する単語を選ぶ(&S)"), &QuizWindow::pickTodaysReview);
    item(today, "mnuReviewLimit", QStringLiteral("一度に選ぶ数(&N)..."), &QuizWindow::askReviewLimit);
    today->addSeparator()->setObjectName(QStringLiteral("mnuS3"));
    item(today, "mnuRecord", QStringLiteral("学習記録(&L)"), &QuizWindow::showRecord);
}

// Start-up, step by step. Problems with the start-up files are listed in the
// notice bar rather than in message boxes: the window opens either way.
void QuizWindow::loadStartupFiles()
{
    // The design size is the whole window; the menu bar takes its share of it.
    sizeAndCentre(this, 9500, 7200);
    m_soundOn = true;
    m_programFolder = lumo::programFolder();
    // Read the first time something asks about the learner's past.
    m_session.trainingHistory().setFolder(m_programFolder);
    QStringList problems;
    // The course list, unfiltered: an empty line is an empty entry.
    {
        const QString path = m_programFolder + QLatin1String(kCourseListFile);
        const TextFile list = readTextFile(path);
        const CourseList courses = parseCourseList(list.text);
        m_courseList->addItems(courses.entries);
        problems.append(readProblemMessage(list, path));
        problems.append(courses.problems);
    }
    problems.append(loadCourse(m_programFolder + QStringLiteral("eng-1-1.dat"), false));
    // The example text: the three files joined in order.
    {
        ExampleText examples = loadExampleText(m_programFolder);
        problems.append(examples.problems);
        m_session.setExamples(std::move(examples.text));
    }
    m_session.setEnglishInput(true);
    buildLetterButtons();
    m_instructionsBox->setPlainText(kInstructions);
    problems.removeAll(QString());
    m_notice->showNotice(problems.join(u'\n'));
}

void QuizWindow::buildLetterButtons()
{
    QPushButton* first = m_letterButtons[0];
    const QRect design(2070, 4440, 465, 480);
    const double w = design.width(), h = design.height();
    first->setText(m_letters.letters().mid(0, 1));
    for (int i = 1; i < LetterLayout::kKeys; ++i) {
        double dx = 0, dy = 0;
        if (i <= 9) {
            dx = w * i + 10;
        } else if (i <= 20) {
            dx = w / 2 + w * (i - 10) + 10;
            dy = h + 10;
        } else {
            dx = w + w * (i - 21) + 10;
            dy = 2 * h + 20;
        }
        auto* b = new QPushButton(first->parentWidget());
        b->setObjectName(QStringLiteral("key(%1)").arg(i));
        b->setFocusPolicy(first->focusPolicy());
        b->setFont(first->font());
        setTwipsGeometry(b, design.x() + roundHalfEven(dx), design.y() + roundHalfEven(dy), design.width(),
                         design.height());
        b->setText(m_letters.letters().mid(i, 1));
        b->show();
        m_letterButtons.push_back(b);
    }
    for (QPushButton* b : m_letterButtons)
        connect(b, &QPushButton::clicked, this, [this, b] { editAnswer(LetterAction::Insert, b->text()); });
}

void QuizWindow::installKeyPreview()
{
    // The window's controls, not its menus: a key that picks a menu item is
    // not typed into the window.
    for (QWidget* child : centralWidget()->findChildren<QWidget*>())
        child->installEventFilter(this);
    centralWidget()->installEventFilter(this);
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        lightTypedKey(keyEvent->text());
        const int key = keyEvent->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        // Enter in the course list chooses the current entry.
        if (watched == m_courseList && enter)
            chooseCourse();
        // Enter or Space on the current entry of a word list picks it, as a
        // click does, so the quiz can be prepared without a mouse.
        if ((enter || key == Qt::Key_Space) &&
            (watched == m_meaningList || watched == m_englishList || watched == m_selectionList)) {
            auto* list = static_cast<QListWidget*>(watched);
            if (QListWidgetItem* item = list->currentItem()) {
                emit list->itemClicked(item);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace lumo
