#pragma once
// Helpers shared by every window.
#include <QString>
#include <utility>

namespace lumo {

// Exchanges two strings.
inline void StrSwap(QString& a, QString& b) { a.swap(b); }

} // namespace lumo
