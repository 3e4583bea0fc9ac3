#include "alerts/data_month_log.h"

#include "alerts/forecast.h"
#include "calllog/summary_text.h"

#include <QCoreApplication>
#include <QTime>

#include <algorithm>

std::vector<DataSession> dataSessionsOf(const Summary &summary)
{
    std::vector<DataSession> sessions;
    sessions.reserve(size_t(summary.dataCalls));
    for (const SummaryCall &call : summary.calls) {
        if (!call.hasBytes())
            continue;
        const QTime start = QTime::fromString(call.starttime().toString(), u"hh:mm:ss");
        const CallBytes &bytes = summary.bytesOf(call);
        for (const DataSession &part : splitSession(
                 { call.day, start.isValid() ? start.msecsSinceStartOfDay() / 1000 : 0,
                     call.lengthSeconds, bytes.received, bytes.sent },
                 summary.splitOf(call)))
            sessions.push_back(part);
    }
    return sessions;
}

DataMonth dataMonthOfLog(
    const LogIndex &log, const DataPricer &pricer, QDate today, const Regional &regional)
{
    return dataMonthOf(dataDaysOfLog(log, pricer, today, regional), pricer, today);
}

DataDays dataDaysOfLog(
    const LogIndex &log, const DataPricer &pricer, QDate today, const Regional &regional)
{
    const BillMonth bill = billMonthOf(today, pricer.tariff().billStartDay);
    const qint64 back = std::max<qint64>(bill.first.daysTo(today), kForecastWeeks * 7);
    // The bytes alone are wanted: no minimum connect time prices anything here.
    const Summary summary = SummarisePeriod(log, today, 0, back, 0.0, regional);
    return dataDaysOf(
        summary.ok ? dataSessionsOf(summary) : std::vector<DataSession>(), pricer, today);
}

QStringList dataMonthLines(const DataMonth &month, qint64 mbBytes, const Regional &regional)
{
    const auto day = [&regional](QDate date) {
        return QString::number(date.day()) + u' ' + regional.shortMonthName(date.month());
    };
    QStringList lines { QCoreApplication::translate("DataMonth", "Data used since %1: %2")
                            .arg(day(month.bill.first), regional.volume(month.usedBytes, mbBytes)) };
    if (month.allowanceBytes <= 0)
        return lines;
    lines << QCoreApplication::translate("DataMonth", "Data left: %1 of %2")
                 .arg(regional.volume(month.leftBytes, mbBytes),
                     regional.volume(month.allowanceBytes, mbBytes))
          << QCoreApplication::translate("DataMonth", "Daily budget: %1 a day, %2 days left")
                 .arg(regional.volume(qint64(month.dailyBudgetBytes), mbBytes))
                 .arg(month.daysLeft)
          << (month.usedUp    ? QCoreApplication::translate("DataMonth", "Used up on %1")
                                  .arg(day(*month.runsOut))
                 : month.runsOut ? QCoreApplication::translate("DataMonth", "Runs out: %1")
                                  .arg(day(*month.runsOut))
                                 : QCoreApplication::translate("DataMonth", "Runs out: not by %1")
                                  .arg(day(month.bill.last)));
    return lines;
}
