#include "tariff/fee_file.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

QByteArray fileOfLines(const QStringList &lines)
{
    return encodeLines(lines);
}

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

TEST_F(FeeFileTest, DefaultsWhenThereIsNoFile)
{
    EXPECT_FALSE(LoadFees(table, path()));
    for (int i = 0; i < TariffTable::minConnectIndex(); ++i)
        EXPECT_TRUE(table.cell(i).isEmpty());
    EXPECT_EQ(table.minConnectTime(), "3");
}

TEST_F(FeeFileTest, ShortFileSetsOnlyTheCellsItHas)
{
    for (int i = 0; i < TariffTable::kCellCount; ++i)
        table.setCell(i, "old");
    dir.write("netfees.ini", fileOfLines(numberedLines(10)));
    ASSERT_TRUE(LoadFees(table, path()));
    // all of Monday and band 1 of Tuesday
    EXPECT_EQ(table.band(0, 0).bandStart, "L1");
    EXPECT_EQ(table.band(0, 3).fee, "L8");
    EXPECT_EQ(table.band(1, 0).bandStart, "L9");
    EXPECT_EQ(table.band(1, 0).fee, "L10");
    EXPECT_EQ(table.band(1, 1).bandStart, "old");
    EXPECT_EQ(table.band(6, 3).fee, "old");
    EXPECT_EQ(table.minConnectTime(), "o");
}

TEST_F(FeeFileTest, LinesAreTakenAsTheyStandAndCut)
{
    QStringList lines = numberedLines(60);
    lines[0] = " 08:00";
    lines[1] = "";
    lines[3] = "1234.567";
    lines[56] = "10";
    dir.write("netfees.ini", fileOfLines(lines));
    ASSERT_TRUE(LoadFees(table, path()));
    EXPECT_EQ(table.band(0, 0).bandStart, " 08:00");
    EXPECT_EQ(table.band(0, 0).fee, "");
    EXPECT_EQ(table.band(0, 1).fee, "1234.5");
    EXPECT_EQ(table.band(6, 3).fee, "L56");
    EXPECT_EQ(table.minConnectTime(), "1"); // lines 58 to 60 have no effect
}

TEST_F(FeeFileTest, SaveNormalisesAndReloadShowsTheNormalForms)
{
    table.setBandStart(0, 0, "8:5");
    table.setFee(0, 0, "1.5");
    table.setFee(2, 1, "abc");
    table.setMinConnectTime("5");
    const TariffTable before = table;
    ASSERT_TRUE(SaveFees(table, path()).ok);
    EXPECT_EQ(table, before); // the save itself changes nothing

    QStringList expected(TariffTable::kCellCount, QString());
    expected[0] = "08:05";
    expected[1] = "1.50";
    expected[TariffTable::feeIndex(2, 1)] = "abc";
    expected[56] = "5";
    EXPECT_EQ(dir.read("netfees.ini"), fileOfLines(expected));

    ASSERT_TRUE(LoadFees(table, path()));
    EXPECT_EQ(table.band(0, 0).bandStart, "08:05");
    EXPECT_EQ(table.band(0, 0).fee, "1.50");
    EXPECT_EQ(table.band(2, 1).fee, "abc");
}

TEST_F(FeeFileTest, LineBreaksInCellsAreNormalisedAsTheyAreWritten)
{
    // found by fuzz_fee_file: "49\r" was written as "49 ", which the next save
    // turned into "49.00"
    table.setFee(0, 0, "49\r");
    table.setBandStart(0, 1, "8:5\n");
    table.setFee(0, 1, "1\nx");
    ASSERT_TRUE(SaveFees(table, path()).ok);
    const QByteArray written = dir.read("netfees.ini");
    EXPECT_TRUE(written.startsWith("\r\n49.00\r\n08:05\r\n1 x\r\n")) << written.toStdString();

    TariffTable reloaded;
    ASSERT_TRUE(LoadFees(reloaded, path()));
    ASSERT_TRUE(SaveFees(reloaded, path()).ok);
    EXPECT_EQ(dir.read("netfees.ini"), written);
}

TEST_F(FeeFileTest, DefaultTableSavesFiftySixEmptyLinesAndTheMinimum)
{
    ASSERT_TRUE(SaveFees(table, path()).ok);
    QStringList expected(TariffTable::kCellCount - 1, QString());
    expected << "3";
    EXPECT_EQ(dir.read("netfees.ini"), fileOfLines(expected));
}

TEST_F(FeeFileTest, FailedSaveKeepsTheOldFileAndTheTable)
{
    dir.write("netfees.ini", fileOfLines({"00:00", "1.00"}));
    table.setFee(0, 0, "9.99");
    const TariffTable before = table;
    FileResult result;
    {
        FileSizeLimit limit(20);
        result = SaveFees(table, path());
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(table, before);
    EXPECT_EQ(dir.read("netfees.ini"), fileOfLines({"00:00", "1.00"}));
}

// Texts a user might type into a cell, good and bad.
QString randomCell(QRandomGenerator &random)
{
    static const QString alphabet = QStringLiteral("0123456789::..  -+eEaApPmM/xé\t");
    static const QStringList typical = {"",      "00:00", "8:5",  "18:00", "1.5",   "0.75",
                                        "abc",   "25:00", "2p",   "8 PM",  "1e6",   "999999",
                                        "-1e5",  "0.5",   "12:00", "1:00p", "99999", ".5e-3"};
    if (random.bounded(2) == 0)
        return typical[random.bounded(int(typical.size()))];
    QString text;
    const int length = random.bounded(8);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

TEST_F(FeeFileTest, WrittenFilesAreFixedPoints)
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 500; ++round) {
        TariffTable typed;
        for (int i = 0; i < TariffTable::kCellCount; ++i)
            typed.setCell(i, randomCell(random));
        ASSERT_TRUE(SaveFees(typed, path()).ok);
        const QByteArray written = dir.read("netfees.ini");

        TariffTable loaded;
        ASSERT_TRUE(LoadFees(loaded, path()));
        ASSERT_TRUE(SaveFees(loaded, path()).ok);
        ASSERT_EQ(dir.read("netfees.ini"), written) << "round " << round;
    }
}

} // namespace
