#include "ui/frm_callwise.h"

#include "alerts/data_month_log.h"
#include "calllog/call_bytes.h"
#include "calllog/call_journal.h"
#include "calllog/call_log.h"
#include "calllog/log_index.h"
#include "tariff/data_tariff_file.h"
#include "tariff/fee_file.h"
#include "tariff/rules_file.h"
#include "ui/app_resources.h"
#include "ui/fixed_window.h"
#include "ui/frm_about.h"
#include "ui/frm_alerts.h"
#include "ui/frm_blt.h"
#include "ui/frm_chart.h"
#include "ui/frm_costs.h"
#include "ui/frm_modem.h"
#include "ui/frm_data_fees.h"
#include "ui/frm_days.h"
#include "ui/frm_rules.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>

#include <utility>

namespace {

QString dataPath(const QString &dir, const char16_t *name)
{
    return QDir(dir).filePath(QString::fromUtf16(name));
}

} // namespace

frmCallwise::frmCallwise(Environment environment, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_env(std::move(environment))
    , m_feePath(dataPath(m_env.programDir, kFeeFileName))
    , m_settingsPath(dataPath(m_env.programDir, kSettingsFileName))
    , m_logPath(dataPath(m_env.programDir, kCallLogFileName))
    , m_rulesPath(dataPath(m_env.programDir, kRulesFileName))
    , m_source({ m_feePath, m_rulesPath, dataTariffPath(m_logPath) })
    , m_callClock({ m_env.clock, m_env.regional, m_env.probe, m_tray, m_env.prompter, m_source,
                      m_logPath, &m_linkBilling, &m_metered,
                      [this](const DataPricer &pricer, QDate today) {
                          return dataMonthOfLog(LoadIndexedLog(m_logPath, MissingLog::LeaveAlone),
                              pricer, today, m_env.regional)
                              .usedBytes;
                      } },
          this)
    , m_alerts({ m_env.clock, m_env.regional, m_speaker,
                   [this](const QString &text, Urgency urgency) {
                       m_tray.notify(tr(kCaption), text, urgency);
                   },
                   m_source, m_logPath,
                   dataPath(m_env.programDir, kAlertsFileName) },
          m_callClock)
    , m_coach({ m_env.clock, m_env.regional, m_source, m_chime, m_speaker,
                  // The coach's news is spoken too, and tells, never warns.
                  [this](const QString &text) { m_tray.notify(tr(kCaption), text, Urgency::Low); },
                  [this] { return m_alerts.choices().speakEveryMinutes > 0; } },
          m_callClock)
{
    // Named for the icon's tip here, laid out when first shown (setVisible).
    setObjectName(QStringLiteral("frmCallwise"));
    setWindowTitle(tr(kCaption));
    buildTrayMenu();

    connect(&m_callClock, &CallClock::textChanged, this, &frmCallwise::showText);
    connect(&m_source, &TariffSource::changed, this, &frmCallwise::tariffChanged);
    // Queued: the menu's loop must not run inside the icon's own mouse
    // handler, since e&Xit removes the icon and with it the handler's widget.
    connect(
        &m_tray, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (const int message = TrayIcon::mouseMessageFor(reason, m_tray.servedOverDBus()))
                Form_MouseMove(message);
        },
        Qt::QueuedConnection);
}

frmCallwise::~frmCallwise()
{
    if (!m_unloaded) {
        // Not the user's own exit: the program is ending under them.
        m_logCallAtClose = true;
        Form_QueryUnload();
        Form_Unload();
    }
    // The editor holds a reference to the tariff, which goes before the children do.
    delete m_days;
}

void frmCallwise::buildTrayMenu()
{
    mnuSystemTray = new QMenu(tr("&Callwise"), this);
    mnuSystemTray->setObjectName(QStringLiteral("mnuSystemTray"));
    auto item = [this](const char *name, const QString &caption, void (frmCallwise::*slot)()) {
        QAction *action = mnuSystemTray->addAction(caption, this, slot);
        action->setObjectName(QLatin1String(name));
    };
    auto separator = [this](const char *name) {
        mnuSystemTray->addSeparator()->setObjectName(QLatin1String(name));
    };
    item("mnudisplay", tr("&Display"), &frmCallwise::mnudisplay_Click);
    separator("break3");
    item("mnusetfees", tr("&Set Fee's"), &frmCallwise::mnusetfees_Click);
    item("mnumodem", tr("S&ettings"), &frmCallwise::mnumodem_Click);
    separator("break10");
    item("mnucosts", tr("&Costs"), &frmCallwise::cmdCosts_Click);
    item("mnuchart", tr("Spending C&hart"), &frmCallwise::mnuchart_Click);
    separator("break6");
    item("alerts", tr("S&peech Alerts"), &frmCallwise::alerts_Click);
    separator("break");
    item("mnuabout", tr("&About"), &frmCallwise::mnuabout_Click);
    separator("break2");
    item("mnuexit", tr("e&Xit"), &frmCallwise::mnuexit_Click);
}

void frmCallwise::Form_Load()
{
    if (const std::optional<int> interval = LoadSettings(m_settingsPath, m_settings))
        m_callClock.setScanInterval(*interval);
    m_callClock.clearFlags();
    if (m_settings.SplashOnStart == 1)
        (new frmBlt)->show();
    applyAutoRunTellingUser(m_settings.AutoRunOnStart, m_env.autoRun);
    // Before the first scan, which could start a call and a journal of its own.
    const JournalRecovery recovery = recoverCallJournal(m_logPath);
    // Damaged, it bills by the defaults until the settings window saves anew.
    const LinkBillingLoad billing = LoadLinkBilling(linkBillingPath(m_logPath));
    m_linkBilling = billing.billing;
    m_callClock.start();

    // Read once here, then again only when a window saves or a file
    // changes. The editor's 57 boxes are built when it is first shown:
    // building them loads the font database, two thirds of the start-up's
    // work.
    m_source.reload();
    m_source.watch();
    tariffChanged();
    m_alerts.load();
    m_coach.setChoices(m_alerts.choices().coach);

    m_tray.AddTrayIcon(appIcon(), windowTitle(), mnuSystemTray);
    // Without a notification area the program could not be reached from the
    // tray, so it stays on the screen instead of hiding.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        show();
    tellRecovery(recovery);
    if (!billing.ok)
        m_env.prompter.showMessage(billing.why);
}

void frmCallwise::tellRecovery(const JournalRecovery &recovery)
{
    const QString notice = recoveryNotice(recovery);
    if (notice.isEmpty())
        return;
    // A balloon from the icon. Without a notification area, or one that
    // shows no balloons, a message box: the window is on the screen then,
    // and the news is about money.
    if (recovery.outcome != JournalRecovery::Outcome::AppendFailed
        && QSystemTrayIcon::isSystemTrayAvailable() && QSystemTrayIcon::supportsMessages())
        m_tray.showNotice(windowTitle(), notice);
    else
        m_env.prompter.showMessage(notice);
}

// The windows' copies follow the tariff read; the editor's typed table is
// the tariff already unless a file changed under it.
void frmCallwise::tariffChanged()
{
    const Tariff &tariff = m_source.tariff();
    m_rules = tariff.rules;
    m_rulesFile = tariff.rulesFile;
    if (m_tariff == tariff.table)
        return;
    if (m_days && m_days->isVisible()) {
        // An open editor's typing stays for its own OK, and prices the
        // running call as it did before; a minimum connect time the rules
        // window saved joins it.
        m_tariff.setMinConnectTime(tariff.table.minConnectTime());
        m_days->refreshBoxes();
        m_source.useTable(m_tariff);
        return;
    }
    m_tariff = tariff.table;
    if (m_days)
        m_days->refreshBoxes();
}

// The controls wait for the window's first showing: a program that lives in
// the tray may never show it, and building them loads the fonts and Qt's own
// translation: the most memory the program's start-up would add to Qt's.
void frmCallwise::setVisible(bool visible)
{
    if (visible && !Label4) {
        setUpFixedWindow(this, "frmCallwise", tr(kCaption), 2805, 3390);
        buildControls();
    }
    QWidget::setVisible(visible);
}

// The date and time need a tick each second only while they can be seen.
void frmCallwise::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_callClock.setDateTimeShown(true);
}

void frmCallwise::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_callClock.setDateTimeShown(false);
}

void frmCallwise::Form_MouseMove(int mouseMessage)
{
    if (mouseMessage == kLeftDoubleClick && !m_trayCallbackBusy)
        mnudisplay_Click();
    else if (mouseMessage == kRightButtonUp)
        popUpTrayMenu(QCursor::pos());
}

void frmCallwise::popUpTrayMenu(const QPoint &where)
{
    if (m_trayCallbackBusy)
        return;
    // The pop-up grabs the pointer and closes on a click elsewhere; it runs
    // its own loop, during which further callbacks find the guard set.
    m_trayCallbackBusy = true;
    TrayIcon::awaitClickDeactivation();
    mnuSystemTray->exec(where);
    m_trayCallbackBusy = false;
}

void frmCallwise::contextMenuEvent(QContextMenuEvent *event)
{
    // With a notification area the menu belongs to the icon. Without one the
    // window is the only way in, so it offers the same menu, or the other
    // windows and e&Xit could not be reached.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        event->ignore();
        return;
    }
    popUpTrayMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                              : mapToGlobal(rect().center()));
}

void frmCallwise::keyPressEvent(QKeyEvent *event)
{
    // The platform turns the menu key into a context menu event; Shift+F10,
    // the other keyboard way to a context menu, it leaves to the window.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint centre = rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
        contextMenuEvent(&menu);
        event->setAccepted(menu.isAccepted());
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmCallwise::mnuexit_Click()
{
    close();
}

void frmCallwise::Command2_Click()
{
    hide();
}

void frmCallwise::closeEvent(QCloseEvent *event)
{
    // Closing is never refused, whatever asks for it.
    event->accept();
    if (m_unloaded)
        return;
    Form_QueryUnload();
    Form_Unload();
}

void frmCallwise::closeForSystem()
{
    m_logCallAtClose = true;
    close();
}

void frmCallwise::showFromAnotherStart()
{
    // With a notification area the icon is the way in and a second start
    // ends silently; without one this is the only way back to the window.
    if (!QSystemTrayIcon::isSystemTrayAvailable() && !m_unloaded)
        mnudisplay_Click();
}

void frmCallwise::Form_QueryUnload()
{
    // No scan or tick may close and log a call while the other windows close
    // and the settings window's save, or its message box, runs.
    m_callClock.stop(m_logCallAtClose ? CallClock::CallAtStop::Log : CallClock::CallAtStop::Drop);
    m_tray.RemoveTrayIcon();
}

void frmCallwise::Form_Unload()
{
    m_unloaded = true;
    // The settings window saves as it closes.
    if (m_modem)
        m_modem->close();
    if (m_costs)
        m_costs->close();
    if (m_chart)
        m_chart->close();
    if (m_rulesWindow)
        m_rulesWindow->close();
    if (m_dataFeesWindow)
        m_dataFeesWindow->close();
    if (m_days)
        m_days->unload();
    if (m_about)
        m_about->close();
    // Unsaved alert choices go, as by the alerts window's own close box.
    if (m_alertsWindow)
        m_alertsWindow->close();
    hide();
    Q_EMIT unloaded();
}
