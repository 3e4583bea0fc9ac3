#include "report/csv.h"

namespace {

QString csvField(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r')
        && !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvRow(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QString summaryCsv(const Summary &summary, const Repricing *other, bool withBytes)
{
    QStringList header{QStringLiteral("date"), QStringLiteral("start_time"),
                       QStringLiteral("duration"), QStringLiteral("fee_pence_per_minute"),
                       QStringLiteral("cost_pence")};
    if (other)
        header << QStringLiteral("other_cost_pence");
    if (withBytes)
        header << QStringLiteral("bytes_received") << QStringLiteral("bytes_sent");
    QString csv = csvRow(header);
    for (size_t i = 0; i < summary.calls.size(); ++i) {
        const SummaryCall &call = summary.calls[i];
        QStringList row{call.day.toString(Qt::ISODate), call.starttime().toString(),
                        call.duration().toString(), QString::number(call.fee(), 'f', 2),
                        QString::number(call.cost, 'f', 2)};
        if (other)
            row << QString::number(other->costs[i], 'f', 2);
        if (withBytes && call.hasBytes())
            row << QString::number(summary.bytesOf(call).received)
                << QString::number(summary.bytesOf(call).sent);
        else if (withBytes)
            row << QString() << QString();
        csv += csvRow(row);
    }
    return csv;
}
