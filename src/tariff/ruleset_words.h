#pragma once

// The pieces of a ruleset's lines (ruleset_import.h): amounts, seconds,
// days and times, each read exactly or refused with the reason in words
// that follow the line's quotation.

#include "tariff/time_rules.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// An amount as written, units / 10^places, kept exactly so that the
// hundredths it becomes are the number the text says.
struct Decimal
{
    qint64 units = 0;
    int places = 0;

    // Hundredths of it: 0.0833 gives 8.33.
    Decimal hundredths() const;
    // With no trailing zero after the point: 8.30 gives 8.3.
    Decimal trimmed() const;
    Decimal plus(Decimal other) const;
    // "8.33", "0", "12.5"
    QString text() const;
    // Read through the one number reader.
    double value() const;
    bool isZero() const { return units == 0; }
};

// Each a value or why the text is none.
template <typename T> using Read = std::variant<T, QString>;

// A price: digits with an optional point, never below 0.
Read<Decimal> readAmount(QStringView text);
// Whole seconds, a unit from 1 to 3600 (or from 0 when zeroAllowed).
Read<int> readUnitSeconds(QStringView text, bool zeroAllowed = false);
// Whole seconds into a call.
Read<int> readAfterSeconds(QStringView text);
// The days inside "on (...)"; empty is every day.
Read<QList<RuleDays>> readRulesetDays(QStringView text);

struct MinuteRange
{
    int first = 0;
    int last = 24 * 60 - 1;
};
// The ranges inside "between (...)"; empty is the whole day.
Read<QList<MinuteRange>> readRulesetTimes(QStringView text);

// "(a, b)" or "(a, b, c)": the parts, trimmed; nothing when the form differs.
std::optional<QStringList> readTuple(QStringView text);
