// The trainer window: its keyboard, courses typed by key events, the guide,
// the one-minute tests and their result.
#include "support/fakes.h"
#include "support/svgpicture.h"
#include "typing/skilltest.h"
#include "typing/typingtrainerwindow.h"
#include "ui/noticebar.h"

#include "base/programfolder.h"
#include "ui/twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace lumo {
namespace {

const QString kEndOfLine = QStringLiteral("終了しました。次のコースを選んで下さい。");

template <class T = QLabel> T* find(const QWidget* w, const QString& name)
{
    T* child = w->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

QLabel* at(const QWidget* w, const char* array, int i)
{
    return find(w, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i));
}

QAction* item(const QWidget& w, const char* name)
{
    auto* action = w.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void click(const QWidget& w, const char* name)
{
    QTest::mouseClick(find<QPushButton>(&w, QLatin1String(name)), Qt::LeftButton);
}

// How many controls of an array the window holds, template included.
int countOf(const QWidget& w, const char* array)
{
    int n = 0;
    for (const QWidget* child : w.findChildren<QWidget*>())
        n += child->objectName().startsWith(QLatin1String(array) + u'(');
    return n;
}

QColor textColour(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}
QColor backColour(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

// The key letters the learner sees, as text.
QString visibleLetters(const TypingTrainerWindow& w, const QColor& colour)
{
    QString s;
    for (int i = 1; i <= 40; ++i) {
        const QLabel* l = at(&w, "key1", i);
        if (!l->isHidden() && textColour(l) == colour)
            s += l->text();
    }
    return s;
}

const QColor kBlue(0, 0, 255), kRed(255, 0, 0);

class Trainer : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;
    std::unique_ptr<TypingTrainerWindow> window;

    void open() { window = std::make_unique<TypingTrainerWindow>(); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(window.get(), key, mods); }
    // Types one character of a line the way a learner would.
    void type(QChar c)
    {
        if (c.isLetter())
            press(Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A')));
        else if (c.isDigit())
            press(Qt::Key(Qt::Key_0 + (c.unicode() - '0')));
        else
            QTest::keyClick(window.get(), c.toLatin1());
    }
    void typeLine()
    {
        const QString line = window->state().currentLine();
        for (QChar c : line)
            type(c);
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            test::tick(*window);
    }
};

TEST_F(Trainer, OpensWithTheKeyboardDrawn)
{
    open();
    const TypingTrainerWindow& w = *window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Lumo-english"));
    EXPECT_EQ(platform.random.randomizeCalls, 1);
    ASSERT_EQ(countOf(w, "Image1"), 41u);
    ASSERT_EQ(countOf(w, "key1"), 41u);
    ASSERT_EQ(countOf(w, "lbYubi"), 11u);
    ASSERT_EQ(countOf(w, "Image2"), 11u);
    EXPECT_TRUE(at(&w, "Image1", 0)->isHidden());
    EXPECT_TRUE(at(&w, "key1", 0)->isHidden());
    for (int i = 1; i <= 40; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(at(&w, "Image1", i)->isHidden());
        EXPECT_FALSE(at(&w, "key1", i)->isHidden());
        EXPECT_FALSE(at(&w, "lbHozyo", i)->isHidden());
        EXPECT_EQ(textColour(at(&w, "key1", i)), kBlue);
    }
    EXPECT_EQ(at(&w, "Image1", 1)->geometry(), twipsRect(822, 1575, 510, 540));
    EXPECT_EQ(at(&w, "Image1", 40)->geometry(), twipsRect(6305, 3375, 510, 540));
    EXPECT_EQ(at(&w, "key1", 21)->geometry(), twipsRect(1162, 2815, 465, 375));
    EXPECT_EQ(at(&w, "key1", 21)->text(), QStringLiteral("A"));
    EXPECT_EQ(at(&w, "key1", 40)->text(), QStringLiteral("/"));
    EXPECT_EQ(at(&w, "lbHozyo", 11)->geometry(), twipsRect(992, 2715, 510, 50));
    EXPECT_EQ(backColour(at(&w, "lbHozyo", 5)), QColor(255, 128, 128));
    EXPECT_EQ(backColour(at(&w, "lbHozyo", 40)), QColor(230, 230, 50));
    EXPECT_EQ(at(&w, "lbYubi", 2)->text(), QStringLiteral("薬指"));
    EXPECT_EQ(backColour(at(&w, "lbYubi", 2)), QColor(180, 240, 140));
    EXPECT_EQ(at(&w, "lbYubi", 4)->geometry(), twipsRect(2990, 3975, 510, 1080));
    EXPECT_FALSE(at(&w, "lbYubi", 10)->isHidden());
    EXPECT_EQ(at(&w, "Image2", 3)->geometry(), twipsRect(2098, 2175, 450, 855));
    EXPECT_EQ(at(&w, "lbCup", 3)->geometry(), twipsRect(2098, 2375, 420, 420));
    for (int c = 1; c <= 10; ++c) {
        EXPECT_TRUE(at(&w, "Image2", c)->isHidden());
        EXPECT_TRUE(at(&w, "lbCup", c)->isHidden());
    }
    EXPECT_FALSE(at(&w, "Image1", 1)->pixmap().isNull());
    EXPECT_TRUE(find<QProgressBar>(&w, QStringLiteral("ProgressBar1"))->isHidden());
    EXPECT_TRUE(find(&w, QStringLiteral("Label3"))->text().startsWith(QStringLiteral("左手の小指をAキー")));
    EXPECT_EQ(find(&w, QStringLiteral("Label2"))->text(), QStringLiteral("メニューからコースを選んで下さい"));
    EXPECT_TRUE(find(&w, QStringLiteral("lbSeikaisu"))->text().isEmpty());
    EXPECT_FALSE(test::findTimer(w, QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(test::findTimer(w, QStringLiteral("Timer1"))->interval(), 1000);

    // cmdExit first, then 次へ, 繰り返す, 自動出題.
    EXPECT_EQ(w.focusWidget(), find<QPushButton>(&w, QStringLiteral("cmdExit")));
    QStringList order;
    QWidget* next = find<QPushButton>(&w, QStringLiteral("cmdExit"));
    for (int i = 0; i < 4; ++i) {
        order << next->objectName();
        do
            next = next->nextInFocusChain();
        while (!qobject_cast<QPushButton*>(next));
    }
    EXPECT_EQ(order, QStringList({"cmdExit", "cmdNext", "cmdRepeat", "cmdAutoNext"}));
}

// The key and cup pictures are drawn from their SVG at the size of their
// control and the window's device pixel ratio, as the SVG renderer draws them
// (run at ratios 1, 1.2, 1.5 and 2: tests/typing/CMakeLists.txt).
TEST_F(Trainer, KeyAndCupPicturesAreTheirSvgAtTheControlSize)
{
    open();
    const qreal ratio = window->devicePixelRatioF();
    const struct {
        const char* array;
        const char* resource;
        QSize twips;
    } pictures[] = {{"Image1", ":/assets/key.svg", {510, 540}}, {"Image2", ":/assets/cup.svg", {450, 855}}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.array);
        const QPixmap shown = at(window.get(), p.array, 0)->pixmap();
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        const QSize size = twipsRect(0, 0, p.twips.width(), p.twips.height()).size();
        const QImage expected = test::drawnSvg(QLatin1String(p.resource), size, ratio, Qt::transparent,
                                               QRectF(QPointF(0, 0), QSizeF(size)));
        const test::PictureDifference d = test::difference(shown.toImage(), expected);
        ASSERT_TRUE(d.sameSize) << ratio;
        // Exact where the picture fills whole device pixels; elsewhere (the
        // key's 42.5 pixels at 1.25) its end may lie a hundredth of a pixel
        // off, which changes an edge pixel by a few steps of 255.
        EXPECT_LE(d.largest, test::wholeRatio(ratio) ? 0 : 4) << d;
        // Every key (or cup) shows the template's picture.
        EXPECT_EQ(at(window.get(), p.array, 1)->pixmap().toImage(), shown.toImage());
    }
}

TEST_F(Trainer, MenusAndButtonsCarryTheirCaptions)
{
    open();
    const std::pair<const char*, const char*> items[] = {
        {"mnuCourse", "基本コース選択(&C)"},
        {"mnuBase1", "基本１(&1)"},
        {"mnuBase5", "基本５(&5)"},
        {"mnuSyokyu", "英語初級(&L)"},
        {"mnuTyukyu", "英語中級(&M)"},
        {"mnuZyokyu", "英語上級(&H)"},
        {"mnuJapanese", "日本語コース(&J)"},
        {"mnuJpAgyo", "ア行入力(&A)"},
        {"mnuJpAdan", "アの段入力(&D)"},
        {"mnuJpSonota", "特殊音入力(&S)"},
        {"mnuTestCourse", "実力テスト(&T)"},
        {"mnuTestLow", "初級コース(&L)"},
        {"mnuTestHigh", "上級コース(&H)"},
        {"mnuOption", "オプション(&O)"},
        {"mnuAutoNext", "自動出題(&A)"},
        {"cmdRepeat", "繰り返す(&R)"},
        {"cmdNext", "次へ(&N)"},
        {"cmdAutoNext", "自動出題(&A)"},
        {"cmdExit", "練習終了(&X)"},
    };
    for (const auto& [name, caption] : items) {
        const QString n = QString::fromLatin1(name);
        QString text;
        if (auto* a = window->findChild<QAction*>(n))
            text = a->text();
        else if (auto* m = window->findChild<QMenu*>(n))
            text = m->title();
        else if (auto* b = window->findChild<QPushButton*>(n))
            text = b->text();
        EXPECT_EQ(text, QString::fromUtf8(caption)) << name;
    }
    EXPECT_TRUE(item(*window, "mnuAutoNext")->isCheckable());
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());
}

TEST_F(Trainer, GuideBeforeAnyCourse)
{
    open();
    // A press hides the key's letter; a second press marks it red; nothing matches.
    press(Qt::Key_A);
    EXPECT_TRUE(at(window.get(), "key1", 21)->isHidden());
    press(Qt::Key_A);
    EXPECT_FALSE(at(window.get(), "key1", 21)->isHidden());
    EXPECT_EQ(textColour(at(window.get(), "key1", 21)), kRed);
    EXPECT_EQ(find(window.get(), QStringLiteral("lbMatigaisu"))->text(), QStringLiteral("2"));
    EXPECT_EQ(platform.sound.played.last(), programFolder() + QStringLiteral("sample2.wav"));
}

TEST_F(Trainer, RowDrillWithGuideEndOfLineAndNext)
{
    open();
    item(*window, "mnuBase1")->trigger();
    EXPECT_EQ(window->state().currentLine(), QStringLiteral("ASDFGHJKL;"));
    EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), QStringLiteral("練習中"));
    EXPECT_EQ(find(window.get(), QStringLiteral("lbSeikaisu"))->text(), QStringLiteral("0"));
    EXPECT_EQ(visibleLetters(*window, kBlue), QStringLiteral("A"));
    EXPECT_EQ(window->focusWidget(), window.get());

    press(Qt::Key_A);
    EXPECT_EQ(visibleLetters(*window, kBlue), QStringLiteral("S"));
    press(Qt::Key_G); // wrong: red G, S still expected
    EXPECT_EQ(visibleLetters(*window, kRed), QStringLiteral("G"));
    EXPECT_EQ(visibleLetters(*window, kBlue), QStringLiteral("S"));
    EXPECT_EQ(window->state().charPos, 2);
    for (Qt::Key k : {Qt::Key_S, Qt::Key_D, Qt::Key_F, Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L})
        press(k);
    QTest::keyClick(window.get(), ';'); // ";" as the Japanese keyboard sends it
    EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), kEndOfLine);
    EXPECT_EQ(window->focusWidget(), find<QPushButton>(window.get(), QStringLiteral("cmdRepeat")));
    EXPECT_EQ(visibleLetters(*window, kBlue), QString());
    EXPECT_EQ(find(window.get(), QStringLiteral("lbSeikaisu"))->text(), QStringLiteral("10"));
    EXPECT_EQ(find(window.get(), QStringLiteral("lbMatigaisu"))->text(), QStringLiteral("1"));
    EXPECT_EQ(platform.sound.played.count(programFolder() + QStringLiteral("sample3.wav")), 10);

    // A space on the focused 繰り返す is typing, not a click.
    press(Qt::Key_Space);
    EXPECT_EQ(find(window.get(), QStringLiteral("lbMatigaisu"))->text(), QStringLiteral("2"));
    EXPECT_EQ(window->state().lineNo, 1);

    click(*window, "cmdNext");
    EXPECT_EQ(window->state().lineNo, 2);
    EXPECT_EQ(window->state().currentLine().size(), 30);
    EXPECT_EQ(visibleLetters(*window, kBlue), window->state().currentLine().left(1));
    type(window->state().currentLine().at(0));
    click(*window, "cmdNext"); // mid-line: the next line from its start
    EXPECT_EQ(window->state().lineNo, 3);
    EXPECT_EQ(window->state().charPos, 0);
    click(*window, "cmdRepeat");
    EXPECT_EQ(window->state().lineNo, 3);
    EXPECT_EQ(find(window.get(), QStringLiteral("lbSeikaisu"))->text(), QStringLiteral("11")); // counts kept
}

TEST_F(Trainer, KeysThatPrintNothingAreNotJudged)
{
    open();
    item(*window, "mnuBase4")->trigger(); // "12345F67890J"
    const int played = int(platform.sound.played.size());
    for (Qt::Key k : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_F1,
                      Qt::Key_Left, Qt::Key_Down, Qt::Key_Return})
        press(k);
    EXPECT_EQ(platform.sound.played.size(), played);
    EXPECT_EQ(find(window.get(), QStringLiteral("lbMatigaisu"))->text(), QStringLiteral("0"));
    EXPECT_EQ(visibleLetters(*window, kBlue), QStringLiteral("1"));
    // Keypad digits are digits; a shifted key is judged by its key.
    press(Qt::Key_1, Qt::KeypadModifier);
    press(Qt::Key_QuoteDbl, Qt::ShiftModifier); // Shift+2 on a Japanese keyboard
    EXPECT_EQ(find(window.get(), QStringLiteral("lbSeikaisu"))->text(), QStringLiteral("2"));
    EXPECT_EQ(find(window.get(), QStringLiteral("lbMatigaisu"))->text(), QStringLiteral("0"));
}

TEST_F(Trainer, KanaCourseTypedByKeyEvents)
{
    open();
    item(*window, "mnuJpSonota")->trigger();
    EXPECT_TRUE(window->state().kanaMode);
    int correct = 0;
    for (int line = 1; line <= 5; ++line) {
        EXPECT_EQ(window->state().lineNo, line);
        EXPECT_EQ(find(window.get(), QStringLiteral("Label3"))->text(), window->state().currentHint());
        correct += int(window->state().currentLine().size());
        typeLine();
    }
    EXPECT_EQ(window->state().lineNo, 6);
    EXPECT_EQ(find(window.get(), QStringLiteral("lbSeikaisu"))->text(), QString::number(correct));
    EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), QStringLiteral("練習中"));
}

TEST_F(Trainer, AutoNextOptionTogglesWithItsCheckMark)
{
    open();
    item(*window, "mnuAutoNext")->trigger();
    EXPECT_TRUE(window->state().autoNext);
    EXPECT_TRUE(item(*window, "mnuAutoNext")->isChecked());
    click(*window, "cmdAutoNext");
    EXPECT_FALSE(window->state().autoNext);
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());

    // With the option on, a finished line is followed by the next at once.
    item(*window, "mnuAutoNext")->trigger();
    item(*window, "mnuBase2")->trigger();
    typeLine();
    EXPECT_EQ(window->state().lineNo, 2);
    EXPECT_NE(find(window.get(), QStringLiteral("Label2"))->text(), kEndOfLine);
}

TEST_F(Trainer, MissingFilesAreNamedAndGiveAnEmptyCourse)
{
    open();
    item(*window, "mnuSyokyu")->trigger();
    // Told in the window's notice bar, not in message boxes.
    auto* notice = window->findChild<NoticeBar*>(QStringLiteral("notice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_TRUE(notice->text().contains(QStringLiteral("eng-1-1.dat")));
    EXPECT_TRUE(notice->text().contains(QStringLiteral("eng-1-2.dat")));
    EXPECT_TRUE(window->state().currentLine().isEmpty());
    item(*window, "mnuZyokyu")->trigger();
    EXPECT_TRUE(notice->text().contains(QStringLiteral("諺.txt")));
    press(Qt::Key_A);
    EXPECT_EQ(find(window.get(), QStringLiteral("lbMatigaisu"))->text(), QStringLiteral("1"));
    click(*window, "cmdNext");
    EXPECT_EQ(window->state().lineNo, 1);
}

TEST_F(Trainer, ClosingUnloadsAndReopeningStartsAfresh)
{
    open();
    item(*window, "mnuAutoNext")->trigger();
    item(*window, "mnuBase1")->trigger();
    press(Qt::Key_A);
    QPointer<TypingTrainerWindow> closing = window.release();
    click(*closing, "cmdExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
    open();
    EXPECT_EQ(window->state().lineNo, 0);
    EXPECT_EQ(window->state().correctCount, 0);
    EXPECT_FALSE(window->state().autoNext);
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());
}

// Tests read two course files; here a single short word in each.
class SkillTestWindow : public Trainer {
  protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("cat,ねこ\n"));
        folder.write(QStringLiteral("eng-1-2.dat"), QStringLiteral("absolute,絶対の\n"));
        open();
    }
    QProgressBar* bar() const { return find<QProgressBar>(window.get(), QStringLiteral("ProgressBar1")); }
};

TEST_F(SkillTestWindow, WholeMinuteGivesTheScore)
{
    item(*window, "mnuTestLow")->trigger();
    EXPECT_FALSE(bar()->isHidden());
    EXPECT_EQ(bar()->maximum(), 60);
    EXPECT_EQ(bar()->value(), 60);
    EXPECT_TRUE(test::findTimer(*window, QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(window->state().autoNext);
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());
    EXPECT_EQ(window->state().currentLine(), QStringLiteral("cat"));
    // 40 words of 3 letters: the one word comes round again and again.
    for (int word = 0; word < 40; ++word)
        typeLine();
    for (int i = 0; i < 10; ++i)
        press(Qt::Key_Z);
    EXPECT_EQ(window->state().correctCount, 120);
    tick(59);
    EXPECT_EQ(bar()->value(), 1);
    EXPECT_FALSE(find(window.get(), QStringLiteral("Label3"))->text().startsWith(QStringLiteral("あなたの成績は")));
    tick(1);
    EXPECT_EQ(find(window.get(), QStringLiteral("Label3"))->text().remove(typing::kWordJoiner),
              QStringLiteral("あなたの成績は90点です。１０分あたり900字入力\r\n目安　１級　800字以上　　２級　600字以上"
                             "　　３級　500字以上　　４級　400字以上"));
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_FALSE(bar()->isHidden());
    EXPECT_FALSE(test::findTimer(*window, QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(window->state().autoNext);
    const QString result = find(window.get(), QStringLiteral("Label3"))->text();
    tick(3);
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(find(window.get(), QStringLiteral("Label3"))->text(), result);
}

TEST_F(SkillTestWindow, NegativeScoreAndRestart)
{
    item(*window, "mnuTestMid")->trigger(); // only "absolute" has six letters or more
    EXPECT_EQ(window->state().currentLine(), QStringLiteral("absolute"));
    tick(10);
    EXPECT_EQ(bar()->value(), 50);
    item(*window, "mnuTestMid")->trigger(); // again: a fresh minute
    EXPECT_EQ(bar()->value(), 60);
    EXPECT_TRUE(test::findTimer(*window, QStringLiteral("Timer1"))->isActive());
    for (Qt::Key k :
         {Qt::Key_A, Qt::Key_B, Qt::Key_S, Qt::Key_O, Qt::Key_L, Qt::Key_U, Qt::Key_T, Qt::Key_E, Qt::Key_A, Qt::Key_B})
        press(k);
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Q);
    tick(60);
    EXPECT_TRUE(find(window.get(), QStringLiteral("Label3"))
                    ->text()
                    .remove(typing::kWordJoiner)
                    .startsWith(QStringLiteral("あなたの成績は-5点です。１０分あたり0字入力")));
}

TEST_F(SkillTestWindow, CupDisplay)
{
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("absolute,絶対の\n"));
    folder.write(QStringLiteral("eng-1-2.dat"), QString());
    item(*window, "mnuTestHigh")->trigger();
    EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), QStringLiteral("実戦テスト"));
    EXPECT_EQ(find(window.get(), QStringLiteral("Label3"))->text(), QStringLiteral("absolute,絶対の"));
    for (int i = 1; i <= 40; ++i) {
        ASSERT_TRUE(at(window.get(), "Image1", i)->isHidden());
        ASSERT_TRUE(at(window.get(), "key1", i)->isHidden());
        ASSERT_FALSE(at(window.get(), "lbHozyo", i)->isHidden());
    }
    QString cups;
    for (int a = 1; a <= 10; ++a) {
        EXPECT_EQ(at(window.get(), "Image2", a)->isHidden(), a > 8) << a;
        if (!at(window.get(), "lbCup", a)->isHidden())
            cups += at(window.get(), "lbCup", a)->text();
    }
    EXPECT_EQ(cups, QStringLiteral("absolute"));

    press(Qt::Key_A);
    EXPECT_TRUE(at(window.get(), "Image2", 1)->isHidden());
    EXPECT_TRUE(at(window.get(), "lbCup", 1)->isHidden());
    press(Qt::Key_Z); // wrong: no cup goes
    EXPECT_FALSE(at(window.get(), "Image2", 2)->isHidden());
    for (Qt::Key k : {Qt::Key_B, Qt::Key_S, Qt::Key_O, Qt::Key_L, Qt::Key_U, Qt::Key_T, Qt::Key_E})
        press(k);
    // The word is done: the next (here the same again) stands on full cups.
    EXPECT_EQ(window->state().charPos, 0);
    EXPECT_FALSE(at(window.get(), "Image2", 1)->isHidden());
    EXPECT_FALSE(at(window.get(), "Image2", 8)->isHidden());

    click(*window, "cmdNext"); // back to the keyboard
    EXPECT_FALSE(at(window.get(), "Image1", 1)->isHidden());
    EXPECT_TRUE(at(window.get(), "Image2", 1)->isHidden());
    EXPECT_EQ(visibleLetters(*window, kBlue), QStringLiteral("A"));
    EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), QStringLiteral("練習中"));
}

TEST_F(SkillTestWindow, PracticeCourseDuringATestEndsIt)
{
    item(*window, "mnuTestLow")->trigger();
    tick(5);
    item(*window, "mnuBase1")->trigger();
    EXPECT_FALSE(test::findTimer(*window, QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(bar()->isHidden());
    EXPECT_FALSE(window->state().autoNext); // as the unchecked option shows
    tick(60);
    EXPECT_FALSE(find(window.get(), QStringLiteral("Label3"))->text().startsWith(QStringLiteral("あなたの成績は")));
    // Without auto-advance the row drill stops at the end of its line.
    typeLine();
    EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), kEndOfLine);
}

TEST_F(SkillTestWindow, EndOfTestKeepsTheCheckedOption)
{
    item(*window, "mnuAutoNext")->trigger();
    item(*window, "mnuTestLow")->trigger();
    tick(60);
    EXPECT_TRUE(window->state().autoNext);
    EXPECT_TRUE(item(*window, "mnuAutoNext")->isChecked());

    // Toggled during a test, the mark follows the clicks and the words keep
    // coming; the last setting applies once the minute is up.
    item(*window, "mnuTestLow")->trigger();
    click(*window, "cmdAutoNext");
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());
    typeLine();
    EXPECT_NE(find(window.get(), QStringLiteral("Label2"))->text(), kEndOfLine);
    EXPECT_EQ(window->state().charPos, 0);
    click(*window, "cmdAutoNext");
    click(*window, "cmdAutoNext");
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());
    tick(60);
    EXPECT_FALSE(window->state().autoNext);
}

// Every menu item and button once, each with what only it does, so a swapped
// or missing connection fails here.
TEST_F(SkillTestWindow, EveryMenuItemStartsItsOwnCourse)
{
    folder.write(QStringLiteral("諺.txt"), QStringLiteral("Time is money.\n時は金なり\n"));
    struct Row {
        const char* item;
        typing::Course course; // for drills that need no file
        QString firstLine;     // for courses read from files
    };
    using typing::Course;
    const Row rows[] = {
        {"mnuBase1", Course::Base1, {}},
        {"mnuBase2", Course::Base2, {}},
        {"mnuBase3", Course::Base3, {}},
        {"mnuBase4", Course::Base4, {}},
        {"mnuBase5", Course::Base5, {}},
        {"mnuJpAgyo", Course::KanaVowels, {}},
        {"mnuJpAdan", Course::KanaA, {}},
        {"mnuJpIdan", Course::KanaI, {}},
        {"mnuJpUdan", Course::KanaU, {}},
        {"mnuJpEdan", Course::KanaE, {}},
        {"mnuJpOdan", Course::KanaO, {}},
        {"mnuJpSonota", Course::KanaSpecial, {}},
        {"mnuSyokyu", Course::EnglishLow, "cat"},
        {"mnuTyukyu", Course::EnglishMid, "absolute"},
        {"mnuZyokyu", Course::Proverbs, "Time is money."},
    };
    // The whole table a course puts up, its lines joined.
    auto joined = [](const typing::LineTables& tables) {
        QStringList lines;
        for (int i = 1; i <= tables.filled(); ++i)
            lines << tables.text[i];
        return lines.join(u'|');
    };
    QStringList tables;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        item(*window, row.item)->trigger();
        if (row.firstLine.isEmpty()) {
            typing::LineTables expected;
            typing::fillBuiltInCourse(row.course, expected);
            EXPECT_EQ(joined(window->state().lines), joined(expected));
        } else {
            EXPECT_EQ(window->state().currentLine(), row.firstLine);
        }
        EXPECT_EQ(window->state().lineNo, 1);
        EXPECT_EQ(window->state().kanaMode, typing::isKanaCourse(row.course));
        EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), QStringLiteral("練習中"));
        EXPECT_FALSE(test::findTimer(*window, QStringLiteral("Timer1"))->isActive());
        tables << joined(window->state().lines);
    }
    // Each item's table is its own, so two swapped items cannot pass.
    tables.removeDuplicates();
    EXPECT_EQ(tables.size(), int(std::size(rows)));

    // The three tests: their words, their display, the clock running.
    const std::tuple<const char*, QString, QString> tests[] = {{"mnuTestLow", "cat", "練習中"},
                                                               {"mnuTestMid", "absolute", "練習中"},
                                                               {"mnuTestHigh", "absolute", "実戦テスト"}};
    for (const auto& [name, line, status] : tests) {
        SCOPED_TRACE(name);
        item(*window, name)->trigger();
        EXPECT_EQ(window->state().currentLine(), line);
        EXPECT_EQ(find(window.get(), QStringLiteral("Label2"))->text(), status);
        EXPECT_TRUE(test::findTimer(*window, QStringLiteral("Timer1"))->isActive());
    }
}

TEST_F(SkillTestWindow, EveryButtonAndTheOptionDoTheirOwnJob)
{
    item(*window, "mnuBase1")->trigger(); // "ASDFGHJKL;" on every line
    const int lineStart = window->state().charPos;
    press(Qt::Key_A);
    ASSERT_NE(window->state().charPos, lineStart);
    click(*window, "cmdRepeat"); // same line from its start
    EXPECT_EQ(window->state().lineNo, 1);
    EXPECT_EQ(window->state().charPos, lineStart);
    click(*window, "cmdNext"); // next line
    EXPECT_EQ(window->state().lineNo, 2);

    item(*window, "mnuAutoNext")->trigger();
    EXPECT_TRUE(item(*window, "mnuAutoNext")->isChecked());
    EXPECT_TRUE(window->state().autoNext);
    click(*window, "cmdAutoNext");
    EXPECT_FALSE(item(*window, "mnuAutoNext")->isChecked());
    EXPECT_FALSE(window->state().autoNext);
    EXPECT_EQ(window->state().lineNo, 2); // toggling moves nothing

    QPointer<TypingTrainerWindow> closing = window.release();
    closing->show();
    click(*closing, "cmdExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

TEST(TrainerContent, ShippedCoursesAndProverbs)
{
    test::Platform platform;
    for (int i = 0; i < 4000; ++i)
        platform.random.values.push_back(float((i * 7919) % 1000) / 1000.0f);
    setProgramFolder(QStringLiteral(LUMO_PROGRAM_DIR));
    {
        TypingTrainerWindow w;
        item(w, "mnuSyokyu")->trigger();
        const int words = w.state().lines.filled();
        EXPECT_GT(words, 10);
        EXPECT_LE(words, 40);
        for (int i = 1; i <= words; ++i) {
            EXPECT_LE(w.state().lines.text[i].size(), 5);
            EXPECT_TRUE(w.state().lines.hint[i].startsWith(w.state().lines.text[i] + u','));
        }
        item(w, "mnuZyokyu")->trigger();
        const int proverbs = w.state().lines.filled();
        EXPECT_GT(proverbs, 10);
        EXPECT_LE(proverbs, 81);
        EXPECT_TRUE(w.state().currentHint().startsWith(w.state().currentLine() + QStringLiteral("\r\n")));
        EXPECT_TRUE(platform.dialogs.shown.empty());
    }
    setProgramFolder(QString());
}

} // namespace
} // namespace lumo
