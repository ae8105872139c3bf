// The import and export items of the main window's file menu, driven through
// the menu, the import dialog's controls and scripted file dialogs.
#include "data/course.h"
#include "exchange/importdialog.h"
#include "quiz/quizwindow.h"
#include "support/fakes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace lumo;
using namespace lumo::test;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(LUMO_FIXTURES_DIR "import/") + QString::fromLatin1(name);
}

// The main window in a program folder with two small courses.
class ExchangeTest : public ::testing::Test {
  protected:
    Platform platform;
    TempProgramFolder folder;
    std::unique_ptr<QuizWindow> form;

    void SetUp() override
    {
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n\neng-1-2.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nman,男の人,マン\nmake,作る\n"));
        folder.write(QStringLiteral("eng-1-2.dat"), QStringLiteral("cat,ねこ\ndog,いぬ\n"));
        for (const char* name : {"諺.txt", "例文.txt", "例文-2.txt"})
            folder.write(QString::fromUtf8(name), QString());
    }
    void open() { form = std::make_unique<QuizWindow>(); }
    QListWidget* list(const char* name) const { return form->findChild<QListWidget*>(QString::fromLatin1(name)); }
    static QStringList items(const QListWidget* widget)
    {
        QStringList out;
        for (int i = 0; i < widget->count(); ++i)
            out.append(widget->item(i)->text());
        return out;
    }
    // Picks the words at these rows of the meaning list.
    void pick(std::initializer_list<int> rows)
    {
        QListWidget* meanings = list("List2");
        for (const int row : rows)
            emit meanings->itemClicked(meanings->item(row));
    }
    void chooseCourse(int row)
    {
        QListWidget* courses = list("List1");
        courses->setCurrentRow(row);
        emit courses->itemPressed(courses->currentItem());
    }

    void trigger(const char* item)
    {
        QAction* action = form->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    exchange::ImportDialog* importDialog() const
    {
        return form->findChild<exchange::ImportDialog*>(QStringLiteral("ImportDialog"));
    }
    // Opens `path` through the import item; the preview dialog it shows
    // once the file is read, or null when it refused the file.
    exchange::ImportDialog* importFile(const QString& path)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a dialog closed earlier
        platform.dialogs.openFiles = {path};
        trigger("mnuImportWords");
        settle(importDialog());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return importDialog();
    }
    // Waits until the dialog's work in progress has ended.
    static void settle(QDialog* dialog)
    {
        if (!dialog)
            return;
        QPointer<QDialog> alive(dialog);
        EXPECT_TRUE(QTest::qWaitFor([&alive] {
            return !alive || !alive->isVisible() || alive->findChild<QPushButton*>("cmdImport")->isEnabled();
        }));
    }
    template <class T> T* in(QWidget* dialog, const char* name) const
    {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    QString exported(const QString& name) const { return QString::fromUtf8(folder.readBytes(name)); }
};

TEST_F(ExchangeTest, ItemsComeAfterTheExistingFileMenu)
{
    open();
    auto* file = form->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    QStringList names;
    for (QAction* action : file->actions())
        names.append(action->objectName());
    EXPECT_EQ(names.mid(names.indexOf(QStringLiteral("mnuExitItem"))),
              (QStringList{"mnuExitItem", "mnuS2", "mnuImportWords", "mnuExportCourse", "mnuExportSelection",
                           "mnuExportMissed"}));
}

TEST_F(ExchangeTest, ImportedCourseIsWrittenListedAndLoadedAtOnce)
{
    open();
    exchange::ImportDialog* dialog = importFile(fixture("spreadsheet-cp932.csv"));
    ASSERT_NE(dialog, nullptr);
    auto* preview = in<QTableWidget>(dialog, "tblPreview");
    EXPECT_EQ(preview->rowCount(), 4);
    EXPECT_EQ(preview->item(1, 1)->text(), QStringLiteral("波～"));
    EXPECT_TRUE(in<QLabel>(dialog, "lbSource")->text().contains(QStringLiteral("シフト JIS")));
    EXPECT_EQ(in<QLineEdit>(dialog, "txCourseName")->text(), QStringLiteral("spreadsheet-cp932.dat"));
    in<QLineEdit>(dialog, "txCourseName")->setText(QStringLiteral("単語帳.dat"));
    in<QPushButton>(dialog, "cmdImport")->click();
    settle(dialog);

    EXPECT_EQ(folder.readBytes(QStringLiteral("単語帳.dat")),
              cp932Bytes(QStringLiteral("apple,りんご\nwave,波～\nminus,－１\nkana,ｱﾙﾌｧﾍﾞｯﾄ\n")));
    EXPECT_EQ(folder.readBytes(QStringLiteral("filelist.dat")),
              cp932Bytes(QStringLiteral("eng-1-1.dat\n\neng-1-2.dat\n単語帳.dat\n")));
    EXPECT_EQ(items(list("List1")).last(), QStringLiteral("単語帳.dat"));
    EXPECT_EQ(list("List1")->currentRow(), list("List1")->count() - 1);
    EXPECT_EQ(items(list("List3")), (QStringList{"apple", "wave", "minus", "kana"}));
    EXPECT_TRUE(platform.dialogs.texts().last().contains(QStringLiteral("4 語を取り込みました")));
}

TEST_F(ExchangeTest, ColumnsAndHeadingCanBeChosen)
{
    folder.writeBytes(QStringLiteral("in.csv"), "\xEF\xBB\xBFmeaning,word,note\r\n\xE7\x8A\xAC,dog,x\r\n");
    open();
    exchange::ImportDialog* dialog = importFile(folder.path() + QStringLiteral("in.csv"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(in<QComboBox>(dialog, "cboEnglish")->currentIndex(), 1);
    EXPECT_EQ(in<QComboBox>(dialog, "cboJapanese")->currentIndex(), 0);
    EXPECT_TRUE(in<QCheckBox>(dialog, "chkHeading")->isChecked());
    // The learner takes the note column as the English instead.
    in<QComboBox>(dialog, "cboEnglish")->setCurrentIndex(2);
    settle(dialog);
    EXPECT_TRUE(
        in<QTableWidget>(dialog, "tblPreview")->horizontalHeaderItem(2)->text().endsWith(QStringLiteral("英語")));
    in<QPushButton>(dialog, "cmdImport")->click();
    settle(dialog);
    EXPECT_EQ(folder.readBytes(QStringLiteral("in.dat")), cp932Bytes(QStringLiteral("x,犬\n")));

    // Tab as separator reads the same file as one column: nothing to import.
    exchange::ImportDialog* again = importFile(folder.path() + QStringLiteral("in.csv"));
    auto* separator = in<QComboBox>(again, "cboSeparator");
    separator->setCurrentIndex(separator->findData(QChar(u'\t')));
    settle(again);
    EXPECT_EQ(in<QTableWidget>(again, "tblPreview")->item(1, 0)->text(), QStringLiteral("犬,dog,x"));
    in<QPushButton>(again, "cmdImport")->click();
    settle(again);
    EXPECT_TRUE(platform.dialogs.texts().last().contains(QStringLiteral("取り込める単語がありません")));
    EXPECT_FALSE(folder.exists(QStringLiteral("in-2.dat")));
    in<QPushButton>(again, "cmdCancel")->click();
}

TEST_F(ExchangeTest, UnstorableLinesAreSkippedOnlyWhenTheLearnerAgrees)
{
    folder.writeBytes(QStringLiteral("bad.txt"),
                      QStringLiteral("apple\tりんご\nname\t𠮷野家\ncafé\tカフェ\n").toUtf8());
    open();
    exchange::ImportDialog* dialog = importFile(folder.path() + QStringLiteral("bad.txt"));
    ASSERT_NE(dialog, nullptr);
    const QString problems = in<QPlainTextEdit>(dialog, "txProblems")->toPlainText();
    EXPECT_TRUE(problems.contains(QStringLiteral("2 行目（name）：「𠮷」(U+20BB7)")));
    EXPECT_TRUE(problems.contains(QStringLiteral("3 行目（café）：「é」(U+00E9)")));

    platform.dialogs.answers = {false}; // cancel: nothing written
    in<QPushButton>(dialog, "cmdImport")->click();
    settle(dialog);
    EXPECT_EQ(platform.dialogs.shown.back().kind, Shown::Confirm);
    EXPECT_FALSE(folder.exists(QStringLiteral("bad.dat")));
    EXPECT_EQ(folder.readBytes(QStringLiteral("filelist.dat")),
              cp932Bytes(QStringLiteral("eng-1-1.dat\n\neng-1-2.dat\n")));

    dialog = importFile(folder.path() + QStringLiteral("bad.txt"));
    platform.dialogs.answers = {true}; // skip those lines
    in<QPushButton>(dialog, "cmdImport")->click();
    settle(dialog);
    EXPECT_EQ(folder.readBytes(QStringLiteral("bad.dat")), cp932Bytes(QStringLiteral("apple,りんご\n")));
    EXPECT_TRUE(platform.dialogs.texts().last().contains(QStringLiteral("2 行は取り込みませんでした")));
}

TEST_F(ExchangeTest, AWideFileIsShownInPartAndItsReadingCanBeCancelled)
{
    // One line of 100,002 fields; its meaning holds a comma.
    QByteArray wide = QStringLiteral("mouse,\"ねずみ, はつかねずみ\"").toUtf8();
    for (int i = 0; i < 100000; ++i)
        wide += ",x";
    folder.writeBytes(QStringLiteral("wide.csv"), wide);
    const QString path = folder.path() + QStringLiteral("wide.csv");
    open();

    // While the file is read the dialog is open, its controls wait, and
    // キャンセル closes it with nothing written.
    platform.dialogs.openFiles = {path};
    trigger("mnuImportWords");
    QPointer<QDialog> reading(importDialog());
    ASSERT_TRUE(reading);
    EXPECT_TRUE(in<QWidget>(reading, "pbProgress")->isVisible());
    EXPECT_FALSE(in<QPushButton>(reading, "cmdImport")->isEnabled());
    in<QPushButton>(reading, "cmdCancel")->click();
    EXPECT_FALSE(reading->isVisible());

    exchange::ImportDialog* dialog = importFile(path);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(in<QComboBox>(dialog, "cboEnglish")->count(), exchange::kPreviewColumns);
    EXPECT_EQ(in<QTableWidget>(dialog, "tblPreview")->columnCount(), exchange::kPreviewColumns);
    EXPECT_EQ(in<QTableWidget>(dialog, "tblPreview")->item(0, 1)->text(), QStringLiteral("ねずみ、はつかねずみ"));
    EXPECT_TRUE(in<QLabel>(dialog, "lbSummary")->text().contains(QStringLiteral("列が 100002 列あります")));
    EXPECT_FALSE(in<QWidget>(dialog, "pbProgress")->isVisible());
    in<QPushButton>(dialog, "cmdImport")->click();
    settle(dialog);
    EXPECT_EQ(folder.readBytes(QStringLiteral("wide.dat")), cp932Bytes(QStringLiteral("mouse,ねずみ、はつかねずみ\n")));
}

TEST_F(ExchangeTest, AnAnkiDeckIsImportedFromTheDeckTheLearnerPicks)
{
    open();
    exchange::ImportDialog* dialog = importFile(QStringLiteral(LUMO_FIXTURES_DIR "anki/words-anki21b.apkg"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(in<QLabel>(dialog, "lbSource")->text().contains(QStringLiteral("collection.anki21b")));
    EXPECT_FALSE(in<QComboBox>(dialog, "cboSeparator")->isEnabled());
    auto* part = in<QComboBox>(dialog, "cboPart");
    ASSERT_TRUE(part->isVisible());
    EXPECT_EQ(part->count(), 3);
    part->setCurrentIndex(2);
    settle(dialog);
    EXPECT_EQ(in<QLineEdit>(dialog, "txCourseName")->text(), QStringLiteral("words-anki21b-英単語__動物-英単語.dat"));
    EXPECT_EQ(in<QTableWidget>(dialog, "tblPreview")->horizontalHeaderItem(0)->text(),
              QStringLiteral("1 列目（Front）：英語"));
    in<QPushButton>(dialog, "cmdImport")->click();
    settle(dialog);
    EXPECT_EQ(folder.readBytes(QStringLiteral("words-anki21b-英単語__動物-英単語.dat")),
              cp932Bytes(QStringLiteral("dog,犬 （いぬ）\ncat,猫\n")));

    // A text file has no parts to pick.
    dialog = importFile(fixture("spreadsheet-cp932.csv"));
    EXPECT_FALSE(in<QComboBox>(dialog, "cboPart")->isVisible());
    in<QPushButton>(dialog, "cmdCancel")->click();
}

TEST_F(ExchangeTest, BrokenFilesAreRefusedWithAMessage)
{
    open();
    for (const char* name : {"binary.dat", "empty.csv", "../anki/hostile/bomb.apkg"}) {
        EXPECT_EQ(importFile(fixture(name)), nullptr) << name;
        EXPECT_TRUE(platform.dialogs.texts().last().contains(QFileInfo(QString::fromLatin1(name)).fileName())) << name;
    }
    EXPECT_EQ(importFile(folder.path() + QStringLiteral("missing.csv")), nullptr);
    EXPECT_TRUE(platform.dialogs.texts().last().contains(QStringLiteral("読み込めません")));
    const auto shown = platform.dialogs.shown.size();
    trigger("mnuImportWords"); // the open dialog cancelled
    EXPECT_EQ(platform.dialogs.shown.size(), shown + 1);
    EXPECT_EQ(importDialog(), nullptr);
}

TEST_F(ExchangeTest, ExportsTheCourseTheSelectionAndTheMissedWords)
{
    open();
    // The course chosen in the list.
    list("List1")->setCurrentRow(2);
    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("course")};
    trigger("mnuExportCourse");
    EXPECT_EQ(exported(QStringLiteral("course.txt")),
              QStringLiteral("#separator:tab\n#html:false\ncat\tねこ\ndog\tいぬ\n"));

    // The selected questions, as CSV.
    chooseCourse(0);
    pick({2, 0});
    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("picked.csv")};
    trigger("mnuExportSelection");
    const QByteArray csv = folder.readBytes(QStringLiteral("picked.csv"));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(csv.sliced(3)), QStringLiteral("make,作る\r\napple,りんご\r\n"));
    EXPECT_TRUE(platform.dialogs.texts().last().contains(QStringLiteral("2 語")));

    // The missed words of earlier runs and of this one: make answered wrongly
    // in question form.
    folder.write(QStringLiteral("Training.dat"), QStringLiteral("\nold,古い,2001/03/01,×○\nfine,良い,2001/03/01,○\n"));
    form->findChild<QPushButton*>(QStringLiteral("cmdMondai"))->click();
    form->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("wrong"));
    form->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("missed.txt")};
    trigger("mnuExportMissed");
    EXPECT_EQ(exported(QStringLiteral("missed.txt")),
              QStringLiteral("#separator:tab\n#html:false\nold\t古い\nmake\t作る\n"));
}

TEST_F(ExchangeTest, ALargeCourseIsExportedWholeAndWhatIsLeftOutIsSaid)
{
    QString big;
    for (int i = 0; i < kMaxCoursePairs + 10; ++i)
        big += QStringLiteral("w%1,語\n").arg(i);
    big += QStringLiteral("no comma here\n");
    folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\nbig.dat\n"));
    folder.write(QStringLiteral("big.dat"), big);
    open();
    list("List1")->setCurrentRow(1);
    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("big.txt")};
    trigger("mnuExportCourse");
    EXPECT_EQ(exported(QStringLiteral("big.txt")).count(u'\n'), kMaxCoursePairs + 10 + 2);
    const QString said = platform.dialogs.texts().last();
    EXPECT_TRUE(said.contains(QStringLiteral("%1 語").arg(kMaxCoursePairs + 10))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("カンマのない行 1 行は単語ではないため書き出していません")))
        << said.toStdString();
}

TEST_F(ExchangeTest, NothingToExportAsksForNoFile)
{
    open();
    trigger("mnuExportSelection");
    trigger("mnuExportMissed"); // no history file yet
    EXPECT_EQ(platform.dialogs.count(Shown::SaveFile), 0);
    EXPECT_EQ(platform.dialogs.count(Shown::Notice), 2);
    EXPECT_FALSE(folder.exists(QStringLiteral("Training.dat")));

    // A save dialog cancelled writes nothing and says nothing.
    trigger("mnuExportCourse");
    EXPECT_EQ(platform.dialogs.count(Shown::SaveFile), 1);
    EXPECT_EQ(platform.dialogs.count(Shown::Notice), 2);
}

} // namespace
