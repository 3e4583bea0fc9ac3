#include "calllog/call_log.h"
#include "common/clock.h"
#include "common/program_dir.h"
#include "common/regional.h"
#include "common/translations.h"
#include "desktop/quit_signals.h"
#include "desktop/single_instance.h"
#include "settings/settings_file.h"
#include "tariff/fee_file.h"
#include "ui/frm_callwise.h"
#include "ui/message_box_prompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Callwise"));
    // The program lives in the tray: closing its last window is no reason to end.
    app.setQuitOnLastWindowClosed(false);
    installTranslations();

    // Listening before the lock is taken, so a second start that finds the
    // lock never reaches a copy that cannot hear it yet.
    QuitSignals quitSignals;

    // A second copy ends at once, without a window or an icon, after asking
    // the running copy to show itself.
    SingleInstance instance;
    if (!instance.acquire()) {
        instance.wakeRunningCopy();
        return 0;
    }

    SystemClock clock;
    Regional regional(QLocale::system());
    SystemConnectionProbe probe;
    MessageBoxPrompter prompter;
    const std::unique_ptr<RegistryStore> registry
        = systemRegistryStore([&prompter](const std::string &text) {
              prompter.showMessage(QString::fromLocal8Bit(text));
          });
    // A failure here shows later, as the failed save of the file concerned.
    const QString dataDir = dataDirectory();
    prepareDataDirectory(dataDir, programDirectory(),
        {QString::fromUtf16(kFeeFileName), QString::fromUtf16(kCallLogFileName),
            QString::fromUtf16(kSettingsFileName)});
    frmCallwise window({clock, regional, probe, prompter, dataDir,
                        systemAutoRunPlace(*registry, prompter)});
    QObject::connect(&window, &frmCallwise::unloaded, &app, &QCoreApplication::quit);
    // The session ending, or a signal, closes the window as its close box
    // does, but logs the call being timed.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     &frmCallwise::closeForSystem);
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window,
                     &frmCallwise::closeForSystem);
    QObject::connect(&quitSignals, &QuitSignals::showRequested, &window,
                     &frmCallwise::showFromAnotherStart);
    window.Form_Load();
    return app.exec();
}
