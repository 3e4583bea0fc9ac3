#pragma once

#include "calltime/call_clock.h"
#include "common/prompter.h"
#include "settings/auto_run.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QWidget>

class LinkBillingBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// A check box for a settings flag. A flag other than 0 and 1 shows partly
// checked; the user's clicks only ever check or uncheck it.
class FlagCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    void setFlag(qint16 flag);
    // 1 checked, 0 unchecked; partly checked keeps the flag it was given.
    qint16 flag() const;

protected:
    void nextCheckState() override;

private:
    qint16 m_oddFlag = 0;
};

// The settings window: scan interval, splash and start-with-the-system, and
// how each link is billed (netlinks.ini, every line of it). Each click takes
// effect at once; closing by any means saves the settings, and the links'
// file where the window changed it, asking first where the file was changed
// by hand since the window opened. It is loaded as it is built and unloaded
// (deleted) when it closes, so each opening reads the current values afresh.
class frmModem : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Settings.");

    frmModem(Settings &settings, CallClock &clock, QString settingsPath, AutoRunPlace autoRun,
        Prompter &prompter, QWidget *parent = nullptr);
    ~frmModem() override;

    // The links' billing the clock reads, and its file, read afresh here;
    // until given, the window shows the defaults and saves nothing of them.
    void setLinkBilling(LinkBilling *billing, QString path);

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Check1_Click();
    void Check3_Click();
    void Command1_Click();

private:
    void buildControls();
    void Form_Load();
    void Form_Unload();
    void saveLinkBilling();

    Settings &m_settings;
    CallClock &m_clock;
    QString m_settingsPath;
    AutoRunPlace m_autoRun;
    Prompter &m_prompter;
    bool m_unloaded = false;
    LinkBilling *m_linkBilling = nullptr;
    QString m_linkBillingPath;
    std::optional<QStringList> m_linksFileAtOpen; // its lines as read, none when missing
    std::vector<LinkPattern> m_linksAtOpen; // what the window showed of them

    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option6 = nullptr;
    QRadioButton *Option7 = nullptr;
    QRadioButton *Option8 = nullptr;
    FlagCheckBox *Check3 = nullptr;
    QPushButton *Command1 = nullptr;
    FlagCheckBox *Check1 = nullptr;
    LinkBillingBox *m_links = nullptr;
};
