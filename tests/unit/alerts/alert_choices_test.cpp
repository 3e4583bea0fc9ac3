#include "alerts/alert_choices.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

namespace {

// A file as the program writes it, as older programs wrote it, or damaged:
// any line that is not one of the program's is unreadable, which means no
// alerts.
TEST(AlertChoicesFile, ReadsOldAndNewFilesAndTakesADamagedOneForNoAlerts)
{
    const QDate dec1(2026, 12, 1), nov15(2026, 11, 15);
    const struct { const char *file; AlertChoices read; } cases[] = {
        {"5\r\n100\r\n12:2026\r\n", {5, 100, dec1, 1, {}, {}}},
        {"0\r\n\r\n\r\n", {}},
        {"1\r\n250\r\n15:11:2026\r\n15\r\n\r\n", {1, 250, nov15, 15, {}, {}}},
        {"1\r\n\r\n\r\n28\r\n15:11:2026\r\n", {1, {}, {}, 28, nov15, {}}},
        {"1\r\n\r\n\r\n\r\n", {1, {}, {}, 1, {}, {}}},
        {"0\r\n5\r\n\r\n3\r\n\r\n10\r\n5\r\n", {0, 5, {}, 3, {}, {10, 5}}},
        {"0\r\n\r\n\r\n1\r\n\r\n15\r\n7\r\n", {}}, {"0\r\n\r\n\r\n1\r\n\r\n\r\n0\r\n", {}},
        {"7\r\n10\r\n\r\n", {}}, {"1\r\nten\r\n\r\n", {}}, {"1\r\n-5\r\n\r\n", {}},
        {"1\r\n10\r\n13:2026\r\n", {}}, {"1\r\n10\r\n2026\r\n", {}}, {"1\r\n", {}},
        {"1\r\n\r\n\r\n29\r\n", {}}, {"1\r\n\r\n\r\n0\r\n", {}}, {"1\r\n\r\n\r\n1st\r\n", {}},
        {"1\r\n\r\n\r\n3\r\n31:11:2026\r\n", {}},
        {"0\r\n\r\n\r\n15\r\n\r\n0\r\n0\r\n90\r\n15:11:2026\r\n\r\n",
         {0, {}, {}, 15, {}, {}, 90, nov15, {}}},
        {"0\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n80\r\n\r\n01:12:2026\r\n",
         {0, {}, {}, 1, {}, {}, 80, {}, dec1}},
        {"0\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n81\r\n", {}},
        {"0\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n80\r\nlast month\r\n", {}},
    };
    TempProgramDir dir;
    for (const auto &c : cases) {
        dir.write("alerts.ini", c.file);
        EXPECT_EQ(LoadAlertChoices(dir.file("alerts.ini")), c.read) << c.file;
    }
    // Without a data warning of its own the file keeps its seven lines.
    AlertChoices choices{5, 100, dec1, 15, {}, {}};
    ASSERT_TRUE(SaveAlertChoices(dir.file("alerts.ini"), choices).ok);
    EXPECT_EQ(dir.read("alerts.ini"), "5\r\n100\r\n01:12:2026\r\n15\r\n\r\n0\r\n0\r\n");
    choices.dataAllowanceWarnedMonth = nov15;
    ASSERT_TRUE(SaveAlertChoices(dir.file("alerts.ini"), choices).ok);
    EXPECT_EQ(LoadAlertChoices(dir.file("alerts.ini")), choices);
}

} // namespace
