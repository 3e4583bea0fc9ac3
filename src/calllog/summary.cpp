#include "calllog/summary.h"

#include "calllog/call_log.h"
#include "calllog/record_reader.h"
#include "calllog/summary_text.h"
#include "common/number_reader.h"
#include "common/rounding.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <limits>

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
    return QCoreApplication::translate("Summary",
        "The call log holds an entry of %1 that cannot be read, "
        "so no summary can be shown.")
        .arg(logDateText(day));
}

// Formatting money through the locale is the dearest step of a summary, so
// each whole-pence sum is formatted once. Most calls cost under £10, whose
// texts are found by their pence alone.
class CostTexts
{
public:
    CostTexts(const Regional &regional, QStringList &texts) : m_regional(regional), m_texts(texts)
    {
    }

    qsizetype indexOf(double pence)
    {
        const qint64 whole = roundHalfEven(pence);
        const bool small = whole >= 0 && whole < qint64(m_small.size());
        qsizetype &index = small ? m_small[size_t(whole)] : m_large[whole];
        if (index == 0) {
            m_texts << m_regional.currency(double(whole));
            index = m_texts.size();
        }
        return index - 1;
    }

private:
    const Regional &m_regional;
    QStringList &m_texts;
    // One more than the place of each text, 0 for none yet.
    std::array<qsizetype, 1000> m_small{};
    QHash<qint64, qsizetype> m_large;
};

// The total brought to whole pence after a call of whole pence. Below 2^51
// on both sides the sum of the two as doubles is exact, so adding them as
// integers gives the same total without the chain of conversions every
// call's sum would otherwise wait on.
qint64 addedWholePence(qint64 total, qint64 pence)
{
    constexpr qint64 exactHalf = qint64(1) << 51;
    const auto small = [](qint64 value) { return value > -exactHalf && value < exactHalf; };
    return small(total) && small(pence) ? total + pence
                                        : roundHalfEven(double(total) + double(pence));
}

// Adds the calls of one day; false when one of its records cannot be read.
// chargeHint carries the charges' look-up from one call to the next.
bool summariseDay(const LogIndex &log, QDate day, double minConnect, CostTexts &costTexts,
                  size_t &chargeHint, size_t &bytesHint, Summary &summary)
{
    const QString &text = log.text();
    const ChargeIndex &charges = log.charges();
    const BytesIndex &bytes = log.bytes();
    const ChargeIndex::Key dayKey
        = charges.isEmpty() && bytes.isEmpty() ? 0 : ChargeIndex::dayKey(day);
    qsizetype searchFrom = 0;
    for (const LogIndex::KeyPlace &place : log.places(day.day(), day.month(), day.year())) {
        const qsizetype keyAt = place.key;
        if (keyAt < searchFrom)
            continue; // inside the record just read
        // A place the index could not hold is kNone, beyond any "#".
        const qsizetype hashAt = place.hash;
        const qsizetype c1 = place.firstComma;
        const qsizetype c2 = place.secondComma;
        if (place.hash == LogIndex::KeyPlace::kNone || c1 >= hashAt || c2 >= hashAt)
            return false;
        // A record too long for a listed call's narrow places is no record
        // the program wrote, and cannot be read as one.
        if (hashAt - keyAt > std::numeric_limits<qint32>::max())
            return false;
        const QStringView record = QStringView(text).mid(keyAt, hashAt - keyAt);
        const std::optional<RecordFields> fields =
            readRecordFields(record, c1 - keyAt, c2 - keyAt);
        if (!fields)
            return false;

        // The index read the times of a record of the program's shape, so
        // most calls need not touch their text again.
        RecordedDuration duration;
        ChargeIndex::Key key = 0;
        if (place.times != 0) {
            const auto length = qint64(place.times & LogIndex::KeyPlace::kLength);
            duration = { length / 10000, length / 100 % 100, length % 100 };
            key = dayKey == 0 ? 0 : dayKey | (place.times & ~LogIndex::KeyPlace::kTimesRead);
        } else {
            duration = readRecordedDuration(fields->duration.in(record));
            key = dayKey == 0 ? 0
                              : ChargeIndex::keyOf(dayKey, fields->starttime.in(record),
                                    fields->duration.in(record));
        }
        const ChargeIndex::Found kept =
            key == 0 || charges.isEmpty() ? ChargeIndex::Found{} : charges.find(key, chargeHint);
        const BytesIndex::Found moved =
            key == 0 || bytes.isEmpty() ? BytesIndex::Found{} : bytes.find(key, bytesHint);
        double cost = double(kept.pence);
        if (kept.kept != ChargeIndex::Kept::Charge) {
            cost = priceRecordedCall(duration, readNumber(fields->fee.in(record)), minConnect);
            ++(kept.kept == ChargeIndex::Kept::Damaged ? summary.damagedCharges
                                                       : summary.withoutCharge);
        }
        const qint64 length = recordedSeconds(duration);
        summary.calls.push_back({ .day = day,
            .recordAt = record.data(),
            .cost = cost,
            .recordLength = qint32(record.size()),
            .firstComma = qint32(c1 - keyAt),
            .secondComma = qint32(c2 - keyAt),
            .lengthSeconds = qint32(length),
            .costText = qint32(costTexts.indexOf(cost)) });
        if (moved.kept == BytesIndex::Kept::Values) {
            summary.calls.back().bytesAt = qint32(summary.callBytes.size());
            summary.callBytes.push_back(moved.value);
            if (moved.split)
                summary.splits.emplace_back(summary.calls.back().bytesAt, *moved.split);
            ++summary.dataCalls;
            summary.totalReceived += moved.value.received;
            summary.totalSent += moved.value.sent;
        }
        summary.totalSeconds += length;
        summary.totalPence = kept.kept == ChargeIndex::Kept::Charge
            ? addedWholePence(summary.totalPence, kept.pence)
            : roundHalfEven(double(summary.totalPence) + cost);
        searchFrom = hashAt;
    }
    return true;
}

} // namespace

std::optional<SessionSplit> Summary::splitOf(const SummaryCall &call) const
{
    const auto at = std::lower_bound(splits.begin(), splits.end(), call.bytesAt,
        [](const std::pair<qint32, SessionSplit> &split, qint32 bytesAt) {
            return split.first < bytesAt;
        });
    if (!call.hasBytes() || at == splits.end() || at->first != call.bytesAt)
        return std::nullopt;
    return at->second;
}

double SummaryCall::fee() const
{
    return readNumber(fields().fee.in(record()));
}

QString Summary::line(size_t call) const
{
    static constexpr QStringView kBetween = u"  =  ";
    const SummaryCall &listed = calls[call];
    QStringView record = listed.record();
    const QString &cost = costTexts[listed.costText];
    QString volume;
    if (listed.hasBytes()) {
        const QString mb = regional.volume(bytesOf(listed).received + bytesOf(listed).sent, mbBytes);
        if (dataPriced) {
            record = record.left(readRecordFields(record, listed.firstComma, listed.secondComma)
                                     .value_or(RecordFields {})
                                     .fee.from);
            volume = QCoreApplication::translate("Summary", "%1 by volume",
                "in a data call's line, where other calls show their price a minute")
                         .arg(mb);
        } else {
            volume = QStringLiteral("  ,  ") + mb;
        }
    }
    QString line(record.size() + volume.size() + kBetween.size() + cost.size(),
                 Qt::Uninitialized);
    QChar *to = line.data();
    for (const QStringView part : {record, QStringView(volume), kBetween, QStringView(cost)})
        to = std::copy(part.begin(), part.end(), to);
    return line;
}

QStringList Summary::lines() const
{
    QStringList lines;
    lines.reserve(qsizetype(calls.size()));
    for (size_t call = 0; call < calls.size(); ++call)
        lines << line(call);
    return lines;
}

Summary SummarisePeriod(const LogIndex &log, QDate today, qint64 firstOffset, qint64 lastOffset,
                        double minConnect, const Regional &regional)
{
    const QDate newest = today.addDays(-firstOffset);
    const QDate oldest = today.addDays(-lastOffset);
    // The log writes four-digit years, so no day outside them can be in it.
    if (!newest.isValid() || !oldest.isValid() || oldest.year() < 1 || newest.year() > 9999
        || firstOffset > lastOffset)
        return failure(QCoreApplication::translate("Summary",
            "The period lies outside the dates a call log can hold, "
            "so no summary can be shown."));

    Summary summary;
    summary.regional = regional;
    summary.logText = log.text();
    size_t expected = 0;
    for (QDate day = newest; day >= oldest; day = day.addDays(-1))
        expected += log.places(day.day(), day.month(), day.year()).size();
    summary.calls.reserve(expected);
    if (!log.bytes().isEmpty())
        summary.callBytes.reserve(std::min(expected, size_t(log.bytes().size())));
    CostTexts costTexts(regional, summary.costTexts);
    size_t chargeHint = 0;
    size_t bytesHint = 0;
    for (QDate day = newest; day >= oldest; day = day.addDays(-1)) {
        if (!summariseDay(log, day, minConnect, costTexts, chargeHint, bytesHint, summary))
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
