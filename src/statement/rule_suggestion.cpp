#include "statement/rule_suggestion.h"

#include "common/number_reader.h"
#include "common/rounding.h"
#include "tariff/call_price.h"
#include "tariff/rule_words.h"

#include <QCoreApplication>
#include <algorithm>
#include <bit>
#include <cmath>

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
    size_t logged = 0;
};

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

    const std::vector<TriedCall> &calls() const { return m_calls; }

    // Each call's price under the rules and the tariff, whole pence.
    std::vector<qint64> prices(const TariffRules &rules, const TariffTable &table) const
    {
        const CallPricer pricer(table, rules);
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

    bool anyShorterThan(qint64 seconds) const
    {
        return std::any_of(m_calls.begin(), m_calls.end(),
            [seconds](const TriedCall &tried) { return tried.call.seconds < seconds; });
    }

    // Tries the rules with the tariff, keeping them when they price more
    // calls as billed than the best so far, or as many with fewer settings
    // changed.
    std::vector<qint64> consider(const TariffRules &rules, const TariffTable &table)
    {
        std::vector<qint64> prices = this->prices(rules, table);
        const int count = matching(prices);
        RuleSettings changed = changedSettings(rules, m_current);
        changed.setFlag(RuleSetting::MinConnect, &table != &m_table);
        const int changes = std::popcount(unsigned(changed.toInt()));
        if (count > m_bestCount || (count == m_bestCount && changes < m_bestChanges)) {
            m_best = rules;
            m_bestTable = &table;
            m_bestChanged = changed;
            m_bestCount = count;
            m_bestChanges = changes;
        }
        return prices;
    }

    // The moves from a setting: itself, a fee per call for what the bill
    // asks beyond most calls, a flat first charge for what it asks beyond
    // the units after the first.
    void tryMoves(const TariffRules &rules, const TariffTable &table)
    {
        // The rules as they are count too: calls priced before they were
        // set may match under them.
        const std::vector<qint64> prices = consider(rules, table);
        if (const qint64 more = medianShortfall(prices); more != 0) {
            TariffRules withFee = rules;
            withFee.feePerCallPence = std::max(ExactNumber(0), rules.feePerCallPence + more);
            if (withFee != rules)
                consider(withFee, table);
        }
        if (rules.usesUnits()) {
            TariffRules noFirst = rules;
            noFirst.firstChargePence = ExactNumber(0);
            const qint64 first = medianShortfall(this->prices(noFirst, table));
            TariffRules flat = rules;
            flat.firstChargePence = ExactNumber(first);
            if (first > 0 && flat != rules)
                consider(flat, table);
        }
    }

    void setNow(int matchingNow) { m_bestCount = matchingNow; }
    const TariffRules &best() const { return m_best; }
    const TariffTable &bestTable() const { return *m_bestTable; }
    RuleSettings bestChanged() const { return m_bestChanged; }
    int bestCount() const { return m_bestCount; }

private:
    std::vector<TriedCall> m_calls;
    const TariffTable &m_table;
    const TariffRules &m_current;
    HolidayCalendar m_currentDays;
    TariffRules m_best = m_current;
    const TariffTable *m_bestTable = &m_table;
    RuleSettings m_bestChanged;
    int m_bestCount = 0;
    int m_bestChanges = 0;
};

void addOnce(std::vector<TariffRules> &list, const TariffRules &rules)
{
    if (std::find(list.begin(), list.end(), rules) == list.end())
        list.push_back(rules);
}

} // namespace

bool samePrice(double pence, double otherPence)
{
    return roundHalfEven(pence) == roundHalfEven(otherPence);
}

RuleSettings changedSettings(const TariffRules &rules, const TariffRules &current)
{
    RuleSettings changed;
    changed.setFlag(RuleSetting::FeePerCall, rules.feePerCallPence != current.feePerCallPence);
    changed.setFlag(RuleSetting::Units,
        rules.firstMs != current.firstMs || rules.unitMs != current.unitMs);
    changed.setFlag(RuleSetting::FirstCharge, rules.firstChargePence != current.firstChargePence);
    changed.setFlag(
        RuleSetting::MinimumCharge, rules.minimumChargePence != current.minimumChargePence);
    changed.setFlag(RuleSetting::OwnRate, rules.unitsAtOwnRate != current.unitsAtOwnRate);
    changed.setFlag(RuleSetting::Holidays, rules.holidays != current.holidays);
    return changed;
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
            roundHalfEven(bill.pence), pair.logged });
    }
    if (suggestion.matchingNow == suggestion.compared)
        return suggestion;

    RuleTrial trial(std::move(calls), table, current);
    trial.setNow(suggestion.matchingNow);

    // The tariff's min connect time as it is and, where a call is shorter,
    // none: operators that bill by the second often have none.
    TariffTable noMinConnect = table;
    noMinConnect.setMinConnectTime(QStringLiteral("0"));
    std::vector<const TariffTable *> tables { &table };
    if (const double minutes = readNumber(table.minConnectTime());
        minutes > 0 && trial.anyShorterThan(qint64(std::ceil(minutes * 60.0))))
        tables.push_back(&noMinConnect);

    // The charges set per call from the rules in force and from none; the
    // rules by time and the holidays in force stay as they are.
    TariffRules noCharges = current;
    noCharges.feePerCallPence = 0;
    noCharges.firstChargePence.reset();
    noCharges.minimumChargePence = 0;
    std::vector<TariffRules> starts { current };
    addOnce(starts, noCharges);
    // Each of them cleared alone, everything else as it is.
    std::vector<TariffRules> cleared;
    for (const auto clear : { +[](TariffRules &rules) { rules.feePerCallPence = 0; },
             +[](TariffRules &rules) { rules.firstChargePence.reset(); },
             +[](TariffRules &rules) { rules.minimumChargePence = 0; } }) {
        TariffRules rules = current;
        clear(rules);
        if (rules != current && std::find(starts.begin(), starts.end(), rules) == starts.end())
            addOnce(cleared, rules);
    }

    // How time is charged: as now, every minute begun, each offered unit.
    std::vector<ChargeUnits> units { { current.firstMs, current.unitMs } };
    if (current.usesUnits())
        units.push_back({ 0, 0 });
    for (const ChargeUnits &offered : kOfferedUnits) {
        if (offered.firstMs != current.firstMs || offered.unitMs != current.unitMs)
            units.push_back(offered);
    }
    // The holidays only where a call falls on one.
    std::vector<QList<HolidayDay>> holidays { current.holidays };
    if (!current.holidays.contains(kEnglandAndWalesDays)
        && trial.anyOn(HolidayCalendar({ kEnglandAndWalesDays })))
        holidays.push_back(current.holidays + QList<HolidayDay> { kEnglandAndWalesDays });

    for (const TariffTable *tariff : tables) {
        for (const TariffRules &start : starts) {
            for (const QList<HolidayDay> &days : holidays) {
                for (const bool ownRate : { current.unitsAtOwnRate, !current.unitsAtOwnRate }) {
                    for (const ChargeUnits &unit : units) {
                        TariffRules rules = start;
                        rules.firstMs = unit.firstMs;
                        rules.unitMs = unit.unitMs;
                        if (!rules.usesUnits())
                            rules.firstChargePence.reset();
                        rules.unitsAtOwnRate = ownRate;
                        rules.holidays = days;
                        trial.tryMoves(rules, *tariff);
                    }
                }
            }
        }
        for (const TariffRules &rules : cleared)
            trial.tryMoves(rules, *tariff);
    }
    suggestion.rules = trial.best();
    suggestion.changed = trial.bestChanged();
    if (suggestion.changed.testFlag(RuleSetting::MinConnect))
        suggestion.minConnectTime = trial.bestTable().minConnectTime();
    suggestion.matchingWith = trial.bestCount();
    if (suggestion.helps()) {
        const std::vector<qint64> prices = trial.prices(suggestion.rules, trial.bestTable());
        for (size_t i = 0; i < prices.size(); ++i) {
            const TriedCall &tried = trial.calls()[i];
            if (prices[i] != tried.billed)
                suggestion.differing.push_back({ tried.logged, tried.billed, prices[i] });
        }
    }
    return suggestion;
}

QString suggestionText(
    const RuleSuggestion &suggestion, const TariffRules &current, const Regional &regional)
{
    if (suggestion.compared == 0)
        return RuleSuggestion::tr(
            "No call is on both the bill and the log, so the rules cannot be tried on "
            "them.");
    if (suggestion.matchingNow == suggestion.compared)
        return RuleSuggestion::tr("Every call on both the bill and the log is priced as billed.");
    if (!suggestion.helps())
        return RuleSuggestion::tr(
            "No setting of the rules makes more than the %n of %1 calls match that "
            "match now.",
            nullptr, suggestion.matchingNow)
            .arg(suggestion.compared);

    const TariffRules &rules = suggestion.rules;
    if (rules == current && !suggestion.minConnectTime)
        return RuleSuggestion::tr(
            "The rules as they are set now would make %n of %1 calls match: these "
            "calls were priced before they were set.",
            nullptr, suggestion.matchingWith)
            .arg(suggestion.compared);
    QStringList parts;
    if (rules.feePerCallPence != current.feePerCallPence)
        parts << (rules.feePerCallPence > 0 ? RuleSuggestion::tr("a fee per call of %1")
                                                  .arg(regional.pence(rules.feePerCallPence))
                                            : RuleSuggestion::tr("no fee per call"));
    if (rules.firstMs != current.firstMs || rules.unitMs != current.unitMs)
        parts << (rules.usesUnits() ? RuleSuggestion::tr("%1 units")
                                          .arg(unitsText(rules.firstMs, rules.unitMs))
                                    : RuleSuggestion::tr("every minute begun charged whole"));
    // Without units there is no first charge to name.
    if (rules.firstChargePence != current.firstChargePence && rules.usesUnits())
        parts << (rules.firstChargePence ? RuleSuggestion::tr("a flat first charge of %1")
                                               .arg(regional.pence(*rules.firstChargePence))
                                         : RuleSuggestion::tr("no first charge"));
    if (rules.minimumChargePence != current.minimumChargePence)
        parts << (rules.minimumChargePence > 0 ? RuleSuggestion::tr("a minimum charge of %1")
                                                     .arg(regional.pence(rules.minimumChargePence))
                                               : RuleSuggestion::tr("no minimum charge"));
    if (rules.unitsAtOwnRate != current.unitsAtOwnRate)
        parts << (rules.unitsAtOwnRate ? RuleSuggestion::tr("each unit at its own rate")
                                       : RuleSuggestion::tr("each call at its last fee"));
    if (rules.holidays != current.holidays)
        parts << RuleSuggestion::tr("the %1 holidays")
                     .arg(localHolidayLine(
                         QString::fromUtf16(kEnglandAndWales), RuleWords::translated()));
    if (suggestion.minConnectTime) {
        const double minutes = readNumber(*suggestion.minConnectTime);
        // A whole number of minutes takes the plural's forms; a fraction,
        // such as 1.5, is more than one.
        parts << (minutes <= 0 ? RuleSuggestion::tr("no minimum connect time")
                : minutes == std::floor(minutes)
                ? RuleSuggestion::tr("a minimum connect time of %n minutes", nullptr, int(minutes))
                : RuleSuggestion::tr("a minimum connect time of %1 minutes")
                      .arg(regional.locale().toString(minutes)));
    }
    // Joined by the language's own patterns: "a, b and c".
    QString setting = parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i)
        setting = (i + 1 < parts.size() ? RuleSuggestion::tr("%1, %2")
                                        : RuleSuggestion::tr("%1 and %2"))
                      .arg(setting, parts[i]);
    return RuleSuggestion::tr(
        "With %1, %n of %2 calls would match.", nullptr, suggestion.matchingWith)
        .arg(setting)
        .arg(suggestion.compared);
}
