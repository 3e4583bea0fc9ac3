// The links' billing file: any file either loads whole or gives exactly the
// defaults with a reason; one that loads saves and loads back to the same
// patterns, and that save is a fixed point. Every name gets an answer.

#include "calltime/link_billing.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = scratchPath(QStringLiteral("netlinks.ini"));
    putBytes(path, input);

    const LinkBillingLoad load = LoadLinkBilling(path);
    for (const char *name : { "ppp0", "wwan0", "wwp0s20f0u6", "" })
        load.billing.billOf(QString::fromLatin1(name));
    if (!load.ok) {
        FUZZ_CHECK(load.billing == LinkBilling());
        FUZZ_CHECK(!load.why.isEmpty());
        return 0;
    }
    FUZZ_CHECK(load.billing.isChosen());
    FUZZ_CHECK(SaveLinkBilling(path, load.billing).ok);
    const QByteArray saved = readBytes(path);
    const LinkBillingLoad reloaded = LoadLinkBilling(path);
    FUZZ_CHECK(reloaded.ok && reloaded.billing == load.billing);
    FUZZ_CHECK(SaveLinkBilling(path, reloaded.billing).ok);
    FUZZ_CHECK(readBytes(path) == saved);
    return 0;
}
