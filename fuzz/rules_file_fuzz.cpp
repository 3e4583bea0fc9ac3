// The rules file: any bytes either load as rules or as no rules with a
// reason, never half of each. Rules that load save and load back to the
// same rules (amounts kept as written), and that save is a fixed point;
// no rules leave no file behind.

#include "fuzz_check.h"
#include "tariff/rules_file.h"
#include "tariff/time_rules.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString original = scratchPath(QStringLiteral("original.ini"));
    const QString first = scratchPath(QStringLiteral("first.ini"));
    const QString second = scratchPath(QStringLiteral("second.ini"));
    putBytes(original, input);

    const RulesLoad loaded = LoadRules(original);
    if (!loaded.ok) {
        FUZZ_CHECK(loaded.rules.isDefault() && !loaded.why.isEmpty());
        for (const RulesLine &bad : loaded.badLines)
            FUZZ_CHECK(bad.line >= 1 && !bad.why.isEmpty());
        // What still reads, the bad lines left out, is rules the window
        // can save and the file reads back.
        TariffRules kept = loaded.readable;
        if (!kept.usesUnits())
            kept.firstChargePence.reset();
        FUZZ_CHECK(SaveRules(first, kept).ok);
        const RulesLoad keptLoaded = LoadRules(first);
        FUZZ_CHECK(keptLoaded.ok && keptLoaded.rules == kept);
        QFile::remove(first);
        return 0;
    }
    FUZZ_CHECK(loaded.why.isEmpty());
    for (const HolidayDay &day : loaded.rules.holidays)
        FUZZ_CHECK(readHoliday(holidayText(day)) == day);
    for (const TimeRule &rule : loaded.rules.timeRules)
        FUZZ_CHECK(readTimeRule(timeRuleText(rule)).rule == rule);
    FUZZ_CHECK(!loaded.rules.firstChargePence || loaded.rules.usesUnits());

    FUZZ_CHECK(SaveRules(first, loaded.rules).ok);
    FUZZ_CHECK(QFile::exists(first) != loaded.rules.isDefault());
    const RulesLoad reloaded = LoadRules(first);
    FUZZ_CHECK(reloaded.ok);
    FUZZ_CHECK(reloaded.rules == loaded.rules);
    if (reloaded.rules.isDefault())
        return 0;
    FUZZ_CHECK(SaveRules(second, reloaded.rules).ok);
    FUZZ_CHECK(readBytes(second) == readBytes(first));
    QFile::remove(first);
    QFile::remove(second);
    return 0;
}
