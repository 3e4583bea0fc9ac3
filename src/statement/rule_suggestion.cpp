#include "statement/rule_suggestion.h"

#include "common/rounding.h"
#include "tariff/call_price.h"

#include <algorithm>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// A matched call as the rules are tried on it: how it ran, from its record,
// and what the bill says it cost.
struct TriedCall
{
    CallToPrice call;
    QDate endDay;
    int endSecond = 0;
    qint64 billed = 0; // whole pence
};

// The settings a suggestion changes, each counting once towards how much it
// asks of the user.
int changedSettings(const TariffRules &rules, const TariffRules &current)
{
    return int(rules.feePerCallPence != current.feePerCallPence)
        + int(
            rules.firstSeconds != current.firstSeconds || rules.unitSeconds != current.unitSeconds)
        + int(rules.firstChargePence != current.firstChargePence)
        + int(rules.unitsAtOwnRate != current.unitsAtOwnRate)
        + int(rules.holidays != current.holidays);
}

// The lower of the middle two, so the figure is one a bill showed.
qint64 median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + qsizetype(values.size() - 1) / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

class RuleTrial
{
public:
    RuleTrial(std::vector<TriedCall> calls, const TariffTable &table, const TariffRules &current)
        : m_calls(std::move(calls))
        , m_table(table)
        , m_current(current)
        , m_currentDays(current.holidays)
    { }

    // Each call's price under the rules, whole pence.
    std::vector<qint64> prices(const TariffRules &rules) const
    {
        const CallPricer pricer(m_table, rules);
        const HolidayCalendar days(rules.holidays);
        const bool newHolidays = rules.holidays != m_current.holidays;
        std::vector<qint64> prices;
        prices.reserve(m_calls.size());
        for (const TriedCall &tried : m_calls) {
            CallToPrice call = tried.call;
            // The record's fee is the one in force at its end without these
            // holidays; on a day they add, Sunday's fee would have been.
            if (newHolidays && days.isHoliday(tried.endDay)
                && !m_currentDays.isHoliday(tried.endDay))
                call.lastFee = pricer.feeAt(tried.endDay, tried.endSecond);
            prices.push_back(roundHalfEven(pricer.price(call, TableRule::Live)));
        }
        return prices;
    }

    int matching(const std::vector<qint64> &prices) const
    {
        int count = 0;
        for (size_t i = 0; i < m_calls.size(); ++i)
            count += int(prices[i] == m_calls[i].billed);
        return count;
    }

    // What the bill asks beyond each price, the median of them.
    qint64 medianShortfall(const std::vector<qint64> &prices) const
    {
        std::vector<qint64> shortfalls;
        shortfalls.reserve(m_calls.size());
        for (size_t i = 0; i < m_calls.size(); ++i)
            shortfalls.push_back(m_calls[i].billed - prices[i]);
        return median(std::move(shortfalls));
    }

    bool anyOn(const HolidayCalendar &days) const
    {
        return std::any_of(m_calls.begin(), m_calls.end(), [&days](const TriedCall &tried) {
            return days.isHoliday(tried.call.startDate) || days.isHoliday(tried.endDay);
        });
    }

    // Tries the rules, keeping them when they price more calls as billed
    // than the best so far, or as many with fewer settings changed.
    std::vector<qint64> consider(const TariffRules &rules)
    {
        std::vector<qint64> prices = this->prices(rules);
        const int count = matching(prices);
        const int changes = changedSettings(rules, m_current);
        if (count > m_bestCount || (count == m_bestCount && changes < m_bestChanges)) {
            m_best = rules;
            m_bestCount = count;
            m_bestChanges = changes;
        }
        return prices;
    }

    void setNow(int matchingNow) { m_bestCount = matchingNow; }
    const TariffRules &best() const { return m_best; }
    int bestCount() const { return m_bestCount; }

private:
    std::vector<TriedCall> m_calls;
    const TariffTable &m_table;
    const TariffRules &m_current;
    HolidayCalendar m_currentDays;
    TariffRules m_best = m_current;
    int m_bestCount = 0;
    int m_bestChanges = 0;
};

QString penceText(double pence)
{
    QString text = QString::number(pence, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text + u'p';
}

} // namespace

bool samePrice(double pence, double otherPence)
{
    return roundHalfEven(pence) == roundHalfEven(otherPence);
}

RuleSuggestion suggestRules(const std::vector<BilledCall> &billed,
    const std::vector<LoggedCall> &logged, const std::vector<CallPair> &pairs,
    const TariffTable &table, const TariffRules &current)
{
    RuleSuggestion suggestion;
    suggestion.rules = current;
    suggestion.compared = int(pairs.size());
    std::vector<TriedCall> calls;
    calls.reserve(pairs.size());
    for (const CallPair &pair : pairs) {
        const LoggedCall &call = logged[pair.logged];
        const BilledCall &bill = billed[pair.billed];
        suggestion.matchingNow += int(samePrice(bill.pence, call.pence));
        const qint64 end = qint64(call.startSecond) + call.seconds;
        calls.push_back({ { call.day, call.startSecond, call.seconds, call.fee },
            call.day.addDays(end / kSecondsPerDay), int(end % kSecondsPerDay),
            roundHalfEven(bill.pence) });
    }
    if (suggestion.matchingNow == suggestion.compared)
        return suggestion;

    RuleTrial trial(std::move(calls), table, current);
    trial.setNow(suggestion.matchingNow);

    // How time is charged: as now, every minute begun, each offered unit.
    std::vector<ChargeUnits> units { { current.firstSeconds, current.unitSeconds } };
    if (current.usesUnits())
        units.push_back({ 0, 0 });
    for (const ChargeUnits &offered : kOfferedUnits) {
        if (offered.firstSeconds != current.firstSeconds
            || offered.unitSeconds != current.unitSeconds)
            units.push_back(offered);
    }
    // The holidays only where a call falls on one.
    std::vector<QStringList> holidays { current.holidays };
    const QString englandAndWales = QString::fromUtf16(kEnglandAndWales);
    if (!current.holidays.contains(englandAndWales)
        && trial.anyOn(HolidayCalendar(QStringList { englandAndWales })))
        holidays.push_back(current.holidays + QStringList { englandAndWales });

    for (const QStringList &days : holidays) {
        for (const bool ownRate : { current.unitsAtOwnRate, !current.unitsAtOwnRate }) {
            for (const ChargeUnits &unit : units) {
                TariffRules rules = current;
                rules.firstSeconds = unit.firstSeconds;
                rules.unitSeconds = unit.unitSeconds;
                if (!rules.usesUnits())
                    rules.firstChargePence.reset();
                rules.unitsAtOwnRate = ownRate;
                rules.holidays = days;
                // The rules as they are count too: calls priced before they
                // were set may match under them.
                const std::vector<qint64> prices = trial.consider(rules);
                // A fee per call: what the bill asks beyond most calls.
                if (const qint64 more = trial.medianShortfall(prices); more != 0) {
                    TariffRules withFee = rules;
                    withFee.feePerCallPence = qMax(0.0, current.feePerCallPence + double(more));
                    if (withFee != current)
                        trial.consider(withFee);
                }
                // A flat first charge: what the bill asks beyond the units
                // after the first, for most calls.
                if (rules.usesUnits()) {
                    TariffRules noFirst = rules;
                    noFirst.firstChargePence = 0.0;
                    const qint64 first = trial.medianShortfall(trial.prices(noFirst));
                    TariffRules flat = rules;
                    flat.firstChargePence = double(first);
                    if (first > 0 && flat != current)
                        trial.consider(flat);
                }
            }
        }
    }
    suggestion.rules = trial.best();
    suggestion.matchingWith = trial.bestCount();
    return suggestion;
}

QString suggestionText(const RuleSuggestion &suggestion, const TariffRules &current)
{
    if (suggestion.compared == 0)
        return QStringLiteral("No call is on both the bill and the log, so the rules cannot be "
                              "tried on them.");
    if (suggestion.matchingNow == suggestion.compared)
        return QStringLiteral("Every call on both the bill and the log is priced as billed.");
    if (!suggestion.helps())
        return QStringLiteral("No setting of the rules makes more than the %1 of %2 calls match "
                              "that match now.")
            .arg(suggestion.matchingNow)
            .arg(suggestion.compared);

    const TariffRules &rules = suggestion.rules;
    if (rules == current)
        return QStringLiteral("The rules as they are set now would make %1 of %2 calls match: "
                              "these calls were priced before they were set.")
            .arg(suggestion.matchingWith)
            .arg(suggestion.compared);
    QStringList parts;
    if (rules.feePerCallPence != current.feePerCallPence)
        parts << (rules.feePerCallPence > 0
                ? QStringLiteral("a fee per call of %1").arg(penceText(rules.feePerCallPence))
                : QStringLiteral("no fee per call"));
    if (rules.firstSeconds != current.firstSeconds || rules.unitSeconds != current.unitSeconds)
        parts << (rules.usesUnits()
                ? QStringLiteral("%1 units").arg(unitsText(rules.firstSeconds, rules.unitSeconds))
                : QStringLiteral("every minute begun charged whole"));
    if (rules.firstChargePence != current.firstChargePence && rules.firstChargePence)
        parts
            << QStringLiteral("a flat first charge of %1").arg(penceText(*rules.firstChargePence));
    if (rules.unitsAtOwnRate != current.unitsAtOwnRate)
        parts << (rules.unitsAtOwnRate ? QStringLiteral("each unit at its own rate")
                                       : QStringLiteral("each call at its last fee"));
    if (rules.holidays != current.holidays)
        parts << QStringLiteral("the %1 holidays").arg(QString::fromUtf16(kEnglandAndWales));
    QString setting = parts.size() > 1
        ? parts.mid(0, parts.size() - 1).join(u", ") + QStringLiteral(" and ") + parts.last()
        : parts.value(0);
    if (!setting.isEmpty())
        setting[0] = setting[0].toUpper();
    return QStringLiteral("%1 would make %2 of %3 calls match.")
        .arg(setting)
        .arg(suggestion.matchingWith)
        .arg(suggestion.compared);
}
