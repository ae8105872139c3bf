#include "review/historyreplay.h"

#include "base/aside.h"
#include "data/wordindex.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <thread>

namespace lumo {
namespace {

// A word as the replay keeps it: its card apart from the rest, so that the
// cards replayed line after line lie close together.
struct WordState {
    QStringView meaning;
    qint64 meaningDay = std::numeric_limits<qint64>::min();
    int firstLine = 0;
    bool outOfOrder = false; // a line dated before an earlier one: replayed again by date
};

MemoryCard replayMarks(const MemoryModel& model, MemoryCard card, qint64 day, QStringView marks)
{
    for (const QChar mark : marks)
        card = model.reviewed(card, day, mark == kRightMark ? Rating::Good : Rating::Again);
    return card;
}

// Replays the words whose lines are out of date order: their lines again,
// sorted by date, the order of the file kept within a date.
void replayByDate(QStringView history, const std::vector<WordState>& words, std::vector<MemoryCard>& cards,
                  const WordIndex& wordIndex, const MemoryModel& model)
{
    struct Review {
        int word;
        qint64 day;
        QStringView marks;
    };
    std::vector<Review> reviews;
    forEachHistoryAnswer(history, [&](const HistoryAnswer& answer) {
        const int word = wordIndex.find(answer.english);
        if (word >= 0 && words[static_cast<std::size_t>(word)].outOfOrder)
            reviews.push_back({word, answer.day, answer.marks});
    });
    std::stable_sort(reviews.begin(), reviews.end(), [](const Review& a, const Review& b) {
        return a.word != b.word ? a.word < b.word : a.day < b.day;
    });
    for (std::size_t word = 0; word < words.size(); ++word) {
        if (words[word].outOfOrder)
            cards[word] = MemoryCard{};
    }
    for (const Review& review : reviews) {
        MemoryCard& card = cards[static_cast<std::size_t>(review.word)];
        card = replayMarks(model, card, review.day, review.marks);
    }
}

// The words whose hashes fall to `part` of `parts`, replayed: every part reads
// the whole history and replays its own words, so the parts run side by side
// on as many processor cores and need nothing from each other.
struct ReplayedPart {
    std::vector<WordMemory> words; // in order of first appearance
    HistoryLineCounts counts;
};

ReplayedPart replayPart(QStringView history, qint64 today, unsigned part, unsigned parts)
{
    const MemoryModel model;
    WordIndex wordIndex;
    std::vector<WordState> words;
    std::vector<MemoryCard> cards;
    bool anyOutOfOrder = false;

    // One pass in the order of the file, which is the order of time: each
    // word's card is replayed as its lines come.
    ReplayedPart result;
    result.counts = forEachHistoryAnswer(history, [&](const HistoryAnswer& answer) {
        const quint64 hash = WordIndex::hashOf(answer.english);
        // The index files words by the hash's low bits: the parts share out
        // the high ones.
        if ((hash >> 48) % parts != part)
            return;
        const auto number = static_cast<std::size_t>(wordIndex.add(answer.english, hash));
        if (number == words.size()) {
            words.push_back(WordState{{}, std::numeric_limits<qint64>::min(), answer.lineNumber, false});
            cards.emplace_back();
        }
        WordState& word = words[number];
        if (answer.day >= word.meaningDay) {
            word.meaning = answer.meaning;
            word.meaningDay = answer.day;
        }
        if (word.outOfOrder)
            return;
        MemoryCard& card = cards[number];
        if (card.reviews > 0 && answer.day < card.lastReviewDay) {
            // A clock set back: this word is replayed by date at the end.
            word.outOfOrder = true;
            anyOutOfOrder = true;
            return;
        }
        card = replayMarks(model, card, answer.day, answer.marks);
    });
    if (anyOutOfOrder)
        replayByDate(history, words, cards, wordIndex, model);

    result.words.reserve(words.size());
    for (std::size_t number = 0; number < words.size(); ++number) {
        WordMemory memory;
        memory.english = wordIndex.word(static_cast<int>(number)).toString();
        memory.meaning = words[number].meaning.toString();
        memory.card = cards[number];
        memory.retrievability = model.retrievability(memory.card, today);
        memory.firstLine = words[number].firstLine;
        result.words.push_back(std::move(memory));
    }
    return result;
}

// Long histories are replayed in parts on separate cores; a short one is not
// worth a thread.
unsigned partsFor(QStringView history, unsigned requested)
{
    if (requested > 0)
        return requested;
    constexpr qsizetype kLettersWorthAThread = 1 << 20;
    if (history.size() < kLettersWorthAThread)
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

} // namespace

ReplayedHistory replayHistory(QStringView history, QDate today, unsigned parts)
{
    const qint64 todayDay = today.toJulianDay();
    parts = partsFor(history, parts);
    std::vector<std::future<ReplayedPart>> others;
    for (unsigned part = 1; part < parts; ++part)
        others.push_back(startAside([=] { return replayPart(history, todayDay, part, parts); }));
    std::vector<ReplayedPart> replayed;
    replayed.push_back(replayPart(history, todayDay, 0, parts));
    for (auto& other : others)
        replayed.push_back(other.get());

    ReplayedHistory result;
    result.readLines = replayed.front().counts.readLines;
    result.skippedLines = replayed.front().counts.skippedLines;
    for (ReplayedPart& part : replayed) {
        const auto middle = static_cast<std::ptrdiff_t>(result.words.size());
        result.words.insert(result.words.end(), std::make_move_iterator(part.words.begin()),
                            std::make_move_iterator(part.words.end()));
        std::inplace_merge(result.words.begin(), result.words.begin() + middle, result.words.end(),
                           [](const WordMemory& a, const WordMemory& b) { return a.firstLine < b.firstLine; });
    }
    return result;
}

} // namespace lumo
