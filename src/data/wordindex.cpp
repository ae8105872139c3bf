#include "data/wordindex.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

namespace lumo {
namespace {

constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15ull;

quint32 tagOf(quint64 hash)
{
    return static_cast<quint32>(hash >> 32);
}

bool sameLetters(const char16_t* letters, QStringView word)
{
    const char16_t* other = word.utf16();
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (letters[i] != other[i])
            return false;
    }
    return true;
}

} // namespace

// Four UTF-16 units at a time, multiplied and folded: words are short, and the
// table needs their hashes spread, not secret.
quint64 WordIndex::hashOf(QStringView word)
{
    const auto* units = reinterpret_cast<const unsigned char*>(word.utf16());
    std::size_t bytes = static_cast<std::size_t>(word.size()) * sizeof(char16_t);
    quint64 hash = bytes * kMultiplier;
    while (bytes >= 8) {
        quint64 chunk = 0;
        std::memcpy(&chunk, units, 8);
        hash = (hash ^ chunk) * kMultiplier;
        hash ^= hash >> 29;
        units += 8;
        bytes -= 8;
    }
    if (bytes > 0) {
        quint64 chunk = 0;
        std::memcpy(&chunk, units, bytes);
        hash = (hash ^ chunk) * kMultiplier;
    }
    hash ^= hash >> 32;
    hash *= kMultiplier;
    return hash ^ (hash >> 29);
}

std::size_t WordIndex::slotFor(QStringView word, quint64 hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const quint32 tag = tagOf(hash);
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = m_slots[at];
        if (slot.number < 0)
            return at;
        if (slot.tag == tag && slot.length == static_cast<std::size_t>(word.size()) &&
            sameLetters(m_letters.data() + slot.start, word))
            return at;
    }
}

int WordIndex::find(QStringView word) const
{
    if (m_slots.empty())
        return -1;
    return m_slots[slotFor(word, hashOf(word))].number;
}

int WordIndex::add(QStringView word, quint64 hash)
{
    if ((m_slotOf.size() + 1) * 2 > m_slots.size())
        grow();
    const std::size_t at = slotFor(word, hash);
    Slot& slot = m_slots[at];
    if (slot.number >= 0)
        return slot.number;
    // The texts the program reads are far smaller than 4 G letters.
    if (m_letters.size() + static_cast<std::size_t>(word.size()) > std::numeric_limits<quint32>::max())
        throw std::length_error("WordIndex: too many letters");
    slot = Slot{tagOf(hash), size(), static_cast<quint32>(m_letters.size()), static_cast<quint32>(word.size())};
    m_letters.insert(m_letters.end(), word.utf16(), word.utf16() + word.size());
    m_hashes.push_back(hash);
    m_slotOf.push_back(at);
    return slot.number;
}

QStringView WordIndex::word(int number) const
{
    const Slot& slot = m_slots[m_slotOf[static_cast<std::size_t>(number)]];
    return QStringView(m_letters.data() + slot.start, static_cast<qsizetype>(slot.length));
}

void WordIndex::grow()
{
    std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(std::max<std::size_t>(64, m_slots.size() * 2)));
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t number = 0; number < m_hashes.size(); ++number) {
        std::size_t at = m_hashes[number] & mask;
        while (m_slots[at].number >= 0)
            at = (at + 1) & mask;
        m_slots[at] = old[m_slotOf[number]];
        m_slotOf[number] = at;
    }
}

} // namespace lumo
