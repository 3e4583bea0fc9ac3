#include "tariff/other_tariff.h"

#include "common/number_reader.h"
#include "common/text_file.h"
#include "tariff/rules_file.h"
#include "tariff/ruleset_import.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// Why a file named by the user cannot be read, or nothing.
QString whyUnreadable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("OtherTariff", "%1: there is no such file").arg(path);
    if (info.isDir())
        return QCoreApplication::translate("OtherTariff", "%1: it is a directory").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("OtherTariff", "cannot read %1: %2")
            .arg(path, file.errorString());
    return QString();
}

// The editor writes every cell on a line of its own and no cell longer than
// the table holds, and a tariff prices with at least one fee above 0.
QString whyNoFeeFile(const QStringList &lines)
{
    if (lines.size() < TariffTable::kCellCount)
        return QCoreApplication::translate("OtherTariff", "a fee file has %1 lines and it has %2")
            .arg(TariffTable::kCellCount)
            .arg(lines.size());
    if (lines.size() > TariffTable::kCellCount && !lines.last().trimmed().isEmpty())
        return QCoreApplication::translate(
            "OtherTariff", "it goes on past the %1 lines of a fee file")
            .arg(TariffTable::kCellCount);
    bool anyFee = false;
    for (int i = 0; i < TariffTable::kCellCount; ++i) {
        const int limit = i == TariffTable::minConnectIndex() ? TariffTable::kMinConnectLimit
                                                              : TariffTable::kBandCellLimit;
        if (lines[i].size() > limit)
            return QCoreApplication::translate(
                "OtherTariff", "line %1 is longer than a fee file's %2")
                .arg(i + 1)
                .arg(limit);
        anyFee = anyFee || (i % 2 == 1 && readNumber(lines[i]) > 0); // a fee cell: 8d + 2b + 1
    }
    return anyFee ? QString()
                  : QCoreApplication::translate("OtherTariff", "it holds no fee above 0");
}

OtherTariffLoad rulesetTariff(
    const QString &path, const RulesetImport &read, const QString &rulesPath)
{
    if (!read.tariff)
        return { std::nullopt, QStringLiteral("%1: %2").arg(path, read.refusal.message()) };
    if (!rulesPath.isEmpty())
        return { std::nullopt,
            QCoreApplication::translate("OtherTariff",
                "%1 is a ruleset, which holds its own rules: no rules file goes with it")
                .arg(path) };
    return { OtherTariff { QFileInfo(path).fileName(), read.tariff->table, read.tariff->rules },
        {} };
}

} // namespace

OtherTariffLoad loadOtherTariff(const QString &feePath, const QString &rulesPath)
{
    if (const QString why = whyUnreadable(feePath); !why.isEmpty())
        return { std::nullopt, why };
    if (feePath.endsWith(QStringLiteral(".rst"), Qt::CaseInsensitive))
        return rulesetTariff(feePath, readRuleset(feePath), rulesPath);
    // One line past the cells tells a longer file from a fee file.
    const std::optional<QStringList> lines = readLines(feePath, TariffTable::kCellCount + 1);
    if (!lines)
        return { std::nullopt,
            QCoreApplication::translate("OtherTariff", "cannot read %1").arg(feePath) };
    if (const QString why = whyNoFeeFile(*lines); !why.isEmpty()) {
        // A ruleset under another name is one all the same; anything else
        // is refused as the fee file it was taken for.
        if (const RulesetImport read = readRuleset(feePath); read.tariff)
            return rulesetTariff(feePath, read, rulesPath);
        return {
            std::nullopt,
            QCoreApplication::translate("OtherTariff", "%1 is not a fee file: %2").arg(feePath, why)
        };
    }
    OtherTariff tariff { QFileInfo(feePath).fileName(), {}, {} };
    for (int i = 0; i < TariffTable::kCellCount; ++i)
        tariff.table.setCell(i, lines->at(i));
    if (!rulesPath.isEmpty()) {
        // Named, so it must be there: no file would silently mean no rules.
        if (const QString why = whyUnreadable(rulesPath); !why.isEmpty())
            return { std::nullopt, why };
        const RulesLoad rules = LoadRules(rulesPath);
        if (!rules.ok)
            return { std::nullopt, rules.why };
        tariff.rules = rules.rules;
    }
    return { std::move(tariff), {} };
}
