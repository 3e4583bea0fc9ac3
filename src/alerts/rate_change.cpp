#include "alerts/rate_change.h"

#include "alerts/spoken_words.h"
#include "common/number_reader.h"
#include "common/regional.h"
#include "tariff/fee_timeline.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

// "one penny", "two pence", "4.2 pence": engines read a decimal point.
QString spokenFee(double fee)
{
    if (!numbersInWords())
        return QCoreApplication::translate("RateChange", "%1 pence", "spoken")
            .arg(QString::number(fee));
    if (fee == double(qint64(fee)))
        return numberInWords(qint64(fee))
            + (fee == 1 ? QStringLiteral(" penny") : QStringLiteral(" pence"));
    return QString::number(fee) + QStringLiteral(" pence");
}

// A fee per unit other than the minute, to the ten-thousandth of a penny:
// a fee per second is a small fraction.
double unitFee(double perMinute, int unitSeconds)
{
    return std::round(perMinute * unitSeconds / kMinuteSeconds * 1e4) / 1e4;
}

QString perUnit(int unitSeconds)
{
    if (unitSeconds == kMinuteSeconds)
        return QCoreApplication::translate("RateChange", "a minute");
    if (unitSeconds == 1)
        return QCoreApplication::translate("RateChange", "a second");
    return QCoreApplication::translate("RateChange", "per %n seconds", nullptr, unitSeconds);
}

// A fee a minute as the sentences tell it, per unit.
using FeeText = std::function<QString(double)>;

// Pence to the hundredth, with the places more that a fee per unit needs:
// "0.07p", "0.025p".
FeeText shownFeePer(int unitSeconds, const Regional &regional)
{
    if (unitSeconds == kMinuteSeconds)
        return [&regional](double fee) { return regional.pence(fee, 2); };
    return [unitSeconds, &regional](
               double fee) { return regional.pence(unitFee(fee, unitSeconds), 2); };
}

FeeText spokenFeePer(int unitSeconds)
{
    if (unitSeconds == kMinuteSeconds)
        return spokenFee;
    return [unitSeconds](double fee) { return spokenFee(unitFee(fee, unitSeconds)); };
}

QString sentence(const RateChange &change, const ChangeCosts &costs, const FeeText &fee,
    int unitSeconds, const std::function<QString(qint64)> &money)
{
    const bool rises = change.to > change.from;
    const QString at = change.at.toString(u"HH:mm");
    if (!rises)
        return QCoreApplication::translate("RateChange",
            "At %1 the rate falls from %2 to %3 %4; this call would then cost %5 in all.")
            .arg(at, fee(change.from), fee(change.to), perUnit(unitSeconds),
                money(costs.stayOnPence));
    return QCoreApplication::translate("RateChange",
        "At %1 the rate rises from %2 to %3 %4; stay on and this whole call costs %5, hang up "
        "before and it costs %6.")
        .arg(at, fee(change.from), fee(change.to), perUnit(unitSeconds), money(costs.stayOnPence),
            money(costs.hangUpPence));
}

} // namespace

std::optional<RateChange> nextRateChange(
    const TariffTable &table, const QDateTime &now, double costnow, const HolidayCalendar &holidays)
{
    const QDate today = now.date();
    const int nowMinute = now.time().hour() * 60 + now.time().minute();
    const FeeTimeline timeline(table, holidays);
    const DayBands &todays = timeline.bandsOf(today);
    const double inForce = todays.feeAt(nowMinute, costnow);
    for (int day = 0; day < 2; ++day) {
        const DayBands &bands = timeline.bandsOf(today.addDays(day));
        // Between the minutes at which a band begins to apply, and midnight,
        // the same bands apply and the fee holds.
        std::array<int, TariffTable::kBands + 1> moments {};
        std::copy(bands.from.begin(), bands.from.end(), moments.begin() + 1);
        std::sort(moments.begin(), moments.end());
        for (const int minute : moments) {
            if ((day == 0 && minute <= nowMinute) || minute >= kMinutesPerDay)
                continue;
            const double fee = bands.feeAt(minute, inForce);
            if (fee != inForce)
                return RateChange { QDateTime(today.addDays(day), QTime(minute / 60, minute % 60)),
                    inForce, fee };
        }
    }
    return std::nullopt;
}

std::optional<RateChange> nextRateChangeByTime(
    const CallPricer &pricer, const QDateTime &now, std::optional<qint64> elapsed)
{
    constexpr qint64 kDay = 86400;
    const QDate today = now.date();
    const qint64 nowSecond = now.time().msecsSinceStartOfDay() / 1000;
    const qint64 horizon = 2 * kDay - nowSecond; // the end of tomorrow, seconds ahead
    const auto momentAhead = [&](qint64 ahead) {
        const qint64 at = nowSecond + ahead;
        return std::pair { today.addDays(at / kDay), int(at % kDay) };
    };
    const auto feeAhead = [&](qint64 ahead) {
        const auto [day, second] = momentAhead(ahead);
        return pricer.feeAt(day, second, elapsed ? *elapsed + ahead : 0);
    };
    // Between these moments neither the rule in force nor the table's fee changes.
    std::vector<qint64> moments;
    const TimeRuleBook &book = pricer.timeRules();
    for (int day = 0; day < 2; ++day) {
        const auto add = [&](int minute) {
            const qint64 ahead = day * kDay + qint64(minute) * 60 - nowSecond;
            if (ahead > 0 && minute < kMinutesPerDay)
                moments.push_back(ahead);
        };
        add(0);
        for (const int minute : pricer.timeline().bandsOf(today.addDays(day)).from)
            add(minute);
        for (int minute = book.nextChangeAfter(-1); minute < kMinutesPerDay;
             minute = book.nextChangeAfter(minute))
            add(minute);
    }
    if (elapsed) {
        for (qint64 after = book.nextThresholdAfter(*elapsed); after - *elapsed < horizon;
             after = book.nextThresholdAfter(after))
            moments.push_back(after - *elapsed);
    }
    std::sort(moments.begin(), moments.end());
    const double inForce = feeAhead(0);
    for (const qint64 ahead : moments) {
        if (ahead >= horizon)
            break;
        const double fee = feeAhead(ahead);
        if (fee != inForce) {
            const auto [day, second] = momentAhead(ahead);
            return RateChange { QDateTime(day, QTime::fromMSecsSinceStartOfDay(second * 1000)),
                inForce, fee };
        }
    }
    return std::nullopt;
}

ChangeCosts costsAroundChange(
    const RateChange &change, const CallToPrice &callAtChange, const CallPricer &pricer)
{
    CallToPrice stayOn = callAtChange;
    stayOn.lastFee = change.to;
    CallToPrice hangUp = callAtChange;
    hangUp.seconds = qMax<qint64>(0, callAtChange.seconds - 1);
    hangUp.lastFee = change.from;
    return { qint64(pricer.price(stayOn, TableRule::Live)),
        qint64(pricer.price(hangUp, TableRule::Live)) };
}

QString rateChangeSentence(const RateChange &change, const ChangeCosts &costs,
    const Regional &regional, int feeUnitSeconds)
{
    return sentence(change, costs, shownFeePer(feeUnitSeconds, regional), feeUnitSeconds,
        [&](qint64 pence) { return regional.currency(double(pence)); });
}

QString spokenRateChangeSentence(
    const RateChange &change, const ChangeCosts &costs, const QLocale &locale, int feeUnitSeconds)
{
    return sentence(change, costs, spokenFeePer(feeUnitSeconds), feeUnitSeconds,
        [&](qint64 pence) { return spokenMoney(pence, locale); });
}

QString nextRateChangeText(const std::optional<RateChange> &change, QDate today,
    const Regional &regional, int feeUnitSeconds)
{
    if (!change)
        return QCoreApplication::translate("RateChange", "No rate change today or tomorrow");
    const char *text = change->at.date() == today
        ? QT_TRANSLATE_NOOP("RateChange", "Next rate change: %1, %2 %3")
        : QT_TRANSLATE_NOOP("RateChange", "Next rate change: tomorrow %1, %2 %3");
    return QCoreApplication::translate("RateChange", text)
        .arg(change->at.toString(u"HH:mm"), shownFeePer(feeUnitSeconds, regional)(change->to),
            perUnit(feeUnitSeconds));
}
