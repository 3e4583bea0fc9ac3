#include "alerts/spoken_words.h"
#include "common/translations.h"

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

// Translated, the numbers are left in figures for the voice to read, and
// English comes back word for word once the translation is gone.
TEST(SpokenWords, AFrenchVoiceIsGivenFrenchWordsAndFigures)
{
    const QLocale french(QLocale::French, QLocale::France);
    ASSERT_EQ(installTranslations({ QStringLiteral("fr-FR") }).language(), QLocale::French);
    const struct
    {
        const QLocale &locale;
        qint64 minutes, pence;
        const char *words;
    } cases[] = {
        { french, 65, 320, "1 heure 5 minutes, 3 euros et 20 centimes." },
        { french, 1, 1, "1 minute, 1 centime." },
        { kBritish, 120, 100, "2 heures, 1 livre." },
        { kAmerican, 5, -250, "5 minutes, moins 2 dollars et 50 cents." },
    };
    for (const auto &c : cases)
        EXPECT_EQ(costSentence(c.minutes, c.pence, c.locale), QString::fromUtf8(c.words));
    EXPECT_EQ(installTranslations({ QStringLiteral("en-GB") }).language(), QLocale::English);
    EXPECT_EQ(costSentence(65, 320, kBritish), u"One hour five minutes, three pounds twenty.");
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
