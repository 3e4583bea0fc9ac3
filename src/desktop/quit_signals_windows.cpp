#include "desktop/quit_signals.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace {

// An auto-reset event of the user's session, made if no one has made it.
HANDLE namedEvent(const wchar_t *name)
{
    return CreateEventW(nullptr, FALSE, FALSE, name);
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    m_quitEvent = namedEvent(kQuitEventName);
    m_showEvent = namedEvent(kShowEventName);
    if (m_quitEvent) {
        auto *notifier = new QWinEventNotifier(m_quitEvent, this);
        connect(notifier, &QWinEventNotifier::activated, this, &QuitSignals::quitRequested);
    }
    if (m_showEvent) {
        auto *notifier = new QWinEventNotifier(m_showEvent, this);
        connect(notifier, &QWinEventNotifier::activated, this, &QuitSignals::showRequested);
    }
}

QuitSignals::~QuitSignals()
{
    // The notifiers stop waiting before their events are closed.
    qDeleteAll(findChildren<QWinEventNotifier *>());
    if (m_quitEvent)
        CloseHandle(m_quitEvent);
    if (m_showEvent)
        CloseHandle(m_showEvent);
}
