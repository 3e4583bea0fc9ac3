#pragma once

#include "alerts/urgency.h"
#include "calltime/tray_tip.h"

#include <QSystemTrayIcon>

class QMenu;

// The program's one icon in the notification area. Added at start-up with
// the main window's caption as its tip, given the call clock's tips while a
// call is timed, and removed when the main window closes.
//
// Two kinds of notification area answer to it. An XEmbed tray (trayer, older
// panels) hands the program the raw clicks: a double click and a right-button
// release, on which the program pops up its own menu. A StatusNotifierItem
// host on D-Bus (KDE Plasma, GNOME's AppIndicator, Xfce, waybar) activates
// the item on a single click and shows the menu the item exports itself.
class TrayIcon final : public QSystemTrayIcon, public TrayTip
{
    Q_OBJECT

public:
    // Mouse message numbers that the tray callback carries.
    static constexpr int kLeftDoubleClick = 0x203;
    static constexpr int kRightButtonUp = 0x205;

    explicit TrayIcon(QObject *parent = nullptr);

    // The menu goes to a D-Bus host, which shows it itself; an XEmbed tray
    // never gets it, so the program's own pop-up is the only one there.
    void AddTrayIcon(const QIcon &icon, const QString &caption, QMenu *menu);
    void RemoveTrayIcon();

    // A balloon from the icon, once the notification area has placed it.
    void showNotice(const QString &title, const QString &text);

    // A message at its urgency: to the desktop's notification server where
    // one runs, else a balloon with the icon that urgency stands for.
    void notify(const QString &title, const QString &text, Urgency urgency);

    // True when a D-Bus host serves the icon.
    bool servedOverDBus() const { return m_servedOverDBus; }

    // The mouse message of the main window's tray callback that an
    // activation of the icon stands for; 0 for none.
    static int mouseMessageFor(ActivationReason reason, bool servedOverDBus);

    // Before the program's own menu pops up on a click on the icon: where
    // that click takes the foreground from a window of the program, waits
    // until the program has heard so (a moment at most), since Qt closes
    // every pop-up when the program stops being the active one, and the
    // news arriving after the menu had shown would close it at once.
    static void awaitClickDeactivation();

protected:
    void showTip(const QString &tip) override;

private:
    bool m_servedOverDBus = false;
};
