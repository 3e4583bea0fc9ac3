#include "common/regional.h"

#include "common/rounding.h"

#include <QCoreApplication>

QString Regional::weekdayName(QDate date) const
{
    return m_locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
}

QString Regional::shortMonthName(int month) const
{
    return m_locale.monthName(month, QLocale::ShortFormat);
}

QString Regional::currency(double pence) const
{
    // Brought to whole pence in decimal first: 1.5 pence is 0.01499... pounds
    // in binary and would otherwise show as a penny. Halves go to the even
    // penny, as the totals do.
    return m_locale.toCurrencyString(double(roundHalfEven(pence)) / 100.0);
}

QString Regional::volume(qint64 bytes, qint64 mbBytes) const
{
    const double mb = double(bytes) / double(qMax<qint64>(1, mbBytes));
    return QCoreApplication::translate("Regional", "%1 MB", "a volume of data: 12.3 MB")
        .arg(m_locale.toString(mb, 'f', 1));
}
