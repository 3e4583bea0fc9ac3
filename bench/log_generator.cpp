#include "log_generator.h"

#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"
#include "calllog/call_log.h"
#include "tariff/call_price.h"

#include <QTime>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

QString logRecordText(QDate day, QTime start, const QString &duration, double fee)
{
    return logDateText(day) + "  ,  " + start.toString("HH:mm:ss") + "  ,  " + duration + "  ,  "
           + logFeeText(fee) + "#";
}

namespace {

// Damage of the kinds a hand edit or a torn write leaves behind.
QString spoil(QString record, QRandomGenerator &random)
{
    switch (random.bounded(7)) {
    case 0: return record.remove(u'#');                           // no terminator
    case 1: return record.remove(record.indexOf(u','), 1);        // a comma gone
    case 2: return record.replace(u',', u';');                    // no commas at all
    case 3: return record.left(random.bounded(int(record.size())));// cut short
    case 4: return record.insert(random.bounded(int(record.size())), u'#');
    case 5: return record.insert(11, ",,");                       // commas too close
    default: return "junk 05:06:2000 " + record;                  // text in between
    }
}

} // namespace

QString generateLog(const LogShape &shape, QRandomGenerator &random)
{
    QString log;
    log.reserve(qsizetype(shape.records) * 48);
    for (int i = 0; i < shape.records; ++i) {
        const qint64 back = shape.inTimeOrder
            ? qint64(shape.daysBack) - qint64(i) * (shape.daysBack + 1) / shape.records
            : qint64(random.bounded(shape.daysBack + 1));
        const QDate day = shape.newestDay.addDays(-back);
        const QTime start(random.bounded(24), random.bounded(60), random.bounded(60));
        const int length = random.bounded(3 * 3600);
        const QString duration = QString::asprintf("%02d:%02d:%02d", length / 3600,
                                                   length / 60 % 60, length % 60);
        const double fee = random.bounded(500) / 100.0;
        QString record = logRecordText(day, start, duration, fee);
        if (shape.spoilRate > 0 && random.generateDouble() < shape.spoilRate)
            record = spoil(record, random);
        log += record;
    }
    return log;
}

QString yearOfCalls(int records, QDate newestDay)
{
    QRandomGenerator random(20261206);
    LogShape shape;
    shape.records = records;
    shape.newestDay = newestDay;
    shape.daysBack = 364;
    shape.inTimeOrder = true;
    return generateLog(shape, random);
}

namespace {

double standardNormal(QRandomGenerator &random)
{
    const double u = 1.0 - random.generateDouble(); // (0, 1]: the logarithm stays finite
    const double angle = 2.0 * std::numbers::pi * random.generateDouble();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(angle);
}

// Knuth's count of events for a small mean.
int poisson(double mean, QRandomGenerator &random)
{
    const double limit = std::exp(-mean);
    int count = 0;
    for (double product = random.generateDouble(); product > limit;
         product *= random.generateDouble())
        ++count;
    return count;
}

} // namespace

QString habitLog(const WeeklyHabit &habit, QDate first, QDate last, const TariffTable &tariff,
                 QRandomGenerator &random)
{
    const CallPricer pricer(tariff, TariffRules());
    QString log;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const double spread = habit.daySpread;
        const double factor = std::exp(spread * standardNormal(random) - spread * spread / 2);
        const int calls = poisson(habit.callsPerDay[size_t(day.dayOfWeek() - 1)] * factor, random);
        const bool weekend = day.dayOfWeek() >= 6;
        // Calls of a day in order of their start, as they would be logged.
        std::vector<int> starts;
        for (int i = 0; i < calls; ++i)
            starts.push_back(weekend ? random.bounded(9 * 3600, 23 * 3600)
                                     : random.bounded(18 * 3600, 23 * 3600 + 1800));
        std::sort(starts.begin(), starts.end());
        for (const int start : starts) {
            const double minutes = -habit.meanMinutes * std::log(1.0 - random.generateDouble());
            const int length = int(std::clamp(minutes * 60.0, 10.0, 3.0 * 3600));
            const int end = start + length;
            const double fee = pricer.feeAt(day.addDays(end / 86400), end % 86400);
            log += logRecordText(day, QTime(0, 0).addSecs(start),
                                 QString::asprintf("%02d:%02d:%02d", length / 3600,
                                                   length / 60 % 60, length % 60),
                                 fee);
        }
    }
    return log;
}

QByteArray chargesOf(const QString &log)
{
    QStringList lines;
    int pence = 0;
    for (const QStringView record : QStringView(log).split(u'#', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = record.split(QStringLiteral("  ,  "));
        if (fields.size() == 4)
            lines << callChargeLine(fields[0].toString(), fields[1].toString(),
                                    fields[2].toString(), ++pence % 997);
    }
    return encodeLines(lines);
}

QByteArray bytesOf(const QString &log)
{
    QStringList lines;
    qint64 bytes = 0;
    for (const QStringView record : QStringView(log).split(u'#', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = record.split(QStringLiteral("  ,  "));
        if (fields.size() == 4) {
            bytes = (bytes * 7919 + 104729) % 50000000;
            lines << callBytesLine(fields[0].toString(), fields[1].toString(),
                                   fields[2].toString(), bytes, bytes / 20);
        }
    }
    return encodeLines(lines);
}

QByteArray logFileBytes(QString logText)
{
    logText.replace(QStringLiteral("  ,  "), QStringLiteral("  ,  \r\n"));
    logText.replace(u'#', QStringLiteral("#\r\n"));
    return logText.toLatin1();
}
