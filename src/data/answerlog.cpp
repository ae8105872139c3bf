#include "data/answerlog.h"

#include <bit>
#include <utility>

namespace lumo {

int LineMarks::count() const
{
    return std::bit_width(packed & ~kContinues) - 1;
}

int LineMarks::wrongMarks() const
{
    const int n = count();
    return n - std::popcount(packed & ((1u << n) - 1u));
}

LineList::LineList(const LineList& other)
{
    for (const LineMarks& line : other)
        push_back(line);
}

LineList::LineList(LineList&& other) noexcept
    : m_first(std::exchange(other.m_first, nullptr)), m_last(std::exchange(other.m_last, nullptr)),
      m_size(std::exchange(other.m_size, 0))
{
}

LineList& LineList::operator=(const LineList& other)
{
    if (this != &other)
        *this = LineList(other);
    return *this;
}

LineList& LineList::operator=(LineList&& other) noexcept
{
    if (this != &other) {
        clear();
        m_first = std::exchange(other.m_first, nullptr);
        m_last = std::exchange(other.m_last, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

LineList::~LineList()
{
    clear();
}

void LineList::clear()
{
    // One block after another: a word of a long history has thousands.
    while (m_first)
        delete std::exchange(m_first, m_first->next);
    m_last = nullptr;
    m_size = 0;
}

LineMarks& LineList::back()
{
    return m_last->lines[static_cast<std::size_t>(m_last->count - 1)];
}

const LineMarks& LineList::back() const
{
    return m_last->lines[static_cast<std::size_t>(m_last->count - 1)];
}

void LineList::push_back(const LineMarks& line)
{
    if (!m_last || m_last->count == Block::kLines) {
        auto* block = new Block;
        (m_last ? m_last->next : m_first) = block;
        m_last = block;
    }
    m_last->lines[static_cast<std::size_t>(m_last->count++)] = line;
    ++m_size;
}

void LineList::append(LineList&& later)
{
    if (later.empty())
        return;
    (m_last ? m_last->next : m_first) = std::exchange(later.m_first, nullptr);
    m_last = std::exchange(later.m_last, nullptr);
    m_size += std::exchange(later.m_size, 0);
}

namespace {

// Adds a mark after the entry's last one; false when it holds the most it can.
bool addMarkTo(LineMarks& entry, bool right)
{
    const int marks = entry.count();
    if (marks == LineMarks::kMaxMarks)
        return false;
    entry.packed = (entry.packed & ~(1u << marks)) | (1u << (marks + 1)) | (right ? 1u << marks : 0u);
    return true;
}

// An entry for the marks of a line past the first kMaxMarks.
LineMarks continuation(qint32 day)
{
    return LineMarks{day, 1u | LineMarks::kContinues};
}

} // namespace

WordAnswers& AnswerLog::wordFor(QStringView english)
{
    const auto number = static_cast<std::size_t>(m_index.add(english));
    if (number == m_words.size()) {
        m_words.emplace_back();
        m_words.back().english = english.toString();
    }
    return m_words[number];
}

void AnswerLog::addAnswer(const HistoryAnswer& answer, int lineNumber)
{
    WordAnswers& word = wordFor(answer.english);
    if (word.lines.empty())
        word.firstLine = lineNumber;
    if (answer.day >= word.meaningDay) {
        word.meaningDay = answer.day;
        // Most lines of a word repeat its meaning: compared before copied.
        if (word.meaning != answer.meaning)
            word.meaning = answer.meaning.toString();
    }
    LineMarks entry;
    entry.day = static_cast<qint32>(answer.day);
    bool missed = false;
    for (const QChar mark : answer.marks) {
        const bool right = mark == kRightMark;
        missed = missed || !right;
        if (!addMarkTo(entry, right)) {
            word.lines.push_back(entry);
            entry = continuation(entry.day);
            addMarkTo(entry, right);
        }
    }
    word.lines.push_back(entry);
    if (missed && word.firstMissLine < 0) {
        word.firstMissLine = lineNumber;
        word.firstMissMeaning = answer.meaning.toString();
    }
}

void AnswerLog::addText(QStringView text)
{
    const int firstLine = m_counts.lines;
    const HistoryLineCounts counts = forEachHistoryAnswer(
        text, [&](const HistoryAnswer& answer) { addAnswer(answer, firstLine + answer.lineNumber); });
    m_counts.readLines += counts.readLines;
    m_counts.skippedLines += counts.skippedLines;
    m_counts.lines += counts.lines;
}

void AnswerLog::addLine(QStringView english, QStringView meaning, qint64 day, QStringView marks)
{
    HistoryAnswer answer;
    answer.english = english;
    answer.meaning = meaning;
    answer.day = day;
    answer.marks = marks;
    addAnswer(answer, m_counts.lines);
    ++m_counts.readLines;
    ++m_counts.lines;
}

void AnswerLog::addMark(int word, bool right)
{
    WordAnswers& answers = m_words[static_cast<std::size_t>(word)];
    if (!addMarkTo(answers.lines.back(), right)) {
        answers.lines.push_back(continuation(answers.lines.back().day));
        addMarkTo(answers.lines.back(), right);
    }
    if (!right && answers.firstMissLine < 0) {
        // The line holding the mark: the word's last line.
        answers.firstMissLine = m_counts.lines - 1;
        answers.firstMissMeaning = answers.meaning;
    }
}

void AnswerLog::append(AnswerLog&& later)
{
    const int lineOffset = m_counts.lines;
    for (WordAnswers& next : later.m_words) {
        WordAnswers& word = wordFor(next.english);
        if (word.lines.empty()) {
            word = std::move(next);
            word.firstLine += lineOffset;
            if (word.firstMissLine >= 0)
                word.firstMissLine += lineOffset;
            continue;
        }
        if (next.meaningDay >= word.meaningDay) {
            word.meaningDay = next.meaningDay;
            word.meaning = std::move(next.meaning);
        }
        if (word.firstMissLine < 0 && next.firstMissLine >= 0) {
            word.firstMissLine = next.firstMissLine + lineOffset;
            word.firstMissMeaning = std::move(next.firstMissMeaning);
        }
        word.lines.append(std::move(next.lines));
    }
    m_counts.readLines += later.m_counts.readLines;
    m_counts.skippedLines += later.m_counts.skippedLines;
    m_counts.lines += later.m_counts.lines;
}

AnswerLog AnswerLog::fromText(QStringView text)
{
    AnswerLog log;
    log.addText(text);
    return log;
}

} // namespace lumo
