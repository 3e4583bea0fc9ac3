#include "ui/frm_callwise.h"

// The windows the main window and its menu open: each is built when first
// asked for, and shown again after.

#include "tariff/data_tariff_file.h"
#include "ui/frm_about.h"
#include "ui/frm_alerts.h"
#include "ui/frm_bill_check.h"
#include "ui/frm_chart.h"
#include "ui/frm_costs.h"
#include "ui/frm_data_fees.h"
#include "ui/frm_days.h"
#include "ui/frm_modem.h"
#include "ui/frm_rules.h"

void frmCallwise::showModeless(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void frmCallwise::mnudisplay_Click()
{
    showModeless(this);
}

void frmCallwise::mnusetfees_Click()
{
    if (!m_days) {
        m_days = new frmDays(m_tariff, m_feePath, m_env.prompter, this);
        connect(m_days, &frmDays::rulesRequested, this, &frmCallwise::showRules);
        connect(m_days, &frmDays::dataTariffRequested, this, &frmCallwise::showDataFees);
        // Typed fees price the call before OK, as they always have.
        connect(m_days, &frmDays::tableEdited, this, [this] { m_source.useTable(m_tariff); });
        connect(m_days, &frmDays::feesSaved, &m_source, &TariffSource::reload);
    }
    m_days->reloadAndShow();
}

frmRules *frmCallwise::rulesWindow() const
{
    return m_rulesWindow;
}

void frmCallwise::showRules()
{
    if (!m_rulesWindow) {
        // A window of the editor it is opened from, kept above it.
        m_rulesWindow = new frmRules(m_rules, m_rulesPath, m_rulesFile, m_env.prompter, m_days);
        connect(m_rulesWindow, &frmRules::rulesSaved, &m_source, &TariffSource::reload);
        // An import fills the editor's table; OK saves it with the rules.
        m_rulesWindow->setTable(m_tariff, m_feePath, m_env.regional.locale());
        if (m_days)
            connect(m_rulesWindow, &frmRules::tableChanged, m_days, &frmDays::refreshBoxes);
        connect(m_rulesWindow, &frmRules::checkBillRequested, this, [this] {
            if (const std::optional<RuleSuggestion> suggested
                = checkBill(m_rulesWindow, m_source.tariff(), m_logPath, m_env.regional))
                applySuggestion(*suggested);
        });
    }
    showModeless(m_rulesWindow);
}

void frmCallwise::showDataFees()
{
    if (!m_dataFeesWindow) {
        // A new data tariff's bill starts on the alerts' bill day, so that
        // both bill months are the same month.
        m_dataFeesWindow = new frmDataFees(m_source.tariff().dataFile, dataTariffPath(m_logPath),
                                           m_alerts.choices().billStartDay, m_env.prompter, m_days);
        connect(m_dataFeesWindow, &frmDataFees::dataTariffSaved, &m_source, &TariffSource::reload);
    }
    showModeless(m_dataFeesWindow);
}

void frmCallwise::applySuggestion(const RuleSuggestion &suggestion)
{
    showRules();
    m_rulesWindow->showSettings(suggestion.rules, suggestion.changed);
    // Into the editor's box behind it, for the rules window's OK to save.
    if (suggestion.minConnectTime)
        m_rulesWindow->showMinConnectTime(*suggestion.minConnectTime);
}

void frmCallwise::mnumodem_Click()
{
    if (!m_modem) {
        m_modem = new frmModem(m_settings, m_callClock, m_settingsPath, m_env.autoRun,
                               m_env.prompter, this);
        m_modem->setLinkBilling(&m_linkBilling, linkBillingPath(m_logPath));
    }
    showModeless(m_modem);
}

void frmCallwise::cmdCosts_Click()
{
    if (!m_costs) {
        m_costs = new frmCosts(m_env.clock, m_env.regional, m_env.prompter, m_source, m_logPath,
                               this);
        // An open window lists a call that ends while it is open.
        connect(&m_callClock, &CallClock::callLogged, m_costs, &frmCosts::logChanged);
    }
    m_costs->showWindow();
}

void frmCallwise::mnuchart_Click()
{
    if (!m_chart)
        m_chart = new frmChart(
            m_env.clock, m_env.regional, m_env.prompter, m_source, m_logPath,
            [this] {
                const AlertChoices &choices = m_alerts.choices();
                return BillTerms{choices.billStartDay, choices.limitPence, m_alerts.monthlyFee()};
            }, this);
    m_chart->showWindow();
}

void frmCallwise::alerts_Click()
{
    if (!m_alertsWindow)
        m_alertsWindow = new frmAlerts(m_alerts, m_coach, m_env.regional, m_env.prompter, this);
    showModeless(m_alertsWindow);
}

void frmCallwise::mnuabout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    showModeless(m_about);
}
