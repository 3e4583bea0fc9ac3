#include "calllog/period.h"

#include "common/user_date.h"

#include <QCoreApplication>

#include <utility>

namespace {

struct FixedPeriod
{
    const char *entry;
    qint64 lastOffset;
};

constexpr FixedPeriod kFixedPeriods[] = {
    { QT_TRANSLATE_NOOP("Period", "1 Day"), 0 },
    { QT_TRANSLATE_NOOP("Period", "7 Days"), 6 },
    { QT_TRANSLATE_NOOP("Period", "28 Days"), 27 },
    { QT_TRANSLATE_NOOP("Period", "2 Months"), 55 },
    { QT_TRANSLATE_NOOP("Period", "3 Months"), 83 },
    { QT_TRANSLATE_NOOP("Period", "1 Year"), 364 },
};

// The entries that are not fixed, for their captions: the chart's bill
// month beside the range of dates.
constexpr const char *kOtherEntries[] = {
    QT_TRANSLATE_NOOP("Period", "Date"),
    QT_TRANSLATE_NOOP("Period", "This bill"),
};

} // namespace

const QStringList &periodEntries()
{
    static const QStringList entries = [] {
        QStringList list;
        for (const FixedPeriod &period : kFixedPeriods)
            list << QLatin1String(period.entry);
        list << QString::fromUtf16(kDateEntry);
        return list;
    }();
    return entries;
}

std::optional<PeriodOffsets> periodOffsets(QStringView entry)
{
    for (const FixedPeriod &period : kFixedPeriods) {
        if (entry == QLatin1String(period.entry))
            return PeriodOffsets{0, period.lastOffset};
    }
    return std::nullopt;
}

QString periodCaption(const QString &entry)
{
    return QCoreApplication::translate("Period", entry.toLatin1().constData());
}

QString periodEntryOf(const QString &text)
{
    const auto matches = [&text](const char *entry) {
        return text == QLatin1String(entry) || text == QCoreApplication::translate("Period", entry);
    };
    for (const FixedPeriod &period : kFixedPeriods) {
        if (matches(period.entry))
            return QLatin1String(period.entry);
    }
    for (const char *entry : kOtherEntries) {
        if (matches(entry))
            return QLatin1String(entry);
    }
    return text;
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
    why = first ? QCoreApplication::translate(
              "Period", "The to date \"%1\" is not a date. Please type it as dd/mm/yyyy.")
                      .arg(to)
                : QCoreApplication::translate(
                    "Period", "The from date \"%1\" is not a date. Please type it as dd/mm/yyyy.")
                      .arg(from);
    return std::nullopt;
}
