#include "sentence/sentencerecord.h"

#include <QHash>

#include <algorithm>

namespace lumo {
namespace {

const QString kWhenFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

// A text as one field: no tab or line break inside, only what the file can hold.
QString field(const QString& text)
{
    QString plain = text;
    for (QChar& c : plain)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return toStorableText(plain);
}

} // namespace

QString sentenceRecordLine(const SentenceAttempt& attempt)
{
    QStringList fields = {attempt.when.toString(kWhenFormat),
                          attempt.mode == SentenceMode::Dictation ? QStringLiteral("D") : QStringLiteral("T"),
                          QString::number(attempt.attempt),
                          attempt.right ? QStringLiteral("○") : QStringLiteral("×"),
                          QString::number(attempt.hints),
                          field(attempt.sentence),
                          field(attempt.typed)};
    for (const WordPair& word : attempt.missed) {
        // The word has no comma of its own: the first comma starts the meaning.
        QString entry = field(word.english).remove(u',');
        if (!word.meaning.isEmpty())
            entry += u',' + field(word.meaning);
        fields.append(entry);
    }
    return fields.join(u'\t');
}

std::optional<SentenceAttempt> readSentenceRecordLine(QStringView line)
{
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() < 7)
        return std::nullopt;
    SentenceAttempt a;
    a.when = QDateTime::fromString(fields[0].toString(), kWhenFormat);
    bool attemptOk = false;
    bool hintsOk = false;
    a.attempt = fields[2].toInt(&attemptOk);
    a.hints = fields[4].toInt(&hintsOk);
    const bool modeOk = fields[1] == u"D" || fields[1] == u"T";
    const bool markOk = fields[3] == u"○" || fields[3] == u"×";
    if (!a.when.isValid() || !modeOk || !markOk || !attemptOk || !hintsOk || a.attempt < 1 || a.hints < 0)
        return std::nullopt;
    a.mode = fields[1] == u"D" ? SentenceMode::Dictation : SentenceMode::Translation;
    a.right = fields[3] == u"○";
    a.sentence = fields[5].toString();
    a.typed = fields[6].toString();
    for (qsizetype i = 7; i < fields.size(); ++i) {
        const qsizetype comma = fields[i].indexOf(u',');
        WordPair word{(comma < 0 ? fields[i] : fields[i].left(comma)).trimmed().toString(),
                      comma < 0 ? QString() : fields[i].sliced(comma + 1).toString()};
        if (!word.english.isEmpty())
            a.missed.push_back(std::move(word));
    }
    return a;
}

WriteResult appendSentenceAttempt(const QString& folder, const SentenceAttempt& attempt)
{
    return appendLineAtomically(folder + QString::fromUtf16(kSentenceRecordFile), sentenceRecordLine(attempt));
}

SentenceSummary summariseSentenceRecord(QStringView text, QDate today, int mostMissedCount)
{
    SentenceSummary summary;
    const qint64 first = today.toJulianDay() - 29;
    summary.last30Days.resize(30);
    for (int i = 0; i < 30; ++i)
        summary.last30Days[static_cast<std::size_t>(i)].day = QDate::fromJulianDay(first + i);
    QHash<QString, SentenceMissedWord> missed;

    forEachLine(text, [&](QStringView line) {
        if (line.trimmed().isEmpty())
            return true;
        const std::optional<SentenceAttempt> attempt = readSentenceRecordLine(line);
        if (!attempt) {
            ++summary.skippedLines;
            return true;
        }
        ++summary.readLines;
        const QDate day = attempt->when.date();
        const qint64 offset = day.toJulianDay() - first;
        SentenceDay* counted =
            offset >= 0 && offset < 30 ? &summary.last30Days[static_cast<std::size_t>(offset)] : nullptr;
        if (counted)
            ++counted->judgements;
        if (attempt->attempt == 1) {
            ++summary.sentences;
            summary.firstRight += attempt->firstTimeRight();
            if (counted) {
                ++counted->sentences;
                counted->firstRight += attempt->firstTimeRight();
            }
        }
        for (const WordPair& word : attempt->missed) {
            SentenceMissedWord& tally = missed[word.english.toLower()];
            tally.word = word.english.toLower();
            ++tally.misses;
            if (!(day < tally.lastSeen)) {
                tally.lastSeen = day;
                tally.sentence = attempt->sentence;
            }
            if (!word.meaning.isEmpty())
                tally.meaning = word.meaning;
        }
        return true;
    });

    summary.mostMissed.reserve(static_cast<std::size_t>(missed.size()));
    for (const SentenceMissedWord& word : std::as_const(missed))
        summary.mostMissed.push_back(word);
    std::sort(summary.mostMissed.begin(), summary.mostMissed.end(),
              [](const SentenceMissedWord& a, const SentenceMissedWord& b) {
                  if (a.misses != b.misses)
                      return a.misses > b.misses;
                  if (a.lastSeen != b.lastSeen)
                      return a.lastSeen > b.lastSeen;
                  return a.word < b.word;
              });
    if (int(summary.mostMissed.size()) > mostMissedCount)
        summary.mostMissed.resize(static_cast<std::size_t>(std::max(mostMissedCount, 0)));
    return summary;
}

} // namespace lumo
