#include "common/regional.h"

#include "common/rounding.h"

#include <QCoreApplication>
#include <cmath>

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

namespace {

// The places past the point that amount needs, least at least, most at most.
int placesOf(double amount, int least, int most)
{
    int places = qBound(0, least, most);
    for (double scaled = amount * std::pow(10.0, places);
         places < most && std::abs(scaled - std::round(scaled)) > 1e-6; scaled *= 10.0)
        ++places;
    return places;
}

} // namespace

QString Regional::pence(double pence, int leastPlaces) const
{
    if (m_locale.currencySymbol(QLocale::CurrencyIsoCode) == QLatin1String("GBP"))
        return m_locale.toString(pence, 'f', placesOf(pence, leastPlaces, 8)) + u'p';
    const double amount = pence / 100.0;
    return m_locale.toCurrencyString(amount, m_locale.currencySymbol(), placesOf(amount, 2, 10));
}
