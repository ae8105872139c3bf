#include "data/examples.h"

#include "data/richtext.h"
#include "data/textfile.h"

#include <QStringView>

#include <algorithm>

namespace lumo {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr qsizetype kBackOff = 200; // characters kept before the first occurrence

// The first line of `rest`, up to and including the CR of its CR LF; empty
// when `rest` holds no CR LF.
QStringView firstLine(QStringView rest)
{
    const qsizetype q = rest.indexOf(kCrLf);
    return q < 0 ? QStringView() : rest.first(q + 1);
}

} // namespace

ExampleText loadExampleText(const QString& folder)
{
    ExampleText result;
    for (const char* name : kExampleFiles) {
        const QString path = folder + QString::fromUtf8(name);
        const TextFile file = readTextFile(path);
        if (file.status != TextFile::Status::Ok)
            result.problems.append(readProblemMessage(file, path));
        if (file.usable())
            result.text += loadedText(file.text);
    }
    return result;
}

ExampleLookup::ExampleLookup(const QString& exampleText) : m_text(exampleText + kCrLf) {}

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
    for (;;) {
        const QStringView line = firstLine(rest);
        if (line.isEmpty())
            return std::nullopt;
        rest = rest.sliced(line.size() + 1); // the line, its CR and its LF
        if (line.contains(key)) {
            // A line far longer than any sentence is cut; the match, at most
            // 200 characters in, stays.
            const QStringView shown =
                line.first(std::min(line.size(), std::max<qsizetype>(kMaxLineLength, kBackOff + key.size())));
            QString stored;
            QStringView next = firstLine(rest);
            next = next.first(std::min<qsizetype>(next.size(), kMaxLineLength));
            stored.reserve(shown.size() + kCrLf.size() + next.size());
            stored.append(shown).append(kCrLf).append(next);
            return stored;
        }
        if (rest.isEmpty())
            return std::nullopt;
    }
}

} // namespace lumo
