#include "common/rounding.h"

#include <cmath>
#include <limits>

qint64 roundHalfEven(double value)
{
    // Below 2^52 every double's whole part fits a qint64 exactly, and taking
    // it is one instruction where std::floor is a library call: summaries
    // round twice per call.
    constexpr double exactWhole = 4503599627370496.0;
    if (value > -exactWhole && value < exactWhole) {
        const auto towardZero = qint64(value);
        qint64 rounded = value < double(towardZero) ? towardZero - 1 : towardZero;
        const double fraction = value - double(rounded); // exact
        if (fraction > 0.5 || (fraction == 0.5 && (rounded & 1) != 0))
            ++rounded;
        return rounded;
    }
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
