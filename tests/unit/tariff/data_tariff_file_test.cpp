#include "support/temp_program_dir.h"
#include "tariff/data_tariff_file.h"

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("netdata.ini");

TEST(DataTariffFile, ATariffReadsBackAsWrittenAndNoneLeavesNoFile)
{
    TempProgramDir dir;
    const QString path = dir.file(kName);
    EXPECT_TRUE(LoadDataTariff(path).ok); // no file: no tariff
    EXPECT_FALSE(LoadDataTariff(path).tariff);

    DataTariff tariff;
    tariff.bands[0][0] = { QStringLiteral("07:59"), 1.5 };
    tariff.bands[0][1] = { QStringLiteral("19:59"), 0.0 };
    tariff.bands[6][3] = { QStringLiteral("00:00"), std::nullopt };
    tariff.allowanceMb = 2048;
    tariff.bundlePence = 1500;
    tariff.billStartDay = 15;
    tariff.beyondPencePerMb = 0.25;
    tariff.mbBytes = kBinaryMb;
    tariff.roundingBytes = 102400;
    ASSERT_TRUE(SaveDataTariff(path, tariff).ok);
    const QByteArray bytes = dir.read(kName);
    EXPECT_TRUE(bytes.startsWith("07:59\r\n1.50\r\n19:59\r\n0.00\r\n\r\n\r\n"))
        << bytes.constData();
    EXPECT_TRUE(
        bytes.endsWith("\r\n00:00\r\n\r\n2048\r\n1500.00\r\n15\r\n0.25\r\n1048576\r\n102400\r\n"))
        << bytes.constData();
    const DataTariffLoad loaded = LoadDataTariff(path);
    ASSERT_TRUE(loaded.ok) << loaded.why.toStdString();
    EXPECT_EQ(loaded.tariff, tariff);

    // A short hand-written file: the rest is empty, which is the defaults.
    dir.write(kName, "\r\n1.234\r\n");
    DataTariff shortOne;
    shortOne.bands[0][0].pencePerMb = 1.23;
    EXPECT_EQ(LoadDataTariff(path).tariff, shortOne);

    ASSERT_TRUE(SaveDataTariff(path, std::nullopt).ok);
    EXPECT_FALSE(dir.exists(kName));
}

// A line Callwise could not have written is no tariff at all, named by its
// line and what is wrong with it.
TEST(DataTariffFile, DamageGivesNoTariffAndSaysWhereAndWhy)
{
    const auto at = [](int line, const QByteArray &text) {
        return QByteArray("\r\n").repeated(line - 1) + text + "\r\n";
    };
    const struct
    {
        QByteArray bytes;
        QString why;
    } cases[] = {
        { at(1, "7:59"), "Line 1 of netdata.ini: \"7:59\" is not a time of day \"hh:mm\"." },
        { at(3, "24:00"), "Line 3 of netdata.ini: \"24:00\" is not a time of day \"hh:mm\"." },
        { at(2, "-1"), "Line 2 of netdata.ini: \"-1\" is not pence a MB." },
        { at(56, "free"), "Line 56 of netdata.ini: \"free\" is not pence a MB." },
        { at(57, "1.5"), "Line 57 of netdata.ini: \"1.5\" is not an allowance in whole MB." },
        { at(58, "x"), "Line 58 of netdata.ini: \"x\" is not a monthly fee in pence." },
        { at(59, "29"), "Line 59 of netdata.ini: \"29\" is not a day from 1 to 28." },
        { at(60, "1e400"), "Line 60 of netdata.ini: \"1e400\" is not pence a MB." },
        { at(61, "1024"),
            "Line 61 of netdata.ini: \"1024\" is not 1000000 or 1048576 bytes a MB." },
        { at(62, "0"), "Line 62 of netdata.ini: \"0\" is not a unit from 1 to 1000000000 bytes." },
        { at(63, "a line too many, and long"),
            "Line 63 of netdata.ini: \"a line too many, and...\" is past the 62 lines of a data "
            "tariff." },
    };
    TempProgramDir dir;
    for (const auto &c : cases) {
        dir.write(kName, c.bytes);
        const DataTariffLoad loaded = LoadDataTariff(dir.file(kName));
        EXPECT_FALSE(loaded.ok) << c.bytes.constData();
        EXPECT_FALSE(loaded.tariff) << c.bytes.constData();
        EXPECT_EQ(loaded.why.toStdString(), c.why.toStdString());
    }
}

} // namespace
