#include "exchange/wordexport.h"

#include "data/historylines.h"

#include <algorithm>

namespace lumo::exchange {

ExportFormat formatForPath(const QString& path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? ExportFormat::Csv : ExportFormat::Tsv;
}

namespace {

void appendField(QString& out, const QString& field, QChar separator, bool first)
{
    const bool quote = field.contains(separator) || field.contains(u'"') || field.contains(u'\r') ||
                       field.contains(u'\n') || (first && field.startsWith(u'#')) ||
                       (separator == u',' && field.contains(u';')) || field.startsWith(u' ') || field.endsWith(u' ');
    if (!quote) {
        out += field;
        return;
    }
    out += u'"';
    for (const QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

} // namespace

QByteArray exportBytes(const std::vector<WordPair>& pairs, ExportFormat format)
{
    const bool csv = format == ExportFormat::Csv;
    const QChar separator = csv ? u',' : u'\t';
    const QLatin1String lineEnd = csv ? QLatin1String("\r\n") : QLatin1String("\n");
    QString text;
    if (!csv)
        text = QStringLiteral("#separator:tab\n#html:false\n");
    for (const WordPair& pair : pairs) {
        appendField(text, pair.english, separator, true);
        text += separator;
        appendField(text, pair.japanese, separator, false);
        text += lineEnd;
    }
    QByteArray bytes = csv ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += text.toUtf8();
    return bytes;
}

WriteResult writeExport(const QString& path, const std::vector<WordPair>& pairs, ExportFormat format)
{
    return writeFileBytes(path, exportBytes(pairs, format));
}

std::vector<WordPair> pairsOf(const CourseLines& course)
{
    std::vector<WordPair> pairs;
    pairs.reserve(course.english.size());
    for (qsizetype i = 0; i < course.english.size() && i < course.meanings.size(); ++i)
        pairs.push_back({course.english[i], course.meanings[i]});
    return pairs;
}

std::vector<WordPair> missedWords(QStringView history)
{
    return missedWords(AnswerLog::fromText(history), AnswerLog());
}

std::vector<WordPair> missedWords(const AnswerLog& file, const AnswerLog& run)
{
    struct Missed {
        qint64 line;
        const WordAnswers* word;
    };
    std::vector<Missed> missed;
    for (const WordAnswers& word : file.words())
        if (word.firstMissLine >= 0)
            missed.push_back({word.firstMissLine, &word});
    // The run's lines come after the file's.
    for (const WordAnswers& word : run.words()) {
        const int before = file.find(word.english);
        if (word.firstMissLine >= 0 && (before < 0 || file.words()[std::size_t(before)].firstMissLine < 0))
            missed.push_back({file.lineCount() + word.firstMissLine, &word});
    }
    std::sort(missed.begin(), missed.end(), [](const Missed& a, const Missed& b) { return a.line < b.line; });
    std::vector<WordPair> words;
    words.reserve(missed.size());
    for (const Missed& m : missed)
        words.push_back({m.word->english, m.word->firstMissMeaning});
    return words;
}

} // namespace lumo::exchange
