#pragma once
// The crossword on paper: page 1 the empty grid with its numbers and both
// clue lists, page 2 the solved grid with the answers, on A4. Drawn from the
// puzzle model only, so nothing the learner typed reaches the page.

#include "crossword/grid.h"
#include "data/textfile.h"

#include <QPageLayout>

class QPagedPaintDevice;

namespace lumo::cross {

// Draws both pages on a printer or PDF writer that is set up already.
// False when the device cannot be painted on.
bool paintPuzzle(QPagedPaintDevice& device, const Crossword& grid);

// A4 upright with the margins the pages are laid out for, on paper and in
// the PDF alike.
QPageLayout puzzlePageLayout();
// The document's name in the printer's queue and the PDF's title.
inline const QString kPuzzleDocumentName = QStringLiteral("CrossWord");

// Writes both pages as a PDF with its fonts embedded, replacing `path`
// atomically; a failure leaves no file behind and says why, naming the file.
WriteResult savePuzzlePdf(const QString& path, const Crossword& grid);

} // namespace lumo::cross
