// Form1: controls, menus and start-up.
#include "quiz/form1.h"

#include "app/programfolder.h"
#include "data/course.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

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
    auto* b = control<QPushButton>(parent, name, twips.x(), twips.y(), twips.width(), twips.height());
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
        .join(QStringLiteral("\r\n"));

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ENGLISH"));
    buildControls();
    buildMenus();
    Form_Load();
    installKeyPreview();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    setColours(client, QColor(), QColor(128, 128, 255));
    setFont(uiFont(Face::Gothic));
    const QFont gothic = uiFont(Face::Gothic);

    Label1 = label(client, "Label1", QStringLiteral("LUMO-ENGLISH"), QRect(2070, 45, 2835, 540), QColor(0, 192, 0),
                   QColor(64, 0, 64), uiFont(Face::Serif, 14, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label3 = label(client, "Label3", QStringLiteral("コース選択"), QRect(120, 120, 1695, 375), QColor(255, 255, 0),
                   QColor(0, 0, 128), uiFont(Face::Gothic, 12));
    List1 = control<QListWidget>(client, "List1", 120, 600, 1605, 1020);
    Label4 = label(client, "Label4", QStringLiteral("単語選択"), QRect(120, 1800, 1380, 255), QColor(0, 0, 0),
                   QColor(255, 255, 192), gothic);
    List2 = control<QListWidget>(client, "List2", 135, 2070, 1830, 3960);
    List3 = control<QListWidget>(client, "List3", 135, 2115, 1875, 3840);
    List3->hide();
    List4 = control<QListWidget>(client, "List4", 135, 2025, 1860, 4020);
    List4->hide();

    Text4 = control<QLineEdit>(client, "Text4", 5130, 0, 1860, 300);
    setColours(Text4, QColor(0, 0, 128), QColor(192, 192, 192));
    Text5 = control<QLineEdit>(client, "Text5", 7245, 0, 2010, 300);
    setColours(Text5, QColor(), QColor(192, 192, 192));
    txHatuon = control<QLineEdit>(client, "txHatuon", 5085, 315, 4200, 330);
    txHatuon->setFont(uiFont(Face::Gothic, 9, true));
    Text1 = control<QTextEdit>(client, "Text1", 2070, 630, 6135, 615);
    Text1->setFont(uiFont(Face::Gothic, 12, true));
    Text1->setAcceptRichText(false);
    Text2 = control<QLineEdit>(client, "Text2", 2070, 1260, 6120, 705);
    Text2->setFont(uiFont(Face::Gothic, 15.75, true));
    setColours(Text2, kBlue);
    // English answers take direct input: an Enter that confirms a kana
    // conversion must never judge an answer.
    Text2->setAttribute(Qt::WA_InputMethodEnabled, false);
    txSetumei = control<QTextEdit>(client, "txSetumei", 2070, 1305, 6075, 1860);
    txSetumei->setFont(uiFont(Face::Serif, 14.25));
    setColours(txSetumei, QColor(0, 0, 0), QColor(255, 255, 0));
    txSetumei->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txSetumei->setAcceptRichText(false);
    Text3 = control<QTextEdit>(client, "Text3", 2070, 1980, 6105, 1140);
    Text3->setFont(uiFont(Face::Serif, 14.25));
    setColours(Text3, QColor(255, 0, 0), QColor(192, 192, 192));
    Text3->setAcceptRichText(false);
    RichTextBox3 = control<RichTextBox>(client, "RichTextBox3", 2070, 3150, 6105, 1260);
    RichTextBox1 = control<RichTextBox>(client, "RichTextBox1", 2070, 630, 6105, 2535);
    RichTextBox1->hide();
    RichTextBox2 = control<RichTextBox>(client, "RichTextBox2", 0, 0, 0, 0);
    RichTextBox2->hide();
    richDatakioku = control<RichTextBox>(client, "richDatakioku", 0, 0, 0, 0);
    richDatakioku->hide();

    key.push_back(button(client, "key(0)", QString(), QRect(2070, 4440, 465, 480)));
    Command5 = button(client, "Command5", QStringLiteral("SPACE"), QRect(2115, 6000, 3495, 375));
    cmdmozihenkan = button(client, "cmdmozihenkan", QStringLiteral("大文字小文字変換"), QRect(5760, 6000, 1695, 375));
    Command4 = button(client, "Command4", QStringLiteral("BS"), QRect(7470, 4440, 735, 435));
    cmdDEL = button(client, "cmdDEL", QStringLiteral("DEL"), QRect(7470, 4950, 735, 405));
    Command3 = button(client, "Command3", QStringLiteral("判定"), QRect(7290, 5445, 945, 525));
    Label2 = label(client, "Label2", QString(), QRect(8280, 675, 975, 495), QColor(255, 0, 255), QColor(),
                   uiFont(Face::Gothic, 21.75));
    OpSeikai = control<QRadioButton>(client, "OpSeikai", 8280, 1215, 1005, 375);
    OpSeikai->setText(QStringLiteral("正解"));
    setColours(OpSeikai, kBlue, QColor(0, 255, 0));
    OpSeikai->hide();
    OpZannen = control<QRadioButton>(client, "OpZannen", 8280, 1620, 1005, 375);
    OpZannen->setText(QStringLiteral("残念"));
    setColours(OpZannen, QColor(255, 0, 0), QColor(255, 255, 0));
    OpZannen->hide();
    CmdKeytre = button(client, "CmdKeytre", QStringLiteral("キー入力練習"), QRect(8325, 2025, 960, 465));
    cmdCross = button(client, "cmdCross", QStringLiteral("クロスワード"), QRect(8325, 2565, 960, 465));
    CmdNew = button(client, "CmdNew", QStringLiteral("新規選択"), QRect(8325, 3105, 960, 495));
    cmdNyuryoku = button(client, "cmdNyuryoku", QStringLiteral("練習"), QRect(8325, 3645, 960, 495));
    cmdMondai = button(client, "cmdMondai", QStringLiteral("問題形式"), QRect(8325, 4185, 960, 495));
    CmdChange = button(client, "CmdChange", QStringLiteral("和訳考察に変更"), QRect(8325, 4725, 960, 495));
    cmdSelect = button(client, "cmdSelect", QStringLiteral("問題選択単語表示"), QRect(8325, 5265, 975, 465));
    Command2 = button(client, "Command2", QStringLiteral("終了"), QRect(8325, 5760, 1005, 495));
    for (QPushButton* b : {CmdKeytre, cmdCross, CmdNew, cmdNyuryoku, cmdMondai, CmdChange, cmdSelect})
        b->setFont(uiFont(Face::Gothic, 7));

    // The instructions lie over the answer area until a course is chosen.
    txSetumei->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(List1, &QListWidget::itemPressed, this, [this] { List1_choose(); });
    connect(List2, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List2_Click(List2->row(item)); });
    connect(List3, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List3_Click(List3->row(item)); });
    connect(List4, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List4_Click(List4->row(item)); });
    connect(cmdSelect, &QPushButton::clicked, this, &Form1::cmdSelect_Click);
    connect(CmdNew, &QPushButton::clicked, this, &Form1::CmdNew_Click);
    connect(cmdNyuryoku, &QPushButton::clicked, this, &Form1::cmdNyuryoku_Click);
    connect(cmdMondai, &QPushButton::clicked, this, &Form1::cmdMondai_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(CmdChange, &QPushButton::clicked, this, &Form1::CmdChange_Click);
    connect(OpSeikai, &QRadioButton::pressed, this, &Form1::OpSeikai_Click);
    connect(OpZannen, &QRadioButton::pressed, this, &Form1::OpZannen_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(cmdDEL, &QPushButton::clicked, this, &Form1::cmdDEL_Click);
    connect(cmdmozihenkan, &QPushButton::clicked, this, &Form1::cmdmozihenkan_Click);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Text2, &QLineEdit::returnPressed, this, &Form1::Command3_Click);
    connect(CmdKeytre, &QPushButton::clicked, this, &Form1::CmdKeytre_Click);
    connect(cmdCross, &QPushButton::clicked, this, &Form1::cmdCross_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::saveAndEnd);
}

void Form1::buildMenus()
{
    auto menu = [this](const char* name, const QString& caption) { return addNamedMenu(menuBar(), name, caption); };
    auto item = [this](QMenu* m, const char* name, const QString& caption, auto handler) {
        return addNamedItem(m, name, caption, this, handler);
    };
    auto inert = [](QMenu* m, const char* name, const QString& caption) { return addNamedItem(m, name, caption); };

    QMenu* mnuFile = menu("mnuFile", QStringLiteral("ファイル(&F)"));
    mnuRemenver = item(mnuFile, "mnuRemenver", QStringLiteral("過去データ読み込み(&R)"),
                       [this] { loadHistoryFile(QStringLiteral("Training.dat"), 0); });
    mnuRemverMiss = item(mnuFile, "mnuRemverMiss", QStringLiteral("過去間違いデータ読み込み(&M)"),
                         [this] { loadHistoryFile(QStringLiteral("Training.dat"), 1); });
    mnuRemenverNew = item(mnuFile, "mnuRemenverNew", QStringLiteral("最新過去データ読み込み(&D)"),
                          [this] { loadHistoryFile(QStringLiteral("LastTraining.dat"), 0); });
    mnuOpenItem = inert(mnuFile, "mnuOpenItem", QStringLiteral("読み込み(&O)"));
    mnuOpenItem->setEnabled(false);
    mnuNewQueItem = item(mnuFile, "mnuNewQueItem", QStringLiteral("新規問題作成(&N)"), &Form1::NyuRyoku);
    mnuSaveItem = inert(mnuFile, "mnuSaveItem", QStringLiteral("保存(&S)"));
    mnuSaveItem->setEnabled(false);
    mnuExitItem = item(mnuFile, "mnuExitItem", QStringLiteral("終了(&X)"), &Form1::saveAndEnd);
    buildWordExchange(mnuFile);

    QMenu* mnuRun = menu("mnuRun", QStringLiteral("実行(&R)"));
    mnuKeyTre = item(mnuRun, "mnuKeyTre", QStringLiteral("キー入力練習(&K)"), &Form1::CmdKeytre_Click);
    mnuCrossWord = item(mnuRun, "mnuCrossWord", QStringLiteral("クロスワードパズル(&C)"), &Form1::cmdCross_Click);
    mnuRun->addSeparator()->setObjectName(QStringLiteral("mnuS1"));
    mnuNewSelect = item(mnuRun, "mnuNewSelect", QStringLiteral("新規選択(&N)"), &Form1::CmdNew_Click);
    mnuTraining = item(mnuRun, "mnuTraining", QStringLiteral("練習(&E)"), &Form1::cmdNyuryoku_Click);
    mnuQuestion = item(mnuRun, "mnuQuestion", QStringLiteral("問題(&Q)"), &Form1::cmdMondai_Click);
    mnuJapanese = item(mnuRun, "mnuJapanese", QStringLiteral("和訳考察(&J)"), &Form1::CmdChange_Click);
    mnuButton = item(mnuRun, "mnuButton", QStringLiteral("英字ボタン切り替え(&B)"), &Form1::mnuButton_Click);
    mnuSelectWord = item(mnuRun, "mnuSelectWord", QStringLiteral("選択単語表示(&S)"), &Form1::cmdSelect_Click);
    mnuDetermination = item(mnuRun, "mnuDetermination", QStringLiteral("判定(&D)"), &Form1::Command3_Click);

    QMenu* mnuSelect = menu("mnuSelect", QStringLiteral("選択(&S)"));
    mnuNewQItem = item(mnuSelect, "mnuNewQItem", QStringLiteral("新規挑戦(&N)"), &Form1::mnuNewQItem_Click);
    mnuRandamItem = item(mnuSelect, "mnuRandamItem", QStringLiteral("ランダム出題(&R)"), &Form1::mnuRandamItem_Click);
    mnuAgainItem = inert(mnuSelect, "mnuAgainItem", QStringLiteral("再度挑戦(&A)"));
    mnuEngSItem = item(mnuSelect, "mnuEngSItem", QStringLiteral("英語選択(&E)"), &Form1::mnuEngSItem_Click);

    QMenu* mnuSourt = menu("mnuSourt", QStringLiteral("並び替え(&C)"));
    mnuAlfaSItem = item(mnuSourt, "mnuAlfaSItem", QStringLiteral("ｱﾙﾌｧﾍﾞｯﾄ順(&A)"), [this] { QuickS(true); });
    mnuJapanSItem = item(mnuSourt, "mnuJapanSItem", QStringLiteral("日本語順(&J)"), [this] { QuickS(false); });

    QMenu* mnuOption = menu("mnuOption", QStringLiteral("オプション(&O)"));
    mnuMusic = item(mnuOption, "mnuMusic", QStringLiteral("正解音(&M)"), &Form1::mnuMusic_Click);
    mnuMusic->setCheckable(true);
    mnuMusic->setChecked(true);
    mnuBackColor = inert(mnuOption, "mnuBackColor", QStringLiteral("背景色(&B)"));

    QMenu* mnuHelp = menu("mnuHelp", QStringLiteral("ヘルプ(&H)"));
    mnuHelpSimple = item(mnuHelp, "mnuHelpSimple", QStringLiteral("簡易ヘルプ(&S)"), &Form1::mnuHelpSimple_Click);
    mnuHelpFull = item(mnuHelp, "mnuHelpFull", QStringLiteral("詳細ヘルプ(&F)"), &Form1::mnuHelpFull_Click);
}

void Form1::Form_Load()
{
    // 1-2: size and centre. The design size is the whole window; the menu bar
    // takes its share of it.
    sizeAndCentre(this, 9500, 7200);
    // 3
    soundOn = true;
    // 4
    programFolder = lumo::programFolder();
    // Problems with the start-up files are listed in the example box rather
    // than in message boxes: the window opens either way.
    QStringList problems;
    // 5: the course list, unfiltered: an empty line is an empty entry.
    {
        const QString path = programFolder + QStringLiteral("filelist.dat");
        const TextFile list = readTextFile(path);
        List1->addItems(splitLines(list.text));
        problems.append(readProblemMessage(list, path));
    }
    // 6
    problems.append(FiOpen(programFolder + QStringLiteral("eng-1-1.dat"), 0));
    // 7
    capitalLetters = false;
    abcLayoutOn = false;
    // 8: the example text, the three files joined in order.
    {
        ExampleText examples = loadExampleText(programFolder);
        problems.append(examples.problems);
        m_examples = ExampleLookup(examples.text);
        RichTextBox2->setText(examples.text);
    }
    // 9
    englishInput = true;
    // 10
    qwertyLayout = QStringLiteral("QWERTYUIOPASDFGHJKL;:ZXCVBNM,.?");
    abcLayout = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ;:,.?");
    layoutString = qwertyLayout.toLower();
    buildLetterButtons();
    // 11
    txSetumei->setPlainText(kInstructions);
    problems.removeAll(QString());
    RichTextBox3->setText(problems.join(QStringLiteral("\r\n")));
}

void Form1::buildLetterButtons()
{
    QPushButton* first = key[0];
    const QRect design(2070, 4440, 465, 480);
    const double w = design.width(), h = design.height();
    first->setText(layoutString.mid(0, 1));
    for (int i = 1; i <= 30; ++i) {
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
        b->setText(layoutString.mid(i, 1));
        b->show();
        key.push_back(b);
    }
    for (int i = 0; i <= 30; ++i)
        connect(key[i], &QPushButton::clicked, this, [this, i] { key_Click(i); });
}

void Form1::installKeyPreview()
{
    // The window's controls, not its menus: a key that picks a menu item is
    // not typed into the window.
    for (QWidget* child : centralWidget()->findChildren<QWidget*>())
        child->installEventFilter(this);
    centralWidget()->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        previewKey(keyEvent->text());
        // Enter in the course list chooses the current entry.
        if (watched == List1 && (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter))
            List1_choose();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace lumo
