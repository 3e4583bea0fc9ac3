#include "common/text_file.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

TEST(ReadLines, EveryLineEndCountsAndTheLastLineNeedsNone)
{
    TempProgramDir dir;
    dir.write("a", "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(readLines(dir.file("a")), QStringList({"one", "two", "three", "four"}));

    dir.write("b", "one\r\n\r\n");
    EXPECT_EQ(readLines(dir.file("b")), QStringList({"one", ""}));

    dir.write("c", "");
    EXPECT_EQ(readLines(dir.file("c")), QStringList());
}

TEST(ReadLines, StopsAfterMaxLines)
{
    TempProgramDir dir;
    dir.write("a", "1\r\n2\r\n3\r\n");
    EXPECT_EQ(readLines(dir.file("a"), 2), QStringList({"1", "2"}));
}

TEST(ReadLines, MissingFileIsNothing)
{
    TempProgramDir dir;
    EXPECT_FALSE(readLines(dir.file("missing")).has_value());
}

TEST(EncodeLines, Latin1WithCrLfAndNoLineSpillsOver)
{
    EXPECT_EQ(encodeLines({QString::fromUtf8("£1"), "a\r\nb", QString::fromUtf8("€x")}),
              QByteArray("\xA3"
                         "1\r\na  b\r\n?x\r\n"));
    TempProgramDir dir;
    dir.write("a", encodeLines({QString::fromUtf8("é")}));
    EXPECT_EQ(readLines(dir.file("a")), QStringList({QString::fromUtf8("é")}));
}

TEST(WriteLines, ReplacesTheWholeFile)
{
    TempProgramDir dir;
    dir.write("a", "old\r\nlonger old content\r\n");
    ASSERT_TRUE(writeLines(dir.file("a"), {"new"}).ok);
    EXPECT_EQ(dir.read("a"), "new\r\n");
}

TEST(WriteLines, FailedWriteLeavesTheOldFile)
{
    TempProgramDir dir;
    dir.write("a", "precious\r\n");
    FileResult result;
    {
        FileSizeLimit limit(16);
        result = writeLines(dir.file("a"), {QString(100, u'x')});
    }
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(dir.read("a"), "precious\r\n");
}

TEST(WriteLines, UnwritablePlaceFails)
{
    TempProgramDir dir;
    EXPECT_FALSE(writeLines(dir.file("no/such/dir/a"), {"x"}).ok);
}

TEST(AppendLines, AddsAtTheEndAndCreatesTheFile)
{
    TempProgramDir dir;
    ASSERT_TRUE(appendLines(dir.file("a"), {"1"}).ok);
    ASSERT_TRUE(appendLines(dir.file("a"), {"2", "3"}).ok);
    EXPECT_EQ(dir.read("a"), "1\r\n2\r\n3\r\n");
}

TEST(AppendLines, FailedWriteKeepsNothingOfWhatWasAdded)
{
    TempProgramDir dir;
    dir.write("a", "kept\r\n");
    FileResult result;
    {
        FileSizeLimit limit(12); // room for a few of the added bytes only
        result = appendLines(dir.file("a"), {"first added line", "second"});
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(dir.read("a"), "kept\r\n");
}
