#pragma once

#include <QDateTime>

// Where the core learns the local date and time, to the second. The app
// passes the system clock; tests set the time by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
