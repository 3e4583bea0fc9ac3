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

QString summaryCsv(const Summary &summary)
{
    QString csv = csvRow({QStringLiteral("date"), QStringLiteral("start_time"),
                          QStringLiteral("duration"), QStringLiteral("fee_pence_per_minute"),
                          QStringLiteral("cost_pence")});
    for (const SummaryCall &call : summary.calls) {
        csv += csvRow({call.day.toString(Qt::ISODate), call.starttime().toString(), call.duration().toString(),
                       QString::number(call.fee, 'f', 2), QString::number(call.cost, 'f', 2)});
    }
    return csv;
}
