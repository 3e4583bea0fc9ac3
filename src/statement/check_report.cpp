#include "statement/check_report.h"

#include "common/rounding.h"
#include "common/user_date.h"

#include <QCoreApplication>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

} // namespace

qint64 secondsSinceDayOne(QDate day, int second)
{
    return day.toJulianDay() * kSecondsPerDay + second;
}

QString startText(QDate day, int second)
{
    return userDateText(day) + u' '
        + QString::asprintf("%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
}

QString moneyText(double pence, const Regional &regional)
{
    return regional.currency(double(roundHalfEven(pence)));
}

void appendLeftOut(QStringList &lines, int billedOtherDays, const QStringList &skipped)
{
    if (billedOtherDays > 0)
        lines << QCoreApplication::translate("BillCheck", "Billed on other days and left out: %1")
                     .arg(billedOtherDays);
    if (!skipped.isEmpty()) {
        lines << QCoreApplication::translate(
            "BillCheck", "Rows of the bill that cannot be read, left out: %1")
                     .arg(skipped.size());
        for (const QString &why : skipped)
            lines << QStringLiteral("  ") + why;
    }
}

void appendSections(QStringList &lines, const QStringList &billedOnly,
    const QStringList &loggedOnly, const QStringList &priced)
{
    const auto section = [&lines](const char *title, const QStringList &calls) {
        lines << QString()
              << QCoreApplication::translate("BillCheck", "%1: %2", "a section's title and count")
                     .arg(QCoreApplication::translate("BillCheck", title))
                     .arg(calls.size());
        for (const QString &call : calls)
            lines << QStringLiteral("  ") + call;
    };
    section(QT_TRANSLATE_NOOP("BillCheck", "Billed and not logged"), billedOnly);
    section(QT_TRANSLATE_NOOP("BillCheck", "Logged and not billed"), loggedOnly);
    section(QT_TRANSLATE_NOOP("BillCheck", "Priced differently"), priced);
}

void appendTotals(QStringList &lines, qint64 billedPence, qint64 loggedPence,
    const Regional &regional)
{
    const qint64 difference = billedPence - loggedPence;
    lines << QString()
          << QCoreApplication::translate("BillCheck", "Billed total: %1")
                 .arg(regional.currency(double(billedPence)))
          << QCoreApplication::translate("BillCheck", "Logged total: %1")
                 .arg(regional.currency(double(loggedPence)))
          << (difference > 0
                     ? QCoreApplication::translate("BillCheck", "Difference: %1 more on the bill")
                     : difference < 0
                     ? QCoreApplication::translate("BillCheck", "Difference: %1 more in the log")
                     : QCoreApplication::translate("BillCheck", "Difference: %1"))
                 .arg(regional.currency(double(qAbs(difference))));
}
