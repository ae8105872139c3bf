// Crossword word files, as they are read: the text a rich-text box shows,
// then one entry a line.
#include "fuzz_support.h"

#include "crossword/wordfile.h"
#include "data/richtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = lumo::loadedText(lumo::fuzz::fileText(data, size));
    const lumo::cross::ParsedWords parsed = lumo::cross::parseWordText(text);
    FUZZ_EXPECT(parsed.words.size() <= size_t(lumo::cross::kMaxWords));
    for (const lumo::cross::WordEntry& entry : parsed.words) {
        FUZZ_EXPECT(entry.eng.size() >= 2);
        FUZZ_EXPECT(!entry.eng.contains(u',') && !entry.jap.contains(u','));
        FUZZ_EXPECT(entry.eng.size() + entry.jap.size() < lumo::kMaxLineLength);
    }
    return 0;
}
