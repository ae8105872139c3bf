#pragma once
// The program's rounding to a whole number, shared by the logic and the
// windows (twips to pixels, random indexes).
#include <cmath>

namespace lumo {

// Rounding to a whole number, ties to even (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace lumo
