#include "tariff/time_rules.h"

#include "tariff/fee_timeline.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kMostUnitSeconds = 3600;
constexpr qint64 kMostPence = 1000000;
constexpr int kMostAfterSeconds = 24 * 3600;

const QString kWeekdayNames[]
    = { QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
          QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun") };
const QString kFullWeekdayNames[] = { QStringLiteral("monday"), QStringLiteral("tuesday"),
    QStringLiteral("wednesday"), QStringLiteral("thursday"), QStringLiteral("friday"),
    QStringLiteral("saturday"), QStringLiteral("sunday") };

// Qt's 1 (Monday) to 7, or 0 for no day of the week.
int weekdayNamed(QStringView name)
{
    for (int day = 0; day < 7; ++day) {
        if (name.compare(kWeekdayNames[day], Qt::CaseInsensitive) == 0
            || name.compare(kFullWeekdayNames[day], Qt::CaseInsensitive) == 0)
            return day + 1;
    }
    return 0;
}

struct DaysRead
{
    std::optional<RuleDays> days;
    QString why;
};

DaysRead refused(const QString &why)
{
    return { std::nullopt, why };
}

// "25/12" (in 2000, a leap year, so "29/02" is a day every year it can be)
// or "25/12/2026".
std::optional<QDate> dateNamed(const QRegularExpressionMatch &match, int from, bool withYear)
{
    const QDate day(withYear ? match.capturedView(from + 2).toInt() : 2000,
        match.capturedView(from + 1).toInt(), match.capturedView(from).toInt());
    if (!day.isValid())
        return std::nullopt;
    return day;
}

DaysRead readDays(const QString &item)
{
    static const QRegularExpression weekdays(
        QStringLiteral(R"(^([a-z]+)(?:-([a-z]+))?$)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression easter(QStringLiteral(R"(^easter(?:([+-])(\d{1,3}))?$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression date(QStringLiteral(R"(^(\d{1,2})/(\d{1,2})(?:/(\d{4}))?$)"));
    static const QRegularExpression range(
        QStringLiteral(R"(^(\d{1,2})/(\d{1,2})-(\d{1,2})/(\d{1,2})$)"));

    RuleDays days;
    if (item.compare(u"holidays", Qt::CaseInsensitive) == 0
        || item.compare(u"holiday", Qt::CaseInsensitive) == 0) {
        days.kind = RuleDays::Kind::Holidays;
        return { days, {} };
    }
    if (const QRegularExpressionMatch match = easter.match(item); match.hasMatch()) {
        days.kind = RuleDays::Kind::FromEaster;
        const int offset = match.capturedView(2).toInt();
        days.easterOffset = match.capturedView(1) == u"-" ? -offset : offset;
        return { days, {} };
    }
    if (const QRegularExpressionMatch match = weekdays.match(item); match.hasMatch()) {
        days.firstWeekday = weekdayNamed(match.capturedView(1));
        days.lastWeekday
            = match.hasCaptured(2) ? weekdayNamed(match.capturedView(2)) : days.firstWeekday;
        if (days.firstWeekday == 0 || days.lastWeekday == 0)
            return refused(QCoreApplication::translate("TimeRules", "%1 is not a day").arg(item));
        return { days, {} };
    }
    if (const QRegularExpressionMatch match = date.match(item); match.hasMatch()) {
        const bool once = match.hasCaptured(3);
        const std::optional<QDate> day = dateNamed(match, 1, once);
        if (!day)
            return refused(
                QCoreApplication::translate("TimeRules", "%1 is not a day of the calendar")
                    .arg(item));
        days.kind = once ? RuleDays::Kind::Once : RuleDays::Kind::EveryYear;
        days.first = *day;
        return { days, {} };
    }
    if (const QRegularExpressionMatch match = range.match(item); match.hasMatch()) {
        days.kind = RuleDays::Kind::DateRange;
        const std::optional<QDate> first = dateNamed(match, 1, false);
        const std::optional<QDate> last = dateNamed(match, 3, false);
        if (!first || !last)
            return refused(
                QCoreApplication::translate("TimeRules", "%1 is not a day of the calendar")
                    .arg(first ? item.section(u'-', 1) : item.section(u'-', 0, 0)));
        days.first = *first;
        days.last = *last;
        return { days, {} };
    }
    return refused(QCoreApplication::translate("TimeRules", "%1 is not a day").arg(item));
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString dayMonthText(QDate day)
{
    return twoDigits(day.day()) + u'/' + twoDigits(day.month());
}

QString daysText(const RuleDays &days)
{
    switch (days.kind) {
    case RuleDays::Kind::Weekdays:
        if (days.firstWeekday == days.lastWeekday)
            return kWeekdayNames[qBound(1, days.firstWeekday, 7) - 1];
        return kWeekdayNames[qBound(1, days.firstWeekday, 7) - 1] + u'-'
            + kWeekdayNames[qBound(1, days.lastWeekday, 7) - 1];
    case RuleDays::Kind::EveryYear:
        return dayMonthText(days.first);
    case RuleDays::Kind::Once:
        return dayMonthText(days.first) + u'/'
            + QStringLiteral("%1").arg(days.first.year(), 4, 10, QLatin1Char('0'));
    case RuleDays::Kind::FromEaster:
        if (days.easterOffset == 0)
            return QStringLiteral("Easter");
        return QStringLiteral("Easter") + (days.easterOffset < 0 ? u'-' : u'+')
            + QString::number(std::abs(days.easterOffset));
    case RuleDays::Kind::DateRange:
        return dayMonthText(days.first) + u'-' + dayMonthText(days.last);
    case RuleDays::Kind::Holidays:
        return QStringLiteral("Holidays");
    }
    return {};
}

QString minuteText(int minute)
{
    return twoDigits(minute / 60) + u':' + twoDigits(minute % 60);
}

// Two places, or as many as the price was written with.
QString priceText(const ExactNumber &pence)
{
    return pence.toText(2);
}

// "8:00" as a minute of the day, or why it is none.
std::optional<int> minuteOfDay(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    const int hour = text.left(colon).toInt();
    const int minute = text.mid(colon + 1).toInt();
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

bool isSeconds(QStringView word)
{
    return word.isEmpty() || word == u"s" || word == u"sec" || word == u"secs" || word == u"second"
        || word == u"seconds";
}

bool isMinutes(QStringView word)
{
    return word == u"min" || word == u"mins" || word == u"minute" || word == u"minutes";
}

// A unit's length as written, "90", "158.4" (seconds) or "1.5" (minutes), in
// milliseconds; nothing for a length finer than a millisecond.
std::optional<qint64> lengthMs(QStringView number, bool minutes)
{
    const std::optional<ExactNumber> read = ExactNumber::fromText(number);
    if (!read)
        return qint64(kMostUnitSeconds + 1) * kMsPerSecond; // far past the limit
    const ExactNumber ms = *read * (minutes ? 60 * kMsPerSecond : kMsPerSecond);
    if (!ms.isWhole())
        return std::nullopt;
    return qMin<qint64>(ms.roundHalfEven(), qint64(kMostUnitSeconds + 1) * kMsPerSecond);
}

// A clause of the line, taken out of it where it stands.
QRegularExpressionMatch takeClause(QString &rest, const QRegularExpression &clause)
{
    QRegularExpressionMatch match = clause.match(rest);
    if (match.hasMatch())
        rest = (rest.left(match.capturedStart(0)) + u' ' + rest.mid(match.capturedEnd(0)))
                   .simplified();
    return match;
}

TimeRuleRead refusedRule(const QString &why)
{
    return { std::nullopt, why };
}

} // namespace

ExactNumber TimeRule::unitPence() const
{
    return perMinute ? pence * ExactNumber::fraction(unitMs, 60 * kMsPerSecond) : pence;
}

ExactNumber TimeRule::minutePence() const
{
    return perMinute ? pence : pence * ExactNumber::fraction(60 * kMsPerSecond, unitMs);
}

TimeRuleRead readTimeRule(QStringView line)
{
    const QString text = line.toString().simplified();
    if (text.isEmpty())
        return refusedRule(QCoreApplication::translate("TimeRules", "the line is empty"));
    static const QRegularExpression times(
        QStringLiteral(R"((?:^|\s)(\d{1,2}:\d{2})\s?-\s?(\d{1,2}:\d{2})(?:\s|$))"));
    const QRegularExpressionMatch timeMatch = times.match(text);
    if (!timeMatch.hasMatch())
        return refusedRule(QCoreApplication::translate(
            "TimeRules", "no times of day are given, such as 08:00-17:59"));

    TimeRule rule;
    // Spaces around the commas and dashes of the days mean nothing.
    QString daysPart = text.left(timeMatch.capturedStart(0)).remove(u' ');
    for (const QString &item : daysPart.split(u',', Qt::SkipEmptyParts)) {
        const DaysRead read = readDays(item);
        if (!read.days)
            return refusedRule(read.why);
        rule.days << *read.days;
    }
    if (rule.days.isEmpty())
        return refusedRule(QCoreApplication::translate("TimeRules", "no days are named"));
    for (const int part : { 1, 2 }) {
        const std::optional<int> minute = minuteOfDay(timeMatch.capturedView(part));
        if (!minute)
            return refusedRule(QCoreApplication::translate("TimeRules", "%1 is not a time of day")
                                   .arg(timeMatch.capturedView(part)));
        (part == 1 ? rule.firstMinute : rule.lastMinute) = *minute;
    }

    QString rest = text.mid(timeMatch.capturedEnd(0)).toLower();
    if (rest.isEmpty())
        return refusedRule(QCoreApplication::translate("TimeRules", "no price is given"));
    const QString written = rest;
    // "after 90 min" and "in 12 s units" may stand before or after the price.
    static const QRegularExpression afterClause(
        QStringLiteral(R"((?:^|\s)after (\d+) ?([a-z]+)(?=\s|$))"));
    static const QRegularExpression unitsClause(
        QStringLiteral(R"((?:^|\s)in (\d+(?:\.\d*)?|\.\d+) ?([a-z]*) units?(?=\s|$))"));
    const QRegularExpressionMatch after = takeClause(rest, afterClause);
    const QRegularExpressionMatch units = takeClause(rest, unitsClause);
    static const QRegularExpression price(QStringLiteral(
        R"(^(?:(free)|(\d+(?:\.\d*)?|\.\d+) ?p?(?: ?(?:a|per|/) ?(?:(min|mins|minute)|(\d+(?:\.\d*)?|\.\d+) ?([a-z]*)))?)$)"));
    const QRegularExpressionMatch match = price.match(rest);
    const bool free = match.hasCaptured(1);
    if (!match.hasMatch() || (units.hasMatch() && !match.hasCaptured(3))) {
        if (rest.startsWith(u'-'))
            return refusedRule(
                QCoreApplication::translate("TimeRules", "a price cannot be below 0"));
        if (rest.isEmpty() || (!rest.front().isDigit() && rest.front() != u'.'))
            return refusedRule(QCoreApplication::translate("TimeRules", "no price is given"));
        return refusedRule(QCoreApplication::translate("TimeRules",
            "%1 is not a price such as \"4.20 a minute\" or "
            "\"10 per 90 s\"")
                               .arg(written));
    }
    if (!free) {
        const std::optional<ExactNumber> pence = ExactNumber::fromText(match.capturedView(2));
        if (!pence || *pence > kMostPence)
            return refusedRule(
                QCoreApplication::translate("TimeRules", "a price cannot be over 1000000 pence"));
        rule.pence = *pence;
    }
    std::optional<qint64> unitMs;
    if (free) {
        unitMs = kMsPerSecond;
    } else if (match.hasCaptured(3)) {
        rule.perMinute = true;
        unitMs = 60 * kMsPerSecond;
        if (units.hasMatch()) {
            if (!isSeconds(units.capturedView(2)))
                return refusedRule(
                    QCoreApplication::translate("TimeRules", "units are counted in seconds"));
            unitMs = lengthMs(units.capturedView(1), false);
        }
    } else if (match.hasCaptured(4)) {
        rule.perMinute = false;
        const QStringView unit = match.capturedView(5);
        if (!isMinutes(unit) && !isSeconds(unit))
            return refusedRule(
                QCoreApplication::translate("TimeRules", "%1 is not seconds or minutes").arg(unit));
        unitMs = lengthMs(match.capturedView(4), isMinutes(unit));
    } else {
        return refusedRule(QCoreApplication::translate("TimeRules",
            "the price says neither \"a minute\" nor \"per\" a "
            "unit"));
    }
    if (!unitMs)
        return refusedRule(QCoreApplication::translate(
            "TimeRules", "a unit is counted to the thousandth of a second at most"));
    if (*unitMs < 1)
        return refusedRule(QCoreApplication::translate("TimeRules", "a unit cannot be 0 seconds"));
    if (*unitMs > kMostUnitSeconds * kMsPerSecond)
        return refusedRule(
            QCoreApplication::translate("TimeRules", "a unit cannot be over 3600 seconds"));
    rule.unitMs = *unitMs;
    rule = rule.normalised();
    if (after.hasMatch()) {
        const QStringView unit = after.capturedView(2);
        if (!isMinutes(unit) && !isSeconds(unit))
            return refusedRule(
                QCoreApplication::translate("TimeRules", "%1 is not seconds or minutes").arg(unit));
        const QStringView digits = after.capturedView(1);
        const qint64 count = digits.size() > 9 ? kMostAfterSeconds + 1 : digits.toLongLong();
        const qint64 seconds = qMin<qint64>(count, kMostAfterSeconds + 1) * (isMinutes(unit) ? 60 : 1);
        if (seconds > kMostAfterSeconds)
            return refusedRule(QCoreApplication::translate(
                "TimeRules", "a rule cannot begin over 24 hours into a call"));
        rule.afterSeconds = int(seconds);
    }
    return { rule, {} };
}

QString timeRuleText(const TimeRule &rule)
{
    QStringList days;
    for (const RuleDays &item : rule.days)
        days << daysText(item);
    QString text = days.join(u',') + u' ' + minuteText(rule.firstMinute) + u'-'
        + minuteText(rule.lastMinute) + u' ';
    if (rule.isFree())
        text += QStringLiteral("free");
    else if (!rule.perMinute)
        text += priceText(rule.pence) + QStringLiteral(" per %1 s").arg(secondsText(rule.unitMs));
    else if (rule.unitMs == 60 * kMsPerSecond)
        text += priceText(rule.pence) + QStringLiteral(" a minute");
    else
        text += priceText(rule.pence)
            + QStringLiteral(" a minute in %1 s units").arg(secondsText(rule.unitMs));
    if (rule.afterSeconds > 0 && rule.afterSeconds % 60 == 0)
        text += QStringLiteral(" after %1 min").arg(rule.afterSeconds / 60);
    else if (rule.afterSeconds > 0)
        text += QStringLiteral(" after %1 s").arg(rule.afterSeconds);
    return text;
}

namespace {

bool sameDayOfYear(QDate day, QDate of)
{
    return day.day() == of.day() && day.month() == of.month();
}

// Day and month as one number that sorts as the year runs.
int dayOfYear(QDate day)
{
    return day.month() * 32 + day.day();
}

} // namespace

TimeRuleBook::TimeRuleBook(const QList<TimeRule> &rules, const HolidayCalendar &holidays)
    : m_rules(rules.begin(), rules.end())
    , m_holidays(&holidays)
{
    for (const TimeRule &rule : m_rules) {
        m_changeMinutes.push_back(rule.firstMinute);
        m_changeMinutes.push_back(rule.lastMinute + 1);
        if (rule.afterSeconds > 0)
            m_afterSeconds.push_back(rule.afterSeconds);
    }
    std::sort(m_changeMinutes.begin(), m_changeMinutes.end());
    std::sort(m_afterSeconds.begin(), m_afterSeconds.end());
}

bool TimeRuleBook::coversDay(const RuleDays &days, QDate day) const
{
    switch (days.kind) {
    case RuleDays::Kind::Weekdays: {
        const int weekday = day.dayOfWeek();
        if (days.firstWeekday <= days.lastWeekday)
            return weekday >= days.firstWeekday && weekday <= days.lastWeekday;
        return weekday >= days.firstWeekday || weekday <= days.lastWeekday;
    }
    case RuleDays::Kind::EveryYear:
        return sameDayOfYear(day, days.first);
    case RuleDays::Kind::Once:
        return day == days.first;
    case RuleDays::Kind::FromEaster:
        return easterSunday(day.year()).daysTo(day) == days.easterOffset;
    case RuleDays::Kind::DateRange: {
        const int at = dayOfYear(day);
        const int first = dayOfYear(days.first);
        const int last = dayOfYear(days.last);
        if (first <= last)
            return at >= first && at <= last;
        return at >= first || at <= last;
    }
    case RuleDays::Kind::Holidays:
        return m_holidays && m_holidays->isHoliday(day);
    }
    return false;
}

const TimeRule *TimeRuleBook::ruleAt(QDate day, int minute, qint64 secondsIntoCall) const
{
    if (!day.isValid())
        return nullptr;
    if (day != m_coveredDay) {
        m_coversDay.resize(m_rules.size());
        for (size_t i = 0; i < m_rules.size(); ++i)
            m_coversDay[i] = std::any_of(m_rules[i].days.begin(), m_rules[i].days.end(),
                [&](const RuleDays &days) { return coversDay(days, day); });
        m_coveredDay = day;
    }
    for (size_t i = m_rules.size(); i-- > 0;) {
        const TimeRule &rule = m_rules[i];
        const bool inMinutes = rule.firstMinute <= rule.lastMinute
            ? minute >= rule.firstMinute && minute <= rule.lastMinute
            : minute >= rule.firstMinute || minute <= rule.lastMinute;
        if (inMinutes && rule.afterSeconds <= secondsIntoCall && m_coversDay[i])
            return &rule;
    }
    return nullptr;
}

int TimeRuleBook::nextChangeAfter(int minute) const
{
    const auto next = std::upper_bound(m_changeMinutes.begin(), m_changeMinutes.end(), minute);
    return next == m_changeMinutes.end() ? kMinutesPerDay : qMin(*next, kMinutesPerDay);
}

qint64 TimeRuleBook::nextThresholdAfter(qint64 secondsIntoCall) const
{
    const auto next
        = std::upper_bound(m_afterSeconds.begin(), m_afterSeconds.end(), secondsIntoCall);
    return next == m_afterSeconds.end() ? std::numeric_limits<qint64>::max() : *next;
}
