#include "tariff/ruleset_words.h"

#include "tariff/tariff_rules.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

constexpr int kMostEasterDays = 31;
constexpr int kMostAfterSeconds = 24 * 3600;

QString quoted(QStringView text)
{
    return u'"' + text.toString() + u'"';
}

// A day named inside "on (...)": a weekday, a day of the year or a day
// counted from Easter.
struct DayPoint
{
    RuleDays::Kind kind = RuleDays::Kind::Weekdays;
    int weekday = 1;
    QDate date;
    int easterOffset = 0;
};

Read<DayPoint> readDayPoint(QStringView text)
{
    static const QStringList weekdays { QStringLiteral("monday"), QStringLiteral("tuesday"),
        QStringLiteral("wednesday"), QStringLiteral("thursday"), QStringLiteral("friday"),
        QStringLiteral("saturday"), QStringLiteral("sunday") };
    const QString word = text.trimmed().toString().toLower();
    for (int day = 0; day < 7; ++day) {
        if (word == weekdays[day] || word == weekdays[day].left(3))
            return DayPoint { RuleDays::Kind::Weekdays, day + 1, {}, 0 };
    }
    static const QRegularExpression easter(QStringLiteral(R"(^easter\s*(?:([+-])\s*(\d{1,3}))?$)"));
    if (const QRegularExpressionMatch match = easter.match(word); match.hasMatch()) {
        const int days = match.capturedView(2).toInt();
        return DayPoint { RuleDays::Kind::FromEaster, 1, {},
            match.capturedView(1) == u"-" ? -days : days };
    }
    // The dialer's mm/dd, or dd.mm with a dot; in 2000, a leap year, so
    // that 02/29 is a day.
    static const QRegularExpression date(QStringLiteral(R"(^(\d{1,2})([/.])(\d{1,2})$)"));
    if (const QRegularExpressionMatch match = date.match(word); match.hasMatch()) {
        const bool dotted = match.capturedView(2) == u".";
        const int first = match.capturedView(1).toInt();
        const int second = match.capturedView(3).toInt();
        const QDate day(2000, dotted ? second : first, dotted ? first : second);
        if (!day.isValid())
            return QCoreApplication::translate("RulesetWords", "%1 is no day of the year")
                .arg(quoted(word));
        return DayPoint { RuleDays::Kind::EveryYear, 1, day, 0 };
    }
    return QCoreApplication::translate(
        "RulesetWords", "%1 is no weekday, date (mm/dd or dd.mm) or day from easter")
        .arg(quoted(word));
}

// One item of the days, a day or a range "a..b" of days of one kind.
Read<QList<RuleDays>> readDayItem(QStringView item)
{
    const qsizetype dots = item.indexOf(u"..");
    const Read<DayPoint> first = readDayPoint(dots < 0 ? item : item.left(dots));
    if (const QString *why = std::get_if<QString>(&first))
        return *why;
    const DayPoint from = std::get<DayPoint>(first);
    DayPoint to = from;
    if (dots >= 0) {
        const Read<DayPoint> last = readDayPoint(item.mid(dots + 2));
        if (const QString *why = std::get_if<QString>(&last))
            return *why;
        to = std::get<DayPoint>(last);
        if (to.kind != from.kind)
            return QCoreApplication::translate("RulesetWords",
                "%1 joins days of two kinds; a range runs from weekday to "
                "weekday, date to date or easter to easter")
                .arg(quoted(item.trimmed()));
    }
    RuleDays days;
    days.kind = from.kind;
    switch (from.kind) {
    case RuleDays::Kind::Weekdays:
        days.firstWeekday = from.weekday;
        days.lastWeekday = to.weekday;
        return QList<RuleDays> { days };
    case RuleDays::Kind::EveryYear:
        if (dots >= 0) {
            days.kind = RuleDays::Kind::DateRange;
            days.last = to.date;
        }
        days.first = from.date;
        return QList<RuleDays> { days };
    default:
        break;
    }
    if (to.easterOffset < from.easterOffset
        || to.easterOffset - from.easterOffset >= kMostEasterDays)
        return QCoreApplication::translate(
            "RulesetWords", "%1 must run forwards over at most %2 days")
            .arg(quoted(item.trimmed()))
            .arg(kMostEasterDays);
    QList<RuleDays> list;
    for (int offset = from.easterOffset; offset <= to.easterOffset; ++offset) {
        days.easterOffset = offset;
        list << days;
    }
    return list;
}

// "h:mm" or "h:m" as a minute of the day; "24:00" is the day's last minute
// as an end and midnight as a start.
Read<int> readMinute(QStringView text, bool end)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,2}):(\d{1,2})$)"));
    const QString time = text.trimmed().toString();
    const QRegularExpressionMatch match = form.match(time);
    const int hour = match.capturedView(1).toInt();
    const int minute = match.capturedView(2).toInt();
    if (match.hasMatch() && hour == 24 && minute == 0)
        return end ? 24 * 60 - 1 : 0;
    if (!match.hasMatch() || hour > 23 || minute > 59)
        return QCoreApplication::translate("RulesetWords", "%1 is no time of day (h:mm)")
            .arg(quoted(time));
    return hour * 60 + minute;
}

} // namespace

Read<ExactNumber> readAmount(QStringView text)
{
    static const QRegularExpression form(QStringLiteral(R"(^-?(\d+\.?\d*|\.\d+)$)"));
    const QString amount = text.trimmed().toString();
    if (!form.match(amount).hasMatch())
        return QCoreApplication::translate("RulesetWords", "%1 is no amount").arg(quoted(amount));
    const std::optional<ExactNumber> exact = ExactNumber::fromText(amount);
    if (!exact)
        return QCoreApplication::translate(
            "RulesetWords", "%1 has more digits than any price (at most 30)")
            .arg(quoted(amount));
    if (*exact < ExactNumber())
        return QCoreApplication::translate("RulesetWords", "a price cannot be below 0");
    return *exact;
}

Read<qint64> readLengthMs(QStringView text, Length length, bool zeroAllowed)
{
    const QString seconds = text.trimmed().toString();
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,9}\.?\d*|\.\d+)$)"));
    const std::optional<ExactNumber> exact
        = form.match(seconds).hasMatch() ? ExactNumber::fromText(seconds) : std::nullopt;
    const ExactNumber ms = exact ? *exact * ExactNumber(kMsPerSecond) : ExactNumber();
    if (!exact || !ms.isWhole())
        return QCoreApplication::translate(
            "RulesetWords", "%1 is no number of seconds (to the thousandth at most)")
            .arg(quoted(seconds));
    if (ms.isZero() && !zeroAllowed)
        return QCoreApplication::translate("RulesetWords", "a unit cannot be 0 seconds");
    if (length == Length::Unit && ms > ExactNumber(3600 * kMsPerSecond))
        return QCoreApplication::translate(
            "RulesetWords", "a unit cannot be longer than 3600 seconds");
    if (ms > ExactNumber(kMostFirstMs))
        return QCoreApplication::translate(
            "RulesetWords", "a first charge cannot be longer than a day (86400 seconds)");
    return ms.roundHalfEven();
}

Read<int> readAfterSeconds(QStringView text)
{
    const QStringView seconds = text.trimmed();
    static const QRegularExpression form(QStringLiteral(R"(^\d{1,9}$)"));
    if (!form.match(seconds).hasMatch())
        return QCoreApplication::translate("RulesetWords", "%1 is no whole number of seconds")
            .arg(quoted(seconds));
    if (seconds.toInt() > kMostAfterSeconds)
        return QCoreApplication::translate(
            "RulesetWords", "%1 is past a day (86400 s), the most Callwise counts into a call")
            .arg(quoted(seconds));
    return seconds.toInt();
}

Read<QList<RuleDays>> readRulesetDays(QStringView text)
{
    if (text.trimmed().isEmpty())
        return QList<RuleDays> { RuleDays {} };
    QList<RuleDays> all;
    for (const QStringView item : text.split(u',')) {
        const Read<QList<RuleDays>> days = readDayItem(item);
        if (const QString *why = std::get_if<QString>(&days))
            return *why;
        all << std::get<QList<RuleDays>>(days);
    }
    return all;
}

Read<QList<MinuteRange>> readRulesetTimes(QStringView text)
{
    if (text.trimmed().isEmpty())
        return QList<MinuteRange> { MinuteRange {} };
    QList<MinuteRange> ranges;
    for (const QStringView item : text.split(u',')) {
        const qsizetype dots = item.indexOf(u"..");
        if (dots < 0)
            return QCoreApplication::translate(
                "RulesetWords", "%1 is no range of times (h:mm..h:mm)")
                .arg(quoted(item.trimmed()));
        // An open end runs to the day's edge.
        MinuteRange range;
        if (const QStringView start = item.left(dots); !start.trimmed().isEmpty()) {
            const Read<int> minute = readMinute(start, false);
            if (const QString *why = std::get_if<QString>(&minute))
                return *why;
            range.first = std::get<int>(minute);
        }
        if (const QStringView end = item.mid(dots + 2); !end.trimmed().isEmpty()) {
            const Read<int> minute = readMinute(end, true);
            if (const QString *why = std::get_if<QString>(&minute))
                return *why;
            range.last = std::get<int>(minute);
        }
        ranges << range;
    }
    return ranges;
}

std::optional<QStringList> readTuple(QStringView text)
{
    const QStringView inside = text.trimmed();
    if (!inside.startsWith(u'(') || !inside.endsWith(u')'))
        return std::nullopt;
    QStringList parts;
    for (const QStringView part : inside.sliced(1, inside.size() - 2).split(u','))
        parts << part.trimmed().toString();
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    return parts;
}
