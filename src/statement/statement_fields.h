#pragma once

// The fields of an operator's bill, each read from its text in the forms
// exports use: dates day first, year first or with the month's name, times
// of 12 or 24 hours, durations as a clock or a count, money in pounds or
// pence, volumes with or without a unit. A field that does not read whole,
// or reads as no call's, is none.

#include <QDate>
#include <QStringView>

#include <optional>
#include <utility>

namespace StatementField {

// No date, time, duration or amount is longer; longer fields are not read,
// which also keeps the patterns from working through pages of text.
inline constexpr qsizetype kLongestField = 64;

std::optional<QDate> readDate(QStringView text);
// Seconds of the day.
std::optional<int> readTime(QStringView text);
// A date and a time in one field, either first.
std::optional<std::pair<QDate, int>> readStart(QStringView text);
// Seconds; a bare number counts minutes where the header says so.
std::optional<qint64> readDuration(QStringView text, bool inMinutes);
// Pence; a bare number is pence where the header says so, else pounds.
std::optional<double> readMoney(QStringView text, bool inPence);
// The number and its scale as a power of 1024, the header's where the field
// gives no unit.
std::optional<std::pair<double, int>> readVolume(QStringView text, int headerScale);

} // namespace StatementField
