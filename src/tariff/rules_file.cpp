#include "tariff/rules_file.h"

#include "tariff/time_rules.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>


namespace {

constexpr int kSettingLines = 5;

// Two places, or as many as the amount was written with.
QString penceText(const ExactNumber &pence)
{
    return pence > 0 ? pence.toText(2) : QString();
}

// Pence on a line: empty is none (0); anything but a number of pence
// from 0 up is damage. Kept exactly as written: an operator's 0.04256 is
// charged as 0.04256.
std::optional<ExactNumber> penceLine(const QString &line)
{
    if (line.trimmed().isEmpty())
        return ExactNumber();
    const std::optional<ExactNumber> pence = ExactNumber::fromText(line);
    if (!pence || *pence < 0 || *pence > 1000000)
        return std::nullopt;
    return pence;
}

constexpr char kNoPence[] = QT_TRANSLATE_NOOP("RulesFile", "not an amount of pence");
// A damaged file names this many of its bad lines; the window shows the rest.
constexpr int kNamedLines = 3;

QString unitsProblem(const QString &line)
{
    static const QRegularExpression zeroUnit(
        QStringLiteral(R"(^\s*\d+(?:\.\d*)?\s*/\s*0*(?:\.0*)?\s*$)"));
    return zeroUnit.match(line).hasMatch()
        ? QCoreApplication::translate("RulesFile", "a unit cannot be 0 seconds")
        : QCoreApplication::translate("RulesFile", "not charge units such as 60/1");
}

// The settings of the first five lines, each read on its own so that one
// bad line loses only its own setting.
void readSettings(const QStringList &lines, RulesLoad &load)
{
    TariffRules &rules = load.readable;
    auto refuse = [&](int index, const QString &why) {
        load.badLines << RulesLine { index + 1, lines[index], why };
    };
    if (const std::optional<ExactNumber> perCall = penceLine(lines[0]))
        rules.feePerCallPence = *perCall;
    else
        refuse(0, QCoreApplication::translate("RulesFile", kNoPence));
    if (!lines[1].trimmed().isEmpty()) {
        if (const std::optional<ChargeUnits> units = readUnits(lines[1])) {
            rules.firstMs = units->firstMs;
            rules.unitMs = units->unitMs;
        } else {
            refuse(1, unitsProblem(lines[1]));
        }
    }
    if (!lines[2].trimmed().isEmpty()) {
        const std::optional<ExactNumber> first = penceLine(lines[2]);
        if (!first)
            refuse(2, QCoreApplication::translate("RulesFile", kNoPence));
        // A flat first charge belongs to units; every minute begun has none.
        else if (lines[1].trimmed().isEmpty())
            refuse(2,
                QCoreApplication::translate(
                    "RulesFile", "a first charge needs charge units on line 2"));
        else
            rules.firstChargePence = *first;
    }
    if (const std::optional<ExactNumber> minimum = penceLine(lines[3]))
        rules.minimumChargePence = *minimum;
    else
        refuse(3, QCoreApplication::translate("RulesFile", kNoPence));
    const QString ownRate = lines[4].trimmed();
    if (ownRate != u"0" && ownRate != u"1" && !ownRate.isEmpty())
        refuse(4, QCoreApplication::translate("RulesFile", "neither 1 nor 0"));
    rules.unitsAtOwnRate = ownRate == u"1";
}

// A line that reads as neither a holiday nor a rule by time is taken for a
// rule when it names a time of day, as every rule does and no holiday.
bool meantAsRule(const QString &line)
{
    static const QRegularExpression time(QStringLiteral(R"(\d:\d)"));
    return time.match(line).hasMatch();
}

} // namespace

QString RulesLine::message() const
{
    return QCoreApplication::translate("RulesFile", "line %1, \"%2\": %3").arg(line).arg(text, why);
}

RulesLoad LoadRules(const QString &rulesPath)
{
    QFile file(rulesPath);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return { {}, false,
            QCoreApplication::translate("RulesFile", "%1 cannot be read: %2")
                .arg(rulesPath, file.errorString()),
            {}, {}, {}, {} };
    file.close();
    const std::optional<QStringList> read = readLines(rulesPath, kMostRulesLines + 1);
    if (!read)
        return { {}, false,
            QCoreApplication::translate("RulesFile", "%1 cannot be read").arg(rulesPath), {}, {},
            {}, {} };
    QStringList lines = *read;
    if (lines.isEmpty())
        return {};
    // One line past the most a rules file holds is read to tell of it.
    const bool tooLong = lines.size() > kMostRulesLines;
    const QString pastTheLast = tooLong ? lines.takeLast() : QString();
    while (lines.size() < kSettingLines)
        lines << QString();

    RulesLoad load;
    readSettings(lines, load);
    bool afterARule = false;
    for (qsizetype i = kSettingLines; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (const std::optional<HolidayDay> day = readHoliday(line)) {
            load.readable.holidays << *day;
            load.holidayLines << line;
        } else if (const TimeRuleRead rule = readTimeRule(line); rule.rule) {
            load.readable.timeRules << *rule.rule;
            load.ruleLines << line;
            afterARule = true;
        } else if (afterARule || meantAsRule(line)) {
            // Kept in its list as written, for the window's check to name.
            load.badLines << RulesLine { int(i) + 1, lines[i], rule.why };
            load.ruleLines << line;
            afterARule = true;
        } else {
            load.badLines << RulesLine { int(i) + 1, lines[i],
                QCoreApplication::translate("RulesFile", kNoHoliday) };
            load.holidayLines << line;
        }
    }
    if (tooLong)
        load.badLines << RulesLine { int(kMostRulesLines) + 1, pastTheLast,
            QCoreApplication::translate("RulesFile", "more lines than a rules file holds") };

    if (load.badLines.isEmpty()) {
        load.rules = load.readable;
        return load;
    }
    load.ok = false;
    QStringList named;
    for (const RulesLine &bad : load.badLines.mid(0, kNamedLines))
        named << bad.message();
    if (load.badLines.size() > kNamedLines)
        named << QCoreApplication::translate("RulesFile", "and %1 more")
                     .arg(load.badLines.size() - kNamedLines);
    load.why = QStringLiteral("%1: %2").arg(QFileInfo(rulesPath).fileName(), named.join(u"; "));
    return load;
}

QStringList rulesLines(const TariffRules &rules)
{
    QStringList lines { penceText(rules.feePerCallPence),
        unitsText(rules.firstMs, rules.unitMs),
        rules.firstChargePence && rules.usesUnits() ? rules.firstChargePence->toText(2)
                                                    : QString(),
        penceText(rules.minimumChargePence),
        rules.unitsAtOwnRate ? QStringLiteral("1") : QStringLiteral("0") };
    for (const HolidayDay &day : rules.holidays)
        lines << holidayText(day);
    for (const TimeRule &rule : rules.timeRules)
        lines << timeRuleText(rule);
    return lines;
}

FileResult SaveRules(const QString &rulesPath, const TariffRules &rules)
{
    if (rules.isDefault()) {
        QFile file(rulesPath);
        if (!file.exists() || file.remove())
            return FileResult::success();
        return FileResult::failure(file.errorString());
    }
    return writeLines(rulesPath, rulesLines(rules));
}
