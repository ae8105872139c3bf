#include "base/clock.h"

namespace lumo {

QDate Clock::today() const
{
    return QDate::currentDate();
}

Clock& Clock::real()
{
    static Clock clock;
    return clock;
}

} // namespace lumo
