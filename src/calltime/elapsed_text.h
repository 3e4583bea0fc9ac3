#pragma once

// A call's elapsed time as the window shows it and the log keeps it.

#include <QString>

// The log and the summaries read a duration as eight characters, "hh:mm:ss",
// so no call is timed past 99:59:59: there it is logged, and the link's time
// goes on as a new call.
inline constexpr qint64 kLongestCallSeconds = 99 * 3600 + 59 * 60 + 59;

// "hh:mm:ss".
QString elapsedText(qint64 seconds);
