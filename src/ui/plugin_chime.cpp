#include "ui/plugin_chime.h"

bool PluginChime::isAvailable()
{
    if (!m_looked) {
        m_looked = true;
        m_chime = m_plugin.as<Chime>();
        if (!m_chime)
            qInfo("No sound plugin: the minute is spoken.");
    }
    return m_chime && m_chime->isAvailable();
}

void PluginChime::play()
{
    if (isAvailable())
        m_chime->play();
}
