// Today's review and the letter-by-letter comparison, through the main
// window's menu items, buttons and answer box.
#include "quiz/quizwindow.h"
#include "support/eightwordhistory.h"
#include "support/fakes.h"
#include "typing/typingtrainerwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

// Eight words learned over two months (support/eightwordhistory.h).
const QString& kHistory = test::kEightWordHistory;

class QuizReviewTest : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;
    std::unique_ptr<QuizWindow> window;

    void SetUp() override
    {
        platform.clock.day = QDate(2024, 3, 20);
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"),
                     QStringLiteral("apple,りんご\nman,男の人,マン\nnecessary,必要な\n"));
        for (const char* name : {"諺.txt", "例文.txt", "例文-2.txt"})
            folder.write(QString::fromUtf8(name), QString());
    }

    QuizWindow& open()
    {
        window = std::make_unique<QuizWindow>();
        window->show();
        return *window;
    }

    template <class T> T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void trigger(const char* item) { child<QAction>(item)->trigger(); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    QString lastNotice() const
    {
        const QStringList texts = platform.dialogs.texts();
        return texts.isEmpty() ? QString() : texts.back();
    }

    QStringList selection()
    {
        click("cmdSelect");
        QStringList english;
        auto* list = child<QListWidget>("List4");
        for (int i = 0; i < list->count(); ++i)
            english.append(list->item(i)->text());
        return english;
    }

    // Types an answer into the answer box and presses Enter.
    void answer(const QString& text)
    {
        auto* box = child<QLineEdit>("Text2");
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // Picks the course word at `row` of the meaning list.
    void pickRow(int row)
    {
        auto* list = child<QListWidget>("List2");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

TEST_F(QuizReviewTest, TodaysReviewPicksTheDueWordsMostOverdueFirst)
{
    folder.write(QStringLiteral("Training.dat"), kHistory);
    open();
    trigger("mnuTodayReview");
    EXPECT_EQ(lastNotice(), QStringLiteral("今日の復習として 5 語を問題に選びました。\n明日復習する単語は 1 語です。\n"
                                           "「問題形式」で始めて下さい。"));
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), QStringLiteral("全問題数　5"));
    EXPECT_EQ(selection(), QStringList({"apple", "book", "cat", "egg", "fish"}));

    // A question-form run asks them as picked words are asked.
    click("cmdMondai");
    EXPECT_EQ(child<QTextEdit>("Text1")->toPlainText(), QStringLiteral("りんご"));
    answer(QStringLiteral("apple"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("正解"));
    EXPECT_EQ(child<QTextEdit>("Text1")->toPlainText(), QStringLiteral("本"));

    // Today's answers count at once, before they reach the file: apple is
    // no longer due; the rest are chosen already.
    trigger("mnuTodayReview");
    EXPECT_TRUE(lastNotice().startsWith(QStringLiteral("今日復習する 4 語は、もう問題に選ばれています。\n")));
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), QStringLiteral("全問題数　5"));
}

TEST_F(QuizReviewTest, TheLimitCanBeChangedAndIsChecked)
{
    folder.write(QStringLiteral("Training.dat"), kHistory);
    open();
    platform.dialogs.inputs = {QStringLiteral("２")};
    trigger("mnuReviewLimit");
    ASSERT_EQ(platform.dialogs.shown.back().kind, test::Shown::Input);
    EXPECT_EQ(platform.dialogs.shown.back().extra, QStringLiteral("20")); // the current limit offered
    trigger("mnuTodayReview");
    EXPECT_EQ(selection(), QStringList({"apple", "book"}));
    EXPECT_TRUE(platform.dialogs.texts().join(u'|').contains(QStringLiteral("今日の復習はほかに 3 語あります。")));

    const auto shownBefore = platform.dialogs.shown.size();
    platform.dialogs.inputs = {QStringLiteral("0"), QStringLiteral("abc"), QStringLiteral("1001")};
    for (int i = 0; i < 3; ++i) {
        trigger("mnuReviewLimit");
        EXPECT_EQ(lastNotice(), QStringLiteral("1 から 1000 までの数を入力して下さい。"));
    }
    platform.dialogs.inputs = {std::nullopt}; // cancelled: nothing changes
    trigger("mnuReviewLimit");
    EXPECT_EQ(platform.dialogs.shown.size(), shownBefore + 7);
    platform.dialogs.inputs = {};
    trigger("mnuReviewLimit");
    EXPECT_EQ(platform.dialogs.shown.back().extra, QStringLiteral("2"));
}

TEST_F(QuizReviewTest, NothingDueSaysWhenTheNextWordIs)
{
    folder.write(QStringLiteral("Training.dat"),
                 QStringLiteral("dog,犬,2024/03/10,○\r\ndog,犬,2024/03/11,○\r\ndog,犬,2024/03/14,○\r\n"
                                "dog,犬,yesterday,○\r\n"));
    open();
    const QString count = child<QLineEdit>("Text4")->text();
    trigger("mnuTodayReview");
    EXPECT_EQ(lastNotice(), QStringLiteral("今日復習する単語はありません。\n次の復習は 2024/04/03（14 日後）です。\n"
                                           "（「Training.dat」の読めない 1 行は除きました）"));
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), count);
}

TEST_F(QuizReviewTest, NoHistorySaysSoAndCreatesNoFile)
{
    open();
    trigger("mnuTodayReview");
    EXPECT_TRUE(lastNotice().startsWith(QStringLiteral("学習の記録がまだありません。")));
    EXPECT_FALSE(folder.exists(QStringLiteral("Training.dat")));
    EXPECT_TRUE(selection().isEmpty());
}

TEST_F(QuizReviewTest, AWrongTypedAnswerIsShownLetterByLetter)
{
    open();
    auto* comparison = child<QLabel>("lbCompare");
    EXPECT_FALSE(comparison->isVisible());
    pickRow(0); // apple
    pickRow(2); // necessary
    click("cmdMondai");
    answer(QStringLiteral("aple"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("残念"));
    EXPECT_EQ(child<QTextEdit>("Text3")->toPlainText(), QStringLiteral("apple りんご"));
    EXPECT_TRUE(comparison->isVisible());
    // aple against apple: the second p is missing; one edit away.
    EXPECT_TRUE(
        comparison->text().contains(QStringLiteral("ap<span style=\"color:#e00000; font-weight:bold\">_</span>le")));
    EXPECT_TRUE(comparison->text().contains(QStringLiteral("惜しい")));

    answer(QStringLiteral("nesesary"));
    EXPECT_TRUE(comparison->isVisible());
    EXPECT_FALSE(comparison->text().contains(QStringLiteral("惜しい"))); // two edits

    // The retry, answered right, takes the comparison away.
    platform.dialogs.answers = {true};
    answer(QStringLiteral("apple"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("正解"));
    EXPECT_FALSE(comparison->isVisible());
}

TEST_F(QuizReviewTest, TrainingShowsTheComparisonUntilTheDirectionOrSelectionChanges)
{
    open();
    pickRow(0);
    pickRow(1);
    click("cmdNyuryoku");
    answer(QStringLiteral("appel"));
    auto* comparison = child<QLabel>("lbCompare");
    EXPECT_TRUE(comparison->isVisible());
    EXPECT_TRUE(comparison->text().contains(QStringLiteral("惜しい")));
    platform.dialogs.answers = {false}; // keep the selection
    click("CmdChange");
    EXPECT_FALSE(comparison->isVisible());
    // The translation direction shows the meaning; nothing is compared.
    click("Command3");
    EXPECT_FALSE(comparison->isVisible());

    platform.dialogs.answers = {false};
    click("CmdChange");
    click("cmdNyuryoku");
    // A long answer is shown whole, in the letters it was typed in.
    answer(QStringLiteral("Apple pie with custard and cream"));
    EXPECT_TRUE(comparison->isVisible());
    EXPECT_TRUE(comparison->text().contains(QStringLiteral("Apple")));
    EXPECT_LE(comparison->sizeHint().width(), comparison->width());
    platform.dialogs.answers = {true};
    click("CmdNew");
    EXPECT_FALSE(comparison->isVisible());
}

// The typing trainer's word courses type the words the history names.
TEST_F(QuizReviewTest, TypingTrainerTypesTodaysReviewAndTheMissedWords)
{
    folder.write(QStringLiteral("Training.dat"), kHistory);
    open();
    window->findChild<QAction*>(QStringLiteral("mnuKeyTre"))->trigger();
    auto* trainer = window->findChild<TypingTrainerWindow*>();
    ASSERT_NE(trainer, nullptr);
    const auto typed = [trainer](const char* item) {
        trainer->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        EXPECT_TRUE(QTest::qWaitFor([trainer] { return trainer->state().lines.filled() > 0; }));
        QStringList lines;
        for (int i = 1; i <= trainer->state().lines.filled(); ++i)
            lines.append(trainer->state().lines.text[i]);
        lines.sort();
        return lines;
    };
    EXPECT_EQ(typed("mnuReviewWords"), (QStringList{u"apple"_qs, u"book"_qs, u"cat"_qs, u"egg"_qs, u"fish"_qs}));
    EXPECT_EQ(typed("mnuMissedWords"), (QStringList{u"cat"_qs, u"egg"_qs, u"hat"_qs}));
    trainer->close();
}

} // namespace
