#pragma once

#include "calltime/tray_tip.h"

#include <QSystemTrayIcon>

// The program's one icon in the notification area. Added at start-up with
// the main window's caption as its tip, given the call clock's tips while a
// call is timed, and removed when the main window closes.
class TrayIcon final : public QSystemTrayIcon, public TrayTip
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject *parent = nullptr);

    void AddTrayIcon(const QIcon &icon, const QString &caption);
    void RemoveTrayIcon();

protected:
    void showTip(const QString &tip) override;
};
