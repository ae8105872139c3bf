#pragma once
// The program's random source: uniform single-precision values in [0, 1),
// one generator per process, seeded from the time of day on request.

#include "app/seam.h"

#include <cmath>

namespace lumo {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;     // uniform in [0, 1)
    virtual void randomize() = 0; // reseed from the time of day
    static RandomSource& real();
};

inline RandomSource& rnd()
{
    return Seam<RandomSource>::get();
}

// Rounding to a whole number, ties to even (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// A draw u turned into an index 1..count: round(u × scale) mod count + 1.
// The product is taken in single precision, as the draws are.
inline int drawIndex(float u, int scale, int count)
{
    const float product = u * static_cast<float>(scale);
    return roundHalfEven(product) % count + 1;
}

} // namespace lumo
