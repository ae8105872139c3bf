#include "quiz/phonetics.h"

#include "data/course.h"

#include <QFile>
#include <QResource>

#include <string_view>

namespace lumo {

namespace {

std::string_view bytes(QByteArrayView view)
{
    return {view.data(), size_t(view.size())};
}

} // namespace

QByteArray PronouncingDictionary::compiledInTable()
{
    // Built without compression, the table is read where the program is
    // mapped: finding it costs no reading and no memory.
    QResource resource(QStringLiteral(":/quiz/pronunciation.tsv"));
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    return resource.uncompressedData();
}

const PronouncingDictionary& PronouncingDictionary::whole()
{
    static const QByteArray table = compiledInTable();
    static const PronouncingDictionary dictionary{QByteArrayView(table)};
    return dictionary;
}

QStringList PronouncingDictionary::pronunciations(QStringView word) const
{
    const QByteArray key = word.toUtf8();
    if (key.isEmpty() || key.contains('\t') || key.contains('\n'))
        return {};
    const std::string_view table = bytes(m_table);
    // Halve the lines between low and high; both stay at the start of a line.
    size_t low = 0;
    size_t high = table.size();
    while (low < high) {
        size_t start = low + (high - low) / 2;
        while (start > low && table[start - 1] != '\n')
            --start;
        size_t end = table.find('\n', start);
        if (end == std::string_view::npos)
            end = table.size();
        const std::string_view line = table.substr(start, end - start);
        const int order = bytes(key).compare(line.substr(0, line.find('\t')));
        if (order < 0) {
            high = start;
        } else if (order > 0) {
            low = end + 1;
        } else {
            QStringList found = QString::fromUtf8(line.data(), qsizetype(line.size())).split(u'\t');
            found.removeFirst();
            found.removeAll(QString());
            return found;
        }
    }
    return {};
}

PronunciationChoices PronunciationChoices::fromText(const QString& text)
{
    PronunciationChoices choices;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#'))
            continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 3 || fields[0].trimmed().isEmpty() || fields[2].trimmed().isEmpty())
            continue;
        const QString english = fields[0].trimmed().toString();
        const QString chosen = fields[2].trimmed().toString();
        if (fields[1].isEmpty())
            choices.m_byWord.insert(english, chosen);
        else
            choices.m_byMeaning.insert(english + u'\t' + fields[1].toString(), chosen);
    }
    return choices;
}

const PronunciationChoices& PronunciationChoices::reviewed()
{
    static const PronunciationChoices choices = [] {
        QFile file(QStringLiteral(":/quiz/pronunciation_choices.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return PronunciationChoices();
        return fromText(QString::fromUtf8(file.readAll()));
    }();
    return choices;
}

QString PronunciationChoices::forMeaning(const QString& english, const QString& meaning) const
{
    return m_byMeaning.value(english.trimmed() + u'\t' + meaning);
}

QStringList dictionaryWords(const QString& english)
{
    QStringList words;
    for (const QString& part : english.toLower().split(u' ', Qt::SkipEmptyParts)) {
        qsizetype first = 0;
        qsizetype last = part.size();
        const auto isPunctuation = [](QChar c) { return !c.isLetterOrNumber() && c != u'\'' && c != u'.'; };
        while (first < last && isPunctuation(part[first]))
            ++first;
        while (last > first && isPunctuation(part[last - 1]))
            --last;
        if (first < last)
            words.append(part.sliced(first, last - first));
    }
    return words;
}

namespace {

QString wordTranscription(const QString& word, const PronouncingDictionary& dictionary,
                          const PronunciationChoices& choices)
{
    QString chosen = choices.forWord(word);
    if (chosen.isEmpty())
        chosen = dictionary.pronunciations(word).value(0);
    if (chosen.isEmpty() && word.endsWith(u'.')) // Mr. stays, a sentence's full stop goes
        return wordTranscription(word.chopped(1), dictionary, choices);
    if (chosen.isEmpty() && word.contains(u'-')) {
        // part-time: the parts, joined as the word joins them
        QStringList parts;
        for (const QString& part : word.split(u'-', Qt::SkipEmptyParts)) {
            parts.append(wordTranscription(part, dictionary, choices));
            if (parts.last().isEmpty())
                return {};
        }
        chosen = parts.join(u'-');
    }
    return chosen;
}

} // namespace

QString transcription(const QString& english, const QString& meaning, const PronouncingDictionary& dictionary,
                      const PronunciationChoices& choices)
{
    const QString chosen = choices.forMeaning(english, splitMeaning(meaning).head);
    if (!chosen.isEmpty())
        return chosen;
    QStringList said;
    for (const QString& word : dictionaryWords(english)) {
        said.append(wordTranscription(word, dictionary, choices));
        if (said.last().isEmpty())
            return {};
    }
    return said.join(u' ');
}

QString transcription(const QString& english, const QString& meaning)
{
    return transcription(english, meaning, PronouncingDictionary::whole(), PronunciationChoices::reviewed());
}

QString phoneticLine(const QString& english, const QString& transcription)
{
    if (transcription.isEmpty())
        return {};
    return english.trimmed() + QStringLiteral("  /") + transcription + u'/';
}

} // namespace lumo
