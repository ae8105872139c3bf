// The trainer's course files: English words picked from a course file and
// proverb pairs from the proverb file.
#include "fuzz_support.h"

#include "base/random.h"
#include "data/richtext.h"
#include "typing/courses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int level = data[0] % 3 + 1;
    const QString text = lumo::loadedText(lumo::fuzz::fileText(data + 1, size - 1));
    lumo::typing::LineTables tables;
    const int words = lumo::typing::pickCourseWords(text + QStringLiteral("\r\n"), level, 0, tables);
    FUZZ_EXPECT(words >= 0 && words <= lumo::typing::kMaxWords);
    for (int i = 1; i <= words; ++i) {
        FUZZ_EXPECT(!tables.text[i].isEmpty());
        FUZZ_EXPECT(tables.hint[i].size() <= lumo::kMaxLineLength);
    }
    tables.clear();
    const int proverbs = lumo::typing::proverbLines(text, tables);
    FUZZ_EXPECT(proverbs >= 0 && proverbs <= lumo::typing::kMaxLines);
    for (int i = 1; i <= proverbs; ++i)
        FUZZ_EXPECT(tables.text[i].size() <= lumo::kMaxLineLength);
    return 0;
}
