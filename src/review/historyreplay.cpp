#include "review/historyreplay.h"

#include "base/aside.h"

#include <algorithm>
#include <thread>

namespace lumo {
namespace {

template <class Lines> bool inDateOrder(const Lines& lines)
{
    return std::is_sorted(lines.begin(), lines.end(),
                          [](const LineMarks& a, const LineMarks& b) { return a.day < b.day; });
}

template <class Iterator>
MemoryCard replayInOrder(const MemoryModel& model, MemoryCard card, Iterator from, Iterator to)
{
    for (auto line = from; line != to; ++line) {
        const int marks = line->count();
        for (int mark = 0; mark < marks; ++mark)
            card = model.reviewed(card, line->day, line->right(mark) ? Rating::Good : Rating::Again);
    }
    return card;
}

WordMemory memoryOf(const WordAnswers& word, const MemoryCard& card, int firstLine)
{
    WordMemory memory;
    memory.english = word.english;
    memory.meaning = word.meaning;
    memory.card = card;
    memory.firstLine = firstLine;
    return memory;
}

// Long histories are replayed in parts on separate cores; a short one is not
// worth a thread.
unsigned partsFor(const AnswerLog& history, unsigned requested)
{
    if (requested > 0)
        return requested;
    constexpr int kLinesWorthAThread = 20000;
    if (history.readLines() < kLinesWorthAThread)
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

} // namespace

MemoryCard replayLines(const MemoryModel& model, const LineList& lines)
{
    if (inDateOrder(lines))
        return replayInOrder(model, MemoryCard{}, lines.begin(), lines.end());
    // A clock set back: the lines again, by date.
    std::vector<LineMarks> byDate(lines.begin(), lines.end());
    std::stable_sort(byDate.begin(), byDate.end(),
                     [](const LineMarks& a, const LineMarks& b) { return a.day < b.day; });
    return replayInOrder(model, MemoryCard{}, byDate.begin(), byDate.end());
}

ReplayedHistory replayAnswers(const AnswerLog& history, QDate today, unsigned parts)
{
    const qint64 todayDay = today.toJulianDay();
    const std::vector<WordAnswers>& words = history.words();
    ReplayedHistory result;
    result.readLines = history.readLines();
    result.skippedLines = history.skippedLines();
    result.words.resize(words.size());
    // Every part replays every parts-th word: the words' histories are
    // apart, so the parts share nothing but the result's separate places.
    const auto replayPart = [&](unsigned part, unsigned count) {
        const MemoryModel model;
        for (std::size_t i = part; i < words.size(); i += count) {
            WordMemory& memory = result.words[i];
            memory = memoryOf(words[i], replayLines(model, words[i].lines), words[i].firstLine);
            memory.retrievability = model.retrievability(memory.card, todayDay);
        }
    };
    parts = std::max(1u, partsFor(history, parts));
    std::vector<std::future<void>> others;
    for (unsigned part = 1; part < parts; ++part)
        others.push_back(startAside([&replayPart, part, parts] { replayPart(part, parts); }));
    replayPart(0, parts);
    for (auto& other : others)
        other.get();
    return result;
}

ReplayedHistory replayHistory(QStringView history, QDate today, unsigned parts)
{
    return replayAnswers(AnswerLog::fromText(history), today, parts);
}

ReplayedHistory continueReplay(const ReplayedHistory& history, const AnswerLog& file, const AnswerLog& run, QDate today)
{
    const qint64 todayDay = today.toJulianDay();
    const MemoryModel model;
    ReplayedHistory result = history;
    result.readLines += run.readLines();
    // The run's lines follow the file's.
    const int runFirstLine = file.lineCount();
    for (const WordAnswers& word : run.words()) {
        const int number = file.find(word.english);
        if (number < 0) {
            result.words.push_back(memoryOf(word, replayLines(model, word.lines), runFirstLine + word.firstLine));
            continue;
        }
        const WordAnswers& before = file.words()[static_cast<std::size_t>(number)];
        WordMemory& memory = result.words[static_cast<std::size_t>(number)];
        if (word.meaningDay >= before.meaningDay)
            memory.meaning = word.meaning;
        if (!word.lines.empty() && word.lines.front().day >= memory.card.lastReviewDay && inDateOrder(word.lines)) {
            memory.card = replayInOrder(model, memory.card, word.lines.begin(), word.lines.end());
        } else {
            LineList lines = before.lines;
            lines.append(LineList(word.lines));
            memory.card = replayLines(model, lines);
        }
    }
    for (WordMemory& memory : result.words)
        memory.retrievability = model.retrievability(memory.card, todayDay);
    return result;
}

} // namespace lumo
