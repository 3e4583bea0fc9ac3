#include "tariff/tariff_rules.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

bool TariffRules::isDefault() const
{
    return *this == TariffRules();
}

QString secondsText(qint64 ms)
{
    return ExactNumber::fraction(ms, kMsPerSecond).toText();
}

QString unitsText(qint64 firstMs, qint64 unitMs)
{
    if (unitMs <= 0)
        return {};
    return secondsText(firstMs) + u'/' + secondsText(unitMs);
}

// Seconds to the thousandth, as milliseconds; nothing for 0 or more than a day.
static std::optional<qint64> unitMsOf(QStringView text)
{
    const std::optional<ExactNumber> seconds = ExactNumber::fromText(text);
    if (!seconds)
        return std::nullopt;
    const ExactNumber ms = *seconds * kMsPerSecond;
    if (!ms.isWhole() || ms <= 0 || ms > kMostFirstMs)
        return std::nullopt;
    return ms.roundHalfEven();
}

std::optional<ChargeUnits> readUnits(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,5}(?:\.\d{1,3})?)\s*/\s*(\d{1,5}(?:\.\d{1,3})?)\s*$)"));
    const QRegularExpressionMatch match = form.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<qint64> first = unitMsOf(match.capturedView(1));
    const std::optional<qint64> unit = unitMsOf(match.capturedView(2));
    if (!first || !unit)
        return std::nullopt;
    return ChargeUnits { *first, *unit };
}

std::optional<HolidayDay> readHoliday(QStringView text)
{
    const QStringView line = text.trimmed();
    if (line.compare(QStringView(kEnglandAndWales), Qt::CaseInsensitive) == 0)
        return HolidayDay { HolidayDay::Kind::EnglandAndWales, {}, 0 };
    static const QRegularExpression easter(QStringLiteral(R"(^easter\s*(?:([+-])\s*(\d{1,3}))?$)"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = easter.match(line.toString()); match.hasMatch()) {
        const int days = match.capturedView(2).toInt();
        return HolidayDay { HolidayDay::Kind::FromEaster, {},
            match.capturedView(1) == u"-" ? -days : days };
    }
    static const QRegularExpression date(QStringLiteral(R"(^(\d{1,2})/(\d{1,2})(?:/(\d{4}))?$)"));
    const QRegularExpressionMatch match = date.match(line.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const bool once = match.hasCaptured(3);
    // 2000 was a leap year, so "29/02" is a day every year it can be.
    const QDate day(once ? match.capturedView(3).toInt() : 2000, match.capturedView(2).toInt(),
        match.capturedView(1).toInt());
    if (!day.isValid())
        return std::nullopt;
    return HolidayDay { once ? HolidayDay::Kind::Once : HolidayDay::Kind::EveryYear, day, 0 };
}

QString holidayText(const HolidayDay &day)
{
    switch (day.kind) {
    case HolidayDay::Kind::EnglandAndWales:
        return QString::fromUtf16(kEnglandAndWales);
    case HolidayDay::Kind::FromEaster:
        if (day.easterOffset == 0)
            return QStringLiteral("Easter");
        return QStringLiteral("Easter") + (day.easterOffset < 0 ? u'-' : u'+')
            + QString::number(std::abs(day.easterOffset));
    case HolidayDay::Kind::EveryYear:
        return day.date.toString(u"dd/MM");
    case HolidayDay::Kind::Once:
        return day.date.toString(u"dd/MM/yyyy");
    }
    return {};
}

QDate easterSunday(int year)
{
    // The Gregorian computus (the "anonymous" algorithm).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

namespace {

QDate firstMonday(int year, int month)
{
    const QDate first(year, month, 1);
    return first.addDays((8 - first.dayOfWeek()) % 7);
}

QDate lastMonday(int year, int month)
{
    const QDate last = QDate(year, month, 1).addMonths(1).addDays(-1);
    return last.addDays(-((last.dayOfWeek() + 6) % 7));
}

bool isWeekend(QDate day)
{
    return day.dayOfWeek() >= 6;
}

} // namespace

QList<QDate> englandAndWalesHolidays(int year)
{
    const QDate easter = easterSunday(year);
    QList<QDate> days { easter.addDays(-2), easter.addDays(1), firstMonday(year, 5),
        lastMonday(year, 5), lastMonday(year, 8) };
    // New Year's Day, Christmas Day and Boxing Day move to the next weekday
    // free of another holiday: Christmas on a Saturday gives the Monday and
    // the Tuesday after it.
    for (const QDate fixed : { QDate(year, 1, 1), QDate(year, 12, 25), QDate(year, 12, 26) }) {
        QDate taken = fixed;
        while (isWeekend(taken) || days.contains(taken))
            taken = taken.addDays(1);
        days << taken;
    }
    std::sort(days.begin(), days.end());
    return days;
}

HolidayCalendar::HolidayCalendar(const QList<HolidayDay> &days)
    : m_days(days)
{ }

bool HolidayCalendar::isHoliday(QDate day) const
{
    for (const HolidayDay &holiday : m_days) {
        switch (holiday.kind) {
        case HolidayDay::Kind::EveryYear:
            if (day.day() == holiday.date.day() && day.month() == holiday.date.month())
                return true;
            break;
        case HolidayDay::Kind::Once:
            if (day == holiday.date)
                return true;
            break;
        case HolidayDay::Kind::FromEaster:
            if (easterSunday(day.year()).daysTo(day) == holiday.easterOffset)
                return true;
            break;
        case HolidayDay::Kind::EnglandAndWales:
            if (m_cachedYear != day.year()) {
                m_cachedYear = day.year();
                m_cachedDays = englandAndWalesHolidays(day.year());
            }
            if (m_cachedDays.contains(day))
                return true;
            break;
        }
    }
    return false;
}
