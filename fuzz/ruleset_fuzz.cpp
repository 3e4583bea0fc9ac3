// The ruleset reader: any bytes give a tariff or a refusal with a reason,
// never both and never a crash. A refusal names a line the text has (or 0,
// the whole file); a tariff's rules by time each read back as the rule they
// were written from, and its fees are as the fee file writes them.

#include "fuzz_check.h"
#include "tariff/ruleset_import.h"
#include "tariff/tariff_normalise.h"
#include "tariff/time_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RulesetImport read = readRulesetText(bytes, QStringLiteral("fuzz"));
    if (!read.tariff) {
        FUZZ_CHECK(!read.refusal.why.isEmpty());
        FUZZ_CHECK(read.refusal.line >= 0
            && read.refusal.line <= bytes.count('\n') + bytes.count('\r') + 1);
        FUZZ_CHECK(read.refusal.message().endsWith(read.refusal.why));
        return 0;
    }
    const RulesetTariff &tariff = *read.tariff;
    FUZZ_CHECK(!tariff.name.isEmpty() && !tariff.summary.isEmpty());
    for (const TimeRule &rule : tariff.rules.timeRules)
        FUZZ_CHECK(readTimeRule(timeRuleText(rule)).rule == rule);
    for (int day = 0; day < TariffTable::kDays; ++day) {
        const QString fee = tariff.table.band(day, 0).fee;
        FUZZ_CHECK(normaliseFee(fee) == fee);
    }
    const TariffRules &rules = tariff.rules;
    FUZZ_CHECK(rules.unitsAtOwnRate && rules.usesUnits());
    FUZZ_CHECK(rules.feePerCallPence >= 0 && rules.minimumChargePence >= 0);
    return 0;
}
