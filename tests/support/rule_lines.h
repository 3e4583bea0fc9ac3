#pragma once

// Rules by time and holidays as a test writes them, read as the rules file
// reads them; a line that does not read throws, failing the test.

#include "tariff/time_rules.h"

#include <initializer_list>

inline QList<TimeRule> timeRulesOf(std::initializer_list<const char *> lines)
{
    QList<TimeRule> rules;
    for (const char *line : lines)
        rules << readTimeRule(QString::fromUtf8(line)).rule.value();
    return rules;
}

inline QList<HolidayDay> holidaysOf(std::initializer_list<const char *> lines)
{
    QList<HolidayDay> days;
    for (const char *line : lines)
        days << readHoliday(QString::fromUtf8(line)).value();
    return days;
}
