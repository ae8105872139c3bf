// frmKeyTre: controls, menus, the keyboard built at load, key preview.
#include "typing/frmkeytre.h"

#include "typing/keyboard.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/keycodes.h"
#include "ui/platform.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace lumo {
namespace {

using typing::KeyboardLayout;

constexpr int kClientWidth = 7950, kClientHeight = 6000;
const QColor kBlue(0, 0, 255);

QColor toColor(typing::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect twips)
{
    auto* l = createControl<QLabel>(parent, name, twips);
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect twips)
{
    auto* b = createControl<QPushButton>(parent, QString::fromLatin1(name), twips);
    b->setText(caption);
    b->setFont(uiFont(Face::Gothic, 9, true));
    return b;
}

// A picture of the compiled resources drawn at the size of its control.
QPixmap picture(const QString& resource, QSize pixels, qreal ratio)
{
    QPixmap pm(pixels * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&pm);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return pm;
}

QLabel* pictureLabel(QWidget* parent, const QString& name, QRect twips, const QPixmap& pm)
{
    auto* l = createControl<QLabel>(parent, name, twips);
    l->setPixmap(pm);
    l->setScaledContents(true);
    return l;
}

// A copy of an array's template element: same kind, size, font, colours,
// alignment and caption, hidden until placed.
QLabel* copyOf(const QLabel* templ, const QString& name)
{
    auto* l = new QLabel(templ->parentWidget());
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(templ->font());
    l->setPalette(templ->palette());
    l->setAutoFillBackground(templ->autoFillBackground());
    l->setAlignment(templ->alignment());
    l->setWordWrap(templ->wordWrap());
    l->setScaledContents(templ->hasScaledContents());
    if (!templ->pixmap().isNull())
        l->setPixmap(templ->pixmap());
    else
        l->setText(templ->text());
    l->resize(templ->size());
    l->hide();
    return l;
}

QString indexed(const char* array, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
}

} // namespace

FrmKeyTre::FrmKeyTre(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmKeyTre"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lumo-english"));
    // The window itself takes the keyboard focus between actions, outside
    // the tab order of the buttons.
    setFocusPolicy(Qt::ClickFocus);
    buildControls();
    buildMenus();
    Form_Load();
    installKeyPreview();
}

FrmKeyTre::~FrmKeyTre() = default;

void FrmKeyTre::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(menuBar);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    layout->addWidget(client);
    setFont(uiFont(Face::Gothic));

    Label1 = label(client, QStringLiteral("Label1"), QStringLiteral("キー入力練習プログラム"), {1485, 135, 4245, 330});
    Label1->setFont(uiFont(Face::Gothic, 15.75, true));
    setColours(Label1, QColor(255, 255, 0), QColor(0, 0, 0));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = label(client, QStringLiteral("Label2"), QStringLiteral("メニューからコースを選んで下さい"),
                   {1935, 495, 3660, 240});
    setColours(Label2, QColor(), QColor(255, 192, 128));
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = label(client, QStringLiteral("Label3"), QString(), {945, 765, 6585, 780});
    Label3->setFont(uiFont(Face::Gothic, 11.25, true));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbSeikai = label(client, QStringLiteral("lbSeikai"), QStringLiteral("正解数"), {5985, 180, 600, 195});
    lbSeikaisu = label(client, QStringLiteral("lbSeikaisu"), QString(), {6615, 135, 645, 240});
    setColours(lbSeikaisu, QColor(), QColor(192, 192, 255));
    lbSeikaisu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbMatigai = label(client, QStringLiteral("lbMatigai"), QStringLiteral("誤答数"), {5985, 495, 600, 195});
    lbMatigaisu = label(client, QStringLiteral("lbMatigaisu"), QString(), {6615, 450, 645, 240});
    setColours(lbMatigaisu, QColor(), QColor(255, 192, 192));
    lbMatigaisu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    buildKeyboardTemplates(client);

    ProgressBar1 = createControl<QProgressBar>(client, QStringLiteral("ProgressBar1"), {1260, 4905, 5505, 195});
    ProgressBar1->setRange(0, typing::kTestSeconds);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    RichTextBox1 = createControl<RichTextBox>(client, QStringLiteral("RichTextBox1"), {540, 2430, 735, 555});
    RichTextBox1->hide();

    cmdRepeat = button(client, "cmdRepeat", QStringLiteral("繰り返す(&R)"), {1260, 5175, 1320, 510});
    cmdNext = button(client, "cmdNext", QStringLiteral("次へ(&N)"), {2655, 5175, 1320, 510});
    cmdAutoNext = button(client, "cmdAutoNext", QStringLiteral("自動出題(&A)"), {4050, 5175, 1320, 510});
    cmdExit = button(client, "cmdExit", QStringLiteral("練習終了(&X)"), {5445, 5175, 1320, 510});
    setTabOrder(cmdExit, cmdNext);
    setTabOrder(cmdNext, cmdRepeat);
    setTabOrder(cmdRepeat, cmdAutoNext);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(cmdRepeat, &QPushButton::clicked, this, &FrmKeyTre::cmdRepeat_Click);
    connect(cmdNext, &QPushButton::clicked, this, &FrmKeyTre::cmdNext_Click);
    connect(cmdAutoNext, &QPushButton::clicked, this, &FrmKeyTre::cmdAutoNext_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FrmKeyTre::cmdExit_Click);
    connect(Timer1, &QTimer::timeout, this, &FrmKeyTre::Timer1_Timer);
}

void FrmKeyTre::buildKeyboardTemplates(QWidget* client)
{
    const qreal ratio = devicePixelRatioF();
    const QRect pic = KeyboardLayout::kTemplatePicture;
    Image1.push_back(
        pictureLabel(client, indexed("Image1", 0), pic,
                     picture(QStringLiteral(":/assets/key.svg"), twipsRect(0, 0, 510, 540).size(), ratio)));
    Image1[0]->hide();

    const QSize letter = KeyboardLayout::kLetterSize;
    key1.push_back(label(client, indexed("key1", 0), QStringLiteral("A"), {0, 0, letter.width(), letter.height()}));
    key1[0]->setFont(uiFont(Face::Serif, 20.25, true));
    setColours(key1[0], kBlue);
    key1[0]->setAlignment(Qt::AlignCenter);
    key1[0]->hide();

    lbHozyo.push_back(label(client, indexed("lbHozyo", 0), QString(), {0, 0, 510, 105}));
    lbHozyo[0]->hide();

    lbYubi.push_back(label(client, indexed("lbYubi", 0), QStringLiteral("Label3"), {0, 0, 1050, 330}));
    lbYubi[0]->setFont(uiFont(Face::Gothic, 11.25, true));
    setColours(lbYubi[0], QColor(), QColor(255, 128, 128));
    lbYubi[0]->setAlignment(Qt::AlignCenter);
    lbYubi[0]->setWordWrap(true); // 人差指 breaks onto a second line in the narrow label
    lbYubi[0]->hide();

    const QSize cup = KeyboardLayout::kCupSize;
    Image2.push_back(
        pictureLabel(client, indexed("Image2", 0), {0, 0, cup.width(), cup.height()},
                     picture(QStringLiteral(":/assets/cup.svg"), twipsRect(0, 0, 450, 855).size(), ratio)));
    Image2[0]->hide();

    const QSize cupLetter = KeyboardLayout::kCupLetterSize;
    lbCup.push_back(
        label(client, indexed("lbCup", 0), QStringLiteral("L"), {0, 0, cupLetter.width(), cupLetter.height()}));
    lbCup[0]->setFont(uiFont(Face::Serif, 18, true));
    setColours(lbCup[0], kBlue);
    lbCup[0]->setAlignment(Qt::AlignCenter);
    lbCup[0]->hide();
}

void FrmKeyTre::buildMenus()
{
    auto menu = [this](const char* name, const QString& caption) { return addNamedMenu(menuBar, name, caption); };
    auto item = [this](QMenu* m, const char* name, const QString& caption, void (FrmKeyTre::*handler)()) {
        return addNamedItem(m, name, caption, this, handler);
    };

    mnuCourse = menu("mnuCourse", QStringLiteral("基本コース選択(&C)"));
    mnuBase1 = item(mnuCourse, "mnuBase1", QStringLiteral("基本１(&1)"), &FrmKeyTre::mnuBase1_Click);
    mnuBase2 = item(mnuCourse, "mnuBase2", QStringLiteral("基本２(&2)"), &FrmKeyTre::mnuBase2_Click);
    mnuBase3 = item(mnuCourse, "mnuBase3", QStringLiteral("基本３(&3)"), &FrmKeyTre::mnuBase3_Click);
    mnuBase4 = item(mnuCourse, "mnuBase4", QStringLiteral("基本４(&4)"), &FrmKeyTre::mnuBase4_Click);
    mnuBase5 = item(mnuCourse, "mnuBase5", QStringLiteral("基本５(&5)"), &FrmKeyTre::mnuBase5_Click);
    mnuSyokyu = item(mnuCourse, "mnuSyokyu", QStringLiteral("英語初級(&L)"), &FrmKeyTre::mnuSyokyu_Click);
    mnuTyukyu = item(mnuCourse, "mnuTyukyu", QStringLiteral("英語中級(&M)"), &FrmKeyTre::mnuTyukyu_Click);
    mnuZyokyu = item(mnuCourse, "mnuZyokyu", QStringLiteral("英語上級(&H)"), &FrmKeyTre::mnuZyokyu_Click);

    mnuJapanese = menu("mnuJapanese", QStringLiteral("日本語コース(&J)"));
    mnuJpAgyo = item(mnuJapanese, "mnuJpAgyo", QStringLiteral("ア行入力(&A)"), &FrmKeyTre::mnuJpAgyo_Click);
    mnuJpAdan = item(mnuJapanese, "mnuJpAdan", QStringLiteral("アの段入力(&D)"), &FrmKeyTre::mnuJpAdan_Click);
    mnuJpIdan = item(mnuJapanese, "mnuJpIdan", QStringLiteral("イの段入力(&I)"), &FrmKeyTre::mnuJpIdan_Click);
    mnuJpUdan = item(mnuJapanese, "mnuJpUdan", QStringLiteral("ウの段入力(&U)"), &FrmKeyTre::mnuJpUdan_Click);
    mnuJpEdan = item(mnuJapanese, "mnuJpEdan", QStringLiteral("エの段入力(&E)"), &FrmKeyTre::mnuJpEdan_Click);
    mnuJpOdan = item(mnuJapanese, "mnuJpOdan", QStringLiteral("オの段入力(&O)"), &FrmKeyTre::mnuJpOdan_Click);
    mnuJpSonota = item(mnuJapanese, "mnuJpSonota", QStringLiteral("特殊音入力(&S)"), &FrmKeyTre::mnuJpSonota_Click);

    mnuTestCourse = menu("mnuTestCourse", QStringLiteral("実力テスト(&T)"));
    mnuTestLow = item(mnuTestCourse, "mnuTestLow", QStringLiteral("初級コース(&L)"), &FrmKeyTre::mnuTestLow_Click);
    mnuTestMid = item(mnuTestCourse, "mnuTestMid", QStringLiteral("中級コース(&M)"), &FrmKeyTre::mnuTestMid_Click);
    mnuTestHigh = item(mnuTestCourse, "mnuTestHigh", QStringLiteral("上級コース(&H)"), &FrmKeyTre::mnuTestHigh_Click);

    mnuOption = menu("mnuOption", QStringLiteral("オプション(&O)"));
    mnuAutoNext = item(mnuOption, "mnuAutoNext", QStringLiteral("自動出題(&A)"), &FrmKeyTre::mnuAutoNext_Click);
    mnuAutoNext->setCheckable(true);
    mnuAutoNext->setChecked(false);
}

void FrmKeyTre::Form_Load()
{
    // 1: centre the whole window, menu bar included.
    adjustSize();
    const QSize screenPixels = lumo::screen().pixels();
    const QSize size = sizeHint();
    resize(size);
    move(roundHalfEven(centredStart(screenPixels.width(), size.width())),
         roundHalfEven(centredStart(screenPixels.height(), size.height())));
    // 2
    rnd().randomize();
    // 3-8
    buildKeyboard();
    Label3->setText(QStringLiteral(
        "左手の小指をAキー薬指をSキーというふうに順に置いて下さい。ＦとＪキーがポイントになりそれぞれに人差し指を置いて"
        "下さい。画面を見つめ支持された通りの指でキーを押して下さい。"));
    cmdExit->setFocus();
}

void FrmKeyTre::buildKeyboard()
{
    const KeyboardLayout layout; // from the template picture's design rectangle
    Image1[0]->hide();
    key1[0]->hide();
    for (int i = 1; i <= typing::kKeyCount; ++i) {
        const int row = typing::keyRow(i), column = typing::keyColumn(i);
        const typing::Finger finger = typing::fingerOfColumn(column);

        QLabel* pic = copyOf(Image1[0], indexed("Image1", i));
        QLabel* letter = copyOf(key1[0], indexed("key1", i));
        if (row == 2) {
            QLabel* cup = copyOf(Image2[0], indexed("Image2", column));
            const QRect c = layout.cup(column);
            setTwipsGeometry(cup, c.x(), c.y(), c.width(), c.height());
            QLabel* cupLetter = copyOf(lbCup[0], indexed("lbCup", column));
            const QRect cl = layout.cupLetter(column);
            setTwipsGeometry(cupLetter, cl.x(), cl.y(), cl.width(), cl.height());
            Image2.push_back(cup);
            lbCup.push_back(cupLetter);
        }
        QLabel* strip = copyOf(lbHozyo[0], indexed("lbHozyo", i));
        setColours(strip, QColor(), toColor(finger.colour));
        const QRect s = layout.strip(i);
        setTwipsGeometry(strip, s.x(), s.y(), s.width(), s.height());
        strip->setText(QStringLiteral("  "));
        strip->show();
        if (row == 4) {
            QLabel* yubi = copyOf(lbYubi[0], indexed("lbYubi", column));
            const QRect y = layout.fingerLabel(column);
            setTwipsGeometry(yubi, y.x(), y.y(), y.width(), y.height());
            lbYubi.push_back(yubi);
        }
        const QRect p = layout.picture(i);
        setTwipsGeometry(pic, p.x(), p.y(), p.width(), p.height());
        const QRect l = layout.letter(i);
        setTwipsGeometry(letter, l.x(), l.y(), l.width(), l.height());
        pic->show();
        letter->setText(typing::keyChars.mid(i - 1, 1));
        letter->show();
        Image1.push_back(pic);
        key1.push_back(letter);
        lbHozyo.push_back(strip);
    }
    for (int column = 1; column <= typing::kColumns; ++column) {
        const typing::Finger finger = typing::fingerOfColumn(column);
        setColours(lbYubi[column], QColor(), toColor(finger.colour));
        lbYubi[column]->setText(finger.caption);
        lbYubi[column]->show();
    }
    m_guide.showAll();
    showGuideState();
}

void FrmKeyTre::installKeyPreview()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        // Menus keep their own keys (letters choose items there).
        if (qobject_cast<QMenu*>(child) || qobject_cast<QMenuBar*>(child))
            continue;
        child->installEventFilter(this);
    }
}

bool FrmKeyTre::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int code = windowsKeyCode(*keyEvent);
        // Keys that print a character are the learner's typing and go no
        // further (a focused button must not take a typed space); the others
        // keep their usual meaning.
        if (!typing::typedCharacter(code).isEmpty()) {
            Form_KeyDown(code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmKeyTre::cmdExit_Click()
{
    close();
}

} // namespace lumo
