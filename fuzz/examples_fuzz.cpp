// The example lookup. The first line of the input is the word looked up,
// the rest the joined example text. The lookup reads the text in place; it
// must give what the plain reading of a copy with one more CR LF gives.
#include "fuzz_support.h"

#include "data/examples.h"
#include "data/richtext.h"

#include <algorithm>

namespace {

std::optional<QString> referenceFind(const QString& exampleText, const QString& ex)
{
    const QString text = exampleText + u"\r\n"_qs;
    QString key = u' ' + ex + u' ';
    qsizetype p = text.indexOf(key);
    if (p < 0) {
        if (!ex.isEmpty())
            key[1] = key[1].toLower();
        p = text.indexOf(key);
        if (p < 0)
            return std::nullopt;
    }
    // Each line up to and including the CR of its CR LF.
    const auto lineAt = [&](qsizetype from) {
        const qsizetype q = text.indexOf(u"\r\n"_qs, from);
        return q < 0 ? QString() : text.mid(from, q + 1 - from);
    };
    for (qsizetype from = std::max<qsizetype>(0, p - 200); from < text.size();) {
        const QString line = lineAt(from);
        if (line.isEmpty())
            return std::nullopt;
        from += line.size() + 1;
        if (line.contains(key))
            return line.left(std::max<qsizetype>(lumo::kMaxLineLength, 200 + key.size())) + u"\r\n"_qs +
                   lineAt(from).left(lumo::kMaxLineLength);
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = lumo::fuzz::fileText(data, size);
    const qsizetype newline = input.indexOf(u'\n');
    const QString word = newline < 0 ? input : input.left(newline);
    const QString text = newline < 0 ? QString() : lumo::loadedText(input.mid(newline + 1));
    const lumo::ExampleLookup lookup(text);
    const std::optional<QString> found = lookup.find(word);
    FUZZ_EXPECT(found == referenceFind(text, word));
    if (found) {
        QString lower = word;
        if (!lower.isEmpty())
            lower[0] = lower[0].toLower();
        FUZZ_EXPECT(found->contains(u' ' + word + u' ') || found->contains(u' ' + lower + u' '));
        FUZZ_EXPECT(found->contains(QStringLiteral("\r\r\n")) || found->contains(QStringLiteral("\r\n")));
    }
    return 0;
}
