#include "ui/frm_modem.h"

#include "ui/app_resources.h"
#include "ui/fixed_window.h"
#include "ui/link_billing_box.h"
#include "ui/twips.h"
#include "ui/ui_font.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A file's lines as they stand, none when it is missing or cannot be read.
std::optional<QStringList> fileLines(const QString &path)
{
    return QFileInfo::exists(path) ? readLines(path) : std::nullopt;
}

} // namespace

void FlagCheckBox::setFlag(qint16 flag)
{
    m_oddFlag = flag;
    setTristate(flag != 0 && flag != 1);
    setCheckState(flag == 1 ? Qt::Checked : flag == 0 ? Qt::Unchecked : Qt::PartiallyChecked);
}

qint16 FlagCheckBox::flag() const
{
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::Unchecked:
        return 0;
    case Qt::PartiallyChecked:
        break;
    }
    return m_oddFlag;
}

void FlagCheckBox::nextCheckState()
{
    const bool wasChecked = checkState() == Qt::Checked;
    setTristate(false);
    setCheckState(wasChecked ? Qt::Unchecked : Qt::Checked);
}

frmModem::frmModem(Settings &settings, CallClock &clock, QString settingsPath, AutoRunPlace autoRun,
    Prompter &prompter, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_settings(settings)
    , m_clock(clock)
    , m_settingsPath(std::move(settingsPath))
    , m_autoRun(std::move(autoRun))
    , m_prompter(prompter)
{
    // Grown to the right for how the links are billed.
    setUpFixedWindow(this, "frmModem", tr(kCaption), LinkBillingBox::kPlace.right() + 1,
        LinkBillingBox::kPlace.bottom() + 1);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    Form_Load();
}

frmModem::~frmModem()
{
    // Destroyed with its owner without being closed: still saves.
    Form_Unload();
}

void frmModem::buildControls()
{
    Frame2 = addControl<QGroupBox>(
        this, "Frame2", tr("Connect Scan Interval"), { 120, 120, 1812, 1452 });
    Option6 = addControl<QRadioButton>(Frame2, "Option6", tr("5 seconds"), { 240, 720, 1212, 252 });
    Option7
        = addControl<QRadioButton>(Frame2, "Option7", tr("20 seconds"), { 240, 1080, 1212, 252 });
    Option8 = addControl<QRadioButton>(Frame2, "Option8", tr("1 second"), { 240, 360, 1212, 252 });
    // Both check boxes reach the window's right edge, so a wider stand-in
    // font never cuts their captions.
    Check3 = addControl<FlagCheckBox>(
        this, "Check3", tr("Auto Run on Start up"), { 120, 1800, 1920, 252 });
    Command1 = addControl<QPushButton>(this, "Command1", tr("Ok"), { 360, 2640, 1332, 372 });
    Check1 = addControl<FlagCheckBox>(
        this, "Check1", tr("Splash on Start Up"), { 120, 2160, 1920, 375 });
    growToFit(this, { Option6, Option7, Option8, Check3, Check1 });
    Option6->setChecked(true);
    m_links = new LinkBillingBox(this);
    m_links->showLoad({ LinkBilling(), true, QString() });
    m_links->setEnabled(false);
    if (m_links->geometry().right() >= width())
        setFixedWidth(m_links->geometry().right() + 1);

    setTabOrder(Frame2, Option6);
    setTabOrder(Option6, Option7);
    setTabOrder(Option7, Option8);
    setTabOrder(Option8, Check3);
    setTabOrder(Check3, Command1);
    setTabOrder(Command1, Check1);
    setTabOrder(Check1, m_links->firstControl());

    // `clicked` comes from the user only; the load runs the handlers itself.
    connect(Option6, &QRadioButton::clicked, this, &frmModem::Option6_Click);
    connect(Option7, &QRadioButton::clicked, this, &frmModem::Option7_Click);
    connect(Option8, &QRadioButton::clicked, this, &frmModem::Option8_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmModem::Check1_Click);
    connect(Check3, &QCheckBox::clicked, this, &frmModem::Check3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmModem::Command1_Click);
}

void frmModem::Form_Load()
{
    // Selecting from code runs the click handler as a user's click does; any
    // other interval leaves "5 seconds" showing and the timer as it is.
    const int interval = m_clock.scanInterval();
    const std::pair<int, QRadioButton *> options[]
        = { { 5000, Option6 }, { 20000, Option7 }, { 1000, Option8 } };
    for (const auto &[milliseconds, option] : options) {
        if (interval == milliseconds) {
            option->setChecked(true);
            m_clock.setScanInterval(milliseconds);
        }
    }

    // A box whose state changes runs its handler; auto-run on writes the
    // Run entry again with the current directory.
    const Qt::CheckState autoRunBefore = Check3->checkState();
    Check3->setFlag(m_settings.AutoRunOnStart);
    if (Check3->checkState() != autoRunBefore)
        Check3_Click();
    const Qt::CheckState splashBefore = Check1->checkState();
    Check1->setFlag(m_settings.SplashOnStart);
    if (Check1->checkState() != splashBefore)
        Check1_Click();
}

void frmModem::setLinkBilling(LinkBilling *billing, QString path)
{
    m_linkBilling = billing;
    m_linkBillingPath = std::move(path);
    m_links->setEnabled(billing != nullptr);
    if (!billing)
        return;
    m_linksFileAtOpen = fileLines(m_linkBillingPath);
    const LinkBillingLoad load = LoadLinkBilling(m_linkBillingPath);
    m_links->showLoad(load);
    m_linksAtOpen = m_links->patterns().value_or(std::vector<LinkPattern>());
}

// Only a change is written, so a file the window did not change stays as
// the user wrote it; one changed by hand meanwhile is replaced only on Yes.
void frmModem::saveLinkBilling()
{
    if (!m_linkBilling)
        return;
    const bool changedByHand = fileLines(m_linkBillingPath) != m_linksFileAtOpen;
    const std::optional<std::vector<LinkPattern>> shown = m_links->patterns();
    const bool changedHere = shown && *shown != m_linksAtOpen;
    if (!changedHere
        || (changedByHand
            && !m_prompter.confirm(tr("%1 has been changed since the settings window opened. "
                                      "Replace it with the links shown in the window?")
                                       .arg(QDir::toNativeSeparators(m_linkBillingPath))))) {
        // The hand-made file is the one the calls are billed by from now on.
        if (changedByHand) {
            if (const LinkBillingLoad load = LoadLinkBilling(m_linkBillingPath); load.ok)
                *m_linkBilling = load.billing;
        }
        return;
    }
    const LinkBilling chosen(*shown);
    const FileResult saved = SaveLinkBilling(m_linkBillingPath, chosen);
    if (!saved.ok) {
        m_prompter.showMessage(tr("How the links are billed could not be saved to %1: %2")
                                   .arg(m_linkBillingPath, saved.error));
        return;
    }
    *m_linkBilling = chosen;
}

void frmModem::Option6_Click()
{
    m_clock.setScanInterval(5000);
}

void frmModem::Option7_Click()
{
    m_clock.setScanInterval(20000);
}

void frmModem::Option8_Click()
{
    m_clock.setScanInterval(1000);
}

void frmModem::Check1_Click()
{
    m_settings.SplashOnStart = Check1->flag();
}

void frmModem::Check3_Click()
{
    m_settings.AutoRunOnStart = Check3->flag();
    applyAutoRunTellingUser(m_settings.AutoRunOnStart, m_autoRun);
}

void frmModem::Command1_Click()
{
    close();
}

void frmModem::closeEvent(QCloseEvent *event)
{
    // There is no cancel: every way of closing saves.
    event->accept();
    Form_Unload();
}

void frmModem::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    saveLinkBilling();
    const FileResult saved = SaveSettings(m_settingsPath, m_clock.scanInterval(), m_settings);
    if (!saved.ok)
        m_prompter.showMessage(
            tr("The settings could not be saved to %1: %2").arg(m_settingsPath, saved.error));
}
