#include "exchange/wordimport.h"

#include "base/programfiles.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

namespace lumo::exchange {

namespace {

bool isKanaOrKanji(char32_t c)
{
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF66 && c <= 0xFF9F) || (c >= 0x20000 && c <= 0x2FFFF);
}

bool isLatinLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

enum class Script { Empty, Latin, Japanese, Other };

Script scriptOf(QStringView text)
{
    int latin = 0;
    for (const QChar c : text) {
        if (isKanaOrKanji(c.unicode()) || c.isHighSurrogate())
            return Script::Japanese;
        latin += isLatinLetter(c);
    }
    if (latin > 0)
        return Script::Latin;
    return text.trimmed().isEmpty() ? Script::Empty : Script::Other;
}

bool isHeadingName(const QString& cell)
{
    static const QStringList kNames{
        QStringLiteral("english"),  QStringLiteral("word"),    QStringLiteral("words"), QStringLiteral("front"),
        QStringLiteral("japanese"), QStringLiteral("meaning"), QStringLiteral("back"),  QStringLiteral("英語"),
        QStringLiteral("英単語"),   QStringLiteral("単語"),    QStringLiteral("意味"),  QStringLiteral("日本語"),
        QStringLiteral("訳"),       QStringLiteral("和訳"),    QStringLiteral("表面"),  QStringLiteral("裏面"),
    };
    return kNames.contains(cell.trimmed().toLower());
}

// A cache of which characters code page 932 holds, so that a large file is
// checked with one conversion per distinct character.
class StorableCheck {
  public:
    // The characters of `text` code page 932 cannot hold, each once.
    QString unstorable(QStringView text)
    {
        QString result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.unicode() < 0x80)
                continue;
            const qsizetype len = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QStringView one = text.sliced(i, len);
            if (!holds(one) && !result.contains(one))
                result += one;
            i += len - 1;
        }
        return result;
    }

  private:
    bool holds(QStringView one)
    {
        if (one.size() == 2)
            return false; // beyond the BMP: nothing there is in code page 932
        Known& known = m_known[one.front().unicode()];
        if (known == Known::Unknown)
            known = encodeCp932(one).ok() ? Known::Holds : Known::Lacks;
        return known == Known::Holds;
    }

    enum class Known : unsigned char { Unknown, Holds, Lacks };
    std::vector<Known> m_known = std::vector<Known>(0x10000, Known::Unknown);
};

} // namespace

ColumnChoice guessColumns(const DelimitedTable& table)
{
    ColumnChoice choice;
    const int columns = table.columnCount;
    std::vector<int> latin(columns), japanese(columns);
    constexpr size_t kRowsLooked = 200;
    const size_t firstRow = !table.rows.empty() && table.rows.size() > 1 ? 1 : 0;
    for (size_t r = firstRow; r < table.rows.size() && r < kRowsLooked; ++r) {
        const QStringList& fields = table.rows[r].fields;
        for (int c = 0; c < columns && c < fields.size(); ++c) {
            const Script s = scriptOf(plainField(fields[c], table.html));
            latin[c] += s == Script::Latin;
            japanese[c] += s == Script::Japanese;
        }
    }
    auto best = [&](const std::vector<int>& score, int other) {
        int found = -1;
        for (int c = 0; c < columns; ++c) {
            if (table.metadataColumns.contains(c) || c == other)
                continue;
            if (found < 0 || score[c] > score[found])
                found = c;
        }
        return found;
    };
    const int english = best(latin, -1);
    const int japaneseColumn = best(japanese, english);
    if (english >= 0)
        choice.english = english;
    if (japaneseColumn >= 0)
        choice.japanese = japaneseColumn;
    else
        choice.japanese = english == 0 ? 1 : 0;

    if (!table.rows.empty()) {
        const QStringList& first = table.rows.front().fields;
        const QString englishCell = choice.english < first.size() ? first[choice.english] : QString();
        const QString japaneseCell = choice.japanese < first.size() ? first[choice.japanese] : QString();
        choice.firstRowIsHeading = isHeadingName(englishCell) || isHeadingName(japaneseCell);
    }
    return choice;
}

QString courseMeaning(const QString& field)
{
    if (!field.contains(u','))
        return field;
    QString meaning;
    meaning.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u',') {
            meaning += field[i];
            continue;
        }
        meaning += u'、';
        while (i + 1 < field.size() && field[i + 1] == u' ')
            ++i;
    }
    return meaning;
}

ImportPlan planImport(const DelimitedTable& table, ColumnChoice columns, ImportProgress* progress)
{
    ImportPlan plan;
    plan.pairs.reserve(table.rows.size());
    StorableCheck check;
    const auto rows = static_cast<qint64>(table.rows.size());
    for (size_t r = columns.firstRowIsHeading ? 1 : 0; r < table.rows.size(); ++r) {
        if (progress && (r & 0x3FF) == 0 && !progress->advance(static_cast<qint64>(r), rows))
            break;
        const SourceRow& row = table.rows[r];
        const auto field = [&row, &table](int c) {
            return c >= 0 && c < row.fields.size() ? toCp932LookAlikes(plainField(row.fields[c], table.html))
                                                   : QString();
        };
        ImportedPair pair{field(columns.english), courseMeaning(field(columns.japanese)), row.line};
        if (pair.english.isEmpty() || pair.japanese.isEmpty()) {
            ++plan.incomplete;
            continue;
        }
        if (pair.english.contains(u',')) {
            ++plan.commaInEnglish;
            continue;
        }
        if (pair.english.size() + 1 + pair.japanese.size() > kMaxLineLength) {
            ++plan.tooLong;
            continue;
        }
        const QString bad = check.unstorable(pair.english) + check.unstorable(pair.japanese);
        if (!bad.isEmpty()) {
            QString once;
            for (qsizetype i = 0; i < bad.size(); ++i) {
                const qsizetype len = bad[i].isHighSurrogate() && i + 1 < bad.size() ? 2 : 1;
                if (!once.contains(bad.sliced(i, len)))
                    once += bad.sliced(i, len);
                i += len - 1;
            }
            plan.unstorable.push_back({row.line, pair.english, once});
            continue;
        }
        plan.pairs.push_back(std::move(pair));
    }
    return plan;
}

QString courseText(const std::vector<ImportedPair>& pairs)
{
    qsizetype size = 0;
    for (const ImportedPair& p : pairs)
        size += p.english.size() + p.japanese.size() + 3;
    QString text;
    text.reserve(size);
    for (const ImportedPair& p : pairs) {
        text += p.english;
        text += u',';
        text += p.japanese;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString suggestCourseFileName(const QString& folder, const QString& sourcePath)
{
    QString base = QFileInfo(sourcePath).completeBaseName();
    base = toStorableText(base, u'_');
    for (const QChar bad : QStringView(u"\\/:*?\"<>|,"))
        base.replace(bad, u'_');
    if (base.trimmed().isEmpty())
        base = QStringLiteral("import");
    QString name = base + QStringLiteral(".dat");
    for (int n = 2; !courseFileNameProblem(folder, name).isEmpty() && n < 10000; ++n)
        name = QStringLiteral("%1-%2.dat").arg(base).arg(n);
    return name;
}

QString courseFileNameProblem(const QString& folder, const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("コースのファイル名を入力して下さい。");
    if (name != name.trimmed() || name == u"." || name == u"..")
        return QStringLiteral("ファイル名の前後に空白は使えません。");
    for (const QChar c : name)
        if (QStringView(u"\\/:*?\"<>|").contains(c) || c.unicode() < 0x20)
            return QStringLiteral("ファイル名に「%1」は使えません。")
                .arg(c.unicode() < 0x20 ? QStringLiteral("制御文字") : QString(c));
    if (!encodeCp932(name).ok())
        return QStringLiteral("ファイル名にシフト JIS で保存できない文字があります。");
    static const QStringList kProgramFiles{QString::fromLatin1(kCourseListFile), QString::fromLatin1(kTrainingFile),
                                           QString::fromLatin1(kLastTrainingFile)};
    for (const QString& own : kProgramFiles)
        if (name.compare(own, Qt::CaseInsensitive) == 0)
            return QStringLiteral("「%1」はこのプログラムが使うファイルです。別の名前にして下さい。").arg(name);
    if (QFileInfo::exists(folder + name))
        return QStringLiteral("「%1」はすでにあります。別の名前にして下さい。").arg(name);
    return {};
}

WriteResult writeImportedCourse(const QString& folder, const QString& name, const std::vector<ImportedPair>& pairs)
{
    const QString problem = courseFileNameProblem(folder, name);
    if (!problem.isEmpty())
        return {false, problem};
    const QString coursePath = folder + name;
    WriteResult course = writeTextFile(coursePath, courseText(pairs));
    if (!course.ok)
        return course;
    WriteResult list = appendLineAtomically(folder + QString::fromLatin1(kCourseListFile), name);
    if (!list.ok)
        QFile::remove(coursePath);
    return list;
}

} // namespace lumo::exchange
