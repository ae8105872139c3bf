#include "exchange/importjob.h"

#include "data/textfile.h"
#include "exchange/kvtml.h"

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

// Guesses the columns of the book's part `part` (whose names come from the
// file, so no row is a heading) and plans.
PreparedImport partOf(std::shared_ptr<const DeckBook> book, int part, ImportProgress& progress)
{
    PreparedImport prepared;
    prepared.book = std::move(book);
    prepared.part = part;
    prepared.table =
        std::shared_ptr<const DelimitedTable>(prepared.book, &prepared.book->parts[static_cast<size_t>(part)].table);
    ColumnChoice columns = guessColumns(*prepared.table);
    columns.firstRowIsHeading = false;
    if (columns.english >= kPreviewColumns || columns.japanese >= kPreviewColumns)
        columns = {0, 1, false};
    return planned(std::move(prepared), columns, progress);
}

bool isZip(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArrayView("PK\x03\x04");
}

PreparedImport loadDeck(const QString& path, ImportProgress& progress, const DeckReaderMaker& ankiReader)
{
    PreparedImport prepared;
    const QString name = QFileInfo(path).fileName();
    std::shared_ptr<DeckBook> book;
    progress.from = 0;
    progress.to = 70;
    if (path.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (file.size() > kMaxTextFileBytes || !file.open(QIODevice::ReadOnly)) {
            prepared.problem = QStringLiteral("ファイル「%1」を読み込めません。").arg(name);
            return prepared;
        }
        book = std::make_shared<DeckBook>(readKvtml(file.readAll(), name));
    } else {
        const std::unique_ptr<DeckReader> reader = ankiReader ? ankiReader() : nullptr;
        if (!reader) {
            prepared.problem =
                QStringLiteral("Anki のパッケージを読む部品が見つからないため、「%1」を読み込めません。").arg(name);
            return prepared;
        }
        book = std::make_shared<DeckBook>(reader->read(path, progress));
    }
    if (progress.cancelled) {
        prepared.cancelled = true;
        return prepared;
    }
    if (!book->problem.isEmpty()) {
        prepared.problem = book->problem;
        return prepared;
    }
    progress.from = 70;
    return partOf(std::move(book), 0, progress);
}

} // namespace

PreparedImport choosePart(std::shared_ptr<const DeckBook> book, int part, ImportProgress& progress)
{
    progress.from = 0;
    return partOf(std::move(book), part, progress);
}

PreparedImport loadImport(const QString& path, ImportProgress& progress, const DeckReaderMaker& ankiReader)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (info.isFile() && (suffix == u"apkg" || suffix == u"colpkg" || suffix == u"kvtml" || isZip(path)))
        return loadDeck(path, progress, ankiReader);
    PreparedImport prepared;
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

PreparedImport planWithColumns(PreparedImport from, ColumnChoice columns, ImportProgress& progress)
{
    progress.from = 0;
    return planned(std::move(from), columns, progress);
}

} // namespace lumo::exchange
