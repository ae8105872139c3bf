#include "wordentry/wordentrywindow.h"

#include "data/course.h"
#include "data/textfile.h"
#include "support/fakes.h"
#include "widgets/richtextbox.h"
#include "wordentry/savefile.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;
using lumo::test::Shown;

namespace {

class WordEntry : public ::testing::Test {
  protected:
    void SetUp() override
    {
        window = std::make_unique<WordEntryWindow>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }

    // Shows the window and gives it the keyboard, so focus moves are real.
    bool activate()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    QLineEdit* box(int i) const { return window->findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i)); }
    QPushButton* key(int k) const { return window->findChild<QPushButton*>(QStringLiteral("cmdKey1(%1)").arg(k)); }
    QLabel* caption(int i) const { return window->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(i)); }
    RichTextBox* entryBox() const { return window->findChild<RichTextBox*>(QStringLiteral("RichTextBox1")); }
    QPushButton* saveButton() const { return window->findChild<QPushButton*>(QStringLiteral("cmdSave")); }
    QString entryText() const { return entryBox()->Text(); }
    // How many controls of an array the window holds.
    template <class W> int countOf(const QString& array) const
    {
        int n = 0;
        for (W* w : window->findChildren<W*>())
            n += w->objectName().startsWith(array + u'(');
        return n;
    }
    // A box left by a move inside the window (Tab, a click elsewhere).
    void leave(int i) const { focusOut(box(i), Qt::TabFocusReason); }

    // Types Japanese the way an input method hands it over.
    static void commit(QWidget* w, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(w, &event);
    }

    static void focusOut(QWidget* w, Qt::FocusReason reason)
    {
        QFocusEvent event(QEvent::FocusOut, reason);
        QApplication::sendEvent(w, &event);
    }

    QString file(const QString& name) const { return folder.path() + name; }

    lumo::test::Platform platform;
    lumo::test::TempProgramFolder folder;
    std::unique_ptr<WordEntryWindow> window;
};

TEST_F(WordEntry, RowsAndSymbolButtonsAreBuiltFromTheirTemplates)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("英単語入力"));
    ASSERT_EQ(countOf<QLabel>(QStringLiteral("Label1")), 3);
    ASSERT_EQ(countOf<QLineEdit>(QStringLiteral("Text1")), 3);
    ASSERT_EQ(countOf<QPushButton>(QStringLiteral("cmdKey1")), 11);
    EXPECT_EQ(caption(0)->text(), QStringLiteral("英単語"));
    EXPECT_EQ(caption(1)->text(), QStringLiteral("日本語訳"));
    EXPECT_EQ(caption(2)->text(), QStringLiteral("発音　など"));
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("cmdSave"))->text(), QStringLiteral("データ保存"));

    QString captions;
    for (int k = 0; k < 11; ++k) {
        ASSERT_NE(key(k), nullptr) << k;
        captions += key(k)->text();
        if (k > 0) { // one row, left to right, never overlapping
            EXPECT_EQ(key(k)->y(), key(0)->y());
            EXPECT_GE(key(k)->x(), key(k - 1)->geometry().right());
        }
    }
    EXPECT_EQ(captions, QStringLiteral("αэδΛηｏ∫θ:'`"));

    for (int i = 1; i < 3; ++i) { // rows stack downwards without overlapping
        EXPECT_EQ(box(i)->y(), caption(i)->y());
        EXPECT_GT(box(i)->y(), box(i - 1)->geometry().bottom());
    }
}

TEST_F(WordEntry, LeavingEachBoxAppendsItsContent)
{
    ASSERT_TRUE(activate());
    box(0)->setFocus();
    QTest::keyClicks(box(0), QStringLiteral("apple"));
    QTest::keyClick(box(0), Qt::Key_Tab);
    EXPECT_EQ(entryText(), QStringLiteral("\r\napple,"));

    ASSERT_TRUE(box(1)->hasFocus());
    commit(box(1), QStringLiteral("りんご"));
    QTest::keyClick(box(1), Qt::Key_Tab);
    EXPECT_EQ(entryText(), QStringLiteral("\r\napple,りんご,"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("apple")); // the boxes are never cleared

    // Clicking into the entry text also takes the focus away.
    QTest::mouseClick(entryBox()->viewport(), Qt::LeftButton);
    EXPECT_EQ(entryText(), QStringLiteral("\r\napple,りんご,,"));
}

TEST_F(WordEntry, SymbolButtonFirstTakesTheFocusThenAddsItsSymbol)
{
    ASSERT_TRUE(activate());
    box(2)->setFocus(); // the English box, focused at opening, is left: a lone comma line
    QTest::keyClicks(box(2), QStringLiteral("pl"));
    QTest::mouseClick(key(0), Qt::LeftButton);
    EXPECT_EQ(entryText(), QStringLiteral("\r\n,pl,")); // the box's content went first
    EXPECT_EQ(box(2)->text(), QStringLiteral("plα"));
    EXPECT_TRUE(key(0)->hasFocus());

    QTest::mouseClick(key(5), Qt::LeftButton);
    QTest::mouseClick(key(8), Qt::LeftButton);
    EXPECT_EQ(box(2)->text(), QStringLiteral("plαｏ:"));
    EXPECT_EQ(entryText(), QStringLiteral("\r\n,pl,")); // further clicks only add symbols
}

TEST_F(WordEntry, EveryButtonDoesItsOwnJob)
{
    for (int k = 0; k < kPhoneticButtons; ++k) {
        box(2)->clear();
        QTest::mouseClick(key(k), Qt::LeftButton);
        EXPECT_EQ(box(2)->text(), kPhoneticSymbols.at(k)) << k;
    }
    EXPECT_TRUE(platform.dialogs.shown.empty());
    QTest::mouseClick(saveButton(), Qt::LeftButton);
    EXPECT_EQ(platform.dialogs.count(Shown::SaveFile), 1);
    EXPECT_EQ(box(2)->text(), kPhoneticSymbols.at(kPhoneticButtons - 1));
}

TEST_F(WordEntry, EnteringAndLeavingTheEmptyEnglishBoxTwiceAddsTwoLines)
{
    ASSERT_TRUE(activate());
    for (int pass = 0; pass < 2; ++pass) {
        box(0)->setFocus();
        key(0)->setFocus();
    }
    EXPECT_EQ(entryText(), QStringLiteral("\r\n,\r\n,"));
    EXPECT_EQ(box(2)->text(), QString()); // taking the focus is not a click
}

TEST_F(WordEntry, PastedLineBreaksEndTheBoxText)
{
    ASSERT_TRUE(activate());
    box(0)->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("apple\r\nりんご,"));
    box(0)->paste();
    EXPECT_EQ(box(0)->text(), QStringLiteral("apple"));
    box(1)->setFocus();
    box(1)->insert(QStringLiteral("りんご\nの実"));
    box(2)->setText(QStringLiteral("\rpl"));
    key(0)->setFocus();
    EXPECT_EQ(entryText(), QStringLiteral("\r\napple,りんご,")); // one line per entry
    EXPECT_EQ(box(2)->text(), QString());
}

TEST_F(WordEntry, OnlyFocusMovesInsideTheWindowAppend)
{
    focusOut(box(0), Qt::ActiveWindowFocusReason); // another window came to the front
    focusOut(box(0), Qt::PopupFocusReason);        // the box's context menu opened
    EXPECT_EQ(entryText(), QString());
    focusOut(box(0), Qt::MouseFocusReason);
    focusOut(box(2), Qt::BacktabFocusReason);
    EXPECT_EQ(entryText(), QStringLiteral("\r\n,,"));
}

TEST_F(WordEntry, SavedFileLoadsBackAsTheSamePairs)
{
    const QString path = file("mine.dat");
    platform.dialogs.saveFiles = {path};
    box(0)->setText(QStringLiteral("apple"));
    box(1)->setText(QStringLiteral("りんご"));
    box(2)->setText(QStringLiteral("αpl"));
    for (int i = 0; i < 3; ++i)
        leave(i);
    box(0)->setText(QStringLiteral("take off"));
    box(1)->setText(QStringLiteral("離陸する"));
    box(2)->setText(QString());
    for (int i = 0; i < 3; ++i)
        leave(i);

    QTest::mouseClick(saveButton(), Qt::LeftButton);

    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.shown[0].kind, Shown::SaveFile);
    EXPECT_EQ(platform.dialogs.shown[0].title, QStringLiteral("ファイルを保存する"));
    EXPECT_EQ(platform.dialogs.shown[0].extra, QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(folder.readBytes("mine.dat"),
              lumo::test::cp932Bytes(QStringLiteral("\napple,りんご,αpl,\ntake off,離陸する,,")));

    const TextFile read = readTextFile(path);
    ASSERT_EQ(read.status, TextFile::Status::Ok);
    const CourseLines course = parseCourse(read.text, CourseFilter::All);
    EXPECT_EQ(course.english, (QStringList{"apple", "take off"}));
    EXPECT_EQ(course.meanings, (QStringList{"りんご,αpl,", "離陸する,,"}));
}

TEST_F(WordEntry, CancellingTheDialogChangesNothing)
{
    folder.write("old.dat", "old,古い\n");
    entryBox()->setText(QStringLiteral("\r\nnew,新しい,,"));
    QTest::mouseClick(saveButton(), Qt::LeftButton); // no reply scripted: cancelled
    EXPECT_EQ(platform.dialogs.count(Shown::SaveFile), 1);
    EXPECT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(folder.readBytes("old.dat"), lumo::test::cp932Bytes("old,古い\n"));
    EXPECT_EQ(entryText(), QStringLiteral("\r\nnew,新しい,,"));
}

TEST_F(WordEntry, SavingOverAnExistingFileReplacesItWithoutAsking)
{
    folder.write("set.dat", "a much longer old file,古い内容\nsecond line,二行目\n");
    entryBox()->setText(QStringLiteral("\r\ncat,猫,,"));
    platform.dialogs.saveFiles = {file("set.dat")};
    EXPECT_EQ(saveToFile(window.get(), *entryBox()), SaveOutcome::Saved);
    EXPECT_EQ(platform.dialogs.shown.size(), 1u); // the dialog only, no question
    EXPECT_EQ(folder.readBytes("set.dat"), lumo::test::cp932Bytes("\ncat,猫,,"));
}

TEST_F(WordEntry, UnwritablePathShowsTheErrorBoxAndKeepsTheText)
{
    folder.write("plain", "not a folder\n");
    const QString text = QStringLiteral("\r\ndog,犬,,");
    entryBox()->setText(text);
    for (const QString& path : {file("plain/inside.dat"), file("no such folder/x.dat"), folder.path()}) {
        platform.dialogs.shown.clear();
        platform.dialogs.saveFiles = {path};
        QTest::mouseClick(saveButton(), Qt::LeftButton);
        ASSERT_EQ(platform.dialogs.shown.size(), 2u) << path.toStdString();
        const Shown& error = platform.dialogs.shown[1];
        EXPECT_EQ(error.kind, Shown::Notice);
        EXPECT_EQ(error.title, QStringLiteral("エラー　警告　！！"));
        EXPECT_FALSE(error.text.isEmpty());
        EXPECT_EQ(entryText(), text);
    }
    EXPECT_EQ(folder.readBytes("plain"), lumo::test::cp932Bytes("not a folder\n"));
}

TEST_F(WordEntry, InputMethodFormsAreSavedAsTheirCodePageLookAlikes)
{
    const QString typed = QStringLiteral("\r\nfrom A to B,A\u301CB,\u2212\u2016\u00A2\u00A3\u00AC,");
    entryBox()->setText(typed);
    platform.dialogs.saveFiles = {file("jis.dat")};
    EXPECT_EQ(saveToFile(window.get(), *entryBox()), SaveOutcome::Saved);
    EXPECT_EQ(folder.readBytes("jis.dat"), lumo::test::cp932Bytes(QStringLiteral("\nfrom A to B,A～B,－∥￠￡￢,")));
    EXPECT_EQ(entryText(), typed); // what the learner sees is left alone
}

TEST_F(WordEntry, CharacterTheCodePageCannotHoldFailsWithNothingWritten)
{
    folder.write("keep.dat", "old,古い\n");
    const std::pair<QString, QString> cases[] = {{QStringLiteral("café"), QStringLiteral("é")},
                                                 {QStringLiteral("smile \U0001F600"), QStringLiteral("\U0001F600")}};
    for (const auto& [word, bad] : cases) {
        platform.dialogs.shown.clear();
        entryBox()->setText(QStringLiteral("\r\n") + word + QStringLiteral(",意味,,"));
        platform.dialogs.saveFiles = {file("keep.dat"), file("fresh.dat")};
        EXPECT_EQ(saveToFile(window.get(), *entryBox()), SaveOutcome::Failed);
        EXPECT_EQ(saveToFile(window.get(), *entryBox()), SaveOutcome::Failed);
        ASSERT_EQ(platform.dialogs.count(Shown::Notice), 2);
        EXPECT_EQ(platform.dialogs.shown[1].title, QStringLiteral("エラー　警告　！！"));
        EXPECT_TRUE(platform.dialogs.shown[1].text.contains(bad)) << platform.dialogs.shown[1].text.toStdString();
    }
    EXPECT_EQ(folder.readBytes("keep.dat"), lumo::test::cp932Bytes("old,古い\n"));
    EXPECT_FALSE(folder.exists("fresh.dat"));
}

} // namespace
