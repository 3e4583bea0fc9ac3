#include "support/call_rig.h"

#include "tariff/data_tariff_file.h"

using Field = CallClock::Field;

namespace {

// 2p a MB, an allowance of 1 MB and 10p a MB beyond it.
void saveDataTariff(const QString &path)
{
    DataTariff tariff;
    for (auto &day : tariff.bands)
        day[0] = { "00:00", 2.0 };
    tariff.allowanceMb = 1;
    tariff.beyondPencePerMb = 10.0;
    ASSERT_TRUE(SaveDataTariff(path, tariff).ok);
}

// A call of 20 seconds at 1p a minute whose link is made anew after 11
// seconds (a new index) and has moved more by the next tick than the old
// link had: 3 499 000 bytes in and 500 000 out. With half a MB of the
// allowance used before it, a data tariff prices the 4 MB at 35p: half a MB
// left in the allowance, 3.5 MB beyond. A link billed by the minute writes
// nothing of its bytes anywhere.
TEST(CallBytesCount, AVolumeLinksBytesAreCountedKeptAndPricedAndAMinuteLinksAreNot)
{
    const struct
    {
        const char *link;
        bool dataTariff;
        const char *cost, *data, *charges;
        const char *tipCost; // the last tick's, as ever
        bool bytesKept;
    } cases[] = {
        { "wwan0", true, "£0.35", "4.0 MB", "05:12:2026  ,  10:00:00  ,  00:00:20  ,  35#\r\n",
            "£0.12", true },
        { "wwan0", false, "£0.01", "4.0 MB", "", "£0.01", true },
        { "ppp0", true, "£0.01", "", "", "£0.01", false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.link) + (c.dataTariff ? " with a data tariff" : ""));
        CallRig rig;
        rig.chargeAllWeek("1", "0");
        if (c.dataTariff)
            saveDataTariff(rig.dir.file("netdata.ini"));
        rig.dataUsed = 500000;
        rig.probe.linkName = c.link;
        rig.probe.sample = LinkMessageCounters { 3, { 1000, 500 } };
        rig.startAt(QTime(10, 0, 0));
        rig.probe.sample = LinkMessageCounters { 3, { 1001000, 500 } };
        rig.tickAt(QTime(10, 0, 5));
        rig.probe.sample = LinkMessageCounters { 3, { 1500000, 200500 } };
        rig.tickAt(QTime(10, 0, 11));
        const QByteArray record = "05:12:2026  ,  \r\n10:00:00  ,  \r\n00:00:11  ,  \r\n01.00#\r\n";
        EXPECT_EQ(rig.journal(),
            record
                + (c.bytesKept ? QByteArray(c.dataTariff
                                         ? "05:12:2026  ,  10:00:00  ,  00:00:11  ,  12#\r\n"
                                         : "")
                            + "05:12:2026  ,  10:00:00  ,  00:00:11  ,  1499000  ,  200000#\r\n"
                               : QByteArray()));

        rig.probe.sample = LinkMessageCounters { 4, { 2000000, 300000 } };
        rig.tickAt(QTime(10, 0, 20));
        EXPECT_EQ(rig.shown(Field::Label5), c.cost);
        EXPECT_EQ(rig.shown(Field::LblData), c.data);
        EXPECT_EQ(rig.tray.tips.last(),
            QString("Callwise Time=00:00:20 Cost=") + c.tipCost
                + (*c.data ? QString(" Data=") + c.data : QString()));
        rig.scan(false);
        EXPECT_EQ(rig.log(), "05:12:2026  ,  \r\n10:00:00  ,  \r\n00:00:20  ,  \r\n01.00#\r\n");
        EXPECT_EQ(rig.charges(), c.charges);
        EXPECT_EQ(rig.bytes(),
            c.bytesKept ? "05:12:2026  ,  10:00:00  ,  00:00:20  ,  3499000  ,  500000#\r\n" : "");
        EXPECT_EQ(rig.journal(), "");
    }
}

} // namespace
