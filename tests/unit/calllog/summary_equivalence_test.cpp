#include "calllog/summary.h"
#include "support/log_generator.h"
#include "support/reference_summary.h"

#include <gtest/gtest.h>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

void expectSameSummary(const QString &log, QDate today, qint64 first, qint64 last,
                       double minConnect)
{
    const Summary indexed = SummarisePeriod(log, today, first, last, minConnect, kBritish);
    const Summary reference = referenceSummary(log, today, first, last, minConnect, kBritish);
    ASSERT_EQ(indexed.ok, reference.ok);
    if (!indexed.ok)
        return;
    ASSERT_EQ(indexed.lines, reference.lines);
    EXPECT_EQ(indexed.totalSeconds, reference.totalSeconds);
    EXPECT_EQ(indexed.totalPence, reference.totalPence);
    ASSERT_EQ(indexed.calls.size(), reference.calls.size());
    for (size_t i = 0; i < indexed.calls.size(); ++i) {
        EXPECT_EQ(indexed.calls[i].starttime(), reference.calls[i].starttime());
        EXPECT_EQ(indexed.calls[i].duration(), reference.calls[i].duration());
        EXPECT_EQ(indexed.calls[i].day, reference.calls[i].day);
    }
}

TEST(SummaryEquivalence, LogsWithAndWithoutDamageFailOrListAlike)
{
    QRandomGenerator random(2);
    int failed = 0;
    for (int round = 0; round < 400; ++round) {
        const LogShape shape{random.bounded(1, 40), QDate(2000, 6, 10), random.bounded(1, 20),
                             random.generateDouble() * 0.3};
        const QString log = generateLog(shape, random);
        const qint64 first = random.bounded(0, 10);
        const qint64 last = first + random.bounded(20);
        expectSameSummary(log, shape.newestDay, first, last, 3);
        failed += SummarisePeriod(log, shape.newestDay, first, last, 3, kBritish).ok ? 0 : 1;
    }
    // the damage must really have reached the summaries, both ways
    EXPECT_GT(failed, 20);
    EXPECT_LT(failed, 380);
}

TEST(SummaryEquivalence, OverlappingAndEmbeddedKeys)
{
    // keys inside a record are skipped; keys of other days inside a record are found
    const QDate today(2011, 11, 11);
    for (const QString &log :
         {QString("11:11:2011:11:2011  ,  1  ,  00:01:00  ,  1#"),
          QString("11:11:2011  ,  10:11:2011  ,  00:01:00  ,  01.00#"),
          QString("10:11:2011 x 11:11:2011  ,  a  ,  00:02:00  ,  02.00#  ,  ,  #")}) {
        expectSameSummary(log, today, 0, 3, 0);
    }
}

} // namespace
