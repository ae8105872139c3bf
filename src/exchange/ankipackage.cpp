#include "exchange/ankipackage.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

namespace lumo::exchange {

namespace {

// Why a package could not be read, worded for the learner.
enum class Fault { None, NotAZip, NotAnki, Encrypted, TooLarge, Damaged, Cancelled };

QString faultMessage(Fault fault, const QString& name)
{
    switch (fault) {
    case Fault::NotAZip:
        return QStringLiteral("「%1」は壊れているか、Anki のパッケージではないため読み込めません。").arg(name);
    case Fault::NotAnki: return QStringLiteral("「%1」には Anki のコレクションがないため読み込めません。").arg(name);
    case Fault::Encrypted: return QStringLiteral("「%1」は暗号化されているため読み込めません。").arg(name);
    case Fault::TooLarge:
        return QStringLiteral("「%1」の中身は展開すると %2 MB を超えるため読み込みません。")
            .arg(name)
            .arg(kMaxPackageEntryBytes / (1024 * 1024));
    case Fault::Damaged: return QStringLiteral("「%1」のコレクションが壊れているため読み込めません。").arg(name);
    case Fault::None:
    case Fault::Cancelled: break;
    }
    return {};
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
struct ZstdCloser {
    void operator()(ZSTD_DStream* stream) const { ZSTD_freeDStream(stream); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

// Copies the entry `index` into `out`, through zstd when `compressed`; stops
// at kMaxPackageEntryBytes of output whatever the entry's header claims.
Fault unpack(zip_t* archive, zip_int64_t index, bool compressed, QFileDevice& out, ImportProgress& progress)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return Fault::NotAZip;
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return Fault::Encrypted;
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > static_cast<zip_uint64_t>(kMaxPackageEntryBytes))
        return Fault::TooLarge;
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!entry)
        return zip_error_code_zip(zip_get_error(archive)) == ZIP_ER_NOPASSWD ? Fault::Encrypted : Fault::NotAZip;
    std::unique_ptr<ZSTD_DStream, ZstdCloser> zstd(compressed ? ZSTD_createDStream() : nullptr);
    if (zstd)
        ZSTD_initDStream(zstd.get());
    std::vector<char> in(1 << 16);
    std::vector<char> unpacked(compressed ? ZSTD_DStreamOutSize() : 0);
    const qint64 total = (stat.valid & ZIP_STAT_COMP_SIZE) ? static_cast<qint64>(stat.comp_size) : 0;
    qint64 read = 0;
    qint64 written = 0;
    auto write = [&out, &written](const char* data, size_t size) {
        written += static_cast<qint64>(size);
        if (written > kMaxPackageEntryBytes)
            return Fault::TooLarge;
        return out.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size) ? Fault::None : Fault::Damaged;
    };
    for (;;) {
        if (!progress.advance(std::min(read, total), total))
            return Fault::Cancelled;
        const zip_int64_t got = zip_fread(entry.get(), in.data(), in.size());
        if (got < 0)
            return Fault::Damaged;
        if (got == 0)
            break;
        read += got;
        if (!zstd) {
            if (const Fault fault = write(in.data(), static_cast<size_t>(got)); fault != Fault::None)
                return fault;
            continue;
        }
        ZSTD_inBuffer input{in.data(), static_cast<size_t>(got), 0};
        while (input.pos < input.size) {
            ZSTD_outBuffer output{unpacked.data(), unpacked.size(), 0};
            if (ZSTD_isError(ZSTD_decompressStream(zstd.get(), &output, &input)))
                return Fault::Damaged;
            if (const Fault fault = write(unpacked.data(), output.pos); fault != Fault::None)
                return fault;
        }
    }
    return out.flush() ? Fault::None : Fault::Damaged;
}

struct Database {
    sqlite3* handle = nullptr;
    ~Database() { sqlite3_close(handle); }
};

struct Statement {
    sqlite3_stmt* handle = nullptr;
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &handle, nullptr); }
    ~Statement() { sqlite3_finalize(handle); }
    bool next() { return handle && sqlite3_step(handle) == SQLITE_ROW; }
    bool ok() const { return handle != nullptr; }
    QString text(int column) const
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(handle, column));
        return QString::fromUtf8(bytes, sqlite3_column_bytes(handle, column));
    }
    qint64 number(int column) const { return sqlite3_column_int64(handle, column); }
};

// Newer collections sort names with Anki's own collation; reading needs only
// that it exists.
int compareIgnoringCase(void*, int leftSize, const void* left, int rightSize, const void* right)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(left), leftSize);
    const QString b = QString::fromUtf8(static_cast<const char*>(right), rightSize);
    return a.compare(b, Qt::CaseInsensitive);
}

struct NoteType {
    QString name;
    QStringList fields;
};

struct Collection {
    QHash<qint64, NoteType> noteTypes;
    QHash<qint64, QString> decks;
};

// Note types and decks: in tables of their own from schema 15 on, as JSON in
// the "col" row before.
std::optional<Collection> readCollection(sqlite3* db)
{
    Collection collection;
    Statement tables(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'notetypes'");
    if (!tables.next())
        return std::nullopt;
    if (tables.number(0) > 0) {
        Statement types(db, "SELECT id, name FROM notetypes");
        while (types.next())
            collection.noteTypes[types.number(0)].name = types.text(1);
        Statement fields(db, "SELECT ntid, name FROM fields ORDER BY ntid, ord");
        while (fields.next())
            collection.noteTypes[fields.number(0)].fields.append(fields.text(1));
        Statement decks(db, "SELECT id, name FROM decks");
        while (decks.next())
            collection.decks.insert(decks.number(0), decks.text(1).replace(QChar(0x1F), QStringLiteral("::")));
        return types.ok() && fields.ok() && decks.ok() ? std::optional(collection) : std::nullopt;
    }
    Statement col(db, "SELECT models, decks FROM col");
    if (!col.next())
        return std::nullopt;
    const QJsonObject models = QJsonDocument::fromJson(col.text(0).toUtf8()).object();
    for (auto it = models.begin(); it != models.end(); ++it) {
        const QJsonObject model = it.value().toObject();
        NoteType type{model.value(u"name").toString(), {}};
        std::map<int, QString> byOrder;
        for (const auto field : model.value(u"flds").toArray())
            byOrder[field.toObject().value(u"ord").toInt()] = field.toObject().value(u"name").toString();
        for (const auto& [order, name] : byOrder)
            type.fields.append(name);
        collection.noteTypes.insert(it.key().toLongLong(), type);
    }
    const QJsonObject decks = QJsonDocument::fromJson(col.text(1).toUtf8()).object();
    for (auto it = decks.begin(); it != decks.end(); ++it)
        collection.decks.insert(it.key().toLongLong(), it.value().toObject().value(u"name").toString());
    return collection;
}

// The notes, one part per deck (of the note's first card) and note type.
Fault readNotes(sqlite3* db, const Collection& collection, DeckBook& book, ImportProgress& progress)
{
    Statement count(db, "SELECT count(*) FROM notes");
    if (!count.next())
        return Fault::Damaged;
    const qint64 total = count.number(0);
    Statement notes(db, "SELECT n.mid, n.flds, (SELECT c.did FROM cards c WHERE c.nid = n.id ORDER BY c.ord LIMIT 1) "
                        "FROM notes n ORDER BY n.id");
    if (!notes.ok())
        return Fault::Damaged;
    std::map<std::pair<QString, QString>, DeckPart> parts; // by deck and note type name
    qint64 done = 0;
    while (notes.next()) {
        if ((done & 0x3FF) == 0 && !progress.advance(done, total))
            return Fault::Cancelled;
        ++done;
        const NoteType type = collection.noteTypes.value(notes.number(0));
        const QString deck = collection.decks.value(notes.number(2), QStringLiteral("（デッキなし）"));
        DeckPart& part = parts[{deck, type.name}];
        if (part.name.isEmpty()) {
            part.name = QStringLiteral("%1 ／ %2").arg(deck, type.name);
            part.table.separator = QChar(0x1F);
            part.table.html = HtmlMode::On;
            part.table.columnNames = type.fields;
            part.table.columnCount = static_cast<int>(type.fields.size());
        }
        SourceRow row;
        row.fields = notes.text(1).split(QChar(0x1F));
        row.line = static_cast<int>(done);
        part.table.columnCount = std::max(part.table.columnCount, static_cast<int>(row.fields.size()));
        part.table.rows.push_back(std::move(row));
    }
    for (auto& [key, part] : parts)
        book.parts.push_back(std::move(part));
    return Fault::None;
}

} // namespace

DeckBook readAnkiPackage(const QString& path, ImportProgress& progress)
{
    DeckBook book;
    const QString name = QFileInfo(path).fileName();
    int error = 0;
    Zip archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    if (!archive) {
        book.problem = faultMessage(Fault::NotAZip, name);
        return book;
    }
    // The newest layout first: the older names then hold only a stub asking
    // to update. (The "meta" file says the same of the newest layout; the
    // name is enough to tell it.)
    QString collectionName;
    zip_int64_t index = -1;
    for (const char* candidate : {"collection.anki21b", "collection.anki21", "collection.anki2"}) {
        index = zip_name_locate(archive.get(), candidate, 0);
        if (index >= 0) {
            collectionName = QString::fromLatin1(candidate);
            break;
        }
    }
    if (index < 0) {
        book.problem = faultMessage(Fault::NotAnki, name);
        return book;
    }
    book.format = QStringLiteral("Anki パッケージ（%1）").arg(collectionName);
    QTemporaryFile unpacked;
    if (!unpacked.open()) {
        book.problem = QStringLiteral("「%1」を展開する一時ファイルを作れません。").arg(name);
        return book;
    }
    const int end = progress.to;
    progress.to = progress.from + (end - progress.from) / 2;
    const bool compressed = collectionName.endsWith(u'b');
    if (const Fault fault = unpack(archive.get(), index, compressed, unpacked, progress); fault != Fault::None) {
        book.problem = faultMessage(fault, name);
        return book;
    }
    archive.reset();
    // A collection saved in WAL journaling (as a running Anki keeps it) would
    // make SQLite leave -wal and -shm files beside the copy: the package
    // holds no WAL to replay, so the copy is marked as an ordinary database
    // (header bytes 18 and 19, SQLite's read and write versions, 2 → 1).
    if (unpacked.seek(18) && unpacked.read(2) == QByteArrayView("\x02\x02") && unpacked.seek(18))
        unpacked.write("\x01\x01", 2);
    unpacked.close();

    Database db;
    if (sqlite3_open_v2(QFile::encodeName(unpacked.fileName()).constData(), &db.handle, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        book.problem = faultMessage(Fault::Damaged, name);
        return book;
    }
    sqlite3_create_collation(db.handle, "unicase", SQLITE_UTF8, nullptr, compareIgnoringCase);
    const std::optional<Collection> collection = readCollection(db.handle);
    progress.from = progress.to;
    progress.to = end;
    const Fault fault = collection ? readNotes(db.handle, *collection, book, progress) : Fault::NotAZip;
    if (fault != Fault::None) {
        book.parts.clear();
        book.problem = faultMessage(fault == Fault::NotAZip ? Fault::Damaged : fault, name);
    } else if (book.parts.empty()) {
        book.problem = QStringLiteral("「%1」にはノートがありません。").arg(name);
    }
    return book;
}

} // namespace lumo::exchange
