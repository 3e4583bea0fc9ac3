#pragma once

#include "common/text_file.h"

#include <QString>

#include <optional>

inline constexpr char16_t kAlertsFileName[] = u"alerts.ini";

// What the user chose in the alerts window, and the month whose spending
// warning has been given, kept across restarts so a month warns once.
struct AlertChoices
{
    int speakEveryMinutes = 0; // 0: off
    std::optional<qint64> limitPence; // no value: no limit
    QString warnedMonth; // "mm:yyyy", empty when none

    bool operator==(const AlertChoices &) const = default;
};

// The intervals the window offers, in minutes; 0 is off.
inline constexpr int kSpeakIntervals[] = { 0, 1, 5, 10, 15 };

// The file holds three lines: the interval, the limit in whole pence (empty
// for none) and the warned month. A missing or unreadable file, or one with
// a line that is not one of these, means no alerts.
AlertChoices LoadAlertChoices(const QString &path);
FileResult SaveAlertChoices(const QString &path, const AlertChoices &choices);
