#include "alerts/spoken_words.h"

#include <gtest/gtest.h>

namespace {

const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);
const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(SpokenWords, CostSentencesReadAsAPersonWould)
{
    const struct { const QLocale &locale; qint64 minutes, pence; const char *words; } cases[] = {
        { kBritish, 12, 42, "Twelve minutes, forty-two pence." },
        { kBritish, 1, 1, "One minute, one penny." },
        { kBritish, 120, 100, "Two hours, one pound." },
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
    for (const auto &c : cases)
        EXPECT_EQ(costSentence(c.minutes, c.pence, c.locale), QString::fromUtf8(c.words));
}

TEST(SpokenWords, CurrencyTextsGiveWholePence)
{
    struct Amount { const QLocale &locale; const char *text; std::optional<qint64> pence; };
    const Amount cases[] = {
        { kBritish, "£0.29", 29 }, { kBritish, "£1,234.56", 123456 }, { kBritish, "-£0.12", -12 },
        { kBritish, " 20 ", 2000 }, { kBritish, "", std::nullopt },
        { kBritish, "20 quid", std::nullopt }, { kBritish, "1.2.3", std::nullopt },
        { kAmerican, "($3.20)", -320 }, { kGerman, "1.234,56 €", 123456 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(penceInCurrencyText(QString::fromUtf8(c.text), c.locale), c.pence) << c.text;
}

TEST(SpokenWords, ShownCostsOfTheLocaleReadBack)
{
    for (const QLocale &locale : { kBritish, kAmerican, kGerman })
        for (qint64 pence : { 0, 7, 99, 100, 4213, 1234567 })
            EXPECT_EQ(
                penceInCurrencyText(locale.toCurrencyString(double(pence) / 100.0), locale), pence)
                << locale.name().toStdString() << " " << pence;
}

} // namespace
