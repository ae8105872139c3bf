#include "exchange/kvtml.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <map>

namespace lumo::exchange {

namespace {

struct Entry {
    std::map<int, QString> texts;    // by language
    std::map<int, QString> comments; // by language
};

struct Lesson {
    QString name;
    QList<QString> entries; // entry ids in the lesson's order
};

struct Vocabulary {
    std::map<int, QString> languages; // language id → column name
    QList<QString> order;             // entry ids in file order
    QHash<QString, Entry> entries;
    std::vector<Lesson> lessons;
};

QString languageName(const QString& name, const QString& locale, int id)
{
    if (!name.trimmed().isEmpty())
        return name.trimmed();
    if (!locale.trimmed().isEmpty())
        return locale.trimmed();
    return QStringLiteral("言語 %1").arg(id + 1);
}

void readIdentifier(QXmlStreamReader& xml, Vocabulary& vocabulary)
{
    const int id = xml.attributes().value(QLatin1String("id")).toInt();
    QString name, locale;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"name")
            name = xml.readElementText();
        else if (xml.name() == u"locale")
            locale = xml.readElementText();
        else
            xml.skipCurrentElement();
    }
    vocabulary.languages[id] = languageName(name, locale, id);
}

void readEntry(QXmlStreamReader& xml, Vocabulary& vocabulary)
{
    const QString id = xml.attributes().value(QLatin1String("id")).toString();
    Entry entry;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"translation") {
            xml.skipCurrentElement();
            continue;
        }
        const int language = xml.attributes().value(QLatin1String("id")).toInt();
        while (xml.readNextStartElement()) {
            if (xml.name() == u"text")
                entry.texts[language] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == u"comment")
                entry.comments[language] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else
                xml.skipCurrentElement();
        }
        vocabulary.languages.try_emplace(language, languageName({}, {}, language));
    }
    if (!vocabulary.entries.contains(id))
        vocabulary.order.append(id);
    vocabulary.entries.insert(id, std::move(entry));
}

void readContainer(QXmlStreamReader& xml, const QString& outer, Vocabulary& vocabulary)
{
    Lesson lesson;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"name") {
            lesson.name = xml.readElementText();
            if (!outer.isEmpty())
                lesson.name = outer + QStringLiteral(" / ") + lesson.name;
        } else if (xml.name() == u"entry") {
            lesson.entries.append(xml.attributes().value(QLatin1String("id")).toString());
            xml.skipCurrentElement();
        } else if (xml.name() == u"container") {
            readContainer(xml, lesson.name, vocabulary);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!lesson.entries.isEmpty())
        vocabulary.lessons.push_back(std::move(lesson));
}

// KVTML 2.0, inside <kvtml>.
void readVersion2(QXmlStreamReader& xml, Vocabulary& vocabulary)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == u"identifiers") {
            while (xml.readNextStartElement())
                xml.name() == u"identifier" ? readIdentifier(xml, vocabulary) : xml.skipCurrentElement();
        } else if (xml.name() == u"entries") {
            while (xml.readNextStartElement())
                xml.name() == u"entry" ? readEntry(xml, vocabulary) : xml.skipCurrentElement();
        } else if (xml.name() == u"lessons") {
            while (xml.readNextStartElement())
                xml.name() == u"container" ? readContainer(xml, {}, vocabulary) : xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
}

// KVTML 1.0, inside <kvtml>: <lesson><desc no="N">name</desc></lesson>, and
// <e m="N"> entries holding <o> (the original) and <t> (its translations).
void readVersion1(QXmlStreamReader& xml, Vocabulary& vocabulary)
{
    std::map<QString, QString> lessonNames; // by number
    std::map<QString, QList<QString>> lessonEntries;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"lesson") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"desc") {
                    const QString number = xml.attributes().value(QLatin1String("no")).toString();
                    lessonNames[number] = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else if (xml.name() == u"e") {
            const QString id = QString::number(vocabulary.order.size());
            const QString lesson = xml.attributes().value(QLatin1String("m")).toString();
            Entry entry;
            int translation = 0;
            while (xml.readNextStartElement()) {
                const bool original = xml.name() == u"o";
                if (!original && xml.name() != u"t") {
                    xml.skipCurrentElement();
                    continue;
                }
                const int language = original ? 0 : ++translation;
                const QString locale = xml.attributes().value(QLatin1String("l")).toString();
                if (!vocabulary.languages.contains(language) || !locale.isEmpty())
                    vocabulary.languages[language] = languageName({}, locale, language);
                entry.texts[language] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            vocabulary.order.append(id);
            vocabulary.entries.insert(id, std::move(entry));
            if (!lesson.isEmpty())
                lessonEntries[lesson].append(id);
        } else {
            xml.skipCurrentElement();
        }
    }
    for (auto& [number, entries] : lessonEntries) {
        const auto named = lessonNames.find(number);
        const QString name = named != lessonNames.end() ? named->second : QStringLiteral("レッスン %1").arg(number);
        vocabulary.lessons.push_back({name, std::move(entries)});
    }
}

DeckPart partOf(const QString& name, const QList<QString>& ids, const Vocabulary& vocabulary,
                const QStringList& columns, const std::vector<int>& languages, bool withComments)
{
    DeckPart part;
    part.name = name;
    part.table.html = HtmlMode::Off;
    part.table.separator = u'\t';
    part.table.columnNames = columns;
    part.table.columnCount = static_cast<int>(columns.size());
    int number = 0;
    for (const QString& id : ids) {
        ++number;
        const auto found = vocabulary.entries.constFind(id);
        if (found == vocabulary.entries.constEnd())
            continue;
        SourceRow row;
        row.line = number;
        for (const int language : languages) {
            const auto text = found->texts.find(language);
            row.fields.append(text != found->texts.end() ? text->second : QString());
        }
        if (withComments)
            for (const int language : languages) {
                const auto comment = found->comments.find(language);
                row.fields.append(comment != found->comments.end() ? comment->second : QString());
            }
        part.table.rows.push_back(std::move(row));
    }
    return part;
}

} // namespace

namespace {

// Reads the vocabulary from `xml`; false when it is no KVTML or broken.
bool readVocabulary(QXmlStreamReader& xml, Vocabulary& vocabulary, QString& format)
{
    if (!xml.readNextStartElement() || xml.name() != u"kvtml")
        return false;
    const bool version2 = xml.attributes().value(QLatin1String("version")).startsWith(u'2');
    format = version2 ? QStringLiteral("KVTML 2.0") : QStringLiteral("KVTML 1.0");
    version2 ? readVersion2(xml, vocabulary) : readVersion1(xml, vocabulary);
    return !xml.hasError();
}

} // namespace

DeckBook readKvtml(const QByteArray& bytes, const QString& fileName)
{
    DeckBook book;
    Vocabulary vocabulary;
    QXmlStreamReader xml(bytes);
    bool read = readVocabulary(xml, vocabulary, book.format);
    if (!read && xml.error() == QXmlStreamReader::NotWellFormedError) {
        // Some older files say UTF-8 but hold Latin-1 (ö as one byte): read
        // them as Latin-1 text, as the programs that wrote them did.
        vocabulary = {};
        QXmlStreamReader latin1(QString::fromLatin1(bytes));
        read = readVocabulary(latin1, vocabulary, book.format);
    }
    if (!read) {
        book.problem =
            QStringLiteral("「%1」は壊れているか、KVTML のファイルではないため読み込めません。").arg(fileName);
        return book;
    }
    std::vector<int> languages;
    QStringList columns;
    bool withComments = false;
    for (const auto& [id, name] : vocabulary.languages) {
        languages.push_back(id);
        columns.append(name);
    }
    for (const Entry& entry : std::as_const(vocabulary.entries))
        withComments = withComments || !entry.comments.empty();
    if (withComments)
        for (const auto& [id, name] : vocabulary.languages)
            columns.append(QStringLiteral("%1（コメント）").arg(name));
    if (vocabulary.order.isEmpty()) {
        book.problem = QStringLiteral("「%1」には単語がありません。").arg(fileName);
        return book;
    }
    book.parts.push_back(
        partOf(QStringLiteral("すべての単語"), vocabulary.order, vocabulary, columns, languages, withComments));
    for (const Lesson& lesson : vocabulary.lessons)
        book.parts.push_back(partOf(QStringLiteral("レッスン：%1").arg(lesson.name), lesson.entries, vocabulary,
                                    columns, languages, withComments));
    return book;
}

QByteArray kvtmlBytes(const std::vector<WordPair>& pairs, const QString& title)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Lumo-English"));
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    const std::pair<const char*, const char*> languages[] = {{"English", "en"}, {"日本語", "ja"}};
    for (int id = 0; id < 2; ++id) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        xml.writeTextElement(QStringLiteral("name"), QString::fromUtf8(languages[id].first));
        xml.writeTextElement(QStringLiteral("locale"), QString::fromLatin1(languages[id].second));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("entries"));
    for (size_t i = 0; i < pairs.size(); ++i) {
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        int id = 0;
        for (const QString* text : {&pairs[i].english, &pairs[i].japanese}) {
            xml.writeStartElement(QStringLiteral("translation"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
            xml.writeTextElement(QStringLiteral("text"), *text);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (size_t i = 0; i < pairs.size(); ++i) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace lumo::exchange
