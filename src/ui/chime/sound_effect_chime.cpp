// The minute's tone through Qt Multimedia, in a plugin of its own so that the
// program loads none of Qt Multimedia until a choice asks for the tone.

#include "alerts/chime.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

class SoundEffectChime final : public QObject, public Chime
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CallwiseChime_iid)
    Q_INTERFACES(Chime)

public:
    // A machine without a sound output plays nothing; the coach says the
    // word instead.
    bool isAvailable() override
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            return false;
        if (!m_effect) {
            m_effect = new QSoundEffect(this);
            m_effect->setSource(QUrl(QStringLiteral("qrc:/callwise/chime/minute.wav")));
        }
        return m_effect->status() != QSoundEffect::Error;
    }

    // While the sound is still loading, it plays once it has loaded.
    void play() override
    {
        if (isAvailable())
            m_effect->play();
    }

private:
    QSoundEffect *m_effect = nullptr;
};

#include "sound_effect_chime.moc"
