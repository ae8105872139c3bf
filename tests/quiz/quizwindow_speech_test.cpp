// The main window speaks through the scripted speech seam: what is said when,
// the phonetic spelling after judging, the listening quiz, and the notice
// when nothing can be spoken.
#include "quiz/quizwindow.h"
#include "quiz/speaking.h"
#include "support/fakes.h"
#include "ui/noticebar.h"
#include "ui/speech.h"
#include "widgets/richtextbox.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;
using namespace lumo::test;

namespace {

class QuizSpeech : public ::testing::Test {
  protected:
    Platform platform;
    TempProgramFolder folder;
    std::unique_ptr<QuizWindow> window;

    void SetUp() override
    {
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nwug,ワグ（造語）\nmake,作る\n"));
        for (const char* name : {"諺.txt", "例文.txt", "例文-2.txt"})
            folder.write(QString::fromUtf8(name), QString());
        window = std::make_unique<QuizWindow>();
        window->show();
    }
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("speechNotice"))
                delete w;
    }

    template <class W> W* find(const char* name) const
    {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    void trigger(const char* item) { find<QAction>(item)->trigger(); }

    // Clicks the words at these rows of the visible word list.
    void pick(const char* listName, std::initializer_list<int> rows)
    {
        auto* list = find<QListWidget>(listName);
        for (int row : rows)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void answer(const QString& text)
    {
        find<QLineEdit>("Text2")->setText(text);
        click("Command3");
    }
    QString prompt() const { return window->findChild<QTextEdit*>(QStringLiteral("Text1"))->toPlainText(); }
    QString phonetic() const { return window->findChild<QLabel*>(QStringLiteral("lbHatuonKigou"))->text(); }
    QStringList said() const { return platform.speech.words(); }
    // How often the window's notice bar says that nothing can be spoken.
    int notices() const
    {
        const NoticeBar* bar = window->centralWidget()->findChild<NoticeBar*>(QStringLiteral("notice"));
        return bar->isVisible() ? int(bar->text().count(kSpeechUnavailableText)) : 0;
    }
    static int speechBoxes()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->objectName() == QStringLiteral("speechNotice");
        return n;
    }
};

TEST_F(QuizSpeech, InQuestionFormTheButtonSpeaksOnlyAfterJudging)
{
    EXPECT_FALSE(find<QAction>("mnuAutoSpeak")->isChecked());
    EXPECT_FALSE(find<QAction>("mnuListening")->isChecked());
    pick("List2", {0, 2}); // apple, make
    click("cmdMondai");
    click("cmdHatuon");
    EXPECT_TRUE(said().isEmpty()) << "the answer is not given away";

    answer(QStringLiteral("apple"));
    EXPECT_TRUE(said().isEmpty()) << "speaking after judging is off at start";
    EXPECT_EQ(phonetic(), QStringLiteral("apple  /ˈæpəl/"));
    click("cmdHatuon");
    EXPECT_EQ(said(), QStringList{QStringLiteral("apple")}) << "the judged word, while make is asked";
    EXPECT_EQ(prompt(), QStringLiteral("作る"));
}

TEST_F(QuizSpeech, TrainingFormAndTranslationDirectionSpeakAtOnce)
{
    pick("List2", {1});
    click("cmdNyuryoku"); // the answer is shown in training
    click("cmdHatuon");
    EXPECT_EQ(said(), QStringList{QStringLiteral("wug")});

    platform.dialogs.answers = {true}; // 問題を変更しますか: Yes
    click("CmdChange");
    pick("List3", {2});
    click("cmdMondai");
    click("cmdHatuon");
    EXPECT_EQ(said(), (QStringList{QStringLiteral("wug"), QStringLiteral("make")}));
    click("Command3"); // the meaning is revealed
    EXPECT_EQ(phonetic(), QStringLiteral("make  /mˈeɪk/"));
}

TEST_F(QuizSpeech, SpeakingAfterJudgingSaysEachJudgedWordBeforeTheEndOfPassQuestion)
{
    trigger("mnuAutoSpeak");
    EXPECT_TRUE(find<QAction>("mnuAutoSpeak")->isChecked());
    pick("List2", {0, 1});
    click("cmdMondai");
    answer(QStringLiteral("apple"));
    EXPECT_EQ(said(), QStringList{QStringLiteral("apple")});

    platform.dialogs.answers = {false}; // 再挑戦しますか: No
    answer(QStringLiteral("wig"));
    EXPECT_EQ(said(), (QStringList{QStringLiteral("apple"), QStringLiteral("wug")}));
    EXPECT_TRUE(phonetic().isEmpty()) << "wug is no word of the shipped courses";
    EXPECT_EQ(platform.dialogs.texts().last(), QStringLiteral("再挑戦しますか"));
}

TEST_F(QuizSpeech, ListeningQuizSaysTheEnglishInsteadOfShowingTheMeaning)
{
    trigger("mnuListening");
    trigger("mnuAutoSpeak");
    pick("List2", {0, 2});
    click("cmdMondai");
    EXPECT_EQ(prompt(), kListeningPrompt);
    EXPECT_EQ(platform.speech.said, QList<QStringList>{{QStringLiteral("apple")}});
    click("cmdHatuon");
    EXPECT_EQ(platform.speech.said.last(), QStringList{QStringLiteral("apple")}) << "heard again";

    // Judging, sounds and the history are those of any question-form run;
    // the judged word comes first, then the next question.
    answer(QStringLiteral("Apple"));
    EXPECT_EQ(find<QLabel>("Label2")->text(), QStringLiteral("正解"));
    EXPECT_EQ(platform.sound.played, QStringList{folder.path() + QStringLiteral("sample3.wav")});
    EXPECT_EQ(find<QTextEdit>("Text3")->toPlainText(), QStringLiteral("apple りんご"));
    EXPECT_EQ(platform.speech.said.last(), (QStringList{QStringLiteral("apple"), QStringLiteral("make")}));
    EXPECT_EQ(prompt(), kListeningPrompt);

    platform.dialogs.inputs = {QStringLiteral("0")};
    answer(QStringLiteral("make"));
    EXPECT_EQ(platform.dialogs.shown.back().kind, Shown::Input) << "all correct";

    // Off again: the next question shows its meaning.
    trigger("mnuListening");
    click("cmdMondai");
    EXPECT_EQ(prompt(), QStringLiteral("りんご"));
    const QString sep = QStringLiteral("\r\n");
    EXPECT_EQ(historyAtExit(window.get(), folder),
              sep + sep + "apple,りんご,2001/03/05,○" + sep + sep + "make,作る,2001/03/05,○");
}

TEST_F(QuizSpeech, WordListContextMenuSpeaksTheEnglishOfTheRow)
{
    auto* list = find<QListWidget>("List2");
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    auto* menu = find<QMenu>("mnuWordList");
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    trigger("mnuSpeakWord");
    EXPECT_EQ(said(), QStringList{QStringLiteral("wug")});
}

TEST_F(QuizSpeech, WithoutSpeechTheLearnerIsToldOnceAndTheQuizGoesOn)
{
    platform.speech.canSpeak = false;
    pick("List2", {0, 2});
    click("cmdMondai");
    answer(QStringLiteral("apple"));
    click("cmdHatuon");
    click("cmdHatuon");
    EXPECT_EQ(notices(), 1) << "in the window's notice bar";
    EXPECT_EQ(speechBoxes(), 0);
    EXPECT_TRUE(platform.dialogs.shown.empty()) << "no modal box";
    answer(QStringLiteral("make"));
    EXPECT_EQ(find<QLabel>("Label2")->text(), QStringLiteral("正解"));
    EXPECT_EQ(notices(), 1);
}

// The new controls lie on free ground: none covers a control of the window.
TEST_F(QuizSpeech, NewControlsCoverNoOtherControl)
{
    QWidget* client = window->centralWidget();
    for (const char* name : {"cmdHatuon", "lbHatuonKigou"}) {
        QWidget* added = find<QWidget>(name);
        EXPECT_TRUE(client->rect().contains(added->geometry())) << name;
        for (QWidget* other : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == added || other->geometry().isEmpty())
                continue;
            EXPECT_FALSE(other->geometry().intersects(added->geometry()))
                << name << " covers " << other->objectName().toStdString();
        }
    }
}

} // namespace
