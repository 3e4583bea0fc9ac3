#pragma once

// The pieces of a ruleset's lines (ruleset_import.h): amounts, seconds,
// days and times, each read exactly or refused with the reason in words
// that follow the line's quotation.

#include "common/exact_number.h"
#include "tariff/time_rule.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// Each a value or why the text is none.
template <typename T> using Read = std::variant<T, QString>;

// A price kept as written, to its last digit: digits with an optional
// point, never below 0.
Read<ExactNumber> readAmount(QStringView text);
// What a length of time in a ruleset is: a charge unit, at most an hour,
// or a flat first charge, at most a day.
enum class Length { Unit, FirstCharge };
// Seconds to the thousandth ("158.4"), in milliseconds; above 0 unless
// zeroAllowed.
Read<qint64> readLengthMs(QStringView text, Length length, bool zeroAllowed);
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
