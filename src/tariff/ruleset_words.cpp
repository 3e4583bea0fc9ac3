#include "tariff/ruleset_words.h"

#include "common/number_reader.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Four whole digits and eight decimals keep every amount, and the fee a
// minute made from it, well inside 64 bits.
constexpr int kMostWholeDigits = 4;
constexpr int kMostPlaces = 8;
constexpr int kMostEasterDays = 31;
constexpr int kMostAfterSeconds = 24 * 3600;

qint64 powerOfTen(int places)
{
    qint64 power = 1;
    while (places-- > 0)
        power *= 10;
    return power;
}

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
            return quoted(word)
                + QCoreApplication::translate("RulesetWords", " is no day of the year");
        return DayPoint { RuleDays::Kind::EveryYear, 1, day, 0 };
    }
    return quoted(word)
        + QCoreApplication::translate(
            "RulesetWords", " is no weekday, date (mm/dd or dd.mm) or day from easter");
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
            return quoted(item.trimmed())
                + QCoreApplication::translate("RulesetWords",
                    " joins days of two kinds; a range runs from weekday to "
                    "weekday, date to date or easter to easter");
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
        return quoted(item.trimmed())
            + QCoreApplication::translate("RulesetWords", " must run forwards over at most %1 days")
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
        return quoted(time)
            + QCoreApplication::translate("RulesetWords", " is no time of day (h:mm)");
    return hour * 60 + minute;
}

} // namespace

Decimal Decimal::hundredths() const
{
    if (places >= 2)
        return Decimal { units, places - 2 }.trimmed();
    return Decimal { units * powerOfTen(2 - places), 0 };
}

Decimal Decimal::trimmed() const
{
    Decimal shorter = *this;
    while (shorter.places > 0 && shorter.units % 10 == 0) {
        shorter.units /= 10;
        --shorter.places;
    }
    return shorter;
}

Decimal Decimal::plus(Decimal other) const
{
    const int common = qMax(places, other.places);
    return Decimal { units * powerOfTen(common - places)
            + other.units * powerOfTen(common - other.places),
        common }
        .trimmed();
}

QString Decimal::text() const
{
    const qint64 scale = powerOfTen(places);
    QString whole = QString::number(units / scale);
    if (places == 0)
        return whole;
    return whole + u'.' + QString::number(units % scale).rightJustified(places, u'0');
}

double Decimal::value() const
{
    return readNumber(text());
}

Read<Decimal> readAmount(QStringView text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(-?)(\d*)(?:\.(\d*))?$)"));
    const QString amount = text.trimmed().toString();
    const QRegularExpressionMatch match = form.match(amount);
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0))
        return quoted(amount) + QCoreApplication::translate("RulesetWords", " is no amount");
    QString whole = match.captured(2);
    QString fraction = match.captured(3);
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (match.capturedLength(1) > 0
        && QString(whole + fraction).count(u'0') < whole.size() + fraction.size())
        return QCoreApplication::translate("RulesetWords", "a price cannot be below 0");
    if (whole.size() > kMostWholeDigits || fraction.size() > kMostPlaces)
        return quoted(amount)
            + QCoreApplication::translate("RulesetWords",
                " is more than Callwise keeps (at most %1 digits before the point "
                "and %2 after it)")
                  .arg(kMostWholeDigits)
                  .arg(kMostPlaces);
    const Decimal exact { (whole + fraction).toLongLong(), int(fraction.size()) };
    return exact;
}

Read<int> readUnitSeconds(QStringView text, bool zeroAllowed)
{
    const QStringView seconds = text.trimmed();
    static const QRegularExpression form(QStringLiteral(R"(^\d{1,9}$)"));
    if (!form.match(seconds).hasMatch())
        return quoted(seconds)
            + QCoreApplication::translate("RulesetWords", " is no whole number of seconds");
    const int value = seconds.toInt();
    if (value == 0 && !zeroAllowed)
        return QCoreApplication::translate("RulesetWords", "a unit cannot be 0 seconds");
    if (value > 3600)
        return QCoreApplication::translate(
            "RulesetWords", "a unit cannot be longer than 3600 seconds");
    return value;
}

Read<int> readAfterSeconds(QStringView text)
{
    const QStringView seconds = text.trimmed();
    static const QRegularExpression form(QStringLiteral(R"(^\d{1,9}$)"));
    if (!form.match(seconds).hasMatch())
        return quoted(seconds)
            + QCoreApplication::translate("RulesetWords", " is no whole number of seconds");
    if (seconds.toInt() > kMostAfterSeconds)
        return QCoreApplication::translate(
            "RulesetWords", "Callwise counts at most a day (86400 s) into a call");
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
            return quoted(item.trimmed())
                + QCoreApplication::translate("RulesetWords", " is no range of times (h:mm..h:mm)");
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
