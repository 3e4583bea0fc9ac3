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

// Positions are within the record, counted from 0; c1 and c2 are the first
// two commas. Nothing when the layout cannot give a duration (c2 too close to c1).
std::optional<RecordFields> readRecordFields(QStringView record, qsizetype c1, qsizetype c2);

// The duration's parts, each read as a number.
RecordedDuration readRecordedDuration(QStringView duration);

inline qint64 recordedSeconds(const RecordedDuration &duration)
{
    return duration.hours * 3600 + duration.minutes * 60 + duration.seconds;
}
