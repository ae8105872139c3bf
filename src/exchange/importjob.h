#pragma once
// The steps of an import that can take long on a large file (reading,
// decoding, splitting, planning), as plain functions the import dialog runs
// off the window's thread. Each step reports its progress and stops early
// when asked to.

#include "exchange/deckbook.h"
#include "exchange/textimport.h"
#include "exchange/wordimport.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace lumo::exchange {

// What the preview shows at most: rows, columns (also the columns offered as
// English and Japanese) and characters of one cell.
inline constexpr int kPreviewRows = 20;
inline constexpr int kPreviewColumns = 50;
inline constexpr int kPreviewCellLength = 200;

struct PreparedImport {
    std::shared_ptr<const DecodedSource> source; // a text file's text; null for a deck file
    std::shared_ptr<const DeckBook> book;        // a deck file's parts; null for a text file
    int part = 0;                                // the part of the book the table is
    std::shared_ptr<const DelimitedTable> table;
    ColumnChoice columns;
    ImportPlan plan;
    // The first rows' first columns as the preview shows them: plain, the
    // Japanese column as the course meaning, long cells cut.
    std::vector<QStringList> preview;
    QString problem; // a Japanese sentence naming the file when it cannot be imported
    bool cancelled = false;
};

// Makes the reader of Anki packages (loaded on first use); null when it cannot be had.
using DeckReaderMaker = std::function<std::unique_ptr<DeckReader>()>;

// Reads the file at `path` — an Anki package (.apkg, .colpkg, or any zip)
// through `ankiReader`, a KVTML file (.kvtml), else a text file whose
// encoding and separator are found — guesses the columns and plans the import.
PreparedImport loadImport(const QString& path, ImportProgress& progress, const DeckReaderMaker& ankiReader = {});
// Another part of a loaded deck file, the columns guessed again.
PreparedImport choosePart(std::shared_ptr<const DeckBook> book, int part, ImportProgress& progress);
// A loaded source split again with `separator`, the columns guessed again.
PreparedImport splitImport(std::shared_ptr<const DecodedSource> source, QChar separator, ImportProgress& progress);
// The table of `from` (its source, book and table; its plan is not looked
// at) planned with other columns.
PreparedImport planWithColumns(PreparedImport from, ColumnChoice columns, ImportProgress& progress);

} // namespace lumo::exchange
