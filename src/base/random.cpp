#include "base/random.h"

#include <QTime>

#include <random>

namespace lumo {
namespace {

class Mt19937Source final : public RandomSource {
  public:
    float next() override
    {
        // 24 random bits give every float of the form k / 2^24, never 1.0.
        return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
    }
    void randomize() override
    {
        m_engine.seed(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    }

  private:
    std::mt19937 m_engine{5489u};
};

} // namespace

RandomSource& RandomSource::real()
{
    static Mt19937Source source;
    return source;
}

} // namespace lumo
