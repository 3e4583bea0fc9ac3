#include "alerts/voice_plugin.h"

#include "ui/voice/system_speaker.h"

// The voice plugin: the only part of the program linked with Qt TextToSpeech.
class SystemVoicePlugin final : public QObject, public VoicePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VoicePlugin_iid)
    Q_INTERFACES(VoicePlugin)

public:
    Speaker *createSpeaker(const QLocale &language, QObject *parent) override
    {
        return new SystemSpeaker(language, parent);
    }
};

#include "voice_plugin.moc"
