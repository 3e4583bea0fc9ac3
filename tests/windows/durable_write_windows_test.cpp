#include "common/durable_write.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

// MoveFileExW must replace a file that is there, and leave nothing behind.
TEST(DurableWriteWindows, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    const fs::path dir = fs::temp_directory_path() / "callwise-durable-test";
    fs::remove_all(dir);
    fs::create_directory(dir);
    for (const char *bytes : { "old\r\n", "new\r\n" })
        ASSERT_TRUE(replaceFileDurably(dir / "settings.ini", bytes));
    std::ostringstream text;
    text << std::ifstream(dir / "settings.ini", std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    const DurableWriteResult refused = replaceFileDurably(dir / "missing" / "x.ini", "x");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.empty());
    fs::remove_all(dir);
}
