#pragma once

#include "alerts/call_alerts.h"
#include "alerts/call_coach.h"
#include "common/prompter.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The alerts window: how often the call cost is spoken, the hang-up coach's
// warnings with the next rate change, the monthly spending limit and the day
// the bill's month starts, with that month's spending so far and its
// forecast; with a data tariff that has an allowance, the level of the data
// warning and the bill month's data used, left, the daily budget and the
// day it runs out. The figures follow the call in progress and the log as
// long as the window is open. "OK" applies and saves, and so does Escape, which clicks it; the
// close box drops the changes. Built afresh at each opening, from the choices
// in force.
class frmAlerts : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Speech Alerts");
    static constexpr char kNoEngine[] = QT_TR_NOOP("No speech engine is installed.");

    frmAlerts(CallAlerts &alerts, CallCoach &coach, const Regional &regional,
        Prompter &prompter, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void cmdTest_Click();
    void cmdOK_Click();

private:
    void buildControls();
    void Form_Load();
    // The bill month's money and data as they stand now.
    void showFigures();

    CallAlerts &m_alerts;
    CallCoach &m_coach;
    const Regional &m_regional;
    Prompter &m_prompter;

    QComboBox *cboSpeakEvery = nullptr;
    QLabel *lblNoEngine = nullptr;
    QComboBox *cboMinuteWarning = nullptr;
    QComboBox *cboRateWarning = nullptr;
    QLabel *lblNextChange = nullptr;
    QLabel *lblUnitsNote = nullptr;
    QLineEdit *txtLimit = nullptr;
    QComboBox *cboBillDay = nullptr;
    QLabel *lblSpending = nullptr;
    QLabel *lblForecast = nullptr;
    int m_dataRows = 0; // the rows the data takes, none without an allowance as the window opens
    QComboBox *cboDataWarn = nullptr;
    QList<QLabel *> m_dataLines;
    QPushButton *cmdTest = nullptr;
    QPushButton *cmdOK = nullptr;
};
