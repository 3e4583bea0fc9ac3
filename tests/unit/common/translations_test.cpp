#include "common/translations.h"

#include <gtest/gtest.h>

namespace {

TEST(Translations, TheFirstLanguageWithATranslationUnlessEnglishComesFirst)
{
    const QString french = QStringLiteral(":/i18n/callwise_fr.qm");
    const struct
    {
        QStringList languages;
        QString chosen;
    } cases[] = {
        { { "fr-FR", "fr" }, french },
        { { "fr-CA" }, french },
        { { "de-DE", "de", "fr" }, french },
        { { "en-GB", "fr" }, {} },
        { { "en" }, {} },
        { { "C" }, {} },
        { { "de-DE", "de" }, {} },
        { {}, {} },
    };
    for (const auto &c : cases)
        EXPECT_EQ(translationFor(c.languages), c.chosen) << c.languages.join(',').toStdString();
}

} // namespace
