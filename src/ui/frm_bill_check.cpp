#include "ui/frm_bill_check.h"

#include "calllog/call_log.h"
#include "common/number_reader.h"
#include "statement/bill_check.h"
#include "statement/data_bill_check.h"
#include "tariff/data_tariff_file.h"
#include "ui/enter_presses_button.h"
#include "ui/fixed_window.h"
#include "ui/open_file_dialog.h"
#include "ui/twips.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>

frmBillCheck::frmBillCheck(Tariff tariff, QString logPath,
    const Regional &regional, QWidget *parent)
    : QDialog(parent)
    , m_tariff(std::move(tariff))
    , m_logPath(std::move(logPath))
    , m_regional(regional)
{
    setUpFixedWindow(this, "frmBillCheck", tr(kCaption), 9600, 6600);
    buildControls();
    pressFocusedButtonOnEnter(this);
}

void frmBillCheck::buildControls()
{
    txtReport = placeControl(new QPlainTextEdit(this), "txtReport", { 120, 120, 9360, 5760 });
    txtReport->setReadOnly(true);
    // Long sentences wrap rather than run out of sight.
    txtReport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The report lines up its columns in spaces, as it does in a terminal.
    txtReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtReport->setAccessibleName(tr(kCaption));

    cmdApply = addControl<QPushButton>(
        this, "cmdApply", tr("&Apply suggested rules"), { 120, 6060, 2880, 375 });
    cmdApply->setEnabled(false);
    cmdClose = addControl<QPushButton>(this, "cmdClose", tr("Close"), { 8160, 6060, 1320, 375 });
    connect(cmdApply, &QPushButton::clicked, this, &frmBillCheck::cmdApply_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmBillCheck::openStatement(const QString &csvPath)
{
    m_suggested.reset();
    cmdApply->setEnabled(false);
    const QString name = QFileInfo(csvPath).fileName();
    const Statement statement = readStatement(csvPath);
    const QString why
        = statement.ok && statement.calls.empty() ? tr("it holds no calls") : statement.why;
    if (!why.isEmpty()) {
        txtReport->setPlainText(tr("%1: %2.").arg(name, why));
        return;
    }

    const auto [first, last] = statementDays(statement);
    const LogIndex log = LoadIndexedLog(m_logPath, MissingLog::LeaveAlone);
    const Summary summary
        = summaryOfDays(log, first, last, readNumber(m_tariff.table.minConnectTime()), m_regional);
    if (!summary.ok) {
        txtReport->setPlainText(summary.error);
        return;
    }
    if (statement.data) {
        // A data bill suggests no rules: it is checked by the data tariff's
        // MB and rounding.
        const DataTariff data = m_tariff.dataFile.tariff.value_or(DataTariff{});
        txtReport->setPlainText(
            dataBillCheckLines(name,
                               checkDataBill(statement, first, last, summary, data.mbBytes,
                                             data.roundingBytes),
                               m_regional)
                .join(u'\n'));
        return;
    }
    const BillCheck check
        = checkBill(statement, first, last, summary, m_tariff.table, m_tariff.rules);
    txtReport->setPlainText(billCheckLines(name, check, m_tariff.rules, m_regional).join(u'\n'));
    if (check.suggestion.helps() && check.suggestion.changed.toInt() != 0) {
        m_suggested = check.suggestion;
        cmdApply->setEnabled(true);
    }
}

void frmBillCheck::cmdApply_Click()
{
    m_applied = m_suggested;
    accept();
}

std::optional<RuleSuggestion> checkBill(QWidget *parent, const Tariff &tariff,
    const QString &logPath, const Regional &regional)
{
    const QString csvPath = chooseFileToOpen(parent, frmBillCheck::tr("The operator's bill"),
        frmBillCheck::tr("Itemised bills (*.csv *.txt);;All files (*)"));
    if (csvPath.isEmpty())
        return std::nullopt;
    frmBillCheck window(tariff, logPath, regional, parent);
    window.openStatement(csvPath);
    window.exec();
    return window.appliedSuggestion();
}
