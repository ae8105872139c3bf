// The example lookup. The first line of the input is the word looked up,
// the rest the joined example text.
#include "fuzz_support.h"

#include "data/examples.h"
#include "data/richtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = lumo::fuzz::fileText(data, size);
    const qsizetype newline = input.indexOf(u'\n');
    const QString word = newline < 0 ? input : input.left(newline);
    const QString text = newline < 0 ? QString() : lumo::loadedText(input.mid(newline + 1));
    const lumo::ExampleLookup lookup(text);
    const std::optional<QString> found = lookup.find(word);
    if (found) {
        QString lower = word;
        if (!lower.isEmpty())
            lower[0] = lower[0].toLower();
        FUZZ_EXPECT(found->contains(u' ' + word + u' ') || found->contains(u' ' + lower + u' '));
        FUZZ_EXPECT(found->contains(QStringLiteral("\r\r\n")) || found->contains(QStringLiteral("\r\n")));
    }
    return 0;
}
