// The record window through its controls, on a generated history.
#include "history/traininghistory.h"
#include "quiz/quizwindow.h"
#include "record/recordcharts.h"
#include "record/recordwindow.h"
#include "support/fakes.h"
#include "support/spokenname.h"
#include "typing/typingrecord.h"
#include "ui/accessiblenames.h"
#include "ui/noticebar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QDate kToday(2026, 12, 7);

class RecordWindowTest : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;
    TrainingHistory learnerHistory;

    void SetUp() override
    {
        platform.clock.day = kToday;
        // A year of practice: every third day, two words; "man" always missed first.
        QString history;
        for (int back = 360; back >= 0; back -= 3) {
            const QString day = kToday.addDays(-back).toString(QStringLiteral("yyyy/MM/dd"));
            history += QStringLiteral("\r\n\r\napple,りんご,%1,○\r\n\r\nman,男の人,%1,×○").arg(day);
        }
        folder.write(QStringLiteral("Training.dat"), history);
        typing::TypingRecorder typing;
        for (int i = 0; i < 20; ++i)
            typing.addKey(u'Q', i < 8 ? u'W' : u'Q');
        typing.addTest({QDateTime(kToday, QTime(9, 0)), 1, 150, 2, 144});
        typing.addTest({QDateTime(kToday, QTime(9, 5)), 2, 0, 360, -1080});
        folder.write(QStringLiteral("TypingRecord.dat"), typing.textToAppend(0));
        learnerHistory.setFolder(folder.path());
    }

    template <class T> static T* child(QWidget* w, const char* name)
    {
        T* found = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(RecordWindowTest, ShowsTheHistoryAsChartsWithValuesOnHover)
{
    RecordWindow w(learnerHistory);
    w.show();
    auto* days = child<BarChart>(&w, "chartDays");
    ASSERT_EQ(days->points().size(), 30u);
    EXPECT_EQ(days->points().back().value, 3) << "today: ○ and ×○";
    EXPECT_DOUBLE_EQ(days->points().back().share, 0.5);
    EXPECT_EQ(days->points()[28].value, 0) << "yesterday: no practice";
    EXPECT_EQ(child<BarChart>(&w, "chartMonths")->points().size(), 12u);
    EXPECT_EQ(child<QLabel>(&w, "lbStreak")->text(), QStringLiteral("連続学習：今 1 日　最長 1 日"));

    // Hovering the last bar shows its values.
    days->resize(600, 240);
    QTest::mouseMove(days, QPoint(days->width() - 50, days->height() / 2));
    EXPECT_EQ(days->hovered(), 29);
    EXPECT_TRUE(days->points()[29].detail.contains(QStringLiteral("回答 3 回")));

    auto* missed = child<QTableWidget>(&w, "tableMissed");
    ASSERT_EQ(missed->rowCount(), 1);
    EXPECT_EQ(missed->item(0, 0)->text(), QStringLiteral("man"));
    EXPECT_EQ(missed->item(0, 2)->text(), QStringLiteral("121"));
    EXPECT_EQ(missed->item(0, 4)->text(), QStringLiteral("0%"));

    EXPECT_TRUE(
        child<QLabel>(&w, "lbWorstKeys")->text().contains(QStringLiteral("「Q」ミス 40.0%　代わりに「W」を押しがち")));
    EXPECT_EQ(child<BarChart>(&w, "chartTestScores")->points().size(), 1u);
    // The trainer's figure by its name; a score below 0 as it is.
    EXPECT_TRUE(
        child<BarChart>(&w, "chartTestSpeed")->points()[0].detail.contains(QStringLiteral("１０分あたり1440字入力")));
    child<QComboBox>(&w, "cmbTestLevel")->setCurrentIndex(1);
    EXPECT_EQ(child<BarChart>(&w, "chartTestScores")->points()[0].value, -1080);
    child<QComboBox>(&w, "cmbTestLevel")->setCurrentIndex(2);
    EXPECT_TRUE(child<BarChart>(&w, "chartTestScores")->points().empty()) << "no 上級 test yet";
    EXPECT_FALSE(child<NoticeBar>(&w, "lbRecordNotice")->isVisible());
}

TEST_F(RecordWindowTest, AnAnswerOfThisRunCountsAtOnce)
{
    RecordWindow w(learnerHistory);
    w.show();
    learnerHistory.record(QStringLiteral("apple"), QStringLiteral("りんご"), false, kToday);
    w.refresh();
    EXPECT_EQ(child<BarChart>(&w, "chartDays")->points().back().value, 4);
    auto* missed = child<QTableWidget>(&w, "tableMissed");
    ASSERT_EQ(missed->rowCount(), 2);
    EXPECT_EQ(missed->item(1, 0)->text(), QStringLiteral("apple"));
    EXPECT_EQ(missed->item(1, 2)->text(), QStringLiteral("1"));
}

TEST_F(RecordWindowTest, EveryChartSavesAsAPng)
{
    RecordWindow w(learnerHistory);
    w.show();
    for (const char* button : {"cmdSaveDays", "cmdSaveMonths", "cmdSaveCalendar", "cmdSaveTestScores",
                               "cmdSaveTestSpeed", "cmdSaveKeys", "cmdSaveSentenceDays"}) {
        const QString path = folder.path() + QString::fromLatin1(button); // ".png" is added
        platform.dialogs.saveFiles = {path};
        QPushButton* save = child<QPushButton>(&w, button);
        auto* tabs = child<QTabWidget>(&w, "tabsRecord");
        for (int page = 0; page < tabs->count(); ++page)
            if (tabs->widget(page)->isAncestorOf(save))
                tabs->setCurrentIndex(page); // the page the learner turns to
        QTest::mouseClick(save, Qt::LeftButton);
        QImageReader png(path + QStringLiteral(".png"));
        EXPECT_EQ(png.format(), "png") << button;
        EXPECT_GT(png.size().width(), 100) << button;
    }
    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("no-such-folder/x.png")};
    QTest::mouseClick(child<QPushButton>(&w, "cmdSaveKeys"), Qt::LeftButton);
    EXPECT_TRUE(platform.dialogs.texts().back().contains(QStringLiteral("保存できませんでした")));
}

TEST_F(RecordWindowTest, MissedWordsBecomeTheQuizQuestions)
{
    folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n"));
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\n"));
    QuizWindow quiz;
    quiz.show();
    child<QAction>(&quiz, "mnuRecord")->trigger();
    RecordWindow* record = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmRecord") && top->isVisible())
            record = qobject_cast<RecordWindow*>(top);
    ASSERT_NE(record, nullptr);
    QTest::mouseClick(child<QPushButton>(record, "cmdPickMissed"), Qt::LeftButton);
    EXPECT_EQ(platform.dialogs.texts().back(), QStringLiteral("1 語を問題に選びました。"));
    EXPECT_EQ(child<QLineEdit>(&quiz, "Text4")->text(), QStringLiteral("全問題数　1"));
    // Opening it again shows the same window, read afresh.
    child<QAction>(&quiz, "mnuRecord")->trigger();
    int records = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        records += top->objectName() == QLatin1String("frmRecord") && top->isVisible();
    EXPECT_EQ(records, 1);
    record->close();
}

TEST_F(RecordWindowTest, UnreadableLinesAreNamedNotFatal)
{
    folder.writeBytes(QStringLiteral("TypingRecord.dat"), QByteArray("K,,,,,,Q\r\nnonsense\r\n"));
    RecordWindow w(learnerHistory);
    w.show();
    auto* notice = child<NoticeBar>(&w, "lbRecordNotice");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(QStringLiteral("「TypingRecord.dat」の読めない 2 行")));
    // Closed, the bar gives its room back to the pages.
    auto* tabs = child<QTabWidget>(&w, "tabsRecord");
    const int pagesTop = tabs->y();
    QTest::mouseClick(notice->findChild<QWidget*>(QStringLiteral("noticeClose")), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_LT(tabs->y(), pagesTop);
}

// From the keyboard alone: a page by its access key, a row of the table by
// the arrows, the words picked by the button's access key. With nothing
// missed yet, the bar says so and nothing modal opens.
TEST_F(RecordWindowTest, KeysAloneTurnThePagesAndPickTheMissedWords)
{
    RecordWindow w(learnerHistory);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QSignalSpy chosen(&w, &RecordWindow::wordsChosen);
    // Keys go to the focused control (the window itself before one has the focus).
    const auto key = [&w](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &w, k, modifiers);
    };
    auto* tabs = child<QTabWidget>(&w, "tabsRecord");
    auto* missed = child<QTableWidget>(&w, "tableMissed");
    key(Qt::Key_W, Qt::AltModifier);
    ASSERT_EQ(tabs->currentWidget(), missed->parentWidget());
    for (int i = 0; i < 5 && QApplication::focusWidget() != missed; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), missed);
    QTest::keyClick(missed, Qt::Key_Space);
    EXPECT_EQ(missed->selectedItems().size(), missed->columnCount()) << "the row of man";
    key(Qt::Key_P, Qt::AltModifier); // the button's access key presses it a moment later
    ASSERT_TRUE(QTest::qWaitFor([&chosen] { return chosen.count() == 1; }));
    const auto words = chosen.at(0).at(0).value<std::vector<std::pair<QString, QString>>>();
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].first, QStringLiteral("man"));

    // The typing page: Alt+T goes to the test box, the arrows choose a test.
    key(Qt::Key_Y, Qt::AltModifier);
    key(Qt::Key_T, Qt::AltModifier);
    auto* level = child<QComboBox>(&w, "cmbTestLevel");
    ASSERT_EQ(QApplication::focusWidget(), level);
    QTest::keyClick(level, Qt::Key_Down);
    EXPECT_EQ(level->currentIndex(), 1);

    w.hide();

    folder.write(QStringLiteral("Training.dat"), QString());
    TrainingHistory nothingMissed;
    nothingMissed.setFolder(folder.path());
    RecordWindow fresh(nothingMissed);
    fresh.show();
    fresh.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fresh));
    QSignalSpy none(&fresh, &RecordWindow::wordsChosen);
    QTest::keyClick(&fresh, Qt::Key_W, Qt::AltModifier);
    key(Qt::Key_P, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(none.count(), 0);
    EXPECT_EQ(child<NoticeBar>(&fresh, "lbRecordNotice")->text(), QStringLiteral("まだ間違えた単語はありません。"));
    EXPECT_TRUE(child<NoticeBar>(&fresh, "lbRecordNotice")->isVisible());
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(RecordWindowTest, SentencePageCountsTheRecordAndPicksWordsWithAMeaning)
{
    const QString day = kToday.toString(QStringLiteral("yyyy/MM/dd"));
    folder.write(QStringLiteral("SentenceRecord.dat"),
                 QStringLiteral("%1 10:00:00\tT\t1\t×\t0\tI saw a cat.\ti see cat\tsaw,見た\ta\n"
                                "%1 10:01:00\tT\t2\t○\t0\tI saw a cat.\tI saw a cat\n"
                                "%1 10:02:00\tD\t1\t○\t0\tTime is money.\ttime is money\n"
                                "broken line\n")
                     .arg(day));
    RecordWindow w(learnerHistory);
    w.show();
    QSignalSpy chosen(&w, &RecordWindow::wordsChosen);
    auto* tabs = child<QTabWidget>(&w, "tabsRecord");
    EXPECT_EQ(tabs->tabText(tabs->count() - 1), QStringLiteral("文の練習(&S)"));
    EXPECT_EQ(child<QLabel>(&w, "lbSentenceTotals")->text(),
              QStringLiteral("これまでに練習した文 2　一回目で（ヒントなしで）正解 50%"));
    auto* notice = child<NoticeBar>(&w, "lbRecordNotice");
    EXPECT_TRUE(QTest::qWaitFor([notice] { return notice->text().contains(QStringLiteral("SentenceRecord.dat")); }))
        << notice->text().toStdString();
    auto* table = child<QTableWidget>(&w, "tableSentenceMissed");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("（不明）")); // "a", the meaning never known
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("saw"));

    tabs->setCurrentIndex(tabs->count() - 1);
    QTest::mouseClick(child<QPushButton>(&w, "cmdPickSentenceMissed"), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    const auto words = chosen.at(0).at(0).value<std::vector<std::pair<QString, QString>>>();
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0], std::make_pair(QStringLiteral("saw"), QStringLiteral("見た")));
    EXPECT_EQ(child<NoticeBar>(&w, "lbRecordNotice")->text(),
              QStringLiteral("意味のわからない 1 語は問題にしませんでした。"));
}

TEST_F(RecordWindowTest, EveryControlHasAJapaneseName)
{
    RecordWindow w(learnerHistory);
    w.show();
    nameControls(&w);
    QStringList unnamed;
    for (QWidget* control : w.findChildren<QWidget*>()) {
        // Qt's own parts (the tab bar, scroll bars) name themselves.
        const bool takesFocus = control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(&w) &&
                                !control->objectName().isEmpty() &&
                                !control->objectName().startsWith(QLatin1String("qt_"));
        if (takesFocus && test::spokenName(control).isEmpty())
            unnamed.append(control->objectName());
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();
    EXPECT_EQ(child<QComboBox>(&w, "cmbTestLevel")->accessibleName(), QStringLiteral("テスト(T):"));
    EXPECT_EQ(child<QWidget>(&w, "chartDays")->accessibleName(), QStringLiteral("最近30日の回答数のグラフ"));
}

} // namespace
