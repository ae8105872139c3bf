#include "data/richtext.h"

#include "data/textfile.h"

namespace lumo {

namespace {

// Groups of a rich-text document that hold tables, metadata or pictures
// rather than text the document shows.
bool isHiddenGroup(QStringView word)
{
    static const QString hidden = QStringLiteral(
        " fonttbl colortbl stylesheet info pict object header headerl headerr headerf footer footerl footerr"
        " footerf footnote listtable listoverridetable rsidtbl generator xmlnstbl themedata colorschememapping"
        " latentstyles datastore fldinst filetbl revtbl pgdsctbl mmathPr nonshppict ");
    QString key(u' ');
    key.append(word).append(u' ');
    return hidden.contains(key);
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString plainTextOfRichText(const QString& text)
{
    if (!text.startsWith(u"{\\rtf"))
        return text;

    struct Group {
        bool hidden = false;
        int unicodeSkip = 1; // fallback characters written after each \uN
    };
    std::vector<Group> groups{Group{}};
    QString out;
    QByteArray bytes; // a run of \'hh escapes, decoded together
    int skip = 0;     // fallback characters of the last \uN still to drop
    auto flush = [&] {
        if (!bytes.isEmpty()) {
            out += decodeCp932(bytes).text;
            bytes.clear();
        }
    };
    auto shown = [&] {
        if (groups.back().hidden)
            return false;
        if (skip > 0) {
            --skip;
            return false;
        }
        return true;
    };
    auto put = [&](QStringView shownText) {
        if (!shown())
            return;
        flush();
        out += shownText;
    };
    auto lineBreak = [&] {
        skip = 0;
        put(u"\r\n");
    };

    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'{') {
            groups.push_back(groups.back());
            ++i;
        } else if (c == u'}') {
            if (groups.size() > 1)
                groups.pop_back();
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            ++i; // line breaks of the file itself show nothing
        } else if (c != u'\\') {
            put(QStringView(&text.data()[i], 1));
            ++i;
        } else if (i + 1 < n && isAsciiLetter(text.at(i + 1))) {
            // A control word with an optional number and one optional blank.
            qsizetype end = i + 1;
            while (end < n && isAsciiLetter(text.at(end)))
                ++end;
            const QStringView word = QStringView(text).sliced(i + 1, end - i - 1);
            qsizetype next = end;
            if (next < n && text.at(next) == u'-')
                ++next;
            while (next < n && isAsciiDigit(text.at(next)))
                ++next;
            bool hasNumber = false;
            const int number = QStringView(text).sliced(end, next - end).toInt(&hasNumber);
            if (next < n && text.at(next) == u' ')
                ++next;
            i = next;
            if (word == u"par" || word == u"line" || word == u"sect" || word == u"row") {
                lineBreak();
            } else if (word == u"tab" || word == u"cell") {
                put(u"\t");
            } else if (word == u"u" && hasNumber) {
                const char16_t unit = char16_t(number < 0 ? number + 65536 : number);
                put(QStringView(&unit, 1));
                skip = groups.back().unicodeSkip;
            } else if (word == u"uc" && hasNumber) {
                groups.back().unicodeSkip = std::max(0, number);
            } else if (isHiddenGroup(word)) {
                groups.back().hidden = true;
            }
        } else if (i + 1 < n) {
            // A control symbol.
            const QChar symbol = text.at(i + 1);
            i += 2;
            if (symbol == u'\'') {
                bool ok = false;
                const int byte = QStringView(text).mid(i, 2).toInt(&ok, 16);
                i += 2;
                if (ok && shown())
                    bytes.append(char(byte));
            } else if (symbol == u'\\' || symbol == u'{' || symbol == u'}') {
                put(QStringView(&text.data()[i - 1], 1));
            } else if (symbol == u'~') {
                put(u" ");
            } else if (symbol == u'_') {
                put(u"-");
            } else if (symbol == u'*') {
                groups.back().hidden = true;
            } else if (symbol == u'\r' || symbol == u'\n') {
                lineBreak();
            }
        } else {
            i = n; // a lone backslash at the very end shows nothing
        }
    }
    flush();
    return out;
}

QString loadedText(const QString& fileText)
{
    return withCrLf(plainTextOfRichText(fileText));
}

TextFile readShownText(const QString& path, qint64 maxBytes, qsizetype maxLines)
{
    TextFile file = readTextFile(path, maxBytes);
    file.text = withLinesCut(loadedText(file.text), kMaxShownLineLength, file.cutLines);
    qsizetype lines = 0;
    if (maxLines > 0)
        forEachLine(file.text, [&](QStringView) { return ++lines <= maxLines; });
    if (lines > maxLines) {
        file = TextFile();
        file.status = TextFile::Status::TooLarge;
        file.maxLines = maxLines;
    }
    return file;
}

} // namespace lumo
