#include "tariff/rules_file.h"

#include "common/number_reader.h"
#include "tariff/time_rules.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

constexpr int kSettingLines = 5;

QString penceText(double pence)
{
    return pence > 0 ? QString::number(pence, 'f', 2) : QString();
}

// Pence on a line: empty is none (0); anything but a number of pence
// from 0 up is damage. Kept to the hundredth, as the file is written, so
// rules read from a file hand-written with more places save as they were
// read and are priced the same after the save.
std::optional<double> penceLine(const QString &line)
{
    if (line.trimmed().isEmpty())
        return 0.0;
    const LeadingNumber number = readLeadingNumber(line);
    if (!number.whole || !(number.value >= 0) || number.value > 1e6)
        return std::nullopt;
    return std::round(number.value * 100) / 100;
}

RulesLoad damaged(int line, const QString &path)
{
    return { {}, false,
        QCoreApplication::translate("RulesFile", "Line %1 of %2 is not a rule Callwise writes.")
            .arg(line)
            .arg(QFileInfo(path).fileName()) };
}

} // namespace

RulesLoad LoadRules(const QString &rulesPath)
{
    QFile file(rulesPath);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return { {}, false,
            QCoreApplication::translate("RulesFile", "%1 cannot be read: %2").arg(rulesPath, file.errorString()) };
    file.close();
    const std::optional<QStringList> read = readLines(rulesPath, kMostRulesLines + 1);
    if (!read)
        return { {}, false, QCoreApplication::translate("RulesFile", "%1 cannot be read.").arg(rulesPath) };
    QStringList lines = *read;
    if (lines.isEmpty())
        return {};
    if (lines.size() > kMostRulesLines)
        return damaged(int(kMostRulesLines) + 1, rulesPath);
    while (lines.size() < kSettingLines)
        lines << QString();

    TariffRules rules;
    const std::optional<double> perCall = penceLine(lines[0]);
    if (!perCall)
        return damaged(1, rulesPath);
    rules.feePerCallPence = *perCall;
    if (!lines[1].trimmed().isEmpty()) {
        const std::optional<ChargeUnits> units = readUnits(lines[1]);
        if (!units)
            return damaged(2, rulesPath);
        rules.firstSeconds = units->firstSeconds;
        rules.unitSeconds = units->unitSeconds;
    }
    if (!lines[2].trimmed().isEmpty()) {
        const std::optional<double> first = penceLine(lines[2]);
        // A flat first charge belongs to units; every minute begun has none.
        if (!first || !rules.usesUnits())
            return damaged(3, rulesPath);
        rules.firstChargePence = *first;
    }
    const std::optional<double> minimum = penceLine(lines[3]);
    if (!minimum)
        return damaged(4, rulesPath);
    rules.minimumChargePence = *minimum;
    const QString ownRate = lines[4].trimmed();
    if (ownRate != u"0" && ownRate != u"1" && !ownRate.isEmpty())
        return damaged(5, rulesPath);
    rules.unitsAtOwnRate = ownRate == u"1";
    for (qsizetype i = kSettingLines; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (readHoliday(line))
            rules.holidays << line;
        else if (readTimeRule(line).rule)
            rules.timeRules << line;
        else
            return damaged(int(i) + 1, rulesPath);
    }
    return { rules, true, {} };
}

QStringList rulesLines(const TariffRules &rules)
{
    QStringList lines { penceText(rules.feePerCallPence),
        unitsText(rules.firstSeconds, rules.unitSeconds),
        rules.firstChargePence && rules.usesUnits()
            ? QString::number(*rules.firstChargePence, 'f', 2)
            : QString(),
        penceText(rules.minimumChargePence), rules.unitsAtOwnRate ? QStringLiteral("1") : QStringLiteral("0") };
    lines << rules.holidays << rules.timeRules;
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
