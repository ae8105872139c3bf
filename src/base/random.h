#pragma once
// The program's random source: uniform single-precision values in [0, 1),
// one generator per process, seeded from the time of day on request.

#include "base/rounding.h"
#include "base/seam.h"

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

// A draw u turned into an index 1..count: round(u × scale) mod count + 1.
// The product is taken in single precision, as the draws are.
inline int drawIndex(float u, int scale, int count)
{
    const float product = u * static_cast<float>(scale);
    return roundHalfEven(product) % count + 1;
}

} // namespace lumo
