#include "log_generator.h"

#include "calllog/call_charges.h"
#include "calllog/call_log.h"

#include <QTime>

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
