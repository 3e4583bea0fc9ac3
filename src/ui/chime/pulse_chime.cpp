// The minute's tone through the desktop's sound server with libpulse's simple
// API, as paplay plays a file: PulseAudio itself, or PipeWire through
// pipewire-pulse. In a plugin of its own, so that the program loads no sound
// library until a choice asks for the tone.

#include "alerts/chime.h"
#include "ui/chime/wav_pcm.h"

#include <QFile>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <dlfcn.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// What the plugin knows of the server, shared with the threads that talk to
// it; they outlive the plugin when the program ends during a tone.
struct Server
{
    enum Answer { Unasked, Reachable, Unreachable };
    std::mutex mutex;
    std::condition_variable answered;
    Answer answer = Unasked;
    int error = 0; // libpulse's reason for the last Unreachable
    bool asking = false;
    bool playing = false;
};

pa_simple *openStream(const pa_sample_spec &format, int *error)
{
    return pa_simple_new(nullptr, "Callwise", PA_STREAM_PLAYBACK, nullptr, "minute", &format,
        nullptr, nullptr, error);
}

void ask(const std::shared_ptr<Server> &server, pa_sample_spec format)
{
    int error = 0;
    pa_simple *stream = openStream(format, &error);
    if (stream)
        pa_simple_free(stream);
    const std::lock_guard lock(server->mutex);
    server->answer = stream ? Server::Reachable : Server::Unreachable;
    server->error = error;
    server->asking = false;
    server->answered.notify_all();
}

void playTone(const std::shared_ptr<Server> &server, pa_sample_spec format,
    const QByteArray &samples)
{
    int error = 0;
    pa_simple *stream = openStream(format, &error);
    // Drained before the stream is freed: freeing drops what the server
    // still holds, the tone's end.
    const bool played = stream
        && pa_simple_write(stream, samples.constData(), size_t(samples.size()), &error) == 0
        && pa_simple_drain(stream, &error) == 0;
    if (stream)
        pa_simple_free(stream);
    if (!played)
        qWarning("The minute's tone could not be played: %s", pa_strerror(error));
    const std::lock_guard lock(server->mutex);
    if (!played) {
        server->answer = Server::Unreachable;
        server->error = error;
    }
    server->playing = false;
}

// Talking to the server waits on it: a stalled one answers only after
// libpulse's 30 s timeout. So it is done on threads of their own, detached,
// since neither quitting nor the next call should wait for them.
template <typename... Args> bool startDetached(void (*run)(Args...), std::decay_t<Args>... args)
{
    try {
        std::thread(run, std::move(args)...).detach();
        return true;
    } catch (const std::system_error &e) {
        qWarning("The minute's tone could not be played: %s", e.what());
        return false;
    }
}

// Qt unloads its plugins as the program ends, while a detached thread may
// still wait on the server: this library stays mapped, so that the thread
// has code to return to.
void stayLoaded()
{
    static const char anchor = 0;
    Dl_info self {};
    if (dladdr(&anchor, &self) != 0 && self.dli_fname)
        dlopen(self.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

} // namespace

class PulseChime final : public QObject, public Chime
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CallwiseChime_iid)
    Q_INTERFACES(Chime)

public:
    PulseChime()
    {
        stayLoaded();
        QFile file(QStringLiteral(":/callwise/chime/minute.wav"));
        if (file.open(QIODevice::ReadOnly))
            m_tone = readWavPcm(file.readAll());
        if (!m_tone) {
            qWarning("The minute's tone could not be read: the minute is spoken.");
            return;
        }
        m_format = { PA_SAMPLE_S16LE, quint32(m_tone->rate), quint8(m_tone->channels) };
    }

    // Without a sound server the coach says the word instead. The server is
    // asked in the background while it has not taken a tone: as the call
    // starts, and again after each answer of no, so that one started later
    // is found. Only its first answer is waited for, briefly: the call's
    // start asks well before the first tone.
    bool isAvailable() override
    {
        if (!m_tone)
            return false;
        std::unique_lock lock(m_server->mutex);
        if (m_server->answer != Server::Reachable && !m_server->asking)
            m_server->asking = startDetached(ask, m_server, m_format);
        if (!m_waited) {
            m_waited = true;
            m_server->answered.wait_for(lock, std::chrono::milliseconds(500),
                [this] { return m_server->answer != Server::Unasked; });
        }
        if (m_server->answer == Server::Unreachable && !m_toldUnreachable) {
            m_toldUnreachable = true;
            qInfo("No sound server (%s): the minute is spoken.", pa_strerror(m_server->error));
        }
        return m_server->answer == Server::Reachable;
    }

    // A tone still sounding is not doubled.
    void play() override
    {
        if (!isAvailable())
            return;
        {
            const std::lock_guard lock(m_server->mutex);
            if (m_server->playing)
                return;
            m_server->playing = true;
        }
        if (!startDetached(playTone, m_server, m_format, m_tone->samples)) {
            const std::lock_guard lock(m_server->mutex);
            m_server->playing = false;
        }
    }

private:
    std::optional<WavPcm> m_tone;
    pa_sample_spec m_format {};
    std::shared_ptr<Server> m_server = std::make_shared<Server>();
    bool m_waited = false;
    bool m_toldUnreachable = false;
};

#include "pulse_chime.moc"
