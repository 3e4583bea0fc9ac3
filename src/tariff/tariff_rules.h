#pragma once

// How an operator turns a call's time into money, beyond the weekly fees: a
// fee for each call, the time charged in units of seconds rather than every
// minute begun, a least charge, each unit at the fee in force when it begins,
// and days priced with Sunday's bands. A default TariffRules sets none of
// them, and every price is then the weekly table's alone.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct TariffRules
{
    // Pence added once to each call.
    double feePerCallPence = 0.0;
    // Time charged: with unitSeconds 0 every minute begun is charged whole;
    // otherwise a first charge covers firstSeconds, then each unit of
    // unitSeconds begun is charged unitSeconds/60 of the minute's fee, as
    // operators write "60/1" or "30/30".
    int firstSeconds = 0;
    int unitSeconds = 0;
    // The first charge in pence whatever the fee, instead of firstSeconds/60
    // of it; only with units.
    std::optional<double> firstChargePence;
    // The least a call costs, pence, the fee per call included.
    double minimumChargePence = 0.0;
    // Each unit (each minute begun, without units) at the fee in force when
    // it begins; otherwise the whole call at the fee in force at its end.
    bool unitsAtOwnRate = false;
    // Days priced with Sunday's bands: "25/12" every year, "27/12/2027"
    // once, "Easter-2" counted from Easter Sunday, or kEnglandAndWales for
    // that country's bank holidays.
    QStringList holidays;
    // Rules by time, one a line as the rules file holds them, in the order
    // written: the last that matches a unit's start prices it (time_rules.h).
    QStringList timeRules;

    bool usesUnits() const { return unitSeconds > 0; }
    // Nothing set: prices are the weekly table's alone.
    bool isDefault() const;

    bool operator==(const TariffRules &) const = default;
};

inline constexpr char16_t kEnglandAndWales[] = u"England and Wales";

// The charge units operators offer, as "first/unit" seconds.
struct ChargeUnits
{
    int firstSeconds = 0;
    int unitSeconds = 0;
};
inline constexpr ChargeUnits kOfferedUnits[] = { { 60, 1 }, { 30, 30 }, { 1, 1 }, { 60, 60 },
    { 30, 1 } };

// "60/1"; empty for every minute begun.
QString unitsText(int firstSeconds, int unitSeconds);
// "60/1" and "60 / 1"; nothing for any other text. Each part 1 to 3600.
std::optional<ChargeUnits> readUnits(QStringView text);

// A holiday line as the rules hold it. Nothing when it is none of the forms
// above (or a date that is no day of the calendar).
struct HolidayDay
{
    enum class Kind { EveryYear, Once, FromEaster, EnglandAndWales };
    Kind kind = Kind::EveryYear;
    QDate date; // EveryYear: its day and month (year 2000, a leap year); Once: the day
    int easterOffset = 0;
};
std::optional<HolidayDay> readHoliday(QStringView text);

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
    explicit HolidayCalendar(const QStringList &lines);

    bool isEmpty() const { return m_days.empty(); }
    bool isHoliday(QDate day) const;
    // The day of the week whose bands price the day: Qt's 1 (Monday) to 7,
    // Sunday's 7 on a holiday.
    int pricedWeekday(QDate day) const { return isHoliday(day) ? 7 : day.dayOfWeek(); }

private:
    std::vector<HolidayDay> m_days;
    // England and Wales's days are worked out once per year asked for.
    mutable int m_cachedYear = 0;
    mutable QList<QDate> m_cachedDays;
};
