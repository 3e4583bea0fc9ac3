#include "tariff/ruleset_import.h"

#include "common/text_file.h"
#include "tariff/ruleset_words.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

// A ruleset's price for a unit: cost per seconds, from after seconds on.
struct Use
{
    Decimal cost;
    int seconds = 0;
    std::optional<int> after;
};

struct Written
{
    int line = 0;
    QString text;
};

struct OnLine
{
    Written where;
    QList<RuleDays> days;
    QList<MinuteRange> times;
    Use use;
};

struct DefaultLine
{
    Written where;
    Use use;
};

// The lines as read, before they are put together.
struct Parsed
{
    std::map<QString, std::pair<Written, QString>> settings; // key: where, value
    std::optional<DefaultLine> plainDefault;
    std::vector<DefaultLine> laterDefaults; // with "after"
    std::vector<OnLine> rules;
};

RulesetImport refused(const Written &where, const QString &why)
{
    return { std::nullopt, { where.line, where.text, why } };
}

Read<Use> readUse(QStringView text, bool zeroSecondsAllowed = false)
{
    const std::optional<QStringList> parts = readTuple(text);
    if (!parts)
        return u'"' + text.trimmed().toString()
            + QCoreApplication::translate(
                "RulesetImport", "\" is not (cost, seconds) or (cost, seconds, after)");
    Use use;
    const Read<Decimal> cost = readAmount(parts->at(0));
    if (const QString *why = std::get_if<QString>(&cost))
        return *why;
    use.cost = std::get<Decimal>(cost);
    const Read<int> seconds = readUnitSeconds(parts->at(1), zeroSecondsAllowed);
    if (const QString *why = std::get_if<QString>(&seconds))
        return *why;
    use.seconds = std::get<int>(seconds);
    if (parts->size() == 3) {
        const Read<int> after = readAfterSeconds(parts->at(2));
        if (const QString *why = std::get_if<QString>(&after))
            return *why;
        use.after = std::get<int>(after);
    }
    return use;
}

// One line, comments gone, into what it says; the reason when it says
// nothing a ruleset can.
QString readLine(const Written &where, QString line, Parsed &parsed)
{
    static const QRegularExpression onForm(
        QStringLiteral(R"(^on\s*\(([^()]*)\)\s*between\s*\(([^()]*)\)\s*use\s*(\(.*\))$)"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = onForm.match(line); match.hasMatch()) {
        OnLine rule { where, {}, {}, {} };
        const Read<Use> use = readUse(match.capturedView(3));
        if (const QString *why = std::get_if<QString>(&use))
            return *why;
        rule.use = std::get<Use>(use);
        const Read<QList<RuleDays>> days = readRulesetDays(match.capturedView(1));
        if (const QString *why = std::get_if<QString>(&days))
            return *why;
        rule.days = std::get<QList<RuleDays>>(days);
        const Read<QList<MinuteRange>> times = readRulesetTimes(match.capturedView(2));
        if (const QString *why = std::get_if<QString>(&times))
            return *why;
        rule.times = std::get<QList<MinuteRange>>(times);
        parsed.rules.push_back(rule);
        return {};
    }
    static const QRegularExpression onWord(
        QStringLiteral(R"(^on[\s(])"), QRegularExpression::CaseInsensitiveOption);
    if (onWord.match(line).hasMatch())
        return QCoreApplication::translate(
            "RulesetImport", "a rule reads \"on (days) between (times) use (cost, seconds)\"");
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return QCoreApplication::translate(
            "RulesetImport", "it is neither a setting \"name=value\" nor an \"on\" rule");
    const QString key = line.left(equals).trimmed().toLower();
    const QString value = line.mid(equals + 1).trimmed();
    static const QStringList keys { QStringLiteral("name"), QStringLiteral("currency_symbol"),
        QStringLiteral("currency_position"), QStringLiteral("currency_digits"),
        QStringLiteral("per_connection"), QStringLiteral("minimum_costs"),
        QStringLiteral("flat_init_costs") };
    if (key == u"default") {
        const Read<Use> use = readUse(value);
        if (const QString *why = std::get_if<QString>(&use))
            return *why;
        const DefaultLine read { where, std::get<Use>(use) };
        if (!read.use.after) {
            if (parsed.plainDefault)
                return QCoreApplication::translate(
                    "RulesetImport", "default is set already on line %1")
                    .arg(parsed.plainDefault->where.line);
            parsed.plainDefault = read;
            return {};
        }
        for (const DefaultLine &other : parsed.laterDefaults) {
            if (other.use.after == read.use.after)
                return QCoreApplication::translate(
                    "RulesetImport", "a default after %1 s is set already on line %2")
                    .arg(*read.use.after)
                    .arg(other.where.line);
        }
        parsed.laterDefaults.push_back(read);
        return {};
    }
    if (!keys.contains(key))
        return u'"' + key
            + QCoreApplication::translate("RulesetImport", "\" is no setting of a ruleset");
    if (const auto set = parsed.settings.find(key); set != parsed.settings.end())
        return QCoreApplication::translate("RulesetImport", "%1 is set already on line %2")
            .arg(key)
            .arg(set->second.first.line);
    parsed.settings[key] = { where, value };
    return {};
}

ExactNumber exactly(Decimal amount)
{
    return ExactNumber::fromText(amount.text()).value_or(ExactNumber());
}

// The time rule for a unit price over days and minutes, added to the lines;
// why not when the rules file could not hold it exactly.
QString addRuleLine(
    const QList<RuleDays> &days, MinuteRange minutes, const Use &use, QList<TimeRule> &rules)
{
    TimeRule rule;
    rule.days = days;
    rule.firstMinute = minutes.first;
    rule.lastMinute = minutes.last;
    rule.pence = exactly(use.cost.hundredths());
    rule.perMinute = false;
    rule.unitMs = qint64(use.seconds) * kMsPerSecond;
    rule.afterSeconds = use.after.value_or(0);
    rule = rule.normalised();
    const QString line = timeRuleText(rule);
    if (readTimeRule(line).rule != rule)
        return QCoreApplication::translate(
            "RulesetImport", "Callwise cannot write this rule exactly (\"%1\")")
            .arg(line);
    rules << rule;
    return {};
}

// Why pence would not be kept as the rules file keeps them, to the
// hundredth; nothing when they are.
QString whyNotKept(Decimal cost, const QString &what)
{
    if (cost.hundredths().places <= 2)
        return {};
    return QCoreApplication::translate(
        "RulesetImport", "%1 %2 is finer than the hundredth of a hundredth Callwise keeps")
        .arg(what, cost.text());
}

// The default's fee a minute as the fee file writes fees, when it is exact.
std::optional<QString> exactMinuteFee(const Use &use)
{
    const Decimal pence = use.cost.hundredths();
    qint64 scale = 1;
    for (int place = 0; place < pence.places; ++place)
        scale *= 10;
    const qint64 numerator = pence.units * 6000; // a minute, in hundredths of a penny
    const qint64 denominator = scale * use.seconds;
    if (numerator % denominator != 0)
        return std::nullopt;
    const QString fee = Decimal { numerator / denominator, 2 }.text();
    if (fee.size() > TariffTable::kBandCellLimit)
        return std::nullopt;
    return fee;
}

QString settingValue(const Parsed &parsed, const QString &key)
{
    const auto set = parsed.settings.find(key);
    return set == parsed.settings.end() ? QString() : set->second.second;
}

// The default's fee a minute rounded, for show where a rule by time prices.
QString shownFee(const Use &use)
{
    return QString::number(qMin(999.99, use.cost.hundredths().value() * 60 / use.seconds), 'f', 2);
}

// The charges of a call beside its time.
struct Costs
{
    Decimal perCall;
    Decimal minimum;
    std::optional<Use> flat;
};

std::variant<Costs, RulesetRefusal> readCosts(const Parsed &parsed)
{
    const auto where = [&parsed](const QString &key) {
        const auto set = parsed.settings.find(key);
        return set == parsed.settings.end() ? Written {} : set->second.first;
    };
    const auto refusal = [&where](const QString &key, const QString &why) {
        const Written at = where(key);
        return RulesetRefusal { at.line, at.text, why };
    };
    Costs costs;
    for (Decimal *const cost : { &costs.perCall, &costs.minimum }) {
        const QString key = cost == &costs.perCall ? QStringLiteral("per_connection")
                                                   : QStringLiteral("minimum_costs");
        const QString value = settingValue(parsed, key);
        if (value.isEmpty())
            continue;
        const Read<Decimal> amount = readAmount(value);
        if (const QString *why = std::get_if<QString>(&amount))
            return refusal(key, *why);
        *cost = std::get<Decimal>(amount);
        if (const QString why = whyNotKept(*cost, key); !why.isEmpty())
            return refusal(key, why);
    }
    const QString flatKey = QStringLiteral("flat_init_costs");
    if (const QString value = settingValue(parsed, flatKey); !value.isEmpty()) {
        const Read<Use> use = readUse(value, true);
        if (const QString *why = std::get_if<QString>(&use))
            return refusal(flatKey, *why);
        costs.flat = std::get<Use>(use);
        if (costs.flat->after)
            return refusal(flatKey,
                QCoreApplication::translate(
                    "RulesetImport", "a flat first charge has no \"after\""));
        if (const QString why = whyNotKept(costs.flat->cost, flatKey); !why.isEmpty())
            return refusal(flatKey, why);
    }
    return costs;
}

// What the import sets, for the user to see before it is saved.
QStringList summaryOf(const RulesetTariff &tariff, const Costs &costs, const Use &fallback,
    const std::optional<QString> &minuteFee)
{
    const RulesetCurrency &currency = tariff.currency;
    const TariffRules &rules = tariff.rules;
    QStringList summary {
        QCoreApplication::translate("RulesetImport", "Ruleset: %1").arg(tariff.name),
        QCoreApplication::translate("RulesetImport",
            "Prices in hundredths of %1, which stands %2 the amount with %3 digits")
            .arg(currency.symbol.isEmpty()
                    ? QCoreApplication::translate("RulesetImport", "the currency")
                    : currency.symbol,
                currency.symbolFirst ? QCoreApplication::translate("RulesetImport", "before")
                                     : QCoreApplication::translate("RulesetImport", "after"))
            .arg(currency.digits)
    };
    summary << (minuteFee
            ? QCoreApplication::translate("RulesetImport", "Every day from 00:00: %1 a minute")
                  .arg(*minuteFee)
            : QCoreApplication::translate("RulesetImport",
                "Every day: %1 per %2 s, by the first rule by time "
                "(%3 a minute shown)")
                  .arg(fallback.cost.hundredths().text())
                  .arg(fallback.seconds)
                  .arg(shownFee(fallback)));
    summary << QCoreApplication::translate(
        "RulesetImport", "Charge units: %1, each at the rate in force when it begins")
                   .arg(unitsText(rules.firstMs, rules.unitMs));
    if (costs.flat)
        summary << QCoreApplication::translate(
            "RulesetImport", "First charge: %1 for the first %2 s")
                       .arg(costs.flat->cost.hundredths().text())
                       .arg(costs.flat->seconds);
    if (!costs.perCall.isZero())
        summary << QCoreApplication::translate("RulesetImport", "Fee per call: %1")
                       .arg(costs.perCall.hundredths().text());
    if (!costs.minimum.isZero())
        summary << QCoreApplication::translate("RulesetImport", "Minimum charge: %1")
                       .arg(costs.minimum.hundredths().text());
    summary << QCoreApplication::translate("RulesetImport", "Min connect time: 0");
    if (!rules.timeRules.isEmpty())
        summary << QCoreApplication::translate("RulesetImport", "Rules by time:");
    for (const TimeRule &rule : rules.timeRules)
        summary << timeRuleText(rule);
    return summary;
}

// The settings put together: the table, the rules and what they say.
RulesetImport assemble(const Parsed &parsed, const QString &fallbackName)
{
    if (!parsed.plainDefault)
        return refused({},
            QCoreApplication::translate("RulesetImport",
                "it has no default=(cost, seconds), the price where no rule applies"));
    RulesetTariff tariff;
    tariff.name = settingValue(parsed, QStringLiteral("name"));
    if (tariff.name.isEmpty())
        tariff.name = fallbackName;
    const auto where = [&parsed](const char *key) {
        const auto set = parsed.settings.find(QString::fromLatin1(key));
        return set == parsed.settings.end() ? Written {} : set->second.first;
    };

    RulesetCurrency &currency = tariff.currency;
    currency.symbol = settingValue(parsed, QStringLiteral("currency_symbol"));
    const QString position = settingValue(parsed, QStringLiteral("currency_position")).toLower();
    if (!position.isEmpty() && position != u"left" && position != u"right")
        return refused(where("currency_position"),
            QCoreApplication::translate("RulesetImport", "the position is left or right"));
    currency.symbolFirst = position == u"left";
    if (const QString digits = settingValue(parsed, QStringLiteral("currency_digits"));
        !digits.isEmpty()) {
        static const QRegularExpression oneDigit(QStringLiteral(R"(^\d$)"));
        if (!oneDigit.match(digits).hasMatch())
            return refused(where("currency_digits"),
                QCoreApplication::translate(
                    "RulesetImport", "the digits are a whole number from 0 to 9"));
        currency.digits = digits.toInt();
    }

    const std::variant<Costs, RulesetRefusal> read = readCosts(parsed);
    if (const RulesetRefusal *refusal = std::get_if<RulesetRefusal>(&read))
        return { std::nullopt, *refusal };
    Costs costs = std::get<Costs>(read);

    const Use &fallback = parsed.plainDefault->use;
    const std::optional<QString> minuteFee = exactMinuteFee(fallback);
    for (int day = 0; day < TariffTable::kDays; ++day) {
        tariff.table.setBandStart(day, 0, QStringLiteral("00:00"));
        tariff.table.setFee(day, 0, minuteFee.value_or(shownFee(fallback)));
    }
    tariff.table.setMinConnectTime(QStringLiteral("0"));

    TariffRules &rules = tariff.rules;
    rules.unitsAtOwnRate = true;
    rules.firstMs = qint64(fallback.seconds) * kMsPerSecond;
    rules.unitMs = qint64(fallback.seconds) * kMsPerSecond;
    if (costs.flat && costs.flat->seconds == 0) {
        costs.perCall = costs.perCall.plus(costs.flat->cost);
        costs.flat.reset();
    } else if (costs.flat) {
        rules.firstMs = qint64(costs.flat->seconds) * kMsPerSecond;
        rules.firstChargePence = exactly(costs.flat->cost.hundredths());
    }
    rules.feePerCallPence = exactly(costs.perCall.hundredths());
    rules.minimumChargePence = exactly(costs.minimum.hundredths());

    std::vector<DefaultLine> defaults = parsed.laterDefaults;
    if (!minuteFee)
        defaults.insert(defaults.begin(), *parsed.plainDefault);
    // The longest wait last, so that each takes over once reached.
    std::stable_sort(
        defaults.begin(), defaults.end(), [](const DefaultLine &a, const DefaultLine &b) {
            return a.use.after.value_or(0) < b.use.after.value_or(0);
        });
    std::vector<OnLine> lines;
    for (const DefaultLine &each : defaults)
        lines.push_back({ each.where, { RuleDays {} }, { MinuteRange {} }, each.use });
    lines.insert(lines.end(), parsed.rules.begin(), parsed.rules.end());
    for (const OnLine &each : lines) {
        for (const MinuteRange &minutes : each.times) {
            if (const QString why = addRuleLine(each.days, minutes, each.use, rules.timeRules);
                !why.isEmpty())
                return refused(each.where, why);
        }
    }

    tariff.summary = summaryOf(tariff, costs, fallback, minuteFee);
    return { std::move(tariff), {} };
}

RulesetImport readRulesetLines(const QStringList &lines, const QString &fallbackName)
{
    if (lines.size() > kMostRulesetLines)
        return refused({ int(kMostRulesetLines) + 1, lines[kMostRulesetLines] },
            QCoreApplication::translate("RulesetImport", "a ruleset is not this long"));
    Parsed parsed;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Written where { int(i) + 1, lines[i] };
        QString line = lines[i];
        // A file saved as UTF-8 by an editor may begin with its mark, read
        // here as three Latin-1 characters.
        if (i == 0 && line.startsWith(QStringView(u"\u00EF\u00BB\u00BF")))
            line.remove(0, 3);
        if (const qsizetype hash = line.indexOf(u'#'); hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (const QString why = readLine(where, line, parsed); !why.isEmpty())
            return refused(where, why);
    }
    return assemble(parsed, fallbackName);
}

} // namespace

QString RulesetRefusal::message() const
{
    if (line <= 0)
        return why;
    return QCoreApplication::translate("RulesetImport", "line %1, \"%2\": %3")
        .arg(line)
        .arg(text.trimmed(), why);
}

RulesetImport readRulesetText(const QString &text, const QString &fallbackName)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return readRulesetLines(lines, fallbackName);
}

RulesetImport readRuleset(const QString &path)
{
    const QFileInfo info(path);
    const std::optional<QStringList> lines = readLines(path, kMostRulesetLines + 1);
    if (!lines || info.isDir())
        return refused({}, QCoreApplication::translate("RulesetImport", "it cannot be read"));
    return readRulesetLines(*lines, info.completeBaseName());
}
