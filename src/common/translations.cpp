#include "common/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kResourceDir = QStringLiteral(":/i18n/");
QLocale g_textLanguage(QLocale::English);

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
            const QString path = kResourceDir + QLatin1String("callwise_") + name
                                 + QLatin1String(".qm");
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

QLocale installTranslations()
{
    const QString path = translationFor(QLocale::system().uiLanguages());
    if (path.isEmpty())
        return QLocale(QLocale::English);
    auto *app = QCoreApplication::instance();
    auto *own = new QTranslator(app);
    if (!own->load(path) || !QCoreApplication::installTranslator(own)) {
        delete own;
        return QLocale(QLocale::English);
    }
    const QLocale language(own->language());
    g_textLanguage = language;
    // Qt's own texts (the buttons of its dialogs), where the system has them.
    auto *qt = new QTranslator(app);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}
