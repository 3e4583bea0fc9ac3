#include "ui/plugin_chime.h"

#include <QCoreApplication>
#include <QDir>

bool PluginChime::isAvailable()
{
    if (!m_looked) {
        m_looked = true;
        const QDir programDir(QCoreApplication::applicationDirPath());
        for (const QString &dir :
             { programDir.path(), programDir.filePath(QStringLiteral(CALLWISE_PLUGIN_PATH)) }) {
            m_loader.setFileName(QDir(dir).filePath(QStringLiteral("callwise-chime")));
            m_chime = qobject_cast<Chime *>(m_loader.instance());
            if (m_chime)
                break;
        }
        if (!m_chime)
            qInfo("No sound plugin (%s): the minute is spoken.", qPrintable(m_loader.errorString()));
    }
    return m_chime && m_chime->isAvailable();
}

void PluginChime::play()
{
    if (isAvailable())
        m_chime->play();
}
