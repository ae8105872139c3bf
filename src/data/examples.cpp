#include "data/examples.h"

#include "data/richtext.h"
#include "data/textfile.h"

#include <QStringView>

#include <algorithm>
#include <utility>

namespace lumo {
namespace {

constexpr qsizetype kBackOff = 200; // characters kept before the first occurrence

// Takes the next line of `rest` off its front and gives it without its
// CR LF. The example text is read as if it ended in one more CR LF, so its
// last line counts whether or not it has a break of its own, and a text that
// ends in a break has one empty line after it; `ended` notes that this added
// line has been taken. nullopt when no line is left.
std::optional<QStringView> takeLine(QStringView& rest, bool& ended)
{
    const qsizetype q = rest.indexOf(kCrLf);
    if (q >= 0) {
        const QStringView line = rest.first(q);
        rest = rest.sliced(q + kCrLf.size());
        return line;
    }
    if (ended)
        return std::nullopt;
    ended = true;
    return std::exchange(rest, QStringView());
}

// `line` with its CR after it, cut to `limit` characters.
QString withCr(QStringView line, qsizetype limit)
{
    return limit > line.size() ? line.toString() + u'\r' : line.first(limit).toString();
}

} // namespace

ExampleText loadExampleText(const QString& folder)
{
    ExampleText result;
    QStringList texts;
    qsizetype size = 0;
    for (const char* name : kExampleFiles) {
        const QString path = folder + QString::fromUtf8(name);
        const TextFile file = readTextFile(path);
        if (file.status != TextFile::Status::Ok)
            result.problems.append(readProblemMessage(file, path));
        if (file.usable()) {
            texts.append(loadedText(file.text));
            size += texts.constLast().size();
        }
    }
    // Exactly the size it needs: the text stays in memory for the whole run.
    result.text.reserve(size);
    for (const QString& text : std::as_const(texts))
        result.text += text;
    return result;
}

ExampleLookup::ExampleLookup(QString exampleText) : m_text(std::move(exampleText)) {}

std::optional<QString> ExampleLookup::find(const QString& ex) const
{
    const QStringView text(m_text);
    QString key = u' ' + ex + u' ';
    qsizetype p = text.indexOf(key);
    if (p < 0) {
        if (!ex.isEmpty())
            key[1] = key[1].toLower();
        p = text.indexOf(key);
        if (p < 0)
            return std::nullopt;
    }

    // Walk the lines from at most 200 characters before the occurrence.
    QStringView rest = text.sliced(std::max<qsizetype>(0, p - kBackOff));
    bool ended = false;
    while (const std::optional<QStringView> line = takeLine(rest, ended)) {
        if (line->contains(key)) {
            // A line far longer than any sentence is cut; the match, at most
            // 200 characters in, stays.
            QString stored = withCr(*line, std::max<qsizetype>(kMaxLineLength, kBackOff + key.size()));
            stored += kCrLf;
            if (const std::optional<QStringView> next = takeLine(rest, ended))
                stored += withCr(*next, kMaxLineLength);
            return stored;
        }
    }
    return std::nullopt;
}

} // namespace lumo
