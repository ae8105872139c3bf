#include "exchange/textimport.h"

#include "data/textfile.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace lumo::exchange {

QString encodingName(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::Utf8Bom: return QStringLiteral("UTF-8（BOM 付き）");
    case SourceEncoding::Utf8: return QStringLiteral("UTF-8");
    case SourceEncoding::Utf16Le: return QStringLiteral("UTF-16 LE（BOM 付き）");
    case SourceEncoding::Utf16Be: return QStringLiteral("UTF-16 BE（BOM 付き）");
    case SourceEncoding::Cp932: return QStringLiteral("シフト JIS（コードページ 932）");
    }
    return {};
}

namespace {

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes, qsizetype& badBytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        badBytes = std::max<qsizetype>(1, text.count(QChar(QChar::ReplacementCharacter)));
    return text;
}

bool looksBinary(QStringView text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return true;
        if ((u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n' && u != u'\f') || u == 0xFFFD)
            ++controls;
    }
    return controls > 0 && controls * 10 > text.size();
}

} // namespace

DecodedSource decodeSource(QByteArrayView bytes)
{
    DecodedSource result;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        result.encoding = SourceEncoding::Utf8Bom;
        result.text = decodeWith(QStringConverter::Utf8, bytes.sliced(3), result.badBytes);
    } else if (bytes.startsWith("\xFF\xFE")) {
        result.encoding = SourceEncoding::Utf16Le;
        result.text = decodeWith(QStringConverter::Utf16LE, bytes.sliced(2), result.badBytes);
    } else if (bytes.startsWith("\xFE\xFF")) {
        result.encoding = SourceEncoding::Utf16Be;
        result.text = decodeWith(QStringConverter::Utf16BE, bytes.sliced(2), result.badBytes);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        result.text = utf8.decode(bytes);
        if (utf8.hasError()) {
            Decoded cp932 = decodeCp932(bytes);
            result.encoding = SourceEncoding::Cp932;
            result.text = std::move(cp932.text);
            result.badBytes = cp932.badBytes;
        }
    }
    result.binary = looksBinary(result.text);
    return result;
}

namespace {

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Index just past the line break at `i` (CR LF counts as one).
qsizetype pastBreak(QStringView text, qsizetype i)
{
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? i + 2 : i + 1;
}

// "#separator:" takes a name (Tab, Comma, …) or the character itself.
std::optional<QChar> separatorNamed(const QString& value)
{
    if (value.size() == 1)
        return value.front();
    const QString name = value.trimmed().toLower();
    static const std::pair<const char16_t*, char16_t> kNames[] = {
        {u"tab", u'\t'}, {u"comma", u','}, {u"semicolon", u';'}, {u"pipe", u'|'}, {u"colon", u':'}, {u"space", u' '},
    };
    for (const auto& [known, character] : kNames)
        if (name == QStringView(known))
            return QChar(character);
    return std::nullopt;
}

// Reads the leading "#" lines; returns the index where the rows begin.
qsizetype readHeaders(QStringView text, DelimitedTable& table, std::optional<QChar>& headerSeparator)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == u'#') {
        qsizetype end = pos;
        while (end < text.size() && !isBreak(text[end]))
            ++end;
        const QStringView line = text.sliced(pos + 1, end - pos - 1);
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0) {
            const QString key = line.first(colon).trimmed().toString().toLower();
            const QString value = line.sliced(colon + 1).toString();
            bool isNumber = false;
            const int column = value.trimmed().toInt(&isNumber) - 1;
            if (key == u"separator") {
                headerSeparator = separatorNamed(value);
            } else if (key == u"html") {
                table.html = value.trimmed().toLower() == u"true" ? HtmlMode::On : HtmlMode::Off;
            } else if (key == u"columns") {
                table.columnNames = value.split(u'\t');
            } else if (key.endsWith(u" column") && isNumber && column >= 0) {
                table.metadataColumns.append(column);
            }
        }
        ++table.headerLines;
        pos = end < text.size() ? pastBreak(text, end) : end;
    }
    return pos;
}

// The separator counts of one line outside quotes.
struct LineCounts {
    int tab = 0, comma = 0, semicolon = 0;
};

} // namespace

QChar detectSeparator(QStringView body)
{
    constexpr int kLinesLooked = 50;
    int lines = 0, withTab = 0, withComma = 0, withSemicolon = 0;
    LineCounts counts;
    bool hasText = false;
    bool quoted = false;
    auto endLine = [&] {
        if (hasText) {
            ++lines;
            withTab += counts.tab > 0;
            withComma += counts.comma > 0;
            withSemicolon += counts.semicolon > 0;
        }
        counts = {};
        hasText = false;
    };
    for (qsizetype i = 0; i < body.size() && lines < kLinesLooked; ++i) {
        const QChar c = body[i];
        if (!quoted && isBreak(c)) {
            endLine();
            continue;
        }
        hasText = true;
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\t')
            ++counts.tab;
        else if (c == u',')
            ++counts.comma;
        else if (c == u';')
            ++counts.semicolon;
    }
    endLine();
    if (withTab > 0 && withTab * 2 >= lines)
        return u'\t';
    if (withSemicolon > withComma)
        return u';';
    if (withComma == 0 && withTab > 0)
        return u'\t';
    return u',';
}

namespace {

// Splits rows from `begin` on. A quote at a position in `literalQuotes` is
// read as an ordinary character. On a quote that never closes the split
// stops: `unclosedAt` is its position, and `begin`/`line` are set to the start
// of its row so that the split can go on from there. Returns false when the
// progress says to stop.
bool splitRows(QStringView text, qsizetype& begin, int& line, QChar separator, const QSet<qsizetype>& literalQuotes,
               DelimitedTable& table, qsizetype& unclosedAt, int& unclosedLine, ImportProgress* progress)
{
    unclosedAt = -1;
    qsizetype i = begin;
    const qsizetype n = text.size();
    while (i < n) {
        if (progress && (table.rows.size() & 0x3FF) == 0 && !progress->advance(i, n))
            return false;
        const qsizetype rowStart = i;
        const int rowLine = line;
        SourceRow row;
        row.line = line;
        bool rowDone = false;
        while (!rowDone) {
            // One field starting at i.
            qsizetype start = i;
            while (start < n && text[start] == u' ' && separator != u' ')
                ++start;
            QString field;
            if (start < n && text[start] == u'"' && !literalQuotes.contains(start)) {
                const int openLine = line;
                qsizetype j = start + 1;
                bool closed = false;
                while (j < n) {
                    const QChar c = text[j];
                    if (c == u'"') {
                        if (j + 1 < n && text[j + 1] == u'"') {
                            field += u'"';
                            j += 2;
                            continue;
                        }
                        closed = true;
                        ++j;
                        break;
                    }
                    if (isBreak(c)) {
                        const qsizetype next = pastBreak(text, j);
                        field += text.sliced(j, next - j);
                        ++line;
                        j = next;
                        continue;
                    }
                    field += c;
                    ++j;
                }
                if (!closed) {
                    unclosedAt = start;
                    unclosedLine = openLine;
                    begin = rowStart;
                    line = rowLine;
                    return true;
                }
                // Anything after the closing quote up to the separator stays.
                qsizetype k = j;
                while (k < n && text[k] != separator && !isBreak(text[k]))
                    ++k;
                field += text.sliced(j, k - j);
                i = k;
            } else {
                qsizetype k = i;
                while (k < n && text[k] != separator && !isBreak(text[k]))
                    ++k;
                field = text.sliced(i, k - i).toString();
                i = k;
            }
            row.fields.append(field);
            if (i < n && text[i] == separator) {
                ++i;
                continue;
            }
            rowDone = true;
            if (i < n) {
                i = pastBreak(text, i);
                ++line;
            }
        }
        const bool blank = row.fields.size() == 1 && row.fields.first().trimmed().isEmpty();
        if (!blank)
            table.rows.push_back(std::move(row));
    }
    begin = n;
    return true;
}

} // namespace

DelimitedTable parseDelimited(QStringView text, std::optional<QChar> separator, ImportProgress* progress)
{
    DelimitedTable table;
    std::optional<QChar> headerSeparator;
    const qsizetype begin = readHeaders(text, table, headerSeparator);
    if (separator) {
        table.separator = *separator;
    } else if (headerSeparator) {
        table.separator = *headerSeparator;
        table.separatorFromHeader = true;
    } else {
        table.separator = detectSeparator(text.sliced(begin));
    }

    // Count the header lines' own breaks to number the rows from the file's start.
    int firstLine = 1;
    for (qsizetype i = 0; i < begin; i = pastBreak(text, i)) {
        while (i < begin && !isBreak(text[i]))
            ++i;
        if (i >= begin)
            break;
        ++firstLine;
    }

    // A quote that never closes would swallow the rest of the file: read it
    // as an ordinary character instead, note its line and go on from its row.
    QSet<qsizetype> literalQuotes;
    qsizetype pos = begin;
    int line = firstLine;
    for (;;) {
        qsizetype unclosedAt = -1;
        int unclosedLine = 0;
        if (!splitRows(text, pos, line, table.separator, literalQuotes, table, unclosedAt, unclosedLine, progress))
            break;
        if (unclosedAt < 0)
            break;
        literalQuotes.insert(unclosedAt);
        table.unclosedQuoteLines.append(unclosedLine);
    }
    for (const SourceRow& row : table.rows)
        table.columnCount = std::max(table.columnCount, static_cast<int>(row.fields.size()));
    return table;
}

namespace {

QString replaceEntities(QString text)
{
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9A-Fa-f]+|#[0-9]+|[A-Za-z]+);"));
    if (!text.contains(u'&'))
        return text;
    QString result;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        QString replacement;
        if (name.startsWith(u"#x") || name.startsWith(u"#X")) {
            replacement = QString::fromUcs4(std::array<char32_t, 1>{name.mid(2).toUInt(nullptr, 16)}.data(), 1);
        } else if (name.startsWith(u'#')) {
            replacement = QString::fromUcs4(std::array<char32_t, 1>{name.mid(1).toUInt()}.data(), 1);
        } else {
            static const QHash<QString, QString> named{
                {QStringLiteral("nbsp"), QStringLiteral(" ")},  {QStringLiteral("amp"), QStringLiteral("&")},
                {QStringLiteral("lt"), QStringLiteral("<")},    {QStringLiteral("gt"), QStringLiteral(">")},
                {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("apos"), QStringLiteral("'")},
            };
            const auto found = named.constFind(name);
            if (found == named.constEnd())
                continue;
            replacement = *found;
        }
        result += QStringView(text).sliced(last, m.capturedStart() - last);
        result += replacement;
        last = m.capturedEnd();
    }
    result += QStringView(text).sliced(last);
    return result;
}

QString oneLine(QStringView text)
{
    QString result;
    result.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (c.isSpace() && c != QChar(0x3000)) {
            space = true;
            continue;
        }
        if (space && !result.isEmpty())
            result += u' ';
        space = false;
        result += c;
    }
    return result;
}

} // namespace

QString plainField(QStringView field, HtmlMode html)
{
    if (html == HtmlMode::Off ||
        (!field.contains(u'<') && !field.contains(u'&') && !field.contains(u'[') && !field.contains(u'{')))
        return oneLine(field);
    // A cloze deletion "{{c1::answer::hint}}" reads as its answer.
    static const QRegularExpression cloze(QStringLiteral("\\{\\{c\\d+::(.*?)(?:::[^}]*)?\\}\\}"));
    static const QRegularExpression sound(QStringLiteral("\\[sound:[^\\]]*\\]"));
    static const QRegularExpression breaks(QStringLiteral("<(br|/?div|/?p|/li)\\b[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anyTag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression formattingTag(
        QStringLiteral("</?(b|i|u|s|em|strong|span|font|sup|sub|img|a|ruby|rb|rt|rp|ul|ol|li|hr)\\b[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    QString text = field.toString();
    text.replace(cloze, QStringLiteral("\\1"));
    text.remove(sound);
    text.replace(breaks, QStringLiteral(" "));
    text.remove(html == HtmlMode::On ? anyTag : formattingTag);
    return oneLine(replaceEntities(text));
}

} // namespace lumo::exchange
