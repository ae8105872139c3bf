// Deck files of other programs: Anki packages in each layout Anki has
// written (fixtures written by anki-apkg-export, see tests/fixtures/anki),
// broken and hostile packages, and KDE's vocabulary files.
#include "exchange/ankipackage.h"
#include "exchange/kvtml.h"
#include "exchange/wordimport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumo::exchange;

namespace {

QString fixture(const QString& name)
{
    return QStringLiteral(LUMO_FIXTURES_DIR) + name;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DeckBook readPackage(const QString& name)
{
    ImportProgress progress;
    return readAnkiPackage(fixture(name), progress);
}

// Each part's name with its pairs as the import would write them.
QStringList partsWithPairs(const DeckBook& book)
{
    QStringList out;
    for (const DeckPart& part : book.parts) {
        ColumnChoice columns = guessColumns(part.table);
        columns.firstRowIsHeading = false;
        QStringList pairs;
        for (const ImportedPair& pair : planImport(part.table, columns).pairs)
            pairs.append(pair.english + u'=' + pair.japanese);
        out.append(part.name + u':' + part.table.columnNames.join(u'/') + u':' + pairs.join(u'|'));
    }
    return out;
}

struct PackageCase {
    const char* file;
    const char* format;
    QStringList parts;
};

class AnkiLayouts : public ::testing::TestWithParam<PackageCase> {};

const QString kBasic =
    QStringLiteral("英単語 ／ 英単語:Front/Back:apple=りんご|dog=犬 （いぬ）|cat=猫|mouse=ねずみ、はつかねずみ|"
                   "bread and butter=バター付きパン|fish&chips=フィッシュ・アンド・チップス");
// The later layouts: a sub-deck and a second note type, the stub beside them not read.
const QStringList kWithSubDeck{
    QStringLiteral(
        "英単語 ／ 英単語:Front/Back:apple=りんご|mouse=ねずみ、はつかねずみ|bread and butter=バター付きパン|"
        "fish&chips=フィッシュ・アンド・チップス"),
    QStringLiteral("英単語 ／ 英和（例文つき）:English/Japanese/Example:book=本"),
    QStringLiteral("英単語::動物 ／ 英単語:Front/Back:dog=犬 （いぬ）|cat=猫"),
};

TEST_P(AnkiLayouts, ReadAsDecksAndNoteTypesWithCleanFields)
{
    const QStringList leftovers{QStringLiteral("*-shm"), QStringLiteral("*-wal"), QStringLiteral("*-journal")};
    const QStringList before = QDir::temp().entryList(leftovers);
    const DeckBook book = readPackage(QString::fromLatin1(GetParam().file));
    EXPECT_EQ(QDir::temp().entryList(leftovers), before) << "files left beside the unpacked collection";
    EXPECT_EQ(book.problem, QString());
    EXPECT_EQ(book.format, QString::fromUtf8(GetParam().format));
    EXPECT_EQ(partsWithPairs(book), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Generations, AnkiLayouts,
    ::testing::Values(PackageCase{"anki/words.apkg", "Anki パッケージ（collection.anki2）", {kBasic}},
                      PackageCase{"anki/words-wal.apkg", "Anki パッケージ（collection.anki2）", {kBasic}},
                      PackageCase{"anki/words-anki21.apkg", "Anki パッケージ（collection.anki21）", kWithSubDeck},
                      PackageCase{"anki/words-anki21b.apkg", "Anki パッケージ（collection.anki21b）", kWithSubDeck}));

TEST(AnkiPackage, RefusesBrokenAndHostilePackagesByName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"anki/hostile/cut-off.apkg", "壊れているか、Anki のパッケージではない"},
        {"anki/hostile/not-anki.apkg", "Anki のコレクションがない"},
        {"anki/hostile/bomb.apkg", "512 MB を超える"},
        {"anki/hostile/encrypted.apkg", "暗号化されている"},
        {"import/flashcards.txt", "壊れているか、Anki のパッケージではない"},
    };
    for (const auto& [file, message] : cases) {
        const DeckBook book = readPackage(QString::fromLatin1(file));
        EXPECT_TRUE(book.parts.empty()) << file;
        EXPECT_TRUE(book.problem.contains(QString::fromUtf8(message))) << file << ": " << book.problem.toStdString();
        EXPECT_TRUE(book.problem.contains(QFileInfo(QString::fromLatin1(file)).fileName())) << file;
    }
    // A cancelled read ends without parts and without a message.
    ImportProgress cancelled;
    cancelled.cancelled = true;
    const DeckBook stopped = readAnkiPackage(fixture(QStringLiteral("anki/words-anki21b.apkg")), cancelled);
    EXPECT_TRUE(stopped.parts.empty());
    EXPECT_TRUE(stopped.problem.isEmpty());
}

TEST(Kvtml, ReadsBothVersionsWithLessonsAndComments)
{
    const DeckBook parley = readKvtml(bytesOf(fixture(QStringLiteral("kvtml/nn-easy.kvtml"))), QStringLiteral("nn"));
    EXPECT_EQ(parley.format, QStringLiteral("KVTML 2.0"));
    ASSERT_EQ(parley.parts.size(), 2u);
    EXPECT_EQ(parley.parts[1].name, QStringLiteral("レッスン：Standardleksjon"));
    EXPECT_EQ(parley.parts[0].table.columnNames, (QStringList{"nn", "nn（コメント）"}));
    EXPECT_EQ(parley.parts[0].table.rows.front().fields,
              (QStringList{"leiketid", "tid som vert gjeve til ungar der dei kan ha det gøy"}));
    EXPECT_EQ(parley.parts[1].table.rows.size(), parley.parts[0].table.rows.size());

    const DeckBook old = readKvtml(bytesOf(fixture(QStringLiteral("kvtml/nb-easy.kvtml"))), QStringLiteral("nb"));
    EXPECT_EQ(old.format, QStringLiteral("KVTML 1.0"));
    ASSERT_FALSE(old.parts.empty());
    EXPECT_EQ(old.parts[0].table.rows.front().fields, (QStringList{"leketid", ""}));

    EXPECT_TRUE(
        readKvtml("<html/>", QStringLiteral("x.kvtml")).problem.contains(QStringLiteral("KVTML のファイルではない")));
    EXPECT_TRUE(readKvtml("<kvtml version=\"2.0\"><entries><entry", QStringLiteral("x.kvtml")).parts.empty());
}

TEST(Kvtml, ExportReadsBackAsTheSamePairs)
{
    const std::vector<WordPair> pairs{
        {"apple", "りんご"}, {"rock & roll", "ロックンロール <音楽>"}, {"say", "言う、話す"}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("単語帳.KVTML"));
    ASSERT_EQ(formatForPath(path), ExportFormat::Kvtml);
    ASSERT_TRUE(writeExport(path, pairs, formatForPath(path)).ok);
    const DeckBook book = readKvtml(bytesOf(path), QStringLiteral("単語帳.KVTML"));
    ASSERT_EQ(book.parts.size(), 2u);
    EXPECT_EQ(book.parts[1].name, QStringLiteral("レッスン：単語帳"));
    EXPECT_EQ(book.parts[0].table.columnNames, (QStringList{"English", "日本語"}));
    std::vector<WordPair> read;
    for (const SourceRow& row : book.parts[0].table.rows)
        read.push_back({row.fields[0], row.fields[1]});
    EXPECT_EQ(read, pairs);
}

TEST(Kvtml, EveryFileOfKdesVocabularyCollectionImports)
{
    const QDir shared(QStringLiteral("/usr/share/apps/kvtml"));
    if (!shared.exists())
        GTEST_SKIP() << "Debian's kdeedu-kvtml-data is not installed";
    int files = 0;
    for (const QString& language : shared.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& file : QDir(shared.filePath(language)).entryInfoList({QStringLiteral("*.kvtml")})) {
            ++files;
            const DeckBook book = readKvtml(bytesOf(file.filePath()), file.fileName());
            EXPECT_EQ(book.problem, QString()) << file.filePath().toStdString();
            EXPECT_FALSE(book.parts.empty() || book.parts[0].table.rows.empty()) << file.filePath().toStdString();
        }
    EXPECT_GT(files, 100);
}

} // namespace
