#pragma once

// How an operator turns a call's time into money, beyond the weekly fees: a
// fee for each call, the time charged in units of seconds rather than every
// minute begun, a least charge, each unit at the fee in force when it begins,
// and days priced with Sunday's bands. A default TariffRules sets none of
// them, and every price is then the weekly table's alone.

#include "common/exact_number.h"
#include "tariff/time_rule.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// A holiday line as the rules hold it.
struct HolidayDay
{
    enum class Kind { EveryYear, Once, FromEaster, EnglandAndWales };
    Kind kind = Kind::EveryYear;
    QDate date; // EveryYear: its day and month (year 2000, a leap year); Once: the day
    int easterOffset = 0;

    bool operator==(const HolidayDay &) const = default;
};

inline constexpr qint64 kMsPerSecond = 1000;

struct TariffRules
{
    // Pence added once to each call, as written.
    ExactNumber feePerCallPence;
    // Time charged: with unitMs 0 every minute begun is charged whole;
    // otherwise a first charge covers firstMs, then each unit of unitMs
    // begun is charged its share of the minute's fee, as operators write
    // "60/1", "30/30" or "158.4/158.4". Milliseconds.
    qint64 firstMs = 0;
    qint64 unitMs = 0;
    // The first charge in pence whatever the fee, instead of the first
    // units' share of it; only with units.
    std::optional<ExactNumber> firstChargePence;
    // The least a call costs, pence, the fee per call included.
    ExactNumber minimumChargePence;
    // Each unit (each minute begun, without units) at the fee in force when
    // it begins; otherwise the whole call at the fee in force at its end.
    bool unitsAtOwnRate = false;
    // Days priced with Sunday's bands: "25/12" every year, "27/12/2027"
    // once, "Easter-2" counted from Easter Sunday, or England and Wales's
    // bank holidays.
    QList<HolidayDay> holidays;
    // Rules by time in the order written: the last that matches a unit's
    // start prices it (time_rules.h).
    QList<TimeRule> timeRules;

    bool usesUnits() const { return unitMs > 0; }
    // Nothing set: prices are the weekly table's alone.
    bool isDefault() const;

    bool operator==(const TariffRules &) const = default;
};

inline constexpr char16_t kEnglandAndWales[] = u"England and Wales";
inline constexpr HolidayDay kEnglandAndWalesDays { HolidayDay::Kind::EnglandAndWales, {}, 0 };

// The charge units operators offer, as "first/unit" seconds; milliseconds.
struct ChargeUnits
{
    qint64 firstMs = 0;
    qint64 unitMs = 0;
};
inline constexpr ChargeUnits kOfferedUnits[] = { { 60000, 1000 }, { 30000, 30000 },
    { 1000, 1000 }, { 60000, 60000 }, { 30000, 1000 } };
// The longest first charge: a flat charge may cover hours.
inline constexpr qint64 kMostFirstMs = 24 * 3600 * kMsPerSecond;

// Milliseconds as seconds are written: "12", "158.4".
QString secondsText(qint64 ms);
// "60/1", "158.4/158.4"; empty for every minute begun.
QString unitsText(qint64 firstMs, qint64 unitMs);
// "60/1", "60 / 1", "12/12", "158.4/158.4"; nothing for any other text.
// Each part above 0, to the thousandth of a second, and at most a day.
std::optional<ChargeUnits> readUnits(QStringView text);

// Nothing when the text is none of the holiday forms above (or a date that
// is no day of the calendar).
std::optional<HolidayDay> readHoliday(QStringView text);
// The line for a holiday; read back, it gives the same day.
QString holidayText(const HolidayDay &day);

// Easter Sunday of a Gregorian year.
QDate easterSunday(int year);

// The bank holidays of England and Wales of a year: New Year's Day, Good
// Friday, Easter Monday, the first and last Mondays of May, the last Monday
// of August, Christmas Day and Boxing Day, each falling on a weekend taken
// on the next weekday that is not a holiday already.
QList<QDate> englandAndWalesHolidays(int year);

// Which days are priced with Sunday's bands, from the rules' holiday lines,
// answered quickly for every day a call touches. Unreadable lines count for
// nothing: the rules file refuses them on the way in.
class HolidayCalendar
{
public:
    HolidayCalendar() = default;
    explicit HolidayCalendar(const QList<HolidayDay> &days);

    bool isEmpty() const { return m_days.empty(); }
    bool isHoliday(QDate day) const;
    // The day of the week whose bands price the day: Qt's 1 (Monday) to 7,
    // Sunday's 7 on a holiday.
    int pricedWeekday(QDate day) const { return isHoliday(day) ? 7 : day.dayOfWeek(); }

private:
    QList<HolidayDay> m_days;
    // England and Wales's days are worked out once per year asked for.
    mutable int m_cachedYear = 0;
    mutable QList<QDate> m_cachedDays;
};
