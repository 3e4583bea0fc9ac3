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

INSTANTIATE_TEST_SUITE_P(Rows, CostSentenceTest,
    testing::Values(Sentence { kBritish, 12, 42, "Twelve minutes, forty-two pence." },
        Sentence { kBritish, 65, 320, "One hour five minutes, three pounds twenty." },
        Sentence { kBritish, 1, 1, "One minute, one penny." },
        Sentence { kBritish, 120, 100, "Two hours, one pound." },
        Sentence { kBritish, 61, 105, "One hour one minute, one pound five." },
        Sentence { kBritish, 1439, 123456,
            "Twenty-three hours fifty-nine minutes, one thousand two hundred and thirty-four "
            "pounds fifty-six." },
        Sentence { kBritish, 30, 201200, "Thirty minutes, two thousand and twelve pounds." },
        Sentence { kBritish, 10, 100000000, "Ten minutes, one million pounds." },
        Sentence { kAmerican, 12, 42, "Twelve minutes, forty-two cents." },
        Sentence { kAmerican, 65, 320, "One hour five minutes, three dollars and twenty cents." },
        Sentence { kAmerican, 5, 101, "Five minutes, one dollar and one cent." },
        Sentence { kGerman, 15, 1990, "Fifteen minutes, nineteen euros and ninety cents." }));

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

INSTANTIATE_TEST_SUITE_P(Rows, CurrencyTextTest,
    testing::Values(Amount { kBritish, "£0.29", 29 }, Amount { kBritish, "£1,234.56", 123456 },
        Amount { kBritish, "-£0.12", -12 }, Amount { kBritish, " 20 ", 2000 },
        Amount { kBritish, "", std::nullopt }, Amount { kBritish, "20 quid", std::nullopt },
        Amount { kBritish, "1.2.3", std::nullopt }, Amount { kAmerican, "($3.20)", -320 },
        Amount { kGerman, "1.234,56 €", 123456 }));

TEST(SpokenWords, ShownCostsOfTheLocaleReadBack)
{
    for (const QLocale &locale : { kBritish, kAmerican, kGerman }) {
        for (qint64 pence : { 0, 7, 99, 100, 4213, 1234567 })
            EXPECT_EQ(
                penceInCurrencyText(locale.toCurrencyString(double(pence) / 100.0), locale), pence)
                << locale.name().toStdString() << " " << pence;
    }
}

} // namespace
