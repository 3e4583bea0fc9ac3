#include "common/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

namespace {

const QString kResourceDir = QStringLiteral(":/i18n/");
QLocale g_textLanguage(QLocale::English);
QTranslator *g_own = nullptr;
QTranslator *g_qt = nullptr;
// English's plural forms ("1 call", "2 calls") of the texts counted with %n.
QTranslator *g_plurals = nullptr;

bool isEnglish(const QString &language)
{
    return language == QLatin1String("C") || language.startsWith(QLatin1String("en"));
}

} // namespace

QString translationFor(const QStringList &uiLanguages)
{
    for (const QString &language : uiLanguages) {
        // English is the language the texts are written in.
        if (isEnglish(language))
            return {};
        // "fr-CA" finds callwise_fr_CA.qm, and else callwise_fr.qm.
        QString name = language;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            const QString path
                = kResourceDir + QLatin1String("callwise_") + name + QLatin1String(".qm");
            if (QFile::exists(path))
                return path;
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut < 0)
                break;
            name.truncate(cut);
        }
    }
    return {};
}

QLocale textLanguage()
{
    return g_textLanguage;
}

QLocale installTranslations(const QStringList &uiLanguages)
{
    for (QTranslator **installed : { &g_own, &g_qt, &g_plurals }) {
        if (*installed)
            QCoreApplication::removeTranslator(*installed);
        delete std::exchange(*installed, nullptr);
    }
    g_textLanguage = QLocale(QLocale::English);

    const QString path = translationFor(uiLanguages);
    if (path.isEmpty()) {
        g_plurals = new QTranslator;
        if (!g_plurals->load(kResourceDir + QLatin1String("callwise_en.qm"))
            || !QCoreApplication::installTranslator(g_plurals))
            delete std::exchange(g_plurals, nullptr);
        return g_textLanguage;
    }
    g_own = new QTranslator;
    if (!g_own->load(path) || !QCoreApplication::installTranslator(g_own)) {
        delete std::exchange(g_own, nullptr);
        return g_textLanguage;
    }
    g_textLanguage = QLocale(g_own->language());
    return g_textLanguage;
}

void installQtTranslation()
{
    if (!g_own || g_qt)
        return;
    g_qt = new QTranslator;
    if (g_qt->load(g_textLanguage, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(g_qt);
    else
        delete std::exchange(g_qt, nullptr);
}
