// Every button, list, key and menu item of the main window once: use it the
// way the learner does and see what it shows. A control wired to the wrong
// handler, or to none, fails its row.
#include "quizwindow_fixture.h"

#include "quiz/speaking.h"

#include <cctype>
#include <functional>
#include <ostream>
#include <vector>

using namespace lumo;
using namespace lumo::test;

namespace {

enum class Use { Click, Trigger, ClickRow, PressEnter, ThreeTicks };

struct ControlCase {
    QString name; // objectName of the control or menu item
    Use use;
    std::function<void(QuizWindowTest&)> arrange; // after the window opened
    std::function<void(QuizWindowTest&)> expect;
    int row = 0; // for ClickRow
};

void PrintTo(const ControlCase& c, std::ostream* out)
{
    *out << c.name.toStdString();
}

// Starting points shared by several rows.
void pickApple(QuizWindowTest& t)
{
    t.pick({0});
}
void appleTyped(QuizWindowTest& t)
{
    t.pick({0});
    t.click("cmdMondai");
    t.answerBox()->setText(QStringLiteral("apple"));
}
void appleRevealedInTranslation(QuizWindowTest& t)
{
    t.click("CmdChange");
    t.clickRow("List3", 0);
    t.click("cmdMondai");
    t.click("Command3");
}
void answerTyped(QuizWindowTest& t, int caret)
{
    t.answerBox()->setText(QStringLiteral("ab"));
    t.answerBox()->setCursorPosition(caret);
}
void sortableCourse(QuizWindowTest& t)
{
    t.folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("b,い\na,う\nc,あ\n"));
    t.open();
}

// Expectations shared by a button and its menu item.
void judgedRight(QuizWindowTest& t)
{
    EXPECT_EQ(t.shown("Label2"), QStringLiteral("正解"));
    EXPECT_EQ(t.shown("Text3"), QStringLiteral("apple りんご"));
}
void trainingStarted(QuizWindowTest& t)
{
    EXPECT_EQ(t.shown("Text5"), QStringLiteral("問題  1"));
    EXPECT_EQ(t.shown("Text1"), QStringLiteral("りんご"));
    EXPECT_EQ(t.shown("Text3"), QStringLiteral("apple")) << "training shows the answer";
    EXPECT_EQ(t.shown("Text4"), QStringLiteral("全問題数　1"));
}
void questionsStarted(QuizWindowTest& t)
{
    EXPECT_EQ(t.shown("Text5"), QStringLiteral("問題  1"));
    EXPECT_EQ(t.shown("Text1"), QStringLiteral("りんご"));
    EXPECT_TRUE(t.shown("Text3").isEmpty()) << "question form hides the answer";
    EXPECT_EQ(t.shown("Text4"), QStringLiteral("全問題数1"));
}
void selectionDiscarded(QuizWindowTest& t)
{
    EXPECT_EQ(t.platform.dialogs.count(Shown::Confirm), 1);
    EXPECT_EQ(t.shown("Text4"), QStringLiteral("0"));
    EXPECT_EQ(t.shown("Text1"), QStringLiteral("左下のリストから問題を選択して下さい"));
}
void directionSwitched(QuizWindowTest& t)
{
    EXPECT_EQ(t.button("CmdChange")->text(), QStringLiteral("英文入力"));
    EXPECT_TRUE(t.list("List3")->isVisible());
    EXPECT_FALSE(t.list("List2")->isVisible());
}
void selectionListed(QuizWindowTest& t)
{
    EXPECT_TRUE(t.list("List4")->isVisible());
    EXPECT_EQ(t.items("List4"), (QStringList{"apple", "make"}));
}
void programEnded(QuizWindowTest& t)
{
    EXPECT_FALSE(t.window->isVisible());
    // Nothing was judged: the history files are left as they were.
    EXPECT_FALSE(t.folder.exists(QStringLiteral("LastTraining.dat")));
    EXPECT_FALSE(t.folder.exists(QStringLiteral("Training.dat")));
}
std::function<void(QuizWindowTest&)> windowShown(const char* objectName)
{
    return [objectName](QuizWindowTest&) {
        QWidget* other = QuizWindowTest::windowNamed(objectName);
        ASSERT_NE(other, nullptr) << objectName;
        EXPECT_TRUE(other->isVisible());
        for (const char* name : {"frmKeyTre", "frmCross", "engnyu", "frmHelpX", "frmRecord"})
            if (qstrcmp(name, objectName) != 0) {
                EXPECT_TRUE(QuizWindowTest::windowsNamed(name).isEmpty()) << name;
            }
    };
}
void nothingChanged(QuizWindowTest& t)
{
    EXPECT_TRUE(t.platform.dialogs.shown.empty());
    EXPECT_EQ(t.shown("Text4"), QStringLiteral("全問題数　1"));
    EXPECT_EQ(t.items("List2"), (QStringList{"りんご", "男の人,マン", "作る"}));
    EXPECT_TRUE(t.window->isVisible());
}
void unavailable(QuizWindowTest& t)
{
    nothingChanged(t);
    EXPECT_FALSE(t.window->menuBar()->findChild<QAction*>(QStringLiteral("mnuOpenItem"))->isEnabled());
    EXPECT_FALSE(t.window->menuBar()->findChild<QAction*>(QStringLiteral("mnuSaveItem"))->isEnabled());
}
void historyOnDisk(QuizWindowTest& t)
{
    t.folder.write(QStringLiteral("Training.dat"),
                   QStringLiteral("\n\napple,りんご,2001/03/05,○×\n\nman,男の人,2001/03/05,○○\n"));
}

std::vector<ControlCase> controlCases()
{
    std::vector<ControlCase> cases;
    // Each letter button types its caption.
    const QString letters = QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?");
    for (int i = 0; i < letters.size(); ++i)
        cases.push_back({QStringLiteral("key(%1)").arg(i), Use::Click, nullptr,
                         [letter = letters.mid(i, 1)](QuizWindowTest& t) { EXPECT_EQ(t.answerBox()->text(), letter); },
                         0});

    const auto add = [&cases](const char* name, Use use, std::function<void(QuizWindowTest&)> arrange,
                              std::function<void(QuizWindowTest&)> expect, int row = 0) {
        cases.push_back({QString::fromLatin1(name), use, std::move(arrange), std::move(expect), row});
    };
    // Buttons, the answer box and the timer.
    add(
        "Command5", Use::Click, [](QuizWindowTest& t) { answerTyped(t, 2); },
        [](QuizWindowTest& t) { EXPECT_EQ(t.answerBox()->text(), QStringLiteral("ab ")); });
    add(
        "Command4", Use::Click, [](QuizWindowTest& t) { answerTyped(t, 2); },
        [](QuizWindowTest& t) { EXPECT_EQ(t.answerBox()->text(), QStringLiteral("a ")); });
    add(
        "cmdDEL", Use::Click, [](QuizWindowTest& t) { answerTyped(t, 0); },
        [](QuizWindowTest& t) { EXPECT_EQ(t.answerBox()->text(), QStringLiteral("b")); });
    add("cmdmozihenkan", Use::Click, nullptr,
        [](QuizWindowTest& t) { EXPECT_EQ(t.key(0)->text(), QStringLiteral("Q")); });
    add("Command3", Use::Click, appleTyped, judgedRight);
    add("Text2", Use::PressEnter, appleTyped, judgedRight);
    add("OpSeikai", Use::Click, appleRevealedInTranslation,
        [](QuizWindowTest& t) { EXPECT_EQ(t.lastDialog().kind, Shown::Input) << "all correct"; });
    add("OpZannen", Use::Click, appleRevealedInTranslation,
        [](QuizWindowTest& t) { EXPECT_EQ(t.lastDialog().text, QStringLiteral("再挑戦しますか")); });
    add("CmdKeytre", Use::Click, nullptr, windowShown("frmKeyTre"));
    add("cmdCross", Use::Click, nullptr, windowShown("frmCross"));
    add("CmdNew", Use::Click, pickApple, selectionDiscarded);
    add("cmdNyuryoku", Use::Click, pickApple, trainingStarted);
    add("cmdMondai", Use::Click, pickApple, questionsStarted);
    add("CmdChange", Use::Click, nullptr, directionSwitched);
    add(
        "cmdSelect", Use::Click,
        [](QuizWindowTest& t) {
            t.pick({0, 2});
        },
        selectionListed);
    add("Command2", Use::Click, nullptr, programEnded);
    add(
        "Timer1", Use::ThreeTicks,
        [](QuizWindowTest& t) {
            t.click("CmdChange");
            t.clickRow("List3", 0);
            t.clickRow("List3", 1);
            t.click("cmdNyuryoku");
            t.click("Command3");
        },
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.shown("Text1"), QStringLiteral("man"));
            EXPECT_TRUE(t.button("Command3")->isEnabled());
        });

    // The lists.
    add(
        "List1", Use::ClickRow, nullptr,
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.items("List2"), (QStringList{"ねこ", "いぬ"}));
        },
        2);
    add(
        "List2", Use::ClickRow, nullptr,
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.shown("Text4"), QStringLiteral("全問題数　1"));
            EXPECT_EQ(t.selection(), QStringList{"man"});
        },
        1);
    add(
        "List3", Use::ClickRow, [](QuizWindowTest& t) { t.click("CmdChange"); },
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.shown("Text4"), QStringLiteral("全問題数　1"));
            EXPECT_EQ(t.selection(), QStringList{"make"});
        },
        2);
    add(
        "List4", Use::ClickRow,
        [](QuizWindowTest& t) {
            t.pick({0, 1});
            t.click("cmdSelect");
        },
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.lastDialog().text, QStringLiteral("選択リストから削除しますか"));
            EXPECT_EQ(t.items("List4"), QStringList{"man"});
        });

    // The menu items, menu by menu.
    add("mnuRemenver", Use::Trigger, historyOnDisk, [](QuizWindowTest& t) {
        EXPECT_EQ(t.items("List3"), (QStringList{"apple", "man"}));
    });
    add("mnuRemverMiss", Use::Trigger, historyOnDisk,
        [](QuizWindowTest& t) { EXPECT_EQ(t.items("List3"), QStringList{"apple"}); });
    add("mnuRemenverNew", Use::Trigger, historyOnDisk, [](QuizWindowTest& t) {
        EXPECT_TRUE(t.folder.exists(QStringLiteral("LastTraining.dat")));
        EXPECT_EQ(t.shown("Text4"), QStringLiteral("選択可能数0"));
    });
    add("mnuOpenItem", Use::Trigger, pickApple, unavailable);
    add("mnuNewQueItem", Use::Trigger, nullptr, windowShown("engnyu"));
    add("mnuSaveItem", Use::Trigger, pickApple, unavailable);
    add("mnuExitItem", Use::Trigger, nullptr, programEnded);
    add("mnuKeyTre", Use::Trigger, nullptr, windowShown("frmKeyTre"));
    add("mnuCrossWord", Use::Trigger, nullptr, windowShown("frmCross"));
    add("mnuNewSelect", Use::Trigger, pickApple, selectionDiscarded);
    add("mnuTraining", Use::Trigger, pickApple, trainingStarted);
    add("mnuQuestion", Use::Trigger, pickApple, questionsStarted);
    add("mnuJapanese", Use::Trigger, nullptr, directionSwitched);
    add("mnuButton", Use::Trigger, nullptr,
        [](QuizWindowTest& t) { EXPECT_EQ(t.key(0)->text(), QStringLiteral("a")); });
    add(
        "mnuSelectWord", Use::Trigger,
        [](QuizWindowTest& t) {
            t.pick({0, 2});
        },
        selectionListed);
    add("mnuDetermination", Use::Trigger, appleTyped, judgedRight);
    add(
        "mnuNewQItem", Use::Trigger,
        [](QuizWindowTest& t) {
            t.pick({0, 1});
        },
        [](QuizWindowTest& t) {
            EXPECT_TRUE(t.platform.dialogs.shown.empty());
            EXPECT_EQ(t.shown("Text4"), QStringLiteral("全問題数　2")) << "unlike a new selection";
            EXPECT_TRUE(t.selection().isEmpty());
        });
    add(
        "mnuRandamItem", Use::Trigger,
        [](QuizWindowTest& t) {
            t.pick({0, 1, 2});
            t.platform.random.values = {0.00005f, 0.00005f, 0.00005f};
        },
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.selection(), (QStringList{"man", "make", "apple"}));
        });
    add("mnuAgainItem", Use::Trigger, pickApple, nothingChanged);
    add(
        "mnuEngSItem", Use::Trigger, [](QuizWindowTest& t) { t.click("CmdChange"); },
        [](QuizWindowTest& t) {
            EXPECT_EQ(t.button("CmdChange")->text(), QStringLiteral("和訳考察"));
            EXPECT_TRUE(t.list("List2")->isVisible());
        });
    add("mnuAlfaSItem", Use::Trigger, sortableCourse, [](QuizWindowTest& t) {
        EXPECT_EQ(t.items("List3"), (QStringList{"a", "b", "c"}));
        EXPECT_EQ(t.items("List2"), (QStringList{"う", "い", "あ"}));
    });
    add("mnuJapanSItem", Use::Trigger, sortableCourse, [](QuizWindowTest& t) {
        EXPECT_EQ(t.items("List3"), (QStringList{"c", "b", "a"}));
        EXPECT_EQ(t.items("List2"), (QStringList{"あ", "い", "う"}));
    });
    add("mnuMusic", Use::Trigger, appleTyped, [](QuizWindowTest& t) {
        EXPECT_FALSE(t.menuItem("mnuMusic")->isChecked());
        QTest::keyClick(t.answerBox(), Qt::Key_Return);
        EXPECT_EQ(t.shown("Label2"), QStringLiteral("正解"));
        EXPECT_TRUE(t.platform.sound.played.isEmpty());
    });
    add("mnuBackColor", Use::Trigger, pickApple, nothingChanged);
    add("mnuHelpSimple", Use::Trigger, nullptr, windowShown("frmHelpX"));
    add("mnuHelpFull", Use::Trigger, nullptr,
        [](QuizWindowTest& t) { EXPECT_EQ(t.platform.shell.opened, QStringList{t.folder.path() + "E-Help.htm"}); });
    add("mnuRecord", Use::Trigger, nullptr, windowShown("frmRecord"));
    add("mnuSentence", Use::Trigger, nullptr, windowShown("frmSentence"));
    // Word lists in and out: each item asks for its file, or says there is nothing to write.
    add("mnuImportWords", Use::Trigger, nullptr,
        [](QuizWindowTest& t) { EXPECT_EQ(t.lastDialog().kind, Shown::OpenFile); });
    add("mnuExportCourse", Use::Trigger, nullptr,
        [](QuizWindowTest& t) { EXPECT_EQ(t.lastDialog().kind, Shown::SaveFile) << "the course has words"; });
    add("mnuExportSelection", Use::Trigger, pickApple,
        [](QuizWindowTest& t) { EXPECT_EQ(t.lastDialog().kind, Shown::SaveFile) << "apple is selected"; });
    add("mnuExportMissed", Use::Trigger, nullptr, [](QuizWindowTest& t) {
        EXPECT_EQ(t.lastDialog().text, QStringLiteral("書き出す単語がありません。")) << "nothing missed yet";
    });
    // Today's review: with no history yet it says so; the limit is asked for.
    add("mnuTodayReview", Use::Trigger, nullptr, [](QuizWindowTest& t) {
        EXPECT_EQ(t.lastDialog().kind, Shown::Notice);
        EXPECT_TRUE(t.lastDialog().text.contains(QStringLiteral("復習"))) << t.lastDialog().text.toStdString();
    });
    add("mnuReviewLimit", Use::Trigger, nullptr,
        [](QuizWindowTest& t) { EXPECT_EQ(t.lastDialog().kind, Shown::Input) << "the limit is asked for"; });
    // Speaking the English.
    add(
        "cmdHatuon", Use::Click,
        [](QuizWindowTest& t) {
            t.pick({0});
            t.click("cmdNyuryoku");
        },
        [](QuizWindowTest& t) { EXPECT_EQ(t.platform.speech.words(), QStringList{"apple"}); });
    add("mnuAutoSpeak", Use::Trigger, appleTyped, [](QuizWindowTest& t) {
        EXPECT_TRUE(t.menuItem("mnuAutoSpeak")->isChecked());
        QTest::keyClick(t.answerBox(), Qt::Key_Return);
        EXPECT_EQ(t.platform.speech.words(), QStringList{"apple"});
    });
    add("mnuListening", Use::Trigger, pickApple, [](QuizWindowTest& t) {
        t.click("cmdMondai");
        EXPECT_EQ(t.shown("Text1"), kListeningPrompt);
        EXPECT_EQ(t.platform.speech.words(), QStringList{"apple"});
    });
    add("mnuRateSlow", Use::Trigger, nullptr, [](QuizWindowTest& t) { EXPECT_LT(t.platform.speech.rate(), 0.0); });
    add(
        "mnuRateNormal", Use::Trigger, [](QuizWindowTest& t) { t.menuItem("mnuRateFast")->trigger(); },
        [](QuizWindowTest& t) { EXPECT_EQ(t.platform.speech.rate(), 0.0); });
    add("mnuRateFast", Use::Trigger, nullptr, [](QuizWindowTest& t) { EXPECT_GT(t.platform.speech.rate(), 0.0); });
    return cases;
}

class ControlTest : public QuizWindowTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlTest, DoesWhatItSays)
{
    const ControlCase& c = GetParam();
    open();
    if (c.arrange)
        c.arrange(*this);
    const QByteArray name = c.name.toLatin1();
    switch (c.use) {
    case Use::Click: click(control<QWidget>(c.name)); break;
    case Use::Trigger:
        menuItem(name.constData())->trigger();
        settleAside(); // work an item hands to another thread
        break;
    case Use::ClickRow: clickRow(name.constData(), c.row); break;
    case Use::PressEnter: QTest::keyClick(control<QWidget>(c.name), Qt::Key_Return); break;
    case Use::ThreeTicks:
        for (int i = 0; i < 3; ++i)
            tick();
        break;
    }
    c.expect(*this);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ControlTest, ::testing::ValuesIn(controlCases()),
                         [](const ::testing::TestParamInfo<ControlCase>& row) {
                             std::string name = row.param.name.toStdString();
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

// The table covers every button and menu item of the window.
TEST_F(QuizWindowTest, TheControlTableCoversEveryButtonAndMenuItem)
{
    open();
    QStringList covered;
    for (const ControlCase& c : controlCases())
        covered.append(c.name);
    for (QPushButton* b : window->centralWidget()->findChildren<QPushButton*>())
        EXPECT_TRUE(covered.contains(b->objectName())) << qPrintable(b->objectName());
    for (QRadioButton* b : window->centralWidget()->findChildren<QRadioButton*>())
        EXPECT_TRUE(covered.contains(b->objectName())) << qPrintable(b->objectName());
    for (QListWidget* l : window->centralWidget()->findChildren<QListWidget*>())
        EXPECT_TRUE(covered.contains(l->objectName())) << qPrintable(l->objectName());
    for (QAction* a : window->menuBar()->findChildren<QAction*>())
        if (!a->isSeparator() && !a->menu()) {
            EXPECT_TRUE(covered.contains(a->objectName())) << qPrintable(a->objectName());
        }
}

} // namespace
