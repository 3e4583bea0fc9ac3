#include "calllog/summary.h"

#include "calllog/call_log.h"
#include "calllog/record_reader.h"
#include "common/rounding.h"

namespace {

Summary failure(QString why)
{
    Summary summary;
    summary.ok = false;
    summary.error = std::move(why);
    return summary;
}

QString unreadableEntry(QDate day)
{
    return QStringLiteral("The call log holds an entry of %1 that cannot be read, "
                          "so no summary can be shown.")
        .arg(logDateText(day));
}

// Adds the calls of one day; false when one of its records cannot be read.
bool summariseDay(const LogIndex &log, QDate day, double minConnect, const Regional &regional,
                  Summary &summary)
{
    const QString &text = log.text();
    qsizetype searchFrom = 0;
    for (const LogIndex::KeyPlace &place : log.places(day.day(), day.month(), day.year())) {
        const qsizetype keyAt = place.key;
        if (keyAt < searchFrom)
            continue; // inside the record just read
        const qsizetype hashAt = place.hash;
        const qsizetype c1 = place.firstComma;
        const qsizetype c2 = place.secondComma;
        if (hashAt < 0 || c1 < 0 || c1 >= hashAt || c2 < 0 || c2 >= hashAt)
            return false;
        const QStringView record = QStringView(text).mid(keyAt, hashAt - keyAt);
        const std::optional<RecordFields> fields =
            readRecordFields(record, c1 - keyAt, c2 - keyAt);
        if (!fields)
            return false;

        const CallCost call = workOutCall(*fields, minConnect);
        SummaryCall line{day,       record.toString(), fields->starttime, fields->duration,
                         call.fee,  call.cost,         call.lengthSeconds};
        summary.lines << line.record + QStringLiteral("  =  ") + regional.currency(call.cost);
        summary.totalSeconds += call.lengthSeconds;
        summary.totalPence = roundHalfEven(double(summary.totalPence) + call.cost);
        summary.calls.push_back(std::move(line));
        searchFrom = hashAt;
    }
    return true;
}

} // namespace

Summary SummarisePeriod(const LogIndex &log, QDate today, qint64 firstOffset, qint64 lastOffset,
                        double minConnect, const Regional &regional)
{
    const QDate newest = today.addDays(-firstOffset);
    const QDate oldest = today.addDays(-lastOffset);
    // The log writes four-digit years, so no day outside them can be in it.
    if (!newest.isValid() || !oldest.isValid() || oldest.year() < 1 || newest.year() > 9999
        || firstOffset > lastOffset)
        return failure(QStringLiteral("The period lies outside the dates a call log can hold, "
                                      "so no summary can be shown."));

    Summary summary;
    size_t expected = 0;
    for (QDate day = newest; day >= oldest; day = day.addDays(-1))
        expected += log.places(day.day(), day.month(), day.year()).size();
    summary.calls.reserve(expected);
    summary.lines.reserve(qsizetype(expected));
    for (QDate day = newest; day >= oldest; day = day.addDays(-1)) {
        if (!summariseDay(log, day, minConnect, regional, summary))
            return failure(unreadableEntry(day));
    }
    return summary;
}

Summary SummarisePeriod(const QString &logText, QDate today, qint64 firstOffset,
                        qint64 lastOffset, double minConnect, const Regional &regional)
{
    return SummarisePeriod(LogIndex(logText), today, firstOffset, lastOffset, minConnect,
                           regional);
}
