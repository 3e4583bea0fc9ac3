// The minute's tone through Windows' own PlaySound, which plays a WAV held in
// memory on a thread of its own. In a plugin, as the other systems' tone is.

#include "alerts/chime.h"

#include <QFile>

#include <windows.h>

#include <mmsystem.h>

class PlaySoundChime final : public QObject, public Chime
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CallwiseChime_iid)
    Q_INTERFACES(Chime)

public:
    PlaySoundChime()
    {
        QFile file(QStringLiteral(":/callwise/chime/minute.wav"));
        if (file.open(QIODevice::ReadOnly))
            m_wav = file.readAll();
    }

    // PlaySound reads the tone from m_wav while it sounds: stopped first.
    ~PlaySoundChime() override { PlaySoundW(nullptr, nullptr, 0); }

    // A machine without a sound output plays nothing; the coach says the
    // word instead.
    bool isAvailable() override { return !m_wav.isEmpty() && waveOutGetNumDevs() > 0; }

    // SND_NODEFAULT: a tone that cannot be played stays silent rather than
    // sounding the system's default beep.
    void play() override
    {
        if (isAvailable())
            PlaySoundW(reinterpret_cast<LPCWSTR>(m_wav.constData()), nullptr,
                SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }

private:
    QByteArray m_wav;
};

#include "play_sound_chime.moc"
