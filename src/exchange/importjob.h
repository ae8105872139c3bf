#pragma once
// The steps of an import that can take long on a large file (reading,
// decoding, splitting, planning), as plain functions the import dialog runs
// off the window's thread. Each step reports its progress and stops early
// when asked to.

#include "exchange/textimport.h"
#include "exchange/wordimport.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace lumo::exchange {

// What the preview shows at most: rows, columns (also the columns offered as
// English and Japanese) and characters of one cell.
inline constexpr int kPreviewRows = 20;
inline constexpr int kPreviewColumns = 50;
inline constexpr int kPreviewCellLength = 200;

struct PreparedImport {
    std::shared_ptr<const DecodedSource> source;
    std::shared_ptr<const DelimitedTable> table;
    ColumnChoice columns;
    ImportPlan plan;
    // The first rows' first columns as the preview shows them: plain, the
    // Japanese column as the course meaning, long cells cut.
    std::vector<QStringList> preview;
    QString problem; // a Japanese sentence naming the file when it cannot be imported
    bool cancelled = false;
};

// Reads the file at `path`, finds its encoding and separator, guesses the
// columns and plans the import.
PreparedImport loadImport(const QString& path, ImportProgress& progress);
// A loaded source split again with `separator`, the columns guessed again.
PreparedImport splitImport(std::shared_ptr<const DecodedSource> source, QChar separator, ImportProgress& progress);
// A split table planned with other columns.
PreparedImport planWithColumns(std::shared_ptr<const DecodedSource> source, std::shared_ptr<const DelimitedTable> table,
                               ColumnChoice columns, ImportProgress& progress);

} // namespace lumo::exchange
