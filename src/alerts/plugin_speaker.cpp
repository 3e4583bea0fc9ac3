#include "alerts/plugin_speaker.h"

#include "alerts/voice_plugin.h"
#include "common/own_plugin.h"
#include "common/translations.h"

PluginSpeaker::PluginSpeaker(OwnPlugin &voice, QObject *parent)
    : QObject(parent)
    , m_voice(voice)
{ }

Speaker *PluginSpeaker::speaker()
{
    if (!m_asked) {
        m_asked = true;
        if (auto *plugin = m_voice.as<VoicePlugin>())
            m_speaker = plugin->createSpeaker(textLanguage(), this);
    }
    return m_speaker;
}

bool PluginSpeaker::isAvailable()
{
    return speaker() && m_speaker->isAvailable();
}

void PluginSpeaker::say(const QString &sentence)
{
    if (speaker())
        m_speaker->say(sentence);
}
