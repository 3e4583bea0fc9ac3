// Rules by time: any line is a rule or none with a reason; a rule's own line
// reads back to the same rule; and a call priced under the rules the input's
// lines make is never negative, NaN or a crash, whatever they say, and
// always has a next unit after any elapsed time.

#include "fuzz_check.h"
#include "tariff/call_price.h"
#include "tariff/time_rules.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // The first four bytes place the call: its day, start and length.
    const QDate day = QDate(2024, 1, 1).addDays(data[0] * 3 + data[1] % 3);
    const int startSecond = (data[1] * 331 + data[2] * 7) % 86400;
    const qint64 seconds = qint64(data[2]) * data[3] * 7 + data[3];
    const QString text
        = QString::fromLatin1(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));

    TariffRules rules;
    rules.holidays = { *readHoliday(u"25/12"), *readHoliday(u"Easter+1") };
    if (data[0] & 1) {
        // Units to the tenth of a second; a first charge of up to 15 hours.
        rules.firstMs = data[0] & 4 ? 54000000 : 100 * (1 + data[3] % 900);
        rules.unitMs = 100 * (1 + data[2] % 600);
        if (data[0] & 2)
            rules.firstChargePence = ExactNumber::fraction(data[1], 10);
    }
    for (const QString &line : text.split(u'\n')) {
        const TimeRuleRead read = readTimeRule(line);
        FUZZ_CHECK(read.rule.has_value() != !read.why.isEmpty());
        if (!read.rule)
            continue;
        const QString written = timeRuleText(*read.rule);
        const TimeRuleRead again = readTimeRule(written);
        FUZZ_CHECK(again.rule == read.rule);
        FUZZ_CHECK(timeRuleText(*again.rule) == written);
        rules.timeRules << *read.rule;
    }
    if (rules.timeRules.isEmpty())
        return 0;

    TariffTable table;
    table.setBandStart(0, 0, QStringLiteral("08:00"));
    table.setFee(0, 0, QStringLiteral("4.20"));
    table.setMinConnectTime(QString::number(data[3] % 5));
    const CallPricer pricer(table, rules);
    const double pence = pricer.price({ day, startSecond, seconds, 1.0 }, TableRule::Live);
    FUZZ_CHECK(!std::isnan(pence) && pence >= 0);
    const std::optional<UnitStep> step
        = pricer.nextUnitStep({ day, startSecond, seconds, 1.0 }, seconds);
    FUZZ_CHECK(step && step->chargedFrom > seconds && step->lengthMs > 0);
    const double fee = pricer.feeAt(day, startSecond, seconds);
    FUZZ_CHECK(!std::isnan(fee) && fee >= 0);
    return 0;
}
