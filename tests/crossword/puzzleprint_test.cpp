// The printed crossword, read back with the PDF tools: the text of each
// page, the embedded fonts, the page size and a picture of the pages.
#include "crossword/crosswordcells.h"
#include "crossword/crosswordwindow.h"
#include "crossword/puzzleprint.h"
#include "crossword/smallpuzzle.h"
#include "data/textfile.h"

#include "support/fakes.h"
#include "ui/modules.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace lumo;
using namespace lumo::cross;

namespace {

// Runs a poppler tool; its standard output.
QString run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed (poppler-utils installed?): " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of one page with every space and line break taken out, so that
// wrapped clues still read as one. A font may give one glyph to both ～ and
// 〜 (and the like), and the extracted text then names the JIS form: read it
// as the look-alike the program's texts use.
QString pageText(const QString& pdf, int page)
{
    QString text = run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                        QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return toCp932LookAlikes(text);
}

QStringList numberedEntries(const Crossword& g, bool answers)
{
    QStringList entries;
    for (int k = 1; k <= g.yokoCount(); ++k)
        entries.append(QStringLiteral("%1,%2").arg(k).arg(answers ? g.acrossAnswer(k) : g.acrossClue(k)));
    for (int k = 1; k <= g.tateCount(); ++k)
        entries.append(QStringLiteral("%1,%2").arg(k).arg(answers ? g.downAnswer(k) : g.downClue(k)));
    for (QString& e : entries)
        e.remove(QRegularExpression(QStringLiteral("\\s")));
    return entries;
}

} // namespace

TEST(PuzzlePdf, PageOneHoldsEveryClueAndPageTwoEveryAnswer)
{
    const CourseWords course = readWordFiles(QStringLiteral(LUMO_PROGRAM_DIR), 1, 11);
    ASSERT_GT(course.words.size(), 40u);
    QTemporaryDir dir;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        WordList words = course.words;
        std::mt19937 engine(seed);
        std::shuffle(words.begin(), words.end(), engine);
        Crossword g;
        g.setWords(words);
        g.generate();
        ASSERT_GT(g.yokoCount() + g.tateCount(), 5);

        const QString pdf = dir.filePath(QStringLiteral("p%1.pdf").arg(seed));
        ASSERT_TRUE(savePuzzlePdf(pdf, g).ok);
        const QString first = pageText(pdf, 1);
        const QString second = pageText(pdf, 2);
        for (const QString& clue : numberedEntries(g, false))
            EXPECT_TRUE(first.contains(clue)) << clue.toStdString() << " not in " << first.toStdString();
        for (const QString& answer : numberedEntries(g, true)) {
            EXPECT_TRUE(second.contains(answer)) << answer.toStdString();
            EXPECT_FALSE(first.contains(answer)) << answer.toStdString();
        }
        EXPECT_TRUE(first.contains(QStringLiteral("横のカギ")) && first.contains(QStringLiteral("縦のカギ")));
        // Every word number printed beside the grid or in a number cell.
        for (const NumberMark& mark : g.numberMarks())
            EXPECT_TRUE(first.contains(QString::number(mark.number)));
    }
}

TEST(PuzzlePdf, TwoA4PagesWithEmbeddedFonts)
{
    Crossword g;
    g.setWords({{QStringLiteral("CAT"), QStringLiteral("猫")}, {QStringLiteral("CUP"), QStringLiteral("カップ")}});
    g.generate();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cat.pdf"));
    ASSERT_TRUE(savePuzzlePdf(pdf, g).ok);

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))))
        << info.toStdString();

    // pdffonts: two heading lines, then one line per font with "emb" yes or no.
    const QStringList fonts = run(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(
            font.contains(QRegularExpression(QStringLiteral("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))))
            << font.toStdString();

    // The pictures: the solved page shows more ink than the empty grid (its letters).
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), pdf,
                                     dir.filePath(QStringLiteral("page"))});
    const auto ink = [](const QImage& image) {
        qint64 dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    const QImage one(dir.filePath(QStringLiteral("page-1.png")));
    const QImage two(dir.filePath(QStringLiteral("page-2.png")));
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(two.isNull());
    EXPECT_GT(ink(one), 0);
    EXPECT_GT(ink(two), ink(one));
}

// Page 1 sampled at the middle of each square: light where a letter goes,
// dark everywhere else, enclosed blank squares included. The page's layout:
// 11 mm squares, the grid and the room for the numbers beside it (300 twips
// of a 420-twip square) centred between the margins, under a 14 mm title.
TEST(PuzzlePdf, OnlyLetterSquaresArePrintedLight)
{
    WordList words = readWordFiles(QStringLiteral(LUMO_PROGRAM_DIR), 1, 11).words;
    std::shuffle(words.begin(), words.end(), std::mt19937(1));
    Crossword g;
    g.setWords(words);
    g.generate();
    QTemporaryDir dir;
    ASSERT_TRUE(savePuzzlePdf(dir.filePath(QStringLiteral("grid.pdf")), g).ok);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"),
         dir.filePath(QStringLiteral("grid.pdf")), dir.filePath(QStringLiteral("grid"))});
    const QImage page(dir.filePath(QStringLiteral("grid-1.png")));
    ASSERT_FALSE(page.isNull());
    const QMarginsF margins = puzzlePageLayout().margins(QPageLayout::Millimeter);
    const double room = 11.0 * 300 / 420;
    const QPointF topLeft(margins.left() + (210 - margins.left() - margins.right() - 132 + room) / 2,
                          margins.top() + 14 + room);
    for (int k = 1; k <= kCellCount; ++k) {
        const QPointF middle = topLeft + QPointF(11 * colOf(k) - 5.5, 11 * rowOf(k) - 5.5);
        EXPECT_EQ(qGray(page.pixel((middle * 50 / 25.4).toPoint())) > 128, g.answerChar(rowOf(k), colOf(k)) != u"*")
            << "row " << rowOf(k) << " column " << colOf(k);
    }
}

TEST(PuzzlePdf, AFailedWriteLeavesNoFile)
{
    Crossword g;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    const WriteResult result = savePuzzlePdf(pdf, g);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("x.pdf")));
    EXPECT_FALSE(QFile::exists(pdf));
}

namespace {

// The window on the small puzzle of the other crossword tests (smallpuzzle.h),
// started.
class CrossPrintWindow : public test::SmallPuzzleTest {
  protected:
    void SetUp() override
    {
        SmallPuzzleTest::SetUp();
        window = open();
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Text1")), Qt::LeftButton); // the start prompt
    }
    CrosswordCell* cell(int k) const { return window->findChild<CrosswordCell*>(QStringLiteral("txEizi(%1)").arg(k)); }
    void trigger(const char* name)
    {
        QAction* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    std::unique_ptr<CrosswordWindow> window;
};

} // namespace

TEST_F(CrossPrintWindow, SavesThePdfWithoutTheLearnersLetters)
{
    // The learner's letters, some of them wrong.
    for (auto [k, key] : {std::pair{1, 'X'}, {2, 'Y'}, {13, 'Z'}})
        QTest::keyClick(cell(k), key);
    ASSERT_EQ(cell(1)->text(), QStringLiteral("X"));

    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("puzzle")};
    trigger("mnuSavePdf");
    EXPECT_EQ(platform.dialogs.shown.at(0).title, QStringLiteral("PDF に保存"));
    const QString pdf = folder.path() + QStringLiteral("puzzle.pdf");
    ASSERT_TRUE(folder.exists(QStringLiteral("puzzle.pdf")));
    const QString first = pageText(pdf, 1);
    for (const char16_t* clue : {u"1,猫", u"2,猿", u"1,カップ", u"2,お茶"})
        EXPECT_TRUE(first.contains(QStringView(clue))) << QString::fromUtf16(clue).toStdString();
    EXPECT_FALSE(first.contains(QRegularExpression(QStringLiteral("[A-Z]")))) << first.toStdString();
    const QString second = pageText(pdf, 2);
    for (const char* answer : {"1,CAT", "2,APE", "1,CUP", "2,TEA"})
        EXPECT_TRUE(second.contains(QString::fromLatin1(answer))) << answer;
    EXPECT_FALSE(second.contains(u'X'));
    EXPECT_EQ(platform.dialogs.count(test::Shown::Notice), 0);

    // Cancelled: nothing written.
    trigger("mnuSavePdf");
    EXPECT_EQ(platform.dialogs.count(test::Shown::SaveFile), 2);
}

TEST_F(CrossPrintWindow, PrintsThroughThePrintDialog)
{
    const QString pdf = folder.path() + QStringLiteral("printed.pdf");
    platform.printing.replies = {std::nullopt, pdf};
    trigger("mnuPrint"); // cancelled
    EXPECT_EQ(platform.printing.shown, 1);
    EXPECT_FALSE(folder.exists(QStringLiteral("printed.pdf")));
    trigger("mnuPrint");
    ASSERT_TRUE(folder.exists(QStringLiteral("printed.pdf")));
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("1,カップ")));
    EXPECT_TRUE(pageText(pdf, 2).contains(QStringLiteral("2,TEA")));
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("(A4)")));
    EXPECT_EQ(platform.dialogs.count(test::Shown::Notice), 0);
}

TEST_F(CrossPrintWindow, WithoutPrinterSupportTheLearnerIsToldAndCanStillSaveAPdf)
{
    QTemporaryDir noModules;
    const std::unique_ptr<Printing> printing = printingFromModule(noModules.path());
    ScopedSeam<Printing> seam(printing.get());
    trigger("mnuPrint");
    trigger("mnuPrint");
    EXPECT_EQ(platform.dialogs.texts(), QStringList({kPrintingUnavailableText, kPrintingUnavailableText}));

    platform.dialogs.saveFiles = {folder.path() + QStringLiteral("puzzle.pdf")};
    trigger("mnuSavePdf");
    ASSERT_TRUE(folder.exists(QStringLiteral("puzzle.pdf")));
    EXPECT_TRUE(pageText(folder.path() + QStringLiteral("puzzle.pdf"), 2).contains(QStringLiteral("2,TEA")));
}

namespace {

// Answers the next print dialog: `answer` gets it while it is shown, and
// closes it.
class PrintDialogAnswer {
  public:
    explicit PrintDialogAnswer(std::function<void(QPrintDialog&)> answer) : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            ++answered;
            m_answer(*dialog);
        });
        m_timer.start(20);
    }
    int answered = 0;

  private:
    std::function<void(QPrintDialog&)> m_answer;
    QTimer m_timer;
};

} // namespace

TEST_F(CrossPrintWindow, PrintsOnThePrinterChosenInTheSystemPrintDialog)
{
    const std::unique_ptr<Printing> printing = printingFromModule(QString()); // the build's module
    ScopedSeam<Printing> seam(printing.get());
    {
        PrintDialogAnswer cancel([](QPrintDialog& dialog) {
            // The dialog starts from the pages the puzzle is laid out for.
            const QPageLayout layout = dialog.printer()->pageLayout();
            EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
            EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
            EXPECT_EQ(layout.margins(QPageLayout::Millimeter).toMargins(), QMargins(15, 15, 15, 15));
            EXPECT_EQ(dialog.printer()->docName(), QStringLiteral("CrossWord"));
            dialog.reject();
        });
        trigger("mnuPrint");
        EXPECT_EQ(cancel.answered, 1);
    }
    const QString pdf = folder.path() + QStringLiteral("printed.pdf");
    {
        PrintDialogAnswer print([&pdf](QPrintDialog& dialog) {
            // The learner's choice: printing into a file. (The dialog's own
            // accept() would set the printer from its fields again.)
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(pdf);
            dialog.QDialog::done(QDialog::Accepted);
        });
        trigger("mnuPrint");
        EXPECT_EQ(print.answered, 1);
    }
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("1,カップ")));
    EXPECT_TRUE(pageText(pdf, 2).contains(QStringLiteral("2,TEA")));
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("(A4)")));
    EXPECT_EQ(platform.dialogs.count(test::Shown::Notice), 0);
}
