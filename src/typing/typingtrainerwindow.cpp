// The trainer window: controls, menus, the keyboard built at load, key preview.
#include "typing/typingtrainerwindow.h"

#include "base/random.h"
#include "typing/keyboard.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/keycodes.h"
#include "ui/noticebar.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
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

// How one axis of a picture `own` units long is read to fill `pixels` logical
// pixels at the device pixel ratio `ratio`: scaled by pixels × ratio / own.
// Where that makes no whole number of device pixels (34 units at 1.25 give
// 42.5), a whole multiple of the picture's length is read instead, the part
// beyond the picture being empty (68 units give 85 pixels), and the image is
// cut to the rounded length: its last pixels are then partly covered, as when
// the picture is drawn straight into a pixmap of that size, rather than the
// picture being stretched to fill them. A multiple within a hundredth of a
// pixel of whole is taken, which a multiple up to 100 always gives; so the
// picture ends at most a hundredth of a pixel off (Qt's ratios come in steps
// of 1/65536 and are seldom exact anyway: 1.2 comes as 1.19999695).
struct AxisReading {
    int read;   // units of the picture read
    int scaled; // device pixels they are scaled to
};

AxisReading readingOf(int own, int pixels, qreal ratio)
{
    const qreal exact = pixels * ratio;
    for (int times = 1; times <= 100; ++times) {
        const qreal scaled = exact * times;
        if (qAbs(scaled - qRound(scaled)) < 0.01)
            return {own * times, qRound(scaled)};
    }
    return {own, qRound(exact)};
}

// An SVG picture of the compiled resources drawn at the size of its control,
// through Qt's SVG image-format plugin: the SVG library is loaded with the
// first picture, not at start-up. Without the plugin the picture is empty.
QPixmap picture(const QString& resource, QSize pixels, qreal ratio)
{
    QImageReader reader(resource, "svg");
    reader.setAutoDetectImageFormat(false); // only the SVG plugin, never a scan of every other one
    const QSize own = reader.size();
    if (own.isEmpty())
        return {};
    const AxisReading across = readingOf(own.width(), pixels.width(), ratio);
    const AxisReading down = readingOf(own.height(), pixels.height(), ratio);
    reader.setClipRect(QRect(0, 0, across.read, down.read));
    reader.setScaledSize(QSize(across.scaled, down.scaled));
    reader.setScaledClipRect(QRect(QPoint(0, 0), pixels * ratio));
    QPixmap pm = QPixmap::fromImage(reader.read());
    pm.setDevicePixelRatio(ratio);
    return pm;
}

QLabel* pictureLabel(QWidget* parent, const QString& name, QRect twips, const QPixmap& pm)
{
    auto* l = createControl<QLabel>(parent, name, twips);
    l->setPixmap(pm);
    l->setScaledContents(true);
    return l;
}

// The template of a letter shown on a key or a cup: bold serif in blue,
// centred, hidden until placed.
QLabel* letterTemplate(QWidget* parent, const QString& name, const QString& caption, QSize size, qreal points)
{
    QLabel* l = label(parent, name, caption, {0, 0, size.width(), size.height()});
    l->setFont(uiFont(Face::Serif, points, true));
    setColours(l, kBlue);
    l->setAlignment(Qt::AlignCenter);
    l->hide();
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

TypingTrainerWindow::TypingTrainerWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmKeyTre"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lumo-english"));
    // The window itself takes the keyboard focus between actions, outside
    // the tab order of the buttons.
    setFocusPolicy(Qt::ClickFocus);
    buildControls();
    buildMenus();
    prepareWindow();
    installKeyPreview();
    // The main window closes this one when the program ends; should the
    // program end some other way, the record is still kept.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveRecord(nullptr); });
}

TypingTrainerWindow::~TypingTrainerWindow()
{
    saveRecord(nullptr);
}

void TypingTrainerWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(m_menuBar);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    layout->addWidget(client);
    // Files that could not be read are told here, under the keyboard.
    m_notice = new NoticeBar(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    layout->addWidget(m_notice);
    setFont(uiFont(Face::Gothic));

    m_title = label(client, QStringLiteral("Label1"), QStringLiteral("キー入力練習プログラム"), {1485, 135, 4245, 330});
    m_title->setFont(uiFont(Face::Gothic, 15.75, true));
    setColours(m_title, QColor(255, 255, 0), QColor(0, 0, 0));
    m_title->setAlignment(Qt::AlignCenter);
    m_status = label(client, QStringLiteral("Label2"), QStringLiteral("メニューからコースを選んで下さい"),
                     {1935, 495, 3660, 240});
    setColours(m_status, QColor(), QColor(255, 192, 128));
    m_status->setAlignment(Qt::AlignCenter);
    m_hint = label(client, QStringLiteral("Label3"), QString(), {945, 765, 6585, 780});
    m_hint->setFont(uiFont(Face::Gothic, 11.25, true));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_correctCaption = label(client, QStringLiteral("lbSeikai"), QStringLiteral("正解数"), {5985, 180, 600, 195});
    m_correctCount = label(client, QStringLiteral("lbSeikaisu"), QString(), {6615, 135, 645, 240});
    setColours(m_correctCount, QColor(), QColor(192, 192, 255));
    m_correctCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_wrongCaption = label(client, QStringLiteral("lbMatigai"), QStringLiteral("誤答数"), {5985, 495, 600, 195});
    m_wrongCount = label(client, QStringLiteral("lbMatigaisu"), QString(), {6615, 450, 645, 240});
    setColours(m_wrongCount, QColor(), QColor(255, 192, 192));
    m_wrongCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    buildKeyboardTemplates(client);

    m_testProgress = createControl<QProgressBar>(client, QStringLiteral("ProgressBar1"), {1260, 4905, 5505, 195});
    m_testProgress->setRange(0, typing::kTestSeconds);
    m_testProgress->setTextVisible(false);
    m_testProgress->hide();

    m_repeat = button(client, "cmdRepeat", QStringLiteral("繰り返す(&R)"), {1260, 5175, 1320, 510});
    m_next = button(client, "cmdNext", QStringLiteral("次へ(&N)"), {2655, 5175, 1320, 510});
    m_autoNextButton = button(client, "cmdAutoNext", QStringLiteral("自動出題(&A)"), {4050, 5175, 1320, 510});
    m_exit = button(client, "cmdExit", QStringLiteral("練習終了(&X)"), {5445, 5175, 1320, 510});
    // Enter on a focused button presses it (Space is typing).
    for (QPushButton* b : {m_repeat, m_next, m_autoNextButton, m_exit})
        b->setAutoDefault(true);
    setTabOrder(m_exit, m_next);
    setTabOrder(m_next, m_repeat);
    setTabOrder(m_repeat, m_autoNextButton);

    m_testTimer = new QTimer(this);
    m_testTimer->setObjectName(QStringLiteral("Timer1"));
    m_testTimer->setInterval(1000);

    connect(m_repeat, &QPushButton::clicked, this, &TypingTrainerWindow::repeatLine);
    connect(m_next, &QPushButton::clicked, this, &TypingTrainerWindow::nextLine);
    connect(m_autoNextButton, &QPushButton::clicked, this, &TypingTrainerWindow::toggleAutoNext);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_testTimer, &QTimer::timeout, this, &TypingTrainerWindow::countDownOneSecond);
}

void TypingTrainerWindow::buildKeyboardTemplates(QWidget* client)
{
    const qreal ratio = devicePixelRatioF();
    const QRect pic = KeyboardLayout::kTemplatePicture;
    m_keyPictures.push_back(
        pictureLabel(client, indexed("Image1", 0), pic,
                     picture(QStringLiteral(":/assets/key.svg"), twipsRect(0, 0, 510, 540).size(), ratio)));
    m_keyPictures[0]->hide();

    m_keyLetters.push_back(
        letterTemplate(client, indexed("key1", 0), QStringLiteral("A"), KeyboardLayout::kLetterSize, 20.25));

    m_fingerStrips.push_back(label(client, indexed("lbHozyo", 0), QString(), {0, 0, 510, 105}));
    m_fingerStrips[0]->hide();

    m_fingerNames.push_back(label(client, indexed("lbYubi", 0), QStringLiteral("Label3"), {0, 0, 1050, 330}));
    m_fingerNames[0]->setFont(uiFont(Face::Gothic, 11.25, true));
    setColours(m_fingerNames[0], QColor(), QColor(255, 128, 128));
    m_fingerNames[0]->setAlignment(Qt::AlignCenter);
    m_fingerNames[0]->setWordWrap(true); // 人差指 breaks onto a second line in the narrow label
    m_fingerNames[0]->hide();

    const QSize cup = KeyboardLayout::kCupSize;
    m_cups.push_back(
        pictureLabel(client, indexed("Image2", 0), {0, 0, cup.width(), cup.height()},
                     picture(QStringLiteral(":/assets/cup.svg"), twipsRect(0, 0, 450, 855).size(), ratio)));
    m_cups[0]->hide();

    m_cupLetters.push_back(
        letterTemplate(client, indexed("lbCup", 0), QStringLiteral("L"), KeyboardLayout::kCupLetterSize, 18));
}

void TypingTrainerWindow::buildMenus()
{
    using typing::Course;
    using typing::TestLevel;
    auto menu = [this](const char* name, const QString& caption) { return addNamedMenu(m_menuBar, name, caption); };
    auto course = [this](QMenu* m, const char* name, const QString& caption, Course c) {
        addNamedItem(m, name, caption, this, [this, c] { startCourse(c); });
    };
    auto test = [this](QMenu* m, const char* name, const QString& caption, TestLevel level) {
        addNamedItem(m, name, caption, this, [this, level] { startTest(level); });
    };

    QMenu* basic = menu("mnuCourse", QStringLiteral("基本コース選択(&C)"));
    course(basic, "mnuBase1", QStringLiteral("基本１(&1)"), Course::Base1);
    course(basic, "mnuBase2", QStringLiteral("基本２(&2)"), Course::Base2);
    course(basic, "mnuBase3", QStringLiteral("基本３(&3)"), Course::Base3);
    course(basic, "mnuBase4", QStringLiteral("基本４(&4)"), Course::Base4);
    course(basic, "mnuBase5", QStringLiteral("基本５(&5)"), Course::Base5);
    course(basic, "mnuSyokyu", QStringLiteral("英語初級(&L)"), Course::EnglishLow);
    course(basic, "mnuTyukyu", QStringLiteral("英語中級(&M)"), Course::EnglishMid);
    course(basic, "mnuZyokyu", QStringLiteral("英語上級(&H)"), Course::Proverbs);
    addNamedItem(basic, "mnuNigate", QStringLiteral("苦手キー練習(&W)"), this,
                 &TypingTrainerWindow::startWeakKeyCourse);
    addNamedItem(basic, "mnuReviewWords", QStringLiteral("今日の復習の単語(&R)"), this,
                 [this] { startWordCourse(m_reviewWords, QStringLiteral("今日復習する単語はありません。")); });
    addNamedItem(basic, "mnuMissedWords", QStringLiteral("よく間違える単語(&E)"), this,
                 [this] { startWordCourse(m_missedWords, QStringLiteral("まだ間違えた単語はありません。")); });

    QMenu* kana = menu("mnuJapanese", QStringLiteral("日本語コース(&J)"));
    course(kana, "mnuJpAgyo", QStringLiteral("ア行入力(&A)"), Course::KanaVowels);
    course(kana, "mnuJpAdan", QStringLiteral("アの段入力(&D)"), Course::KanaA);
    course(kana, "mnuJpIdan", QStringLiteral("イの段入力(&I)"), Course::KanaI);
    course(kana, "mnuJpUdan", QStringLiteral("ウの段入力(&U)"), Course::KanaU);
    course(kana, "mnuJpEdan", QStringLiteral("エの段入力(&E)"), Course::KanaE);
    course(kana, "mnuJpOdan", QStringLiteral("オの段入力(&O)"), Course::KanaO);
    course(kana, "mnuJpSonota", QStringLiteral("特殊音入力(&S)"), Course::KanaSpecial);

    QMenu* tests = menu("mnuTestCourse", QStringLiteral("実力テスト(&T)"));
    test(tests, "mnuTestLow", QStringLiteral("初級コース(&L)"), TestLevel::Low);
    test(tests, "mnuTestMid", QStringLiteral("中級コース(&M)"), TestLevel::Mid);
    test(tests, "mnuTestHigh", QStringLiteral("上級コース(&H)"), TestLevel::High);

    QMenu* options = menu("mnuOption", QStringLiteral("オプション(&O)"));
    m_autoNextItem = addNamedItem(options, "mnuAutoNext", QStringLiteral("自動出題(&A)"), this,
                                  &TypingTrainerWindow::toggleAutoNext);
    m_autoNextItem->setCheckable(true);
    m_autoNextItem->setChecked(false);
}

void TypingTrainerWindow::prepareWindow()
{
    // Centred as a whole, menu bar included.
    adjustSize();
    const QSize screenPixels = lumo::screen().pixels();
    const QSize size = sizeHint();
    resize(size);
    move(roundHalfEven(centredStart(screenPixels.width(), size.width())),
         roundHalfEven(centredStart(screenPixels.height(), size.height())));
    rnd().randomize();
    buildKeyboard();
    m_hint->setText(QStringLiteral(
        "左手の小指をAキー薬指をSキーというふうに順に置いて下さい。ＦとＪキーがポイントになりそれぞれに人差し指を置いて"
        "下さい。画面を見つめ支持された通りの指でキーを押して下さい。"));
    m_exit->setFocus();
}

void TypingTrainerWindow::buildKeyboard()
{
    const KeyboardLayout layout; // from the template picture's design rectangle
    m_keyPictures[0]->hide();
    m_keyLetters[0]->hide();
    for (int i = 1; i <= typing::kKeyCount; ++i) {
        const int row = typing::keyRow(i), column = typing::keyColumn(i);
        const typing::Finger finger = typing::fingerOfColumn(column);

        QLabel* pic = copyOf(m_keyPictures[0], indexed("Image1", i));
        QLabel* letter = copyOf(m_keyLetters[0], indexed("key1", i));
        if (row == 2) {
            QLabel* cup = copyOf(m_cups[0], indexed("Image2", column));
            const QRect c = layout.cup(column);
            setTwipsGeometry(cup, c.x(), c.y(), c.width(), c.height());
            QLabel* cupLetter = copyOf(m_cupLetters[0], indexed("lbCup", column));
            const QRect cl = layout.cupLetter(column);
            setTwipsGeometry(cupLetter, cl.x(), cl.y(), cl.width(), cl.height());
            m_cups.push_back(cup);
            m_cupLetters.push_back(cupLetter);
        }
        QLabel* strip = copyOf(m_fingerStrips[0], indexed("lbHozyo", i));
        setColours(strip, QColor(), toColor(finger.colour));
        const QRect s = layout.strip(i);
        setTwipsGeometry(strip, s.x(), s.y(), s.width(), s.height());
        strip->setText(QStringLiteral("  "));
        strip->show();
        if (row == 4) {
            QLabel* yubi = copyOf(m_fingerNames[0], indexed("lbYubi", column));
            const QRect y = layout.fingerLabel(column);
            setTwipsGeometry(yubi, y.x(), y.y(), y.width(), y.height());
            m_fingerNames.push_back(yubi);
        }
        const QRect p = layout.picture(i);
        setTwipsGeometry(pic, p.x(), p.y(), p.width(), p.height());
        const QRect l = layout.letter(i);
        setTwipsGeometry(letter, l.x(), l.y(), l.width(), l.height());
        pic->show();
        letter->setText(typing::keyChars.mid(i - 1, 1));
        letter->show();
        m_keyPictures.push_back(pic);
        m_keyLetters.push_back(letter);
        m_fingerStrips.push_back(strip);
    }
    for (int column = 1; column <= typing::kColumns; ++column) {
        const typing::Finger finger = typing::fingerOfColumn(column);
        setColours(m_fingerNames[column], QColor(), toColor(finger.colour));
        m_fingerNames[column]->setText(finger.caption);
        m_fingerNames[column]->show();
    }
    m_guide.showAll();
    showGuideState();
    nameControlsForAssistiveTools();
}

void TypingTrainerWindow::nameControlsForAssistiveTools()
{
    // Labels whose text changes, and pictures, are named by their role.
    m_status->setAccessibleName(QStringLiteral("練習の状況"));
    m_hint->setAccessibleName(QStringLiteral("問題の説明と結果"));
    m_testProgress->setAccessibleName(QStringLiteral("残り時間"));
    m_correctCount->setAccessibleName(m_correctCaption->text());
    m_wrongCount->setAccessibleName(m_wrongCaption->text());
    m_correctCaption->setBuddy(m_correctCount);
    m_wrongCaption->setBuddy(m_wrongCount);
    for (int i = 0; i <= typing::kKeyCount; ++i) {
        const QString key =
            i == 0 ? QStringLiteral("キー") : QStringLiteral("「%1」のキー").arg(typing::keyChars[i - 1]);
        m_keyPictures[i]->setAccessibleName(key);
        m_keyLetters[i]->setAccessibleName(key + QStringLiteral("の文字"));
        m_fingerStrips[i]->setAccessibleName(key + QStringLiteral("を打つ指の色"));
    }
    for (int c = 0; c <= typing::kColumns; ++c) {
        const QString cup = c == 0 ? QStringLiteral("カップ") : QStringLiteral("%1 番目のカップ").arg(c);
        m_cups[c]->setAccessibleName(cup);
        m_cupLetters[c]->setAccessibleName(cup + QStringLiteral("の文字"));
    }
}

void TypingTrainerWindow::installKeyPreview()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        // Menus keep their own keys (letters choose items there).
        if (qobject_cast<QMenu*>(child) || qobject_cast<QMenuBar*>(child))
            continue;
        child->installEventFilter(this);
    }
}

bool TypingTrainerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int code = windowsKeyCode(*keyEvent);
        // Keys that print a character are the learner's typing and go no
        // further (a focused button must not take a typed space); the others
        // keep their usual meaning.
        if (!typing::typedCharacter(code).isEmpty()) {
            judgeKeyPress(code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
