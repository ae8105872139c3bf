#pragma once
// The training history held compactly: each English word once, with the day
// and the marks of each of its lines, instead of the text. A history of ten
// years (a million lines, 35 MB on disk) takes about 8 MB this way, and
// everything that looks at the learner's past (today's review, the learning
// record, the missed-word export) reads it from here. Lines are read as
// data/historylines.h reads them; unreadable ones are counted and left out.
#include "data/historylines.h"
#include "data/wordindex.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <iterator>
#include <limits>
#include <vector>

namespace lumo {

// The marks of one history line, up to 30 of them, in 32 bits: bit i set for
// a ○ at mark i (oldest first), one bit set above the last mark, and the top
// bit set when these marks go on from the entry before (a line of more than
// 30 marks takes several entries).
struct LineMarks {
    qint32 day = 0; // Julian day of the line's date
    quint32 packed = 1;

    static constexpr int kMaxMarks = 30;
    static constexpr quint32 kContinues = 0x80000000u;

    int count() const;
    bool right(int mark) const { return (packed >> mark) & 1u; }
    bool continuesLine() const { return packed & kContinues; }
    int wrongMarks() const;
};

// A word's lines, oldest first, kept in blocks of 32: a line once added
// stays where it is, and the lines of a later part of the history (read by
// another thread) are joined on by linking their blocks, not by copying
// them, so joining the halves of a long history takes no memory beyond them.
class LineList {
    struct Block {
        static constexpr int kLines = 32;
        Block* next = nullptr;
        int count = 0;
        std::array<LineMarks, kLines> lines;
    };

  public:
    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = LineMarks;
        using difference_type = std::ptrdiff_t;
        using pointer = const LineMarks*;
        using reference = const LineMarks&;

        const_iterator() = default;
        reference operator*() const { return m_block->lines[static_cast<std::size_t>(m_index)]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++()
        {
            if (++m_index == m_block->count) {
                m_block = m_block->next;
                m_index = 0;
            }
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator&) const = default;

      private:
        friend class LineList;
        explicit const_iterator(const Block* block) : m_block(block) {}
        const Block* m_block = nullptr; // null at the end
        int m_index = 0;
    };

    LineList() = default;
    LineList(const LineList& other);
    LineList(LineList&& other) noexcept;
    LineList& operator=(const LineList& other);
    LineList& operator=(LineList&& other) noexcept;
    ~LineList();

    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }
    const LineMarks& front() const { return *begin(); }
    LineMarks& back();
    const LineMarks& back() const;
    const_iterator begin() const { return const_iterator(m_first); }
    const_iterator end() const { return {}; }

    void push_back(const LineMarks& line);
    // Adds the lines of `later` after these; `later` is left empty.
    void append(LineList&& later);
    void clear();

  private:
    Block* m_first = nullptr; // every block holds at least one line
    Block* m_last = nullptr;
    std::size_t m_size = 0;
};

struct WordAnswers {
    QString english;
    // The meaning of its latest line: the last line of its latest date.
    QString meaning;
    qint64 meaningDay = std::numeric_limits<qint64>::min();
    int firstLine = 0; // its first line, counted from 0 over every line of the history
    // Its first line with a ×, counted the same way (-1: never missed), and
    // that line's meaning.
    qint64 firstMissLine = -1;
    QString firstMissMeaning;
    LineList lines; // in the order of the history
};

class AnswerLog {
  public:
    // Adds the readable lines of `text`, which continues the history read so
    // far (it starts at a line start).
    void addText(QStringView text);
    // Adds the history that follows the one read so far, read on its own
    // (the second half of a file read by another thread).
    void append(AnswerLog&& later);
    // Adds one readable line with `marks` (○ and × only, at least one).
    void addLine(QStringView english, QStringView meaning, qint64 day, QStringView marks);
    // Joins a mark to the end of the last line of `word`, as a mark of the
    // same run joins that run's line.
    void addMark(int word, bool right);

    const std::vector<WordAnswers>& words() const { return m_words; }
    // The number of `english` in words(), -1 when it has none.
    int find(QStringView english) const { return m_index.find(english); }
    int readLines() const { return m_counts.readLines; }
    int skippedLines() const { return m_counts.skippedLines; }
    int lineCount() const { return m_counts.lines; } // every line read, blank ones too

    static AnswerLog fromText(QStringView text);

  private:
    WordAnswers& wordFor(QStringView english);
    void addAnswer(const HistoryAnswer& answer, int lineNumber);

    WordIndex m_index;
    std::vector<WordAnswers> m_words; // by their numbers in m_index
    HistoryLineCounts m_counts;       // `lines` counts every line read so far
};

} // namespace lumo
