// Rich-text documents reduced to the text they show.
#include "fuzz_support.h"

#include "data/richtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Every input is taken as a document, whatever its first bytes.
    const QString text = QStringLiteral("{\\rtf") + lumo::fuzz::fileText(data, size);
    const QString shown = lumo::plainTextOfRichText(text);
    FUZZ_EXPECT(shown.size() <= text.size() * 2);
    const QString loaded = lumo::loadedText(text);
    for (qsizetype i = 0; i < loaded.size(); ++i)
        if (loaded[i] == u'\n')
            FUZZ_EXPECT(i > 0 && loaded[i - 1] == u'\r');
    return 0;
}
