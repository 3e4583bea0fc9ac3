#pragma once

#include "tariff/call_price.h"

#include <QString>

#include <optional>

// A stretch of a record's text, so the fields of thousands of records can be
// read and kept without copying each one out.
struct TextSpan
{
    qsizetype from = 0;
    qsizetype length = 0;

    QStringView in(QStringView text) const { return text.mid(from, length); }
};

// One record of the log text, from its start date up to (not including) its
// "#": the fields are found by its first two commas, each field after the
// first standing five characters (the separator "  ,  ") past the comma
// before it, the start time and the duration being equally long.
struct RecordFields
{
    TextSpan starttime;
    TextSpan duration;
    TextSpan fee;
};

namespace RecordLayout {
// The separator "  ,  " puts a field three characters after its comma.
inline constexpr qsizetype kFieldAfterComma = 3;
inline constexpr qsizetype kSeparatorLength = 5;

inline TextSpan clippedSpan(QStringView text, qsizetype from, qsizetype length)
{
    if (from >= text.size())
        return {};
    return { from, qMin(length, text.size() - from) };
}
} // namespace RecordLayout

// Positions are within the record, counted from 0; c1 and c2 are the first
// two commas. Nothing when the layout cannot give a duration (c2 too close to
// c1). Inline, as a summary's calls read their fields again each time asked.
inline std::optional<RecordFields> readRecordFields(QStringView record, qsizetype c1, qsizetype c2)
{
    using namespace RecordLayout;
    const qsizetype fieldLength = c2 - c1 - kSeparatorLength;
    if (fieldLength < 0)
        return std::nullopt;
    RecordFields fields;
    fields.starttime = clippedSpan(record, c1 + kFieldAfterComma, fieldLength);
    fields.duration = clippedSpan(record, c2 + kFieldAfterComma, fieldLength);
    const qsizetype feeStart = c2 + kFieldAfterComma + fields.duration.length + kSeparatorLength;
    fields.fee = clippedSpan(record, feeStart, record.size());
    return fields;
}

// The duration's parts, each read as a number.
RecordedDuration readRecordedDuration(QStringView duration);

inline qint64 recordedSeconds(const RecordedDuration &duration)
{
    return duration.hours * 3600 + duration.minutes * 60 + duration.seconds;
}
