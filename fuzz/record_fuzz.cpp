// The learning record's readers: the history summary and the typing record.
#include "fuzz_support.h"

#include "record/learningrecord.h"
#include "typing/typingrecord.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = lumo::fuzz::fileText(data, size);
    const lumo::HistorySummary summary = lumo::summariseHistory(text, QDate(2001, 3, 5));
    FUZZ_EXPECT(summary.last30Days.size() == 30);
    FUZZ_EXPECT(summary.mostMissed.size() <= 20);
    FUZZ_EXPECT(summary.currentStreak <= summary.longestStreak || summary.longestStreak == 0);
    const lumo::typing::TypingRecord record = lumo::typing::readTypingRecord(text);
    for (int level = 1; level <= 3; ++level)
        (void)lumo::testsOfLevel(record, level);
    (void)lumo::typing::worstKeys(record);
    return 0;
}
