#include "tariff/tariff_normalise.h"

#include "common/number_reader.h"
#include "common/rounding.h"
#include "common/user_date.h"
#include "tariff/tariff_table.h"

#include <QRegularExpression>
#include <QTime>

#include <cmath>
#include <optional>

namespace {

// "h:m" or "h:m:s", with an optional AM/PM (or A/P) designator.
std::optional<QTime> readTimeOfDay(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*(?:([AaPp])[Mm]?)?$)"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    int hour = match.capturedView(1).toInt();
    const int minute = match.capturedView(2).toInt();
    const int second = match.hasCaptured(3) ? match.capturedView(3).toInt() : 0;
    if (match.hasCaptured(4)) {
        if (hour > 12)
            return std::nullopt;
        const bool pm = match.capturedView(4).compare(u"p", Qt::CaseInsensitive) == 0;
        hour = (hour % 12) + (pm ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return QTime(hour, minute, second);
}

// A date, optionally followed by a time of day; the date alone is midnight.
std::optional<QTime> readDateTimeOfDay(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype space = trimmed.indexOf(u' ');
    const QStringView datePart = space < 0 ? trimmed : trimmed.left(space);
    if (!readUserDate(datePart))
        return std::nullopt;
    if (space < 0)
        return QTime(0, 0);
    return readTimeOfDay(trimmed.mid(space + 1));
}

// A count of days whose fraction is the time of day, as a date serial number.
std::optional<QTime> readDaySerialTimeOfDay(QStringView text)
{
    constexpr double lastSerialDay = 2958465.0; // 31/12/9999
    const LeadingNumber number = readLeadingNumber(text);
    if (!number.found || !number.whole || std::fabs(number.value) > lastSerialDay)
        return std::nullopt;
    const double days = std::fabs(number.value);
    qint64 seconds = roundHalfEven((days - std::floor(days)) * 86400.0);
    if (seconds >= 86400)
        seconds = 0;
    return QTime(0, 0).addSecs(static_cast<int>(seconds));
}

} // namespace

QString normaliseTime(const QString &text)
{
    if (text.isEmpty())
        return text;
    std::optional<QTime> time = readTimeOfDay(text);
    if (!time)
        time = readDateTimeOfDay(text);
    if (!time)
        time = readDaySerialTimeOfDay(text);
    if (!time)
        return text;
    return QString::asprintf("%02d:%02d", time->hour(), time->minute());
}

QString normaliseFee(const QString &text)
{
    const LeadingNumber number = readLeadingNumber(text);
    if (!number.found || !number.whole)
        return text;
    QString fee = QString::number(number.value, 'f', 2);
    if (fee == u"-0.00")
        fee = QStringLiteral("0.00");
    // A fee whose whole part would not fit its cell would come back cut to a
    // different number on the next load; it keeps the text as typed instead.
    if (fee.indexOf(u'.') > TariffTable::kBandCellLimit)
        return text;
    return fee;
}
