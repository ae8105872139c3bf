#pragma once
#include "base/seam.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace lumo {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDate today() const;
    // The local date and time.
    virtual QDateTime now() const;
    static Clock& real();
};

inline const Clock& clock()
{
    return Seam<Clock>::get();
}

// The short Japanese date: 2001/03/05.
inline QString shortJapaneseDate(QDate date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace lumo
