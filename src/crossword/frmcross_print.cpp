// Printing the current puzzle, or saving it as a PDF: the empty grid with
// its clues, then the solution. The pages come from the puzzle model, never
// from the cells, so the learner's letters stay off the paper.
#include "crossword/frmcross.h"

#include "crossword/puzzleprint.h"
#include "ui/platform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>

namespace lumo {

void FrmCross::buildPrintMenu()
{
    mnuPrintMenu = menuBar->addMenu(QStringLiteral("印刷(&P)"));
    mnuPrintMenu->setObjectName(QStringLiteral("mnuPrintMenu"));
    mnuPrint = mnuPrintMenu->addAction(QStringLiteral("問題と解答の印刷(&P)"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    connect(mnuPrint, &QAction::triggered, this, &FrmCross::mnuPrint_Click);
    mnuSavePdf = mnuPrintMenu->addAction(QStringLiteral("PDF に保存(&S)"));
    mnuSavePdf->setObjectName(QStringLiteral("mnuSavePdf"));
    connect(mnuSavePdf, &QAction::triggered, this, &FrmCross::mnuSavePdf_Click);
}

void FrmCross::mnuPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    cross::preparePrinter(printer);
    if (!printing().choosePrinter(this, printer))
        return;
    if (!cross::paintPuzzle(printer, m_grid))
        dialogs().notice(this, QStringLiteral("印刷できませんでした。プリンターの設定を確かめて下さい。"));
}

void FrmCross::mnuSavePdf_Click()
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
