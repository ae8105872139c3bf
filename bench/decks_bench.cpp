// Importing a shared Anki deck of 20,000 notes up to the preview: the package
// unpacked, its collection read and the import planned, in the layout of
// Anki 2.1 (collection.anki21, deflated) and of current Anki
// (collection.anki21b, zstd).
#include "exchange/ankipackage.h"
#include "exchange/importjob.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <benchmark/benchmark.h>

using namespace lumo::exchange;

namespace {

constexpr int kNotes = 20000;

void run(sqlite3* db, const QString& sql)
{
    sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
}

// A schema-11 collection: one note type (Front, Back), one deck.
QByteArray collection(const QString& folder)
{
    const QString path = folder + QStringLiteral("/collection.db");
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    run(db, QStringLiteral("CREATE TABLE col (id integer PRIMARY KEY, models text, decks text);"
                           "CREATE TABLE notes (id integer PRIMARY KEY, mid integer, flds text);"
                           "CREATE TABLE cards (id integer PRIMARY KEY, nid integer, did integer, ord integer);"
                           "CREATE INDEX ix_cards_nid ON cards (nid);"
                           "INSERT INTO col VALUES (1, '{\"7\":{\"name\":\"Basic\",\"flds\":[{\"name\":\"Front\","
                           "\"ord\":0},{\"name\":\"Back\",\"ord\":1}]}}', '{\"9\":{\"name\":\"Shared deck\"}}');"
                           "BEGIN;"));
    for (int i = 1; i <= kNotes; ++i)
        run(db, QStringLiteral("INSERT INTO notes VALUES (%1, 7, 'word%1 [sound:w%1.mp3]' || char(31) || "
                               "'<b>意味</b>%1<br>（説明）'); INSERT INTO cards VALUES (%1, %1, 9, 0);")
                    .arg(i));
    run(db, QStringLiteral("COMMIT;"));
    sqlite3_close(db);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QString package(const QString& folder, bool zstd)
{
    const QByteArray db = collection(folder);
    QByteArray entry = db;
    if (zstd) {
        entry.resize(static_cast<qsizetype>(ZSTD_compressBound(static_cast<size_t>(db.size()))));
        entry.resize(static_cast<qsizetype>(ZSTD_compress(entry.data(), static_cast<size_t>(entry.size()),
                                                          db.constData(), static_cast<size_t>(db.size()), 3)));
    }
    const QString path = folder + (zstd ? QStringLiteral("/deck-21b.apkg") : QStringLiteral("/deck-21.apkg"));
    int error = 0;
    zip_t* archive = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    zip_source_t* source = zip_source_buffer(archive, entry.constData(), static_cast<zip_uint64_t>(entry.size()), 0);
    zip_file_add(archive, zstd ? "collection.anki21b" : "collection.anki21", source, ZIP_FL_OVERWRITE);
    if (zstd) {
        static const char meta[] = {0x08, 0x03};
        zip_file_add(archive, "meta", zip_source_buffer(archive, meta, sizeof meta, 0), ZIP_FL_OVERWRITE);
    }
    zip_close(archive);
    return path;
}

void BM_AnkiPackageToPreview(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = package(dir.path(), state.range(0) != 0);
    const DeckReaderMaker reader = [] { return std::make_unique<AnkiReader>(); };
    for (auto _ : state) {
        ImportProgress progress;
        const PreparedImport prepared = loadImport(path, progress, reader);
        if (prepared.plan.pairs.size() != kNotes)
            state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_AnkiPackageToPreview)
    ->ArgName("anki21b")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
