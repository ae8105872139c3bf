#pragma once
// Helpers shared by every window.
#include <QString>
#include <utility>

namespace lumo {

// Exchanges two strings.
inline void StrSwap(QString& a, QString& b)
{
    a.swap(b);
}

// Leading and trailing spaces (U+0020 only) removed.
inline QString trimSpaces(const QString& text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text.at(start) == u' ')
        ++start;
    while (end > start && text.at(end - 1) == u' ')
        --end;
    return text.mid(start, end - start);
}

// `first` and `second` as two lines of one message; an empty one is left out.
inline QString joinLines(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + u'\n' + second;
}

} // namespace lumo
