#include "ui/voice/system_speaker.h"

#include <QStringList>
#include <QTextToSpeech>
#include <QThread>

#include <algorithm>
#include <utility>

namespace {

const QStringList kEngines { QStringLiteral("flite"), QStringLiteral("speechd") };

QStringList installedEngines()
{
    QStringList installed;
    const QStringList present = QTextToSpeech::availableEngines();
    for (const QString &name : kEngines) {
        if (present.contains(name))
            installed << name;
    }
    return installed;
}

} // namespace

// Lives on the speech thread and owns the engine there.
class SpeechWorker final : public QObject
{
    Q_OBJECT

public:
    explicit SpeechWorker(const QLocale &language)
        : m_language(language)
    { }

    void say(const QString &sentence)
    {
        m_waiting << sentence;
        speakNext();
    }

private:
    bool loadEngine()
    {
        if (m_candidates.isEmpty() && !m_looked)
            m_candidates = installedEngines();
        m_looked = true;
        while (!m_engine && !m_candidates.isEmpty()) {
            const QString name = m_candidates.takeFirst();
            auto *engine = new QTextToSpeech(name, this);
            if (engine->state() == QTextToSpeech::Error) {
                qWarning("Speech engine %s could not be loaded: %s", qPrintable(name),
                    qPrintable(engine->errorString()));
                delete engine;
                continue;
            }
            if (!speaksLanguage(engine)) {
                if (m_otherLanguage)
                    delete engine;
                else
                    m_otherLanguage = engine;
                continue;
            }
            delete std::exchange(m_otherLanguage, nullptr);
            adopt(engine);
        }
        if (!m_engine && m_otherLanguage)
            adopt(std::exchange(m_otherLanguage, nullptr));
        return m_engine;
    }

    void adopt(QTextToSpeech *engine)
    {
        m_engine = engine;
        connect(engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready) {
                m_current.clear();
                speakNext();
            }
        });
        connect(engine, &QTextToSpeech::errorOccurred, this, &SpeechWorker::engineFailed);
    }

    void engineFailed()
    {
        qWarning("Speech engine %s failed (%s); trying the next one.",
            qPrintable(m_engine->engine()), qPrintable(m_engine->errorString()));
        m_engine->disconnect(this);
        m_engine->deleteLater();
        m_engine = nullptr;
        if (!m_current.isEmpty())
            m_waiting.prepend(m_current);
        m_current.clear();
        speakNext();
    }

    void speakNext()
    {
        if (!m_current.isEmpty() || m_waiting.isEmpty())
            return;
        if (!loadEngine()) {
            m_waiting.clear(); // nothing left that can speak
            return;
        }
        m_current = m_waiting.takeFirst();
        m_engine->say(m_current);
    }

    // A voice of the engine for the language of the sentences, if it has one.
    bool speaksLanguage(QTextToSpeech *engine) const
    {
        if (m_language.language() == QLocale::English)
            return true;
        const QList<QLocale> locales = engine->availableLocales();
        const auto same = [this](const QLocale &locale) { return locale == m_language; };
        const auto language
            = [this](const QLocale &locale) { return locale.language() == m_language.language(); };
        auto found = std::find_if(locales.begin(), locales.end(), same);
        if (found == locales.end())
            found = std::find_if(locales.begin(), locales.end(), language);
        if (found == locales.end())
            return false;
        engine->setLocale(*found);
        return true;
    }

    const QLocale m_language;
    QTextToSpeech *m_engine = nullptr;
    QTextToSpeech *m_otherLanguage = nullptr; // the first engine loaded, without the language
    QStringList m_candidates;
    bool m_looked = false;
    QStringList m_waiting;
    QString m_current; // being spoken
};

SystemSpeaker::SystemSpeaker(const QLocale &language, QObject *parent)
    : QObject(parent)
    , m_language(language)
{ }

SystemSpeaker::~SystemSpeaker()
{
    if (!m_thread)
        return;
    m_thread->quit();
    // An engine still starting may hold the thread a while; the program's
    // exit is not kept waiting for it.
    if (!m_thread->wait(QDeadlineTimer(2000)))
        return;
    delete m_thread;
}

bool SystemSpeaker::isAvailable()
{
    if (m_installed < 0)
        m_installed = installedEngines().isEmpty() ? 0 : 1;
    return m_installed == 1;
}

void SystemSpeaker::say(const QString &sentence)
{
    if (!isAvailable())
        return;
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("speech"));
        m_worker = new SpeechWorker(m_language);
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        m_thread->start();
    }
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, sentence] { worker->say(sentence); }, Qt::QueuedConnection);
}

#include "system_speaker.moc"
