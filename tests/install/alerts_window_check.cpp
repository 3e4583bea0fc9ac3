// Opens the alerts window as the program does, its voice plugin looked for
// from this executable's directory, and prints whether the plugin loaded and
// what the window says of speech. The install tests copy it beside an
// installed callwise and run it offscreen.
#include "alerts/plugin_speaker.h"
#include "alerts/voice_plugin.h"
#include "common/own_plugin.h"
#include "ui/frm_alerts.h"
#include "ui/message_box_prompter.h"
#include "ui/plugin_chime.h"
#include "ui/tray_icon.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("netcosts.ini"));
    SystemClock clock;
    const Regional regional(QLocale::system());
    SystemConnectionProbe probe;
    TrayIcon tray;
    MessageBoxPrompter prompter;
    const TariffSource tariff(Tariff {});
    CallClock callClock({ clock, regional, probe, tray, prompter, tariff, log });
    OwnPlugin voice(QStringLiteral("callwise_voice"));
    PluginSpeaker speaker(voice);
    CallAlerts alerts({ clock, regional, speaker, [](const QString &, Urgency) { }, tariff, log,
                          dir.filePath(QStringLiteral("alerts.ini")) },
        callClock);
    PluginChime chime;
    CallCoach coach({ clock, regional, tariff, chime, speaker, [](const QString &) { }, [] { return false; } },
        callClock);
    frmAlerts window(alerts, coach, regional, prompter);
    window.show();
    const auto *notice = window.findChild<QLabel *>(QStringLiteral("lblNoEngine"));
    std::printf("voice plugin %s; %s\n", voice.as<VoicePlugin>() ? "loaded" : "missing",
        notice->isVisible() ? qPrintable(notice->text()) : "speech engine found");
}
