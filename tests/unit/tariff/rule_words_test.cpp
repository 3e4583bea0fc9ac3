#include "tariff/rule_words.h"
#include "tariff/time_rules.h"

#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// A line of the rules file as the English, French and German windows show it.
struct Line
{
    const char *english;
    const char *french;
    const char *german;
    bool holiday = false;
};

void PrintTo(const Line &line, std::ostream *out)
{
    *out << line.english;
}

class RuleLines : public testing::TestWithParam<Line>
{ };

TEST_P(RuleLines, ReadTheSameInEveryLanguage)
{
    static QTranslator french, german;
    static const bool loaded = french.load(QStringLiteral(":/i18n/callwise_fr.qm"))
        && german.load(QStringLiteral(":/i18n/callwise_de.qm"));
    ASSERT_TRUE(loaded);
    const RuleWords words[] = { RuleWords::english(), RuleWords::translated(&french),
        RuleWords::translated(&german) };
    const Line &c = GetParam();
    const QString lines[]
        = { QString::fromUtf8(c.english), QString::fromUtf8(c.french), QString::fromUtf8(c.german) };
    const auto local = c.holiday ? localHolidayLine : localRuleLine;
    const auto english = c.holiday ? englishHolidayLine : englishRuleLine;
    for (int shown = 0; shown < 3; ++shown) {
        EXPECT_EQ(local(lines[0], words[shown]), lines[shown]);
        // Typed in English under any language, the line stays as it is.
        EXPECT_EQ(english(lines[0], words[shown]), lines[0]);
        // Saved under one language, shown under each.
        for (int read = 0; read < 3; ++read)
            EXPECT_EQ(local(english(lines[shown], words[shown]), words[read]), lines[read])
                << shown << " to " << read;
    }
    if (!c.holiday) {
        EXPECT_TRUE(readTimeRule(lines[0]).rule) << readTimeRule(lines[0]).why.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, RuleLines,
    testing::Values(Line { "Mon-Fri 08:00-17:59 4.20 a minute", "Lun-Ven 08:00-17:59 4,20 la minute",
                        "Mo-Fr 08:00-17:59 4,20 pro Minute" },
        Line { "Sat-Sun,Holidays 00:00-23:59 10 per 90 s",
            "Sam-Dim,Fériés 00:00-23:59 10 par 90 s", "Sa-So,Feiertage 00:00-23:59 10 pro 90 s" },
        Line { "01/06-31/08 21:00-05:00 .5 a minute after 60 min",
            "01/06-31/08 21:00-05:00 ,5 la minute après 60 min",
            "01/06-31/08 21:00-05:00 ,5 pro Minute nach 60 min" },
        Line { "Fri-Mon,25/12,Easter-2 08:00-17:59 4.2 a minute in 12 s units after 30 s",
            "Ven-Lun,25/12,Pâques-2 08:00-17:59 4,2 la minute par tranches de 12 s après 30 s",
            "Fr-Mo,25/12,Ostern-2 08:00-17:59 4,2 pro Minute im Takt von 12 s nach 30 s" },
        Line { "Easter+1", "Pâques+1", "Ostern+1", true },
        Line { "England and Wales", "Angleterre et pays de Galles", "England und Wales", true },
        Line { "27/12/2027", "27/12/2027", "27/12/2027", true }));

TEST(RuleLines, AreReadAsUsersTypeThem)
{
    QTranslator french;
    ASSERT_TRUE(french.load(QStringLiteral(":/i18n/callwise_fr.qm")));
    const RuleWords words = RuleWords::translated(&french);
    EXPECT_EQ(englishRuleLine(QString::fromUtf8("lun.-VEN,samedi 8:00 - 17:59 4,2 LA  MINUTE"), words),
        "Mon-Fri,Sat 8:00 - 17:59 4.2 a minute");
    EXPECT_EQ(englishRuleLine(QStringLiteral("Mon-Fri 10 per 90 s"), words),
        "Mon-Fri 10 per 90 s"); // no times of day: left for the reader to refuse
    EXPECT_EQ(englishHolidayLine(QString::fromUtf8("pâques-2"), words), "Easter-2");
}

} // namespace
