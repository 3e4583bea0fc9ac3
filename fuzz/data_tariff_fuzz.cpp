// The data tariff file: any bytes either load as a tariff, as no tariff
// (no line at all), or as no tariff with the line and the reason, never
// half of each. A tariff that loads saves and loads back to the same tariff
// (pence kept to the hundredth), and that save is a fixed point.

#include "fuzz_check.h"
#include "tariff/data_tariff_file.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString original = scratchPath(QStringLiteral("original.ini"));
    const QString first = scratchPath(QStringLiteral("first.ini"));
    const QString second = scratchPath(QStringLiteral("second.ini"));
    putBytes(original, input);

    const DataTariffLoad loaded = LoadDataTariff(original);
    if (!loaded.ok) {
        FUZZ_CHECK(!loaded.tariff && loaded.why.startsWith(u"Line "));
        return 0;
    }
    FUZZ_CHECK(loaded.why.isEmpty());
    if (!loaded.tariff)
        return 0;
    const DataTariff &tariff = *loaded.tariff;
    FUZZ_CHECK(tariff.mbBytes == kDecimalMb || tariff.mbBytes == kBinaryMb);
    FUZZ_CHECK(tariff.billStartDay >= 1 && tariff.billStartDay <= 28);
    FUZZ_CHECK(tariff.roundingBytes >= 1 && tariff.allowanceMb >= 0);

    FUZZ_CHECK(SaveDataTariff(first, tariff).ok);
    const DataTariffLoad reloaded = LoadDataTariff(first);
    FUZZ_CHECK(reloaded.ok && reloaded.tariff);
    FUZZ_CHECK(*reloaded.tariff == tariff);
    FUZZ_CHECK(SaveDataTariff(second, *reloaded.tariff).ok);
    FUZZ_CHECK(readBytes(second) == readBytes(first));
    QFile::remove(first);
    QFile::remove(second);
    return 0;
}
