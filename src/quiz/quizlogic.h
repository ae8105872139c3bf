#pragma once
// Small rules of the quiz that need no window.
#include <QString>

#include <optional>

namespace lumo {

// An answer is right when both texts, without leading and trailing spaces
// and in capitals, are equal; inner spaces, punctuation and full-width
// characters count.
bool answerMatches(const QString& typed, const QString& expected);

// The number a reply to a numbered choice starts with ("2", " 3 ", "1.6" → 2,
// "2abc" → 2, full-width "２" → 2), rounded half to even; 0 for an empty or
// non-numeric reply; nullopt when it does not fit a 16-bit integer.
std::optional<int> numberedChoice(const QString& reply);

} // namespace lumo
