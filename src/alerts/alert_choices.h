#pragma once

#include "alerts/bill_month.h"
#include "alerts/data_month.h"
#include "common/text_file.h"

#include <QDate>
#include <QString>

#include <optional>

inline constexpr char16_t kAlertsFileName[] = u"alerts.ini";

// The hang-up coach's choices.
struct CoachChoices
{
    int secondsBeforeMinute = 0; // 0: off
    int minutesBeforeChange = 0; // 0: off

    bool operator==(const CoachChoices &) const = default;
};

// What the alerts window offers; 0 is off.
inline constexpr int kSecondsBeforeMinute[] = { 0, 5, 10, 15 };
inline constexpr int kMinutesBeforeChange[] = { 0, 1, 5, 10 };

// What the user chose in the alerts window, and the bill's months whose
// warnings have been given, kept across restarts so a month warns once. A
// bill's month is known by its first day.
struct AlertChoices
{
    int speakEveryMinutes = 0; // 0: off
    std::optional<qint64> limitPence; // no value: no limit
    QDate warnedMonth; // over the limit; invalid when none
    int billStartDay = kFirstBillDay;
    QDate forecastWarnedMonth; // the forecast past the limit; invalid when none
    CoachChoices coach;
    // The data allowance's warnings: the level, in % of the allowance, and
    // the bill months warned at it and at the allowance.
    int dataWarnPercent = kDefaultDataWarningPercent;
    QDate dataLevelWarnedMonth {};
    QDate dataAllowanceWarnedMonth {};

    bool operator==(const AlertChoices &) const = default;
};

// The intervals the window offers, in minutes; 0 is off.
inline constexpr int kSpeakIntervals[] = { 0, 1, 5, 10, 15 };
// The data warning's levels the window offers, in % of the allowance.
inline constexpr int kDataWarnPercents[] = { 50, 60, 70, 75, 80, 85, 90, 95 };

// The file's lines:
//   1. the interval;
//   2. the limit in whole pence, empty for none;
//   3. the first day of the month warned over the limit, "dd:mm:yyyy", or
//      empty (files from before bills could start on another day than the
//      1st hold "mm:yyyy", read as its 1st);
//   4. the bill's start day, 1 to 28;
//   5. the first day of the month warned of its forecast, or empty;
//   6. the seconds before a new minute that the coach's tone comes, 0 off;
//   7. the minutes before a rate change that the coach tells of it, 0 off;
//   8. the data warning's level, in % of the allowance;
//   9. the first day of the month warned at that level, or empty;
//  10. the first day of the month warned at the allowance, or empty.
// Lines 8 to 10 are written only when one differs from 80 and none, so the
// file of a user without a data tariff stays as it was.
// A file of three lines, as written before lines 4 and 5 came, reads as a
// bill from the 1st with no forecast warning given; one of three or five
// lines, from before the coach, as the coach off; one of seven, the data
// warning at 80 % and none given. A missing or unreadable
// file, or one with a line that is not one of these (a coach's time the
// window does not offer, too), means no alerts.
AlertChoices LoadAlertChoices(const QString &path);
FileResult SaveAlertChoices(const QString &path, const AlertChoices &choices);
