#include "common/translations.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

TEST(Translations, TheFirstLanguageWithATranslationUnlessEnglishComesFirst)
{
    const QString french = QStringLiteral(":/i18n/callwise_fr.qm");
    const QString german = QStringLiteral(":/i18n/callwise_de.qm");
    const struct
    {
        QStringList languages;
        QString chosen;
    } cases[] = {
        { { "fr-FR", "fr" }, french },
        { { "fr-CA" }, french },
        { { "de-DE", "de", "fr" }, german },
        { { "it-IT", "fr-FR" }, french },
        { { "de-AT" }, german },
        { { "en-GB", "fr" }, {} },
        { { "en" }, {} },
        { { "C" }, {} },
        { { "it-IT", "it" }, {} },
        { {}, {} },
    };
    for (const auto &c : cases)
        EXPECT_EQ(translationFor(c.languages), c.chosen) << c.languages.join(',').toStdString();
}

// The place-holders of a text, each once, in order: "%1", "%2".
QStringList placeHolders(const QString &text)
{
    static const QRegularExpression placeHolder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeHolder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// A translation that drops a source's %2 or makes up a %3 shows a wrong
// figure or none; each plural form keeps them all (%n it may leave out: "jede
// Minute").
TEST(Translations, KeepTheSourcesPlaceHolders)
{
    for (const char *name : { "callwise_fr.ts", "callwise_de.ts", "callwise_en.ts" }) {
        QFile file(QStringLiteral(CALLWISE_TS_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        QXmlStreamReader xml(&file);
        QString source;
        bool numerus = false;
        int checked = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message") {
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if ((xml.name() == u"translation" && !numerus) || xml.name() == u"numerusform") {
                const QString translated = xml.readElementText();
                EXPECT_EQ(placeHolders(translated), placeHolders(source))
                    << name << ": " << source.toStdString() << " -> " << translated.toStdString();
                ++checked;
            }
        }
        EXPECT_FALSE(xml.hasError()) << name;
        EXPECT_GT(checked, 20) << name;
    }
}

} // namespace
