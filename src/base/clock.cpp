#include "base/clock.h"

namespace lumo {

QDate Clock::today() const
{
    return QDate::currentDate();
}

QDateTime Clock::now() const
{
    return QDateTime::currentDateTime();
}

Clock& Clock::real()
{
    static Clock clock;
    return clock;
}

} // namespace lumo
