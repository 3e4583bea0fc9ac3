#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C) into one
// signal on the event loop, so the program closes as by its own exit: the
// tray icon goes and the settings are saved. SIGUSR1 is another start of the
// program asking this copy to show itself.
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
    QSocketNotifier *m_notifier = nullptr;
};
