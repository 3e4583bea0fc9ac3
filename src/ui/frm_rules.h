#pragma once

#include "common/prompter.h"
#include "statement/rule_suggestion.h"
#include "tariff/rules_file.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QLocale>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The tariff's rules beyond the weekly fees: a fee per call, how time is
// charged, a flat first charge, a least charge, each unit at its own rate,
// the holidays priced as Sundays and the rules by time. OK checks every box,
// saves the rules file and puts the rules in force; Cancel, Escape and the
// close box drop the changes. The user sizes it, the rules by time growing
// with it. Built afresh at each opening, from the rules in force, or from
// what a rules file that could not be used still says. "Import..." reads an
// accounting ruleset into the boxes and the weekly table, which OK then
// saves with the rules, or Cancel drops with them.
class frmRules : public QWidget
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Tariff Rules");
    static constexpr char kEveryMinuteBegun[] = QT_TR_NOOP("every minute begun");

    // Asks for a ruleset to import; empty when the user chose none.
    using RulesetChooser = std::function<QString(QWidget *parent)>;

    // file: the rules file as read; when it could not be used, the window
    // says why above the rules and opens with what it still says.
    frmRules(TariffRules &rules, QString rulesPath, const RulesLoad &file, Prompter &prompter,
        QWidget *parent = nullptr);

    // The weekly table an import fills and OK then saves to the fee file;
    // without one there is nothing to import into. The user's regional
    // settings say whether a ruleset prices in another currency.
    void setTable(TariffTable &table, QString feeFilePath, QLocale userLocale);
    void setRulesetChooser(RulesetChooser chooser) { m_chooseRuleset = std::move(chooser); }

    // Puts these rules in the boxes, to be saved by OK like typed ones.
    void showRules(const TariffRules &rules);
    // Puts only these settings of the rules in their boxes, the others
    // keeping what is typed, saved or not: the suggestion of a bill's check.
    // The holidays' choice of England and Wales is ticked or cleared, the
    // list's other lines left as they are.
    void showSettings(const TariffRules &rules, RuleSettings which);
    // Puts a min connect time into the weekly table, as if typed into the
    // editor's box, for OK to save to the fee file with the rules; Cancel
    // puts back what was there. A bill check's suggestion.
    void showMinConnectTime(const QString &minutes);

Q_SIGNALS:
    // The user asked to check an operator's statement against the log.
    void checkBillRequested();
    // The rules file now holds the rules in force.
    void rulesSaved();
    // The weekly table was filled by an import, or read back from its file.
    void tableChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void cmdOK_Click();
    void cmdImport_Click();

private:
    void buildControls(bool withProblem);
    void setFirstSize();
    void Form_Load();
    // "Time charged": charge units, or none for every minute begun.
    struct TypedUnits
    {
        std::optional<ChargeUnits> units;
    };
    // Nothing when the typed text is no units the rules file can hold.
    std::optional<TypedUnits> typedUnits() const;
    void unitsEdited();
    void englandAndWalesToggled(bool on);
    void holidaysEdited();
    void timeRulesEdited();
    // Saves the rules, and the fee file when an import filled the table or a
    // suggestion changed its min connect time; false after telling the user
    // why not.
    bool saveRulesAndTable(const TariffRules &rules);
    // What OK writes to the fee file: an imported table whole, or the file's
    // own with the table's min connect time; nothing when neither changed.
    std::optional<TariffTable> feesToSave() const;
    // Cancel's: the min connect time back as it was, unless typed over since.
    void dropSuggestedMinConnect();
    // The rules as typed, or nothing after saying which box is wrong.
    std::optional<TariffRules> typedRules();
    std::optional<ExactNumber> typedPence(QLineEdit *box, const QString &complaint);

    TariffRules &m_rules;
    QString m_rulesPath;
    RulesLoad m_file;
    Prompter &m_prompter;
    TariffTable *m_table = nullptr;
    QString m_feePath;
    QLocale m_userLocale;
    bool m_tableImported = false; // the table holds an import not yet saved
    // A suggested min connect time put into the table and not yet saved,
    // with what the table held before it.
    struct SuggestedMinConnect
    {
        QString before;
        QString suggested;
    };
    std::optional<SuggestedMinConnect> m_minConnect;
    RulesetChooser m_chooseRuleset;

    QLabel *lblProblem = nullptr;
    QLineEdit *txtFeePerCall = nullptr;
    QComboBox *cboUnits = nullptr;
    QLabel *lblUnitsProblem = nullptr;
    QLineEdit *txtFirstCharge = nullptr;
    QLineEdit *txtMinimumCharge = nullptr;
    QCheckBox *chkOwnRate = nullptr;
    QCheckBox *chkEnglandAndWales = nullptr;
    QPlainTextEdit *txtHolidays = nullptr;
    QLabel *lblHolidayProblem = nullptr;
    QPlainTextEdit *txtTimeRules = nullptr;
    QLabel *lblTimeRuleProblem = nullptr;
    QPushButton *cmdCheckBill = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
