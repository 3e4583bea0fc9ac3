#pragma once

#include "common/prompter.h"
#include "statement/rule_suggestion.h"
#include "tariff/tariff_rules.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The tariff's rules beyond the weekly fees: a fee per call, how time is
// charged, a flat first charge, a least charge, each unit at its own rate
// and the holidays priced as Sundays. OK checks every box, saves the rules
// file and puts the rules in force; Cancel, Escape and the close box drop
// the changes. Built afresh at each opening, from the rules in force.
class frmRules : public QWidget
{
    Q_OBJECT

public:
    static constexpr char16_t kCaption[] = u"Tariff Rules";
    static constexpr char16_t kEveryMinuteBegun[] = u"every minute begun";

    // problem: why the rules file could not be used when it was read, if it
    // could not; the window says so above the rules.
    frmRules(TariffRules &rules, QString rulesPath, const QString &problem, Prompter &prompter,
        QWidget *parent = nullptr);

    // Puts these rules in the boxes, to be saved by OK like typed ones.
    void showRules(const TariffRules &rules);
    // Puts only these settings of the rules in their boxes, the others
    // keeping what is typed, saved or not: the suggestion of a bill's check.
    // The holidays' choice of England and Wales is ticked or cleared, the
    // list's other lines left as they are.
    void showSettings(const TariffRules &rules, RuleSettings which);

Q_SIGNALS:
    // The user asked to check an operator's statement against the log.
    void checkBillRequested();
    // The rules file now holds the rules in force.
    void rulesSaved();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void cmdOK_Click();

private:
    void buildControls(bool withProblem);
    void Form_Load();
    void unitsChosen();
    void englandAndWalesToggled(bool on);
    void holidaysEdited();
    // The rules as typed, or nothing after saying which box is wrong.
    std::optional<TariffRules> typedRules();
    std::optional<double> typedPence(QLineEdit *box, const QString &complaint);

    TariffRules &m_rules;
    QString m_rulesPath;
    QString m_problem;
    Prompter &m_prompter;

    QLabel *lblProblem = nullptr;
    QLineEdit *txtFeePerCall = nullptr;
    QComboBox *cboUnits = nullptr;
    QLineEdit *txtFirstCharge = nullptr;
    QLineEdit *txtMinimumCharge = nullptr;
    QCheckBox *chkOwnRate = nullptr;
    QCheckBox *chkEnglandAndWales = nullptr;
    QPlainTextEdit *txtHolidays = nullptr;
    QPushButton *cmdCheckBill = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
