#pragma once

// The four settings of settings.ini in the program directory: the scan
// interval, which lives in the call clock's scan timer, and the three values
// of the one Settings record of the run. Start-up loads them once; the
// settings window saves them when it closes.

#include "common/text_file.h"

#include <QString>
#include <QtGlobal>

#include <optional>

inline constexpr char16_t kSettingsFileName[] = u"settings.ini";

// Shared by all windows for the whole run; every field starts at 0. A flag
// holds whatever number the file gave it; only 1 and 0 mean on and off.
struct Settings
{
    qint16 Reserved = 0; // no meaning; carried from the file back to it
    qint16 SplashOnStart = 0;
    qint16 AutoRunOnStart = 0;
};

// Reads the file line by line into `settings`. The result is the scan
// interval of line 1 (0 to 65535 ms), for the caller to hand to
// CallClock::setScanInterval(); nothing when line 1 could not be used, and the
// clock keeps its interval.
//
// A missing, short or out-of-range file is replaced by the defaults "20000",
// "0", "1", "1", which take effect at the next start: what was read before the
// fault stays in `settings`, the rest keeps its value. A defaults file that
// cannot be written is let go; the run goes on.
std::optional<int> LoadSettings(const QString &path, Settings &settings);

// Writes the clock's current scan interval and the record, one number a line
// with a space either side of its digits (a minus sign takes the space before
// a negative one). The old file stays as it was when the write fails.
FileResult SaveSettings(const QString &path, int scanInterval, const Settings &settings);
