#pragma once

#include <QtGlobal>

qint64 roundHalfEvenBeyondExact(double value);

// Nearest whole number, a half going to the even neighbour (2.5 gives 2,
// 3.5 gives 4). Values beyond the 64-bit range saturate and NaN gives 0, so no
// text typed by the user can make a conversion undefined.
inline qint64 roundHalfEven(double value)
{
    // Below 2^52 every double's whole part fits a qint64 exactly, and taking
    // it is one instruction where std::floor is a library call: summaries
    // round twice per call, so this case is also kept inline.
    constexpr double exactWhole = 4503599627370496.0;
    if (!(value > -exactWhole && value < exactWhole))
        return roundHalfEvenBeyondExact(value);
    const auto towardZero = qint64(value);
    qint64 rounded = value < double(towardZero) ? towardZero - 1 : towardZero;
    const double fraction = value - double(rounded); // exact
    if (fraction > 0.5 || (fraction == 0.5 && (rounded & 1) != 0))
        ++rounded;
    return rounded;
}
