#include "alerts/alert_choices.h"

#include "calllog/call_log.h"
#include "common/number_reader.h"
#include "common/rounding.h"

#include <algorithm>

namespace {

std::optional<qint64> wholeNumber(const QString &line)
{
    const LeadingNumber number = readLeadingNumber(line);
    if (!number.whole || number.value < 0 || number.value != double(roundHalfEven(number.value)))
        return std::nullopt;
    return roundHalfEven(number.value);
}

// One of the window's choices, such as an interval; nothing for any other.
template <std::size_t N> std::optional<int> offered(const QString &line, const int (&choices)[N])
{
    const std::optional<qint64> value = wholeNumber(line);
    if (!value || std::ranges::find(choices, *value) == std::end(choices))
        return std::nullopt;
    return int(*value);
}

// A month by its first day: an empty line is none (an invalid date), a line
// that is neither "dd:mm:yyyy" nor an old "mm:yyyy" is damage (nothing).
std::optional<QDate> monthLine(const QString &line)
{
    const QString text = line.trimmed();
    if (text.isEmpty())
        return QDate();
    const QString day = text.size() == 7 ? QStringLiteral("01:") + text : text;
    const QDate first = QDate::fromString(day, u"dd:MM:yyyy");
    if (day.size() != 10 || !first.isValid())
        return std::nullopt;
    return first;
}

QString monthText(QDate first)
{
    return first.isValid() ? logDateText(first) : QString();
}

} // namespace

AlertChoices LoadAlertChoices(const QString &path)
{
    const std::optional<QStringList> lines = readLines(path, 10);
    if (!lines || lines->size() < 3)
        return {};
    AlertChoices choices;
    const std::optional<int> interval = offered(lines->at(0), kSpeakIntervals);
    if (!interval)
        return {};
    choices.speakEveryMinutes = *interval;
    if (!lines->at(1).trimmed().isEmpty()) {
        choices.limitPence = wholeNumber(lines->at(1));
        if (!choices.limitPence)
            return {};
    }
    const std::optional<QDate> warned = monthLine(lines->at(2));
    if (!warned)
        return {};
    choices.warnedMonth = *warned;
    // A start day the window never offers is damage, like any other bad line,
    // rather than the 1st: counting from the wrong day would quietly weigh
    // the wrong calls against the limit.
    if (lines->size() > 3 && !lines->at(3).trimmed().isEmpty()) {
        const std::optional<qint64> day = wholeNumber(lines->at(3));
        if (!day || *day < kFirstBillDay || *day > kLastBillDay)
            return {};
        choices.billStartDay = int(*day);
    }
    if (lines->size() > 4) {
        const std::optional<QDate> forecastWarned = monthLine(lines->at(4));
        if (!forecastWarned)
            return {};
        choices.forecastWarnedMonth = *forecastWarned;
    }
    if (lines->size() > 5) {
        const std::optional<int> seconds = offered(lines->at(5), kSecondsBeforeMinute);
        const std::optional<int> minutes
            = lines->size() > 6 ? offered(lines->at(6), kMinutesBeforeChange) : 0;
        if (!seconds || !minutes)
            return {};
        choices.coach = { *seconds, *minutes };
    }
    if (lines->size() > 7) {
        const std::optional<int> percent = offered(lines->at(7), kDataWarnPercents);
        const std::optional<QDate> level = lines->size() > 8 ? monthLine(lines->at(8)) : QDate();
        const std::optional<QDate> allowance
            = lines->size() > 9 ? monthLine(lines->at(9)) : QDate();
        if (!percent || !level || !allowance)
            return {};
        choices.dataWarnPercent = *percent;
        choices.dataLevelWarnedMonth = *level;
        choices.dataAllowanceWarnedMonth = *allowance;
    }
    return choices;
}

FileResult SaveAlertChoices(const QString &path, const AlertChoices &choices)
{
    QStringList lines { QString::number(choices.speakEveryMinutes),
        choices.limitPence ? QString::number(*choices.limitPence) : QString(),
        monthText(choices.warnedMonth), QString::number(choices.billStartDay),
        monthText(choices.forecastWarnedMonth), QString::number(choices.coach.secondsBeforeMinute),
        QString::number(choices.coach.minutesBeforeChange) };
    if (choices.dataWarnPercent != kDefaultDataWarningPercent
        || choices.dataLevelWarnedMonth.isValid() || choices.dataAllowanceWarnedMonth.isValid())
        lines << QString::number(choices.dataWarnPercent) << monthText(choices.dataLevelWarnedMonth)
              << monthText(choices.dataAllowanceWarnedMonth);
    return writeLines(path, lines);
}
