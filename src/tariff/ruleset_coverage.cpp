#include "tariff/ruleset_coverage.h"

#include "tariff/time_rules.h"

#include <QCoreApplication>
#include <QTime>

#include <utility>

// 28 years hold every date on every weekday; a day no date or Easter names
// is priced as any other of its weekday, so only the first of those is
// looked at.
std::optional<std::pair<int, int>> firstUncovered(const QList<TimeRule> &timeRules)
{
    QList<TimeRule> dated; // the rules' dates and days from Easter, all day
    for (TimeRule rule : timeRules) {
        rule.days.removeIf(
            [](const RuleDays &days) { return days.kind == RuleDays::Kind::Weekdays; });
        rule.firstMinute = 0;
        rule.lastMinute = 24 * 60 - 1;
        rule.afterSeconds = 0;
        if (!rule.days.isEmpty())
            dated << rule;
    }
    const HolidayCalendar noHolidays;
    const TimeRuleBook book(timeRules, noHolidays);
    const TimeRuleBook datedBook(dated, noHolidays);
    std::optional<std::pair<int, int>> first;
    bool plainSeen[8] = {};
    const QDate monday(2000, 1, 3);
    for (QDate day = monday; day < monday.addYears(28); day = day.addDays(1)) {
        const int weekday = day.dayOfWeek();
        if (!datedBook.ruleAt(day, 0, 0) && std::exchange(plainSeen[weekday], true))
            continue;
        for (int minute = 0; minute < 24 * 60; minute = book.nextChangeAfter(minute)) {
            if (first && std::pair(weekday, minute) >= *first)
                break;
            if (!book.ruleAt(day, minute, 0)) {
                first = std::pair(weekday, minute);
                break;
            }
        }
    }
    return first;
}

QString uncoveredText(std::pair<int, int> at)
{
    static const char *const weekdays[] = { QT_TRANSLATE_NOOP("RulesetImport", "Monday"),
        QT_TRANSLATE_NOOP("RulesetImport", "Tuesday"),
        QT_TRANSLATE_NOOP("RulesetImport", "Wednesday"),
        QT_TRANSLATE_NOOP("RulesetImport", "Thursday"),
        QT_TRANSLATE_NOOP("RulesetImport", "Friday"),
        QT_TRANSLATE_NOOP("RulesetImport", "Saturday"),
        QT_TRANSLATE_NOOP("RulesetImport", "Sunday") };
    return QCoreApplication::translate("RulesetImport",
        "it has no default=(cost, seconds), and no rule prices a call that begins on %1 at %2")
        .arg(QCoreApplication::translate("RulesetImport", weekdays[at.first - 1]),
            QTime(at.second / 60, at.second % 60).toString(QStringLiteral("HH:mm")));
}
