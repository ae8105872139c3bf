// Printing the current puzzle, or saving it as a PDF: the empty grid with
// its clues, then the solution. The pages come from the puzzle model, never
// from the cells, so the learner's letters stay off the paper.
#include "crossword/crosswordwindow.h"

#include "crossword/puzzleprint.h"
#include "ui/platform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPagedPaintDevice>

namespace lumo {

void CrosswordWindow::buildPrintMenu()
{
    QMenu* printMenu = m_menuBar->addMenu(QStringLiteral("印刷(&P)"));
    printMenu->setObjectName(QStringLiteral("mnuPrintMenu"));
    QAction* print = printMenu->addAction(QStringLiteral("問題と解答の印刷(&P)"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    connect(print, &QAction::triggered, this, &CrosswordWindow::printPuzzle);
    QAction* pdf = printMenu->addAction(QStringLiteral("PDF に保存(&S)"));
    pdf->setObjectName(QStringLiteral("mnuSavePdf"));
    connect(pdf, &QAction::triggered, this, &CrosswordWindow::savePuzzlePdf);
}

void CrosswordWindow::printPuzzle()
{
    if (!printing().available()) {
        dialogs().notice(this, kPrintingUnavailableText);
        return;
    }
    const std::unique_ptr<QPagedPaintDevice> printer =
        printing().choosePrinter(this, cross::puzzlePageLayout(), cross::kPuzzleDocumentName);
    if (!printer)
        return;
    if (!cross::paintPuzzle(*printer, m_grid))
        dialogs().notice(this, QStringLiteral("印刷できませんでした。プリンターの設定を確かめて下さい。"));
}

void CrosswordWindow::savePuzzlePdf()
{
    std::optional<QString> path = dialogs().saveFile(this, QStringLiteral("PDF に保存"), QStringLiteral("PDF (*.pdf)"));
    if (!path)
        return;
    if (!path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        *path += QStringLiteral(".pdf");
    const WriteResult saved = cross::savePuzzlePdf(*path, m_grid);
    if (!saved.ok)
        dialogs().notice(this, saved.error);
}

} // namespace lumo
