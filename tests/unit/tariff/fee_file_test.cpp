#include "support/temp_program_dir.h"
#include "tariff/fee_file.h"

#include <gtest/gtest.h>

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("L%1").arg(i);
    return lines;
}

class FeeFileTest : public testing::Test
{
protected:
    QString path() const { return dir.file("netfees.ini"); }

    TempProgramDir dir;
    TariffTable table;
};

TEST_F(FeeFileTest, LinesAreTakenAsTheyStandAndCut)
{
    QStringList lines = numberedLines(60);
    lines[0] = " 08:00";
    lines[1] = "";
    lines[3] = "1234.567";
    lines[56] = "10";
    dir.write("netfees.ini", encodeLines(lines));
    ASSERT_TRUE(LoadFees(table, path()));
    EXPECT_EQ(table.band(0, 0).bandStart, " 08:00");
    EXPECT_EQ(table.band(0, 0).fee, "");
    EXPECT_EQ(table.band(0, 1).fee, "1234.5");
    EXPECT_EQ(table.band(6, 3).fee, "L56");
    EXPECT_EQ(table.minConnectTime(), "1"); // lines 58 to 60 have no effect
}

TEST_F(FeeFileTest, SaveWritesNormalFormsWithoutChangingTheTableAndReloadsThem)
{
    table.setBandStart(0, 0, "8:5");
    table.setFee(0, 0, "1.5");
    table.setFee(2, 1, "abc");
    // found by fuzzing: "49\r" was written as "49 ", which the next save made "49.00"
    table.setFee(0, 1, "49\r");
    table.setBandStart(0, 2, "8:5\n");
    table.setFee(0, 2, "1\nx");
    table.setMinConnectTime("5");
    const TariffTable before = table;
    ASSERT_TRUE(SaveFees(table, path()).ok);
    EXPECT_EQ(table, before);

    QStringList expected(TariffTable::kCellCount, QString());
    expected[0] = "08:05";
    expected[1] = "1.50";
    expected[3] = "49.00";
    expected[4] = "08:05";
    expected[5] = "1 x";
    expected[TariffTable::feeIndex(2, 1)] = "abc";
    expected[56] = "5";
    const QByteArray written = dir.read("netfees.ini");
    EXPECT_EQ(written, encodeLines(expected));

    ASSERT_TRUE(LoadFees(table, path()));
    EXPECT_EQ(table.band(0, 0).bandStart, "08:05");
    ASSERT_TRUE(SaveFees(table, path()).ok);
    EXPECT_EQ(dir.read("netfees.ini"), written) << "a written file is a fixed point";
}

} // namespace
