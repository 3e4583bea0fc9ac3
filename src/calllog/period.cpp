#include "calllog/period.h"

#include "common/user_date.h"

#include <utility>

namespace {

struct FixedPeriod
{
    const char16_t *entry;
    qint64 lastOffset;
};

constexpr FixedPeriod kFixedPeriods[] = {
    {u"1 Day", 0},     {u"7 Days", 6},    {u"28 Days", 27},
    {u"2 Months", 55}, {u"3 Months", 83}, {u"1 Year", 364},
};

} // namespace

const QStringList &periodEntries()
{
    static const QStringList entries = [] {
        QStringList list;
        for (const FixedPeriod &period : kFixedPeriods)
            list << QString::fromUtf16(period.entry);
        list << QString::fromUtf16(kDateEntry);
        return list;
    }();
    return entries;
}

std::optional<PeriodOffsets> periodOffsets(QStringView entry)
{
    for (const FixedPeriod &period : kFixedPeriods) {
        if (entry == QStringView(period.entry))
            return PeriodOffsets{0, period.lastOffset};
    }
    return std::nullopt;
}

PeriodOffsets dateRangeOffsets(QDate from, QDate to, QDate today)
{
    PeriodOffsets offsets{to.daysTo(today), from.daysTo(today)};
    if (offsets.first > offsets.last)
        std::swap(offsets.first, offsets.last);
    return offsets;
}

std::optional<PeriodOffsets> typedRangeOffsets(const QString &from, const QString &to, QDate today,
                                               QString &why)
{
    const std::optional<QDate> first = readUserDate(from);
    const std::optional<QDate> last = readUserDate(to);
    if (first && last)
        return dateRangeOffsets(*first, *last, today);
    why = QStringLiteral("The %1 date \"%2\" is not a date. Please type it as dd/mm/yyyy.")
              .arg(first ? QStringLiteral("to") : QStringLiteral("from"), first ? to : from);
    return std::nullopt;
}
