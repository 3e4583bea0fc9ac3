#include "calllog/record_reader.h"

#include "common/number_reader.h"
#include "common/rounding.h"

namespace {

// The separator "  ,  " puts a field three characters after its comma.
constexpr qsizetype kFieldAfterComma = 3;
constexpr qsizetype kSeparatorLength = 5;

qint64 readWholePart(QStringView duration, qsizetype from)
{
    return roundHalfEven(readNumber(duration.mid(from, 2)));
}

QStringView clippedMid(QStringView text, qsizetype from, qsizetype length)
{
    if (from >= text.size())
        return {};
    return text.mid(from, qMin(length, text.size() - from));
}

} // namespace

std::optional<RecordFields> readRecordFields(QStringView record, qsizetype c1, qsizetype c2)
{
    const qsizetype fieldLength = c2 - c1 - kSeparatorLength;
    if (fieldLength < 0)
        return std::nullopt;
    RecordFields fields;
    fields.starttime = clippedMid(record, c1 + kFieldAfterComma, fieldLength).toString();
    fields.duration = clippedMid(record, c2 + kFieldAfterComma, fieldLength).toString();
    const qsizetype feeStart = c2 + kFieldAfterComma + fields.duration.size() + kSeparatorLength;
    fields.fee = clippedMid(record, feeStart, record.size()).toString();
    return fields;
}

CallCost workOutCall(const RecordFields &fields, double minConnect)
{
    CallCost call;
    call.hours = readWholePart(fields.duration, 0);
    call.minutes = readWholePart(fields.duration, 3);
    call.seconds = readWholePart(fields.duration, 6);
    call.fee = readNumber(fields.fee);

    call.cost = double(call.hours) * 60.0 * call.fee + double(call.minutes) * call.fee;
    if (call.seconds > 0)
        call.cost += call.fee;
    if (minConnect * call.fee > call.cost)
        call.cost = minConnect * call.fee;
    call.lengthSeconds = call.hours * 3600 + call.minutes * 60 + call.seconds;
    return call;
}
