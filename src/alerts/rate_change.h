#pragma once

// Where a call's money is decided. A call is priced whole at the fee of its
// last tick, every minute begun charged in full, so what matters is the next
// minute at which the fee lookup gives another fee, and what staying on past
// it or hanging up before it costs. Worked out from the tariff table alone,
// by the lookup's own rules. With the tariff's rules the holidays take
// Sunday's fees, the call is priced by them, and a fee is told per charge
// unit.

#include "tariff/call_price.h"
#include "tariff/tariff_table.h"

#include <QDateTime>
#include <QLocale>

#include <optional>

class Regional;

struct RateChange
{
    QDateTime at; // the first minute of the new fee, on the minute
    double from = 0.0; // pence a minute, in force until then
    double to = 0.0;

    bool operator==(const RateChange &) const = default;
};

// The first minute after now's, up to the end of tomorrow, at which the fee
// lookup, run every minute from now on, would give another fee than the one
// in force now: costnow, as the lookup leaves it at now's minute. A band
// applies from the minute after its start, and when none applies the fee
// before holds, across midnight too. A holiday has Sunday's bands. Nothing
// when the fee holds that long.
std::optional<RateChange> nextRateChange(const TariffTable &table, const QDateTime &now,
    double costnow, const HolidayCalendar &holidays = {});

// With rules by time: the first moment after now, up to the end of
// tomorrow, at which the fee in force (the rule by time's, or the table's
// where none is) gives another fee a minute: where a rule or a band begins or
// ends, at midnight, or, with a call timed elapsed seconds so far, when an
// "after" rule begins to apply.
std::optional<RateChange> nextRateChangeByTime(
    const CallPricer &pricer, const QDateTime &now, std::optional<qint64> elapsed);

// The charge of the call being timed if it stays on into the change's first
// minute (the first tick at the new fee, showing the call as long as it will
// be then, prices it all at the new fee) and if it hangs up just before (its
// last tick, one second earlier, at the old fee), by the one pricing code
// with the tariff's rules. Both are the least such a call costs: a call
// that stays on longer costs more. callAtChange is the call as long as it
// will be at the change; its fee is the change's.
struct ChangeCosts
{
    qint64 stayOnPence = 0;
    qint64 hangUpPence = 0;

    bool operator==(const ChangeCosts &) const = default;
};
ChangeCosts costsAroundChange(
    const RateChange &change, const CallToPrice &callAtChange, const CallPricer &pricer);

// Fees are told a minute, or per charge unit of other lengths: "0.07p a
// second", "2.10p per 30 seconds".
inline constexpr int kMinuteSeconds = 60;

// The balloon's sentence: "At 18:01 the rate falls from 4.20p to 1.50p a
// minute; this call would then cost £0.68 in all." A rise adds what hanging
// up before it costs: "...; stay on and this whole call costs £1.26, hang up
// before and it costs £0.30."
QString rateChangeSentence(const RateChange &change, const ChangeCosts &costs,
    const Regional &regional, int feeUnitSeconds = kMinuteSeconds);
// The same for the voice, the money in words and fees such as "4.2 pence".
QString spokenRateChangeSentence(const RateChange &change, const ChangeCosts &costs,
    const QLocale &locale, int feeUnitSeconds = kMinuteSeconds);

// "Next rate change: 18:01, 1.50p a minute", "Next rate change: tomorrow
// 08:01, 4.20p a minute" or "No rate change today or tomorrow".
QString nextRateChangeText(const std::optional<RateChange> &change, QDate today,
    const Regional &regional, int feeUnitSeconds = kMinuteSeconds);
