#include "support/temp_program_dir.h"
#include "tariff/fee_file.h"
#include "tariff/tariff_source.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <functional>

namespace {

struct SourceRig
{
    TariffSource::Files files() const
    {
        return { dir.file("netfees.ini"), dir.file("netrules.ini"), dir.file("netdata.ini") };
    }
    TempProgramDir dir;
    TariffSource source { files() };
};

TariffRules feePerCall(int pence)
{
    TariffRules rules;
    rules.feePerCallPence = pence;
    return rules;
}

DataTariff allowance(qint64 mb)
{
    DataTariff data;
    data.allowanceMb = mb;
    return data;
}

// Each file saved as a window saves it, or changed on disk behind the
// program's back (through a rename, as the durable writer does, twice so the
// watch is seen to follow the new file): a new tariff, that file read once
// again; nothing changed, nothing read.
const struct
{
    const char *what;
    const char *file;
    std::function<void(const TariffSource::Files &, int)> save;
    std::function<bool(const Tariff &, int)> holds;
} kSaves[] = {
    { "fees", "netfees.ini",
        [](const TariffSource::Files &files, int round) {
            TariffTable table;
            table.setMinConnectTime(QString::number(round));
            ASSERT_TRUE(SaveFees(table, files.fees).ok);
        },
        [](const Tariff &tariff, int round) {
            return tariff.table.minConnectTime() == QString::number(round);
        } },
    { "rules", "netrules.ini",
        [](const TariffSource::Files &files, int round) {
            ASSERT_TRUE(SaveRules(files.rules, feePerCall(round)).ok);
        },
        [](const Tariff &tariff, int round) { return tariff.rules == feePerCall(round); } },
    { "data", "netdata.ini",
        [](const TariffSource::Files &files, int round) {
            ASSERT_TRUE(SaveDataTariff(files.data, allowance(round)).ok);
        },
        [](const Tariff &tariff, int round) {
            return tariff.data() && tariff.data()->allowanceMb == round;
        } },
};

TEST(TariffSource, ASavedFileGivesANewTariffAndAnUnchangedOneIsNotReadAgain)
{
    for (const auto &save : kSaves) {
        SourceRig rig;
        rig.source.reload();
        const int firstReads = rig.source.reads();
        EXPECT_EQ(firstReads, 3) << save.what; // each file once, none there
        save.save(rig.files(), 5);
        const std::shared_ptr<const CallPricer> pricerBefore = rig.source.sharedPricer();

        EXPECT_TRUE(rig.source.reload()) << save.what;
        EXPECT_TRUE(save.holds(rig.source.tariff(), 5)) << save.what;
        EXPECT_EQ(rig.source.reads(), firstReads + 1) << save.what;
        EXPECT_NE(rig.source.sharedPricer(), pricerBefore) << save.what;

        const std::shared_ptr<const Tariff> value = rig.source.value();
        const std::shared_ptr<const CallPricer> pricer = rig.source.sharedPricer();
        EXPECT_FALSE(rig.source.reload()) << save.what;
        EXPECT_EQ(rig.source.reads(), firstReads + 1) << save.what;
        EXPECT_EQ(rig.source.value(), value) << save.what;
        EXPECT_EQ(rig.source.sharedPricer(), pricer) << save.what;
    }
}

// A hand edit in place soon after a save keeps the file's size, and within
// the file system's tick (two seconds on FAT) its times too: still news.
TEST(TariffSource, AnEditKeepingTheSizeAndTimesIsReadAgain)
{
    for (const auto &save : kSaves) {
        SourceRig rig;
        save.save(rig.files(), 5);
        rig.source.reload();
        const QString path = rig.dir.file(save.file);
        const QDateTime modified = QFileInfo(path).lastModified();
        QByteArray bytes = rig.dir.read(save.file);
        const qsizetype five = bytes.indexOf('5');
        ASSERT_GE(five, 0) << save.what;
        bytes[five] = '6';
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(bytes);
        // Written out first, or the close would write it after the time is set.
        ASSERT_TRUE(file.flush());
        file.setFileTime(modified, QFileDevice::FileModificationTime);
        file.close();
        ASSERT_EQ(QFileInfo(path).lastModified(), modified) << save.what;

        EXPECT_TRUE(rig.source.reload()) << save.what;
        EXPECT_TRUE(save.holds(rig.source.tariff(), 6)) << save.what;
    }
}

TEST(TariffSource, AFileChangedOnDiskIsReadAgainEachTime)
{
    for (const auto &save : kSaves) {
        SourceRig rig;
        rig.source.reload();
        rig.source.watch();
        for (int round = 1; round <= 2; ++round) {
            save.save(rig.files(), round);
            QEventLoop loop;
            bool changed = false;
            QObject::connect(&rig.source, &TariffSource::changed, &loop, [&] {
                changed = true;
                loop.quit();
            });
            QTimer::singleShot(5000, &loop, &QEventLoop::quit);
            loop.exec();
            ASSERT_TRUE(changed) << save.what << ' ' << round;
            EXPECT_TRUE(save.holds(rig.source.tariff(), round)) << save.what << ' ' << round;
        }
    }
}

} // namespace
