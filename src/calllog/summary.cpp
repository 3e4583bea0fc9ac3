#include "calllog/summary.h"

#include "calllog/call_log.h"
#include "calllog/record_reader.h"
#include "common/rounding.h"

#include <QHash>

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

// A year of calls costs only a few hundred different sums, and formatting
// money through the locale is the dearest step of a summary.
class CostTexts
{
public:
    explicit CostTexts(const Regional &regional) : m_regional(regional) {}

    QString text(double pence)
    {
        const qint64 whole = roundHalfEven(pence);
        auto found = m_texts.constFind(whole);
        if (found == m_texts.constEnd())
            found = m_texts.insert(whole, m_regional.currency(double(whole)));
        return *found;
    }

private:
    const Regional &m_regional;
    QHash<qint64, QString> m_texts;
};

// Adds the calls of one day; false when one of its records cannot be read.
bool summariseDay(const LogIndex &log, QDate day, double minConnect, CostTexts &costTexts,
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

        const CallCost call = workOutCall(record, *fields, minConnect);
        summary.add(day, record, *fields, call, costTexts.text(call.cost));
        searchFrom = hashAt;
    }
    return true;
}

} // namespace

void Summary::add(QDate day, QStringView record, const RecordFields &fields, const CallCost &call,
                  const QString &costText)
{
    static constexpr QStringView kBetween = u"  =  ";
    QString line;
    line.reserve(record.size() + kBetween.size() + costText.size());
    line.append(record).append(kBetween).append(costText);
    lines << line;
    calls.push_back({day, std::move(line), record.size(), fields.starttime, fields.duration,
                     call.fee, call.cost, call.lengthSeconds});
    totalSeconds += call.lengthSeconds;
    totalPence = roundHalfEven(double(totalPence) + call.cost);
}

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
    CostTexts costTexts(regional);
    for (QDate day = newest; day >= oldest; day = day.addDays(-1)) {
        if (!summariseDay(log, day, minConnect, costTexts, summary))
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
