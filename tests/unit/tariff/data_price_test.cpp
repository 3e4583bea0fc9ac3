#include "tariff/data_price.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 MB = kDecimalMb;

// Every day: 10p a MB from 08:00, free from 20:00 (and so through the night).
DataTariff freeNights()
{
    DataTariff tariff;
    for (auto &day : tariff.bands) {
        day[0] = { QStringLiteral("07:59"), 10.0 };
        day[1] = { QStringLiteral("19:59"), 0.0 };
    }
    return tariff;
}

DataTariff payAsYouGo(qint64 mbBytes = MB, qint64 rounding = 1)
{
    DataTariff tariff;
    for (auto &day : tariff.bands)
        day[0] = { {}, 10.0 };
    tariff.mbBytes = mbBytes;
    tariff.roundingBytes = rounding;
    return tariff;
}

DataTariff bundle(std::optional<double> beyond)
{
    DataTariff tariff = freeNights();
    tariff.allowanceMb = 100;
    tariff.bundlePence = 1000;
    tariff.beyondPencePerMb = beyond;
    return tariff;
}

DataTariff freeSundays()
{
    DataTariff tariff = payAsYouGo();
    tariff.bands[6][0].pencePerMb = 0.0;
    return tariff;
}

const QDate kWednesday(2026, 12, 9);
const QDate kSaturday(2026, 12, 5);

struct Bill
{
    const char *what;
    DataTariff tariff;
    QDate day;
    QTime start;
    qint64 seconds, received, sent, used;
    double pence;
    qint64 counted, beyond, free;
    bool stopped = false;
};

// Bills worked by hand: pence = MB beyond the free and the allowed × price,
// rounded half to even once.
TEST(DataPrice, PricesSessionsAsWorkedByHand)
{
    const Bill bills[] = {
        { "2.5 MB at 10p", payAsYouGo(), kWednesday, { 12, 0 }, 60, 2 * MB, MB / 2, 0, 25,
            5 * MB / 2, 0, 0 },
        { "a half rounds to even, down", payAsYouGo(), kWednesday, { 12, 0 }, 60, 250000, 0, 0, 2,
            250000, 0, 0 },
        { "a half rounds to even, up", payAsYouGo(), kWednesday, { 12, 0 }, 60, 300000, 50000, 0, 4,
            350000, 0, 0 },
        { "binary MB", payAsYouGo(kBinaryMb), kWednesday, { 12, 0 }, 60, 5 * MB, 0, 0, 48, 5 * MB,
            0, 0 },
        { "rounded up to 1 MB", payAsYouGo(MB, MB), kWednesday, { 12, 0 }, 60, MB, 1, 0, 20, 2 * MB,
            0, 0 },
        { "rounded up to 100 KB", payAsYouGo(MB, 102400), kWednesday, { 12, 0 }, 60, 100000, 50000,
            0, 2, 204800, 0, 0 },
        { "rounded to 1 KB binary", payAsYouGo(kBinaryMb, 1024), kWednesday, { 12, 0 }, 0, 1048575,
            0, 0, 10, kBinaryMb, 0, 0 },
        { "no bytes", payAsYouGo(MB, MB), kWednesday, { 12, 0 }, 60, 0, 0, 0, 0, 0, 0, 0 },
        { "half in the free evening", freeNights(), kWednesday, { 19, 0 }, 7200, 7200000, 0, 0, 36,
            3600000, 0, 3600000 },
        { "free across midnight", freeNights(), kWednesday, { 23, 30 }, 3600, 9 * MB, 0, 0, 0, 0, 0,
            9 * MB },
        { "the morning band from 08:00", freeNights(), kWednesday, { 7, 30 }, 3600, 4 * MB, 0, 0,
            20, 2 * MB, 0, 2 * MB },
        { "free Sunday after Saturday", freeSundays(), kSaturday, { 23, 30 }, 3600, 3 * MB, MB, 0,
            20, 2 * MB, 0, 2 * MB },
        { "within the allowance", bundle(5.0), kWednesday, { 12, 0 }, 600, 10 * MB, 0, 0, 0,
            10 * MB, 0, 0 },
        { "crossing it", bundle(5.0), kWednesday, { 12, 0 }, 600, 8 * MB, 2 * MB, 95 * MB, 25,
            5 * MB, 5 * MB, 0 },
        { "past it", bundle(5.0), kWednesday, { 12, 0 }, 600, 2 * MB, 0, 120 * MB, 10, 0, 2 * MB,
            0 },
        { "past it at night", bundle(5.0), kWednesday, { 22, 0 }, 600, 2 * MB, 0, 120 * MB, 0, 0, 0,
            2 * MB },
        { "crossing it into a free band", bundle(5.0), kWednesday, { 19, 0 }, 7200, 20 * MB, 0,
            95 * MB, 25, 5 * MB, 5 * MB, 10 * MB },
        { "stopped at it", bundle(std::nullopt), kWednesday, { 12, 0 }, 600, 10 * MB, 0, 95 * MB, 0,
            5 * MB, 5 * MB, 0, true },
        { "no day: counted, not free", bundle(5.0), QDate(), { 22, 0 }, 600, 2 * MB, 0, 99 * MB, 5,
            MB, MB, 0 },
    };
    for (const Bill &bill : bills) {
        const DataSession session { bill.day, bill.start.msecsSinceStartOfDay() / 1000,
            bill.seconds, bill.received, bill.sent };
        const DataPrice price = priceDataSession(session, bill.tariff, bill.used);
        EXPECT_EQ(price.pence, bill.pence) << bill.what;
        EXPECT_EQ(price.countedBytes, bill.counted) << bill.what;
        EXPECT_EQ(price.beyondBytes, bill.beyond) << bill.what;
        EXPECT_EQ(price.freeBytes, bill.free) << bill.what;
        EXPECT_EQ(price.stopped, bill.stopped) << bill.what;
    }
}

// A band without a price never applies; where none has applied in the week,
// data costs nothing but is not free.
TEST(DataPrice, BandsWithoutAPriceNeverApply)
{
    DataTariff tariff = payAsYouGo();
    tariff.bands[2][1] = { QStringLiteral("11:00"), std::nullopt };
    const DataSession noon { kWednesday, 12 * 3600, 60, 3 * MB, 0 };
    EXPECT_EQ(priceDataSession(noon, tariff, 0).pence, 30);
    const DataPrice none = priceDataSession(noon, DataTariff(), 0);
    EXPECT_EQ(none.pence, 0);
    EXPECT_EQ(none.countedBytes, 3 * MB);
}

} // namespace
