#pragma once
// Numbers for the words of a long text, in order of first appearance: the
// English words of a history of a million lines, looked up once a line.
//
// A flat table with a cheap hash; each slot holds where its word's letters
// lie, and the letters are copied into one block, so finding a word touches
// two nearby places instead of the place far back in a 100 MB history where
// the word first appeared.

#include <QStringView>
#include <QtGlobal>

#include <vector>

namespace lumo {

class WordIndex {
  public:
    // The number of `word`; a word not seen before gets the next number.
    int add(QStringView word) { return add(word, hashOf(word)); }
    int add(QStringView word, quint64 hash);
    // The number of `word`, or -1 when it was never added.
    int find(QStringView word) const;
    int size() const { return static_cast<int>(m_slotOf.size()); }
    // The word with `number`; valid until the next add().
    QStringView word(int number) const;

    // The hash the index files a word under; spread well enough over every
    // bit to divide words between threads by it.
    static quint64 hashOf(QStringView word);

  private:
    struct Slot {
        quint32 tag = 0; // the hash's upper half
        int number = -1; // -1: empty
        quint32 start = 0;
        quint32 length = 0;
    };
    // The slot holding `word`, or the empty slot where it belongs.
    std::size_t slotFor(QStringView word, quint64 hash) const;
    void grow();

    std::vector<Slot> m_slots;
    std::vector<char16_t> m_letters;
    std::vector<quint64> m_hashes;     // by number
    std::vector<std::size_t> m_slotOf; // by number
};

} // namespace lumo
