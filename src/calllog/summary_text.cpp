#include "calllog/summary_text.h"

#include <QCoreApplication>

namespace {

// A number with the place of its sign kept: " 5", "-5".
QString signedNumber(qint64 value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

} // namespace

QString summaryHeading()
{
    return QCoreApplication::translate("Summary",
        "Date     -           Time      - Connection - Cost per min - Cost",
        "the column headings over the summary's lines: keep each word over its column");
}

QString totalTimeCaption(qint64 totalSeconds)
{
    qint64 rest = totalSeconds;
    QString caption = QCoreApplication::translate("Summary", "Total Time = ");
    if (rest >= 3600) {
        caption += signedNumber(rest / 3600) + u':';
        rest %= 3600;
    } else {
        caption += QStringLiteral("00:");
    }
    if (rest >= 60) {
        caption += signedNumber(rest / 60) + u':';
        rest %= 60;
    } else {
        caption += QStringLiteral("00:");
    }
    return caption + signedNumber(rest);
}

QString totalCostCaption(qint64 totalPence, const Regional &regional)
{
    return QCoreApplication::translate("Summary", "Total Calls Cost= %1")
        .arg(regional.currency(double(totalPence)));
}

QString totalDataCaption(qint64 received, qint64 sent, qint64 mbBytes, const Regional &regional)
{
    return QCoreApplication::translate("Summary", "Total Data = %1 (%2 received, %3 sent)")
        .arg(regional.volume(received + sent, mbBytes), regional.volume(received, mbBytes),
             regional.volume(sent, mbBytes));
}

QStringList printedSummaryLines(const QString &heading, const QStringList &list,
                                const QString &costCaption, const QString &timeCaption,
                                const QString &dataCaption)
{
    QStringList lines { QCoreApplication::translate("Summary", "Callwise Call Costs Summary"),
        QString(), QString(), heading };
    lines += list;
    lines << costCaption << timeCaption;
    if (!dataCaption.isEmpty())
        lines << dataCaption;
    return lines;
}
