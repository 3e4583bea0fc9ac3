#pragma once

#include <QObject>

// Turns the system's requests to end the program into one signal on the
// event loop, so the program closes as by its own exit: the tray icon goes
// and the settings are saved; and another start's request to show this copy
// into another. On Linux these are SIGTERM, SIGINT and SIGHUP (a logout,
// `kill`, Ctrl+C), and SIGUSR1 to show; on Windows, where a logout reaches
// the program as the session's end, two named events of the user's session
// (which the uninstaller sets too, to close a running copy).
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

Q_SIGNALS:
    void quitRequested();
    void showRequested();

private:
#ifdef Q_OS_WIN
    void *m_quitEvent = nullptr;
    void *m_showEvent = nullptr;
#endif
};

#ifdef Q_OS_WIN
// The named events of the user's session that ask a running copy to end and
// to show itself.
inline constexpr wchar_t kQuitEventName[] = L"Local\\CallwiseQuit";
inline constexpr wchar_t kShowEventName[] = L"Local\\CallwiseShow";
#endif
