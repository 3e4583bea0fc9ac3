#pragma once

#include <QDate>
#include <QStringList>

#include <optional>

// The periods a summary can cover, by the text of their entry: a fixed
// number of days back from today ("2 Months" is 56 days, "1 Year" 365), or
// "Date", a range of two typed dates.
struct PeriodOffsets
{
    qint64 first = 0; // days before today of the newest day
    qint64 last = 0;  // ... and of the oldest
};

inline constexpr char16_t kDateEntry[] = u"Date";

// "1 Day", "7 Days", "28 Days", "2 Months", "3 Months", "1 Year", "Date".
const QStringList &periodEntries();

// An entry as the windows show it, in the user's language ("1 Day", or "1
// jour" in French); the entries themselves stay English, in files and on
// command lines.
QString periodCaption(const QString &entry);

// The entry a text names, in English or in the user's language ("7 Days",
// "7 jours"); an unknown text is given back as it is.
QString periodEntryOf(const QString &text);

// The offsets of a fixed entry; nothing for "Date" or an unknown text.
std::optional<PeriodOffsets> periodOffsets(QStringView entry);

// The offsets of the days from one date to another, in either order; a date
// after today gives a negative offset.
PeriodOffsets dateRangeOffsets(QDate from, QDate to, QDate today);

// The offsets of two dates as the user typed them ("dd/mm/yyyy"), or in why
// the message that names the first of them that is not a date.
std::optional<PeriodOffsets> typedRangeOffsets(const QString &from, const QString &to, QDate today,
                                               QString &why);
