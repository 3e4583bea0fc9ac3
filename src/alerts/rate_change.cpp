#include "alerts/rate_change.h"

#include "alerts/spoken_words.h"
#include "common/number_reader.h"
#include "common/regional.h"
#include "tariff/call_charge.h"
#include "tariff/fee_timeline.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

QString shownFee(double fee)
{
    return QString::number(fee, 'f', 2) + u'p';
}

// "one penny", "two pence", "4.2 pence": engines read a decimal point.
QString spokenFee(double fee)
{
    if (fee == double(qint64(fee)))
        return numberInWords(qint64(fee))
            + (fee == 1 ? QStringLiteral(" penny") : QStringLiteral(" pence"));
    return QString::number(fee) + QStringLiteral(" pence");
}

QString sentence(const RateChange &change, const ChangeCosts &costs, QString (*fee)(double),
    const std::function<QString(qint64)> &money)
{
    const bool rises = change.to > change.from;
    QString text = QStringLiteral("At %1 the rate %2 from %3 to %4 a minute; ")
                       .arg(change.at.toString(u"HH:mm"),
                           rises ? QStringLiteral("rises") : QStringLiteral("falls"),
                           fee(change.from), fee(change.to));
    if (!rises)
        return text
            + QStringLiteral("this call would then cost %1 in all.").arg(money(costs.stayOnPence));
    return text
        + QStringLiteral("stay on and this whole call costs %1, hang up before and it "
                         "costs %2.")
              .arg(money(costs.stayOnPence), money(costs.hangUpPence));
}

} // namespace

std::optional<RateChange> nextRateChange(
    const TariffTable &table, const QDateTime &now, double costnow)
{
    const QDate today = now.date();
    const int nowMinute = now.time().hour() * 60 + now.time().minute();
    const DayBands todays = weekdayBands(table, today.dayOfWeek());
    const double inForce = todays.feeAt(nowMinute, costnow);
    for (int day = 0; day < 2; ++day) {
        const DayBands bands
            = day == 0 ? todays : weekdayBands(table, today.addDays(1).dayOfWeek());
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

ChangeCosts costsAroundChange(
    const RateChange &change, qint64 elapsedAtChange, const QString &minConnectTime)
{
    const auto charge = [&](qint64 seconds, double fee) {
        return CallCharge(seconds / 3600, seconds / 60 % 60, fee, minConnectTime);
    };
    return { charge(elapsedAtChange, change.to),
        charge(qMax<qint64>(0, elapsedAtChange - 1), change.from) };
}

QString rateChangeSentence(
    const RateChange &change, const ChangeCosts &costs, const Regional &regional)
{
    return sentence(
        change, costs, shownFee, [&](qint64 pence) { return regional.currency(double(pence)); });
}

QString spokenRateChangeSentence(
    const RateChange &change, const ChangeCosts &costs, const QLocale &locale)
{
    return sentence(
        change, costs, spokenFee, [&](qint64 pence) { return spokenMoney(pence, locale); });
}

QString nextRateChangeText(const std::optional<RateChange> &change, QDate today)
{
    if (!change)
        return QStringLiteral("No rate change today or tomorrow");
    const QString day = change->at.date() == today ? QString() : QStringLiteral("tomorrow ");
    return QStringLiteral("Next rate change: %1%2, %3 a minute")
        .arg(day, change->at.toString(u"HH:mm"), shownFee(change->to));
}
