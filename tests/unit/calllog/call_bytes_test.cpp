#include "calllog/call_bytes.h"

#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kept = BytesIndex::Kept;

// The bytes of the call of 07/12/2026 10:00:00, 00:02:05, in files as the
// program writes them and as a crash or a hand leaves them. The scan and
// the look-up are the charges' own, tested there.
TEST(CallBytes, FindsTheBytesOfTheCallByItsStartAndLength)
{
    const QString line = callBytesLine("07:12:2026", "10:00:00", "00:02:05", 1048576, 20480);
    EXPECT_EQ(line, "07:12:2026  ,  10:00:00  ,  00:02:05  ,  1048576  ,  20480#");
    EXPECT_EQ(callBytesPath("/some/dir/netcosts.ini"), "/some/dir/netbytes.ini");
    const QByteArray written = line.toLatin1();
    const QByteArray other = "07:12:2026  ,  09:00:00  ,  00:02:05  ,  1  ,  2#\r\n";
    // Across a bill month's start 60 s in, by which 1000 and 20 bytes had moved.
    const QByteArray split = callBytesLine("07:12:2026", "10:00:00", "00:02:05", 1048576, 20480,
        SessionSplit { 60, 1000, 20 }).toLatin1();
    EXPECT_EQ(split, "07:12:2026  ,  10:00:00  ,  00:02:05  ,  1048576  ,  20480  ,  60  ,  1000  ,  20#");
    const struct
    {
        const char *what;
        QByteArray file;
        Kept kept;
        qint64 received = 0, sent = 0;
        std::optional<SessionSplit> split = {};
    } cases[] = {
        { "split", other + split + "\r\n", Kept::Values, 1048576, 20480, SessionSplit { 60, 1000, 20 } },
        { "split short", QByteArray(split).replace("  ,  20#", "#"), Kept::Damaged },
        { "as written", other + written + "\r\n", Kept::Values, 1048576, 20480 },
        { "last line without its end", other + written, Kept::Values, 1048576, 20480 },
        { "nine and eight digits", QByteArray(written).replace("1048576  ,  20480", "104857600  ,  20480000"), Kept::Values, 104857600, 20480000 },
        { "another call only", other, Kept::None },
        { "cut short", other + written.left(written.size() - 3), Kept::Damaged },
        { "one number", QByteArray(written).replace("  ,  20480", ""), Kept::Damaged },
        { "negative", QByteArray(written).replace("20480", "-20480"), Kept::Damaged },
        { "a charge's line", "07:12:2026  ,  10:00:00  ,  00:02:05  ,  28#\r\n", Kept::Damaged },
        { "readable wins", written.left(50) + "\r\n" + written, Kept::Values, 1048576, 20480 },
        { "empty", "", Kept::None },
    };
    for (const auto &c : cases) {
        // From a copy of just its size, so a read past its end shows under ASan.
        const std::vector<char> exact(c.file.begin(), c.file.end());
        const BytesIndex::Found found = BytesIndex(QByteArrayView(exact.data(), qsizetype(exact.size()))).find(
            SideRecord::keyOf(SideRecord::dayKey(QDate(2026, 12, 7)), u"10:00:00", u"00:02:05"));
        EXPECT_EQ(found.kept, c.kept) << c.what;
        EXPECT_EQ(found.value.received, c.received) << c.what;
        EXPECT_EQ(found.value.sent, c.sent) << c.what;
        EXPECT_EQ(found.split, c.split) << c.what;
    }
}

} // namespace
