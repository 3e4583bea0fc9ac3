#include "calllog/call_journal.h"

#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using Outcome = JournalRecovery::Outcome;

const QByteArray kRecord = "05:12:2026  ,  \r\n21:14:03  ,  \r\n00:14:05  ,  \r\n01.50#\r\n";
// The same day as kRecord: the start tells the calls apart.
const QByteArray kOlder = "05:12:2026  ,  \r\n09:00:00  ,  \r\n00:01:00  ,  \r\n02.00#\r\n";

class JournalRecoveryTest : public testing::Test
{
protected:
    JournalRecovery recover() const { return recoverCallJournal(dir.file("netcosts.ini")); }
    void leave(const QByteArray &log, const QByteArray &journal) const
    {
        dir.write("netcosts.ini", log);
        dir.write("callnow.ini", journal);
    }

    TempProgramDir dir;
};

TEST_F(JournalRecoveryTest, AJournalLeftBehindIsAppendedOnceAndRemoved)
{
    leave(kOlder, kRecord);
    const JournalRecovery recovery = recover();
    EXPECT_EQ(recovery.outcome, Outcome::Appended);
    EXPECT_EQ(recoveryNotice(recovery),
        "A call of 00:14:05 that was being timed when Callwise "
        "stopped has been added to the call log.");
    EXPECT_FALSE(dir.exists("callnow.ini"));
    EXPECT_EQ(recover().outcome, Outcome::None);
    EXPECT_EQ(dir.read("netcosts.ini"), kOlder + kRecord);
}

// Stopped between the append and the removal; the journal may be the record
// itself or an earlier write of the same call.
TEST_F(JournalRecoveryTest, AJournalOfTheCallEndingTheLogIsOnlyRemoved)
{
    for (const QByteArray &journal :
        { kRecord, QByteArray(kRecord).replace("00:14:05", "00:13:05") }) {
        leave(kOlder + kRecord, journal);
        EXPECT_EQ(recover().outcome, Outcome::AlreadyLogged);
        EXPECT_FALSE(dir.exists("callnow.ini"));
        EXPECT_EQ(dir.read("netcosts.ini"), kOlder + kRecord);
    }
}

// With rules the journal's fifth line is the call's charge, which goes
// beside the log once, after the record, whatever was done before the stop.
TEST_F(JournalRecoveryTest, AChargeInTheJournalIsKeptOnceAfterItsRecord)
{
    const QByteArray charge = "05:12:2026  ,  21:14:03  ,  00:14:05  ,  36#\r\n";
    const QByteArray older = "05:12:2026  ,  09:00:00  ,  00:01:00  ,  4#\r\n";
    const struct {
        const char *what;
        QByteArray log, charges, journal;
        Outcome outcome;
        QByteArray chargesAfter;
    } cases[] = {
        {"stopped during the call", kOlder, older, kRecord + charge, Outcome::Appended, older + charge},
        {"stopped between the appends", kOlder + kRecord, older, kRecord + charge,
         Outcome::AlreadyLogged, older + charge},
        {"no charges file yet", kOlder + kRecord, "", kRecord + charge, Outcome::AlreadyLogged, charge},
        {"stopped before the removal", kOlder + kRecord, older + charge, kRecord + charge,
         Outcome::AlreadyLogged, older + charge},
        {"the log holds the call at another length", kOlder + kRecord, older,
         QByteArray(kRecord + charge).replace("00:14:05", "00:13:05"), Outcome::AlreadyLogged,
         older},
    };
    for (const auto &c : cases) {
        leave(c.log, c.journal);
        dir.write("netcharges.ini", c.charges);
        EXPECT_EQ(recover().outcome, c.outcome) << c.what;
        EXPECT_EQ(dir.read("netcosts.ini"), kOlder + kRecord) << c.what;
        EXPECT_EQ(dir.read("netcharges.ini"), c.chargesAfter) << c.what;
        EXPECT_FALSE(dir.exists("callnow.ini")) << c.what;
    }

    // A charges file that cannot be written keeps the journal; the next start
    // adds only what is missing.
    leave(kOlder, kRecord + charge);
    QFile::remove(dir.file("netcharges.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("netcharges.ini"));
    EXPECT_EQ(recover().outcome, Outcome::AppendFailed);
    EXPECT_EQ(dir.read("callnow.ini"), kRecord + charge);
    ASSERT_TRUE(QDir(dir.path()).rmdir("netcharges.ini"));
    EXPECT_EQ(recover().outcome, Outcome::AlreadyLogged);
    EXPECT_EQ(dir.read("netcosts.ini"), kOlder + kRecord);
    EXPECT_EQ(dir.read("netcharges.ini"), charge);
}

// On a link billed by the MB the journal's last line is the call's bytes,
// which go beside the log once, after the record and the charge.
TEST_F(JournalRecoveryTest, BytesInTheJournalAreKeptOnceAfterTheRecordAndTheCharge)
{
    const QByteArray charge = "05:12:2026  ,  21:14:03  ,  00:14:05  ,  36#\r\n";
    const QByteArray bytes = "05:12:2026  ,  21:14:03  ,  00:14:05  ,  5000  ,  700#\r\n";
    const QByteArray older = "05:12:2026  ,  09:00:00  ,  00:01:00  ,  10  ,  20#\r\n";
    const QByteArray split = "05:12:2026  ,  21:14:03  ,  00:14:05  ,  5000  ,  700  ,  60  ,  40  ,  7#\r\n";
    const struct {
        const char *what;
        QByteArray log, charges, bytes, journal;
        QByteArray chargesAfter, bytesAfter;
    } cases[] = {
        {"bytes alone", kOlder, "", older, kRecord + bytes, "", older + bytes},
        {"split across a bill month's start", kOlder, "", "", kRecord + split, "", split},
        {"with a charge", kOlder, "", "", kRecord + charge + bytes, charge, bytes},
        {"stopped before the bytes", kOlder + kRecord, charge, older, kRecord + charge + bytes,
         charge, older + bytes},
        {"stopped before the removal", kOlder + kRecord, charge, older + bytes,
         kRecord + charge + bytes, charge, older + bytes},
    };
    for (const auto &c : cases) {
        leave(c.log, c.journal);
        dir.write("netcharges.ini", c.charges);
        dir.write("netbytes.ini", c.bytes);
        recover();
        EXPECT_EQ(dir.read("netcosts.ini"), kOlder + kRecord) << c.what;
        EXPECT_EQ(dir.read("netcharges.ini"), c.chargesAfter) << c.what;
        EXPECT_EQ(dir.read("netbytes.ini"), c.bytesAfter) << c.what;
        EXPECT_FALSE(dir.exists("callnow.ini")) << c.what;
    }

    // Bytes that cannot be written keep the journal; the next start adds
    // only what is missing.
    leave(kOlder, kRecord + charge + bytes);
    QFile::remove(dir.file("netcharges.ini"));
    QFile::remove(dir.file("netbytes.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("netbytes.ini"));
    EXPECT_EQ(recover().outcome, Outcome::AppendFailed);
    ASSERT_TRUE(QDir(dir.path()).rmdir("netbytes.ini"));
    EXPECT_EQ(recover().outcome, Outcome::AlreadyLogged);
    EXPECT_EQ(dir.read("netcosts.ini") + dir.read("netcharges.ini") + dir.read("netbytes.ini"),
              kOlder + kRecord + charge + bytes);
}

TEST_F(JournalRecoveryTest, AnUnreadableJournalIsSetAsideAndTheLogLeftAlone)
{
    const QByteArray damaged[] = {
        "",
        kRecord.left(30),
        QByteArray(kRecord).replace("21:14", "25:14"),
        kRecord + kOlder,
        QByteArray(kRecord).replace("\r\n", "\n"),
        QByteArray(kRecord).replace("01.50", "1.5"), kRecord + "\n",
        // a charge of another call, or none
        kRecord + "05:12:2026  ,  21:14:03  ,  00:13:05  ,  36#\r\n",
        kRecord + "05:12:2026  ,  21:14:03  ,  00:14:05  ,  #\r\n",
        // bytes of another call, before the charge, or but one number
        kRecord + "05:12:2026  ,  21:14:03  ,  00:13:05  ,  5000  ,  700#\r\n",
        kRecord + "05:12:2026  ,  21:14:03  ,  00:14:05  ,  5000  ,  700#\r\n"
                  "05:12:2026  ,  21:14:03  ,  00:14:05  ,  36#\r\n",
        kRecord + "05:12:2026  ,  21:14:03  ,  00:14:05  ,  5000  ,  #\r\n",
    };
    for (const QByteArray &journal : damaged) {
        leave(kOlder, journal);
        const JournalRecovery recovery = recover();
        ASSERT_EQ(recovery.outcome, Outcome::SetAside) << journal.constData();
        EXPECT_EQ(dir.read("netcosts.ini"), kOlder);
        EXPECT_FALSE(dir.exists("callnow.ini"));
        // Each is kept, none over another.
        EXPECT_EQ(dir.read(QFileInfo(recovery.keptAs).fileName()), journal);
        EXPECT_TRUE(recoveryNotice(recovery).contains(QDir::toNativeSeparators(recovery.keptAs)));
    }
}

TEST_F(JournalRecoveryTest, ALogThatCannotBeWrittenKeepsTheJournalForTheNextStart)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("netcosts.ini"));
    dir.write("callnow.ini", kRecord);
    const JournalRecovery recovery = recover();
    EXPECT_EQ(recovery.outcome, Outcome::AppendFailed);
    EXPECT_EQ(recoveryNotice(recovery), "File Save ERROR");
    EXPECT_EQ(dir.read("callnow.ini"), kRecord);
}

} // namespace
