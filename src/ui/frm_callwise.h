#pragma once

#include "alerts/call_alerts.h"
#include "alerts/call_coach.h"
#include "alerts/plugin_speaker.h"
#include "calltime/call_clock.h"
#include "common/own_plugin.h"
#include "desktop/network_manager_metered.h"
#include "settings/auto_run.h"
#include "settings/settings_file.h"
#include "tariff/rules_file.h"
#include "tariff/tariff_source.h"
#include "ui/plugin_chime.h"
#include "ui/tray_icon.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QMenu;
class QPushButton;
class frmAbout;
class frmAlerts;
class frmChart;
class frmModem;
class frmCosts;
class frmDays;
class frmRules;
class frmDataFees;
struct JournalRecovery;
struct RuleSuggestion;

// The main window and the program's hub: it owns the tariff, the call clock
// and the tray icon, lives hidden in the tray from start-up to exit, and
// opens the other windows from the tray menu.
class frmCallwise : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Callwise V2.5");

    // What the window needs from the system; tests pass fakes.
    struct Environment
    {
        const Clock &clock;
        const Regional &regional;
        ConnectionProbe &probe;
        Prompter &prompter;
        QString programDir; // where the data files live: dataDirectory()
        AutoRunPlace autoRun;
    };

    // Mouse message numbers of the tray callback.
    static constexpr int kLeftDoubleClick = TrayIcon::kLeftDoubleClick;
    static constexpr int kRightButtonUp = TrayIcon::kRightButtonUp;

    explicit frmCallwise(Environment environment, QWidget *parent = nullptr);
    ~frmCallwise() override;

    // Start-up: settings, splash, start-with-Windows entry, tariff, tray icon,
    // then into the tray. The caller has made sure no other copy runs.
    void Form_Load();

    // The tray callback, with the mouse message the icon reported.
    void Form_MouseMove(int mouseMessage);

    // The system ends the program (the session ends, a signal): closes as
    // the close box does, but the call being timed is logged, since the link
    // goes down with the machine.
    void closeForSystem();

    // Another start of the program asked this copy to show itself.
    void showFromAnotherStart();

    CallClock &callClock() { return m_callClock; }
    CallAlerts &alerts() { return m_alerts; }
    CallCoach &coach() { return m_coach; }
    TariffTable &tariff() { return m_tariff; }
    const TariffSource &tariffSource() const { return m_source; }
    TariffRules &rules() { return m_rules; }
    const QString &rulesProblem() const { return m_rulesFile.why; }
    TrayIcon &trayIcon() { return m_tray; }
    frmDays *tariffEditor() const { return m_days; }
    frmRules *rulesWindow() const;
    // A bill check's suggestion taken: the settings it changes into the
    // rules window's boxes, its min connect time into the tariff editor's,
    // all saved by the rules window's OK.
    void applySuggestion(const RuleSuggestion &suggestion);
    QMenu *trayMenu() const { return mnuSystemTray; }

Q_SIGNALS:
    // Emitted once, when the window has unloaded and the program should end.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void setVisible(bool visible) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void mnudisplay_Click();
    void mnusetfees_Click();
    void showRules();
    void showDataFees();
    void mnumodem_Click();
    void cmdCosts_Click();
    void mnuchart_Click();
    void alerts_Click();
    void mnuabout_Click();
    void mnuexit_Click();
    void Command2_Click();

private:
    void buildControls();
    void buildTrayMenu();
    void popUpTrayMenu(const QPoint &where);
    void showText(CallClock::Field field);
    static void showReading(QLabel *reading, const QString &text);
    void colourLabel6();
    void tellRecovery(const JournalRecovery &recovery);
    void tariffChanged();
    void Form_QueryUnload();
    void Form_Unload();
    static void showModeless(QWidget *window);

    Environment m_env;
    QString m_feePath;
    QString m_settingsPath;
    QString m_logPath;
    QString m_rulesPath;
    Settings m_settings;
    // The tariff every price is worked from; the windows edit copies of it.
    TariffSource m_source;
    TariffTable m_tariff; // the tariff editor's boxes
    TariffRules m_rules; // as the rules window last saved them
    RulesLoad m_rulesFile; // netrules.ini as read; why it could not be used, if it could not
    TrayIcon m_tray;
    LinkBilling m_linkBilling; // as netlinks.ini holds it
    NetworkManagerMetered m_metered;
    CallClock m_callClock;
    OwnPlugin m_voice { QStringLiteral("callwise_voice") };
    PluginSpeaker m_speaker { m_voice };
    CallAlerts m_alerts;
    PluginChime m_chime; // loads the sound plugin at the first tone
    CallCoach m_coach;
    bool m_trayCallbackBusy = false; // the menu's nested loop keeps delivering callbacks
    bool m_unloaded = false;
    bool m_logCallAtClose = false;

    QLabel *Label4 = nullptr;
    QLabel *lblStart = nullptr;
    QLabel *lblDiffTime = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lblDataCaption = nullptr; // shown with lblData, for calls billed by volume
    QLabel *lblData = nullptr;
    QPushButton *cmdStart = nullptr;
    QMenu *mnuSystemTray = nullptr;
    QPointer<frmModem> m_modem;
    QPointer<frmCosts> m_costs;
    QPointer<frmChart> m_chart;
    QPointer<frmAbout> m_about;
    QPointer<frmAlerts> m_alertsWindow;
    QPointer<frmRules> m_rulesWindow; // opened from the tariff editor
    QPointer<frmDataFees> m_dataFeesWindow; // so is this
    frmDays *m_days = nullptr; // built when first shown, then hidden, alive to exit
};
