#include "exchange/importjob.h"

#include "data/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace lumo::exchange {

namespace {

QString cutForPreview(QString text)
{
    if (text.size() > kPreviewCellLength) {
        text.truncate(kPreviewCellLength);
        text += u'…';
    }
    return text;
}

// Plans the import with `columns` (the rest of the percentage) and fills the preview.
PreparedImport planned(PreparedImport prepared, ColumnChoice columns, ImportProgress& progress)
{
    const DelimitedTable& table = *prepared.table;
    progress.to = 100;
    prepared.columns = columns;
    prepared.plan = planImport(table, columns, &progress);
    prepared.preview.clear();
    const int shownColumns = std::min(table.columnCount, kPreviewColumns);
    for (size_t r = 0; r < table.rows.size() && r < kPreviewRows; ++r) {
        const QStringList& fields = table.rows[r].fields;
        QStringList cells;
        for (int c = 0; c < fields.size() && c < shownColumns; ++c) {
            // Only the start of a field of megabytes is shown, so only that is cleaned.
            const QStringView field = QStringView(fields[c]).first(std::min<qsizetype>(fields[c].size(), 4096));
            QString cell = plainField(field, table.html);
            if (c == columns.japanese)
                cell = courseMeaning(cell);
            cells.append(cutForPreview(std::move(cell)));
        }
        prepared.preview.push_back(std::move(cells));
    }
    prepared.cancelled = progress.cancelled;
    return prepared;
}

// Splits the source (up to 70 %), guesses the columns among those offered and plans.
PreparedImport split(std::shared_ptr<const DecodedSource> source, std::optional<QChar> separator,
                     ImportProgress& progress)
{
    PreparedImport prepared;
    prepared.source = std::move(source);
    progress.to = 70;
    prepared.table =
        std::make_shared<const DelimitedTable>(parseDelimited(prepared.source->text, separator, &progress));
    ColumnChoice columns = guessColumns(*prepared.table);
    if (columns.english >= kPreviewColumns || columns.japanese >= kPreviewColumns)
        columns = {0, 1, columns.firstRowIsHeading};
    progress.from = 70;
    return planned(std::move(prepared), columns, progress);
}

} // namespace

PreparedImport loadImport(const QString& path, ImportProgress& progress)
{
    PreparedImport prepared;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.size() > kMaxTextFileBytes) {
        prepared.problem =
            QStringLiteral("ファイル「%1」は大きすぎるため読み込めません。取り込めるのは %2 MB までのファイルです。")
                .arg(name)
                .arg(kMaxTextFileBytes / (1024 * 1024));
        return prepared;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        prepared.problem = QStringLiteral("ファイル「%1」を読み込めません。").arg(name);
        return prepared;
    }
    // Read in pieces so that a cancel is heard and the progress moves (up to 20 %).
    constexpr qint64 kPiece = qint64(1) << 20;
    const qint64 size = file.size();
    QByteArray bytes;
    bytes.reserve(size);
    progress.from = 0;
    progress.to = 20;
    while (!file.atEnd() && bytes.size() <= kMaxTextFileBytes) {
        if (!progress.advance(bytes.size(), size)) {
            prepared.cancelled = true;
            return prepared;
        }
        const QByteArray piece = file.read(kPiece);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxTextFileBytes) {
        prepared.problem = QStringLiteral("ファイル「%1」を読み込めません。").arg(name);
        return prepared;
    }
    auto source = std::make_shared<DecodedSource>(decodeSource(bytes));
    bytes = {};
    if (source->binary) {
        prepared.problem = QStringLiteral("ファイル「%1」はテキストファイルではないため取り込めません。").arg(name);
        return prepared;
    }
    progress.from = 20;
    prepared = split(std::move(source), std::nullopt, progress);
    if (!prepared.cancelled && prepared.table->rows.empty())
        prepared.problem = QStringLiteral("ファイル「%1」には取り込める行がありません。").arg(name);
    return prepared;
}

PreparedImport splitImport(std::shared_ptr<const DecodedSource> source, QChar separator, ImportProgress& progress)
{
    progress.from = 0;
    return split(std::move(source), separator, progress);
}

PreparedImport planWithColumns(std::shared_ptr<const DecodedSource> source, std::shared_ptr<const DelimitedTable> table,
                               ColumnChoice columns, ImportProgress& progress)
{
    PreparedImport prepared;
    prepared.source = std::move(source);
    prepared.table = std::move(table);
    progress.from = 0;
    return planned(std::move(prepared), columns, progress);
}

} // namespace lumo::exchange
