#include "report/tariff_comparison.h"

#include "calllog/repricing.h"
#include "common/user_date.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace {

// "£1.40 more", "£1.40 less" or "the same".
QString differenceText(qint64 pence, qint64 todayPence, const Regional &regional)
{
    if (pence == todayPence)
        return QCoreApplication::translate("TariffComparison", "the same");
    const QString by = regional.currency(double(std::llabs(pence - todayPence)));
    return pence > todayPence ? QCoreApplication::translate("TariffComparison", "%1 more").arg(by)
                              : QCoreApplication::translate("TariffComparison", "%1 less").arg(by);
}

} // namespace

QString otherTariffSentence(
    const QString &name, qint64 otherPence, qint64 todayPence, const Regional &regional)
{
    return QCoreApplication::translate(
        "TariffComparison", "With %1 these calls would have cost %2: %3.")
        .arg(name, regional.currency(double(otherPence)),
            differenceText(otherPence, todayPence, regional));
}

QStringList tariffRanking(
    const Summary &summary, const std::vector<OtherTariff> &others, const Regional &regional)
{
    struct Ranked
    {
        QString name;
        qint64 pence = 0;
        bool today = false;
    };
    std::vector<Ranked> ranked { { QCoreApplication::translate(
                                       "TariffComparison", "Today's tariff"),
        summary.totalPence, true } };
    for (const OtherTariff &other : others) {
        const CallPricer pricer(other.table, other.rules);
        ranked.push_back({ other.name, repriceCalls(summary, pricer).totalPence, false });
    }
    std::ranges::stable_sort(ranked, {}, &Ranked::pence);

    QStringList lines;
    for (const Ranked &each : ranked) {
        QString line = QStringLiteral("%1. %2: %3")
                           .arg(lines.size() + 1)
                           .arg(each.name, regional.currency(double(each.pence)));
        if (!each.today)
            line += QStringLiteral(", ") + differenceText(each.pence, summary.totalPence, regional);
        lines << line;
    }
    return lines;
}

QString callsOfPeriodText(const Summary &summary, QDate first, QDate last)
{
    const size_t calls = summary.calls.size();
    return QCoreApplication::translate(
        "TariffComparison", "%n calls from %1 to %2", nullptr, int(calls))
        .arg(userDateText(first), userDateText(last));
}
