#include "common/rounding.h"

#include <cmath>
#include <limits>

// NaN and magnitudes of 2^52 and more, where every double is already whole.
qint64 roundHalfEvenBeyondExact(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value <= -limit)
        return std::numeric_limits<qint64>::min();

    const double floor = std::floor(value);
    const double fraction = value - floor; // exact for doubles
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    if (rounded >= limit)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(rounded);
}
