#include "settings/settings_file.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr char kDefaults[] = "20000\r\n0\r\n1\r\n1\r\n";

struct LoadCase
{
    std::optional<QByteArray> file; // none: no file
    std::optional<int> interval;
    Settings after; // from {-5, -5, -5}: a field stays as it was until a line is read into it
    bool defaultsWritten;
};

void PrintTo(const LoadCase &c, std::ostream *out)
{
    *out << (c.file ? c.file->toStdString() : "no file");
}

class SettingsLoad : public testing::TestWithParam<LoadCase>
{
};

TEST_P(SettingsLoad, ReadsUntilALineIsOutOfRangeThenWritesTheDefaults)
{
    const LoadCase &c = GetParam();
    TempProgramDir dir;
    if (c.file)
        dir.write("settings.ini", *c.file);
    Settings settings { -5, -5, -5 };
    EXPECT_EQ(LoadSettings(dir.file("settings.ini"), settings), c.interval);
    EXPECT_EQ(settings.Reserved, c.after.Reserved);
    EXPECT_EQ(settings.SplashOnStart, c.after.SplashOnStart);
    EXPECT_EQ(settings.AutoRunOnStart, c.after.AutoRunOnStart);
    EXPECT_EQ(dir.read("settings.ini") == kDefaults, c.defaultsWritten);
}

const Settings kUnread { -5, -5, -5 };
const Settings kRead { 0, 1, 1 };

const LoadCase kFiles[] = {
    { std::nullopt, std::nullopt, kUnread, true }, { "", std::nullopt, kUnread, true },
    { kDefaults, 20000, kRead, true }, { "1000\r\n7\r\n", 1000, { 7, -5, -5 }, true },
    { "0\r\n0\r\n1\r\n1\r\n", 0, kRead, false },
    { " 5000 \r\n0\r\n1\r\n1\r\n", 5000, kRead, false },
    { "2500.5\r\n0\r\n1\r\n1\r\n", 2500, kRead, false },
    { "2501.5\r\n0\r\n1\r\n1\r\n", 2502, kRead, false },
    { "65535\r\n0\r\n1\r\n1\r\n", 65535, kRead, false },
    { "x\r\n0\r\n1\r\n1\r\n", 0, kRead, false },
    { "70000\r\n0\r\n1\r\n1\r\n", std::nullopt, kUnread, true },
    { "-1\r\n0\r\n1\r\n1\r\n", std::nullopt, kUnread, true },
    { "1000\r\n0\r\n32768\r\n1\r\n", 1000, { 0, -5, -5 }, true },
    { "5000\r\n-32768\r\n2\r\n2\r\n", 5000, { -32768, 2, 2 }, false },
    { "5000\r\n-32769\r\n2\r\n2\r\n", 5000, kUnread, true },
    { "1000\r\n-3\r\n1\r\n0\r\nextra\r\n", 1000, { -3, 1, 0 }, false },
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsLoad, testing::ValuesIn(kFiles));

TEST(SettingsSave, WritesWhatTheNextLoadReads)
{
    TempProgramDir dir;
    ASSERT_TRUE(SaveSettings(dir.file("settings.ini"), 20000, { -3, 1, 0 }).ok);
    EXPECT_EQ(dir.read("settings.ini"), " 20000 \r\n-3 \r\n 1 \r\n 0 \r\n");
    Settings again;
    EXPECT_EQ(LoadSettings(dir.file("settings.ini"), again), 20000);
    EXPECT_EQ(again.Reserved, -3);

    dir.write("notadir", ""); // the defaults cannot be written: let go
    EXPECT_EQ(LoadSettings(dir.file("notadir/settings.ini"), again), std::nullopt);
}

} // namespace
