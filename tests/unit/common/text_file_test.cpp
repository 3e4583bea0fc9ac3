#include "common/text_file.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

// Failing disks are the faults suite's: here, what reaches the disk.

TEST(ReadLines, EveryLineEndCountsTheLastLineNeedsNoneAndMaxLinesStops)
{
    TempProgramDir dir;
    dir.write("a", "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(readLines(dir.file("a")), QStringList({ "one", "two", "three", "four" }));
    EXPECT_EQ(readLines(dir.file("a"), 2), QStringList({ "one", "two" }));
    EXPECT_EQ(readJoinedLines(dir.file("a")), "onetwothreefour");
    dir.write("b", "one\r\n\r\n");
    EXPECT_EQ(readLines(dir.file("b")), QStringList({ "one", "" }));
    dir.write("c", "");
    EXPECT_EQ(readLines(dir.file("c")), QStringList());
    EXPECT_FALSE(readLines(dir.file("missing")).has_value());
    EXPECT_FALSE(readJoinedLines(dir.file("missing")).has_value());
    dir.write("d", QByteArray(15, 'x') + "\r\n" + QByteArray(30, 'y') + "\rz\n\n");
    EXPECT_EQ(readJoinedLines(dir.file("d")), readLines(dir.file("d"))->join(""));
}

TEST(WriteLines, Latin1WithCrLfReplacingTheWholeFileAndNoLineSpillsOver)
{
    TempProgramDir dir;
    dir.write("a", "old\r\nlonger old content\r\n");
    ASSERT_TRUE(
        writeLines(dir.file("a"), { QString::fromUtf8("£1"), "a\r\nb", QString::fromUtf8("€x") })
            .ok);
    EXPECT_EQ(dir.read("a"),
        QByteArray("\xA3"
                   "1\r\na  b\r\n?x\r\n"));
    EXPECT_EQ(readLines(dir.file("a"))->first(), QString::fromUtf8("£1"));
}
