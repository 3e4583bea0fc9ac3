#include "common/program_dir.h"
#include "support/temp_program_dir.h"

#include <QFile>

#include <gtest/gtest.h>

struct DataPlaceCase
{
    DataPlace place;
    const char *dataDir;
};

class DataDirectoryChoice : public testing::TestWithParam<DataPlaceCase>
{};

TEST_P(DataDirectoryChoice, ProgramDirectoryWhenWritableElseTheUsersDataHome)
{
    EXPECT_EQ(chooseDataDirectory(GetParam().place), QString::fromLatin1(GetParam().dataDir));
}

const DataPlaceCase kPlaces[] = {
    { { "/home/ann/cw", true, "/x", "/home/ann" }, "/home/ann/cw" },
    { { "/usr/bin", false, "/x/data/", "/home/ann" }, "/x/data/callwise" },
    { { "/usr/bin", false, "", "/home/ann" }, "/home/ann/.local/share/callwise" },
    { { "/usr/bin", false, "data", "/home/ann" }, "/home/ann/.local/share/callwise" },
    { { "C:/Program Files/Callwise", false, "", "C:/Users/ann", "C:/Users/ann/AppData/Roaming/" },
        "C:/Users/ann/AppData/Roaming/Callwise" },
    { { "D:/cw", true, "", "C:/Users/ann", "C:/Users/ann/AppData/Roaming" }, "D:/cw" },
};

INSTANTIATE_TEST_SUITE_P(Places, DataDirectoryChoice, testing::ValuesIn(kPlaces));

TEST(PrepareDataDirectory, CopiesWhatTheDataDirectoryLacksMovesNothingAndFailsWhereItCannotBeMade)
{
    TempProgramDir program;
    TempProgramDir home;
    program.write("netfees.ini", "fees");
    program.write("netcosts.ini", "old log");
    program.write("callwise", "program");
    QFile::setPermissions(program.file("netfees.ini"), QFile::ReadOwner);
    const QString data = home.file("share/callwise");

    ASSERT_TRUE(prepareDataDirectory(data, program.path(), {"netfees.ini", "settings.ini"}).ok);
    EXPECT_EQ(home.read("share/callwise/netfees.ini"), "fees");
    EXPECT_TRUE(QFile::permissions(data + "/netfees.ini") & QFile::WriteOwner)
        << "the copy must take later saves";
    EXPECT_FALSE(home.exists("share/callwise/settings.ini"));
    EXPECT_FALSE(home.exists("share/callwise/callwise")) << "only data files";
    EXPECT_EQ(program.read("netfees.ini"), "fees") << "the original stays";

    home.write("share/callwise/netcosts.ini", "new log");
    ASSERT_TRUE(prepareDataDirectory(data, program.path(), {"netcosts.ini"}).ok);
    EXPECT_EQ(home.read("share/callwise/netcosts.ini"), "new log") << "never overwritten";
    home.write("file", ""); // a file where a folder of the path should be
    EXPECT_FALSE(prepareDataDirectory(home.file("file/callwise"), home.path(), {}).ok);
}
