// The trainer window keeps its results in "TypingRecord.dat" and drills the
// keys the record says are missed most.
#include "support/fakes.h"
#include "typing/typingtrainerwindow.h"

#include "data/durablefile.h"
#include "data/textfile.h"
#include "typing/typingrecord.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

namespace lumo {
namespace {

const QString kRecordFile = QStringLiteral("TypingRecord.dat");
const QByteArray kHeader = "record,date,test,characters,errors,score,expected,pressed\r\n";
const QString kTooLittle = QStringLiteral("苦手なキーを選ぶには、まだ練習の記録が足りません。\n"
                                          "ほかのコースでもう少し練習してから選んで下さい。");

class TrainerRecord : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;
    std::unique_ptr<TypingTrainerWindow> window;

    void SetUp() override
    {
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("cat,ねこ\n"));
        folder.write(QStringLiteral("eng-1-2.dat"), QString());
    }
    void open() { window = std::make_unique<TypingTrainerWindow>(); }
    QAction* item(const char* name) const
    {
        auto* action = window->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    void press(Qt::Key key) { QTest::keyClick(window.get(), key); }
    void press(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key k : keys)
            press(k);
    }
    // Closes the window with 練習終了 as the learner does; it unloads itself.
    void closeWithExitButton()
    {
        QPointer<TypingTrainerWindow> closing = window.release();
        QTest::mouseClick(closing->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(closing.isNull());
    }
    // A practice of 基本１ with one miss of S (G pressed).
    void practiseAndMissOnce()
    {
        item("mnuBase1")->trigger();
        press({Qt::Key_A, Qt::Key_G, Qt::Key_S});
    }
    // Presses of `key` recorded in a file: `right` times right, then
    // `wrong` times with `instead` pressed.
    static QString keyLines(QChar key, int right, int wrong, QChar instead)
    {
        typing::TypingRecorder r;
        for (int i = 0; i < right; ++i)
            r.addKey(key, key);
        for (int i = 0; i < wrong; ++i)
            r.addKey(key, instead);
        return r.lines();
    }
    void writeRecord(const QString& lines) const { folder.writeBytes(kRecordFile, kHeader + lines.toLatin1()); }
    // Every character of lines 1..30, which must be 30 keys each.
    QString drilledKeys() const
    {
        QString all;
        for (int line = 1; line <= 30; ++line) {
            EXPECT_EQ(window->state().lines.text[line].size(), 30) << line;
            all += window->state().lines.text[line];
        }
        return all;
    }
    // Draws that reach every index of a short key list.
    void scriptEvenDraws()
    {
        for (int i = 0; i < 900; ++i)
            platform.random.values.push_back(float(i % 100) / 100.0f);
    }
};

TEST_F(TrainerRecord, PracticeAndTestAreAppendedWhenTheWindowCloses)
{
    open();
    press(Qt::Key_Q); // before any course there is nothing to miss
    practiseAndMissOnce();
    item("mnuTestLow")->trigger(); // "cat"
    press({Qt::Key_C, Qt::Key_X, Qt::Key_A, Qt::Key_T});
    for (int i = 0; i < 60; ++i)
        test::tick(*window);
    EXPECT_FALSE(folder.exists(kRecordFile)) << "written only when the window closes";
    closeWithExitButton();

    const QByteArray first = kHeader + "K,,,,,,A,A\r\nK,,,,,,S,G\r\nK,,,,,,S,S\r\n"
                                       "K,,,,,,C,C\r\nK,,,,,,A,X\r\nK,,,,,,A,A\r\nK,,,,,,T,T\r\n"
                                       "T,2001/03/05 09:30:00,1,3,1,0,,\r\n";
    EXPECT_EQ(folder.readBytes(kRecordFile), first);
    EXPECT_TRUE(platform.dialogs.shown.empty());

    // The next opening adds its lines below, without a second header.
    open();
    item("mnuBase1")->trigger();
    press(Qt::Key_A);
    window.reset(); // destroyed without being closed: kept all the same
    EXPECT_EQ(folder.readBytes(kRecordFile), first + "K,,,,,,A,A\r\n");

    // What the record window reads.
    const typing::TypingRecord record = typing::readTypingRecord(readTextFile(folder.path() + kRecordFile).text);
    EXPECT_EQ(record.skippedLines, 0);
    EXPECT_EQ(record.keyLines, 8);
    EXPECT_EQ(record.keys.at(u'S').mostOftenInstead(), QChar(u'G'));
    ASSERT_EQ(record.tests.size(), 1u);
    EXPECT_EQ(record.tests[0].when, QDateTime(QDate(2001, 3, 5), QTime(9, 30)));

    // An opening that judged nothing leaves the file alone.
    open();
    window.reset();
    EXPECT_EQ(folder.readBytes(kRecordFile), first + "K,,,,,,A,A\r\n");
}

TEST_F(TrainerRecord, RecordThatCannotBeWrittenIsToldAndTheWindowStillCloses)
{
    // A folder in the way fails every write, even for root.
    ASSERT_TRUE(QDir(folder.path()).mkdir(kRecordFile));
    open();
    practiseAndMissOnce();
    closeWithExitButton();
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.shown[0].text,
              QStringLiteral("今回のキー入力練習の記録を保存できませんでした。\n"
                             "ファイル「TypingRecord.dat」に保存できませんでした：同じ名前のフォルダーがあります。"
                             "このファイルは以前のままです。"));

    // A folder that takes no new file: the learner is told once, nothing is written.
    ASSERT_TRUE(QDir(folder.path()).rmdir(kRecordFile));
    setWriteFaultHook([](WriteStep step) { return step == WriteStep::Create ? EACCES : 0; });
    open();
    practiseAndMissOnce();
    window.reset();
    setWriteFaultHook({});
    ASSERT_EQ(platform.dialogs.shown.size(), 2u);
    EXPECT_TRUE(platform.dialogs.shown[1].text.contains(QStringLiteral("「TypingRecord.dat」に保存できませんでした")));
    EXPECT_FALSE(folder.exists(kRecordFile));
}

TEST_F(TrainerRecord, WeakKeyDrillTypesMostlyThePlantedWeakKeys)
{
    // Five keys missed from 90 % down to 50 %, a sixth at 10 %, a seventh
    // always missed but pressed too seldom to tell.
    writeRecord(keyLines(u'Q', 1, 9, u'W') + keyLines(u'P', 2, 8, u'O') + keyLines(u'Z', 3, 7, u'X') +
                keyLines(u'X', 4, 6, u'Z') + keyLines(u',', 5, 5, u'M') + keyLines(u'A', 9, 1, u'S') +
                keyLines(u'B', 0, 3, u'V') + keyLines(u'J', 30, 0, u'J'));
    open();
    scriptEvenDraws();
    // The course menu's item after 英語上級 (the two word courses follow it).
    const QList<QAction*> items = window->findChild<QMenu*>(QStringLiteral("mnuCourse"))->actions();
    ASSERT_GE(items.size(), 4);
    EXPECT_EQ(items[items.size() - 4]->objectName(), QStringLiteral("mnuZyokyu"));
    QAction* weakKeys = items[items.size() - 3];
    EXPECT_EQ(weakKeys->objectName(), QStringLiteral("mnuNigate"));
    EXPECT_EQ(weakKeys->text(), QStringLiteral("苦手キー練習(&W)"));
    weakKeys->trigger();
    test::settleAside();
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_EQ(window->state().lineNo, 1);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
              QStringLiteral("苦手なキー Q・P・Z・X・, を練習します。"));
    // Thirty lines of the five weak keys and the home keys F and J only,
    // each of them drilled, the weak keys in most presses.
    const QString keys = drilledKeys();
    int weak = 0;
    for (const QChar c : keys) {
        ASSERT_TRUE(QStringLiteral("QPZX,FJ").contains(c)) << QString(c).toStdString();
        weak += QStringLiteral("QPZX,").contains(c);
    }
    for (const QChar c : QStringLiteral("QPZX,FJ"))
        EXPECT_TRUE(keys.contains(c)) << QString(c).toStdString();
    EXPECT_GT(weak, keys.size() * 2 / 3);

    // It is typed like any drill, and its keys are recorded.
    press(Qt::Key(Qt::Key_A)); // a miss of the first key
    EXPECT_EQ(window->state().wrongCount, 1);
}

TEST_F(TrainerRecord, WordCoursesTypeTheEnglishWithItsMeaning)
{
    open();
    const WordList review = {{QStringLiteral("apple"), QStringLiteral("りんご")},
                             {QStringLiteral("  "), QStringLiteral("空")},
                             {QStringLiteral("look after"), QStringLiteral("世話をする")}};
    auto source = [](WordList words) {
        return [words](QObject* context, std::function<void(WordList)> then) {
            QMetaObject::invokeMethod(
                context, [then, words] { then(words); }, Qt::QueuedConnection);
        };
    };
    window->setWordSources(source(review), source({}));
    const QList<QAction*> items = window->findChild<QMenu*>(QStringLiteral("mnuCourse"))->actions();
    ASSERT_EQ(items.last(), item("mnuMissedWords"));
    EXPECT_EQ(items[items.size() - 2], item("mnuReviewWords"));
    EXPECT_EQ(item("mnuReviewWords")->text(), QStringLiteral("今日の復習の単語(&R)"));
    EXPECT_EQ(item("mnuMissedWords")->text(), QStringLiteral("よく間違える単語(&E)"));

    item("mnuReviewWords")->trigger();
    QCoreApplication::processEvents(); // the words arrive once the history is read
    ASSERT_EQ(window->state().lines.filled(), 2);
    QStringList lines;
    for (int i = 1; i <= 2; ++i) {
        lines.append(window->state().lines.text[i]);
        EXPECT_EQ(window->state().lines.hint[i].section(QStringLiteral("　"), 0, 0), lines.last());
    }
    lines.sort();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("apple"), QStringLiteral("look after")}));
    EXPECT_EQ(window->state().lineNo, 1);
    press(Qt::Key_Q);
    EXPECT_EQ(window->state().wrongCount, 1) << "scored like any practice course";

    item("mnuMissedWords")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.dialogs.texts(), QStringList{QStringLiteral("まだ間違えた単語はありません。")});
    EXPECT_EQ(window->state().wrongCount, 1) << "the course goes on";
}

TEST_F(TrainerRecord, TooLittleRecordKeepsTheCurrentCourse)
{
    open();
    item("mnuNigate")->trigger(); // no record at all
    test::settleAside();
    ASSERT_EQ(platform.dialogs.texts(), QStringList{kTooLittle});
    EXPECT_EQ(window->state().lineNo, 0);

    // Four keys to tell apart: still too few, and 基本１ goes on.
    window.reset();
    writeRecord(keyLines(u'Q', 5, 5, u'W') + keyLines(u'P', 5, 5, u'O') + keyLines(u'Z', 5, 5, u'X') +
                keyLines(u'X', 5, 5, u'Z') + keyLines(u'C', 2, 2, u'V'));
    open();
    item("mnuBase1")->trigger();
    press(Qt::Key_A);
    item("mnuNigate")->trigger();
    test::settleAside();
    EXPECT_EQ(platform.dialogs.texts(), (QStringList{kTooLittle, kTooLittle}));
    EXPECT_EQ(window->state().currentLine(), QStringLiteral("ASDFGHJKL;"));
    EXPECT_EQ(window->state().charPos, 2);
    EXPECT_EQ(window->state().correctCount, 1);
    EXPECT_EQ(window->focusWidget(), window.get()) << "typing goes on at once";
}

TEST_F(TrainerRecord, WeakKeyDrillCountsWhatThisOpeningJudged)
{
    open();
    // Ten rounds of 基本１ missing each of A, S, D, F and G once: half of
    // their presses wrong, none of the rest.
    item("mnuBase1")->trigger();
    for (int round = 0; round < 10; ++round) {
        for (Qt::Key k : {Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F, Qt::Key_G})
            press({Qt::Key_Q, k});
        press({Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L});
        QTest::keyClick(window.get(), ';');
    }
    ASSERT_FALSE(folder.exists(kRecordFile));
    scriptEvenDraws();
    item("mnuNigate")->trigger();
    test::settleAside();
    EXPECT_TRUE(platform.dialogs.shown.empty());
    for (const QChar c : drilledKeys())
        ASSERT_TRUE(QStringLiteral("ASDFGJ").contains(c)) << QString(c).toStdString();
}

} // namespace
} // namespace lumo
