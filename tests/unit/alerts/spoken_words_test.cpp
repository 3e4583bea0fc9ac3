#include "alerts/spoken_words.h"

#include <gtest/gtest.h>

namespace {

const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);
const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct Sentence
{
    const QLocale &locale;
    qint64 minutes;
    qint64 pence;
    const char *words;
};

class CostSentenceTest : public testing::TestWithParam<Sentence>
{
};

TEST_P(CostSentenceTest, ReadsAsAPersonWould)
{
    const Sentence &row = GetParam();
    EXPECT_EQ(costSentence(row.minutes, row.pence, row.locale), QString::fromUtf8(row.words));
}

const Sentence kSentences[] = {
    { kBritish, 12, 42, "Twelve minutes, forty-two pence." },
    { kBritish, 1, 1, "One minute, one penny." }, { kBritish, 120, 100, "Two hours, one pound." },
    { kBritish, 65, 320, "One hour five minutes, three pounds twenty." },
    { kBritish, 1439, 123456,
        "Twenty-three hours fifty-nine minutes, one thousand two hundred and thirty-four "
        "pounds fifty-six." },
    { kBritish, 30, 201200, "Thirty minutes, two thousand and twelve pounds." },
    { kBritish, 10, 100000000, "Ten minutes, one million pounds." },
    { kAmerican, 65, 320, "One hour five minutes, three dollars and twenty cents." },
    { kAmerican, 5, 101, "Five minutes, one dollar and one cent." },
    { kGerman, 15, 1990, "Fifteen minutes, nineteen euros and ninety cents." },
};

INSTANTIATE_TEST_SUITE_P(Rows, CostSentenceTest, testing::ValuesIn(kSentences));

struct Amount
{
    const QLocale &locale;
    const char *text;
    std::optional<qint64> pence;
};

class CurrencyTextTest : public testing::TestWithParam<Amount>
{
};

TEST_P(CurrencyTextTest, GivesWholePence)
{
    const Amount &row = GetParam();
    EXPECT_EQ(penceInCurrencyText(QString::fromUtf8(row.text), row.locale), row.pence) << row.text;
}

const Amount kAmounts[] = {
    { kBritish, "£0.29", 29 }, { kBritish, "£1,234.56", 123456 }, { kBritish, "-£0.12", -12 },
    { kBritish, " 20 ", 2000 }, { kBritish, "", std::nullopt },
    { kBritish, "20 quid", std::nullopt }, { kBritish, "1.2.3", std::nullopt },
    { kAmerican, "($3.20)", -320 }, { kGerman, "1.234,56 €", 123456 },
};

INSTANTIATE_TEST_SUITE_P(Rows, CurrencyTextTest, testing::ValuesIn(kAmounts));

TEST(SpokenWords, ShownCostsOfTheLocaleReadBack)
{
    for (const QLocale &locale : { kBritish, kAmerican, kGerman })
        for (qint64 pence : { 0, 7, 99, 100, 4213, 1234567 })
            EXPECT_EQ(
                penceInCurrencyText(locale.toCurrencyString(double(pence) / 100.0), locale), pence)
                << locale.name().toStdString() << " " << pence;
}

} // namespace
