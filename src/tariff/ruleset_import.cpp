#include "tariff/ruleset_import.h"

#include "common/text_file.h"
#include "tariff/rule_words.h"
#include "tariff/ruleset_coverage.h"
#include "tariff/ruleset_words.h"
#include "tariff/time_rules.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <map>
#include <utility>

namespace {

// A ruleset's price for a unit: cost per seconds, from after seconds on.
struct Use
{
    ExactNumber cost; // in the ruleset's currency
    qint64 ms = 0;
    std::optional<int> after;
};

// Pence, as Callwise counts: hundredths of the ruleset's currency.
ExactNumber pence(const ExactNumber &cost)
{
    return cost * ExactNumber(100);
}

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

Read<Use> readUse(QStringView text, Length length = Length::Unit)
{
    const std::optional<QStringList> parts = readTuple(text);
    if (!parts)
        return QCoreApplication::translate(
            "RulesetImport", "\"%1\" is not (cost, seconds) or (cost, seconds, after)")
            .arg(text.trimmed());
    Use use;
    const Read<ExactNumber> cost = readAmount(parts->at(0));
    if (const QString *why = std::get_if<QString>(&cost))
        return *why;
    use.cost = std::get<ExactNumber>(cost);
    // Time at no cost may be written with units of no length: "use (0,0)";
    // a first charge of no length is a fee for each call.
    const bool first = length == Length::FirstCharge;
    const Read<qint64> ms = readLengthMs(parts->at(1), length, first || use.cost.isZero());
    if (const QString *why = std::get_if<QString>(&ms))
        return *why;
    use.ms = std::get<qint64>(ms);
    // Time at no cost is free by the second, as the rules hold it, so that a
    // price begins where its time does, whatever unit the line gives.
    if (use.cost.isZero() && !first)
        use.ms = kMsPerSecond;
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
        return QCoreApplication::translate("RulesetImport", "\"%1\" is no setting of a ruleset")
            .arg(key);
    // Set twice, the later holds, as it would for anyone reading down the file.
    parsed.settings[key] = { where, value };
    return {};
}

// The time rule for a unit price over days and minutes, added to the rules;
// why not in the rare case that its line would not read back as it (a price
// past the places a rule line writes).
QString addRule(
    const QList<RuleDays> &days, MinuteRange minutes, const Use &use, QList<TimeRule> &rules)
{
    TimeRule rule;
    rule.days = days;
    rule.firstMinute = minutes.first;
    rule.lastMinute = minutes.last;
    rule.pence = pence(use.cost);
    rule.perMinute = false;
    rule.unitMs = use.ms;
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

// The default's fee a minute as the fee file writes fees, when it is exact.
std::optional<QString> exactMinuteFee(const Use &use)
{
    const ExactNumber fee = pence(use.cost) * ExactNumber::fraction(60 * kMsPerSecond, use.ms);
    if (!fee.endsWithin(2))
        return std::nullopt;
    const QString text = fee.toText(2, 2);
    if (text.size() > TariffTable::kBandCellLimit)
        return std::nullopt;
    return text;
}

QString settingValue(const Parsed &parsed, const QString &key)
{
    const auto set = parsed.settings.find(key);
    return set == parsed.settings.end() ? QString() : set->second.second;
}

// The default's fee a minute rounded, for show where a rule by time prices.
QString shownFee(const Use &use)
{
    const ExactNumber fee = pence(use.cost) * ExactNumber::fraction(60 * kMsPerSecond, use.ms);
    return QString::number(qMin(999.99, fee.toDouble()), 'f', 2);
}

// The charges of a call beside its time.
struct Costs
{
    ExactNumber perCall;
    ExactNumber minimum;
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
    for (ExactNumber *const cost : { &costs.perCall, &costs.minimum }) {
        const QString key = cost == &costs.perCall ? QStringLiteral("per_connection")
                                                   : QStringLiteral("minimum_costs");
        const QString value = settingValue(parsed, key);
        if (value.isEmpty())
            continue;
        const Read<ExactNumber> amount = readAmount(value);
        if (const QString *why = std::get_if<QString>(&amount))
            return refusal(key, *why);
        *cost = std::get<ExactNumber>(amount);
    }
    const QString flatKey = QStringLiteral("flat_init_costs");
    if (const QString value = settingValue(parsed, flatKey); !value.isEmpty()) {
        const Read<Use> use = readUse(value, Length::FirstCharge);
        if (const QString *why = std::get_if<QString>(&use))
            return refusal(flatKey, *why);
        costs.flat = std::get<Use>(use);
        if (costs.flat->after)
            return refusal(flatKey,
                QCoreApplication::translate(
                    "RulesetImport", "a flat first charge has no \"after\""));
    }
    return costs;
}

// What the import sets, for the user to see before it is saved.
QStringList summaryOf(const RulesetTariff &tariff, const Costs &costs, const Use *fallback,
    const std::optional<QString> &minuteFee)
{
    const RulesetCurrency &currency = tariff.currency;
    const TariffRules &rules = tariff.rules;
    QStringList summary { QCoreApplication::translate("RulesetImport", "Ruleset: %1")
            .arg(tariff.name) };
    if (!currency.symbol.isEmpty())
        summary << QCoreApplication::translate(
            "RulesetImport", "Prices in %1, each amount below in hundredths of it")
                       .arg(currency.symbol);
    if (!fallback)
        summary << QCoreApplication::translate(
            "RulesetImport", "Every day: by the rules by time, which cover every minute");
    else if (minuteFee)
        summary << QCoreApplication::translate(
            "RulesetImport", "Every day from 00:00: %1 a minute")
                       .arg(*minuteFee);
    else
        summary << QCoreApplication::translate("RulesetImport",
            "Every day: %1 per %2 s, by the first rule by time (%3 a minute shown)")
                       .arg(pence(fallback->cost).toText(), secondsText(fallback->ms),
                           shownFee(*fallback));
    summary << QCoreApplication::translate(
        "RulesetImport", "Charge units: %1, each at the rate in force when it begins")
                   .arg(unitsText(rules.firstMs, rules.unitMs));
    if (costs.flat)
        summary << QCoreApplication::translate(
            "RulesetImport", "First charge: %1 for the first %2 s")
                       .arg(pence(costs.flat->cost).toText(), secondsText(costs.flat->ms));
    if (!costs.perCall.isZero())
        summary << QCoreApplication::translate("RulesetImport", "Fee per call: %1")
                       .arg(pence(costs.perCall).toText());
    if (!costs.minimum.isZero())
        summary << QCoreApplication::translate("RulesetImport", "Minimum charge: %1")
                       .arg(pence(costs.minimum).toText());
    summary << QCoreApplication::translate("RulesetImport", "Min connect time: 0");
    if (!rules.timeRules.isEmpty()) {
        summary << QCoreApplication::translate("RulesetImport", "Rules by time:");
        // In the user's words, as the rules window will show them.
        const RuleWords words = RuleWords::translated();
        for (const TimeRule &rule : rules.timeRules)
            summary << localRuleLine(timeRuleText(rule), words);
    }
    return summary;
}

// The settings put together: the table, the rules and what they say.
RulesetImport assemble(const Parsed &parsed, const QString &fallbackName)
{
    if (!parsed.plainDefault && parsed.rules.empty())
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

    // Without a default, rules that cover the whole week price every unit;
    // the first of them gives the table its fee for show and the units.
    const Use &fallback = parsed.plainDefault ? parsed.plainDefault->use : parsed.rules.front().use;
    const std::optional<QString> minuteFee
        = parsed.plainDefault ? exactMinuteFee(fallback) : std::nullopt;
    for (int day = 0; day < TariffTable::kDays; ++day) {
        tariff.table.setBandStart(day, 0, QStringLiteral("00:00"));
        tariff.table.setFee(day, 0, minuteFee.value_or(shownFee(fallback)));
    }
    tariff.table.setMinConnectTime(QStringLiteral("0"));

    TariffRules &rules = tariff.rules;
    rules.unitsAtOwnRate = true;
    rules.firstMs = fallback.ms;
    rules.unitMs = fallback.ms;
    if (costs.flat && costs.flat->ms == 0) {
        costs.perCall += costs.flat->cost;
        costs.flat.reset();
    } else if (costs.flat) {
        rules.firstMs = costs.flat->ms;
        rules.firstChargePence = pence(costs.flat->cost);
    }
    rules.feePerCallPence = pence(costs.perCall);
    rules.minimumChargePence = pence(costs.minimum);

    std::vector<DefaultLine> defaults = parsed.laterDefaults;
    if (!minuteFee && parsed.plainDefault)
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
            if (const QString why = addRule(each.days, minutes, each.use, rules.timeRules);
                !why.isEmpty())
                return refused(each.where, why);
        }
    }

    if (!parsed.plainDefault) {
        if (const std::optional<std::pair<int, int>> gap = firstUncovered(rules.timeRules))
            return refused({}, uncoveredText(*gap));
    }
    tariff.summary = summaryOf(tariff, costs, parsed.plainDefault ? &fallback : nullptr, minuteFee);
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
        // UTF-8's mark before bytes that are not UTF-8 reads as three
        // Latin-1 characters.
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

RulesetImport readRulesetText(const QByteArray &bytes, const QString &fallbackName)
{
    // Written by any editor: UTF-8 (its mark dropped) unless the bytes
    // cannot be, then Latin-1 as Callwise's own files.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return readRulesetLines(lines, fallbackName);
}

RulesetImport readRuleset(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return refused({}, QCoreApplication::translate("RulesetImport", "it cannot be read"));
    const QByteArray bytes = file.read(kMostRulesetBytes + 1);
    if (bytes.size() > kMostRulesetBytes)
        return refused({}, QCoreApplication::translate("RulesetImport", "a ruleset is not this long"));
    return readRulesetText(bytes, info.completeBaseName());
}

QString currencyNote(const RulesetCurrency &currency, const QLocale &user)
{
    const QString own = user.currencySymbol(QLocale::CurrencySymbol);
    const QString written = currency.symbol.trimmed();
    if (written.isEmpty() || written.compare(own, Qt::CaseInsensitive) == 0
        || written.compare(user.currencySymbol(QLocale::CurrencyIsoCode), Qt::CaseInsensitive) == 0)
        return {};
    return QCoreApplication::translate("RulesetImport",
        "Amounts will show in your own currency, %1, as the ruleset's figures: "
        "Callwise converts no currency.")
        .arg(own);
}
