#pragma once

#include "common/regional.h"
#include "statement/rule_suggestion.h"
#include "tariff/tariff_source.h"

#include <QDialog>

#include <optional>

class QPlainTextEdit;
class QPushButton;

// The operator's bill checked against the call log, from the rules window:
// the report callwise-report --statement prints, over the bill's own days,
// and the rules and min connect time it suggests, which the user may take.
class frmBillCheck : public QDialog
{
    Q_OBJECT

public:
    static constexpr char kCaption[] = QT_TR_NOOP("Check a Bill");

    // tariff: the one the calls are priced by now, whose rules the suggestion changes.
    frmBillCheck(Tariff tariff, QString logPath, const Regional &regional,
        QWidget *parent = nullptr);

    // Reads the bill and shows its report, or why it cannot be read.
    void openStatement(const QString &csvPath);

    // The suggestion, once the user has applied it.
    const std::optional<RuleSuggestion> &appliedSuggestion() const { return m_applied; }

private:
    void buildControls();
    void cmdApply_Click();

    Tariff m_tariff;
    QString m_logPath;
    const Regional &m_regional;
    std::optional<RuleSuggestion> m_suggested;
    std::optional<RuleSuggestion> m_applied;

    QPlainTextEdit *txtReport = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdClose = nullptr;
};

// Asks for the bill's CSV, shows its check and returns the suggestion when
// the user applies it; nothing when the user cancels or closes.
std::optional<RuleSuggestion> checkBill(QWidget *parent, const Tariff &tariff,
    const QString &logPath, const Regional &regional);
