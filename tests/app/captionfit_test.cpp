// Every window, rendered offscreen, shows each caption of its buttons and
// labels whole. ctest runs these at 100 %, 150 % and 200 % scale and with
// the text one step larger (see CMakeLists.txt).
#include "app/splashwindow.h"
#include "base/programfolder.h"
#include "crossword/crosswordwindow.h"
#include "data/examples.h"
#include "help/helpwindow.h"
#include "history/traininghistory.h"
#include "quiz/quizwindow.h"
#include "record/recordwindow.h"
#include "sentence/sentencewindow.h"
#include "support/captionfit.h"
#include "support/fakes.h"
#include "support/spokenname.h"
#include "typing/typingtrainerwindow.h"
#include "ui/accessiblenames.h"
#include "wordentry/wordentrywindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace lumo;

namespace {

struct WindowCase {
    const char* name;
    std::function<QWidget*()> create;
};

class CaptionsFit : public ::testing::TestWithParam<WindowCase> {
  protected:
    void SetUp() override { setProgramFolder(QStringLiteral(LUMO_PROGRAM_DIR)); }
    void TearDown() override { setProgramFolder(QString()); }
    test::Platform platform;
};

TEST_P(CaptionsFit, NoCaptionIsCutOff)
{
    const std::unique_ptr<QWidget> window(GetParam().create());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const std::vector<test::CutCaption> cuts = test::cutCaptions(window.get());
    EXPECT_TRUE(cuts.empty()) << "scale " << qgetenv("QT_SCALE_FACTOR").constData() << ", font dpi "
                              << qgetenv("QT_FONT_DPI").constData() << ":\n"
                              << test::describe(cuts).toStdString();
}

TEST_P(CaptionsFit, EveryControlHasAnAccessibleName)
{
    const std::unique_ptr<QWidget> window(GetParam().create());
    window->show();
    nameControls(window.get());
    QStringList unnamed;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const bool named = qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QListWidget*>(control) ||
                           qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        if (control->isVisibleTo(window.get()) && (named || (label && !label->text().trimmed().isEmpty())) &&
            test::spokenName(control).isEmpty())
            unnamed.append(control->objectName());
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();
}

TEST(AccessibleNames, HeadingsAreTheBuddiesOfTheirListsAndNameThem)
{
    test::Platform platform;
    setProgramFolder(QStringLiteral(LUMO_PROGRAM_DIR));
    QuizWindow window;
    nameControls(&window);
    const auto* courses = window.findChild<QListWidget*>(QStringLiteral("List1"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label3"))->buddy(), courses);
    EXPECT_EQ(courses->accessibleName(), QStringLiteral("コース選択"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Text2"))->accessibleName(), QStringLiteral("解答欄"));
    EXPECT_EQ(test::spokenName(window.findChild<QAbstractButton*>(QStringLiteral("Command3"))),
              window.findChild<QAbstractButton*>(QStringLiteral("Command3"))->text().remove(u'&'));
    setProgramFolder(QString());
}

// A caption that changes while the learner works is read out as it is now,
// not as it was when the window first showed.
TEST(AccessibleNames, ButtonsAndLabelsAreReadByTheCaptionTheyShowNow)
{
    QWidget window;
    auto* label = new QLabel(QStringLiteral("連続 0 日"), &window);
    auto* button = new QPushButton(QStringLiteral("開始(&S)"), &window);
    auto* box = new QLineEdit(&window);
    auto* heading = new QLabel(QStringLiteral("答え(&A):"), &window);
    heading->setBuddy(box);
    nameControls(&window);
    label->setText(QStringLiteral("連続 3 日"));
    button->setText(QStringLiteral("停止(&S)"));
    EXPECT_EQ(test::spokenName(label), QStringLiteral("連続 3 日"));
    EXPECT_EQ(test::spokenName(button), QStringLiteral("停止(S)"));
    EXPECT_EQ(test::spokenName(box), QStringLiteral("答え(A):"));
}

QWidget* sentenceWindow()
{
    SentenceSources words{{{QStringLiteral("money"), QStringLiteral("お金")}}, {}, {}, {}};
    return new SentenceWindow(loadExampleText(programFolder()).text, words);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, CaptionsFit,
    ::testing::Values(WindowCase{"Quiz", [] { return static_cast<QWidget*>(new QuizWindow); }},
                      WindowCase{"TypingTrainer", [] { return static_cast<QWidget*>(new TypingTrainerWindow); }},
                      WindowCase{"Crossword", [] { return static_cast<QWidget*>(new CrosswordWindow); }},
                      WindowCase{"WordEntry", [] { return static_cast<QWidget*>(new WordEntryWindow); }},
                      WindowCase{"Help", [] { return static_cast<QWidget*>(new HelpWindow); }},
                      WindowCase{"Record",
                                 [] {
                                     static auto* history = new TrainingHistory;
                                     return static_cast<QWidget*>(new RecordWindow(*history));
                                 }},
                      WindowCase{"Sentence", sentenceWindow},
                      WindowCase{"Splash",
                                 [] { return static_cast<QWidget*>(new SplashWindow([] { return nullptr; })); }}),
    [](const ::testing::TestParamInfo<WindowCase>& windowCase) { return std::string(windowCase.param.name); });

} // namespace
