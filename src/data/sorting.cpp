#include "data/sorting.h"

#include <algorithm>
#include <vector>

namespace lumo {
namespace {

QString withoutLeadingSpaces(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return text.mid(start);
}

} // namespace

WordPairs QuickS(const QStringList& english, const QStringList& meanings, bool byEnglish)
{
    const qsizetype n = english.size();
    QStringList meaningOf;
    meaningOf.reserve(n);
    std::vector<qsizetype> order; // list positions still in play
    order.reserve(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        meaningOf.append(i < meanings.size() ? withoutLeadingSpaces(meanings.at(i)) : QString());
        // A pair without a meaning is dropped before sorting, so it never
        // counts as the first of a set of equal keys and hides a real pair.
        if (!meaningOf.at(i).isEmpty())
            order.push_back(i);
    }

    const QStringList& keys = byEnglish ? english : meaningOf;
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return QString::compare(keys.at(a), keys.at(b), Qt::CaseSensitive) < 0;
    });
    // Of each run of equal keys the first in list order stays.
    const auto last =
        std::unique(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) { return keys.at(a) == keys.at(b); });
    order.erase(last, order.end());

    WordPairs sorted;
    sorted.english.reserve(static_cast<qsizetype>(order.size()));
    sorted.meanings.reserve(static_cast<qsizetype>(order.size()));
    for (qsizetype i : order) {
        sorted.english.append(english.at(i));
        sorted.meanings.append(meaningOf.at(i));
    }
    return sorted;
}

} // namespace lumo
