#include "settings/settings_file.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

namespace {

constexpr char kDefaults[] = "20000\r\n0\r\n1\r\n1\r\n";

class SettingsFileTest : public testing::Test
{
protected:
    QString path() const { return dir.file("settings.ini"); }
    std::optional<int> load(const QByteArray &file)
    {
        dir.write("settings.ini", file);
        return LoadSettings(path(), settings);
    }

    TempProgramDir dir;
    Settings settings;
};

TEST_F(SettingsFileTest, FirstStartWritesTheDefaultsAndKeepsMemory)
{
    EXPECT_EQ(LoadSettings(path(), settings), std::nullopt);
    EXPECT_EQ(dir.read("settings.ini"), kDefaults);
    EXPECT_EQ(settings.Reserved, 0);
    EXPECT_EQ(settings.SplashOnStart, 0);
    EXPECT_EQ(settings.AutoRunOnStart, 0);

    // The next start uses them.
    EXPECT_EQ(LoadSettings(path(), settings), 20000);
    EXPECT_EQ(settings.SplashOnStart, 1);
    EXPECT_EQ(settings.AutoRunOnStart, 1);
}

TEST_F(SettingsFileTest, ShortFileKeepsWhatWasReadAndIsReplaced)
{
    EXPECT_EQ(load("1000\r\n7\r\n"), 1000);
    EXPECT_EQ(settings.Reserved, 7);
    EXPECT_EQ(settings.SplashOnStart, 0);
    EXPECT_EQ(settings.AutoRunOnStart, 0);
    EXPECT_EQ(dir.read("settings.ini"), kDefaults);
}

TEST_F(SettingsFileTest, IntervalLine)
{
    const struct
    {
        QByteArray line;
        std::optional<int> interval;
    } cases[] = {
        { "0", 0 },
        { " 5000 ", 5000 },
        { "2500.5", 2500 },
        { "2501.5", 2502 },
        { "65535", 65535 },
        { "x", 0 },
        { "70000", std::nullopt },
        { "-1", std::nullopt },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(load(c.line + "\r\n0\r\n1\r\n1\r\n"), c.interval);
        EXPECT_EQ(dir.read("settings.ini") == kDefaults, !c.interval.has_value());
    }
}

TEST_F(SettingsFileTest, OutOfRangeFlagStopsTheLoadThere)
{
    EXPECT_EQ(load("1000\r\n0\r\n32768\r\n1\r\n"), 1000);
    EXPECT_EQ(settings.SplashOnStart, 0);
    EXPECT_EQ(settings.AutoRunOnStart, 0);
    EXPECT_EQ(dir.read("settings.ini"), kDefaults);
}

TEST_F(SettingsFileTest, FlagOfTwoIsKept)
{
    EXPECT_EQ(load("5000\r\n0\r\n2\r\n2\r\n"), 5000);
    EXPECT_EQ(settings.SplashOnStart, 2);
    EXPECT_EQ(settings.AutoRunOnStart, 2);
}

TEST_F(SettingsFileTest, SaveThenLoadGivesTheSameValuesAndDropsExtraLines)
{
    load("1000\r\n-3\r\n1\r\n0\r\nextra\r\n");
    ASSERT_TRUE(SaveSettings(path(), 20000, settings).ok);
    EXPECT_EQ(dir.read("settings.ini"), " 20000 \r\n-3 \r\n 1 \r\n 0 \r\n");

    Settings again;
    EXPECT_EQ(LoadSettings(path(), again), 20000);
    EXPECT_EQ(again.Reserved, -3);
    EXPECT_EQ(again.SplashOnStart, 1);
    EXPECT_EQ(again.AutoRunOnStart, 0);
}

TEST_F(SettingsFileTest, FailedSaveReportsAndLeavesTheOldFile)
{
    dir.write("settings.ini", kDefaults);
    FileResult result;
    {
        FileSizeLimit limit(4);
        result = SaveSettings(path(), 1000, settings);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(dir.read("settings.ini"), kDefaults);
}

TEST_F(SettingsFileTest, UnwritableDirectory)
{
    dir.write("notadir", "");
    const QString inside = dir.file("notadir/settings.ini");
    EXPECT_EQ(LoadSettings(inside, settings), std::nullopt); // the defaults are let go
    EXPECT_FALSE(SaveSettings(inside, 5000, settings).ok);
}

} // namespace
