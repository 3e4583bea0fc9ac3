#pragma once

#include "alerts/bill_month.h"
#include "common/text_file.h"

#include <QDate>
#include <QString>

#include <optional>

inline constexpr char16_t kAlertsFileName[] = u"alerts.ini";

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

    bool operator==(const AlertChoices &) const = default;
};

// The intervals the window offers, in minutes; 0 is off.
inline constexpr int kSpeakIntervals[] = { 0, 1, 5, 10, 15 };

// The file's lines:
//   1. the interval;
//   2. the limit in whole pence, empty for none;
//   3. the first day of the month warned over the limit, "dd:mm:yyyy", or
//      empty (files from before bills could start on another day than the
//      1st hold "mm:yyyy", read as its 1st);
//   4. the bill's start day, 1 to 28;
//   5. the first day of the month warned of its forecast, or empty.
// A file of three lines, as written before the last two came, reads as a
// bill from the 1st with no forecast warning given. A missing or unreadable
// file, or one with a line that is not one of these, means no alerts.
AlertChoices LoadAlertChoices(const QString &path);
FileResult SaveAlertChoices(const QString &path, const AlertChoices &choices);
