#pragma once

#include "alerts/speaker.h"

#include <QLocale>
#include <QObject>

class QThread;
class SpeechWorker;

// The system's speech engine, run on a thread of its own: loading an engine
// can take seconds (speech-dispatcher is started on first use), and the
// clock's thread must never wait for it. flite, which needs nothing running,
// is tried first; an engine that fails to load or to play hands over to
// speech-dispatcher, which then speaks the sentence again. For a
// language other than English, an engine with a voice for it comes first
// (flite has English alone); without one, the first engine speaks with its
// own. Sentences queue
// up: a new one never cuts off the one being spoken.
class SystemSpeaker final : public QObject, public Speaker
{
    Q_OBJECT

public:
    // The sentences are in language: an engine with a voice for it is
    // preferred, and given that voice.
    explicit SystemSpeaker(const QLocale &language, QObject *parent = nullptr);
    ~SystemSpeaker() override;

    // Whether an engine is installed; it is loaded with the first sentence.
    bool isAvailable() override;
    void say(const QString &sentence) override;

private:
    QLocale m_language;
    QThread *m_thread = nullptr;
    SpeechWorker *m_worker = nullptr;
    int m_installed = -1; // unknown until asked
};
