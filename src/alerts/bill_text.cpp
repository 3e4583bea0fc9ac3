#include "alerts/bill_text.h"

#include <QCoreApplication>

namespace {

// "15 Nov", in the user's short month names. Counted, so that a language
// may write the first of the month otherwise ("1er dec.").
QString dayText(QDate day, const Regional &regional)
{
    return QCoreApplication::translate(
        "BillText", "%n %1", "a day of the month and its short name", day.day())
        .arg(regional.shortMonthName(day.month()));
}

} // namespace

QString billSpentText(const BillMonth &bill, qint64 pence, const Regional &regional)
{
    return QCoreApplication::translate("BillText", "Since %1: %2")
        .arg(dayText(bill.first, regional), regional.currency(double(pence)));
}

QString billForecastText(
    const BillMonth &bill, std::optional<qint64> expectedPence, const Regional &regional)
{
    if (!expectedPence)
        return QCoreApplication::translate(
            "BillText", "No forecast yet: the log holds less than a week of calls.");
    return QCoreApplication::translate("BillText", "Expected by %1: %2")
        .arg(dayText(bill.last, regional), regional.currency(double(*expectedPence)));
}
