#include "reference_summary.h"

#include "calllog/call_log.h"
#include "calllog/record_reader.h"
#include "common/number_reader.h"
#include "common/rounding.h"

namespace {

// The summary's own rule, written out here as it stood before the one
// pricing code took it over, so the summary is checked against it.
double costAsEverWorkedOut(const RecordedDuration &parts, double fee, double minConnect)
{
    double cost = double(parts.hours) * 60.0 * fee + double(parts.minutes) * fee;
    if (parts.seconds > 0)
        cost += fee;
    if (minConnect * fee > cost)
        cost = minConnect * fee;
    return cost;
}

} // namespace

ReferenceSummary referenceSummary(const QString &logText, QDate today, qint64 firstOffset,
                                  qint64 lastOffset, double minConnect, const Regional &regional)
{
    ReferenceSummary summary;
    for (qint64 offset = firstOffset; offset <= lastOffset; ++offset) {
        const QDate day = today.addDays(-offset);
        const QString key = logDateText(day);
        qsizetype start = 0;
        while (true) {
            const qsizetype keyAt = logText.indexOf(key, start);
            if (keyAt < 0)
                break;
            const qsizetype hashAt = logText.indexOf(u'#', keyAt);
            const QString record = hashAt < 0 ? QString() : logText.mid(keyAt, hashAt - keyAt);
            const qsizetype c1 = record.indexOf(u',');
            const qsizetype c2 = c1 < 0 ? -1 : record.indexOf(u',', c1 + 1);
            const auto fields = c2 < 0 ? std::nullopt : readRecordFields(record, c1, c2);
            if (hashAt < 0 || !fields)
                return ReferenceSummary{false, {}, {}, {}, {}, 0, 0};
            const RecordedDuration duration = readRecordedDuration(fields->duration.in(record));
            const double fee = readNumber(fields->fee.in(record));
            const double cost = costAsEverWorkedOut(duration, fee, minConnect);
            summary.lines << record + QStringLiteral("  =  ") + regional.currency(cost);
            summary.days.push_back(day);
            summary.starttimes << fields->starttime.in(record).toString();
            summary.durations << fields->duration.in(record).toString();
            summary.totalSeconds += recordedSeconds(duration);
            summary.totalPence = roundHalfEven(double(summary.totalPence) + cost);
            start = hashAt;
        }
    }
    return summary;
}
