#include "calllog/call_charges.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kept = ChargeIndex::Kept;

const QDate kDay(2026, 12, 7);
const QByteArray kLine = "07:12:2026  ,  10:00:00  ,  00:02:05  ,  28#";

struct Lookup
{
    const char *what;
    QByteArray file;
    Kept kept;
    qint64 pence = 0;
};

void PrintTo(const Lookup &lookup, std::ostream *out)
{
    *out << lookup.what;
}

class ChargeLookup : public testing::TestWithParam<Lookup>
{
};

// The charge of the call of kLine (07/12/2026 10:00:00, 00:02:05) in files
// as the program writes them, as a crash or a hand leaves them.
TEST_P(ChargeLookup, FindsTheChargeOfTheCallByItsStartAndLength)
{
    const Lookup &lookup = GetParam();
    // From a copy of just its size, so a read past its end shows under ASan.
    const std::vector<char> exact(lookup.file.begin(), lookup.file.end());
    const ChargeIndex charges(QByteArrayView(exact.data(), qsizetype(exact.size())));
    const ChargeIndex::Found found = charges.find(ChargeIndex::keyOf(kDay, u"10:00:00", u"00:02:05"));
    EXPECT_EQ(found.kept, lookup.kept);
    EXPECT_EQ(found.pence, lookup.pence);
}

const QByteArray kOther = "07:12:2026  ,  09:00:00  ,  00:02:05  ,  7#\r\n";

INSTANTIATE_TEST_SUITE_P(Files, ChargeLookup, testing::Values(
    Lookup { "as written", kOther + kLine + "\r\n", Kept::Charge, 28 },
    Lookup { "last line without its end", kOther + kLine, Kept::Charge, 28 },
    Lookup { "LF and CR ends", "07:12:2026  ,  09:00:00  ,  00:02:05  ,  7#\n" + kLine + "\r", Kept::Charge, 28 },
    Lookup { "before the others", kLine + "\r\n" + kOther, Kept::Charge, 28 },
    Lookup { "another call only", kOther, Kept::None },
    Lookup { "other length", QByteArray(kLine).replace("00:02:05", "00:02:06"), Kept::None },
    Lookup { "other day", QByteArray(kLine).replace("07:12", "08:12"), Kept::None },
    Lookup { "cut short", kOther + kLine.left(42), Kept::Damaged },
    Lookup { "no pence", kOther + kLine.left(41) + "#\r\n", Kept::Damaged },
    Lookup { "not pence", QByteArray(kLine).replace("28#", "2.8#"), Kept::Damaged },
    Lookup { "text after", kLine + "x\r\n" + kOther, Kept::Damaged },
    Lookup { "too many digits", QByteArray(kLine).replace("28#", "1234567890123456#"), Kept::Damaged },
    Lookup { "the most digits", QByteArray(kLine).replace("28#", "-123456789012345#"), Kept::Charge, -123456789012345 },
    Lookup { "eight digits at the end", kOther + QByteArray(kLine).replace("28#", "12345678#"), Kept::Charge, 12345678 },
    Lookup { "readable wins over damaged", kLine.left(43) + "\r\n" + kLine + "\r\n", Kept::Charge, 28 },
    Lookup { "the first of two", kLine + "\r\n" + QByteArray(kLine).replace("28#", "30#"), Kept::Charge, 28 },
    Lookup { "key unreadable", QByteArray(kLine).replace("10:00:00", "10:00:0x"), Kept::None },
    Lookup { "separator gone", QByteArray(kLine).replace("  ,  28", " , 28"), Kept::None },
    Lookup { "junk before", "junk\r\n\r\n" + kLine, Kept::Charge, 28 },
    Lookup { "empty", "", Kept::None }));

TEST(CallCharges, TheLineIsTheCallsKeyAndItsPence)
{
    EXPECT_EQ(callChargeLine("07:12:2026", "10:00:00", "00:02:05", 28).toLatin1(), kLine);
    EXPECT_EQ(callChargesPath("/some/dir/netcosts.ini"), "/some/dir/netcharges.ini");
    // Keys of different calls differ, and texts not as written make none.
    const ChargeIndex::Key key = ChargeIndex::keyOf(kDay, u"10:00:00", u"00:02:05");
    EXPECT_NE(key, 0u);
    EXPECT_NE(key, ChargeIndex::keyOf(kDay, u"00:02:05", u"10:00:00"));
    EXPECT_NE(key, ChargeIndex::keyOf(QDate(2026, 7, 12), u"10:00:00", u"00:02:05"));
    EXPECT_EQ(ChargeIndex::keyOf(kDay, u"10:00", u"00:02:05"), 0u);
    EXPECT_EQ(ChargeIndex::keyOf(QDate(), u"10:00:00", u"00:02:05"), 0u);
    EXPECT_EQ(ChargeIndex::keyOf(QDate(10000, 1, 1), u"10:00:00", u"00:02:05"), 0u);
}

// A clock set back puts keys out of order; a look-up from where the last
// ended still finds each, and calls of the same start and length are matched
// in their order.
TEST(CallCharges, KeysOutOfOrderAndRepeatedAreFoundInTurn)
{
    const ChargeIndex charges(QByteArray("07:12:2026  ,  10:00:00  ,  00:01:00  ,  1#\r\n"
                                         "07:12:2026  ,  09:30:00  ,  00:01:00  ,  2#\r\n"
                                         "07:12:2026  ,  09:30:00  ,  00:01:00  ,  3#\r\n"));
    EXPECT_EQ(charges.size(), 3);
    size_t hint = 0;
    for (const auto &[start, pence] :
         {std::pair{u"10:00:00", 1}, std::pair{u"09:30:00", 2}, std::pair{u"09:30:00", 3}})
        EXPECT_EQ(charges.find(ChargeIndex::keyOf(kDay, start, u"00:01:00"), hint).pence, pence);
}

} // namespace
