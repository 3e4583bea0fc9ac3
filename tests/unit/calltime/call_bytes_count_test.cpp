#include "support/call_rig.h"

#include "alerts/data_month_log.h"
#include "calllog/call_journal.h"
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

// A call from 23:59:55 on 31 December runs into the data bill month that
// starts on the 1st. The tick at 23:59:58 is nearer the month's start, 5 s
// in, than the one at 00:00:03, so its 0.9 MB are the old month's and the
// rest the new one's, against a new allowance: 0.4 MB beyond the old one's
// half MB left is 4p, 0.1 MB beyond the new one 1p. The journal keeps the
// split, and a restart after a crash keeps it as the call's end would.
TEST(CallBytesCount, ACallAcrossTheBillsStartFallsOnEachSideByTheTickNearestIt)
{
    CallRig rig;
    rig.chargeAllWeek("1", "0");
    saveDataTariff(rig.dir.file("netdata.ini"));
    rig.dataUsed = 500000;
    rig.probe.linkName = "wwan0";
    rig.probe.sample = LinkMessageCounters { 3, { 0, 0 } };
    rig.clock.set(QDate(2026, 12, 31), QTime(23, 59, 55));
    rig.scan(true);
    rig.probe.sample = LinkMessageCounters { 3, { 900000, 0 } };
    rig.tickAt(QTime(23, 59, 58));
    rig.probe.sample = LinkMessageCounters { 3, { 2000000, 0 } };
    rig.clock.set(QDate(2027, 1, 1), QTime(0, 0, 3));
    rig.callClock.Timer2_Timer();
    EXPECT_EQ(rig.shown(Field::Label5), "£0.05");
    rig.tickAt(QTime(0, 0, 10)); // 15 s: the journal is rewritten
    const QByteArray bytes
        = "31:12:2026  ,  23:59:55  ,  00:00:15  ,  2000000  ,  0  ,  5  ,  900000  ,  0#\r\n";
    EXPECT_TRUE(rig.journal().endsWith("31:12:2026  ,  23:59:55  ,  00:00:15  ,  5#\r\n" + bytes))
        << rig.journal().toStdString();
    EXPECT_EQ(recoverCallJournal(rig.logPath()).outcome, JournalRecovery::Outcome::Appended);
    EXPECT_EQ(rig.bytes(), bytes);
    const DataTariff tariff = *LoadDataTariff(rig.dir.file("netdata.ini")).tariff;
    for (const auto &[day, used] : { std::pair(QDate(2026, 12, 31), 900000), { { 2027, 1, 1 }, 1100000 } })
        EXPECT_EQ(dataMonthOfLog(LoadIndexedLog(rig.logPath()), DataPricer(tariff), day, rig.regional)
                      .usedBytes,
            used);
}

} // namespace
