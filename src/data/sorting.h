#pragma once
// Sorting of the word lists (English list and meaning list, item i of one
// belonging to item i of the other).

#include <QStringList>

namespace lumo {

struct WordPairs {
    QStringList english;
    QStringList meanings;
};

// The word lists sorted by English (`byEnglish`) or by meaning, in ordinal
// UTF-16 order ("Zoo" < "apple", kana and kanji by code point), of any length.
// Leading spaces (U+0020) of the meanings are removed first, and pairs with
// an empty meaning are dropped. The sort is stable, and of pairs with equal
// keys only the first in list order is kept. A meaning missing from a
// shorter meaning list counts as empty.
WordPairs QuickS(const QStringList& english, const QStringList& meanings, bool byEnglish);

} // namespace lumo
