// Random rulesets and calls: the import saved and loaded again, and the
// ruleset read as another tariff, charge what the ruleset's own rules say,
// worked out here unit by unit in exact numbers.

#include "common/text_file.h"
#include "tariff/call_price.h"
#include "tariff/fee_file.h"
#include "tariff/other_tariff.h"
#include "tariff/rules_file.h"
#include "tariff/ruleset_import.h"
#include "tariff/tariff_rules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <map>

namespace {

using Money = ExactNumber; // in the ruleset's currency

struct Use
{
    Money cost;
    QByteArray written; // the cost
    qint64 ms = 60000; // 0 only at no cost
    int after = 0; // seconds
};

struct DayItem
{
    enum Kind { Weekdays, Date, Dates, Easter } kind = Weekdays;
    int first = 1; // weekday, month × 100 + day, or days from Easter
    int last = 7;
};

struct Rule
{
    QList<DayItem> days; // empty: every day
    QList<std::pair<int, int>> times; // minutes, both included; empty: the whole day
    Use use;
};

struct Ruleset
{
    Money perConnection;
    Money minimum;
    std::optional<Use> flat;
    std::optional<Use> plainDefault;
    QList<Use> laterDefaults; // by their "after", shortest first
    QList<Rule> rules;
};

bool dayMatches(const DayItem &item, QDate day)
{
    const int monthDay = day.month() * 100 + day.day();
    switch (item.kind) {
    case DayItem::Weekdays:
        return item.first <= item.last
            ? day.dayOfWeek() >= item.first && day.dayOfWeek() <= item.last
            : day.dayOfWeek() >= item.first || day.dayOfWeek() <= item.last;
    case DayItem::Date:
        return monthDay == item.first;
    case DayItem::Dates:
        return item.first <= item.last ? monthDay >= item.first && monthDay <= item.last
                                       : monthDay >= item.first || monthDay <= item.last;
    case DayItem::Easter:
        return day == easterSunday(day.year()).addDays(item.first);
    }
    return false;
}

bool onDay(const Rule &rule, QDate day)
{
    return rule.days.isEmpty()
        || std::any_of(rule.days.begin(), rule.days.end(),
            [&](const DayItem &item) { return dayMatches(item, day); });
}

bool atMinute(const Rule &rule, int minute)
{
    return rule.times.isEmpty()
        || std::any_of(rule.times.begin(), rule.times.end(), [&](std::pair<int, int> range) {
               return range.first <= range.second
                   ? minute >= range.first && minute <= range.second
                   : minute >= range.first || minute <= range.second;
           });
}

// Each unit charged when it begins, at the last rule then in force; the
// flat first charge, the fee per call and the least charge; pence rounded
// once, a half to the even penny.
qint64 referencePence(const Ruleset &set, QDate date, int startSecond, qint64 seconds)
{
    Money sum = set.perConnection;
    qint64 t = 0; // ms into the call
    if (set.flat) {
        sum += set.flat->cost;
        t = set.flat->ms;
    }
    QDate day;
    std::vector<char> covers(set.rules.size()); // which rules cover the day
    std::map<const Use *, qint64> units; // begun at each price
    while (t < seconds * 1000 || (t == 0 && !(set.flat && set.flat->ms > 0))) {
        const qint64 at = startSecond + t / 1000;
        if (day != date.addDays(at / 86400)) {
            day = date.addDays(at / 86400);
            for (qsizetype i = 0; i < set.rules.size(); ++i)
                covers[i] = onDay(set.rules[i], day);
        }
        const int minute = int(at % 86400 / 60);
        const Use *use = set.plainDefault ? &*set.plainDefault : nullptr;
        for (const Use &later : set.laterDefaults) {
            if (t >= later.after * 1000)
                use = &later;
        }
        for (qsizetype i = 0; i < set.rules.size(); ++i) {
            if (covers[i] && t >= set.rules[i].use.after * 1000 && atMinute(set.rules[i], minute))
                use = &set.rules[i].use;
        }
        if (!use)
            return -1; // the import refuses such a ruleset
        ++units[use];
        t += use->cost.isZero() ? 1000 : use->ms; // free time, by the second
    }
    for (const auto &[use, count] : units)
        sum += use->cost * Money(count);
    return (std::max(sum, set.minimum) * Money(100)).roundHalfEven();
}

class Writer
{
public:
    explicit Writer(quint64 seed) : m_random(seed) { }

    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // Short prices and long ones, as a minute's price over 60 is written.
    std::pair<Money, QByteArray> amount()
    {
        QByteArray text = QByteArray::number(below(4) == 0 ? below(3) : 0);
        if (chance(80)) {
            text += '.';
            for (int digits = below(3) == 0 ? below(16) : below(5); digits > 0; --digits)
                text += char('0' + below(10));
        }
        return { *ExactNumber::fromText(QString::fromLatin1(text)), text };
    }
    static QByteArray secondsText(qint64 ms)
    {
        QByteArray text = QByteArray::number(ms / 1000);
        if (ms % 1000 != 0)
            text += '.' + QByteArray::number(ms % 1000).rightJustified(3, '0');
        while (text.contains('.') && text.endsWith('0'))
            text.chop(1);
        return text;
    }
    Use use(bool withAfter)
    {
        static const int units[]
            = { 1000, 10000, 12000, 12500, 60000, 90000, 158400, 180000, 3600000 };
        Use use;
        std::tie(use.cost, use.written) = amount();
        use.ms = units[below(9)];
        if (use.cost.isZero() && chance(50))
            use.ms = 0;
        if (withAfter && chance(25))
            use.after = 60 * (1 + below(90));
        return use;
    }
    QByteArray useText(const Use &use)
    {
        QByteArray text = '(' + use.written + ", " + secondsText(use.ms);
        if (use.after > 0)
            text += ", " + QByteArray::number(use.after);
        return text + ')';
    }
    QByteArray time(int minute, bool end)
    {
        if (minute == 0 && !end && chance(30))
            return "24:00";
        if (minute == 24 * 60 - 1 && end && chance(50))
            return "24:00";
        return QByteArray::number(minute / 60) + ':'
            + (chance(30) ? QByteArray::number(minute % 60)
                          : QByteArray::number(minute % 60).rightJustified(2, '0'));
    }
    QByteArray monthDay(int value)
    {
        const QByteArray month = QByteArray::number(value / 100);
        const QByteArray day = QByteArray::number(value % 100).rightJustified(2, '0');
        return chance(50) ? month + '/' + day : day + '.' + month;
    }
    QByteArray dayText(const DayItem &item)
    {
        static const char *const names[]
            = { "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday" };
        const auto weekday = [&](int day) {
            const QByteArray name = names[day - 1];
            return chance(30) ? name.left(3) : chance(30) ? name.toUpper() : name;
        };
        const auto easter = [](int offset) {
            return offset == 0 ? QByteArray("easter")
                               : "easter" + QByteArray(offset > 0 ? "+" : "")
                    + QByteArray::number(offset);
        };
        switch (item.kind) {
        case DayItem::Weekdays:
            return item.first == item.last ? weekday(item.first)
                                           : weekday(item.first) + ".." + weekday(item.last);
        case DayItem::Date:
            return monthDay(item.first);
        case DayItem::Dates:
            return monthDay(item.first) + ".." + monthDay(item.last);
        case DayItem::Easter:
            return easter(item.first);
        }
        return {};
    }
    int randomMonthDay()
    {
        const QDate day = QDate(2000, 1, 1).addDays(below(366));
        return day.month() * 100 + day.day();
    }
    DayItem dayItem()
    {
        switch (below(4)) {
        case 0:
            return { DayItem::Date, randomMonthDay(), 0 };
        case 1:
            return { DayItem::Dates, randomMonthDay(), randomMonthDay() };
        case 2:
            return { DayItem::Easter, below(7) - 3, 0 };
        default:
            return { DayItem::Weekdays, 1 + below(7), 1 + below(7) };
        }
    }
    QByteArray ruleText(const Rule &rule)
    {
        QByteArrayList days;
        for (const DayItem &item : rule.days)
            days << dayText(item);
        QByteArrayList times;
        for (const auto &[first, last] : rule.times)
            times << time(first, false) + ".." + time(last, true);
        return "on (" + days.join(", ") + ") between (" + times.join(", ") + ") use "
            + useText(rule.use);
    }

    // A ruleset and its text; without a default, rules that cover the week.
    std::pair<Ruleset, QByteArray> ruleset()
    {
        Ruleset set;
        QByteArray text = "name=Random\ncurrency_symbol=EUR\n";
        if (chance(40)) {
            QByteArray written;
            std::tie(set.perConnection, written) = amount();
            text += "per_connection=" + written + '\n';
        }
        if (chance(30)) {
            QByteArray written;
            std::tie(set.minimum, written) = amount();
            text += "minimum_costs=" + written + '\n';
        }
        if (chance(40)) {
            static const int lengths[] = { 0, 30000, 72000, 158400, 900000, 54000000 };
            set.flat = use(false);
            set.flat->ms = lengths[below(6)];
            text += "flat_init_costs=" + useText(*set.flat) + '\n';
        }
        if (chance(80)) {
            set.plainDefault = use(false);
            text += "default=" + useText(*set.plainDefault) + '\n';
        } else {
            // Two rules that split every day between them, either across midnight.
            const int day = 24 * 60;
            const int split = 60 * below(24);
            const int other = (split + 60 * (1 + below(22))) % day;
            set.rules << Rule { {}, { { split, (other + day - 1) % day } }, use(false) }
                      << Rule { {}, { { other, (split + day - 1) % day } }, use(false) };
        }
        for (const int after : { 600, 1800, 3600 }) {
            if (chance(20)) {
                set.laterDefaults << use(false);
                set.laterDefaults.last().after = after;
                text += "default=" + useText(set.laterDefaults.last()) + '\n';
            }
        }
        for (int n = below(6); n > 0; --n) {
            Rule rule { {}, {}, use(true) };
            for (int d = below(3); d > 0; --d)
                rule.days << dayItem();
            for (int r = below(3); r > 0; --r)
                rule.times << std::pair(below(24 * 60), below(24 * 60));
            set.rules << rule;
        }
        for (const Rule &rule : set.rules)
            text += ruleText(rule) + '\n';
        return { set, text };
    }

private:
    QRandomGenerator m_random;
};

TEST(RulesetProperty, ImportedSavedAndReadAsAnotherTariffChargeAsTheRulesetSays)
{
    Writer writer(20261208);
    // On memory where there is some: every save syncs the disk.
    const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/callwise-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/callwise-XXXXXX"));
    for (int round = 0; round < 200; ++round) {
        const auto [set, text] = writer.ruleset();
        writeBytes(dir.filePath("random.rst"), text);
        const RulesetImport read = readRuleset(dir.filePath("random.rst"));
        ASSERT_TRUE(read.tariff) << text.toStdString() << read.refusal.message().toStdString();
        ASSERT_TRUE(SaveFees(read.tariff->table, dir.filePath("netfees.ini")).ok);
        ASSERT_TRUE(SaveRules(dir.filePath("netrules.ini"), read.tariff->rules).ok);
        TariffTable table;
        ASSERT_TRUE(LoadFees(table, dir.filePath("netfees.ini")));
        const RulesLoad rules = LoadRules(dir.filePath("netrules.ini"));
        ASSERT_TRUE(rules.ok) << text.toStdString() << rules.why.toStdString();
        const OtherTariffLoad other = loadOtherTariff(dir.filePath("random.rst"));
        ASSERT_TRUE(other.tariff) << other.why.toStdString();
        const CallPricer saved(table, rules.rules);
        const CallPricer asOther(other.tariff->table, other.tariff->rules);
        for (int n = 0; n < 12; ++n) {
            const QDate day = writer.chance(30)
                ? easterSunday(2026 + writer.below(2)).addDays(writer.below(7) - 3)
                : QDate(2026, 1, 1).addDays(writer.below(730));
            const int start = writer.below(86400);
            static const int longest[] = { 1, 300, 4000, 15000 };
            const qint64 seconds = writer.below(longest[writer.below(4)]);
            const CallToPrice call { day, start, seconds, 0.0 };
            const qint64 expected = referencePence(set, day, start, seconds);
            const std::string where = text.toStdString() + day.toString().toStdString() + " "
                + std::to_string(start) + " s, " + std::to_string(seconds) + " s";
            ASSERT_EQ(saved.price(call, TableRule::Live), double(expected)) << where;
            ASSERT_EQ(asOther.price(call, TableRule::Live), double(expected)) << where;
        }
    }
}

} // namespace
