// The rules window's import of an accounting ruleset, which fills the weekly
// table as well as the boxes, and the save of both by OK or their drop by
// Cancel: an imported tariff is kept whole or not at all.

#include "ui/frm_rules.h"

#include "calllog/call_log.h"
#include "tariff/fee_file.h"
#include "tariff/ruleset_import.h"
#include "ui/open_file_dialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

void frmRules::setTable(TariffTable &table, QString feeFilePath, QLocale userLocale)
{
    m_table = &table;
    m_feePath = std::move(feeFilePath);
    m_userLocale = std::move(userLocale);
    cmdImport->setEnabled(true);
}

void frmRules::cmdImport_Click()
{
    const QString path = m_chooseRuleset
        ? m_chooseRuleset(this)
        : chooseFileToOpen(this, tr("Import a Ruleset"), tr("Rulesets (*.rst);;All files (*)"));
    if (path.isEmpty() || !m_table)
        return;
    const RulesetImport read = readRuleset(path);
    if (!read.tariff) {
        m_prompter.showMessage(
            tr("%1: %2").arg(QFileInfo(path).fileName(), read.refusal.message()));
        return;
    }
    QStringList summary = read.tariff->summary;
    if (const QString note = currencyNote(read.tariff->currency, m_userLocale); !note.isEmpty())
        summary << note;
    if (!m_prompter.confirm(tr("Import %1 into the fee table and the rules, to be saved by OK?\n%2")
                                .arg(read.tariff->name, summary.join(u'\n'))))
        return;
    // Into the boxes of both windows, as if typed: nothing is saved before OK.
    *m_table = read.tariff->table;
    m_tableImported = true;
    Q_EMIT tableChanged();
    showRules(read.tariff->rules);
}

bool frmRules::saveRulesAndTable(const TariffRules &rules)
{
    const auto tell = [this](const QString &what, const QString &path, const QString &error) {
        m_prompter.showMessage(tr("%1\n\nThe %2 could not be saved to %3: %4")
                                   .arg(QString::fromUtf16(kFileSaveError), what,
                                       QDir::toNativeSeparators(path), error));
    };
    // The fees first, put back byte for byte when the rules cannot follow.
    const std::optional<TariffTable> fees = feesToSave();
    QFile feeFile(m_feePath);
    const bool hadFees = fees && feeFile.open(QIODevice::ReadOnly);
    const QByteArray savedFees = hadFees ? feeFile.readAll() : QByteArray();
    feeFile.close();
    if (fees) {
        const FileResult written = SaveFees(*fees, m_feePath);
        if (!written.ok) {
            tell(tr("fees"), m_feePath, written.error);
            return false;
        }
    }
    const FileResult saved = SaveRules(m_rulesPath, rules);
    if (!saved.ok) {
        if (hadFees)
            writeBytes(m_feePath, savedFees);
        else if (fees)
            QFile::remove(m_feePath);
        // The rules in force and the files stay as they were; what was typed
        // stays in the window for another try.
        tell(tr("rules"), m_rulesPath, saved.error);
        return false;
    }
    if (m_tableImported) {
        // Read back as the editor's OK does, so its boxes show the saved texts.
        m_tableImported = false;
        LoadFees(*m_table, m_feePath);
        Q_EMIT tableChanged();
    }
    m_minConnect.reset();
    return true;
}

void frmRules::closeEvent(QCloseEvent *event)
{
    // An import not saved leaves the table as its file holds it, as the
    // editor's own close box does.
    dropSuggestedMinConnect();
    if (m_tableImported) {
        m_tableImported = false;
        m_table->resetToDefaults();
        LoadFees(*m_table, m_feePath);
        Q_EMIT tableChanged();
    }
    QWidget::closeEvent(event);
}
