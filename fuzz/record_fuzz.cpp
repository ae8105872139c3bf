// The readers of the learner's past: the history summary, today's review
// (whose replay, shared out over two threads, must give what one gives) and
// the typing record.
#include "fuzz_support.h"

#include "record/learningrecord.h"
#include "review/historyreplay.h"
#include "typing/typingrecord.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = lumo::fuzz::fileText(data, size);
    const lumo::HistorySummary summary = lumo::summariseHistory(text, QDate(2001, 3, 5));
    FUZZ_EXPECT(summary.last30Days.size() == 30);
    FUZZ_EXPECT(summary.mostMissed.size() <= 20);
    FUZZ_EXPECT(summary.currentStreak <= summary.longestStreak || summary.longestStreak == 0);
    const lumo::ReplayedHistory whole = lumo::replayHistory(text, QDate(2001, 3, 5), 1);
    FUZZ_EXPECT(whole.readLines == summary.readLines && whole.skippedLines == summary.skippedLines);
    const lumo::ReplayedHistory split = lumo::replayHistory(text, QDate(2001, 3, 5), 2);
    FUZZ_EXPECT(split.words.size() == whole.words.size());
    for (std::size_t i = 0; i < whole.words.size() && i < split.words.size(); ++i) {
        FUZZ_EXPECT(split.words[i].english == whole.words[i].english);
        FUZZ_EXPECT(split.words[i].firstLine == whole.words[i].firstLine);
        FUZZ_EXPECT(split.words[i].card.dueDay == whole.words[i].card.dueDay);
    }
    const lumo::typing::TypingRecord record = lumo::typing::readTypingRecord(text);
    for (int level = 1; level <= 3; ++level)
        (void)lumo::testsOfLevel(record, level);
    (void)lumo::typing::worstKeys(record);
    return 0;
}
